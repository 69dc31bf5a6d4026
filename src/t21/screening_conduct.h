// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the trisomy 21 risk leads to, as the window shows it beside the result
// and the letter explains it: under the single threshold of the term settings,
// amniocentesis advised at 1/T or higher; under the French strategy since 2018
// (Haute Autorité de santé 2017, order of 14 December 2018), at 1/50 or higher
// a fetal karyotype straight away (the cell-free DNA test if she prefers),
// from 1/51 to 1/1000 the cell-free DNA test, below 1/1000 nothing more, and a
// karyotype whatever the risk for a nuchal translucency of 3.5 mm or more.

#include <cstdint>
#include <optional>
#include <string>

#include "t21/risk_calculation.h"
#include "utilities/practice_options.h"

namespace tovimar {

enum class ConductBand {
    Karyotype,       // 2018: 1/50 or higher
    NuchalKaryotype, // 2018: nuchal translucency of 3.5 mm or more, whatever the risk
    CellFreeDna,     // 2018: from 1/51 to 1/1000
    NoFurtherTest,   // 2018: below 1/1000
    AboveThreshold,  // single threshold: 1/T or higher
    BelowThreshold,  // single threshold: below 1/T
};

struct ConductLimits {
    static constexpr double kKaryotypeN = 50;     // 1/50 or higher: N <= 50
    static constexpr double kCellFreeDnaN = 1000; // 1/1000 or higher: N <= 1000
    static constexpr double kNuchalMm = 3.5;
};

// The risk the conduct judges, N of 1/N, rounded to a whole number as the
// window and the letter write it (1/50,4 is shown and judged as 1/50).
struct ConductRisk {
    double n = 0;
    bool fromLaboratory = false;
};

// The laboratory's combined risk when it was given. Otherwise, under the
// single threshold, the overall risk the letter states (the after-scan risk
// at term); under the 2018 strategy the program's risk at the time of
// testing: the integrated risk at 15-18 weeks, else the serum risk, else the
// translucency risk at the scan's gestation. Nothing when there is none.
std::optional<ConductRisk> conductRisk(const T21Screen& screen, ScreeningStrategy strategy);

// The band of a risk 1/N (N whole, at least 1) and the nuchal translucency in
// mm (none when not measured). Without a risk, only a translucency of 3.5 mm
// or more gives a band under the 2018 strategy.
std::optional<ConductBand> conductBand(std::optional<double> n, std::optional<double> nuchalMm,
                                       ScreeningStrategy strategy, long long threshold);

// The band as the window shows it beside the result, in words.
std::string conductSentence(ConductBand band, long long threshold);

// The letter's paragraph for a band of the 2018 strategy, one string that the
// printer wraps; the single threshold keeps the letter's own advice.
std::string conductParagraph(ConductBand band);

// The colours of a band, readable at WCAG AA (contrast of 4.5 or more): white
// on dark red for a karyotype or amniocentesis, dark blue on light amber for
// the cell-free DNA test, dark blue on light green when nothing more is done.
struct ConductColours {
    std::uint32_t text, background; // 0xRRGGBB
};
ConductColours conductColours(ConductBand band);

} // namespace tovimar
