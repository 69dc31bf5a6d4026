// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/sqlite_fixture.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <atomic>

namespace tovimar::testing {
namespace {

QString newConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("test-fixture-%1").arg(++counter);
}

} // namespace

bool runSql(const QString& path, const QStringList& statements) {
    const QString name = newConnectionName();
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(path);
        ok = db.open();
        for (const QString& sql : statements) {
            if (!ok) break;
            QSqlQuery query(db);
            ok = query.exec(sql);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

QStringList queryRows(const QString& path, const QString& sql) {
    const QString name = newConnectionName();
    QStringList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(path);
        db.setConnectOptions("QSQLITE_OPEN_READONLY");
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(sql)) {
                while (query.next()) {
                    QStringList values;
                    for (int i = 0; i < query.record().count(); ++i)
                        values << (query.value(i).isNull() ? QStringLiteral("<null>")
                                                           : query.value(i).toString());
                    rows << values.join('|');
                }
            } else {
                rows << QStringLiteral("<error>");
            }
        } else {
            rows << QStringLiteral("<cannot open>");
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

QString copyShippedDatabase(const QString& fileName, const QString& folder) {
    const QString target = folder + "/" + fileName;
    QFile::remove(target);
    QFile::copy(QStringLiteral(TOVIMAR_BUILD_DIR) + "/" + fileName, target);
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return target;
}

} // namespace tovimar::testing
