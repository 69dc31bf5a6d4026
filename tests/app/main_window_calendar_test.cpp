// SPDX-License-Identifier: GPL-3.0-or-later
// The main window never shows a date it could not read back: a date typed near
// either end of the calendar (years 100 to 9999) whose derived dates would
// leave it is refused with a French message, and nothing is written.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "support/controls.h"
#include "support/fake_platform.h"
#include "ui/window_registry.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

const QString kRefusal = "Les dates calculées à partir de cette date sortiraient du calendrier "
                         "(années 100 à 9999) : vérifiez la date saisie.";

class MainWindowCalendar : public ::testing::Test {
  protected:
    MainWindowCalendar() {
        fake.setToday("15/03/2010");
        window = std::make_unique<MainWindow>(windows);
        fake.messages.shown.clear();
    }
    // What the window shows, to see that a refusal changed none of it.
    QStringList shown() const {
        return {control<QLineEdit>(*window, "DateDG")->text(),
                control<QLineEdit>(*window, "DateAP")->text(),
                control<QLineEdit>(*window, "NbreSA")->text(),
                control<QLabel>(*window, "LblCentDate")->text(),
                control<QLineEdit>(*window, "DatesHT21_1T")->text(),
                control<QLabel>(*window, "LblAnesth")->text(),
                control<QLineEdit>(*window, "TxtDateJ")->text(),
                QString::number(control<QListWidget>(*window, "ListePN")->count())};
    }
    FakePlatform fake;
    WindowRegistry windows{*fake.platform};
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowCalendar, AnLmpOrAStartNearTheEndsIsRefusedAndNothingOfThePreviousStays) {
    struct Case {
        const char* field;
        const char* typed;
    } cases[] = {
        {"DateDR", "25/12/9999"}, // the start would be in the year 10000
        {"DateDR", "01/06/9999"}, // the term would be
        {"DateDG", "01/06/9999"},
        {"DateDG", "05/01/0100"}, // the LMP would be in the year 99
    };
    for (const auto& c : cases) {
        control<QLineEdit>(*window, "DateDR")->setText("01/01/2010");
        const QStringList before = shown();
        fake.messages.shown.clear();
        QLineEdit* field = control<QLineEdit>(*window, c.field);
        // In one change, as the date picker or a paste writes it (typed, "25/12/99" on the way
        // would be a date of 1999).
        field->setText(c.typed);
        EXPECT_EQ(fake.messages.shown, QStringList({kRefusal})) << c.typed;
        const QStringList after = shown();
        if (field == control<QLineEdit>(*window, "DateDR")) {
            // A refused LMP writes no start: the start on screen and what it gives stay.
            EXPECT_EQ(after, before) << c.typed;
        } else {
            // A refused start gives nothing, and nothing of the previous start stays.
            const QStringList emptied = {c.typed, "", "", "", "", "", before[6], "0"};
            EXPECT_EQ(after, emptied) << c.typed;
        }
    }
}

TEST_F(MainWindowCalendar, TheLastDatesOfTheCalendarAreShownLikeAnyOther) {
    // A start whose 43rd week of amenorrhoea is 31/12/9999.
    control<QLineEdit>(*window, "DateDG")->setText("18/03/9999");
    EXPECT_TRUE(fake.messages.shown.isEmpty()) << fake.messages.shown.join(" | ").toStdString();
    EXPECT_EQ(control<QLineEdit>(*window, "DateAP")->text(), "18/12/9999");
    control<QLineEdit>(*window, "DateDR")->setText("01/01/0100");
    EXPECT_EQ(control<QLineEdit>(*window, "DateDG")->text(), "15/01/0100");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(MainWindowCalendar, ASettingsWindowPastTheCalendarIsRefused) {
    // A screening window 100000 days after the LMP lies in the 25th century
    // for a start today, but past 9999 for a start in 9800.
    fake.writeFile("term.tvx", "\"14\",\"7\",\"98\",\"125\",\"77\",\"99000\",\"210\",\"238\","
                               "\"250\",\"77\",\"97\"\r\n");
    // The program started again: it reads the settings anew.
    WindowRegistry restarted{*fake.platform};
    auto again = std::make_unique<MainWindow>(restarted);
    fake.messages.shown.clear();
    control<QLineEdit>(*again, "DateDG")->setText("15/01/9800");
    EXPECT_EQ(fake.messages.shown, QStringList({kRefusal}));
    EXPECT_EQ(control<QLineEdit>(*again, "DatesHT21_1T")->text(), "");
    EXPECT_EQ(control<QLineEdit>(*again, "DateAP")->text(), "15/10/9800");
}

} // namespace
