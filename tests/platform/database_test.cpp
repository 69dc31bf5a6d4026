// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/settings_folder.h"
#include "support/sqlite_fixture.h"

namespace tovimar {
namespace {

using testing::queryRows;
using testing::runSql;

// A small directory of towns with their folded keys, out of order on purpose.
class DatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath("towns.db");
        ASSERT_TRUE(runSql(
            path,
            {
                "CREATE TABLE TOWNS (VILLE TEXT NOT NULL, CODE TEXT NOT NULL, CLE TEXT NOT NULL)",
                "INSERT INTO TOWNS VALUES ('PARIS', '75001', 'PARIS')",
                "INSERT INTO TOWNS VALUES ('ÉPINAL', '88000', 'EPINAL')",
                "INSERT INTO TOWNS VALUES ('BERRE L''ETANG', '13130', 'BERRE L ETANG')",
                "INSERT INTO TOWNS VALUES ('AAST', '64460', 'AAST')",
                "INSERT INTO TOWNS VALUES ('PARIS', '75002', 'PARIS')",
            }));
    }
    RecordSet allTowns(DatabaseFile::Access access = DatabaseFile::Access::ReadWrite) const {
        return RecordSet({path, access}, "TOWNS", {}, {"CLE", "VILLE", "CODE"});
    }
    QStringList table() const {
        return queryRows(path, "SELECT VILLE, CODE FROM TOWNS ORDER BY rowid");
    }
    static QString shown(const RecordSet& set) {
        if (!set.hasCurrentRow()) return set.isEof() ? "<end>" : set.isBof() ? "<start>" : "<none>";
        return set.value("Ville").toString() + " " + set.value("code").toString();
    }

    QTemporaryDir dir;
    QString path;
};

TEST_F(DatabaseTest, StepsThroughTheSetInItsOrderAndStopsAtBothEnds) {
    RecordSet set = allTowns();
    ASSERT_TRUE(set.open());
    QStringList forward{shown(set)};
    while (set.moveNext()) {
        forward << shown(set);
        if (set.isEof()) break;
    }
    EXPECT_EQ(forward, (QStringList{"AAST 64460", "BERRE L'ETANG 13130", "ÉPINAL 88000",
                                    "PARIS 75001", "PARIS 75002", "<end>"}));
    EXPECT_FALSE(set.moveNext()) << "no step beyond the end";
    ASSERT_TRUE(set.movePrevious());
    EXPECT_EQ(shown(set), "PARIS 75002");
    ASSERT_TRUE(set.moveFirst());
    ASSERT_TRUE(set.movePrevious());
    EXPECT_TRUE(set.isBof());
    EXPECT_FALSE(set.hasCurrentRow());
    ASSERT_TRUE(set.moveNext());
    EXPECT_EQ(shown(set), "AAST 64460");
    ASSERT_TRUE(set.moveLast());
    EXPECT_EQ(shown(set), "PARIS 75002");
}

TEST_F(DatabaseTest, ConditionsSelectRowsAndAnEmptySetIsAtBothEnds) {
    RecordSet paris({path, DatabaseFile::Access::ReadOnly}, "TOWNS",
                    {{"VILLE", Criterion::Op::Equal, "PARIS"}}, {"CODE"});
    const auto rows = paris.readAll();
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), 2u);
    EXPECT_EQ((*rows)[0].value("code").toString(), "75001");
    EXPECT_EQ((*rows)[1].value("CODE").toString(), "75002");
    EXPECT_TRUE(paris.isEof());

    RecordSet none({path, DatabaseFile::Access::ReadOnly}, "TOWNS",
                   {{"CODE", Criterion::Op::Equal, "99999"}}, {"CLE"});
    ASSERT_TRUE(none.open());
    EXPECT_TRUE(none.isBof());
    EXPECT_TRUE(none.isEof());
    EXPECT_FALSE(none.moveNext());
    EXPECT_FALSE(none.movePrevious());
}

