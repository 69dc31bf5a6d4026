// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's start of pregnancy flowing into the termination and preterm labour windows.
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "obstetrics/preterm_labour_window.h"
#include "obstetrics/termination_window.h"
#include "support/controls.h"
#include "support/fake_platform.h"
#include "support/typing.h"
#include "ui/window_registry.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

class MainWindowObstetrics : public ::testing::Test {
  protected:
    void start() {
        fake.setToday("15/03/2010");
        window = std::make_unique<MainWindow>(windows);
        fake.messages.shown.clear();
    }
    FakePlatform fake;
    WindowRegistry windows{*fake.platform};
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowObstetrics, EachStartOfPregnancyReachesTheHiddenTerminationWindow) {
    start();
    typeText(control<QLineEdit>(*window, "DateDR"), "15/02/2010");
    auto* form8 = windows.existing<TerminationWindow>();
    ASSERT_NE(form8, nullptr);
    EXPECT_FALSE(form8->isVisible());
    EXPECT_EQ(control<QLineEdit>(*form8, "Text1")->text(), "01/03/2010");
    EXPECT_EQ(control<QLabel>(*form8, "DateIVG")->text(), "07/06/2010");
    EXPECT_EQ(control<QLabel>(*form8, "DateRU")->text(), "19/04/2010");
    // The next patient replaces the first; text that is no date is pushed too, and
    // leaves no deadline of the previous start.
    control<QLineEdit>(*window, "DateDR")->clear();
    control<QLineEdit>(*window, "DateDG")->clear();
    typeText(control<QLineEdit>(*window, "DateDG"), "01/02/2010");
    EXPECT_EQ(control<QLineEdit>(*form8, "Text1")->text(), "01/02/2010");
    EXPECT_EQ(control<QLabel>(*form8, "DateIVG")->text(), "10/05/2010");
    control<QLineEdit>(*window, "DateDG")->setText("01/02/2");
    EXPECT_EQ(control<QLineEdit>(*form8, "Text1")->text(), "01/02/2");
    EXPECT_EQ(control<QLabel>(*form8, "DateIVG")->text(), "00/0/00");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(MainWindowObstetrics, ASettingsBoundThatIsNoNumberDoesNotStopThePush) {
    fake.writeFile("term.tvx", "\"14\",\"7\",\"98\",\"125\",\"x\",\"97\",\"210\",\"238\",\"250\","
                               "\"77\",\"97\"\r\n");
    start();
    typeText(control<QLineEdit>(*window, "DateDG"), "01/03/2010");
    auto* form8 = windows.existing<TerminationWindow>();
    ASSERT_NE(form8, nullptr);
    EXPECT_EQ(control<QLineEdit>(*form8, "Text1")->text(), "01/03/2010");
    EXPECT_EQ(control<QLabel>(*form8, "DateIVG")->text(), "07/06/2010");
}

TEST_F(MainWindowObstetrics, MenuEntriesOpenTheWindowsOnTheCurrentStart) {
    start();
    typeText(control<QLineEdit>(*window, "DateDG"), "26/10/2009");
    window->action("MAP")->trigger();
    auto* map = windows.existing<PretermLabourWindow>();
    ASSERT_NE(map, nullptr);
    EXPECT_TRUE(map->isVisible());
    EXPECT_EQ(control<QLineEdit>(*map, "DateDG")->text(), "26/10/2009");
    EXPECT_EQ(control<QLabel>(*map, "LblSA")->text(), "22  Semaines d'amenorrhée");
    EXPECT_EQ(control<QLabel>(*map, "LblPds")->text(), "478g");

    window->action("Ivg")->trigger();
    auto* form8 = windows.existing<TerminationWindow>();
    ASSERT_NE(form8, nullptr);
    EXPECT_TRUE(form8->isVisible());
    EXPECT_EQ(control<QLabel>(*form8, "Sem6")->text(), "23/11/2009");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(MainWindowObstetrics, ATerminationWindowClosedThenOpenedAgainShowsTheCurrentDeadlines) {
    start();
    typeText(control<QLineEdit>(*window, "DateDG"), "01/03/2010");
    window->action("Ivg")->trigger();
    QPointer<TerminationWindow> first = windows.existing<TerminationWindow>();
    ASSERT_NE(first, nullptr);
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(first.isNull()) << "a closed tool window is destroyed";

    window->action("Ivg")->trigger();
    auto* again = windows.existing<TerminationWindow>();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->isVisible());
    EXPECT_EQ(control<QLineEdit>(*again, "Text1")->text(), "01/03/2010");
    EXPECT_EQ(control<QLabel>(*again, "DateIVG")->text(), "07/06/2010");
    EXPECT_EQ(control<QLabel>(*again, "DateRU")->text(), "19/04/2010");
    EXPECT_EQ(control<QLabel>(*again, "Sem6")->text(), "29/03/2010");
    EXPECT_TRUE(fake.messages.shown.isEmpty());

    // A start refused since then leaves the window built again without one.
    again->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    control<QLineEdit>(*window, "DateDG")->setText("01/02/2");
    window->action("Ivg")->trigger();
    EXPECT_EQ(control<QLabel>(*windows.existing<TerminationWindow>(), "DateIVG")->text(),
              "00/0/00");
}

} // namespace
