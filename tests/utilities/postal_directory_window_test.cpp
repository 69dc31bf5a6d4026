// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/postal_directory_window.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <gtest/gtest.h>

#include "support/controls.h"
#include "support/fake_platform.h"
#include "support/sqlite_fixture.h"
#include "support/typing.h"

namespace tovimar {
namespace {

using Answer = Messages::Answer;
using testing::control;
using testing::FakePlatform;
using testing::typeText;

const QString kConnectionFault = "La base de données CODESPOST n'est pas correctement connectée.";

// The window over a copy of the shipped directory in the fake program folder.
class PostalWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        path = testing::copyShippedDatabase("Codespost.mdb", fake.folder());
        before = rows();
        w = new PostalDirectoryWindow(fake.windows());
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->show();
    }
    void TearDown() override { delete w; }
    QStringList rows() const {
        return testing::queryRows(path, "SELECT VILLE, CODE FROM LISTECOM ORDER BY rowid");
    }
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
    void retype(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        typeText(field, text);
    }

    FakePlatform fake;
    QString path;
    QStringList before;
    PostalDirectoryWindow* w = nullptr;
};

TEST_F(PostalWindowTest, OpensEmptyWithBothPanelsHidden) {
    EXPECT_EQ(w->objectName(), "Form40");
    EXPECT_EQ(w->windowTitle(), "Codes Postaux");
    EXPECT_TRUE(control<QLineEdit>(*w, "TxtVilles")->text().isEmpty());
    EXPECT_TRUE(control<QLabel>(*w, "Label1")->text().isEmpty());
    EXPECT_EQ(control<QListWidget>(*w, "List1")->count(), 0);
    EXPECT_FALSE(control<QGroupBox>(*w, "Frame1")->isVisible());
    EXPECT_FALSE(control<QGroupBox>(*w, "Frame2")->isVisible());
    EXPECT_TRUE(control<QPushButton>(*w, "Command1")->isVisible());
    EXPECT_TRUE(control<QPushButton>(*w, "Command2")->isVisible());
    // The title's two pictures are drawn.
    for (QLabel* picture : {control<QLabel>(*w, "Image1"), control<QLabel>(*w, "Image2")}) {
        EXPECT_TRUE(picture->isVisible());
        EXPECT_FALSE(picture->pixmap().isNull());
    }
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    control<QAction>(*w, "Aide")->trigger();
    EXPECT_EQ(fake.help.topics, std::vector<int>{142});
}

TEST_F(PostalWindowTest, TypingATownShowsItInCapitalsAndEachKeystrokeSearches) {
    control<QLineEdit>(*w, "TxtVilles")->setFocus();
    QTest::keyClicks(control<QLineEdit>(*w, "TxtVilles"), "par");
    EXPECT_EQ(control<QLineEdit>(*w, "TxtVilles")->text(), "PAR");
    EXPECT_EQ(control<QLabel>(*w, "Label1")->text(), "PARADOU (LE)   13520");
    EXPECT_EQ(control<QLineEdit>(*w, "TxtVilModif")->text(), "PARADOU (LE)");
    EXPECT_EQ(control<QLineEdit>(*w, "TxtCodeModif")->text(), "13520");
    QTest::keyClicks(control<QLineEdit>(*w, "TxtVilles"), "is");
    EXPECT_EQ(control<QLabel>(*w, "Label1")->text(), "PARIS   75001");

    retype(control<QLineEdit>(*w, "TxtVilles"), "saint étienne");
    EXPECT_EQ(control<QLineEdit>(*w, "TxtVilles")->text(), "SAINT ÉTIENNE");
    EXPECT_EQ(control<QLabel>(*w, "Label1")->text(), "SAINT-ETIENNE   42000");
    retype(control<QLineEdit>(*w, "TxtVilles"), "BERRE L'");
    EXPECT_EQ(control<QLabel>(*w, "Label1")->text(), "BERRE L'ETANG   13130");
    EXPECT_TRUE(fake.messages.shown.isEmpty());

    retype(control<QLineEdit>(*w, "TxtVilles"), "ZZ");
    EXPECT_EQ(fake.messages.shown.last(), "Ce Nom n'existe pas");
    EXPECT_TRUE(control<QLabel>(*w, "Label1")->text().isEmpty());
}

