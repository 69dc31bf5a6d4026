// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/postal_directory.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <utility>
#include <vector>

#include "core/french_folding.h"

namespace tovimar {
namespace {

const QString kTable = QStringLiteral("LISTECOM");
const QString kTown = QStringLiteral("Ville");
const QString kCode = QStringLiteral("Code");
const QString kKey = QStringLiteral("CLE");

// "st", "ste", "saint" and "sainte" are one word, "s/" is "sur": the key a
// town is stored under and the key of the text typed to find it.
QString foldedKey(const QString& text) {
    return QString::fromStdString(foldTownName(text.toStdString()));
}

Row rowOf(const PostalEntry& entry) {
    Row row;
    row.set(kTown, entry.town);
    row.set(kCode, entry.code);
    row.set(kKey, foldedKey(entry.town));
    return row;
}

} // namespace

QString postalEntryText(const PostalEntry& entry) {
    return entry.town + QStringLiteral("   ") + entry.code;
}

PostalDirectory::PostalDirectory(QString databasePath, DatabaseFile::Access access)
    : file_{std::move(databasePath), access} {}

RecordSet PostalDirectory::allTowns() const {
    return RecordSet(file_, kTable, {}, {kKey, kTown, kCode});
}

PostalEntry PostalDirectory::currentEntry() const {
    return {current_->value(kTown).toString(), current_->value(kCode).toString()};
}

bool PostalDirectory::refreshKeys() {
    if (keysChecked_) return true;
    // A copy of the directory made by an earlier version keeps towns under
    // older keys ("ST ETIENNE" where "SAINT ETIENNE" is searched): each key
    // that differs from the town's key now is rewritten, once, in one
    // transaction. A file that cannot be written is still searched as it is.
    DatabaseConnection connection(file_);
    if (!connection.isOpen()) {
        failure_ = connection.failure();
        return false;
    }
    QSqlDatabase db = connection.handle();
    std::vector<std::pair<qint64, QString>> stale;
    {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("SELECT rowid, %1, %2 FROM %3")
                            .arg(quoteSqlName(kTown), quoteSqlName(kKey), quoteSqlName(kTable)))) {
            failure_ = databaseFailureOf(query.lastError());
            return false;
        }
        while (query.next()) {
            const QString key = foldedKey(query.value(1).toString());
            if (query.value(2).toString() != key)
                stale.emplace_back(query.value(0).toLongLong(), key);
        }
    }
    keysChecked_ = true;
    if (stale.empty() || file_.access != DatabaseFile::Access::ReadWrite) return true;
    if (!db.transaction()) return true;
    QSqlQuery update(db);
    update.prepare(QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?")
                       .arg(quoteSqlName(kTable), quoteSqlName(kKey)));
    for (const auto& [rowId, key] : stale) {
        update.addBindValue(key);
        update.addBindValue(rowId);
        if (!update.exec()) {
            db.rollback();
            return true;
        }
    }
    update.finish();
    if (!db.commit()) db.rollback();
    return true;
}

PostalDirectory::Result PostalDirectory::failed(const RecordSet& set) {
    failure_ = set.lastFailure();
    return {Outcome::Failed, {}};
}

PostalDirectory::Result PostalDirectory::findTown(const QString& text) {
    if (!refreshKeys()) return {Outcome::Failed, {}};
    current_ = allTowns();
    if (!current_->openAt({kKey, Criterion::Op::GreaterOrEqual, foldedKey(text)}))
        return failed(*current_);
    if (current_->noMatch()) return {Outcome::NotFound, {}};
    return {Outcome::Done, currentEntry()};
}

std::optional<QStringList> PostalDirectory::townsWithCode(const QString& code) {
    current_ = RecordSet(file_, kTable, {{kCode, Criterion::Op::Equal, code}}, {kKey, kTown});
    const auto rows = current_->readAll();
    if (!rows) {
        failure_ = current_->lastFailure();
        return std::nullopt;
    }
    QStringList towns;
    for (const Row& row : *rows)
        towns << row.value(kTown).toString();
    return towns;
}

PostalDirectory::Result PostalDirectory::chooseTownWithCode(const QString& town,
                                                            const QString& code) {
    current_ = RecordSet(file_, kTable, {{kCode, Criterion::Op::Equal, code}}, {kKey, kTown});
    if (!current_->openAt({kTown, Criterion::Op::Equal, town})) return failed(*current_);
    if (current_->noMatch() || !current_->hasCurrentRow()) return {Outcome::NotFound, {}};
    return {Outcome::Done, currentEntry()};
}

std::optional<PostalEntry> PostalDirectory::step(bool forward) {
    if (!current_) return std::nullopt;
    // A copy is moved, so that a failure halfway leaves the current row as it was.
    RecordSet moved = *current_;
    if (!(forward ? moved.moveNext() : moved.movePrevious())) {
        failure_ = moved.lastFailure();
        return std::nullopt;
    }
    if (forward ? moved.isEof() : moved.isBof()) {
        if (!(forward ? moved.moveLast() : moved.moveFirst())) return std::nullopt;
    }
    if (!moved.hasCurrentRow()) return std::nullopt;
    current_ = std::move(moved);
    return currentEntry();
}

std::optional<PostalEntry> PostalDirectory::previous() {
    return step(false);
}

std::optional<PostalEntry> PostalDirectory::next() {
    return step(true);
}

PostalDirectory::Result PostalDirectory::add(const PostalEntry& entry) {
    if (entry.town.trimmed().isEmpty()) return {Outcome::EmptyTown, {}};
    RecordSet set = allTowns();
    if (!set.open() || !set.addNew(rowOf(entry))) return failed(set);
    // The new row follows the last one until the next search.
    current_ = std::move(set);
    if (!current_->moveLast() || !current_->hasCurrentRow()) return failed(*current_);
    return {Outcome::Done, currentEntry()};
}

PostalDirectory::Result PostalDirectory::modifyCurrent(const PostalEntry& entry) {
    if (!hasCurrentEntry()) return {Outcome::NoCurrentEntry, {}};
    if (entry.town.trimmed().isEmpty()) return {Outcome::EmptyTown, {}};
    if (!current_->edit(rowOf(entry))) return failed(*current_);
    return {Outcome::Done, currentEntry()};
}

PostalDirectory::Result PostalDirectory::remove(const PostalEntry& entry) {
    RecordSet set(
        file_, kTable,
        {{kTown, Criterion::Op::Equal, entry.town}, {kCode, Criterion::Op::Equal, entry.code}},
        {kKey});
    // A file that cannot be read leaves the current entry as it was.
    if (!set.open()) return failed(set);
    if (!set.hasCurrentRow()) {
        current_ = std::move(set);
        return {Outcome::NotFound, {}};
    }
    const PostalEntry deleted{set.value(kTown).toString(), set.value(kCode).toString()};
    const bool ok = set.deleteCurrent();
    current_ = std::move(set);
    if (!ok) return failed(*current_);
    return {Outcome::Done, deleted};
}

} // namespace tovimar
