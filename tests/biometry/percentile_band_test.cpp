// SPDX-License-Identifier: GPL-3.0-or-later
#include "biometry/percentile_band.h"

#include <gtest/gtest.h>

#include "biometry/reference_charts.h"

using namespace tovimar;

namespace {
constexpr const char* kBelow3 = "< 3 ème Percentile";
constexpr const char* k3to10 = "3 ème à 10 ème Percentile";
constexpr const char* k10to50 = "10 ème à 50 ème Percentile";
constexpr const char* k50 = "50 ème Percentile";
constexpr const char* k50to90 = "50 ème à 90 ème Percentile";
constexpr const char* k90to97 = "90 ème à 97 ème Percentile";
constexpr const char* kAbove97 = "> 97 ème Percentile";
} // namespace

TEST(PercentileBand, CaptionAndEmphasisOfTypedValues) {
    struct Case {
        Measure m;
        const char* age;
        const char* text;
        const char* caption;
        bool red;
    } cases[] = {
        {Measure::Bip, "20", "47", k50, false},
        {Measure::Bip, "20", "41", kBelow3, true},
        {Measure::Bip, "20", "53", kAbove97, false},
        {Measure::Bip, "20", "0", kBelow3, true},
        {Measure::Bip, "20", "-12", kBelow3, true},
        {Measure::Bip, "20", "999", kAbove97, false},
        {Measure::Bip, "20", "99999999999999", kAbove97, false}, // beyond 16 bits
        {Measure::Bip, "41", "86", k3to10, false},
        {Measure::Bip, "41", "101", kAbove97, false},
        {Measure::Hum, "20", "36", "> 97,5 ème Percentile", true},
        {Measure::Hum, "20", "25", "< 2,5 ème Percentile", true},
        {Measure::Hum, "20", "29", "10 ème à 50 ème Percentile", false},
        {Measure::Fem, "19", "35", kAbove97, false},
        {Measure::Fem, "19", "86", kAbove97, false},
        {Measure::Pied, "24", "51", "> 95 ème Percentile", true},
        {Measure::Pied, "24", "39", "< 5 ème Percentile", true},
        {Measure::Pied, "24", "44", k50, false},
        {Measure::Pied, "20", "29", "< 50 ème Percentile", false},
        {Measure::Pied, "40", "81", "> 50 ème Percentile", false},
        {Measure::Cc, "40", "357", kAbove97, false},
        {Measure::CA, "15", "95", k50, false},
        {Measure::Dat, "41", "83", kBelow3, true},
        {Measure::Cer, "37", "54", kAbove97, false},
        {Measure::Cer, "15", "11", k3to10, false},
        // Leading number with a full stop, half to even; a comma ends the number.
        {Measure::Fem, "13", "12,5", k50to90, false},
        {Measure::Fem, "13", "12.5", k50to90, false},
        {Measure::Fem, "13", "13.5", k90to97, false},
        {Measure::Bip, "20", " 47 ", k50, false},
        // The age as the field holds it, with a decimal comma.
        {Measure::Bip, "20,0", "47", k50, false},
    };
    for (const auto& c : cases) {
        const BandLabel label = BANDE_CENTILE(c.m, c.age, c.text);
        EXPECT_FALSE(label.keep) << c.text;
        EXPECT_EQ(label.caption, c.caption)
            << measureFieldName(c.m) << " " << c.age << " " << c.text;
        EXPECT_EQ(label.emphasised, c.red) << measureFieldName(c.m) << " " << c.text;
    }
}

TEST(PercentileBand, EmptyCaptionOutsideTheChartOrForANonNumber) {
    struct Case {
        Measure m;
        const char* age;
        const char* text;
    } cases[] = {
        {Measure::Cc, "15", "100"},    {Measure::CA, "14", "90"},     {Measure::Cer, "38", "50"},
        {Measure::Pied, "41", "80"},   {Measure::Bip, "42", "95"},    {Measure::Bip, "12", "20"},
        {Measure::Bip, "-3", "20"},    {Measure::Bip, "20,5", "47"},  {Measure::Bip, "vingt", "47"},
        {Measure::Bip, "20", ""},      {Measure::Bip, "20", "abc"},   {Measure::Bip, "20", "4,7,1"},
        {Measure::Bip, "20", "47 mm"}, {Measure::Bip, "20", "4.7.1"},
    };
    for (const auto& c : cases) {
        const BandLabel label = BANDE_CENTILE(c.m, c.age, c.text);
        EXPECT_FALSE(label.keep) << c.age << " " << c.text;
        EXPECT_EQ(label.caption, "") << measureFieldName(c.m) << " " << c.age << " " << c.text;
        EXPECT_FALSE(label.emphasised);
    }
}

