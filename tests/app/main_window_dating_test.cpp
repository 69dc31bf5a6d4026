// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's dating reactions, typed as a practitioner types them.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "support/controls.h"
#include "support/fake_platform.h"
#include "support/typing.h"
#include "ui/window_registry.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

QStringList entries(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

class MainWindowDating : public ::testing::Test {
  protected:
    MainWindowDating() {
        fake.setToday("15/03/2010");
        window = std::make_unique<MainWindow>(windows);
        fake.messages.shown.clear();
    }
    FakePlatform fake;
    WindowRegistry windows{*fake.platform};
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowDating, TypingTheLmpFillsTheWholeWindow) {
    typeText(control<QLineEdit>(*window, "DateDR"), "01/01/2010");
    EXPECT_EQ(control<QLineEdit>(*window, "DateDG")->text(), "15/01/2010");
    EXPECT_EQ(control<QLineEdit>(*window, "DateAP")->text(), "15/10/2010");
    // 15/01 -> 15/03/2010 is 59 days: 8 weeks and 3 days after the start, 10,3 SA.
    EXPECT_EQ(control<QLineEdit>(*window, "NbreSA")->text(), "10,3  Sem. A.");
    EXPECT_EQ(control<QLineEdit>(*window, "NbreMois")->text(), "2 mois, 0 jours");
    EXPECT_EQ(control<QLineEdit>(*window, "NbreJours")->text(), "59 jours");
    EXPECT_EQ(control<QLabel>(*window, "LblCentDate")->text(), "15/06/2010");
    EXPECT_EQ(control<QLineEdit>(*window, "DatesHT21_1T")->text(), "19/03/2010 --> 08/04/2010");
    EXPECT_EQ(control<QLineEdit>(*window, "DatesHT21_2T")->text(), "09/04/2010 --> 06/05/2010");
    EXPECT_EQ(control<QLabel>(*window, "LblAnesth")->text(),
              "entre le 13/08/2010 et le 10/09/2010");
    EXPECT_EQ(entries(control<QListWidget>(*window, "ListePN")),
              QStringList({"15/04/2010 --> 15/05/2010", "15/05/2010 --> 15/06/2010",
                           "15/06/2010 --> 15/07/2010", "15/07/2010 --> 15/08/2010",
                           "15/08/2010 --> 30/08/2010", "15/09/2010 --> 30/09/2010"}));
    EXPECT_EQ(control<QLabel>(*window, "LblEcho1T")->text(), "19/03/2010 --> 08/04/2010");
    EXPECT_EQ(entries(control<QListWidget>(*window, "ListeUS")),
              QStringList({"04/06/2010", "13/08/2010"}));
    // The moon shown is the moon of the term.
    EXPECT_EQ(control<QLineEdit>(*window, "TxtDateJ")->text(), "15/10/2010");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(MainWindowDating, AgeTodayRoundsAtFourDays) {
    struct Case {
        const char* start;
        const char* sa;
        const char* days;
    } cases[] = {
        {"01/01/2010", "12,3  Sem. A.", "73 jours"}, // 73 days before 15/03/2010
        {"31/12/2009", "12,4  Sem. A.", "74 jours"},
        {"16/03/2010", "1,6  Sem. A.", "-1 jours"},
    };
    for (const auto& c : cases) {
        control<QLineEdit>(*window, "DateDG")->setText(c.start);
        EXPECT_EQ(control<QLineEdit>(*window, "NbreSA")->text(), c.sa) << c.start;
        EXPECT_EQ(control<QLineEdit>(*window, "NbreJours")->text(), c.days) << c.start;
    }
    fake.setToday("05/03/2010");
    control<QLineEdit>(*window, "DateDG")->setText("20/01/2010");
    EXPECT_EQ(control<QLineEdit>(*window, "NbreMois")->text(), "2 mois, -15 jours");
}

TEST_F(MainWindowDating, DateKeysAreFilteredWithTheFormatMessage) {
    typeText(control<QLineEdit>(*window, "DateDR"), "1a/");
    EXPECT_EQ(control<QLineEdit>(*window, "DateDR")->text(), "1/");
    EXPECT_EQ(fake.messages.shown,
              QStringList({"Veuillez saisir la date selon le format JJ/MM/AA"}));
    typeText(control<QLineEdit>(*window, "DateDG"), "é.");
    EXPECT_EQ(control<QLineEdit>(*window, "DateDG")->text(), "");
    EXPECT_EQ(fake.messages.shown.size(), 3);
    // Editing keys pass without a message.
    control<QLineEdit>(*window, "DateDR")->setFocus();
    QTest::keyClick(control<QLineEdit>(*window, "DateDR"), Qt::Key_Backspace);
    QTest::keyClick(control<QLineEdit>(*window, "DateDR"), Qt::Key_Left);
    EXPECT_EQ(control<QLineEdit>(*window, "DateDR")->text(), "1");
    EXPECT_EQ(fake.messages.shown.size(), 3);
    // The term and the conversion date have no filter.
    typeText(control<QLineEdit>(*window, "DateAP"), "x");
    EXPECT_EQ(control<QLineEdit>(*window, "DateAP")->text(), "x");
}

TEST_F(MainWindowDating, PastedGarbageIsIgnoredNotRead) {
    const QString pasted[] = {"31/02/2010", " 15/01/2010",  "é/ù/€",   QString(5000, '9'),
                              "15/1/10/",   "\n15/01/2010", "-1/-1/-1"};
    control<QLineEdit>(*window, "DateDG")->setText("15/01/2010");
    for (const QString& text : pasted) {
        control<QLineEdit>(*window, "DateDR")->setText(text);
        EXPECT_EQ(control<QLineEdit>(*window, "DateDG")->text(), "15/01/2010")
            << text.toStdString();
        control<QLineEdit>(*window, "DateSA")->setText(text);
        control<QLineEdit>(*window, "TxtDateJ")->setText(text);
    }
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    // A start pasted that is not a date gives nothing, and nothing of the previous stays.
    control<QLineEdit>(*window, "DateDG")->setText(QString(5000, '/'));
    EXPECT_EQ(control<QLineEdit>(*window, "DateAP")->text(), "");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(MainWindowDating, AStartThatIsNoLongerADateEmptiesWhatItGave) {
    control<QLineEdit>(*window, "DateDG")->setText("15/01/2010");
    control<QLineEdit>(*window, "DateSA")->setText("12/01/2010");
    control<QLineEdit>(*window, "NbrEnf")->setText("0");
    control<QPushButton>(*window, "Command2")->click();
    ASSERT_EQ(control<QListWidget>(*window, "ListeCONGE")->count(), 2);
    for (const QString& unusable :
         {QString(), QStringLiteral("15/01/201"),
          QStringLiteral("01/01/0100")}) { // refused: outside the calendar
        control<QLineEdit>(*window, "DateDG")->setText("15/01/2010");
        control<QLineEdit>(*window, "DateDG")->setText(unusable);
        const std::string label = unusable.toStdString();
        for (QLineEdit* e :
             {control<QLineEdit>(*window, "DateAP"), control<QLineEdit>(*window, "NbreSA"),
              control<QLineEdit>(*window, "NbreMois"), control<QLineEdit>(*window, "NbreJours"),
              control<QLineEdit>(*window, "DatesHT21_1T"),
              control<QLineEdit>(*window, "DatesHT21_2T"), control<QLineEdit>(*window, "SA")})
            EXPECT_EQ(e->text(), "") << label << " " << e->objectName().toStdString();
        for (QLabel* l :
             {control<QLabel>(*window, "LblCentDate"), control<QLabel>(*window, "LblAnesth"),
              control<QLabel>(*window, "LblEcho1T")})
            EXPECT_EQ(l->text(), "") << label << " " << l->objectName().toStdString();
        for (QListWidget* list :
             {control<QListWidget>(*window, "ListePN"), control<QListWidget>(*window, "ListeUS"),
              control<QListWidget>(*window, "ListeCONGE")})
            EXPECT_EQ(list->count(), 0) << label << " " << list->objectName().toStdString();
    }
    // Only the refused start spoke.
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown[0].contains("sortiraient du calendrier"));
}

TEST_F(MainWindowDating, TheLeaveGoesWhenWhatItCountsChanges) {
    control<QLineEdit>(*window, "DateDG")->setText("15/01/2010");
    control<QLineEdit>(*window, "NbrEnf")->setText("0");
    control<QPushButton>(*window, "Command2")->click();
    ASSERT_EQ(control<QListWidget>(*window, "ListeCONGE")->count(), 2);
    control<QLineEdit>(*window, "NbrEnf")->setText("2");
    EXPECT_EQ(control<QListWidget>(*window, "ListeCONGE")->count(), 0);
    control<QPushButton>(*window, "Command2")->click();
    ASSERT_EQ(control<QListWidget>(*window, "ListeCONGE")->count(), 2);
    control<QCheckBox>(*window, "Gemell")->click();
    EXPECT_EQ(control<QListWidget>(*window, "ListeCONGE")->count(), 0);
    control<QPushButton>(*window, "Command2")->click();
    ASSERT_EQ(control<QListWidget>(*window, "ListeCONGE")->count(), 2);
    control<QLineEdit>(*window, "DateDG")->setText("16/01/2010");
    EXPECT_EQ(control<QListWidget>(*window, "ListeCONGE")->count(), 0);
}

TEST_F(MainWindowDating, ConversionListGivesTheDateOfAWeek) {
    control<QLineEdit>(*window, "DateDG")->setText("15/01/2010");
    control<QListWidget>(*window, "ListeSA")->setCurrentRow(20); // entry "22"
    EXPECT_EQ(control<QLineEdit>(*window, "DateSA")->text(), "04/06/2010");
    EXPECT_EQ(control<QLabel>(*window, "TXTsa")->text(), "22 S.A le...");
    EXPECT_EQ(control<QLineEdit>(*window, "SA")->text(), "22  S.A.");
    control<QLineEdit>(*window, "DateSA")->setText("12/01/2010");
    EXPECT_EQ(control<QLineEdit>(*window, "SA")->text(), "1,4  S.A.");
    control<QLineEdit>(*window, "DateSA")->setText("12/01/201"); // not a date: no age
    EXPECT_EQ(control<QLineEdit>(*window, "SA")->text(), "");
    control<QLineEdit>(*window, "DateSA")->setText("12/01/2010");
    control<QLineEdit>(*window, "DateDG")->setText("14/01/2010"); // the age follows the start
    EXPECT_EQ(control<QLineEdit>(*window, "SA")->text(), "1,5  S.A.");
}

TEST_F(MainWindowDating, ConversionWithoutAStartAsksForIt) {
    control<QListWidget>(*window, "ListeSA")->setCurrentRow(10);
    EXPECT_EQ(fake.messages.shown, QStringList({"Veuillez saisir la date du début de grossesse."}));
    EXPECT_EQ(control<QLineEdit>(*window, "DateSA")->text(), "");
    // Every keystroke in the conversion date asks again.
    typeText(control<QLineEdit>(*window, "DateSA"), "12");
    EXPECT_EQ(fake.messages.shown.size(), 3);
    control<QLineEdit>(*window, "DateDG")->setText("15/01/201");
    control<QListWidget>(*window, "ListeSA")->setCurrentRow(11);
    EXPECT_EQ(fake.messages.shown.size(), 4);
}

TEST_F(MainWindowDating, AChangeOfStartStopsTheReminder) {
    control<QLabel>(*window, "LblAvertir")->show();
    control<QTimer>(*window, "Timer1")->start();
    control<QLineEdit>(*window, "DateDG")->setText("1");
    EXPECT_FALSE(control<QTimer>(*window, "Timer1")->isActive());
    EXPECT_TRUE(control<QLabel>(*window, "LblAvertir")->isHidden());
}

TEST(MainWindowSchedule, ABoundThatIsNotANumberEmptiesOnlyTheWindowItGives) {
    struct Case {
        QByteArray term;
        bool serum1, serum2, anaesthesia, echo1;
    } cases[] = {
        // Empty windows everywhere: no window of term.tvx, every other date.
        {"\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n", false, false, false, false},
        // The anaesthesia window is not a number: that window only.
        {"\"14\",\"7\",\"98\",\"125\",\"77\",\"97\",\"x\",\"238\",\"250\",\"77\",\"97\"\r\n", true,
         true, false, true},
        // The ultrasound window is empty: that window only.
        {"\"14\",\"7\",\"98\",\"125\",\"77\",\"97\",\"210\",\"238\",\"250\",\"\",\"97\"\r\n", true,
         true, true, false},
        // A decimal bound rounds half to even: 97,5 -> 98.
        {"\"14\",\"7\",\"98\",\"125\",\"77\",\"97,5\",\"210\",\"238\",\"250\",\"77\",\"97\"\r\n",
         true, true, true, true},
    };
    for (const auto& c : cases) {
        FakePlatform fake;
        fake.writeFile("term.tvx", c.term);
        WindowRegistry windows(*fake.platform);
        MainWindow window(windows);
        fake.messages.shown.clear(); // the faulty file was told at start-up
        control<QLineEdit>(window, "DateDG")->setText("01/01/2010");
        control<QLineEdit>(window, "NbrEnf")->setText("0");
        control<QPushButton>(window, "Command2")->click();
        ASSERT_EQ(control<QListWidget>(window, "ListeCONGE")->count(), 2);
        control<QLineEdit>(window, "DateDG")->setText("15/01/2010");
        EXPECT_EQ(control<QLineEdit>(window, "DatesHT21_1T")->text().isEmpty(), !c.serum1)
            << c.term.constData();
        EXPECT_EQ(control<QLineEdit>(window, "DatesHT21_2T")->text().isEmpty(), !c.serum2)
            << c.term.constData();
        EXPECT_EQ(control<QLabel>(window, "LblAnesth")->text().isEmpty(), !c.anaesthesia)
            << c.term.constData();
        EXPECT_EQ(control<QLabel>(window, "LblEcho1T")->text().isEmpty(), !c.echo1)
            << c.term.constData();
        // What term.tvx plays no part in is always given.
        EXPECT_EQ(control<QListWidget>(window, "ListePN")->count(), 6) << c.term.constData();
        EXPECT_EQ(control<QListWidget>(window, "ListeUS")->count(), 2) << c.term.constData();
        EXPECT_EQ(control<QLabel>(window, "LblCentDate")->text(), "15/06/2010")
            << c.term.constData();
        EXPECT_EQ(control<QLineEdit>(window, "DateAP")->text(), "15/10/2010");
        // The previous start's leave never stays under the new term.
        EXPECT_EQ(control<QListWidget>(window, "ListeCONGE")->count(), 0) << c.term.constData();
        // Nothing is said while the start is typed, not even by the hidden
        // termination window whose limits may be missing.
        EXPECT_TRUE(fake.messages.shown.isEmpty()) << c.term.constData();
        if (c.term.contains("97,5")) {
            EXPECT_EQ(control<QLineEdit>(window, "DatesHT21_1T")->text(),
                      "19/03/2010 --> 09/04/2010");
        }
    }
}

TEST_F(MainWindowDating, LeaveFromTheNumberOfChildrenTwinsOrTriplets) {
    control<QLineEdit>(*window, "DateDG")->setText("15/01/2010");
    control<QLineEdit>(*window, "NbrEnf")->setText("2");
    QTest::mouseClick(control<QPushButton>(*window, "Command2"), Qt::LeftButton);
    EXPECT_EQ(entries(control<QListWidget>(*window, "ListeCONGE")),
              QStringList({"20/08/2010", "06/08/2010"}));
    control<QCheckBox>(*window, "Gemell")->setChecked(true);
    QTest::mouseClick(control<QPushButton>(*window, "Command2"), Qt::LeftButton);
    EXPECT_EQ(entries(control<QListWidget>(*window, "ListeCONGE")),
              QStringList({"23/07/2010", "09/07/2010"}));
    control<QCheckBox>(*window, "Triple")->setChecked(true);
    EXPECT_FALSE(control<QCheckBox>(*window, "Gemell")->isChecked());
    QTest::mouseClick(control<QPushButton>(*window, "Command2"), Qt::LeftButton);
    EXPECT_EQ(entries(control<QListWidget>(*window, "ListeCONGE")),
              QStringList({"30/04/2010", "16/04/2010"}));
    control<QCheckBox>(*window, "Gemell")->setChecked(true);
    EXPECT_FALSE(control<QCheckBox>(*window, "Triple")->isChecked());
    control<QCheckBox>(*window, "Gemell")->setChecked(false);
    EXPECT_FALSE(control<QCheckBox>(*window, "Triple")->isChecked());
    // A new start empties the leave.
    control<QLineEdit>(*window, "DateDG")->setText("16/01/2010");
    EXPECT_EQ(control<QListWidget>(*window, "ListeCONGE")->count(), 0);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(MainWindowDating, LeaveAsksForWhatIsMissing) {
    QTest::mouseClick(control<QPushButton>(*window, "Command2"), Qt::LeftButton);
    EXPECT_EQ(fake.messages.shown.last(), "Veuillez saisir la date du début de la grossesse.");

    control<QLineEdit>(*window, "DateDG")->setText("15/01/2010");
    control<QListWidget>(*window, "ListeCONGE")->addItem("ancien");
    QTest::mouseClick(control<QPushButton>(*window, "Command2"), Qt::LeftButton);
    EXPECT_EQ(fake.messages.shown.last(), "Veuillez saisir le nombre d'enfants");
    EXPECT_EQ(control<QListWidget>(*window, "ListeCONGE")->count(), 0);

    // A term that is not a date: asked again, with the term to correct.
    control<QLineEdit>(*window, "NbrEnf")->setText("1");
    control<QLineEdit>(*window, "DateAP")->setText("bientôt");
    QTest::mouseClick(control<QPushButton>(*window, "Command2"), Qt::LeftButton);
    EXPECT_EQ(fake.messages.shown.last(), "Veuillez saisir la date du début de la grossesse.");
    EXPECT_EQ(control<QListWidget>(*window, "ListeCONGE")->count(), 0);
    EXPECT_EQ(fake.messages.shown.size(), 3);
}

TEST_F(MainWindowDating, ScrollBarsWriteTheirPosition) {
    control<QScrollBar>(*window, "NbrEnfScroll")->setSliderPosition(3); // as a drag moves it
    EXPECT_EQ(control<QLineEdit>(*window, "NbrEnf")->text(), "3");
    control<QScrollBar>(*window, "CRLscroll")->setSliderPosition(45);
    EXPECT_EQ(control<QLineEdit>(*window, "CRL")->text(), "45");
    typeText(control<QLineEdit>(*window, "NbrEnf"), "x,");
    EXPECT_EQ(control<QLineEdit>(*window, "NbrEnf")->text(), "3");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

} // namespace

namespace {

TEST_F(MainWindowDating, AltLettersThatAreNoShortcutAreFilteredToo) {
    QTest::keyClick(control<QLineEdit>(*window, "DateDR"), Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(control<QLineEdit>(*window, "DateDR")->text(), "");
    EXPECT_EQ(fake.messages.shown.size(), 1);
    QTest::keyClick(control<QLineEdit>(*window, "Sac"), Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(control<QLineEdit>(*window, "Sac")->text(), "");
    EXPECT_EQ(fake.messages.shown.size(), 1);
}

} // namespace
