// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The postal directory: French towns and their postal codes in
// Codespost.mdb, table LISTECOM (VILLE, CODE as text, and CLE, the town's
// folded key that orders and finds towns as a French reader expects).
//
// The directory keeps one current set of rows (the last one a search, an
// addition or a deletion opened) and its current row, the entry the window
// shows and corrects.

#include <QString>
#include <QStringList>

#include <optional>

#include "platform/database.h"

namespace tovimar {

struct PostalEntry {
    QString town;
    QString code;
    bool operator==(const PostalEntry&) const = default;
};

// "PARIS   75001": how an entry is shown.
QString postalEntryText(const PostalEntry& entry);

class PostalDirectory {
  public:
    enum class Outcome {
        Done,
        NotFound,       // nothing at or after the town typed; no such town and code
        NoCurrentEntry, // nothing found or chosen to be corrected
        EmptyTown,      // an entry needs a town name
        Failed          // the file could not be opened, read or written
    };
    struct Result {
        Outcome outcome = Outcome::Failed;
        PostalEntry entry;
    };

    // A file opened read-only can be searched; a change is refused with its cause.
    explicit PostalDirectory(QString databasePath,
                             DatabaseFile::Access access = DatabaseFile::Access::ReadWrite);

    // The first town at or after the text in French order (accents, case,
    // hyphens and apostrophes ignored; "st", "ste", "saint" and "sainte" one
    // word, "s/" read "sur") becomes the current entry.
    Result findTown(const QString& text);
    // Every town of the code, in French order; nullopt when the file cannot be
    // read. The current set becomes these towns, with no current entry.
    std::optional<QStringList> townsWithCode(const QString& code);
    // A town of a code's list, chosen by the user, becomes the current entry
    // (a correction then goes to it); the current set is the code's towns.
    // NotFound when no such town has the code (any more).
    Result chooseTownWithCode(const QString& town, const QString& code);
    // The previous or next town of the current set; at either end it stays on
    // the first or the last. Nullopt when there is nothing to step through or
    // the file cannot be read: then nothing changes.
    std::optional<PostalEntry> previous();
    std::optional<PostalEntry> next();

    // Adds the entry; it becomes the current entry.
    Result add(const PostalEntry& entry);
    // Replaces the current entry by these values.
    Result modifyCurrent(const PostalEntry& entry);
    // Deletes one row holding exactly this town and code.
    Result remove(const PostalEntry& entry);

    bool hasCurrentEntry() const { return current_ && current_->hasCurrentRow(); }
    // Why the last operation that failed (Outcome::Failed, nullopt) did.
    const DatabaseFailure& lastFailure() const { return failure_; }

  private:
    // Rewrites, once, the keys an older copy of the file stored differently.
    bool refreshKeys();
    Result failed(const RecordSet& set);
    RecordSet allTowns() const;
    PostalEntry currentEntry() const;
    std::optional<PostalEntry> step(bool forward);

    DatabaseFile file_;
    std::optional<RecordSet> current_;
    DatabaseFailure failure_;
    bool keysChecked_ = false;
};

} // namespace tovimar
