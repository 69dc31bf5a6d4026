// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Today's examination as the biometry window shows it: the start of
// pregnancy and the scan day, the age in weeks, each measurement as typed and
// its band caption. The biometry window writes it as it changes; the growth
// charts read it for today's cross. It belongs to the consultation: "Nouvelle
// patiente" forgets it with the windows.

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

#include "biometry/biometry_measures.h"

namespace tovimar {

class WindowRegistry;

struct TodaysExamination {
    QString startOfPregnancy;            // as typed
    QString scanDay;                     // "JJ/MM/AAAA" when the scan day is a date, else empty
    QString weeks;                       // as shown
    std::array<QString, 9> measurements; // as typed, by measureIndex()
    std::array<QString, 9> bands;        // the band captions as shown

    // The rest of what a closed biometry window showed, so that the window
    // built again shows the examination as it was left: kept from its closing
    // until it is built again.
    struct Screen {
        QString scanDay; // as typed
        std::array<int, 9> measurementSliders{};
        std::array<bool, 9> bandsEmphasised{};
        std::array<QString, 9> medians; // none for the inter-orbital distance
        int weeksSlider = 0;
        QString orbitalToBiparietal, footToFemur;
        QString hadlockWeight, shepardWeight, dudleyWeight, theoreticalWeight;
        QString motherWeight, motherHeight, daysOfPregnancy, customisedWeeks;
        int customisedWeeksSlider = 0;
        QString estimatedFetalWeight;
        struct Choice {
            int entry = -1;
            QString text; // as typed, when it names no entry
        };
        Choice fetalSex, ethnicity, parity;
        QString expectedWeight, centile;
        bool centileAlarm = false;
        QByteArray place; // where the window was on the screen (QWidget::saveGeometry)
    };
    std::optional<Screen> closedWindow;

    const QString& measurement(Measure m) const { return measurements[measureIndex(m)]; }
    const QString& band(Measure m) const { return bands[measureIndex(m)]; }
};

// The consultation's examination (empty until the biometry window writes it).
TodaysExamination& todaysExamination(WindowRegistry& windows);

} // namespace tovimar
