// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/postal_directory.h"

#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "support/sqlite_fixture.h"

namespace tovimar {
namespace {

using Outcome = PostalDirectory::Outcome;

// Each test works on its own copy of the shipped directory.
class PostalDirectoryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = testing::copyShippedDatabase("Codespost.mdb", dir.path());
        before = rows();
        ASSERT_EQ(before.size(), 35636);
    }
    QStringList rows() const {
        return testing::queryRows(path, "SELECT VILLE, CODE, CLE FROM LISTECOM ORDER BY rowid");
    }
    // The rows that differ from the file as shipped: those gone, then those new.
    QStringList changes() const {
        const QStringList now = rows();
        const QSet<QString> nowSet(now.begin(), now.end());
        const QSet<QString> beforeSet(before.begin(), before.end());
        QStringList result;
        for (const QString& row : before)
            if (!nowSet.contains(row)) result << "- " + row;
        for (const QString& row : now)
            if (!beforeSet.contains(row)) result << "+ " + row;
        return result;
    }

    QTemporaryDir dir;
    QString path;
    QStringList before;
};

TEST_F(PostalDirectoryTest, ATownSearchFindsTheFirstTownAtOrAfterTheTextInFrenchOrder) {
    struct Case {
        const char* typed;
        PostalEntry found;
    };
    const Case cases[] = {
        {"PAR", {"PARADOU (LE)", "13520"}},
        {"par", {"PARADOU (LE)", "13520"}},
        {"PARIS", {"PARIS", "75001"}},
        {"SAINT ETIENNE", {"SAINT-ETIENNE", "42000"}},
        {"saint-étienne", {"SAINT-ETIENNE", "42000"}},
        {"BERRE L'ETANG", {"BERRE L'ETANG", "13130"}},
        {"Berre l’Étang", {"BERRE L'ETANG", "13130"}},
        {"É", {"EANCE", "35640"}},
        {"A", {"AAST", "64460"}},
    };
    PostalDirectory directory(path);
    for (const Case& c : cases) {
        const auto result = directory.findTown(QString::fromUtf8(c.typed));
        EXPECT_EQ(result.outcome, Outcome::Done) << c.typed;
        EXPECT_EQ(result.entry, c.found) << c.typed << " found " << result.entry.town.toStdString();
        EXPECT_TRUE(directory.hasCurrentEntry());
    }
    for (const QString& beyond : {QString("ZZZ"), QString("東京"), QString(5000, 'Z')}) {
        EXPECT_EQ(directory.findTown(beyond).outcome, Outcome::NotFound);
        EXPECT_FALSE(directory.hasCurrentEntry());
    }
    EXPECT_TRUE(changes().isEmpty());
}

TEST_F(PostalDirectoryTest, ATownIsFoundHoweverSaintOrSurIsAbbreviated) {
    // The directory writes most towns "SAINT ...", some "ST ..." or "STE ...".
    struct Case {
        const char* typed;
        PostalEntry found;
    };
    const Case cases[] = {
        {"st etienne", {"SAINT-ETIENNE", "42000"}},
        {"ST-ÉTIENNE", {"SAINT-ETIENNE", "42000"}},
        {"saint etienne", {"SAINT-ETIENNE", "42000"}},
        {"saint agathon", {"ST AGATHON", "22200"}},
        {"Saint-Amand-les-Eaux", {"ST AMAND-LES-EAUX", "59230"}},
        {"sainte foy d aigrefeuille", {"STE FOY D AIGREFEUILLE", "31570"}},
        {"ste foy les lyon", {"SAINTE FOY LES LYON", "69110"}},
        {"st foy les lyon", {"SAINTE FOY LES LYON", "69110"}},
        {"abbeville saint lucien", {"ABBEVILLE ST LUCIEN", "60480"}},
        {"avillers sainte croix", {"AVILLERS STE CROIX", "55210"}},
        {"st amand s/ornain", {"ST AMAND SUR ORNAIN", "55500"}},
    };
    PostalDirectory directory(path);
    for (const Case& c : cases) {
        const auto result = directory.findTown(QString::fromUtf8(c.typed));
        EXPECT_EQ(result.outcome, Outcome::Done) << c.typed;
        EXPECT_EQ(result.entry, c.found) << c.typed << " found " << result.entry.town.toStdString();
    }
    EXPECT_TRUE(changes().isEmpty()) << "the shipped keys already read the abbreviations";
}

