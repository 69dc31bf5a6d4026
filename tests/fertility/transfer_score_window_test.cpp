// SPDX-License-Identifier: GPL-3.0-or-later
// The embryo transfer window: criterion scores as they are entered, the
// transfer score on "Calcule", clearing, the scroll bars and the method window.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "fertility/transfer_score_window.h"
#include "support/controls.h"
#include "support/fake_platform.h"
#include "support/typing.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

void retype(QLineEdit* field, const QString& text) {
    field->clear();
    typeText(field, text);
}

int picturesShown(const TransferScoreWindow& w) {
    int n = 0;
    for (QLabel* image : {control<QLabel>(w, "Image1"), control<QLabel>(w, "Image2"),
                          control<QLabel>(w, "Image3"), control<QLabel>(w, "Image4")})
        n += image->isVisibleTo(&w) ? 1 : 0;
    return n;
}

TEST(TransferScoreWindow, OpensWithOnlyTheEmbryoScoreAndItsVerdict) {
    FakePlatform fake;
    TransferScoreWindow w(fake.windows());
    EXPECT_EQ(w.objectName(), "Form18");
    EXPECT_EQ(control<QLabel>(w, "LblScoreE")->text(), "1");
    EXPECT_TRUE(control<QRadioButton>(w, "Opt1")->isChecked());
    // The verdict of the option chosen, as a later choice of it shows it.
    EXPECT_EQ(control<QLabel>(w, "Label13")->text(), "Mauvais Score");
    for (QLabel* l : {control<QLabel>(w, "LblScoreAge"), control<QLabel>(w, "LblScoreRep"),
                      control<QLabel>(w, "LblScoreT"), control<QLabel>(w, "LblNbrE"),
                      control<QLabel>(w, "Label5"), control<QLabel>(w, "Label11"),
                      control<QLabel>(w, "Label12")})
        EXPECT_TRUE(l->text().isEmpty()) << l->objectName().toStdString();
    EXPECT_EQ(picturesShown(w), 0);
    EXPECT_EQ(control<QScrollBar>(w, "HScroll1")->value(), 30);
    EXPECT_EQ(control<QScrollBar>(w, "HScroll2")->value(), 1000);
    EXPECT_EQ(control<QScrollBar>(w, "HScroll3")->value(), 100);
}

TEST(TransferScoreWindow, CriteriaAreScoredAsTheyAreEntered) {
    FakePlatform fake;
    TransferScoreWindow w(fake.windows());
    const std::pair<const char*, const char*> ages[] = {
        {"30", "3"}, {"31", "2"}, {"36", "2"}, {"36,5", "1"}, {"37", "1"}};
    for (const auto& [age, score] : ages) {
        retype(control<QLineEdit>(w, "TxtAge"), age);
        EXPECT_EQ(control<QLabel>(w, "LblScoreAge")->text(), score) << age;
    }
    EXPECT_EQ(control<QLabel>(w, "Label5")->text(), "Mauvais score");
    retype(control<QLineEdit>(w, "TxtAge"), "37"); // back to a number
    EXPECT_EQ(control<QLabel>(w, "LblScoreAge")->text(), "1");

    retype(control<QLineEdit>(w, "TxtFSH"), "1000");
    const std::pair<const char*, const char*> e2s[] = {
        {"470", "2"}, {"464", "1"}, {"474", "2"}, {"1124", "2"}, {"1126", "3"}};
    for (const auto& [e2, score] : e2s) {
        retype(control<QLineEdit>(w, "TxtE2"), e2);
        EXPECT_EQ(control<QLabel>(w, "LblScoreRep")->text(), score) << e2;
    }
    EXPECT_EQ(control<QLabel>(w, "Label11")->text(), "Bon Score");
    retype(control<QLineEdit>(w, "TxtFSH"), "0"); // no units: no ratio, and no score beside it
    EXPECT_EQ(control<QLabel>(w, "LblScoreRep")->text(), "");
    EXPECT_EQ(control<QLabel>(w, "Label11")->text(), "");
    retype(control<QLineEdit>(w, "TxtAge"), "abc"); // not a number: no age score either
    EXPECT_EQ(control<QLabel>(w, "LblScoreAge")->text(), "");
    EXPECT_EQ(control<QLabel>(w, "Label5")->text(), "");

    control<QRadioButton>(w, "Opt4")->click();
    EXPECT_EQ(control<QLabel>(w, "LblScoreE")->text(), "3");
    EXPECT_EQ(control<QLabel>(w, "Label13")->text(), "Bon score");
    control<QRadioButton>(w, "Opt3")->click();
    EXPECT_EQ(control<QLabel>(w, "LblScoreE")->text(), "2");
    EXPECT_EQ(control<QLabel>(w, "Label13")->text(), "Score moyen");
}

