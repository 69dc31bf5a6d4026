// SPDX-License-Identifier: GPL-3.0-or-later
// The termination deadlines window, used as a practitioner uses it.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "dating/term_settings_window.h"
#include "obstetrics/termination_window.h"
#include "support/controls.h"
#include "support/fake_platform.h"
#include "support/typing.h"
#include "ui/controls.h"
#include "ui/window_registry.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

QByteArray termFile(const char* w, const char* r) {
    return QByteArray("\"") + w + "\",\"" + r +
           "\",\"98\",\"125\",\"77\",\"97\",\"210\",\"238\",\"250\",\"77\",\"97\"\r\n";
}

class TerminationWindowTest : public ::testing::Test {
  protected:
    TerminationWindow& open(const char* today) {
        fake.setToday(today);
        return fake.windows().open<TerminationWindow>();
    }
    bool shown(QWidget* w, QWidget* window) const { return w->isVisibleTo(window); }
    QString visibleMarker(const TerminationWindow& w) const {
        QString name;
        for (const char* marker :
             {"Picture_6", "Picture6_7", "Picture7_8", "Picture8_9", "Picture9_10", "Picture10_11",
              "Picture11_12", "Picture12_13", "Picture13_14", "Picture14_"}) {
            const QLabel* m = control<QLabel>(w, marker);
            if (m->isVisibleTo(&w)) name += m->objectName();
        }
        return name;
    }
    // In the red that reads on the window at the AA level (pure red reads at 3.5:1).
    bool red(QLabel* label) const {
        return label->palette().color(QPalette::WindowText) == kReadableRed;
    }
    FakePlatform fake;
};

