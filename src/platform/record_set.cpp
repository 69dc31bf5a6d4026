// SPDX-License-Identifier: GPL-3.0-or-later
// A RecordSet: a live view of some rows of one table, stepped through,
// searched and changed with one or two small indexed queries a visit.
#include "platform/database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace tovimar {
namespace {

// The rowid travels with every row under this name, to find the row again.
const QString kRowIdAlias = QStringLiteral("tovimar_rowid");

QString comparison(Criterion::Op op) {
    switch (op) {
    case Criterion::Op::Equal:
        return QStringLiteral(" = ?");
    case Criterion::Op::GreaterOrEqual:
        return QStringLiteral(" >= ?");
    }
    return QStringLiteral(" = ?");
}

Row rowFrom(const QSqlQuery& query) {
    Row row;
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        row.set(record.fieldName(i), query.value(i));
    return row;
}

} // namespace

RecordSet::RecordSet(DatabaseFile file, QString table, std::vector<Criterion> where,
                     QStringList orderBy)
    : file_(std::move(file)), table_(std::move(table)), where_(std::move(where)),
      orderBy_(std::move(orderBy)) {}

bool RecordSet::fail(const QString& error) {
    lastError_ = error;
    failure_ = DatabaseFailure{DatabaseFailure::Kind::Refused, 0, error};
    return false;
}

bool RecordSet::fail(const QSqlError& error) {
    lastError_ = error.text();
    failure_ = databaseFailureOf(error);
    return false;
}

bool RecordSet::openedConnection(DatabaseConnection& connection) {
    if (connection.isOpen()) return true;
    lastError_ = connection.error();
    failure_ = connection.failure();
    return false;
}

QString RecordSet::selectPrefix() const {
    return QStringLiteral("SELECT rowid AS %1, * FROM %2").arg(kRowIdAlias, quoteSqlName(table_));
}

// The set's own conditions, then `extra`, then the exclusion of the rows
// added to the set (they come after its last row), then a comparison with a
// row's place in the order.
QString RecordSet::whereClause(const std::vector<Criterion>& extra,
                               const QString& keyComparison) const {
    QStringList parts;
    for (const Criterion& c : where_)
        parts << quoteSqlName(c.column) + comparison(c.op);
    for (const Criterion& c : extra)
        parts << quoteSqlName(c.column) + comparison(c.op);
    if (!appended_.empty()) {
        QStringList marks;
        for (std::size_t i = 0; i < appended_.size(); ++i)
            marks << QStringLiteral("?");
        parts << QStringLiteral("rowid NOT IN (%1)").arg(marks.join(','));
    }
    if (!keyComparison.isEmpty()) parts << keyComparison;
    return parts.isEmpty() ? QString() : QStringLiteral(" WHERE ") + parts.join(" AND ");
}

void RecordSet::bindWhere(QSqlQuery& query, const std::vector<Criterion>& extra) const {
    for (const Criterion& c : where_)
        query.addBindValue(c.value);
    for (const Criterion& c : extra)
        query.addBindValue(c.value);
    for (qint64 rowId : appended_)
        query.addBindValue(rowId);
}

QString RecordSet::orderClause(bool descending) const {
    QStringList columns;
    for (const QString& column : orderBy_)
        columns << quoteSqlName(column);
    columns << QStringLiteral("rowid");
    const QString direction = descending ? QStringLiteral(" DESC") : QString();
    return QStringLiteral(" ORDER BY ") + columns.join(direction + ", ") + direction;
}

// The first row of the set's query part (the rows not added since it was
// opened) after or before the current place (keyComparison), or at its start
// or end.
std::optional<RecordSet::Located> RecordSet::fetchOne(DatabaseConnection& connection,
                                                      const std::vector<Criterion>& extra,
                                                      const QString& keyComparison,
                                                      bool descending) {
    QSqlQuery query(connection.handle());
    query.setForwardOnly(true);
    if (!query.prepare(selectPrefix() + whereClause(extra, keyComparison) +
                       orderClause(descending) + QStringLiteral(" LIMIT 1"))) {
        fail(query.lastError());
        return std::nullopt;
    }
    bindWhere(query, extra);
    if (!keyComparison.isEmpty()) {
        for (const QVariant& v : key_)
            query.addBindValue(v);
    }
    if (!query.exec()) {
        fail(query.lastError());
        return std::nullopt;
    }
    Located located;
    if (query.next()) {
        located.found = true;
        located.row = rowFrom(query);
    } else if (query.lastError().isValid()) {
        fail(query.lastError());
        return std::nullopt;
    }
    return located;
}

