// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the program's two SQLite databases from the text data kept in the
// repository, so that their content is reviewable line by line:
//   VESTRA.mdb     table SPECIALITES, from data/specialites-ths.csv
//   Codespost.mdb  table LISTECOM, from data/codes-postaux.csv
// Usage: build_databases <data folder> <output folder>
// Each file is written under a temporary name and moved into place once
// complete; any fault in the data stops the build with a message.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTextStream>

#include <set>
#include <stdexcept>
#include <utility>

#include "core/french_folding.h"

namespace {

using Rows = QList<QStringList>;

// A ';'-separated UTF-8 file with a header line; no field holds ';' or '"'.
Rows readTable(const QString& path, const QStringList& expectedHeader) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error("cannot read " + path.toStdString());
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    const QString header = in.readLine();
    if (header.split(';') != expectedHeader)
        throw std::runtime_error(path.toStdString() + ": unexpected header " +
                                 header.toStdString());
    Rows rows;
    int lineNumber = 1;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNumber;
        if (line.isEmpty()) continue;
        QStringList fields = line.split(';');
        if (fields.size() != expectedHeader.size())
            throw std::runtime_error(path.toStdString() + ":" + std::to_string(lineNumber) +
                                     ": expected " + std::to_string(expectedHeader.size()) +
                                     " fields");
        rows.append(std::move(fields));
    }
    return rows;
}

class NewDatabase {
  public:
    explicit NewDatabase(const QString& path) : path_(path), temporary_(path + ".part") {
        QFile::remove(temporary_);
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "build");
        db.setDatabaseName(temporary_);
        if (!db.open()) fail("cannot create " + temporary_, db.lastError());
    }
    ~NewDatabase() {
        QSqlDatabase::database("build", false).close();
        QSqlDatabase::removeDatabase("build");
        QFile::remove(temporary_);
    }
    QSqlDatabase db() const { return QSqlDatabase::database("build", false); }

    void exec(const QString& sql) {
        QSqlQuery query(db());
        if (!query.exec(sql)) fail(sql, query.lastError());
    }
    // Closes the file and moves it over the previous one.
    void commit() {
        db().close();
        QFile::remove(path_);
        if (!QFile::rename(temporary_, path_))
            throw std::runtime_error("cannot move " + temporary_.toStdString() + " to " +
                                     path_.toStdString());
    }

    [[noreturn]] static void fail(const QString& what, const QSqlError& error) {
        throw std::runtime_error(what.toStdString() + ": " + error.text().toStdString());
    }

  private:
    QString path_;
    QString temporary_;
};

QVariant textOrNull(const QString& field) {
    return field.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(field);
}

void buildSpecialities(const QString& dataDir, const QString& outputDir) {
    const QStringList columns = {"NUMSPE",  "NOMSPE", "ESTRO",    "DOSAGE", "VOIE",
                                 "LABO",    "PROGES", "DOSAGE_P", "POSO",   "POSO_E",
                                 "POSO_PG", "AUTRES", "SOURCE"};
    const Rows rows = readTable(dataDir + "/specialites-ths.csv", columns);
    {
        NewDatabase out(outputDir + "/VESTRA.mdb");
        out.exec("CREATE TABLE SPECIALITES (NUMSPE INTEGER NOT NULL, NOMSPE TEXT NOT NULL, "
                 "ESTRO TEXT, DOSAGE TEXT, VOIE TEXT, LABO TEXT, PROGES TEXT, DOSAGE_P TEXT, "
                 "POSO TEXT, POSO_E TEXT, POSO_PG TEXT, AUTRES TEXT, SOURCE TEXT, "
                 "UNIQUE (NUMSPE, NOMSPE))");
        out.exec("BEGIN");
        QSqlQuery insert(out.db());
        insert.prepare("INSERT INTO SPECIALITES VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)");
        for (const QStringList& row : rows) {
            bool isNumber = false;
            const int kind = row[0].toInt(&isNumber);
            if (!isNumber || kind < 1 || kind > 5 || row[1].isEmpty())
                throw std::runtime_error("specialites-ths.csv: bad kind or name: " +
                                         row.join(';').toStdString());
            insert.addBindValue(kind);
            for (int i = 1; i < row.size(); ++i)
                insert.addBindValue(textOrNull(row[i]));
            if (!insert.exec()) NewDatabase::fail(row[1], insert.lastError());
        }
        out.exec("COMMIT");
        insert.finish();
        insert = QSqlQuery();
        out.commit();
    }
}

void buildPostalCodes(const QString& dataDir, const QString& outputDir) {
    const Rows rows = readTable(dataDir + "/codes-postaux.csv",
                                {"ville", "code_postal", "nom_commune", "code_insee"});
    {
        NewDatabase out(outputDir + "/Codespost.mdb");
        // CLE is the town's folded key (accents and case ignored, hyphens and
        // apostrophes as blanks, ST/STE/SAINTE read SAINT, S/ read SUR): the program sorts and
        // searches by it, so that the file itself stays plain for any SQLite tool.
        out.exec("CREATE TABLE LISTECOM (VILLE TEXT NOT NULL, CODE TEXT NOT NULL, "
                 "CLE TEXT NOT NULL)");
        out.exec("CREATE INDEX LISTECOM_CLE ON LISTECOM (CLE, VILLE, CODE)");
        out.exec("CREATE INDEX LISTECOM_CODE ON LISTECOM (CODE, CLE, VILLE)");
        out.exec("BEGIN");
        QSqlQuery insert(out.db());
        insert.prepare("INSERT INTO LISTECOM (VILLE, CODE, CLE) VALUES (?,?,?)");
        std::set<std::pair<QString, QString>> seen;
        for (const QStringList& row : rows) {
            const QString& town = row[0];
            const QString& code = row[1];
            if (town.isEmpty() || code.isEmpty())
                throw std::runtime_error("codes-postaux.csv: empty town or code: " +
                                         row.join(';').toStdString());
            // Several communes share one routing label and code: one row each pair.
            if (!seen.emplace(town, code).second) continue;
            insert.addBindValue(town);
            insert.addBindValue(code);
            insert.addBindValue(QString::fromStdString(tovimar::foldTownName(town.toStdString())));
            if (!insert.exec()) NewDatabase::fail(town, insert.lastError());
        }
        out.exec("COMMIT");
        insert.finish();
        insert = QSqlQuery();
        out.commit();
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        QTextStream(stderr) << "usage: build_databases <data folder> <output folder>\n";
        return 2;
    }
    try {
        QDir().mkpath(arguments[2]);
        buildSpecialities(arguments[1], arguments[2]);
        buildPostalCodes(arguments[1], arguments[2]);
    } catch (const std::exception& e) {
        QTextStream(stderr) << "build_databases: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