TEST(TransferScoreWindow, CalculeGivesTheNumberOfEmbryosAndItsPictures) {
    struct Case {
        const char *age, *e2, *fsh;
        const char* option;
        const char *total, *embryos, *verdict;
        int pictures;
    } cases[] = {
        {"37", "470", "1000", "Opt3", "5", "4", " Mauvais score", 4},
        {"33", "470", "1000", "Opt3", "6", "3", "Score moyen", 3},
        {"25", "1126", "1000,5", "Opt4", "9", "2", "Bon score", 2},
    };
    for (const auto& c : cases) {
        FakePlatform fake;
        TransferScoreWindow w(fake.windows());
        retype(control<QLineEdit>(w, "TxtAge"), c.age);
        retype(control<QLineEdit>(w, "TxtE2"), c.e2);
        retype(control<QLineEdit>(w, "TxtFSH"), c.fsh);
        control<QRadioButton>(w, c.option)->click();
        QTest::mouseClick(control<QPushButton>(w, "BtnCalcule"), Qt::LeftButton);
        EXPECT_EQ(control<QLabel>(w, "LblScoreT")->text(), c.total);
        EXPECT_EQ(control<QLabel>(w, "LblNbrE")->text(), c.embryos);
        EXPECT_EQ(control<QLabel>(w, "Label12")->text(), c.verdict);
        EXPECT_EQ(picturesShown(w), c.pictures) << c.total;
        EXPECT_FALSE(control<QLabel>(w, "Image1")->pixmap().isNull());
    }
}

