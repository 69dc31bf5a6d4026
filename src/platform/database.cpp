// SPDX-License-Identifier: GPL-3.0-or-later
// The database files themselves: opening a connection, naming an engine
// failure in French, quoting names, rows of values, and the user's own copy of
// a shipped file.
#include "platform/database.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QUrl>

#include <atomic>

#include "platform/atomic_file.h"
#include "platform/settings_folder.h"

namespace tovimar {
namespace {

// How long an operation waits for another copy of the program that is
// writing, before it gives up and the user is told.
constexpr int kBusyTimeoutMs = 500;

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
