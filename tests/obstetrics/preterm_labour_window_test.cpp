// SPDX-License-Identifier: GPL-3.0-or-later
// The preterm labour window, used as a practitioner uses it.
#include <QCalendarWidget>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

#include "obstetrics/preterm_labour_window.h"
#include "support/controls.h"
#include "support/fake_platform.h"
#include "support/typing.h"
#include "ui/controls.h"
#include "ui/window_registry.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

class PretermWindow : public ::testing::Test {
  protected:
    PretermWindow() {
        fake.setToday("15/03/2010");
        window = &fake.windows().open<PretermLabourWindow>();
    }
    void typeStart(const QString& start) {
        control<QLineEdit>(*window, "DateDG")->clear();
        typeText(control<QLineEdit>(*window, "DateDG"), start);
    }
    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    bool shown(QWidget* w) const { return w->isVisibleTo(window); }

    FakePlatform fake;
    PretermLabourWindow* window = nullptr;
};

TEST_F(PretermWindow, AgeTodayAndMeanWeightFromTheStartOfPregnancy) {
    struct Case {
        const char* start;
        const char* lblSA;
        const char* text1;
        const char* weight;
    } cases[] = {
        // 140 days before 15/03/2010: 20 weeks, 22 weeks of amenorrhoea.
        {"26/10/2009", "22  Semaines d'amenorrhée", "22", "478g"},
        // 145 days: 22 weeks and 5 days, which round up to week 23.
        {"21/10/2009", "22,5  Semaines d'amenorrhée", "22,5", "567g"},
        {"1/3/10", "4  Semaines d'amenorrhée", "4", ""},
    };
    for (const auto& c : cases) {
        typeStart(c.start);
        EXPECT_EQ(control<QLabel>(*window, "LblSA")->text(), c.lblSA) << c.start;
        EXPECT_EQ(control<QLineEdit>(*window, "Text1")->text(), c.text1) << c.start;
        EXPECT_EQ(control<QLabel>(*window, "LblPds")->text(), c.weight) << c.start;
    }
    EXPECT_FALSE(shown(control<QLineEdit>(*window, "Text1")));
    // The LMP gives the start 14 days later.
    control<QLineEdit>(*window, "DateDG")->clear();
    typeText(control<QLineEdit>(*window, "DateDR"), "12/10/2009");
    EXPECT_EQ(control<QLineEdit>(*window, "DateDG")->text(), "26/10/2009");
    EXPECT_EQ(control<QLabel>(*window, "LblPds")->text(), "478g");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(PretermWindow, GoReadsTheRiskFromTheAnswers) {
    typeStart("25/08/2009"); // 202 days: 30,6 SA
    ASSERT_EQ(control<QLineEdit>(*window, "Text1")->text(), "30,6");
    struct Case {
        bool previous;
        QRadioButton* parity;
        QRadioButton* fibronectin;
        const char* cervix;
        const char* result;
    } cases[] = {
        {true, nullptr, control<QRadioButton>(*window, "OpPosFibro"), "25", "50%"},
        {true, nullptr, control<QRadioButton>(*window, "OpPosFibro"), "26", "24%"},
        {true, nullptr, control<QRadioButton>(*window, "OpNegFibro"), "20", "8,3%"},
        {false, control<QRadioButton>(*window, "OpMulti"),
         control<QRadioButton>(*window, "OpNegFibro"), "20", "0%"},
        {false, control<QRadioButton>(*window, "OpNulli"),
         control<QRadioButton>(*window, "OpPosFibro"), "25", "35,3%"},
        {false, control<QRadioButton>(*window, "OpNulli"), nullptr, "40", "0,6%"},
    };
    for (const auto& c : cases) {
        // Each patient from her start of pregnancy, which clears the answers.
        typeStart(QStringLiteral("26/08/2009"));
        typeStart(QStringLiteral("25/08/2009"));
        if (c.previous) click(control<QCheckBox>(*window, "ChkPrema"));
        if (c.parity) click(c.parity);
        if (c.fibronectin) click(c.fibronectin);
        typeText(control<QLineEdit>(*window, "TxtCol"), c.cervix);
        click(control<QPushButton>(*window, "CmdCalcule"));
        EXPECT_EQ(control<QLabel>(*window, "LblResultat")->text(), c.result) << c.cervix;
    }
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(PretermWindow, TheRedResultBoxShowsOnlyWithAResultAndReadsWell) {
    window->show();
    // The colour the window shows at the box's corner, where no text is.
    const auto corner = [this] {
        const QPoint at = control<QLabel>(*window, "LblResultat")->mapTo(window, QPoint(3, 3));
        return window->grab(QRect(at, QSize(1, 1))).toImage().pixelColor(0, 0);
    };
    const QColor red = control<QLabel>(*window, "LblResultat")->palette().color(QPalette::Window);
    EXPECT_NE(corner(), red) << "an empty red box before Go";
    typeStart("25/08/2009");
    click(control<QCheckBox>(*window, "ChkPrema"));
    click(control<QRadioButton>(*window, "OpPosFibro"));
    typeText(control<QLineEdit>(*window, "TxtCol"), "25");
    click(control<QPushButton>(*window, "CmdCalcule"));
    ASSERT_EQ(control<QLabel>(*window, "LblResultat")->text(), "50%");
    EXPECT_EQ(corner(), red);
    // White on that red is read at the AA level of ordinary text, not only of large text.
    EXPECT_GE(
        contrastRatio(
            control<QLabel>(*window, "LblResultat")->palette().color(QPalette::WindowText), red),
        4.5);
    click(control<QPushButton>(*window, "CmdEfface"));
    EXPECT_NE(corner(), red) << "the empty box stays red after Nouveau";
}

TEST_F(PretermWindow, NoRowOrColumnLeavesNoResultBehind) {
    typeStart("25/08/2009");
    click(control<QRadioButton>(*window, "OpPosFibro"));
    click(control<QCheckBox>(*window, "ChkPrema"));
    typeText(control<QLineEdit>(*window, "TxtCol"), "20");
    click(control<QPushButton>(*window, "CmdCalcule"));
    ASSERT_EQ(control<QLabel>(*window, "LblResultat")->text(), "50%");
    // Unticking the previous delivery with no parity chosen: no row applies.
    click(control<QCheckBox>(*window, "ChkPrema"));
    click(control<QPushButton>(*window, "CmdCalcule"));
    EXPECT_EQ(control<QLabel>(*window, "LblResultat")->text(), "");
    // Beyond 37 weeks no column applies either.
    typeStart("01/06/2009"); // 287 days: 43 SA, refused below
    click(control<QRadioButton>(*window, "OpMulti"));
    typeText(control<QLineEdit>(*window, "TxtCol"), "20");
    click(control<QPushButton>(*window, "CmdCalcule"));
    EXPECT_EQ(fake.messages.shown, QStringList{"Erreur dans le calcul du terme"});
    typeStart("28/06/2009"); // 260 days: 39,1 SA
    click(control<QRadioButton>(*window, "OpMulti"));
    typeText(control<QLineEdit>(*window, "TxtCol"), "20");
    click(control<QPushButton>(*window, "CmdCalcule"));
    EXPECT_EQ(control<QLabel>(*window, "LblResultat")->text(), "");
}

TEST_F(PretermWindow, MessagesForAMissingAgeOrABadCervix) {
    click(control<QPushButton>(*window, "CmdCalcule"));
    EXPECT_EQ(fake.messages.shown, QStringList{"Erreur dans le calcul du terme"});
    fake.messages.shown.clear();

    typeStart("25/08/2009");
    click(control<QCheckBox>(*window, "ChkPrema"));
    click(control<QRadioButton>(*window, "OpPosFibro"));
    typeText(control<QLineEdit>(*window, "TxtCol"), "20");
    click(control<QPushButton>(*window, "CmdCalcule"));
    ASSERT_EQ(control<QLabel>(*window, "LblResultat")->text(), "50%");
    // Letters typed are dropped; a pasted text is read and refused.
    control<QLineEdit>(*window, "TxtCol")->clear();
    typeText(control<QLineEdit>(*window, "TxtCol"), "2a5");
    EXPECT_EQ(control<QLineEdit>(*window, "TxtCol")->text(), "25");
    control<QLineEdit>(*window, "TxtCol")->setText("vingt");
    click(control<QPushButton>(*window, "CmdCalcule"));
    EXPECT_EQ(fake.messages.shown, QStringList{"Mauvaise saisie de la longueur du col"});
    // The earlier result does not stand beside a length it was not computed from.
    EXPECT_EQ(control<QLabel>(*window, "LblResultat")->text(), "");
    fake.messages.shown.clear();
    control<QLineEdit>(*window, "TxtCol")->clear();
    click(control<QPushButton>(*window, "CmdCalcule"));
    EXPECT_EQ(fake.messages.shown, QStringList{"Mauvaise saisie de la longueur du col"});

    // A start of pregnancy in the future: an age below 1 week.
    fake.messages.shown.clear();
    typeStart("01/06/2010");
    typeText(control<QLineEdit>(*window, "TxtCol"), "20");
    click(control<QPushButton>(*window, "CmdCalcule"));
    EXPECT_EQ(fake.messages.shown, QStringList{"Erreur dans le calcul du terme"});
}

TEST_F(PretermWindow, PreviousPretermDeliveryHidesTheParity) {
    typeStart("25/08/2009");
    click(control<QRadioButton>(*window, "OpNulli"));
    ASSERT_TRUE(control<QRadioButton>(*window, "OpNulli")->isChecked());
    click(control<QCheckBox>(*window, "ChkPrema"));
    EXPECT_FALSE(shown(control<QGroupBox>(*window, "FrParite")));
    EXPECT_FALSE(control<QRadioButton>(*window, "OpNulli")->isChecked());
    EXPECT_FALSE(control<QRadioButton>(*window, "OpMulti")->isChecked());
    click(control<QCheckBox>(*window, "ChkPrema"));
    EXPECT_TRUE(shown(control<QGroupBox>(*window, "FrParite")));
}

TEST_F(PretermWindow, ANewStartOfPregnancyClearsTheAnswers) {
    typeStart("25/08/2009");
    click(control<QRadioButton>(*window, "OpMulti"));
    click(control<QRadioButton>(*window, "OpPosFibro"));
    typeText(control<QLineEdit>(*window, "TxtCol"), "20");
    click(control<QPushButton>(*window, "CmdCalcule"));
    ASSERT_EQ(control<QLabel>(*window, "LblResultat")->text(), "18,8%");
    click(control<QCheckBox>(*window, "ChkPrema"));
    typeStart("21/10/2009");
    EXPECT_EQ(control<QLabel>(*window, "LblResultat")->text(), "");
    EXPECT_EQ(control<QLineEdit>(*window, "TxtCol")->text(), "");
    EXPECT_FALSE(control<QCheckBox>(*window, "ChkPrema")->isChecked());
    EXPECT_TRUE(shown(control<QGroupBox>(*window, "FrParite")));
    for (QRadioButton* b :
         {control<QRadioButton>(*window, "OpPosFibro"),
          control<QRadioButton>(*window, "OpNegFibro"), control<QRadioButton>(*window, "OpNulli"),
          control<QRadioButton>(*window, "OpMulti")})
        EXPECT_FALSE(b->isChecked()) << b->objectName().toStdString();
    EXPECT_EQ(control<QLabel>(*window, "LblPds")->text(), "567g");
}

TEST_F(PretermWindow, TheSliderAndTheLengthFollowEachOther) {
    EXPECT_EQ(control<QSlider>(*window, "Slider1")->minimum(), 0);
    EXPECT_EQ(control<QSlider>(*window, "Slider1")->maximum(), 60);
    control<QSlider>(*window, "Slider1")->setFocus();
    QTest::keyClick(control<QSlider>(*window, "Slider1"), Qt::Key_Right);
    QTest::keyClick(control<QSlider>(*window, "Slider1"), Qt::Key_Right);
    EXPECT_EQ(control<QLineEdit>(*window, "TxtCol")->text(), "2");
    control<QSlider>(*window, "Slider1")->setSliderPosition(32); // dragged
    EXPECT_EQ(control<QLineEdit>(*window, "TxtCol")->text(), "32");
    control<QLineEdit>(*window, "TxtCol")->clear();
    typeText(control<QLineEdit>(*window, "TxtCol"), "18");
    EXPECT_EQ(control<QSlider>(*window, "Slider1")->value(), 18);
    EXPECT_EQ(control<QLineEdit>(*window, "TxtCol")->text(), "18");
}

TEST_F(PretermWindow, NouveauClearsEverything) {
    typeText(control<QLineEdit>(*window, "DateDR"), "12/10/2009");
    click(control<QRadioButton>(*window, "OpMulti"));
    click(control<QRadioButton>(*window, "OpNegFibro"));
    typeText(control<QLineEdit>(*window, "TxtCol"), "20");
    click(control<QPushButton>(*window, "CmdCalcule"));
    ASSERT_EQ(control<QLabel>(*window, "LblResultat")->text(), "0%");
    click(control<QPushButton>(*window, "CmdEfface"));
    for (QLabel* l : {control<QLabel>(*window, "LblResultat"), control<QLabel>(*window, "LblPds"),
                      control<QLabel>(*window, "LblSA")})
        EXPECT_EQ(l->text(), "") << l->objectName().toStdString();
    for (QLineEdit* e :
         {control<QLineEdit>(*window, "DateDG"), control<QLineEdit>(*window, "DateDR"),
          control<QLineEdit>(*window, "TxtCol")})
        EXPECT_EQ(e->text(), "") << e->objectName().toStdString();
    EXPECT_FALSE(control<QRadioButton>(*window, "OpMulti")->isChecked());
    EXPECT_FALSE(control<QRadioButton>(*window, "OpNegFibro")->isChecked());
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    // The age is forgotten.
    typeText(control<QLineEdit>(*window, "TxtCol"), "20");
    click(control<QRadioButton>(*window, "OpMulti"));
    click(control<QPushButton>(*window, "CmdCalcule"));
    EXPECT_EQ(fake.messages.shown, QStringList{"Erreur dans le calcul du terme"});
}

TEST_F(PretermWindow, StrangeDatesNeverFailTheWindow) {
    typeStart("26/10/2009");
    ASSERT_EQ(control<QLabel>(*window, "LblPds")->text(), "478g");
    // Pasted text that is no date: no age nor weight of the previous start stays.
    control<QLineEdit>(*window, "DateDG")->setText("le 25 octobre");
    control<QLineEdit>(*window, "DateDR")->setText("\u00e9t\u00e9 2009 / / /");
    EXPECT_EQ(control<QLabel>(*window, "LblPds")->text(), "");
    EXPECT_EQ(control<QLabel>(*window, "LblSA")->text(), "");
    typeStart("26/10/2009");
    ASSERT_EQ(control<QLabel>(*window, "LblPds")->text(), "478g");
    // A date so far away that its week leaves 16 bits: refused, nothing of the earlier age stays.
    control<QLineEdit>(*window, "DateDG")->setText("01/01/0100");
    EXPECT_EQ(control<QLabel>(*window, "LblSA")->text(), "");
    EXPECT_EQ(control<QLabel>(*window, "LblPds")->text(), "");
    typeText(control<QLineEdit>(*window, "TxtCol"), "20");
    click(control<QCheckBox>(*window, "ChkPrema"));
    click(control<QPushButton>(*window, "CmdCalcule"));
    EXPECT_EQ(fake.messages.shown, QStringList{"Erreur dans le calcul du terme"});
    // An LMP whose start would leave the calendar writes nothing.
    control<QLineEdit>(*window, "DateDR")->setText("31/12/9999");
    EXPECT_EQ(control<QLineEdit>(*window, "DateDG")->text(), "01/01/0100");
}

TEST_F(PretermWindow, DoubleClicksOpenTheirCalendars) {
    QTest::mouseDClick(control<QLineEdit>(*window, "DateDG"), Qt::LeftButton);
    auto* startCalendar = fake.windows().existing<PretermStartCalendar>();
    ASSERT_NE(startCalendar, nullptr);
    EXPECT_TRUE(startCalendar->isVisible());
    EXPECT_EQ(startCalendar->objectName(), "Calendrier");
    EXPECT_EQ(startCalendar->windowTitle(), "Début de grossesse");
    emit startCalendar->calendar()->clicked(QDate(2009, 10, 26));
    EXPECT_EQ(control<QLineEdit>(*window, "DateDG")->text(), "26/10/2009");
    EXPECT_EQ(control<QLabel>(*window, "LblPds")->text(), "478g");
    EXPECT_FALSE(startCalendar->isVisible());

    QTest::mouseDClick(control<QLineEdit>(*window, "DateDR"), Qt::LeftButton);
    auto* lmpCalendar = fake.windows().existing<PretermLmpCalendar>();
    ASSERT_NE(lmpCalendar, nullptr);
    EXPECT_EQ(lmpCalendar->windowTitle(), "Dernières règles");
    emit lmpCalendar->calendar()->clicked(QDate(2009, 10, 7));
    EXPECT_EQ(control<QLineEdit>(*window, "DateDR")->text(), "07/10/2009");
    EXPECT_EQ(control<QLineEdit>(*window, "DateDG")->text(), "21/10/2009");
}

TEST_F(PretermWindow, ReadsItsControlsByTheirFrenchNames) {
    EXPECT_EQ(window->objectName(), "Main");
    EXPECT_EQ(window->windowTitle(), "MAP");
    EXPECT_EQ(control<QPushButton>(*window, "CmdCalcule")->text(), "Go");
    EXPECT_EQ(control<QPushButton>(*window, "CmdEfface")->text(), "Nouveau");
    EXPECT_EQ(control<QPushButton>(*window, "Command1")->text(), "Quitter");
    EXPECT_EQ(control<QGroupBox>(*window, "FrParite")->title(), "Parité");
    EXPECT_EQ(control<QGroupBox>(*window, "Frame6")->title(), "Risque d'Acct prématuré");
    EXPECT_EQ(control<QLabel>(*window, "Label1")->text(),
              "Poids foetal moyen estimé à cet age de grossesse :");
    EXPECT_EQ(control<QCheckBox>(*window, "ChkPrema")->accessibleName(),
              "ATCD d'Accouchement prématuré");
    EXPECT_EQ(control<QLineEdit>(*window, "TxtCol")->accessibleName(), "Longueur du col en (mm)");
    click(control<QPushButton>(*window, "Command1"));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(PretermWindow, SaysTheTableIsHistoricalAndNotMadeForAThreatenedLabour) {
    const auto* line = control<QLabel>(*window, "LblHistorique");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(),
              "Tableau historique : établi chez des femmes sans symptômes, non lors d'une menace");
    EXPECT_TRUE(shown(const_cast<QLabel*>(line)));
}

} // namespace