TEST_F(DatabaseTest, FindFirstLandsAtOrAfterTheValueOrLeavesNoCurrentRow) {
    RecordSet set = allTowns();
    ASSERT_TRUE(set.open());
    ASSERT_TRUE(set.findFirst({"CLE", Criterion::Op::GreaterOrEqual, "E"}));
    EXPECT_FALSE(set.noMatch());
    EXPECT_EQ(shown(set), "ÉPINAL 88000");
    ASSERT_TRUE(set.moveNext());
    EXPECT_EQ(shown(set), "PARIS 75001");

    // Opening at a row is the same search in one visit to the file.
    RecordSet opened = allTowns();
    ASSERT_TRUE(opened.openAt({"CLE", Criterion::Op::GreaterOrEqual, "E"}));
    EXPECT_EQ(shown(opened), "ÉPINAL 88000");
    ASSERT_TRUE(opened.movePrevious());
    EXPECT_EQ(shown(opened), "BERRE L'ETANG 13130");
    ASSERT_TRUE(opened.openAt({"CLE", Criterion::Op::GreaterOrEqual, "ZZZ"}));
    EXPECT_TRUE(opened.noMatch());
    EXPECT_FALSE(opened.hasCurrentRow());

    ASSERT_TRUE(set.findFirst({"CLE", Criterion::Op::GreaterOrEqual, "ZZZ"}));
    EXPECT_TRUE(set.noMatch());
    EXPECT_FALSE(set.hasCurrentRow());
    EXPECT_TRUE(set.value("VILLE").isNull());
    // Nothing to change, nothing to step from: the old row is left alone.
    EXPECT_FALSE(set.edit([] {
        Row r;
        r.set("VILLE", "X");
        return r;
    }()));
    EXPECT_FALSE(set.deleteCurrent());
    EXPECT_FALSE(set.moveNext());
    EXPECT_EQ(table().size(), 5);
    EXPECT_FALSE(table().contains("X|75002"));
}

TEST_F(DatabaseTest, ColumnsAreMatchedWithoutRegardToCaseAndEmptyValuesReadAsNull) {
    ASSERT_TRUE(runSql(
        path, {"CREATE TABLE T (NOM TEXT, DOSAGE TEXT)", "INSERT INTO T VALUES ('A', NULL)"}));
    RecordSet set({path, DatabaseFile::Access::ReadOnly}, "T", {}, {"NOM"});
    ASSERT_TRUE(set.open());
    EXPECT_EQ(set.value("nom").toString(), "A");
    EXPECT_EQ(set.value("Nom").toString(), "A");
    EXPECT_TRUE(set.value("DOSAGE").isNull());
    EXPECT_TRUE(set.value("ABSENT").isNull());
    // A condition or an order on a column the table lacks is an error, not an
    // empty set.
    RecordSet misspelt({path, DatabaseFile::Access::ReadOnly}, "T",
                       {{"NUMERO", Criterion::Op::Equal, "A"}}, {"NOM"});
    EXPECT_FALSE(misspelt.open());
    EXPECT_FALSE(misspelt.readAll().has_value());
    RecordSet misordered({path, DatabaseFile::Access::ReadOnly}, "T", {}, {"NUMERO"});
    EXPECT_FALSE(misordered.open());
}

// Every kind of text a user may type or paste is stored and found as typed.
TEST_F(DatabaseTest, TextsAreValuesNeverSql) {
    const QStringList texts = {"BERRE L'ETANG", "'; DROP TABLE TOWNS; --", "A\"B", "100% PARIS_",
                               "Αθήνα 東京",    QString(5000, 'X'),        "'"};
    for (const QString& text : texts) {
        RecordSet set = allTowns();
        ASSERT_TRUE(set.open());
        Row added;
        added.set("VILLE", text);
        added.set("CODE", text);
        added.set("CLE", text);
        ASSERT_TRUE(set.addNew(added)) << set.lastError().toStdString();
        RecordSet lookup({path, DatabaseFile::Access::ReadOnly}, "TOWNS",
                         {{"CODE", Criterion::Op::Equal, text}}, {"CLE"});
        ASSERT_TRUE(lookup.open());
        ASSERT_TRUE(lookup.hasCurrentRow()) << text.left(40).toStdString();
        EXPECT_EQ(lookup.value("VILLE").toString(), text);
        ASSERT_TRUE(lookup.moveNext());
        EXPECT_TRUE(lookup.isEof()) << "the text matched itself only";
    }
    EXPECT_EQ(table().size(), 5 + texts.size());
    // LIKE wildcards are plain characters in an equality.
    RecordSet like({path, DatabaseFile::Access::ReadOnly}, "TOWNS",
                   {{"VILLE", Criterion::Op::Equal, "%"}}, {"CLE"});
    ASSERT_TRUE(like.open());
    EXPECT_TRUE(like.isEof());
}

