// SPDX-License-Identifier: GPL-3.0-or-later
// The ovarian response window: live BMI and ratio, the score and its verdict, clearing.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "fertility/ovarian_response_window.h"
#include "support/controls.h"
#include "support/fake_platform.h"
#include "support/typing.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

void fill(OvarianResponseWindow& w, const QString& age, const QString& weight,
          const QString& height, const QString& fsh, const QString& lh) {
    const std::pair<QLineEdit*, QString> fields[] = {{control<QLineEdit>(w, "TxtAge"), age},
                                                     {control<QLineEdit>(w, "TxtPds"), weight},
                                                     {control<QLineEdit>(w, "TxtTaille"), height},
                                                     {control<QLineEdit>(w, "TxtFSH"), fsh},
                                                     {control<QLineEdit>(w, "TxtLh"), lh}};
    for (const auto& [field, text] : fields) {
        field->clear();
        typeText(field, text);
    }
}

TEST(OvarianResponseWindow, OpensEmptyWithBothPanelsHidden) {
    FakePlatform fake;
    OvarianResponseWindow w(fake.windows());
    EXPECT_EQ(w.objectName(), "Form11");
    EXPECT_EQ(w.windowTitle(), "Score Réponse Ovarienne (Pr Parinaud)");
    for (QLineEdit* f : {control<QLineEdit>(w, "TxtAge"), control<QLineEdit>(w, "TxtPds"),
                         control<QLineEdit>(w, "TxtTaille"), control<QLineEdit>(w, "TxtFSH"),
                         control<QLineEdit>(w, "TxtLh")})
        EXPECT_TRUE(f->text().isEmpty());
    EXPECT_FALSE(control<QGroupBox>(w, "Frame4")->isVisibleTo(&w));
    EXPECT_FALSE(control<QGroupBox>(w, "Frame3")->isVisibleTo(&w));
    EXPECT_EQ(control<QGroupBox>(w, "Frame4")->title(), "Protocole AGONISTE Long");
    EXPECT_EQ(control<QGroupBox>(w, "Frame3")->title(), "Protocole ANTAGONISTE");
    EXPECT_EQ(control<QLabel>(w, "LblStimAgo")->text(), "Démarrer à 150 UI de FSRr");
    EXPECT_EQ(control<QLabel>(w, "LblStimAnta")->text(), "Démarrer à J2 avec 150 UI de FSHr");
    EXPECT_FALSE(control<QLineEdit>(w, "AgeVals")->isVisibleTo(&w));
}

TEST(OvarianResponseWindow, KeyFiltersAndTheDecimalComma) {
    FakePlatform fake;
    OvarianResponseWindow w(fake.windows());
    for (QLineEdit* f : {control<QLineEdit>(w, "TxtAge"), control<QLineEdit>(w, "TxtPds"),
                         control<QLineEdit>(w, "TxtTaille")}) {
        typeText(f, "3a,.é5");
        EXPECT_EQ(f->text(), "35") << f->objectName().toStdString();
    }
    typeText(control<QLineEdit>(w, "TxtFSH"), "7.6x");
    EXPECT_EQ(control<QLineEdit>(w, "TxtFSH")->text(), "7,6");
    typeText(control<QLineEdit>(w, "TxtLh"), "3,2é");
    EXPECT_EQ(control<QLineEdit>(w, "TxtLh")->text(), "3,2");
}

