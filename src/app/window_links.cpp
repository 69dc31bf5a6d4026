// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_links.h"

#include "app/main_window.h"
#include "biometry/biometry_window.h"
#include "obstetrics/preterm_labour_window.h"
#include "obstetrics/termination_window.h"
#include "ui/window_registry.h"

namespace tovimar {

void linkWindows(MainWindow& main) {
    WindowRegistry& windows = main.windows();

    // The start of pregnancy, as typed (empty when it is refused): the
    // biometry window (its age of today first; its scan day, if any, then
    // rules) and the termination deadlines follow it, built hidden if need
    // be so that they hold it when opened.
    QObject::connect(&main, &MainWindow::startOfPregnancyChanged, &main,
                     [&windows](const StartOfPregnancy& start) {
                         auto& biometry = windows.get<BiometryWindow>();
                         if (start.weeksOfAmenorrhoeaToday)
                             biometry.setWeeksOfAmenorrhoea(*start.weeksOfAmenorrhoeaToday);
                         biometry.setStartOfPregnancy(start.text);
                         windows.get<TerminationWindow>().setStartOfPregnancy(start.text);
                     });

    // A reset of the ultrasound dating takes back the biometry window's age.
    QObject::connect(&main, &MainWindow::ultrasoundDatingReset, &main, [&windows] {
        if (auto* biometry = windows.existing<BiometryWindow>()) biometry->clearWeeks();
    });
}

void openPretermLabour(MainWindow& main) {
    main.windows().open<PretermLabourWindow>().setStartOfPregnancy(main.startOfPregnancyText());
}

} // namespace tovimar
