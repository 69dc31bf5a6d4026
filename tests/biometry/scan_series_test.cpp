// SPDX-License-Identifier: GPL-3.0-or-later
#include "biometry/scan_series.h"

#include <gtest/gtest.h>

#include "biometry/percentile_band.h"

using namespace tovimar;

namespace {

VbDate day(const char* text) {
    return *readFrenchDate(text);
}

} // namespace

// A known series of four scans for the biparietal diameter: conception on
// 01/01/2010, so 07/05/2010 is 126 days later, 140 days of amenorrhoea, 20 SA.
TEST(ScanSeries, PlacesEachScanAtItsOwnAgeAndBandInDateOrder) {
    const std::vector<ScanRow> rows = {
        {"10/05/2010", "41"},  // 20 SA + 3 j, below the 3rd centile at 20 weeks
        {"", ""},              // an empty row is no scan
        {"07/05/2010", "47"},  // 20 SA, the median band
        {"12/03/2010", "20"},  // 10 weeks after conception: 12 SA, before the chart begins
    };
    const ScanSeries s = placeScanSeries(Measure::Bip, day("01/01/2010"), day("01/06/2010"), rows,
                                         std::string("60"), day("28/05/2010"));
    EXPECT_TRUE(s.faults.empty());
    ASSERT_EQ(s.points.size(), 4u);

    struct Expected {
        const char* date;
        int days;
        double week;
        double mm;
        const char* band;
        bool today;
        std::optional<std::size_t> row;
    };
    const Expected expected[] = {
        {"12/03/2010", 84, 12.0, 20, "", false, 3},
        {"07/05/2010", 140, 20.0, 47, "50 ème Percentile", false, 2},
        {"10/05/2010", 143, 143 / 7.0, 41, "< 3 ème Percentile", false, 0},
        {"28/05/2010", 161, 23.0, 60, nullptr, true, std::nullopt},
    };
    for (std::size_t i = 0; i < 4; ++i) {
        const SeriesPoint& p = s.points[i];
        const Expected& e = expected[i];
        EXPECT_EQ(p.dateText, e.date) << i;
        EXPECT_EQ(p.daysOfAmenorrhoea, e.days) << i;
        EXPECT_DOUBLE_EQ(p.week, e.week) << i;
        EXPECT_EQ(p.mm, e.mm) << i;
        // The band is the biometry window's for the completed week.
        const std::string weeks = std::to_string(e.days / 7);
        if (e.band) {
            EXPECT_EQ(p.band, e.band) << i;
        }
        if (e.days / 7 >= 13) {
            EXPECT_EQ(p.band, BANDE_CENTILE(Measure::Bip, weeks, p.valueText).caption) << i;
        }
        EXPECT_EQ(p.today, e.today) << i;
        EXPECT_EQ(p.row, e.row) << i;
    }
    EXPECT_EQ(weeksAndDaysText(143), "20 SA + 3 j");
    EXPECT_EQ(weeksAndDaysText(140), "20 SA");
}

TEST(ScanSeries, ARowThatCannotBePlacedSaysWhyInFrenchAndIsLeftOut) {
    const std::vector<ScanRow> rows = {
        {"31/02/2010", "47"},  // no such day
        {"07/05/2010", "abc"}, // no number
        {"15/12/2009", "20"},  // before the start of pregnancy
        {"02/06/2010", "60"},  // after today
        {"07/05/2010", "2200"}, // 220 mistyped: no fetus has it
        {"07/05/2010", "47"},  // the only one placed
    };
    const ScanSeries s =
        placeScanSeries(Measure::Bip, day("01/01/2010"), day("01/06/2010"), rows, std::nullopt);
    ASSERT_EQ(s.points.size(), 1u);
    EXPECT_EQ(s.points[0].row, 5u);
    ASSERT_EQ(s.faults.size(), 5u);
    const char* const starts[] = {"Échographie 1 : « 31/02/2010 » n'est pas une date",
                                  "Échographie 2 : « abc » n'est pas une mesure en mm",
                                  "Échographie 3 : le 15/12/2009 précède le début de grossesse "
                                  "(01/01/2010)",
                                  "Échographie 4 : le 02/06/2010 est après aujourd'hui",
                                  "Échographie 5 : "};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(s.faults[i].row, i);
        EXPECT_EQ(s.faults[i].message.rfind(starts[i], 0), 0u) << s.faults[i].message;
    }
    EXPECT_NE(s.faults[4].message.find("Bip"), std::string::npos) << s.faults[4].message;

    // Without a start of pregnancy nothing can be placed, and each filled row says so.
    const ScanSeries none = placeScanSeries(Measure::Bip, std::nullopt, day("01/06/2010"),
                                            {{"07/05/2010", "47"}}, std::string("60"));
    EXPECT_TRUE(none.points.empty());
    ASSERT_EQ(none.faults.size(), 1u);
    EXPECT_NE(none.faults[0].message.find("sans début de grossesse"), std::string::npos);
}
