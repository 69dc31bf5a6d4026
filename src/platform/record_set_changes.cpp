// SPDX-License-Identifier: GPL-3.0-or-later
// The changes a RecordSet makes to its table: a row added, the current row
// changed or deleted, each one statement with bound values checked to have
// touched exactly one row.
#include "platform/database.h"

#include <QSqlError>
#include <QSqlQuery>

namespace tovimar {

bool RecordSet::addNew(const Row& values) {
    if (position_ == Position::Closed) return fail(QStringLiteral("Ensemble non ouvert."));
    if (values.columns().empty()) return fail(QStringLiteral("Aucune valeur à ajouter."));
    DatabaseConnection connection(file_);
    if (!openedConnection(connection)) return false;
    QStringList columns;
    QStringList marks;
    for (const auto& entry : values.columns()) {
        columns << quoteSqlName(entry.first);
        marks << QStringLiteral("?");
    }
    QSqlQuery query(connection.handle());
    if (!query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                           .arg(quoteSqlName(table_), columns.join(", "), marks.join(", "))))
        return fail(query.lastError());
    for (const auto& entry : values.columns())
        query.addBindValue(entry.second);
    if (!query.exec()) return fail(query.lastError());
    if (query.numRowsAffected() != 1)
        return fail(QStringLiteral("La ligne n'a pas été enregistrée."));
    const QVariant rowId = query.lastInsertId();
    if (!rowId.isValid()) return fail(QStringLiteral("La ligne ajoutée est introuvable."));
    appended_.push_back(rowId.toLongLong());
    empty_ = false;
    return true;
}

bool RecordSet::edit(const Row& values) {
    if (position_ != Position::OnRow || key_.isEmpty())
        return fail(QStringLiteral("Pas de ligne courante."));
    if (values.columns().empty()) return fail(QStringLiteral("Aucune valeur à modifier."));
    DatabaseConnection connection(file_);
    if (!openedConnection(connection)) return false;
    QStringList assignments;
    for (const auto& entry : values.columns())
        assignments << quoteSqlName(entry.first) + QStringLiteral(" = ?");
    QSqlQuery query(connection.handle());
    if (!query.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                           .arg(quoteSqlName(table_), assignments.join(", "))))
        return fail(query.lastError());
    for (const auto& entry : values.columns())
        query.addBindValue(entry.second);
    const qint64 rowId = key_.last().toLongLong();
    query.addBindValue(rowId);
    if (!query.exec()) return fail(query.lastError());
    if (query.numRowsAffected() != 1)
        return fail(QStringLiteral("La ligne courante n'existe plus."));
    // The row keeps its place in the set; its new values are read back.
    const auto reread = fetchByRowId(connection, rowId, std::nullopt);
    if (reread && reread->found) {
        setCurrent(reread->row, appendedIndex_);
    } else {
        for (const auto& [name, value] : values.columns())
            current_.set(name, value);
    }
    return true;
}

bool RecordSet::deleteCurrent() {
    if (position_ != Position::OnRow || key_.isEmpty())
        return fail(QStringLiteral("Pas de ligne courante."));
    DatabaseConnection connection(file_);
    if (!openedConnection(connection)) return false;
    QSqlQuery query(connection.handle());
    if (!query.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoteSqlName(table_))))
        return fail(query.lastError());
    query.addBindValue(key_.last());
    if (!query.exec()) return fail(query.lastError());
    if (query.numRowsAffected() != 1)
        return fail(QStringLiteral("La ligne courante n'existe plus."));
    // The place stays known, so that a move goes on from where the row was.
    position_ = Position::Deleted;
    current_ = Row();
    return true;
}

} // namespace tovimar