TEST_F(PostalDirectoryTest, AnOlderCopyWithTheTownsUnderTheirOldKeysIsFoundToo) {
    // A copy made before abbreviations were read keeps "ST AGATHON" as a key.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "older");
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(
            query.exec("UPDATE LISTECOM SET CLE = 'ST AGATHON' WHERE VILLE = 'ST AGATHON'"));
        ASSERT_TRUE(query.exec("UPDATE LISTECOM SET CLE = 'STE FOY DE LONGAS' "
                               "WHERE VILLE = 'STE FOY DE LONGAS'"));
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase("older");
    PostalDirectory directory(path);
    EXPECT_EQ(directory.findTown("st agathon").entry, (PostalEntry{"ST AGATHON", "22200"}));
    EXPECT_EQ(directory.findTown("STE FOY DE L").entry,
              (PostalEntry{"STE FOY DE LONGAS", "24510"}));
    EXPECT_TRUE(changes().isEmpty()) << "the keys are those of the shipped file again";
}

TEST_F(PostalDirectoryTest, ATownChosenInACodesListBecomesTheEntryACorrectionGoesTo) {
    PostalDirectory directory(path);
    ASSERT_TRUE(directory.townsWithCode("01640"));
    const auto chosen = directory.chooseTownWithCode("JUJURIEUX", "01640");
    ASSERT_EQ(chosen.outcome, Outcome::Done);
    EXPECT_EQ(chosen.entry, (PostalEntry{"JUJURIEUX", "01640"}));
    EXPECT_TRUE(directory.hasCurrentEntry());
    // The arrows then step through the code's towns.
    EXPECT_EQ(directory.next(), (PostalEntry{"SAINT-JEAN-LE-VIEUX", "01640"}));
    EXPECT_EQ(directory.previous(), (PostalEntry{"JUJURIEUX", "01640"}));
    ASSERT_EQ(directory.modifyCurrent({"JUJURIEUX", "01641"}).outcome, Outcome::Done);
    EXPECT_EQ(changes(),
              (QStringList{"- JUJURIEUX|01640|JUJURIEUX", "+ JUJURIEUX|01641|JUJURIEUX"}));
    // A town the code does not have (any more) is not chosen.
    EXPECT_EQ(directory.chooseTownWithCode("JUJURIEUX", "01640").outcome, Outcome::NotFound);
    EXPECT_FALSE(directory.hasCurrentEntry());
    EXPECT_EQ(directory.chooseTownWithCode("' OR '1'='1", "01640").outcome, Outcome::NotFound);
}

TEST_F(PostalDirectoryTest, TheArrowsStepThroughTownsAndStayAtBothEnds) {
    PostalDirectory directory(path);
    EXPECT_FALSE(directory.next().has_value()) << "nothing searched yet";
    ASSERT_EQ(directory.findTown("PARIS").outcome, Outcome::Done);
    EXPECT_EQ(directory.next(), (PostalEntry{"PARIS", "75002"}));
    EXPECT_EQ(directory.next(), (PostalEntry{"PARIS", "75003"}));
    EXPECT_EQ(directory.previous(), (PostalEntry{"PARIS", "75002"}));

    ASSERT_EQ(directory.findTown("AAST").outcome, Outcome::Done);
    EXPECT_EQ(directory.previous(), (PostalEntry{"AAST", "64460"}));
    EXPECT_EQ(directory.next(), (PostalEntry{"ABAINVILLE", "55130"}));

    ASSERT_EQ(directory.findTown("ZUYTPEENE").outcome, Outcome::Done);
    EXPECT_EQ(directory.next(), (PostalEntry{"ZUYTPEENE", "59670"}));
    EXPECT_EQ(directory.previous(), (PostalEntry{"ZUYDCOOTE", "59123"}));
}