TEST_F(PostalWindowTest, TheArrowsStepThroughTheTownsAndStopAtTheEnds) {
    control<QLineEdit>(*w, "TxtVilles")->setFocus();
    QTest::keyClicks(control<QLineEdit>(*w, "TxtVilles"), "PARIS");
    QTest::mouseClick(control<QPushButton>(*w, "Command2"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(*w, "Label1")->text(), "PARIS   75002");
    EXPECT_EQ(control<QLineEdit>(*w, "TxtCodeModif")->text(), "75002");
    QTest::mouseClick(control<QPushButton>(*w, "Command1"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(*w, "Command1"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(*w, "Label1")->text(), "PARIGNY LES VAUX   58320");

    retype(control<QLineEdit>(*w, "TxtVilles"), "ZUYT");
    QTest::mouseClick(control<QPushButton>(*w, "Command2"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(*w, "Label1")->text(), "ZUYTPEENE   59670");
    retype(control<QLineEdit>(*w, "TxtVilles"), "A");
    QTest::mouseClick(control<QPushButton>(*w, "Command1"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(*w, "Label1")->text(), "AAST   64460");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(PostalWindowTest, TypingInOneSearchFieldEmptiesTheOtherWithoutErasingWhatIsTyped) {
    control<QLineEdit>(*w, "TxtVilles")->setFocus();
    QTest::keyClicks(control<QLineEdit>(*w, "TxtVilles"), "PARIS");
    control<QLineEdit>(*w, "TxtCodes")->setFocus();
    QTest::keyClicks(control<QLineEdit>(*w, "TxtCodes"), "01640");
    EXPECT_EQ(control<QLineEdit>(*w, "TxtCodes")->text(), "01640");
    EXPECT_TRUE(control<QLineEdit>(*w, "TxtVilles")->text().isEmpty());
    EXPECT_TRUE(control<QLabel>(*w, "Label1")->text().isEmpty());
    ASSERT_EQ(control<QListWidget>(*w, "List1")->count(), 4);
    EXPECT_EQ(control<QListWidget>(*w, "List1")->item(0)->text(), "ABERGEMENT-DE-VAREY (L )");
    EXPECT_EQ(control<QListWidget>(*w, "List1")->item(3)->text(), "SAINT-JEAN-LE-VIEUX");

    control<QLineEdit>(*w, "TxtVilles")->setFocus();
    QTest::keyClicks(control<QLineEdit>(*w, "TxtVilles"), "LYON");
    EXPECT_EQ(control<QLineEdit>(*w, "TxtVilles")->text(), "LYON");
    EXPECT_TRUE(control<QLineEdit>(*w, "TxtCodes")->text().isEmpty());
    EXPECT_EQ(control<QListWidget>(*w, "List1")->count(), 0);
    EXPECT_EQ(control<QLabel>(*w, "Label1")->text(), "LYON   69001");

    retype(control<QLineEdit>(*w, "TxtCodes"), "99999");
    EXPECT_EQ(control<QListWidget>(*w, "List1")->count(), 0)
        << "a code without a town empties the list";
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(PostalWindowTest, AddingATownStoresItAsTypedAndTellsSoOnlyOnceStored) {
    QTest::mouseClick(control<QPushButton>(*w, "CmdNouv"), Qt::LeftButton);
    EXPECT_TRUE(control<QGroupBox>(*w, "Frame1")->isVisible());
    EXPECT_FALSE(control<QGroupBox>(*w, "Frame2")->isVisible());
    EXPECT_EQ(w->focusWidget(), control<QLineEdit>(*w, "TxtVilNew"));
    QTest::keyClicks(control<QLineEdit>(*w, "TxtVilNew"), "l'abbaye-sur-mer");
    typeText(control<QLineEdit>(*w, "TxtCodeNew"), "01999");
    QTest::mouseClick(control<QPushButton>(*w, "CmdEnregNew"), Qt::LeftButton);
    EXPECT_EQ(fake.messages.shown, QStringList{"L'ABBAYE-SUR-MER rajouté"});
    EXPECT_EQ(control<QLabel>(*w, "Label1")->text(), "L'ABBAYE-SUR-MER   01999");
    EXPECT_FALSE(control<QGroupBox>(*w, "Frame1")->isVisible());
    EXPECT_FALSE(control<QPushButton>(*w, "Command1")->isVisible());
    EXPECT_FALSE(control<QPushButton>(*w, "Command2")->isVisible());
    EXPECT_EQ(changes(), QStringList{"+ L'ABBAYE-SUR-MER|01999"});

    // A correction now goes to the town just added.
    QTest::mouseClick(control<QPushButton>(*w, "CmdModif"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>(*w, "TxtVilModif")->text(), "L'ABBAYE-SUR-MER");
    retype(control<QLineEdit>(*w, "TxtCodeModif"), "01998");
    QTest::mouseClick(control<QPushButton>(*w, "CmdEnregMod"), Qt::LeftButton);
    EXPECT_EQ(fake.messages.shown.last(), "L'ABBAYE-SUR-MER modifié");
    EXPECT_EQ(changes(), QStringList{"+ L'ABBAYE-SUR-MER|01998"});

    // The next town search finds it in its place and brings the arrows back.
    retype(control<QLineEdit>(*w, "TxtVilles"), "L ABBAYE SUR");
    EXPECT_EQ(control<QLabel>(*w, "Label1")->text(), "L'ABBAYE-SUR-MER   01998");
    EXPECT_TRUE(control<QPushButton>(*w, "Command2")->isVisible());
}

TEST_F(PostalWindowTest, ACorrectionChangesTheTownFoundAndNothingElse) {
    control<QLineEdit>(*w, "TxtVilles")->setFocus();
    QTest::keyClicks(control<QLineEdit>(*w, "TxtVilles"), "BERRE L");
    QTest::mouseClick(control<QPushButton>(*w, "CmdModif"), Qt::LeftButton);
    EXPECT_TRUE(control<QGroupBox>(*w, "Frame2")->isVisible());
    EXPECT_EQ(w->focusWidget(), control<QLineEdit>(*w, "TxtVilModif"));
    retype(control<QLineEdit>(*w, "TxtVilModif"), "BERRE-L'ÉTANG");
    QTest::keyClick(control<QLineEdit>(*w, "TxtVilModif"), Qt::Key_Return);
    EXPECT_EQ(fake.messages.shown, QStringList{"BERRE-L'ÉTANG modifié"});
    EXPECT_EQ(control<QLabel>(*w, "Label1")->text(), "BERRE-L'ÉTANG   13130");
    EXPECT_FALSE(control<QGroupBox>(*w, "Frame2")->isVisible());
    EXPECT_EQ(changes(), (QStringList{"- BERRE L'ETANG|13130", "+ BERRE-L'ÉTANG|13130"}));
}

TEST_F(PostalWindowTest, WithoutATownFoundACorrectionIsRefusedAndNothingChanges) {
    // After a town search that found nothing.
    control<QLineEdit>(*w, "TxtVilles")->setFocus();
    QTest::keyClicks(control<QLineEdit>(*w, "TxtVilles"), "PARIS");
    retype(control<QLineEdit>(*w, "TxtVilles"), "ZZZ");
    QTest::mouseClick(control<QPushButton>(*w, "CmdModif"), Qt::LeftButton);
    retype(control<QLineEdit>(*w, "TxtVilModif"), "LUTECE");
    QTest::mouseClick(control<QPushButton>(*w, "CmdEnregMod"), Qt::LeftButton);
    EXPECT_EQ(fake.messages.shown.last(), "Pas de ville selectionnée");

    EXPECT_TRUE(changes().isEmpty());
}

TEST_F(PostalWindowTest, ATownChosenInACodesListIsCorrectedThroughModifier) {
    // A code search, a double-click on a town, "Modifier", "Enregistrer".
    retype(control<QLineEdit>(*w, "TxtCodes"), "01640");
    QApplication::processEvents();
    QListWidgetItem* item = control<QListWidget>(*w, "List1")->item(2);
    const QRect place = control<QListWidget>(*w, "List1")->visualItemRect(item);
    QTest::mouseClick(control<QListWidget>(*w, "List1")->viewport(), Qt::LeftButton, {},
                      place.center());
    QTest::mouseDClick(control<QListWidget>(*w, "List1")->viewport(), Qt::LeftButton, {},
                       place.center());
    EXPECT_EQ(control<QLabel>(*w, "Label1")->text(), "JUJURIEUX   01640");
    // The keyboard chooses the same way.
    control<QListWidget>(*w, "List1")->setFocus();
    control<QListWidget>(*w, "List1")->setCurrentRow(1);
    QTest::keyClick(control<QListWidget>(*w, "List1"), Qt::Key_Return);
    EXPECT_EQ(control<QLabel>(*w, "Label1")->text(), "BOYEUX-SAINT-JEROME   01640");
    control<QListWidget>(*w, "List1")->setCurrentRow(2);
    QTest::keyClick(control<QListWidget>(*w, "List1"), Qt::Key_Return);
    QTest::mouseClick(control<QPushButton>(*w, "CmdModif"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>(*w, "TxtVilModif")->text(), "JUJURIEUX");
    EXPECT_EQ(control<QLineEdit>(*w, "TxtCodeModif")->text(), "01640");
    retype(control<QLineEdit>(*w, "TxtCodeModif"), "01641");
    QTest::mouseClick(control<QPushButton>(*w, "CmdEnregMod"), Qt::LeftButton);
    EXPECT_EQ(fake.messages.shown, QStringList{"JUJURIEUX modifié"});
    EXPECT_EQ(control<QLabel>(*w, "Label1")->text(), "JUJURIEUX   01641");
    EXPECT_EQ(changes(), (QStringList{"- JUJURIEUX|01640", "+ JUJURIEUX|01641"}));
}

TEST_F(PostalWindowTest, TypingAnAbbreviatedSaintFindsTheTown) {
    control<QLineEdit>(*w, "TxtVilles")->setFocus();
    typeText(control<QLineEdit>(*w, "TxtVilles"), "st etienne");
    EXPECT_EQ(control<QLabel>(*w, "Label1")->text(), "SAINT-ETIENNE   42000");
    retype(control<QLineEdit>(*w, "TxtVilles"), "sainte foy d");
    EXPECT_EQ(control<QLabel>(*w, "Label1")->text(), "STE FOY D AIGREFEUILLE   31570");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(PostalWindowTest, DeletingAsksTwiceAndDeletesOnlyOnTwoYeses) {
    struct Case {
        std::deque<Answer> answers;
        int questions;
    };
    const Case refusals[] = {{{Answer::No}, 1},
                             {{Answer::Cancel}, 1},
                             {{Answer::Yes, Answer::No}, 2},
                             {{Answer::Yes, Answer::Cancel}, 2}};
    control<QLineEdit>(*w, "TxtVilles")->setFocus();
    QTest::keyClicks(control<QLineEdit>(*w, "TxtVilles"), "BERRE L'");
    QTest::mouseClick(control<QPushButton>(*w, "CmdModif"), Qt::LeftButton);
    for (const Case& c : refusals) {
        fake.messages.shown.clear();
        fake.messages.warnings.clear();
        fake.messages.answers = c.answers;
        QTest::mouseClick(control<QPushButton>(*w, "Command5"), Qt::LeftButton);
        EXPECT_EQ(fake.messages.shown.size(), c.questions);
        EXPECT_TRUE(changes().isEmpty());
    }
    fake.messages.shown.clear();
    fake.messages.warnings.clear();
    fake.messages.answers = {Answer::Yes, Answer::Yes};
    QTest::mouseClick(control<QPushButton>(*w, "Command5"), Qt::LeftButton);
    EXPECT_EQ(fake.messages.shown,
              (QStringList{"Voulez vous vraiment supprimer BERRE L'ETANG ?",
                           "Attention BERRE L'ETANG va être supprimé. CONTINUER ?",
                           "BERRE L'ETANG Supprimé"}));
    EXPECT_EQ(fake.messages.warnings,
              (QStringList{"Attention [question, annuler]", "Attention [stop]"}));
    EXPECT_EQ(changes(), QStringList{"- BERRE L'ETANG|13130"});
    EXPECT_TRUE(control<QLabel>(*w, "Label1")->text().isEmpty());
    EXPECT_FALSE(control<QPushButton>(*w, "Command1")->isVisible());

    // Once more: the town is not there any more.
    fake.messages.shown.clear();
    fake.messages.answers = {Answer::Yes, Answer::Yes};
    QTest::mouseClick(control<QPushButton>(*w, "Command5"), Qt::LeftButton);
    EXPECT_EQ(fake.messages.shown.last(), "Ville non trouvée");
    EXPECT_EQ(changes().size(), 1);
}

TEST_F(PostalWindowTest, AFileThatCannotBeReadIsToldAndNothingIsCreated) {
    delete w;
    w = nullptr;
    QFile::remove(path);
    w = new PostalDirectoryWindow(fake.windows());
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->show();
    control<QLineEdit>(*w, "TxtVilles")->setFocus();
    QTest::keyClicks(control<QLineEdit>(*w, "TxtVilles"), "P");
    EXPECT_EQ(fake.messages.shown, QStringList{kConnectionFault});
    QTest::mouseClick(control<QPushButton>(*w, "CmdNouv"), Qt::LeftButton);
    typeText(control<QLineEdit>(*w, "TxtVilNew"), "PARIS");
    QTest::mouseClick(control<QPushButton>(*w, "CmdEnregNew"), Qt::LeftButton);
    EXPECT_EQ(fake.messages.shown.last(), kConnectionFault) << "never \"rajouté\"";
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(PostalWindowTest, WhileAnotherCopyHoldsTheFileTheLockIsToldAndNoSuccessIsClaimed) {
    control<QLineEdit>(*w, "TxtVilles")->setFocus();
    QTest::keyClicks(control<QLineEdit>(*w, "TxtVilles"), "PARIS");
    QTest::mouseClick(control<QPushButton>(*w, "CmdModif"), Qt::LeftButton);
    retype(control<QLineEdit>(*w, "TxtVilModif"), "LUTECE");
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other-copy");
        other.setDatabaseName(path);
        ASSERT_TRUE(other.open());
        QSqlQuery lock(other);
        ASSERT_TRUE(lock.exec("BEGIN EXCLUSIVE"));
        QTest::mouseClick(control<QPushButton>(*w, "CmdEnregMod"), Qt::LeftButton);
        EXPECT_EQ(fake.messages.shown.last(),
                  "La modification n'a pas été enregistrée dans la base de données CODESPOST (le "
                  "fichier est verrouillé par un autre programme ; réessayez dans un instant). La "
                  "base est restée telle qu'elle était.");
        EXPECT_TRUE(control<QGroupBox>(*w, "Frame2")->isVisible()) << "what was typed stays";
        EXPECT_EQ(control<QLineEdit>(*w, "TxtVilModif")->text(), "LUTECE");
        ASSERT_TRUE(lock.exec("ROLLBACK"));
    }
    QSqlDatabase::removeDatabase("other-copy");
    EXPECT_TRUE(changes().isEmpty());
    // Once free, the same correction goes through.
    QTest::mouseClick(control<QPushButton>(*w, "CmdEnregMod"), Qt::LeftButton);
    EXPECT_EQ(fake.messages.shown.last(), "LUTECE modifié");
    EXPECT_EQ(changes(), (QStringList{"- PARIS|75001", "+ LUTECE|75001"}));
}

} // namespace
} // namespace tovimar
