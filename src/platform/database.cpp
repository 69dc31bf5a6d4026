// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/database.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

#include <atomic>

#include "platform/atomic_file.h"
#include "platform/settings_folder.h"

namespace tovimar {
namespace {

// The rowid travels with every row under this name, to find the row again.
const QString kRowIdAlias = QStringLiteral("tovimar_rowid");

// How long an operation waits for another copy of the program that is
// writing, before it gives up and the user is told.
constexpr int kBusyTimeoutMs = 500;

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

// Back quotes, not double quotes: SQLite reads a double-quoted name that
// matches no column as a text, so that a misspelt column would silently
// select nothing instead of failing.
QString quoteSqlName(const QString& name) {
    QString quoted = name;
    quoted.replace('`', QStringLiteral("``"));
    return '`' + quoted + '`';
}

// ---------------------------------------------------------------- failures

DatabaseFailure databaseFailureOf(const QSqlError& error) {
    DatabaseFailure failure;
    failure.engineText = error.text();
    bool ok = false;
    // SQLite's result code; its low byte is the primary code of an extended one.
    failure.code = error.nativeErrorCode().toInt(&ok);
    if (!ok) failure.code = 0;
    using Kind = DatabaseFailure::Kind;
    switch (failure.code & 0xFF) {
    case 13: // SQLITE_FULL
        failure.kind = Kind::DiskFull;
        break;
    case 8: // SQLITE_READONLY
        failure.kind = Kind::ReadOnly;
        break;
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        failure.kind = Kind::Locked;
        break;
    case 26: // SQLITE_NOTADB
        failure.kind = Kind::NotADatabase;
        break;
    case 11: // SQLITE_CORRUPT
        failure.kind = Kind::Damaged;
        break;
    case 10: // SQLITE_IOERR
        failure.kind = Kind::InputOutput;
        break;
    case 3:  // SQLITE_PERM
    case 23: // SQLITE_AUTH
        failure.kind = Kind::NoPermission;
        break;
    case 14: // SQLITE_CANTOPEN
        failure.kind = Kind::CannotOpen;
        break;
    default:
        failure.kind = Kind::Other;
        break;
    }
    return failure;
}

QString databaseFailureCause(const DatabaseFailure& failure) {
    using Kind = DatabaseFailure::Kind;
    switch (failure.kind) {
    case Kind::None:
        return QString();
    case Kind::CannotOpen:
        return QStringLiteral("le fichier ne peut pas être ouvert");
    case Kind::DiskFull:
        return QStringLiteral("le disque est plein");
    case Kind::ReadOnly:
        return QStringLiteral("le fichier ou son dossier est en lecture seule");
    case Kind::Locked:
        return QStringLiteral("le fichier est verrouillé par un autre programme ; réessayez dans "
                              "un instant");
    case Kind::NotADatabase:
        return QStringLiteral("le fichier n'est pas une base de données");
    case Kind::Damaged:
        return QStringLiteral("le fichier est endommagé");
    case Kind::InputOutput:
        return QStringLiteral("erreur de lecture ou d'écriture sur le disque");
    case Kind::NoPermission:
        return QStringLiteral("permission refusée");
    case Kind::Refused: {
        // The program's own sentence, as a cause: "la ligne courante n'existe plus".
        QString cause = failure.engineText;
        if (cause.endsWith('.')) cause.chop(1);
        if (!cause.isEmpty()) cause[0] = cause[0].toLower();
        return cause;
    }
    case Kind::Other:
        break;
    }
    return QStringLiteral("erreur n° %1 de la base de données").arg(failure.code);
}

// ---------------------------------------------------------------- Row

void Row::set(const QString& column, const QVariant& value) {
    for (auto& [name, existing] : columns_) {
        if (name.compare(column, Qt::CaseInsensitive) == 0) {
            existing = value;
            return;
        }
    }
    columns_.emplace_back(column, value);
}

QVariant Row::value(const QString& column) const {
    for (const auto& [name, value] : columns_)
        if (name.compare(column, Qt::CaseInsensitive) == 0) return value;
    return {};
}

bool Row::has(const QString& column) const {
    for (const auto& entry : columns_)
        if (entry.first.compare(column, Qt::CaseInsensitive) == 0) return true;
    return false;
}

// ---------------------------------------------------------------- connection

DatabaseConnection::DatabaseConnection(const DatabaseFile& file) {
    static std::atomic<int> counter{0};
    name_ = QStringLiteral("tovimar-database-%1").arg(++counter);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    if (!db.isValid()) {
        error_ = QStringLiteral("Le pilote SQLite de Qt est absent.");
        failure_ = {DatabaseFailure::Kind::CannotOpen, 0, error_};
        return;
    }
    // SQLite would create a missing file: it must be there already.
    if (!QFileInfo(file.path).isFile()) {
        error_ = QStringLiteral("Le fichier %1 est introuvable.").arg(file.path);
        failure_ = {DatabaseFailure::Kind::CannotOpen, 0, error_};
        return;
    }
    const bool readOnly = file.access == DatabaseFile::Access::ReadOnly;
    // A URI names the file whatever characters its path holds, and its mode
    // forbids creating it.
    db.setDatabaseName(
        QUrl::fromLocalFile(QFileInfo(file.path).absoluteFilePath()).toString(QUrl::FullyEncoded) +
        (readOnly ? QStringLiteral("?mode=ro") : QStringLiteral("?mode=rw")));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1%2")
                             .arg(kBusyTimeoutMs)
                             .arg(readOnly ? QStringLiteral(";QSQLITE_OPEN_READONLY") : QString()));
    open_ = db.open();
    if (!open_) {
        error_ = db.lastError().text();
        failure_ = databaseFailureOf(db.lastError());
        // Whatever the engine says, a file that cannot be opened at all is
        // not connected.
        if (failure_.kind == DatabaseFailure::Kind::Other)
            failure_.kind = DatabaseFailure::Kind::CannotOpen;
    }
}

DatabaseConnection::~DatabaseConnection() {
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

QSqlDatabase DatabaseConnection::handle() const {
    return QSqlDatabase::database(name_, false);
}

// ---------------------------------------------------------------- record set

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
    position_ = Position::BeforeFirst;
    current_ = Row();
    key_.clear();
    appendedIndex_.reset();
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
    position_ = Position::AfterLast;
    current_ = Row();
    key_.clear();
    appendedIndex_.reset();
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
    position_ = Position::AfterLast;
    current_ = Row();
    key_.clear();
    appendedIndex_.reset();
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
    position_ = Position::BeforeFirst;
    current_ = Row();
    key_.clear();
    appendedIndex_.reset();
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
    position_ = Position::Deleted;
    current_ = Row();
    key_.clear();
    appendedIndex_.reset();
    return true;
}

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

// ---------------------------------------------------------------- user's copy

QString writableDatabasePath(const SettingsFolder& folder, const QString& fileName,
                             QString* copyError) {
    // The user's copy, once there, is the directory (as for the settings files).
    const QString read = folder.readPath(fileName);
    const QString shipped = folder.programDir() + "/" + fileName;
    if (QFileInfo(read) != QFileInfo(shipped)) return read;
    if (folder.settingsDir() == folder.programDir()) return shipped;
    const QString own = folder.settingsDir() + "/" + fileName;
    if (!QFileInfo(shipped).isFile()) return shipped;
    // The user's folder is made when missing (a new user of an installed
    // copy); the copy lands whole or not at all, so that a copy cut short is
    // never taken for the directory. A copy another copy of the program made
    // meanwhile is kept: changes may already have gone to it.
    QString error;
    if (copyFileWhole(shipped, own, 0600, &error, AtomicFile::Replace::KeepExisting)) return own;
    if (copyError) *copyError = error;
    // The shipped file can still be searched; a change is refused with the cause.
    return shipped;
}

} // namespace tovimar