TEST_F(PostalDirectoryTest, ACodeSearchListsEveryTownOfTheCode) {
    PostalDirectory directory(path);
    EXPECT_EQ(directory.townsWithCode("01640"),
              (QStringList{"ABERGEMENT-DE-VAREY (L )", "BOYEUX-SAINT-JEROME", "JUJURIEUX",
                           "SAINT-JEAN-LE-VIEUX"}));
    EXPECT_FALSE(directory.hasCurrentEntry()) << "the list does not choose an entry";
    EXPECT_EQ(directory.townsWithCode("1640"), QStringList{}) << "codes compare as text";
    EXPECT_EQ(directory.townsWithCode("99999"), QStringList{});
    EXPECT_EQ(directory.townsWithCode(""), QStringList{});
    EXPECT_EQ(directory.townsWithCode("' OR '1'='1"), QStringList{});
}

TEST_F(PostalDirectoryTest, AnAddedTownIsStoredAsTypedAndBecomesTheCurrentEntry) {
    PostalDirectory directory(path);
    const auto added = directory.add({"ÉPINAL D'EN-HAUT", "88000"});
    ASSERT_EQ(added.outcome, Outcome::Done);
    EXPECT_EQ(added.entry, (PostalEntry{"ÉPINAL D'EN-HAUT", "88000"}));
    EXPECT_EQ(changes(), QStringList{"+ ÉPINAL D'EN-HAUT|88000|EPINAL D EN HAUT"});
    // The current entry is the new town: a correction goes to it.
    ASSERT_EQ(directory.modifyCurrent({"EPINAL D'EN HAUT", "88001"}).outcome, Outcome::Done);
    EXPECT_EQ(changes(), QStringList{"+ EPINAL D'EN HAUT|88001|EPINAL D EN HAUT"});
    // And a search finds it in its place.
    EXPECT_EQ(directory.findTown("epinal d").entry, (PostalEntry{"EPINAL D'EN HAUT", "88001"}));

    EXPECT_EQ(directory.add({"  ", "12345"}).outcome, Outcome::EmptyTown);
    EXPECT_EQ(changes().size(), 1);
}

TEST_F(PostalDirectoryTest, ACorrectionChangesTheFoundTownOnly) {
    PostalDirectory directory(path);
    ASSERT_EQ(directory.findTown("BERRE L'").outcome, Outcome::Done);
    const auto modified = directory.modifyCurrent({"BERRE-L'ÉTANG", "13130"});
    ASSERT_EQ(modified.outcome, Outcome::Done);
    EXPECT_EQ(modified.entry, (PostalEntry{"BERRE-L'ÉTANG", "13130"}));
    EXPECT_EQ(changes(), (QStringList{"- BERRE L'ETANG|13130|BERRE L ETANG",
                                      "+ BERRE-L'ÉTANG|13130|BERRE L ETANG"}));
}

TEST_F(PostalDirectoryTest, WithoutAFoundTownACorrectionChangesNothing) {
    PostalDirectory directory(path);
    EXPECT_EQ(directory.modifyCurrent({"X", "1"}).outcome, Outcome::NoCurrentEntry);
    // A search that found nothing leaves no entry behind, not the previous one.
    ASSERT_EQ(directory.findTown("PARIS").outcome, Outcome::Done);
    ASSERT_EQ(directory.findTown("ZZZ").outcome, Outcome::NotFound);
    EXPECT_EQ(directory.modifyCurrent({"X", "1"}).outcome, Outcome::NoCurrentEntry);
    // Nor does a list of towns by code.
    ASSERT_EQ(directory.findTown("PARIS").outcome, Outcome::Done);
    ASSERT_TRUE(directory.townsWithCode("75001"));
    EXPECT_EQ(directory.modifyCurrent({"X", "1"}).outcome, Outcome::NoCurrentEntry);
    // An empty town name is refused.
    ASSERT_EQ(directory.findTown("PARIS").outcome, Outcome::Done);
    EXPECT_EQ(directory.modifyCurrent({"", "75001"}).outcome, Outcome::EmptyTown);
    EXPECT_TRUE(changes().isEmpty());
}

