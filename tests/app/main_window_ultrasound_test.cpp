// SPDX-License-Identifier: GPL-3.0-or-later
// The ultrasound dating frame of the main window.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "support/controls.h"
#include "support/fake_platform.h"
#include "support/typing.h"
#include "ui/window_registry.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

class UltrasoundFrame : public ::testing::Test {
  protected:
    UltrasoundFrame() {
        fake.setToday("15/06/2010");
        window = std::make_unique<MainWindow>(windows);
        fake.messages.shown.clear();
    }
    void compute() { QTest::mouseClick(control<QToolButton>(*window, "Command1"), Qt::LeftButton); }
    FakePlatform fake;
    WindowRegistry windows{*fake.platform};
    std::unique_ptr<MainWindow> window;
};

TEST_F(UltrasoundFrame, CrownRumpLengthDatesThePregnancyAndRecomputesTheWindow) {
    typeText(control<QLineEdit>(*window, "CRL"), "45");
    compute();
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_EQ(control<QLineEdit>(*window, "SemA")->text(), "11,2");
    // 15/06/2010 - 79 days + 14 days.
    EXPECT_EQ(control<QLineEdit>(*window, "DateDG")->text(), "11/04/2010");
    EXPECT_EQ(control<QLineEdit>(*window, "DateAP")->text(), "11/01/2011");
    EXPECT_EQ(control<QListWidget>(*window, "ListePN")->count(), 6);
}

TEST_F(UltrasoundFrame, AnUltrasoundDateFirstAsksIfItIsNotToday) {
    control<QLineEdit>(*window, "Sac")->setText("10");
    control<QLineEdit>(*window, "DateX")->setText("01/03/2010");
    compute();
    EXPECT_EQ(
        fake.messages.shown,
        QStringList({"La date de l'échographie n'est pas la date d'aujourd'hui, n'est ce pas ?"}));
    EXPECT_EQ(control<QLineEdit>(*window, "SemA")->text(), "5,2");
    EXPECT_EQ(control<QLineEdit>(*window, "DateDG")->text(), "06/02/2010");
}

TEST_F(UltrasoundFrame, MessagesChangeNothing) {
    struct Case {
        const char *sac, *crl, *bip, *fem, *semA, *dateX, *message;
    } cases[] = {
        {"2", "", "", "", "", "", "Valeur du Sac trop petite"},
        {"41", "", "", "", "", "",
         "Valeur du Sac trop élevée, Calculez l 'âge gestationnel à l'aide du LCC ou du Fémur et "
         "du Bip"},
        {"", "", "", "", "", "", "Veuillez entrer une valeur pour calculer le début de grossesse."},
        {"", "", "", "", "", "01/03/2010",
         "Veuillez entrer une valeur pour calculer le début de grossesse."},
        {"", "0", "", "", "", "",
         "Veuillez entrer une valeur pour calculer le début de grossesse."},
        {"", "45", "50", "", "", "",
         "Choisissez le calcul, soit par le Sac, soit par le LCC, soit par le Bip et Fémur."},
        {"", "45", "", "40", "", "",
         "Choisissez le calcul, soit par leSac, soit par le LCC, soit par le Bip et Fémur."},
        {"", "", "25", "", "", "", "Veuillez calculer le début de grossesse à partir du CRL."},
        {"", "", "94", "", "", "", "Valeur de Bip d'un enfant à terme voire plus."},
        {"", "", "96", "60", "", "", "Valeur de Bip d'un enfant à terme, voire plus."},
        {"", "", "", "81", "", "", "Valeur de Fémur d'un enfant à terme, voire plus."},
        {"", "", "", "12", "", "", "Veuillez calculer le début de grossesse à partir du CRL."},
        {"", "", "", "", "12", "1er mars",
         "Veuillez saisir la date de l'échographie selon le format JJ/MM/AAAA."},
    };
    for (const auto& c : cases) {
        control<QLineEdit>(*window, "DateDG")->setText("01/01/2010");
        control<QLineEdit>(*window, "Sac")->setText(c.sac);
        control<QLineEdit>(*window, "CRL")->setText(c.crl);
        control<QLineEdit>(*window, "Bip")->setText(c.bip);
        control<QLineEdit>(*window, "Fem")->setText(c.fem);
        control<QLineEdit>(*window, "SemA")->setText(c.semA);
        control<QLineEdit>(*window, "DateX")->setText(c.dateX);
        fake.messages.shown.clear();
        compute();
        EXPECT_EQ(fake.messages.shown, QStringList({QString::fromUtf8(c.message)})) << c.message;
        EXPECT_EQ(control<QLineEdit>(*window, "DateDG")->text(), "01/01/2010") << c.message;
        EXPECT_EQ(control<QLineEdit>(*window, "SemA")->text(), QString::fromUtf8(c.semA))
            << c.message;
    }
}