TEST(PercentileBand, EmptyAgeKeepsTheCaptionAndInterOrbitalHasNoChart) {
    EXPECT_TRUE(BANDE_CENTILE(Measure::Bip, "", "41").keep);
    EXPECT_FALSE(BANDE_CENTILE(Measure::Bip, "", "41").emphasised);
    EXPECT_TRUE(BANDE_CENTILE(Measure::Orb, "", "20").keep);
    EXPECT_TRUE(BANDE_CENTILE(Measure::Orb, "22", "20").keep);
    EXPECT_TRUE(BANDE_CENTILE(Measure::Orb, "45", "20").keep);
    const BandLabel early = BANDE_CENTILE(Measure::Orb, "12", "20");
    EXPECT_FALSE(early.keep);
    EXPECT_EQ(early.caption, "");
}

// A value between two bands lies on the centile line; the band nearer the
// median takes it, so no typed value is ever left without a caption.
TEST(PercentileBand, ValueBetweenTwoBandsGoesToTheBandNearerTheMedian) {
    struct Case {
        Measure m;
        int week;
        int mm;
        const char* caption;
    } cases[] = {
        {Measure::Bip, 16, 29, k3to10},  {Measure::Bip, 29, 67, k3to10},
        {Measure::Cc, 16, 108, k3to10},  {Measure::Cc, 40, 293, k3to10},
        {Measure::CA, 15, 80, k3to10},   {Measure::CA, 40, 300, k3to10},
        {Measure::CA, 21, 177, k50to90}, {Measure::CA, 36, 333, k50to90},
        {Measure::Cer, 19, 16, k3to10},  {Measure::Pied, 13, 10, k50},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bandCaption(c.m, c.week, c.mm).value_or("?"), c.caption)
            << measureFieldName(c.m) << " " << c.week << " " << c.mm;
}

TEST(PercentileBand, FootAtFifteenWeeksHasItsMedianBand) {
    EXPECT_EQ(bandCaption(Measure::Pied, 15, 14).value_or("?"), "< 50 ème Percentile");
    EXPECT_EQ(bandCaption(Measure::Pied, 15, 15).value_or("?"), k50);
    EXPECT_EQ(bandCaption(Measure::Pied, 15, 16).value_or("?"), "> 50 ème Percentile");
}

// Over every week of every chart, each value from far below to far above has a
// caption, and the bands never go down as the value goes up.
TEST(PercentileBand, EveryChartCoversEveryValueInIncreasingBands) {
    for (Measure m : kMeasuresOnScreen) {
        const auto weeks = chartWeeks(m);
        if (!weeks) continue;
        for (int w = weeks->first; w <= weeks->last; ++w) {
            const auto week = chartWeek(m, w);
            ASSERT_TRUE(week) << measureFieldName(m) << " " << w;
            EXPECT_EQ(week->captions[week->medianBand], k50);
            int previous = 0;
            for (int mm = -5; mm <= 500; ++mm) {
                const auto caption = bandCaption(m, w, mm);
                ASSERT_TRUE(caption);
                int index = 0;
                while (week->captions[index] != *caption)
                    ++index;
                EXPECT_GE(index, previous) << measureFieldName(m) << " " << w << " " << mm;
                previous = index;
            }
            EXPECT_EQ(previous, week->count() - 1);
        }
        EXPECT_FALSE(chartWeek(m, weeks->first - 1));
        EXPECT_FALSE(chartWeek(m, weeks->last + 1));
    }
    EXPECT_FALSE(chartWeeks(Measure::Orb));
}

TEST(PercentileBand, FootChangesFromThreeToFiveBandsAndBack) {
    EXPECT_EQ(chartWeek(Measure::Pied, 23)->count(), 3);
    EXPECT_EQ(chartWeek(Measure::Pied, 24)->count(), 5);
    EXPECT_EQ(chartWeek(Measure::Pied, 38)->count(), 5);
    EXPECT_EQ(chartWeek(Measure::Pied, 39)->count(), 3);
}

TEST(Medians, WeeksOfTheTableInScreenOrder) {
    using M = std::array<std::optional<int>, 9>;
    const std::optional<int> no;
    // Orb, Bip, Cc, Dat, CA, Fem, Pied, Hum, Cer
    EXPECT_EQ(MEDIANES_SA(13), (M{10, 24, no, 21, no, 10, 11, 11, no}));
    EXPECT_EQ(MEDIANES_SA(15), (M{14, 31, no, 28, 95, 17, 17, 17, 14}));
    EXPECT_EQ(MEDIANES_SA(20), (M{22, 47, 174, 45, 152, 32, 32, 31, 20}));
    EXPECT_EQ(MEDIANES_SA(21), (M{23, 50, 184, 48, 162, 35, 35, 33, 21}));
    EXPECT_EQ(MEDIANES_SA(37), (M{42, 89, 314, 95, 316, 70, 77, 61, 48}));
    EXPECT_EQ(MEDIANES_SA(38), (M{43, 90, 318, 98, 325, 71, 78, 62, no}));
    EXPECT_EQ(MEDIANES_SA(41), (M{44, 93, 331, 104, 348, 75, no, 65, no}));
    for (int week : {-1, 0, 12, 42, 100})
        EXPECT_EQ(MEDIANES_SA(week), M{}) << week;
}
