// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two small databases of the program (the hormone therapy specialities
// and the postal directory) are SQLite files read and written through Qt SQL.
//
// A RecordSet is a live view of the rows of one table that match some
// conditions, in a given order, with a current row: it can be stepped
// through, searched, and its current row read, changed or deleted. It keeps
// only the query and where its current row lies: every operation opens the
// file, runs one or two small indexed queries and closes it again, so that
// another copy of the program, or a file replaced meanwhile, is always seen
// as it is now, and nothing is loaded whole.
//
// Values only ever travel as bound parameters; names of tables and columns
// come from the program and are quoted. A file that is missing is never
// created: opening it fails.

#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <utility>
#include <vector>

class QSqlDatabase;
class QSqlError;
class QSqlQuery;

namespace tovimar {

class SettingsFolder;

struct DatabaseFile {
    enum class Access { ReadOnly, ReadWrite };
    QString path;
    Access access = Access::ReadOnly;
};

// A condition "column op value" on one column.
struct Criterion {
    enum class Op { Equal, GreaterOrEqual };
    QString column;
    Op op = Op::Equal;
    QVariant value;
};

// Column values, by column name matched without regard to case.
class Row {
  public:
    void set(const QString& column, const QVariant& value);
    // A column that is missing or holds no value reads as a null QVariant.
    QVariant value(const QString& column) const;
    bool has(const QString& column) const;
    const std::vector<std::pair<QString, QVariant>>& columns() const { return columns_; }

  private:
    std::vector<std::pair<QString, QVariant>> columns_;
};

// Why an operation on a database failed, from the engine's own error code.
struct DatabaseFailure {
    enum class Kind {
        None,
        CannotOpen,   // the file is missing or cannot be opened at all
        DiskFull,     // no room left to write
        ReadOnly,     // the file (or its folder) cannot be written
        Locked,       // another program holds it
        NotADatabase, // the file is no SQLite database
        Damaged,      // the file is a damaged database
        InputOutput,  // the disk failed to read or write
        NoPermission, // refused by the system
        Refused,      // refused by the program itself (engineText says why, in French)
        Other,
    };
    Kind kind = Kind::None;
    int code = 0;       // SQLite's result code, 0 when none
    QString engineText; // the engine's own words, for diagnostics
};

DatabaseFailure databaseFailureOf(const QSqlError& error);
// The cause in French: "le disque est plein", "le fichier ou son dossier est en lecture seule"...
QString databaseFailureCause(const DatabaseFailure& failure);

// One open connection to a database file, closed when destroyed.
class DatabaseConnection {
  public:
    explicit DatabaseConnection(const DatabaseFile& file);
    ~DatabaseConnection();
    DatabaseConnection(const DatabaseConnection&) = delete;
    DatabaseConnection& operator=(const DatabaseConnection&) = delete;

    bool isOpen() const { return open_; }
    QSqlDatabase handle() const;
    const QString& error() const { return error_; }
    const DatabaseFailure& failure() const { return failure_; }

  private:
    QString name_;
    bool open_ = false;
    QString error_;
    DatabaseFailure failure_;
};

class RecordSet {
  public:
    // The rows of `table` matching every condition of `where`, sorted by the
    // columns of `orderBy` (then by insertion). The order columns must hold
    // values. Nothing is read until open().
    RecordSet(DatabaseFile file, QString table, std::vector<Criterion> where, QStringList orderBy);

    // Reads the first row. False when the file cannot be opened or read (the
    // set then has no current row). An empty set is at its start and end.
    bool open();
    // Opens the set and finds its first row meeting the criterion, in one
    // visit to the file: open() then findFirst(), for a search at each key.
    bool openAt(const Criterion& criterion);
    // Reads every row of the set in one go, for filling a list; the set then
    // stands after its last row. Nullopt when the file cannot be read.
    std::optional<std::vector<Row>> readAll();

    bool isBof() const { return position_ == Position::BeforeFirst || isEmpty(); }
    bool isEof() const { return position_ == Position::AfterLast || isEmpty(); }
    bool hasCurrentRow() const { return position_ == Position::OnRow; }
    // True after a findFirst that found nothing.
    bool noMatch() const { return noMatch_; }

