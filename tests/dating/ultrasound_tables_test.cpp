// SPDX-License-Identifier: GPL-3.0-or-later
#include "dating/ultrasound_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

using namespace tovimar;

namespace {

struct Range {
    int from, to, weeks;
};

// The charts as printed, range by range.
constexpr Range kBiparietalAlone[] = {
    {26, 29, 14}, {30, 33, 15}, {34, 36, 16}, {37, 40, 17}, {41, 43, 18}, {44, 46, 19},
    {47, 49, 20}, {50, 52, 21}, {53, 55, 22}, {56, 58, 23}, {59, 61, 24}, {62, 64, 25},
    {65, 67, 26}, {68, 70, 27}, {71, 72, 28}, {73, 75, 29}, {76, 77, 30}, {78, 80, 31},
    {81, 82, 32}, {83, 84, 33}, {85, 85, 34}, {86, 87, 35}, {88, 88, 36}, {89, 89, 37},
    {90, 90, 38}, {91, 91, 39}, {92, 93, 40},
};

constexpr Range kFemur[] = {
    {13, 15, 15}, {16, 19, 16}, {20, 22, 17}, {23, 25, 18}, {26, 28, 19}, {29, 30, 20},
    {31, 33, 21}, {34, 39, 22}, {40, 42, 23}, {43, 45, 24}, {46, 47, 25}, {48, 49, 26},
    {50, 52, 27}, {53, 54, 28}, {55, 56, 29}, {57, 59, 30}, {60, 60, 31}, {61, 62, 32},
    {63, 65, 33}, {66, 67, 34}, {68, 68, 35}, {69, 70, 36}, {71, 72, 37}, {73, 74, 38},
    {75, 76, 39}, {77, 77, 40}, {78, 80, 41},
};

} // namespace

TEST(UltrasoundTables, SacGivesDaysFrom3To40Millimetres) {
    // First and last entry of each printed row, and a few in between.
    const std::pair<long long, int> cases[] = {
        {3, 28},  {4, 30},  {10, 37}, {11, 37}, {12, 38}, {13, 38}, {19, 43}, {22, 45},
        {23, 45}, {30, 49}, {31, 51}, {32, 52}, {33, 52}, {38, 55}, {39, 56}, {40, 56},
    };
    for (const auto& [mm, days] : cases)
        EXPECT_EQ(sacDays(mm), days) << mm << " mm";
    for (long long mm : {-5LL, 0LL, 1LL, 2LL, 41LL, 1000LL, 9'000'000'000'000'000'000LL})
        EXPECT_FALSE(sacDays(mm)) << mm << " mm";
}

TEST(UltrasoundTables, SacDaysNeverDecrease) {
    for (long long mm = 4; mm <= 40; ++mm)
        EXPECT_GE(*sacDays(mm), *sacDays(mm - 1)) << mm;
}

TEST(UltrasoundTables, CrownRumpLengthGivesDaysFrom1To85Millimetres) {
    const std::pair<long long, int> cases[] = {
        {1, 32},  {2, 35},   {4, 42},   {5, 42},   {10, 49},  {11, 52}, {20, 60},
        {21, 61}, {30, 70},  {31, 70},  {34, 71},  {36, 74},  {40, 76}, {41, 77},
        {45, 79}, {50, 82},  {51, 82},  {60, 87},  {61, 88},  {70, 93}, {71, 94},
        {80, 99}, {81, 100}, {82, 100}, {84, 101}, {85, 102},
    };
    for (const auto& [mm, days] : cases)
        EXPECT_EQ(crlDays(mm), days) << mm << " mm";
    for (long long mm : {-1LL, 0LL, 86LL, 100LL})
        EXPECT_FALSE(crlDays(mm)) << mm << " mm";
}

TEST(UltrasoundTables, CrownRumpLengthDaysNeverDecrease) {
    for (long long mm = 2; mm <= 85; ++mm)
        EXPECT_GE(*crlDays(mm), *crlDays(mm - 1)) << mm;
}

TEST(UltrasoundTables, BiparietalAloneEveryRangeFrom26To93) {
    for (const Range& r : kBiparietalAlone)
        for (int mm = r.from; mm <= r.to; ++mm)
            EXPECT_EQ(biparietalWeeks(mm, false), r.weeks) << mm << " mm";
    for (long long mm : {-1LL, 0LL, 25LL, 94LL, 95LL, 96LL, 1'000'000LL})
        EXPECT_FALSE(biparietalWeeks(mm, false)) << mm << " mm";
}

TEST(UltrasoundTables, BiparietalWithFemurEndsAt95With41Weeks) {
    // Identical up to 92 mm...
    for (const Range& r : kBiparietalAlone)
        for (int mm = r.from; mm <= std::min(r.to, 92); ++mm)
            EXPECT_EQ(biparietalWeeks(mm, true), r.weeks) << mm << " mm";
    // ...then 93 to 95 mm give 41 weeks.
    EXPECT_EQ(biparietalWeeks(92, true), 40);
    EXPECT_EQ(biparietalWeeks(93, true), 41);
    EXPECT_EQ(biparietalWeeks(94, true), 41);
    EXPECT_EQ(biparietalWeeks(95, true), 41);
    EXPECT_EQ(biparietalWeeks(93, false), 40);
    for (long long mm : {0LL, 25LL, 96LL, 200LL})
        EXPECT_FALSE(biparietalWeeks(mm, true)) << mm;
}

TEST(UltrasoundTables, FemurEveryRangeFrom13To80) {
    for (const Range& r : kFemur)
        for (int mm = r.from; mm <= r.to; ++mm)
            EXPECT_EQ(femurWeeks(mm), r.weeks) << mm << " mm";
    for (long long mm : {-13LL, 0LL, 12LL, 81LL, 95LL})
        EXPECT_FALSE(femurWeeks(mm)) << mm << " mm";
}
