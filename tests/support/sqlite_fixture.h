// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small SQLite files for the database tests, written and read behind the
// program's back with plain Qt SQL, and the shipped databases of the build.

#include <QString>
#include <QStringList>

namespace tovimar::testing {

// Runs the statements on the file (created when missing); false on any error.
bool runSql(const QString& path, const QStringList& statements);
// Every row of a query, each as its values joined by '|' (a null as "<null>").
QStringList queryRows(const QString& path, const QString& sql);

// The shipped databases built next to the executables, copied into `folder`
// (a temporary copy each test may change). Returns the copy's path.
QString copyShippedDatabase(const QString& fileName, const QString& folder);

} // namespace tovimar::testing
