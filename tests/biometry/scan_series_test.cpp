// SPDX-License-Identifier: GPL-3.0-or-later
#include "biometry/scan_series.h"

#include <gtest/gtest.h>

#include "biometry/percentile_band.h"
#include "dating/pregnancy_dating.h"

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
        {"10/05/2010", "41"}, // 20 SA + 3 j, below the 3rd centile at 20 weeks
        {"", ""},             // an empty row is no scan
        {"07/05/2010", "47"}, // 20 SA, the median band
        {"12/03/2010", "20"}, // 10 weeks after conception: 12 SA, before the chart begins
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
        // The band is the biometry window's, at the age it gives that day:
        // here 0 to 3 days past the week, so the completed week.
        const std::string weeks = std::to_string(e.days / 7);
        EXPECT_EQ(p.bandWeek, e.days / 7) << i;
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
        {"31/02/2010", "47"},   // no such day
        {"07/05/2010", "abc"},  // no number
        {"15/12/2009", "20"},   // before the start of pregnancy
        {"02/06/2010", "60"},   // after today
        {"07/05/2010", "2200"}, // 220 mistyped: no fetus has it
        {"07/05/2010", "47"},   // the only one placed
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

// A scan's band is read at the age the biometry window gives on its day: 0 to
// 3 days past a week round down, 4 to 6 up. The same 47 mm is in the median
// band at 20 weeks and below it at 21.
TEST(ScanSeries, EachBandIsReadAtTheAgeTheBiometryWindowGivesThatDay) {
    const VbDate start = day("01/01/2010"); // 07/05/2010 is 20 SA
    struct Case {
        const char* date;
        int days;
        int bandWeek;
    } cases[] = {
        {"07/05/2010", 140, 20}, {"10/05/2010", 143, 20}, {"11/05/2010", 144, 21},
        {"13/05/2010", 146, 21}, {"14/05/2010", 147, 21},
    };
    for (const Case& c : cases) {
        const ScanSeries s =
            placeScanSeries(Measure::Bip, start, day("01/06/2010"), {{c.date, "47"}}, std::nullopt);
        ASSERT_EQ(s.points.size(), 1u) << c.date;
        const SeriesPoint& p = s.points[0];
        EXPECT_EQ(p.daysOfAmenorrhoea, c.days) << c.date;
        EXPECT_DOUBLE_EQ(p.week, c.days / 7.0) << c.date; // placed at its exact age
        EXPECT_EQ(p.bandWeek, c.bandWeek) << c.date;
        EXPECT_EQ(p.bandWeek, SA_ARRONDIE(start, day(c.date))) << c.date;
        EXPECT_EQ(p.band,
                  BANDE_CENTILE(Measure::Bip, std::to_string(SA_ARRONDIE(start, day(c.date))), "47")
                      .caption)
            << c.date;
    }
    EXPECT_NE(placeScanSeries(Measure::Bip, start, day("01/06/2010"), {{"10/05/2010", "47"}},
                              std::nullopt)
                  .points[0]
                  .band,
              placeScanSeries(Measure::Bip, start, day("01/06/2010"), {{"11/05/2010", "47"}},
                              std::nullopt)
                  .points[0]
                  .band);
}

// Today's measurement stands at its exact age when the biometry window's age
// is the dates' own; an age typed there by hand, or one without dates, puts it
// at that whole week, where the window reads its band.
TEST(ScanSeries, TodaysPointFollowsTheAgeTheBiometryWindowShows) {
    const VbDate start = day("01/01/2010");
    const VbDate scanDay = day("13/05/2010"); // 20 SA + 6 j, 21 weeks in the window
    struct Case {
        std::optional<VbDate> start;
        std::optional<int> weeksShown;
        std::optional<int> days; // none: not placed
    } cases[] = {
        {start, std::nullopt, 146},
        {start, 21, 146},
        {start, 19, 133},        // typed by hand: the window's 19 weeks
        {std::nullopt, 22, 154}, // no dates: the week typed
        {std::nullopt, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        const ScanSeries s = placeScanSeries(Measure::Bip, c.start, day("01/06/2010"), {},
                                             std::string("47"), scanDay, c.weeksShown);
        SCOPED_TRACE(c.weeksShown ? *c.weeksShown : -1);
        if (!c.days) {
            EXPECT_TRUE(s.points.empty());
            continue;
        }
        ASSERT_EQ(s.points.size(), 1u);
        const SeriesPoint& p = s.points[0];
        EXPECT_TRUE(p.today);
        EXPECT_EQ(p.dateText, "13/05/2010");
        EXPECT_EQ(p.daysOfAmenorrhoea, *c.days);
        EXPECT_DOUBLE_EQ(p.week, *c.days / 7.0);
        const int shown = c.weeksShown.value_or(21);
        EXPECT_EQ(p.bandWeek, shown);
        EXPECT_EQ(p.band, BANDE_CENTILE(Measure::Bip, std::to_string(shown), "47").caption);
    }
}