TEST_F(UltrasoundFrame, DiameterAndFemurGiveWholeWeeks) {
    struct Case {
        const char *bip, *fem, *dateX, *semA, *start;
    } cases[] = {
        {"93", "", "", "40", "22/09/2009"},   // 15/06/2010 - 38 weeks
        {"93", "60", "", "36", "20/10/2009"}, // (41 + 31) / 2
        {"50", "43", "", "22", "26/01/2010"}, // (21 + 24) / 2 truncated
        {"", "60", "01/03/2010", "31", "10/08/2009"},
    };
    for (const auto& c : cases) {
        control<QLineEdit>(*window, "SemA")->clear();
        control<QLineEdit>(*window, "Bip")->setText(c.bip);
        control<QLineEdit>(*window, "Fem")->setText(c.fem);
        control<QLineEdit>(*window, "DateX")->setText(c.dateX);
        fake.messages.shown.clear();
        compute();
        EXPECT_EQ(control<QLineEdit>(*window, "SemA")->text(), c.semA) << c.bip << "/" << c.fem;
        EXPECT_EQ(control<QLineEdit>(*window, "DateDG")->text(), c.start) << c.bip << "/" << c.fem;
        EXPECT_TRUE(fake.messages.shown.isEmpty());
    }
}

TEST_F(UltrasoundFrame, KnownWeeksWithOrWithoutADate) {
    control<QLineEdit>(*window, "SemA")->setText("12");
    control<QLineEdit>(*window, "DateX")->setText("01/03/2010");
    compute();
    EXPECT_EQ(control<QLineEdit>(*window, "DateDG")->text(), "21/12/2009");
    EXPECT_EQ(control<QLineEdit>(*window, "SemA")->text(), "12");
    control<QLineEdit>(*window, "DateX")->clear();
    compute();
    EXPECT_EQ(control<QLineEdit>(*window, "DateDG")->text(), "06/04/2010"); // 15/06/2010 - 10 weeks
}

TEST_F(UltrasoundFrame, ASecondPressAfterASacDatingClearsTheDating) {
    control<QLineEdit>(*window, "NbrEnf")->setText("2");
    control<QLineEdit>(*window, "Sac")->setText("10");
    compute();
    ASSERT_EQ(control<QLineEdit>(*window, "SemA")->text(), "5,2");
    control<QPushButton>(*window, "Command2")->click();
    ASSERT_EQ(control<QListWidget>(*window, "ListeCONGE")->count(), 2);
    control<QLineEdit>(*window, "DateDR")->setText("01/01/2010");
    compute();
    for (QLineEdit* e :
         {control<QLineEdit>(*window, "Sac"), control<QLineEdit>(*window, "Bip"),
          control<QLineEdit>(*window, "CRL"), control<QLineEdit>(*window, "Fem"),
          control<QLineEdit>(*window, "DateX"), control<QLineEdit>(*window, "SemA"),
          control<QLineEdit>(*window, "DateDR"), control<QLineEdit>(*window, "DateDG"),
          control<QLineEdit>(*window, "DateAP"), control<QLineEdit>(*window, "NbreSA"),
          control<QLineEdit>(*window, "NbreMois"), control<QLineEdit>(*window, "NbreJours"),
          control<QLineEdit>(*window, "DatesHT21_1T")})
        EXPECT_TRUE(e->text().isEmpty()) << e->objectName().toStdString();
    EXPECT_EQ(control<QListWidget>(*window, "ListeUS")->count(), 0);
    EXPECT_EQ(control<QListWidget>(*window, "ListePN")->count(), 0);
    EXPECT_EQ(control<QListWidget>(*window, "ListeCONGE")->count(), 0);
    // No date of the cleared start stays; the leave settings stay.
    EXPECT_TRUE(control<QLineEdit>(*window, "DatesHT21_2T")->text().isEmpty());
    EXPECT_TRUE(control<QLabel>(*window, "LblAnesth")->text().isEmpty());
    EXPECT_TRUE(control<QLabel>(*window, "LblCentDate")->text().isEmpty());
    EXPECT_EQ(control<QLineEdit>(*window, "NbrEnf")->text(), "2");
}