TEST(OvarianResponseWindow, BmiAndRatioFollowTheTyping) {
    FakePlatform fake;
    OvarianResponseWindow w(fake.windows());
    typeText(control<QLineEdit>(w, "TxtPds"), "70");
    EXPECT_EQ(control<QLabel>(w, "LblBmi")->text(), "");
    typeText(control<QLineEdit>(w, "TxtTaille"), "164");
    EXPECT_EQ(control<QLabel>(w, "LblBmi")->text(), "26");
    typeText(control<QLineEdit>(w, "TxtFSH"), "8");
    typeText(control<QLineEdit>(w, "TxtLh"), "3");
    EXPECT_EQ(control<QLabel>(w, "LblLhFsh")->text(), "0,38");
    control<QLineEdit>(w, "TxtTaille")->setText("0"); // a pasted zero: no division
    EXPECT_EQ(control<QLabel>(w, "LblBmi")->text(), "");
    control<QLineEdit>(w, "TxtFSH")->setText("0");
    EXPECT_EQ(control<QLabel>(w, "LblLhFsh")->text(), "");
    control<QLineEdit>(w, "TxtFSH")->setText("huit");
    EXPECT_EQ(control<QLabel>(w, "LblLhFsh")->text(), "");
}

TEST(OvarianResponseWindow, CalculeShowsPointsVerdictAndPanels) {
    struct Case {
        const char *age, *weight, *height, *fsh, *lh;
        const char* points; // age bmi fsh lh/fsh
        const char *total, *repond, *demar, *stimAgo, *stimAnta;
        bool ago, anta;
    } cases[] = {
        {"25", "52", "161", "5", "10", "-1 0 0 -1", "-2", "Hyper répondeuse",
         " Aucune experience des Antagonistes, Plutôt Agonistes si LH élevée",
         "Démarrer avec 100 UI de FSHr", "Démarrer à J2 avec 150 UI de FSHr", true, false},
        {"39", "60", "165", "5", "3", "2 0 0 0", "2", "Normo répondeuse limite mauvaise répondeuse",
         " Agonistes ou Antagonistes au choix", "Démarrer avec 300 UI de FSHr",
         "Démarrer à J2 avec 250 UI de FSHr", true, true},
        {"40", "81", "164", "12", "2,4", "2 1 2 1", "6", "Hypo répondeuse",
         " Préfèrer Antagonistes, oestrogénothérapie préalable", "Démarrer avec 450 UI de FSHr",
         "Démarrer à J2 avec 300 UI de FSHr", false, true},
    };
    for (const auto& c : cases) {
        FakePlatform fake;
        OvarianResponseWindow w(fake.windows());
        fill(w, c.age, c.weight, c.height, c.fsh, c.lh);
        QTest::mouseClick(control<QPushButton>(w, "BtnCalcule"), Qt::LeftButton);
        const QString points = control<QLineEdit>(w, "AgeVals")->text() + " " +
                               control<QLineEdit>(w, "BmiVals")->text() + " " +
                               control<QLineEdit>(w, "FshVals")->text() + " " +
                               control<QLineEdit>(w, "LhFshVals")->text();
        EXPECT_EQ(points, c.points) << c.age;
        EXPECT_EQ(control<QLabel>(w, "LblRo")->text(), c.total);
        EXPECT_EQ(control<QLabel>(w, "LblRepond")->text(), c.repond);
        EXPECT_EQ(control<QLabel>(w, "LblDemar")->text(), c.demar);
        EXPECT_EQ(control<QLabel>(w, "LblStimAgo")->text(), c.stimAgo);
        EXPECT_EQ(control<QLabel>(w, "LblStimAnta")->text(), c.stimAnta);
        EXPECT_EQ(control<QGroupBox>(w, "Frame4")->isVisibleTo(&w), c.ago) << c.total;
        EXPECT_EQ(control<QGroupBox>(w, "Frame3")->isVisibleTo(&w), c.anta) << c.total;
    }
}