std::optional<RecordSet::Located>
RecordSet::fetchByRowId(DatabaseConnection& connection, qint64 rowId,
                        const std::optional<Criterion>& criterion) {
    QSqlQuery query(connection.handle());
    query.setForwardOnly(true);
    QString sql = selectPrefix() + QStringLiteral(" WHERE rowid = ?");
    if (criterion)
        sql +=
            QStringLiteral(" AND ") + quoteSqlName(criterion->column) + comparison(criterion->op);
    if (!query.prepare(sql)) {
        fail(query.lastError());
        return std::nullopt;
    }
    query.addBindValue(rowId);
    if (criterion) query.addBindValue(criterion->value);
    if (!query.exec()) {
        fail(query.lastError());
        return std::nullopt;
    }
    Located located;
    if (query.next()) {
        located.found = true;
        located.row = rowFrom(query);
    }
    return located;
}

void RecordSet::leaveRow(Position where) {
    position_ = where;
    current_ = Row();
    key_.clear();
    appendedIndex_.reset();
}

void RecordSet::setCurrent(Row row, std::optional<std::size_t> appendedIndex) {
    key_.clear();
    for (const QString& column : orderBy_)
        key_ << row.value(column);
    key_ << row.value(kRowIdAlias);
    current_ = Row();
    for (const auto& [name, value] : row.columns())
        if (name != kRowIdAlias) current_.set(name, value);
    position_ = Position::OnRow;
    appendedIndex_ = appendedIndex;
    noMatch_ = false;
}

namespace {

// "(a, b, rowid) > (?, ?, ?)": the rows after a place in the order.
QString keyComparisonText(const QStringList& orderBy, bool after) {
    QStringList columns;
    QStringList marks;
    for (const QString& column : orderBy) {
        columns << quoteSqlName(column);
        marks << QStringLiteral("?");
    }
    columns << QStringLiteral("rowid");
    marks << QStringLiteral("?");
    return QStringLiteral("(%1) %2 (%3)")
        .arg(columns.join(", "), after ? QStringLiteral(">") : QStringLiteral("<"),
             marks.join(", "));
}

} // namespace

bool RecordSet::goFirst(DatabaseConnection& connection) {
    const auto first = fetchOne(connection, {}, QString(), false);
    if (!first) return false;
    if (first->found) {
        setCurrent(first->row, std::nullopt);
        empty_ = false;
        return true;
    }
    for (std::size_t i = 0; i < appended_.size(); ++i) {
        const auto added = fetchByRowId(connection, appended_[i], std::nullopt);
        if (!added) return false;
        if (added->found) {
            setCurrent(added->row, i);
            empty_ = false;
            return true;
        }
    }
    empty_ = true;
    leaveRow(Position::BeforeFirst);
    return true;
}

bool RecordSet::goLast(DatabaseConnection& connection) {
    for (std::size_t i = appended_.size(); i-- > 0;) {
        const auto added = fetchByRowId(connection, appended_[i], std::nullopt);
        if (!added) return false;
        if (added->found) {
            setCurrent(added->row, i);
            empty_ = false;
            return true;
        }
    }
    const auto last = fetchOne(connection, {}, QString(), true);
    if (!last) return false;
    if (last->found) {
        setCurrent(last->row, std::nullopt);
        empty_ = false;
        return true;
    }
    empty_ = true;
    leaveRow(Position::AfterLast);
    return true;
}

bool RecordSet::stepForwardFromCurrent(DatabaseConnection& connection) {
    std::size_t nextAppended = 0;
    if (appendedIndex_) {
        nextAppended = *appendedIndex_ + 1;
    } else {
        const auto next = fetchOne(connection, {}, keyComparisonText(orderBy_, true), false);
        if (!next) return false;
        if (next->found) {
            setCurrent(next->row, std::nullopt);
            return true;
        }
    }
    for (std::size_t i = nextAppended; i < appended_.size(); ++i) {
        const auto added = fetchByRowId(connection, appended_[i], std::nullopt);
        if (!added) return false;
        if (added->found) {
            setCurrent(added->row, i);
            return true;
        }
    }
    leaveRow(Position::AfterLast);
    return true;
}

bool RecordSet::stepBackwardFromCurrent(DatabaseConnection& connection) {
    if (appendedIndex_) {
        for (std::size_t i = *appendedIndex_; i-- > 0;) {
            const auto added = fetchByRowId(connection, appended_[i], std::nullopt);
            if (!added) return false;
            if (added->found) {
                setCurrent(added->row, i);
                return true;
            }
        }
        const auto last = fetchOne(connection, {}, QString(), true);
        if (!last) return false;
        if (last->found) {
            setCurrent(last->row, std::nullopt);
            return true;
        }
    } else {
        const auto previous = fetchOne(connection, {}, keyComparisonText(orderBy_, false), true);
        if (!previous) return false;
        if (previous->found) {
            setCurrent(previous->row, std::nullopt);
            return true;
        }
    }
    leaveRow(Position::BeforeFirst);
    return true;
}