TEST(TransferScoreWindow, CalculeWaitsForAnAgeAndARatioAndSaysSo) {
    FakePlatform fake;
    TransferScoreWindow w(fake.windows());
    retype(control<QLineEdit>(w, "TxtAge"), "30");
    retype(control<QLineEdit>(w, "TxtE2"), "470"); // no FSH yet
    QTest::mouseClick(control<QPushButton>(w, "BtnCalcule"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(w, "LblScoreT")->text(), "");
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown[0].contains("FSH"));
    retype(control<QLineEdit>(w, "TxtFSH"), "1000");
    QTest::mouseClick(control<QPushButton>(w, "BtnCalcule"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(w, "LblScoreT")->text(), "6");
    // An emptied E2 gives no score: the transfer score goes with it.
    control<QLineEdit>(w, "TxtE2")->clear();
    EXPECT_EQ(control<QLabel>(w, "LblScoreT")->text(), "");
    control<QRadioButton>(w, "Opt4")->click();
    QTest::mouseClick(control<QPushButton>(w, "BtnCalcule"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(w, "LblScoreT")->text(), "");
    EXPECT_EQ(control<QLabel>(w, "LblNbrE")->text(), "");
    EXPECT_EQ(picturesShown(w), 0);
}

// A practitioner's sequence: the panel never keeps a score of earlier criteria.
TEST(TransferScoreWindow, ANewPatientsCriteriaNeverShowThePreviousScore) {
    FakePlatform fake;
    TransferScoreWindow w(fake.windows());
    retype(control<QLineEdit>(w, "TxtAge"), "29");
    retype(control<QLineEdit>(w, "TxtE2"), "1500");
    retype(control<QLineEdit>(w, "TxtFSH"), "1000");
    control<QRadioButton>(w, "Opt4")->click();
    QTest::mouseClick(control<QPushButton>(w, "BtnCalcule"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(w, "LblScoreT")->text(), "9");
    retype(control<QLineEdit>(w, "TxtAge"), "40");
    EXPECT_EQ(control<QLabel>(w, "LblScoreT")->text(), ""); // stale as soon as a criterion changes
    control<QLineEdit>(w, "TxtE2")->clear();
    control<QLineEdit>(w, "TxtE2")->insert("420.5"); // pasted with a full stop: read as 420,5
    control<QRadioButton>(w, "Opt1")->click();
    QTest::mouseClick(control<QPushButton>(w, "BtnCalcule"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(w, "LblScoreRep")->text(), "1");
    EXPECT_EQ(control<QLabel>(w, "LblScoreT")->text(), "3");
    EXPECT_EQ(control<QLabel>(w, "LblNbrE")->text(), "4");
    EXPECT_EQ(picturesShown(w), 4);
}

TEST(TransferScoreWindow, EffaceForgetsWhatWasEntered) {
    FakePlatform fake;
    TransferScoreWindow w(fake.windows());
    retype(control<QLineEdit>(w, "TxtDateNaiss"), "12/05/1980");
    retype(control<QLineEdit>(w, "TxtE2"), "1200");
    retype(control<QLineEdit>(w, "TxtFSH"), "1000");
    control<QRadioButton>(w, "Opt4")->click();
    QTest::mouseClick(control<QPushButton>(w, "BtnCalcule"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(w, "LblScoreT")->text(),
              "9"); // 30 years in 2010, a ratio of 1,2, a score-4 embryo
    QTest::mouseClick(control<QPushButton>(w, "BtnEfface"), Qt::LeftButton);
    for (QLineEdit* f : {control<QLineEdit>(w, "TxtDateNaiss"), control<QLineEdit>(w, "TxtAge"),
                         control<QLineEdit>(w, "TxtE2"), control<QLineEdit>(w, "TxtFSH")})
        EXPECT_TRUE(f->text().isEmpty());
    for (QLabel* l : {control<QLabel>(w, "LblScoreAge"), control<QLabel>(w, "LblScoreRep"),
                      control<QLabel>(w, "LblScoreT"), control<QLabel>(w, "LblNbrE"),
                      control<QLabel>(w, "Label5"), control<QLabel>(w, "Label11"),
                      control<QLabel>(w, "Label12")})
        EXPECT_TRUE(l->text().isEmpty()) << l->objectName().toStdString();
    EXPECT_TRUE(control<QRadioButton>(w, "Opt1")->isChecked());
    EXPECT_EQ(control<QLabel>(w, "LblScoreE")->text(), "1");
    EXPECT_EQ(control<QLabel>(w, "Label13")->text(), "Mauvais Score"); // as a window just opened
    EXPECT_EQ(picturesShown(w), 0);
    // A new age alone does not reuse the ratio typed before "Efface".
    retype(control<QLineEdit>(w, "TxtAge"), "32");
    QTest::mouseClick(control<QPushButton>(w, "BtnCalcule"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(w, "LblScoreT")->text(), "");
}

TEST(TransferScoreWindow, AgeFromTheDateOfBirthInCalendarYears) {
    FakePlatform fake;
    fake.setToday("01/01/2010");
    TransferScoreWindow w(fake.windows());
    typeText(control<QLineEdit>(w, "TxtDateNaiss"), "31/12/1975");
    EXPECT_EQ(control<QLineEdit>(w, "TxtAge")->text(), "35");
    EXPECT_EQ(control<QLabel>(w, "LblScoreAge")->text(), "2");
    retype(control<QLineEdit>(w, "TxtDateNaiss"), "31/02/1975"); // not a date: nothing changes
    EXPECT_EQ(control<QLineEdit>(w, "TxtAge")->text(), "35");
    retype(control<QLineEdit>(w, "TxtDateNaiss"),
           "05/06/2010"); // this year: 0, an age no woman treated has
    EXPECT_EQ(control<QLineEdit>(w, "TxtAge")->text(), "0");
    EXPECT_EQ(control<QLabel>(w, "LblScoreAge")->text(), "");
}

TEST(TransferScoreWindow, ScrollBarsWriteTheirValueButTypingDoesNotMoveThem) {
    FakePlatform fake;
    TransferScoreWindow w(fake.windows());
    QTest::keyClick(control<QScrollBar>(w, "HScroll1"), Qt::Key_Right);
    EXPECT_EQ(control<QLineEdit>(w, "TxtAge")->text(), "31");
    EXPECT_EQ(control<QLabel>(w, "LblScoreAge")->text(), "2");
    QTest::keyClick(control<QScrollBar>(w, "HScroll2"), Qt::Key_PageUp);
    EXPECT_EQ(control<QLineEdit>(w, "TxtE2")->text(), "1100");
    QTest::keyClick(control<QScrollBar>(w, "HScroll3"), Qt::Key_Right);
    EXPECT_EQ(control<QLineEdit>(w, "TxtFSH")->text(), "110");
    EXPECT_EQ(control<QLabel>(w, "LblScoreRep")->text(), "3");
    retype(control<QLineEdit>(w, "TxtAge"), "95"); // beyond the bar: the field keeps it
    EXPECT_EQ(control<QScrollBar>(w, "HScroll1")->value(), 31);
    EXPECT_EQ(control<QLineEdit>(w, "TxtAge")->text(), "95");
    QTest::keyClick(control<QScrollBar>(w, "HScroll1"), Qt::Key_End);
    EXPECT_EQ(control<QLineEdit>(w, "TxtAge")->text(), "50");
}

TEST(TransferScoreWindow, MethodWindowShowsTheTextAndClosesWithTheScore) {
    FakePlatform fake;
    auto& w = fake.windows().open<TransferScoreWindow>();
    QAction* about = control<QAction>(w, "APropos");
    ASSERT_TRUE(about);
    about->trigger();
    auto* method = fake.windows().existing<TransferMethodWindow>();
    ASSERT_TRUE(method);
    EXPECT_EQ(method->objectName(), "Form19");
    EXPECT_TRUE(method->isVisible());
    const QString text = control<QPlainTextEdit>(*method, "Text1")->toPlainText();
    EXPECT_TRUE(text.startsWith("              METHODE DE CALCUL DU SCORE DE TRANSFERT\n\n"));
    EXPECT_TRUE(text.endsWith("Score de Transfert > 6 : Transfert de 2 Embryons."));
    EXPECT_EQ(text.count('\n'), 24);
    EXPECT_TRUE(control<QPlainTextEdit>(*method, "Text1")->isReadOnly());
    w.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(fake.windows().existing<TransferMethodWindow>(), nullptr);
    EXPECT_EQ(fake.windows().existing<TransferScoreWindow>(), nullptr);
}

TEST(TransferScoreWindow, SaysTheScoreIsHistoricalAndSingleEmbryoTransferTheRule) {
    FakePlatform fake;
    TransferScoreWindow w(fake.windows());
    const auto* line = control<QLabel>(w, "LblHistorique");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(),
              "Score historique : le transfert d'un seul embryon est aujourd'hui la règle");
    EXPECT_TRUE(line->isVisibleTo(&w));
}

} // namespace

TEST(TransferScoreWindow, AnAgeNoWomanTreatedCanHaveGivesNoScoreButItsRange) {
    FakePlatform fake;
    TransferScoreWindow w(fake.windows());
    retype(control<QLineEdit>(w, "TxtAge"), "1975"); // a year typed for an age
    EXPECT_EQ(control<QLabel>(w, "LblScoreAge")->text(), "");
    EXPECT_EQ(control<QLabel>(w, "Label5")->text(), "");
    retype(control<QLineEdit>(w, "TxtE2"), "1500");
    retype(control<QLineEdit>(w, "TxtFSH"), "1000");
    QTest::mouseClick(control<QPushButton>(w, "BtnCalcule"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(w, "LblScoreT")->text(), "");
    EXPECT_EQ(fake.messages.shown, QStringList{"L'âge doit être compris entre 15 et 80 ans."});
}