TEST_F(DatabaseTest, AnAddedRowFollowsTheLastRowUntilTheSetIsOpenedAgain) {
    RecordSet set = allTowns();
    ASSERT_TRUE(set.open());
    Row added;
    added.set("Ville", "ABBEVILLE");
    added.set("Code", "80100");
    added.set("CLE", "ABBEVILLE");
    ASSERT_TRUE(set.addNew(added));
    EXPECT_EQ(shown(set), "AAST 64460") << "adding does not move";
    ASSERT_TRUE(set.moveLast());
    EXPECT_EQ(shown(set), "ABBEVILLE 80100");
    ASSERT_TRUE(set.movePrevious());
    EXPECT_EQ(shown(set), "PARIS 75002");
    ASSERT_TRUE(set.moveNext());
    ASSERT_TRUE(set.moveNext());
    EXPECT_TRUE(set.isEof());
    // Opened again, the set sorts it in its place.
    ASSERT_TRUE(set.open());
    ASSERT_TRUE(set.moveNext());
    EXPECT_EQ(shown(set), "ABBEVILLE 80100");
}

TEST_F(DatabaseTest, EditAndDeleteTouchTheCurrentRowOnly) {
    RecordSet set = allTowns();
    ASSERT_TRUE(set.open());
    ASSERT_TRUE(set.findFirst({"CODE", Criterion::Op::Equal, "75001"}));
    Row change;
    change.set("ville", "PARIS 1ER");
    ASSERT_TRUE(set.edit(change));
    EXPECT_EQ(shown(set), "PARIS 1ER 75001");
    EXPECT_EQ(table(), (QStringList{"PARIS 1ER|75001", "ÉPINAL|88000", "BERRE L'ETANG|13130",
                                    "AAST|64460", "PARIS|75002"}));

    ASSERT_TRUE(set.findFirst({"CLE", Criterion::Op::GreaterOrEqual, "B"}));
    ASSERT_TRUE(set.deleteCurrent());
    EXPECT_FALSE(set.hasCurrentRow());
    EXPECT_FALSE(set.deleteCurrent()) << "a deleted row is deleted once";
    ASSERT_TRUE(set.moveNext());
    EXPECT_EQ(shown(set), "ÉPINAL 88000") << "a move goes on from where the row was";
    EXPECT_EQ(table(),
              (QStringList{"PARIS 1ER|75001", "ÉPINAL|88000", "AAST|64460", "PARIS|75002"}));

    // A column that does not exist is refused and changes nothing.
    Row wrong;
    wrong.set("NOPE", "1");
    EXPECT_FALSE(set.edit(wrong));
    EXPECT_FALSE(set.addNew(wrong));
    EXPECT_EQ(table().size(), 4);
}

TEST_F(DatabaseTest, AReadOnlyDatabaseRefusesChanges) {
    RecordSet set = allTowns(DatabaseFile::Access::ReadOnly);
    ASSERT_TRUE(set.open());
    Row change;
    change.set("VILLE", "X");
    EXPECT_FALSE(set.edit(change));
    EXPECT_FALSE(set.addNew(change));
    EXPECT_FALSE(set.deleteCurrent());
    EXPECT_EQ(table().size(), 5);
}

TEST_F(DatabaseTest, AMissingFileIsReportedAndNeverCreated) {
    for (const auto access : {DatabaseFile::Access::ReadOnly, DatabaseFile::Access::ReadWrite}) {
        const QString missing = dir.filePath("absent.db");
        RecordSet set({missing, access}, "TOWNS", {}, {"CLE"});
        EXPECT_FALSE(set.open());
        EXPECT_FALSE(set.readAll().has_value());
        EXPECT_FALSE(set.hasCurrentRow());
        EXPECT_FALSE(QFileInfo::exists(missing));
    }
    RecordSet folder({dir.path(), DatabaseFile::Access::ReadWrite}, "TOWNS", {}, {"CLE"});
    EXPECT_FALSE(folder.open());
}