TEST_F(PostalDirectoryTest, ADeletionRemovesOneRowOfThatTownAndCode) {
    PostalDirectory directory(path);
    ASSERT_EQ(directory.add({"PARIS", "75001"}).outcome, Outcome::Done); // a duplicate
    const auto removed = directory.remove({"PARIS", "75001"});
    ASSERT_EQ(removed.outcome, Outcome::Done);
    EXPECT_EQ(removed.entry, (PostalEntry{"PARIS", "75001"}));
    EXPECT_EQ(rows().size(), before.size());
    EXPECT_EQ(rows().count("PARIS|75001|PARIS"), 1);

    ASSERT_EQ(directory.remove({"BERRE L'ETANG", "13130"}).outcome, Outcome::Done);
    EXPECT_EQ(changes(), QStringList{"- BERRE L'ETANG|13130|BERRE L ETANG"});
    EXPECT_FALSE(directory.hasCurrentEntry());

    for (const PostalEntry& absent :
         {PostalEntry{"BERRE L'ETANG", "13130"}, PostalEntry{"PARIS", "13130"},
          PostalEntry{"paris", "75002"}, PostalEntry{"%", "%"}, PostalEntry{"", ""}})
        EXPECT_EQ(directory.remove(absent).outcome, Outcome::NotFound) << absent.town.toStdString();
    EXPECT_EQ(changes().size(), 1);
}

TEST_F(PostalDirectoryTest, AMissingFileFailsEveryOperationAndIsNotCreated) {
    const QString missing = dir.filePath("absent/Codespost.mdb");
    PostalDirectory directory(missing);
    EXPECT_EQ(directory.findTown("PARIS").outcome, Outcome::Failed);
    EXPECT_FALSE(directory.townsWithCode("75001").has_value());
    EXPECT_FALSE(directory.next().has_value());
    EXPECT_EQ(directory.add({"PARIS", "75001"}).outcome, Outcome::Failed);
    EXPECT_EQ(directory.modifyCurrent({"PARIS", "75001"}).outcome, Outcome::NoCurrentEntry);
    EXPECT_EQ(directory.remove({"PARIS", "75001"}).outcome, Outcome::Failed);
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST_F(PostalDirectoryTest, WhileAnotherCopyHoldsTheFileEveryChangeFailsAndNothingIsLost) {
    PostalDirectory directory(path);
    ASSERT_EQ(directory.findTown("PARIS").outcome, Outcome::Done);
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other-copy");
        other.setDatabaseName(path);
        ASSERT_TRUE(other.open());
        QSqlQuery lock(other);
        ASSERT_TRUE(lock.exec("BEGIN EXCLUSIVE"));
        EXPECT_EQ(directory.modifyCurrent({"LUTECE", "75001"}).outcome, Outcome::Failed);
        EXPECT_EQ(directory.add({"LUTECE", "75001"}).outcome, Outcome::Failed);
        EXPECT_EQ(directory.remove({"PARIS", "75001"}).outcome, Outcome::Failed);
        EXPECT_FALSE(directory.next().has_value());
        ASSERT_TRUE(lock.exec("ROLLBACK"));
    }
    QSqlDatabase::removeDatabase("other-copy");
    EXPECT_TRUE(changes().isEmpty());
    // The failed addition did not take away the entry found before it.
    EXPECT_EQ(directory.next(), (PostalEntry{"PARIS", "75002"}));
}

} // namespace
} // namespace tovimar