    // Each move returns false when the file cannot be read, or when the move
    // makes no sense (stepping on from the end, an unopened set): then nothing
    // changes. Moving past the last row leaves the set at its end (isEof), past
    // the first at its start (isBof), without a current row.
    bool moveNext();
    bool movePrevious();
    bool moveFirst();
    bool moveLast();
    // The first row of the set, in its order, that meets the criterion becomes
    // the current row; when none does, noMatch() is set and there is no
    // current row. False only when the file cannot be read.
    bool findFirst(const Criterion& criterion);

    // The current row's value of a column (null without a current row).
    QVariant value(const QString& column) const { return current_.value(column); }
    const Row& currentRow() const { return current_; }

    // Adds a row; it joins the set after its last row (whatever its values)
    // until the set is opened again. The current row does not change. True
    // only when the engine has stored exactly one row.
    bool addNew(const Row& values);
    // Changes columns of the current row; true only when exactly that row was
    // changed. Without a current row, false and nothing is written.
    bool edit(const Row& values);
    // Deletes the current row; the set then has no current row until a move.
    bool deleteCurrent();

    // The engine's own words for the last failure (for diagnostics).
    const QString& lastError() const { return lastError_; }
    // Why the last operation failed, for the user.
    const DatabaseFailure& lastFailure() const { return failure_; }

  private:
    enum class Position { Closed, BeforeFirst, OnRow, AfterLast, Deleted };
    struct Located {
        bool found = false;
        Row row;
    };

    bool isEmpty() const { return position_ != Position::Closed && empty_; }
    QString selectPrefix() const;
    QString whereClause(const std::vector<Criterion>& extra, const QString& keyComparison) const;
    QString orderClause(bool descending) const;
    std::optional<Located> fetchOne(DatabaseConnection& connection,
                                    const std::vector<Criterion>& extra,
                                    const QString& keyComparison, bool descending);
    std::optional<Located> fetchByRowId(DatabaseConnection& connection, qint64 rowId,
                                        const std::optional<Criterion>& criterion);
    void bindWhere(QSqlQuery& query, const std::vector<Criterion>& extra) const;
    void setCurrent(Row row, std::optional<std::size_t> appendedIndex);
    // No current row: before the first, after the last, or deleted.
    void leaveRow(Position where);
    bool fail(const QString& error);
    bool fail(const QSqlError& error);
    bool openedConnection(DatabaseConnection& connection);
    bool stepForwardFromCurrent(DatabaseConnection& connection);
    bool stepBackwardFromCurrent(DatabaseConnection& connection);
    bool goFirst(DatabaseConnection& connection);
    bool findFirstIn(DatabaseConnection& connection, const Criterion& criterion);
    bool goLast(DatabaseConnection& connection);

    DatabaseFile file_;
    QString table_;
    std::vector<Criterion> where_;
    QStringList orderBy_;

    Position position_ = Position::Closed;
    bool empty_ = false;
    bool noMatch_ = false;
    Row current_;
    // Where the current (or just deleted) row lies: its order values and rowid.
    QVariantList key_;
    // Rows added to this set, in order: they follow its last row.
    std::vector<qint64> appended_;
    std::optional<std::size_t> appendedIndex_;
    QString lastError_;
    DatabaseFailure failure_;
};

// Quotes a table or column name for SQL text.
QString quoteSqlName(const QString& name);

// The path of a database the practitioner may change. The program's folder
// holds the shipped file; when the settings live in the user's data folder
// (the program's folder cannot be written), the file is first copied there
// (the folder made when missing, the copy whole or not at all), as the
// settings files are, and that copy is used from then on. When the copy
// cannot be made, the shipped file is returned (it can be searched, not
// changed) and `copyError` says why, in French.
QString writableDatabasePath(const SettingsFolder& folder, const QString& fileName,
                             QString* copyError = nullptr);

} // namespace tovimar
