// SPDX-License-Identifier: GPL-3.0-or-later
#include "biometry/customised_centile.h"

#include <gtest/gtest.h>

#include "biometry/fetal_weight.h"

using namespace tovimar;
using Status = CustomisedCentile::Status;

TEST(CustomisedCentile, ExpectedWeightAndCentile) {
    struct Case {
        double days, weight, height, fetal;
        int sex, ethnic, parity;
        long long expected;
        int centile;
    } cases[] = {
        {238, 64, 163, 2502, 1, 0, 0, 2661, 29},         {238, 70, 170, 3000, 0, 1, 2, 2800, 75},
        {196, 55, 158, 1200, 1, 5, -1, 1397, 11},        {266, 80, 175, 2500, 0, 8, 9, 3920, 0},
        {154, 64, 163, 700, 1, 0, 0, 647, 77},           {280, 64, 163, 3600, 0, 0, 0, 3841, 28},
        {237.6, 63.5, 163.4, 2501.5, 1, 0, 0, 2661, 29}, // read as whole numbers
    };
    for (const auto& c : cases) {
        const auto r =
            CENTILE_GARDOSI(c.days, c.weight, c.height, c.fetal, c.sex, c.ethnic, c.parity);
        ASSERT_EQ(r.status, Status::Computed) << c.days;
        EXPECT_EQ(r.expectedWeight, c.expected) << c.days << " " << c.fetal;
        EXPECT_EQ(r.centile, c.centile) << c.days << " " << c.fetal;
        EXPECT_EQ(r.alarm, c.centile <= 3);
    }
}

// The proportion curve is written for weeks of amenorrhoea: a fetus of the
// week's median weight comes out near the middle of the distribution, not at
// its top as it would if the days of pregnancy were taken for amenorrhoea.
TEST(CustomisedCentile, MedianFetusStaysWithinTheNormalRange) {
    for (int weeks = 24; weeks <= 41; ++weeks) {
        const auto r =
            CENTILE_GARDOSI((weeks - 2) * 7, 64, 163, *theoreticalWeight(weeks), 1, 0, -1);
        ASSERT_EQ(r.status, Status::Computed);
        EXPECT_GT(r.centile, 10) << weeks;
        EXPECT_LT(r.centile, 90) << weeks;
    }
}

TEST(CustomisedCentile, FetusOfExactlyTheExpectedWeightIsAtTheFiftieth) {
    const auto first = CENTILE_GARDOSI(224, 64, 163, 1000, 1, 0, 0);
    const auto exact = CENTILE_GARDOSI(224, 64, 163, double(first.expectedWeight), 1, 0, 0);
    EXPECT_EQ(exact.centile, 50);
}

TEST(CustomisedCentile, PublishedOnlyFromTwentyFourToFortyTwoWeeks) {
    EXPECT_EQ(CENTILE_GARDOSI(140, 64, 163, 500, 1, 0, 0).status, Status::OutOfRange); // 22 SA
    EXPECT_EQ(CENTILE_GARDOSI(150, 64, 163, 500, 1, 0, 0).status, Status::OutOfRange); // 23,4
    EXPECT_EQ(CENTILE_GARDOSI(151, 64, 163, 500, 1, 0, 0).status, Status::Computed);   // 23,6
    EXPECT_EQ(CENTILE_GARDOSI(283, 64, 163, 3500, 1, 0, 0).status, Status::Computed);  // 42,4
    EXPECT_EQ(CENTILE_GARDOSI(284, 64, 163, 3500, 1, 0, 0).status, Status::OutOfRange);
    EXPECT_EQ(CENTILE_GARDOSI(-30, 64, 163, 3500, 1, 0, 0).status, Status::OutOfRange);
}

TEST(CustomisedCentile, ValuesBeyondSixteenBitsAreRefused) {
    EXPECT_EQ(CENTILE_GARDOSI(40000, 64, 163, 3500, 1, 0, 0).status, Status::BadInput);
    EXPECT_EQ(CENTILE_GARDOSI(238, 64, 163, 32768, 1, 0, 0).status, Status::BadInput);
    EXPECT_EQ(CENTILE_GARDOSI(238, 64, 163, 32767, 1, 0, 0).status, Status::Computed);
    EXPECT_EQ(CENTILE_GARDOSI(238, 64, 163, 1e300, 1, 0, 0).status, Status::BadInput);
}

TEST(CustomisedCentile, MissingOrUnknownSelectionsAndTheWeightClamp) {
    auto same = [](const CustomisedCentile& a, const CustomisedCentile& b) {
        return a.expectedWeight == b.expectedWeight && a.centile == b.centile;
    };
    const auto base = [](int sex, int ethnic, int parity) {
        return CENTILE_GARDOSI(238, 64, 163, 2600, sex, ethnic, parity);
    };
    EXPECT_TRUE(same(base(1, 0, -1), base(1, 0, 4))); // no parity: four or more
    EXPECT_TRUE(same(base(1, 0, 12), base(1, 0, 4))); // beyond the list: none
    EXPECT_TRUE(same(base(-1, 0, 0), base(1, 0, 0))); // no sex: female
    EXPECT_TRUE(same(base(1, -1, 0), base(1, 0, 0))); // no ethnic group: European
    EXPECT_TRUE(same(base(1, 10, 0), base(1, 0, 0)));
    EXPECT_FALSE(same(base(0, 0, 0), base(1, 0, 0)));
    // 150 cm: the lowest weight used is 150² × 19.96 / 10000 = 44.91, so 45 kg.
    EXPECT_TRUE(same(CENTILE_GARDOSI(238, 40, 150, 2600, 1, 0, 0),
                     CENTILE_GARDOSI(238, 45, 150, 2600, 1, 0, 0)));
    EXPECT_FALSE(same(CENTILE_GARDOSI(238, 44, 150, 2600, 1, 0, 0),
                      CENTILE_GARDOSI(238, 46, 150, 2600, 1, 0, 0)));
}

TEST(CustomisedCentile, AlarmAtTheThirdCentileOrBelow) {
    int lastAlarm = -1;
    for (int grams = 1500; grams < 2700; ++grams) {
        const auto r = CENTILE_GARDOSI(238, 64, 163, grams, 1, 0, 0);
        EXPECT_EQ(r.alarm, r.centile <= 3);
        if (r.alarm) lastAlarm = r.centile;
    }
    EXPECT_EQ(lastAlarm, 3);
}

TEST(CustomisedCentile, DaysAndWeeksOfAmenorrhoea) {
    EXPECT_EQ(weeksFromDaysText(140), "22");
    EXPECT_EQ(weeksFromDaysText(143), "22,4");
    EXPECT_EQ(weeksFromDaysText(0), "2");
    EXPECT_EQ(weeksFromDaysText(-14), "0");
    EXPECT_EQ(daysFromWeeksText(22.5), "143,5");
    EXPECT_EQ(daysFromWeeksText(22), "140");
    EXPECT_EQ(daysFromWeeksText(22.1), "140,7");
}
