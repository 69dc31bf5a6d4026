// SPDX-License-Identifier: GPL-3.0-or-later
#include "biometry/fetal_weight.h"

#include <gtest/gtest.h>

using namespace tovimar;

TEST(FetalWeight, PublishedFormulas) {
    struct Case {
        double bpd, hc, ac, fl;
        long long shepard, hadlock, dudley;
    } cases[] = {
        {90, 320, 330, 72, 2999, 2998, 2900},
        {90, 320, 330, 72.5, 2999, 3015, 2920},
        {75, 250, 260, 55, 1499, 1365, 1372},
        {75, 250, 240, 55, 1329, 1212, 1196},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(POIDS_SHEPHARD(c.bpd, c.ac), c.shepard) << c.bpd << " " << c.ac;
        EXPECT_EQ(POIDS_HADLOCK(c.hc, c.ac, c.fl), c.hadlock) << c.hc << " " << c.ac;
        EXPECT_EQ(POIDS_DUDLEY(c.hc, c.ac, c.fl), c.dudley) << c.hc << " " << c.ac;
    }
    EXPECT_EQ(gramsText(2998), "2998 g");
}

TEST(FetalWeight, NoWeightIsWrittenWhenTheFormulaOverflows) {
    EXPECT_FALSE(POIDS_HADLOCK(1e6, 0, 0));
    EXPECT_FALSE(POIDS_SHEPHARD(1e6, 0));
    EXPECT_FALSE(POIDS_DUDLEY(1e9, 1e9, 1e9));
    EXPECT_EQ(POIDS_DUDLEY(0, 0, 0), 0);
}

TEST(FetalWeight, TheoreticalWeightOfEachWeek) {
    const long long expected[] = {147,  184,  225,  273,  335,  399,  478,  567,  661,
                                  773,  898,  1011, 1147, 1281, 1444, 1608, 1768, 1939,
                                  2142, 2337, 2502, 2697, 2879, 3069, 3258, 3456};
    for (int week = 16; week <= 41; ++week)
        EXPECT_EQ(theoreticalWeight(week), expected[week - 16]) << week;
    for (int week : {0, 13, 15, 42})
        EXPECT_FALSE(theoreticalWeight(week)) << week;
}

TEST(FetalWeight, RatiosWithTwoDecimals) {
    struct Case {
        double num, den;
        const char* text;
    } cases[] = {
        {45, 40, "1,13"},   {20, 50, "0,40"}, {201, 200, "1,01"}, // 1,005: a half, away from zero
        {1, 3, "0,33"},     {2, 3, "0,67"},   {0, 5, "0,00"},     {5000, 1, "5\u00A0000,00"},
        {-45, 40, "-1,13"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ratioText(c.num, c.den).value_or("?"), c.text) << c.num << "/" << c.den;
    EXPECT_FALSE(ratioText(20, 0));
}
