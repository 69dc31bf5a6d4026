// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Today's examination as the biometry window shows it: the start of
// pregnancy and the scan day, the age in weeks, each measurement as typed and
// its band caption. The biometry window writes it as it changes; the growth
// charts read it for today's cross. It belongs to the consultation: "Nouvelle
// patiente" forgets it with the windows.

#include <QString>
#include <array>

#include "biometry/biometry_measures.h"

namespace tovimar {

class WindowRegistry;

struct TodaysExamination {
    QString startOfPregnancy;            // as typed
    QString scanDay;                     // "JJ/MM/AAAA" when the scan day is a date, else empty
    QString weeks;                       // as shown
    std::array<QString, 9> measurements; // as typed, by measureIndex()
    std::array<QString, 9> bands;        // the band captions as shown

    const QString& measurement(Measure m) const { return measurements[measureIndex(m)]; }
    const QString& band(Measure m) const { return bands[measureIndex(m)]; }
};

// The consultation's examination (empty until the biometry window writes it).
TodaysExamination& todaysExamination(WindowRegistry& windows);

} // namespace tovimar