bool RecordSet::open() {
    appended_.clear();
    appendedIndex_.reset();
    noMatch_ = false;
    current_ = Row();
    key_.clear();
    position_ = Position::Closed;
    empty_ = false;
    DatabaseConnection connection(file_);
    if (!openedConnection(connection)) return false;
    const bool ok = goFirst(connection);
    if (!ok) position_ = Position::Closed;
    return ok;
}

std::optional<std::vector<Row>> RecordSet::readAll() {
    appended_.clear();
    appendedIndex_.reset();
    noMatch_ = false;
    current_ = Row();
    key_.clear();
    position_ = Position::Closed;
    DatabaseConnection connection(file_);
    if (!openedConnection(connection)) return std::nullopt;
    QSqlQuery query(connection.handle());
    query.setForwardOnly(true);
    if (!query.prepare(selectPrefix() + whereClause({}, QString()) + orderClause(false))) {
        fail(query.lastError());
        return std::nullopt;
    }
    bindWhere(query, {});
    if (!query.exec()) {
        fail(query.lastError());
        return std::nullopt;
    }
    std::vector<Row> rows;
    while (query.next()) {
        Row row;
        const Row read = rowFrom(query);
        for (const auto& [name, value] : read.columns())
            if (name != kRowIdAlias) row.set(name, value);
        rows.push_back(std::move(row));
    }
    if (query.lastError().isValid()) {
        fail(query.lastError());
        return std::nullopt;
    }
    empty_ = rows.empty();
    position_ = Position::AfterLast;
    return rows;
}

bool RecordSet::moveNext() {
    if (position_ == Position::Closed || position_ == Position::AfterLast || isEmpty())
        return fail(QStringLiteral("Pas de ligne suivante."));
    if ((position_ == Position::OnRow || position_ == Position::Deleted) && key_.isEmpty())
        return fail(QStringLiteral("Pas de ligne courante."));
    DatabaseConnection connection(file_);
    if (!openedConnection(connection)) return false;
    if (position_ == Position::BeforeFirst) return goFirst(connection);
    return stepForwardFromCurrent(connection);
}

bool RecordSet::movePrevious() {
    if (position_ == Position::Closed || position_ == Position::BeforeFirst || isEmpty())
        return fail(QStringLiteral("Pas de ligne précédente."));
    if ((position_ == Position::OnRow || position_ == Position::Deleted) && key_.isEmpty())
        return fail(QStringLiteral("Pas de ligne courante."));
    DatabaseConnection connection(file_);
    if (!openedConnection(connection)) return false;
    if (position_ == Position::AfterLast) return goLast(connection);
    return stepBackwardFromCurrent(connection);
}

bool RecordSet::moveFirst() {
    if (position_ == Position::Closed) return fail(QStringLiteral("Ensemble non ouvert."));
    DatabaseConnection connection(file_);
    if (!openedConnection(connection)) return false;
    return goFirst(connection);
}

bool RecordSet::moveLast() {
    if (position_ == Position::Closed) return fail(QStringLiteral("Ensemble non ouvert."));
    DatabaseConnection connection(file_);
    if (!openedConnection(connection)) return false;
    return goLast(connection);
}

bool RecordSet::openAt(const Criterion& criterion) {
    appended_.clear();
    appendedIndex_.reset();
    current_ = Row();
    key_.clear();
    position_ = Position::Closed;
    empty_ = false;
    DatabaseConnection connection(file_);
    if (!openedConnection(connection)) return false;
    return findFirstIn(connection, criterion);
}

bool RecordSet::findFirst(const Criterion& criterion) {
    if (position_ == Position::Closed) return fail(QStringLiteral("Ensemble non ouvert."));
    DatabaseConnection connection(file_);
    if (!openedConnection(connection)) return false;
    return findFirstIn(connection, criterion);
}

bool RecordSet::findFirstIn(DatabaseConnection& connection, const Criterion& criterion) {
    const auto found = fetchOne(connection, {criterion}, QString(), false);
    if (!found) return false;
    if (found->found) {
        setCurrent(found->row, std::nullopt);
        return true;
    }
    for (std::size_t i = 0; i < appended_.size(); ++i) {
        const auto added = fetchByRowId(connection, appended_[i], criterion);
        if (!added) return false;
        if (added->found) {
            setCurrent(added->row, i);
            return true;
        }
    }
    // No match leaves no current row: a later change cannot land on a row
    // the user did not find.
    noMatch_ = true;
    leaveRow(Position::Deleted);
    return true;
}

} // namespace tovimar