TEST_F(UltrasoundFrame, ResetEmptiesTheDatingAndShowsTodaysMoon) {
    control<QLineEdit>(*window, "DateDG")->setText("15/01/2010");
    control<QCheckBox>(*window, "Gemell")->setChecked(true);
    control<QLineEdit>(*window, "NbrEnf")->setText("3");
    control<QLineEdit>(*window, "CRL")->setText("45");
    control<QLineEdit>(*window, "DateX")->setText("01/03/2010");
    control<QPushButton>(*window, "Command2")->click();
    QTest::mouseClick(control<QToolButton>(*window, "Command3"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>(*window, "TxtDateJ")->text(), "15/06/2010");
    for (QLineEdit* e :
         {control<QLineEdit>(*window, "Sac"), control<QLineEdit>(*window, "Bip"),
          control<QLineEdit>(*window, "CRL"), control<QLineEdit>(*window, "Fem"),
          control<QLineEdit>(*window, "DateX"), control<QLineEdit>(*window, "SemA"),
          control<QLineEdit>(*window, "DateDR"), control<QLineEdit>(*window, "DateDG"),
          control<QLineEdit>(*window, "DateAP"), control<QLineEdit>(*window, "NbreSA"),
          control<QLineEdit>(*window, "NbreMois"), control<QLineEdit>(*window, "NbreJours"),
          control<QLineEdit>(*window, "DatesHT21_1T"), control<QLineEdit>(*window, "NbrEnf")})
        EXPECT_TRUE(e->text().isEmpty()) << e->objectName().toStdString();
    EXPECT_EQ(control<QListWidget>(*window, "ListeUS")->count(), 0);
    EXPECT_EQ(control<QListWidget>(*window, "ListePN")->count(), 0);
    EXPECT_EQ(control<QListWidget>(*window, "ListeCONGE")->count(), 0);
    EXPECT_FALSE(control<QCheckBox>(*window, "Gemell")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(*window, "Triple")->isChecked());
    // No date of the cleared start stays.
    EXPECT_EQ(control<QLineEdit>(*window, "DatesHT21_2T")->text(), "");
    EXPECT_EQ(control<QLabel>(*window, "LblEcho1T")->text(), "");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(UltrasoundFrame, MeasurementFieldsTakeDigitsOnlyAndRefusePastedText) {
    typeText(control<QLineEdit>(*window, "CRL"), "4a5,.");
    EXPECT_EQ(control<QLineEdit>(*window, "CRL")->text(), "45");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    control<QLineEdit>(*window, "CRL")->setText("4 5");
    compute();
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown[0].contains("LCC"));
    EXPECT_TRUE(control<QLineEdit>(*window, "DateDG")->text().isEmpty());
    control<QLineEdit>(*window, "CRL")->clear();
    control<QLineEdit>(*window, "SemA")->setText("999999");
    compute();
    EXPECT_EQ(fake.messages.shown.size(), 2);
    EXPECT_TRUE(control<QLineEdit>(*window, "DateDG")->text().isEmpty());
}

} // namespace
