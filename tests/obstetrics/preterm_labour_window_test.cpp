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
        window->DateDG->clear();
        typeText(window->DateDG, start);
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
        EXPECT_EQ(window->LblSA->text(), c.lblSA) << c.start;
        EXPECT_EQ(window->Text1->text(), c.text1) << c.start;
        EXPECT_EQ(window->LblPds->text(), c.weight) << c.start;
    }
    EXPECT_FALSE(shown(window->Text1));
    // The LMP gives the start 14 days later.
    window->DateDG->clear();
    typeText(window->DateDR, "12/10/2009");
    EXPECT_EQ(window->DateDG->text(), "26/10/2009");
    EXPECT_EQ(window->LblPds->text(), "478g");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(PretermWindow, GoReadsTheRiskFromTheAnswers) {
    typeStart("25/08/2009"); // 202 days: 30,6 SA
    ASSERT_EQ(window->Text1->text(), "30,6");
    struct Case {
        bool previous;
        QRadioButton* parity;
        QRadioButton* fibronectin;
        const char* cervix;
        const char* result;
    } cases[] = {
        {true, nullptr, window->OpPosFibro, "25", "50%"},
        {true, nullptr, window->OpPosFibro, "26", "24%"},
        {true, nullptr, window->OpNegFibro, "20", "8,3%"},
        {false, window->OpMulti, window->OpNegFibro, "20", "0%"},
        {false, window->OpNulli, window->OpPosFibro, "25", "35,3%"},
        {false, window->OpNulli, nullptr, "40", "0,6%"},
    };
    for (const auto& c : cases) {
        // Each patient from her start of pregnancy, which clears the answers.
        typeStart(QStringLiteral("26/08/2009"));
        typeStart(QStringLiteral("25/08/2009"));
        if (c.previous) click(window->ChkPrema);
        if (c.parity) click(c.parity);
        if (c.fibronectin) click(c.fibronectin);
        typeText(window->TxtCol, c.cervix);
        click(window->CmdCalcule);
        EXPECT_EQ(window->LblResultat->text(), c.result) << c.cervix;
    }
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(PretermWindow, TheRedResultBoxShowsOnlyWithAResultAndReadsWell) {
    window->show();
    // The colour the window shows at the box's corner, where no text is.
    const auto corner = [this] {
        const QPoint at = window->LblResultat->mapTo(window, QPoint(3, 3));
        return window->grab(QRect(at, QSize(1, 1))).toImage().pixelColor(0, 0);
    };
    const QColor red = window->LblResultat->palette().color(QPalette::Window);
    EXPECT_NE(corner(), red) << "an empty red box before Go";
    typeStart("25/08/2009");
    click(window->ChkPrema);
    click(window->OpPosFibro);
    typeText(window->TxtCol, "25");
    click(window->CmdCalcule);
    ASSERT_EQ(window->LblResultat->text(), "50%");
    EXPECT_EQ(corner(), red);
    // White on that red is read at the AA level of ordinary text, not only of large text.
    EXPECT_GE(contrastRatio(window->LblResultat->palette().color(QPalette::WindowText), red), 4.5);
    click(window->CmdEfface);
    EXPECT_NE(corner(), red) << "the empty box stays red after Nouveau";
}

TEST_F(PretermWindow, NoRowOrColumnLeavesNoResultBehind) {
    typeStart("25/08/2009");
    click(window->OpPosFibro);
    click(window->ChkPrema);
    typeText(window->TxtCol, "20");
    click(window->CmdCalcule);
    ASSERT_EQ(window->LblResultat->text(), "50%");
    // Unticking the previous delivery with no parity chosen: no row applies.
    click(window->ChkPrema);
    click(window->CmdCalcule);
    EXPECT_EQ(window->LblResultat->text(), "");
    // Beyond 37 weeks no column applies either.
    typeStart("01/06/2009"); // 287 days: 43 SA, refused below
    click(window->OpMulti);
    typeText(window->TxtCol, "20");
    click(window->CmdCalcule);
    EXPECT_EQ(fake.messages.shown, QStringList{"Erreur dans le calcul du terme"});
    typeStart("28/06/2009"); // 260 days: 39,1 SA
    click(window->OpMulti);
    typeText(window->TxtCol, "20");
    click(window->CmdCalcule);
    EXPECT_EQ(window->LblResultat->text(), "");
}

TEST_F(PretermWindow, MessagesForAMissingAgeOrABadCervix) {
    click(window->CmdCalcule);
    EXPECT_EQ(fake.messages.shown, QStringList{"Erreur dans le calcul du terme"});
    fake.messages.shown.clear();

    typeStart("25/08/2009");
    click(window->ChkPrema);
    click(window->OpPosFibro);
    typeText(window->TxtCol, "20");
    click(window->CmdCalcule);
    ASSERT_EQ(window->LblResultat->text(), "50%");
    // Letters typed are dropped; a pasted text is read and refused.
    window->TxtCol->clear();
    typeText(window->TxtCol, "2a5");
    EXPECT_EQ(window->TxtCol->text(), "25");
    window->TxtCol->setText("vingt");
    click(window->CmdCalcule);
    EXPECT_EQ(fake.messages.shown, QStringList{"Mauvaise saisie de la longueur du col"});
    // The earlier result does not stand beside a length it was not computed from.
    EXPECT_EQ(window->LblResultat->text(), "");
    fake.messages.shown.clear();
    window->TxtCol->clear();
    click(window->CmdCalcule);
    EXPECT_EQ(fake.messages.shown, QStringList{"Mauvaise saisie de la longueur du col"});

    // A start of pregnancy in the future: an age below 1 week.
    fake.messages.shown.clear();
    typeStart("01/06/2010");
    typeText(window->TxtCol, "20");
    click(window->CmdCalcule);
    EXPECT_EQ(fake.messages.shown, QStringList{"Erreur dans le calcul du terme"});
}

TEST_F(PretermWindow, PreviousPretermDeliveryHidesTheParity) {
    typeStart("25/08/2009");
    click(window->OpNulli);
    ASSERT_TRUE(window->OpNulli->isChecked());
    click(window->ChkPrema);
    EXPECT_FALSE(shown(window->FrParite));
    EXPECT_FALSE(window->OpNulli->isChecked());
    EXPECT_FALSE(window->OpMulti->isChecked());
    click(window->ChkPrema);
    EXPECT_TRUE(shown(window->FrParite));
}

TEST_F(PretermWindow, ANewStartOfPregnancyClearsTheAnswers) {
    typeStart("25/08/2009");
    click(window->OpMulti);
    click(window->OpPosFibro);
    typeText(window->TxtCol, "20");
    click(window->CmdCalcule);
    ASSERT_EQ(window->LblResultat->text(), "18,8%");
    click(window->ChkPrema);
    typeStart("21/10/2009");
    EXPECT_EQ(window->LblResultat->text(), "");
    EXPECT_EQ(window->TxtCol->text(), "");
    EXPECT_FALSE(window->ChkPrema->isChecked());
    EXPECT_TRUE(shown(window->FrParite));
    for (QRadioButton* b :
         {window->OpPosFibro, window->OpNegFibro, window->OpNulli, window->OpMulti})
        EXPECT_FALSE(b->isChecked()) << b->objectName().toStdString();
    EXPECT_EQ(window->LblPds->text(), "567g");
}

TEST_F(PretermWindow, TheSliderAndTheLengthFollowEachOther) {
    EXPECT_EQ(window->Slider1->minimum(), 0);
    EXPECT_EQ(window->Slider1->maximum(), 60);
    window->Slider1->setFocus();
    QTest::keyClick(window->Slider1, Qt::Key_Right);
    QTest::keyClick(window->Slider1, Qt::Key_Right);
    EXPECT_EQ(window->TxtCol->text(), "2");
    window->Slider1->setSliderPosition(32); // dragged
    EXPECT_EQ(window->TxtCol->text(), "32");
    window->TxtCol->clear();
    typeText(window->TxtCol, "18");
    EXPECT_EQ(window->Slider1->value(), 18);
    EXPECT_EQ(window->TxtCol->text(), "18");
}

TEST_F(PretermWindow, NouveauClearsEverything) {
    typeText(window->DateDR, "12/10/2009");
    click(window->OpMulti);
    click(window->OpNegFibro);
    typeText(window->TxtCol, "20");
    click(window->CmdCalcule);
    ASSERT_EQ(window->LblResultat->text(), "0%");
    click(window->CmdEfface);
    for (QLabel* l : {window->LblResultat, window->LblPds, window->LblSA})
        EXPECT_EQ(l->text(), "") << l->objectName().toStdString();
    for (QLineEdit* e : {window->DateDG, window->DateDR, window->TxtCol})
        EXPECT_EQ(e->text(), "") << e->objectName().toStdString();
    EXPECT_FALSE(window->OpMulti->isChecked());
    EXPECT_FALSE(window->OpNegFibro->isChecked());
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    // The age is forgotten.
    typeText(window->TxtCol, "20");
    click(window->OpMulti);
    click(window->CmdCalcule);
    EXPECT_EQ(fake.messages.shown, QStringList{"Erreur dans le calcul du terme"});
}

TEST_F(PretermWindow, StrangeDatesNeverFailTheWindow) {
    typeStart("26/10/2009");
    ASSERT_EQ(window->LblPds->text(), "478g");
    // Pasted text that is no date: no age nor weight of the previous start stays.
    window->DateDG->setText("le 25 octobre");
    window->DateDR->setText("\u00e9t\u00e9 2009 / / /");
    EXPECT_EQ(window->LblPds->text(), "");
    EXPECT_EQ(window->LblSA->text(), "");
    typeStart("26/10/2009");
    ASSERT_EQ(window->LblPds->text(), "478g");
    // A date so far away that its week leaves 16 bits: refused, nothing of the earlier age stays.
    window->DateDG->setText("01/01/0100");
    EXPECT_EQ(window->LblSA->text(), "");
    EXPECT_EQ(window->LblPds->text(), "");
    typeText(window->TxtCol, "20");
    click(window->ChkPrema);
    click(window->CmdCalcule);
    EXPECT_EQ(fake.messages.shown, QStringList{"Erreur dans le calcul du terme"});
    // An LMP whose start would leave the calendar writes nothing.
    window->DateDR->setText("31/12/9999");
    EXPECT_EQ(window->DateDG->text(), "01/01/0100");
}

TEST_F(PretermWindow, DoubleClicksOpenTheirCalendars) {
    QTest::mouseDClick(window->DateDG, Qt::LeftButton);
    auto* startCalendar = fake.windows().existing<PretermStartCalendar>();
    ASSERT_NE(startCalendar, nullptr);
    EXPECT_TRUE(startCalendar->isVisible());
    EXPECT_EQ(startCalendar->objectName(), "Calendrier");
    EXPECT_EQ(startCalendar->windowTitle(), "Début de grossesse");
    emit startCalendar->calendar()->clicked(QDate(2009, 10, 26));
    EXPECT_EQ(window->DateDG->text(), "26/10/2009");
    EXPECT_EQ(window->LblPds->text(), "478g");
    EXPECT_FALSE(startCalendar->isVisible());

    QTest::mouseDClick(window->DateDR, Qt::LeftButton);
    auto* lmpCalendar = fake.windows().existing<PretermLmpCalendar>();
    ASSERT_NE(lmpCalendar, nullptr);
    EXPECT_EQ(lmpCalendar->windowTitle(), "Dernières règles");
    emit lmpCalendar->calendar()->clicked(QDate(2009, 10, 7));
    EXPECT_EQ(window->DateDR->text(), "07/10/2009");
    EXPECT_EQ(window->DateDG->text(), "21/10/2009");
}

TEST_F(PretermWindow, ReadsItsControlsByTheirFrenchNames) {
    EXPECT_EQ(window->objectName(), "Main");
    EXPECT_EQ(window->windowTitle(), "MAP");
    EXPECT_EQ(window->CmdCalcule->text(), "Go");
    EXPECT_EQ(window->CmdEfface->text(), "Nouveau");
    EXPECT_EQ(window->Command1->text(), "Quitter");
    EXPECT_EQ(window->FrParite->title(), "Parité");
    EXPECT_EQ(window->Frame6->title(), "Risque d'Acct prématuré");
    EXPECT_EQ(window->Label1->text(), "Poids foetal moyen estimé à cet age de grossesse :");
    EXPECT_EQ(window->ChkPrema->accessibleName(), "ATCD d'Accouchement prématuré");
    EXPECT_EQ(window->TxtCol->accessibleName(), "Longueur du col en (mm)");
    click(window->Command1);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(PretermWindow, SaysTheTableIsHistoricalAndNotMadeForAThreatenedLabour) {
    const auto* line = window->findChild<QLabel*>("LblHistorique");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(),
              "Tableau historique : établi chez des femmes sans symptômes, non lors d'une menace");
    EXPECT_TRUE(shown(const_cast<QLabel*>(line)));
}

} // namespace