TEST_F(DatabaseTest, EmptyCorruptOrForeignFilesFailWithoutChange) {
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"empty", ""}, {"text", "VILLE;CODE\nPARIS;75001\n"}, {"binary", QByteArray(4096, '\x5a')}};
    for (const Case& c : cases) {
        const QString file = dir.filePath(c.name);
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(c.bytes);
        out.close();
        RecordSet set({file, DatabaseFile::Access::ReadWrite}, "TOWNS", {}, {"CLE"});
        EXPECT_FALSE(set.open()) << c.name;
        Row added;
        added.set("VILLE", "X");
        EXPECT_FALSE(set.addNew(added)) << c.name;
        QFile in(file);
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        EXPECT_EQ(in.readAll(), c.bytes) << c.name;
    }
    // A damaged page inside a real database.
    QFile real(path);
    ASSERT_TRUE(real.open(QIODevice::ReadWrite));
    real.seek(100);
    real.write(QByteArray(200, '\xff'));
    real.close();
    RecordSet set = allTowns();
    EXPECT_FALSE(set.open());
}

TEST_F(DatabaseTest, ADatabaseLockedByAnotherCopyFailsAndLosesNothing) {
    RecordSet set = allTowns();
    ASSERT_TRUE(set.open());
    const QString name = "other-copy";
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", name);
        other.setDatabaseName(path);
        ASSERT_TRUE(other.open());
        QSqlQuery lock(other);
        ASSERT_TRUE(lock.exec("BEGIN EXCLUSIVE"));
        Row change;
        change.set("VILLE", "CHANGED");
        EXPECT_FALSE(set.edit(change));
        EXPECT_FALSE(set.moveNext());
        EXPECT_EQ(shown(set), "AAST 64460") << "a failed step changes nothing";
        ASSERT_TRUE(lock.exec("ROLLBACK"));
        lock.finish();
        other.close();
    }
    QSqlDatabase::removeDatabase(name);
    ASSERT_TRUE(set.moveNext());
    EXPECT_EQ(shown(set), "BERRE L'ETANG 13130");
    EXPECT_FALSE(table().contains("CHANGED|64460"));
}

TEST_F(DatabaseTest, APathWithUnusualCharactersIsJustAPath) {
    const QString folder = dir.filePath("L'été 100% #1 ?");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString odd = folder + "/towns.db";
    ASSERT_TRUE(QFile::copy(path, odd));
    RecordSet set({odd, DatabaseFile::Access::ReadWrite}, "TOWNS", {}, {"CLE"});
    ASSERT_TRUE(set.open());
    EXPECT_EQ(set.value("VILLE").toString(), "AAST");
    RecordSet missing({folder + "/none.db", DatabaseFile::Access::ReadWrite}, "TOWNS", {}, {});
    EXPECT_FALSE(missing.open());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"towns.db"});
}

TEST(WritableDatabasePath, AProgramFolderThatCannotBeWrittenGetsACopyInTheUserFolder) {
    QTemporaryDir program;
    QTemporaryDir user;
    QFile shipped(program.filePath("Codespost.mdb"));
    ASSERT_TRUE(shipped.open(QIODevice::WriteOnly));
    shipped.write("shipped");
    shipped.close();

    const SettingsFolder writable(program.path(), user.path(), [](const QString&) { return true; });
    EXPECT_EQ(writableDatabasePath(writable, "Codespost.mdb"), program.filePath("Codespost.mdb"));

    const SettingsFolder installed(program.path(), user.path(),
                                   [](const QString&) { return false; });
    const QString own = writableDatabasePath(installed, "Codespost.mdb");
    EXPECT_EQ(QFileInfo(own).absolutePath(), QFileInfo(user.path()).absoluteFilePath());
    QFile copy(own);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), "shipped");
    copy.close();
    // The user's copy, once changed, is kept: the shipped file never overwrites it.
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write("changed");
    copy.close();
    EXPECT_EQ(writableDatabasePath(installed, "Codespost.mdb"), own);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), "changed");
}

} // namespace
} // namespace tovimar
