// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_links.h"

#include <QString>
#include <memory>

#include "app/main_window.h"
#include "biometry/biometry_window.h"
#include "biometry/plotting_window.h"
#include "biometry/todays_examination.h"
#include "dating/term_settings_window.h"
#include "obstetrics/preterm_labour_window.h"
#include "obstetrics/termination_window.h"
#include "t21/t21_risk_window.h"
#include "ui/window_registry.h"
#include "utilities/practice_options_window.h"

namespace tovimar {

void linkWindows(MainWindow& main) {
    WindowRegistry& windows = main.windows();

    // The start of pregnancy, as typed (empty when it is refused): the
    // biometry window (its age of today first; its scan day, if any, then
    // rules) and the termination deadlines follow it, built hidden if need
    // be so that they hold it when opened. A biometry window closed earlier
    // is built again as it was left, then follows it.
    auto lastStart = std::make_shared<QString>();
    QObject::connect(&main, &MainWindow::startOfPregnancyChanged, &main,
                     [&windows, lastStart](const StartOfPregnancy& start) {
                         *lastStart = start.text;
                         auto& biometry = windows.get<BiometryWindow>();
                         if (start.weeksOfAmenorrhoeaToday)
                             biometry.setWeeksOfAmenorrhoea(*start.weeksOfAmenorrhoeaToday);
                         biometry.setStartOfPregnancy(start.text);
                         windows.get<TerminationWindow>().setStartOfPregnancy(start.text);
                     });

    // A termination window closed (and so destroyed), then opened again,
    // starts from the start of pregnancy in force, as the deadlines must.
    windows.whenBuilt<TerminationWindow>([lastStart](TerminationWindow& termination) {
        if (!lastStart->isEmpty()) termination.setStartOfPregnancy(*lastStart);
    });
    QObject::connect(&main, &QObject::destroyed, [lastStart] { lastStart->clear(); });

    // A reset of the ultrasound dating takes back the biometry window's age,
    // a closed one's too (built again, hidden, as it was left).
    QObject::connect(&main, &MainWindow::ultrasoundDatingReset, &main, [&windows] {
        if (windows.existing<BiometryWindow>() || todaysExamination(windows).closedWindow)
            windows.get<BiometryWindow>().clearWeeks();
    });
}

void linkToolWindows(WindowRegistry& windows) {
    // The settings editors a window sends the user to: the term settings
    // (the termination limits, the amniocentesis threshold) and the practice
    // options (the letterhead of the trisomy 21 letter).
    windows.whenBuilt<TerminationWindow>([&windows](TerminationWindow& termination) {
        QObject::connect(&termination, &TerminationWindow::termSettingsRequested, &termination,
                         [&windows] { windows.open<TermSettingsWindow>(); });
    });
    windows.whenBuilt<T21RiskWindow>([&windows](T21RiskWindow& risk) {
        QObject::connect(&risk, &T21RiskWindow::thresholdRequested, &risk,
                         [&windows] { windows.open<TermSettingsWindow>(); });
        QObject::connect(&risk, &T21RiskWindow::letterheadRequested, &risk,
                         [&windows] { windows.open<PracticeOptionsWindow>(); });
    });

    // The biometry window's "Courbes" opens the growth charts on its age; an
    // age beyond the charts takes back the week they show.
    windows.whenBuilt<BiometryWindow>([&windows](BiometryWindow& biometry) {
        QObject::connect(&biometry, &BiometryWindow::chartsRequested, &biometry,
                         [&windows](const QString& weeks) {
                             windows.open<PlottingWindow>().openFromBiometry(weeks);
                         });
        QObject::connect(&biometry, &BiometryWindow::weekBeyondTheCharts, &biometry, [&windows] {
            if (auto* charts = windows.existing<PlottingWindow>()) charts->clearWeek();
        });
    });
}

void openPretermLabour(MainWindow& main) {
    main.windows().open<PretermLabourWindow>().setStartOfPregnancy(main.startOfPregnancyText());
}

} // namespace tovimar