TEST_F(TerminationWindowTest, DeadlinesAndWeeklyDatesFromTheStartOfPregnancy) {
    fake.writeFile("term.tvx", termFile("10", "5"));
    TerminationWindow& w = open("15/03/2010");
    EXPECT_EQ(w.windowTitle(), "IVG                    15/03/2010");
    EXPECT_FALSE(shown(control<QFrame>(w, "Frame1"), &w));
    EXPECT_EQ(control<QLabel>(w, "DateIVG")->text(), "00/0/00");
    EXPECT_EQ(control<QLabel>(w, "Sem6")->text(), "06/00/00");
    typeText(control<QLineEdit>(w, "Text1"), "01/03/2010");
    EXPECT_TRUE(shown(control<QFrame>(w, "Frame1"), &w));
    EXPECT_EQ(control<QLabel>(w, "DateIVG")->text(), "10/05/2010");
    EXPECT_EQ(control<QLabel>(w, "DateRU")->text(), "05/04/2010");
    const char* weeks[] = {"29/03/2010", "05/04/2010", "12/04/2010", "19/04/2010", "26/04/2010",
                           "03/05/2010", "10/05/2010", "17/05/2010", "24/05/2010"};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(
            control<QLabel>(w, QStringLiteral("Sem%1").arg(i + 6).toUtf8().constData())->text(),
            weeks[i])
            << i + 6;
    EXPECT_EQ(control<QLabel>(w, "Sem14")->text(), "24/05/2010");
    EXPECT_EQ(control<QLabel>(w, "Label27")->text(), "10 semaines de grossesse");
    EXPECT_EQ(control<QLabel>(w, "Label4")->text(), "(10 semaines de grossesse)");
    // With a legal limit of 10 weeks, the rows of 13 and 14 weeks are out of time.
    for (QLabel* l : {control<QLabel>(w, "Label13"), control<QLabel>(w, "Label14"),
                      control<QLabel>(w, "Sem13"), control<QLabel>(w, "Sem14"),
                      control<QLabel>(w, "Label23"), control<QLabel>(w, "Label24")})
        EXPECT_TRUE(red(l)) << l->objectName().toStdString();
    EXPECT_FALSE(red(control<QLabel>(w, "Sem12")));
    // The LMP gives the start 14 days later.
    control<QLineEdit>(w, "Text1")->clear();
    typeText(control<QLineEdit>(w, "Text2"), "15/02/2010");
    EXPECT_EQ(control<QLineEdit>(w, "Text1")->text(), "01/03/2010");
    EXPECT_EQ(control<QLabel>(w, "DateIVG")->text(), "10/05/2010");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(TerminationWindowTest, PatientsAt13_15And16WeeksUnderTodaysLaw) {
    // The shipped limits: 14 weeks of pregnancy (16 SA), 7 for the medication method (9 SA).
    struct Case {
        const char* today;
        bool legalPassed;
        bool medicationPassed;
        const char* marker;
    } cases[] = {
        {"24/05/2010", false, true, "Picture13_14"}, // 13 SA
        {"07/06/2010", true, true, "Picture14_"},    // 16 SA: the legal date itself
        {"06/06/2010", false, true, "Picture14_"},   // 15 SA + 6 days: the last day in time
        {"31/05/2010", false, true, "Picture14_"},   // 15 SA
        {"18/04/2010", false, false, "Picture8_9"},  // 8 SA + 6 days
        {"19/04/2010", false, true, "Picture8_9"},   // 9 SA: the medication method's date
    };
    for (const auto& c : cases) {
        FakePlatform own;
        own.setToday(c.today);
        TerminationWindow& w = own.windows().open<TerminationWindow>();
        typeText(control<QLineEdit>(w, "Text1"), "01/03/2010");
        EXPECT_EQ(control<QLabel>(w, "DateIVG")->text(), "07/06/2010");
        EXPECT_EQ(control<QLabel>(w, "DateRU")->text(), "19/04/2010");
        EXPECT_EQ(control<QLabel>(w, "Label27")->text(), "14 semaines de grossesse");
        EXPECT_FALSE(red(control<QLabel>(w, "Sem14")));
        EXPECT_EQ(shown(control<QLabel>(w, "Depasse"), &w), c.legalPassed) << c.today;
        EXPECT_EQ(shown(control<QLabel>(w, "Tmaxi"), &w), c.legalPassed) << c.today;
        EXPECT_EQ(shown(control<QLabel>(w, "Picture1"), &w), c.legalPassed) << c.today;
        EXPECT_EQ(shown(control<QLabel>(w, "Label3"), &w), !c.legalPassed) << c.today;
        EXPECT_EQ(shown(control<QLabel>(w, "Label4"), &w), !c.legalPassed) << c.today;
        EXPECT_EQ(shown(control<QLabel>(w, "Picture2"), &w), c.medicationPassed) << c.today;
        EXPECT_EQ(visibleMarker(w), c.marker) << c.today;
    }
}

TEST_F(TerminationWindowTest, OneMarkerForWhereTodayFalls) {
    struct Case {
        const char* today;
        const char* marker;
    } cases[] = {
        {"29/03/2010", "Picture_6"},                                  // 28 days after the start
        {"30/03/2010", "Picture6_7"}, {"24/05/2010", "Picture13_14"}, // 84 days
        {"25/05/2010", "Picture14_"},                                 // 85 days
        {"01/01/2010", "Picture_6"},                                  // before the start
    };
    for (const auto& c : cases) {
        FakePlatform own;
        own.setToday(c.today);
        TerminationWindow& w = own.windows().open<TerminationWindow>();
        typeText(control<QLineEdit>(w, "Text1"), "01/03/2010");
        EXPECT_EQ(visibleMarker(w), c.marker) << c.today;
    }
}

TEST_F(TerminationWindowTest, LimitsEditedInTheSettingsShowAtTheNextComputation) {
    TerminationWindow& w = open("15/03/2010");
    typeText(control<QLineEdit>(w, "Text1"), "01/03/2010");
    ASSERT_EQ(control<QLabel>(w, "DateIVG")->text(), "07/06/2010");
    auto& editor = fake.windows().get<TermSettingsWindow>();
    control<QLineEdit>(editor, "IvgText")->setText("10");
    w.setStartOfPregnancy("01/03/2010");
    EXPECT_EQ(control<QLabel>(w, "DateIVG")->text(), "10/05/2010");
    EXPECT_EQ(control<QLabel>(w, "Label27")->text(), "10 semaines de grossesse");
    EXPECT_EQ(control<QLabel>(w, "Label4")->text(), "(10 semaines de grossesse)");
    EXPECT_TRUE(red(control<QLabel>(w, "Sem13")));
    // And back: the red rows and the captions follow the limit both ways.
    control<QLineEdit>(editor, "IvgText")->setText("12");
    w.setStartOfPregnancy("01/03/2010");
    EXPECT_EQ(control<QLabel>(w, "DateIVG")->text(), "24/05/2010");
    EXPECT_EQ(control<QLabel>(w, "Label27")->text(), "12 semaines de grossesse");
    EXPECT_FALSE(red(control<QLabel>(w, "Sem13")));
    EXPECT_FALSE(red(control<QLabel>(w, "Label24")));
}

TEST_F(TerminationWindowTest, MissingLimitsSendTheUserToTheSettings) {
    fake.writeFile("term.tvx", termFile("", "7"));
    fake.setToday("15/03/2010");
    auto& w = fake.windows().open<TerminationWindow>();
    // From opening: the message without a trailing blank; the window stays hidden.
    EXPECT_EQ(fake.messages.shown,
              QStringList{"Veuillez saisir des données dans la boîte d'options"});
    EXPECT_FALSE(w.isVisible());
    auto* editor = fake.windows().existing<TermSettingsWindow>();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    // A change of the start while the window is hidden says nothing (a box the
    // user did not see coming would take the keys typed in the main window),
    // and leaves no date.
    fake.messages.shown.clear();
    w.setStartOfPregnancy("01/03/2010");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_EQ(control<QLabel>(w, "DateIVG")->text(), "00/0/00");
    EXPECT_FALSE(w.isVisible());
    // Shown, the window tells: the legal limit's message ends with a blank.
    control<QLineEdit>(*editor, "IvgText")->setText("14");
    fake.windows().open<TerminationWindow>();
    ASSERT_TRUE(w.isVisible());
    control<QLineEdit>(*editor, "IvgText")->setText("");
    w.setStartOfPregnancy("01/03/2010");
    EXPECT_EQ(fake.messages.shown,
              QStringList{"Veuillez saisir des données dans la boîte d'options "});
    EXPECT_EQ(control<QLabel>(w, "DateIVG")->text(), "00/0/00");
    EXPECT_FALSE(w.isVisible());
    fake.messages.shown.clear();
    control<QLineEdit>(*editor, "IvgText")->setText("14");
    control<QLineEdit>(*editor, "RuText")->setText("");
    fake.windows().open<TerminationWindow>();
    EXPECT_EQ(fake.messages.shown,
              QStringList{"Veuillez saisir des données dans la boîte d'options"});
    // Filled in, the window opens.
    fake.messages.shown.clear();
    control<QLineEdit>(*editor, "RuText")->setText("7");
    fake.windows().open<TerminationWindow>();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(control<QLabel>(w, "DateIVG")->text(), "07/06/2010");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(TerminationWindowTest, NoDateOfAnotherPregnancyStaysBehind) {
    TerminationWindow& w = open("15/03/2010");
    typeText(control<QLineEdit>(w, "Text1"), "01/03/2010");
    ASSERT_EQ(control<QLabel>(w, "Sem6")->text(), "29/03/2010");
    // The start erased: the panel and the marker go, the rows show their placeholders.
    control<QLineEdit>(w, "Text1")->clear();
    EXPECT_FALSE(shown(control<QFrame>(w, "Frame1"), &w));
    EXPECT_EQ(visibleMarker(w), "");
    EXPECT_EQ(control<QLabel>(w, "Sem6")->text(), "06/00/00");
    EXPECT_EQ(control<QLabel>(w, "DateRU")->text(), "00/00/00");
    // A limit that is not a whole number: nothing computed, silently.
    control<QLineEdit>(fake.windows().get<TermSettingsWindow>(), "IvgText")->setText("14,5");
    typeText(control<QLineEdit>(w, "Text1"), "01/03/2010");
    EXPECT_EQ(control<QLabel>(w, "DateIVG")->text(), "00/0/00");
    EXPECT_EQ(control<QLabel>(w, "Sem14")->text(), "14/00/00");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    // Pasted text and dates at the ends of the calendar never fail the window.
    control<QLineEdit>(fake.windows().get<TermSettingsWindow>(), "IvgText")->setText("14");
    control<QLineEdit>(w, "Text1")->setText("31/12/9999");
    EXPECT_EQ(control<QLabel>(w, "Sem14")->text(), "14/00/00");
    control<QLineEdit>(w, "Text1")->setText("n'importe quoi");
    control<QLineEdit>(w, "Text2")->setText("31/12/9999");
    EXPECT_EQ(control<QLineEdit>(w, "Text1")->text(), "n'importe quoi");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(TerminationWindowTest, HelpAndQuit) {
    TerminationWindow& w = open("15/03/2010");
    control<QAction>(w, "mnuAide")->trigger();
    EXPECT_EQ(fake.help.topics, std::vector<int>{60});
    EXPECT_EQ(w.objectName(), "Form8");
    EXPECT_EQ(control<QLabel>(w, "Label1")->text(), "Dates légales de l'IVG");
    EXPECT_EQ(control<QLineEdit>(w, "Text1")->accessibleName(), "Début de grossesse");
    EXPECT_EQ(control<QLineEdit>(w, "Text2")->accessibleName(), "Dernières Règles");
    QTest::mouseClick(control<QPushButton>(w, "Command1"), Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
}

} // namespace
