// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's start of pregnancy flows into the biometry window (one
// closed earlier is built again as it was left), and its menu opens the
// biometry window and the growth charts.
#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "biometry/biometry_window.h"
#include "biometry/chart_viewer_window.h"
#include "biometry/growth_chart_widget.h"
#include "support/controls.h"
#include "support/fake_platform.h"
#include "support/typing.h"
#include "ui/window_registry.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

class MainWindowBiometry : public ::testing::Test {
  protected:
    MainWindowBiometry() {
        fake.setToday("15/03/2010");
        window = std::make_unique<MainWindow>(windows);
    }
    FakePlatform fake;
    WindowRegistry windows{*fake.platform};
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowBiometry, StartOfPregnancyReachesTheHiddenBiometryWindow) {
    typeText(control<QLineEdit>(*window, "DateDG"), "15/12/2009");
    BiometryWindow* biometry = windows.existing<BiometryWindow>();
    ASSERT_NE(biometry, nullptr);
    EXPECT_FALSE(biometry->isVisible());
    EXPECT_EQ(control<QLineEdit>(*biometry, "DateDGf3")->text(), "15/12/2009");
    EXPECT_EQ(control<QLineEdit>(*biometry, "DateJourF3")->text(), "15/03/2010");
    // 90 days: 12 weeks and 6 days after the start, rounded up to 15 SA.
    EXPECT_EQ(control<QLineEdit>(*biometry, "SAF3")->text(), "15");
    EXPECT_EQ(control<QLineEdit>(*biometry, "CBip")->text(), "31");
    EXPECT_EQ(control<QLineEdit>(*biometry, "TxtNbrJours")->text(), "90");

    // A start that is not a date goes as typed; no age of the previous start stays.
    control<QLineEdit>(*window, "DateDG")->setText("15/12/20O9");
    EXPECT_EQ(control<QLineEdit>(*biometry, "DateDGf3")->text(), "15/12/20O9");
    EXPECT_EQ(control<QLineEdit>(*biometry, "SAF3")->text(), "");
    EXPECT_EQ(control<QLineEdit>(*biometry, "TxtNbrJours")->text(), "");
    EXPECT_EQ(control<QLineEdit>(*biometry, "CBip")->text(), "");
}

TEST_F(MainWindowBiometry, ABiometryWindowClosedIsBuiltAgainAsLeftThenFollowsTheMainWindow) {
    const auto closeBiometry = [this] {
        QTest::mouseClick(control<QPushButton>(*windows.existing<BiometryWindow>(), "QuitterF3"),
                          Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(windows.existing<BiometryWindow>(), nullptr);
    };
    window->action("Biometrie")->trigger();
    typeText(control<QLineEdit>(*windows.existing<BiometryWindow>(), "TxtPds"), "64");
    closeBiometry();

    // The main window's next start builds it again, hidden, as it was left,
    // and it follows that start.
    typeText(control<QLineEdit>(*window, "DateDG"), "15/12/2009");
    BiometryWindow* biometry = windows.existing<BiometryWindow>();
    ASSERT_NE(biometry, nullptr);
    EXPECT_FALSE(biometry->isVisible());
    EXPECT_EQ(control<QLineEdit>(*biometry, "TxtPds")->text(), "64");
    EXPECT_EQ(control<QLineEdit>(*biometry, "DateDGf3")->text(), "15/12/2009");
    EXPECT_EQ(control<QLineEdit>(*biometry, "SAF3")->text(), "15");

    // The reset of the ultrasound dating reaches a closed window too.
    window->action("Biometrie")->trigger();
    closeBiometry();
    QTest::mouseClick(control<QAbstractButton>(*window, "Command3"), Qt::LeftButton);
    window->action("Biometrie")->trigger();
    biometry = windows.existing<BiometryWindow>();
    ASSERT_NE(biometry, nullptr);
    EXPECT_EQ(control<QLineEdit>(*biometry, "SAF3")->text(), "");
    EXPECT_EQ(control<QLineEdit>(*biometry, "CBip")->text(), "");
    EXPECT_EQ(control<QLineEdit>(*biometry, "TxtPds")->text(), "64");
}

TEST_F(MainWindowBiometry, MenuOpensTheBiometryWindowAndTheCharts) {
    window->action("Biometrie")->trigger();
    BiometryWindow* biometry = windows.existing<BiometryWindow>();
    ASSERT_NE(biometry, nullptr);
    EXPECT_TRUE(biometry->isVisible());
    EXPECT_TRUE(window->action("Biometrie")->isEnabled());

    const struct {
        const char* entry;
        Measure m;
    } charts[] = {{"Biparietal", Measure::Bip}, {"Cc", Measure::Cc}, {"Cervelet", Measure::Cer},
                  {"AQ", Measure::Dat},         {"CA", Measure::CA}, {"Femur", Measure::Fem},
                  {"Pied", Measure::Pied}};
    for (const auto& c : charts) {
        QAction* entry = window->action(c.entry);
        ASSERT_NE(entry, nullptr) << c.entry;
        EXPECT_TRUE(entry->isEnabled()) << c.entry;
        entry->trigger();
        ChartViewerWindow* viewer = windows.existing<ChartViewerWindow>();
        ASSERT_NE(viewer, nullptr);
        EXPECT_TRUE(viewer->isVisible());
        ASSERT_NE(viewer->shownChart(), nullptr);
        EXPECT_EQ(viewer->shownChart()->measure(), c.m) << c.entry;
    }
}

} // namespace