TEST(OvarianResponseWindow, AVerdictGoesWithAChangedInputAndEffaceEmptiesTheWindow) {
    FakePlatform fake;
    OvarianResponseWindow w(fake.windows());
    fill(w, "39", "60", "165", "5", "3");
    QTest::mouseClick(control<QPushButton>(w, "BtnCalcule"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(w, "LblRo")->text(), "2");
    // A change of an input updates the BMI, and the verdict of the earlier inputs goes.
    control<QLineEdit>(w, "TxtPds")->clear();
    typeText(control<QLineEdit>(w, "TxtPds"), "90");
    EXPECT_EQ(control<QLabel>(w, "LblBmi")->text(), "33,1");
    EXPECT_EQ(control<QLabel>(w, "LblRo")->text(), "");
    EXPECT_EQ(control<QLabel>(w, "LblRepond")->text(), "");
    EXPECT_FALSE(control<QGroupBox>(w, "Frame4")->isVisibleTo(&w));
    QTest::mouseClick(control<QPushButton>(w, "BtnCalcule"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(w, "LblRo")->text(), "3");
    // Emptying the weight empties the BMI; "&Calcule" then says what it needs.
    control<QLineEdit>(w, "TxtPds")->clear();
    EXPECT_EQ(control<QLabel>(w, "LblBmi")->text(), "");
    QTest::mouseClick(control<QPushButton>(w, "BtnCalcule"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(w, "LblRo")->text(), "");
    EXPECT_EQ(control<QLabel>(w, "LblRepond")->text(), "");
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown[0].startsWith("Le score demande l'âge"));

    QTest::mouseClick(control<QPushButton>(w, "BtnEfface"), Qt::LeftButton);
    for (QLineEdit* f : {control<QLineEdit>(w, "TxtAge"), control<QLineEdit>(w, "TxtPds"),
                         control<QLineEdit>(w, "TxtTaille"), control<QLineEdit>(w, "TxtFSH"),
                         control<QLineEdit>(w, "TxtLh")})
        EXPECT_TRUE(f->text().isEmpty());
    for (QLabel* l :
         {control<QLabel>(w, "LblBmi"), control<QLabel>(w, "LblLhFsh"), control<QLabel>(w, "LblRo"),
          control<QLabel>(w, "LblDemar"), control<QLabel>(w, "LblRepond")})
        EXPECT_TRUE(l->text().isEmpty()) << l->objectName().toStdString();
    EXPECT_FALSE(control<QGroupBox>(w, "Frame4")->isVisibleTo(&w));
    EXPECT_FALSE(control<QGroupBox>(w, "Frame3")->isVisibleTo(&w));
    // As a window just opened.
    OvarianResponseWindow fresh(fake.windows());
    EXPECT_EQ(control<QLabel>(w, "LblStimAgo")->text(),
              control<QLabel>(fresh, "LblStimAgo")->text());
    EXPECT_EQ(control<QLabel>(w, "LblStimAnta")->text(),
              control<QLabel>(fresh, "LblStimAnta")->text());
    EXPECT_EQ(control<QLineEdit>(w, "AgeVals")->text(), "");
}

TEST(OvarianResponseWindow, PastedTextIsNeverScored) {
    FakePlatform fake;
    OvarianResponseWindow w(fake.windows());
    fill(w, "30", "60", "165", "5", "3");
    control<QLineEdit>(w, "TxtAge")->setText("trente"); // a paste passes the key filter
    QTest::mouseClick(control<QPushButton>(w, "BtnCalcule"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(w, "LblRo")->text(), "");
    EXPECT_FALSE(control<QGroupBox>(w, "Frame4")->isVisibleTo(&w));
}

TEST(OvarianResponseWindow, HelpOpensAtTopic130AndFermerCloses) {
    FakePlatform fake;
    auto& w = fake.windows().open<OvarianResponseWindow>();
    QAction* help = control<QAction>(w, "Aide");
    ASSERT_TRUE(help);
    help->trigger();
    EXPECT_EQ(fake.help.topics, std::vector<int>{130});
    QTest::mouseClick(control<QPushButton>(w, "BtnFermer"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(fake.windows().existing<OvarianResponseWindow>(), nullptr);
}

TEST(OvarianResponseWindow, SaysTheScoreIsHistorical) {
    FakePlatform fake;
    OvarianResponseWindow w(fake.windows());
    const auto* line = control<QLabel>(w, "LblHistorique");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(),
              "Score historique : il n'utilise ni l'AMH ni le compte des follicules antraux");
    EXPECT_TRUE(line->isVisibleTo(&w));
}

} // namespace
