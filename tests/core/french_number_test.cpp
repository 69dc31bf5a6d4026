// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/french_number.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

using namespace tovimar;

TEST(FrenchNumberReader, ReadsTheDecimalCommaOrAFullStopForIt) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"97,5", 97.5}, {"12", 12},     {"0,78", 0.78},   {",5", 0.5},
        {"5,", 5},      {"-3", -3},     {"+4,25", 4.25},  {" 30,6 ", 30.6},
        {"007", 7},     {"12.5", 12.5}, {"420.5", 420.5}, {".5", 0.5},
    };
    for (const auto& c : cases) {
        auto v = readFrenchNumber(c.text);
        ASSERT_TRUE(v) << c.text;
        EXPECT_DOUBLE_EQ(*v, c.value) << c.text;
    }
}

TEST(FrenchNumberReader, RefusesASecondSeparatorGroupingAndGarbage) {
    const char* refused[] = {"",
                             " ",
                             ",",
                             ".",
                             "1,2,3",
                             "1.234,5",
                             "1,5.",
                             "1 234",
                             "1e3",
                             "abc",
                             "12a",
                             "--1",
                             "-",
                             "1\xc2\xa0"
                             "2",
                             "\t"};
    for (const char* text : refused)
        EXPECT_FALSE(readFrenchNumber(text)) << '"' << text << '"';
}

TEST(LeadingNumberReader, ReadsTheLeadingNumberWithAFullStop) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"12.5", 12.5}, {"12,5", 12}, {"  1 2 3", 123}, {"abc", 0},     {"", 0},   {"-4.5mm", -4.5},
        {"3e2", 300},   {"3e", 3},    {".5", 0.5},      {"1.2.3", 1.2}, {"/2", 0}, {"07/", 7},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(readLeadingNumber(c.text), c.value) << c.text;
}

TEST(FrenchNumberWriter, WritesTheShortestFormWithACommaNeverAnExponent) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {8.3, "8,3"},
        {0.78, "0,78"},
        {1634, "1634"},
        {12, "12"},
        {-0.9, "-0,9"},
        {0.1 + 0.2, "0,3"},
        {-0.0, "0"},
        {30.6, "30,6"},
        {1e20, "100000000000000000000"},
        {12.3, "12,3"},
        {2e19 + 4096, "20000000000000000000"},
        {1.5e-7, "0,00000015"},
        {-123456.789, "-123456,789"},
        {0.1234567890123456, "0,123456789012346"},
        {1e15, "1000000000000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatFrenchNumber(c.value), c.text) << c.value;
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    struct Case {
        double value;
        int decimals;
        double rounded;
    } cases[] = {
        {2.5, 0, 2},      {3.5, 0, 4},          {-2.5, 0, -2},           {2.4999, 0, 2},
        {2.5001, 0, 3},   {30.55, 1, 30.6},     {30.65, 1, 30.6},        {0.125, 2, 0.12},
        {0.135, 2, 0.14}, {214.0 / 7, 1, 30.6}, {30.6 * 7 - 14, 0, 200}, {97.5, 0, 98},
        {96.5, 0, 96},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(roundHalfEven(c.value, c.decimals), c.rounded) << c.value;
}

TEST(RoundHalfEven, OnlyTrueDecimalHalvesCountAsHalvesAtEveryMagnitude) {
    // The value is judged as written in decimal; binary noise far below the
    // last digit shown neither makes nor unmakes a half.
    struct Case {
        double value;
        int decimals;
        double rounded;
    } cases[] = {
        {1234567.8945, 2, 1234567.89},   // not a half: ,8945 is below ,895
        {1234567.895, 2, 1234567.9},     // a half, 9 odd: up
        {1234567.885, 2, 1234567.88},    // a half, 8 even: down
        {61476 * 6.55957, 2, 403256.13}, // 403256,12532 francs
        {403256.125, 2, 403256.12},      // a half, 2 even
        {403256.135, 2, 403256.14},      // a half, 3 odd
        {99999999.995, 2, 100000000},    // a half carrying over every digit
        {123456789012.345, 2, 123456789012.34},
        {0.0000125, 6, 0.000012}, // small magnitudes alike
        {0.0000135, 6, 0.000014},
        {0.005, 2, 0}, // half of the last decimal, 0 even
        {0.006, 2, 0.01},
        {0.0004, 2, 0},                  // far below the last decimal
        {-1234567.8945, 2, -1234567.89}, // negatives mirror
        {-0.004, 2, 0},
        {1e20, 2, 1e20},  // past 15 digits there is nothing to round
        {2.675, 2, 2.68}, // stored as 2,67499999..., typed as a half
        {1.0 / 3, 4, 0.3333},
        {15.2449017, 0, 15},
        {1234567.8945, -2, 1234600}, // to hundreds
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(roundHalfEven(c.value, c.decimals), c.rounded)
            << c.value << " to " << c.decimals;
    EXPECT_FALSE(std::signbit(roundHalfEven(-0.004, 2)));
    EXPECT_TRUE(std::isinf(roundHalfEven(HUGE_VAL, 2)));
}

TEST(FrenchNumberReader, ANumberTooLargeForAnyFieldIsNoNumber) {
    const std::string huge(400, '9');
    EXPECT_FALSE(readFrenchNumber(huge));
    EXPECT_FALSE(readFrenchNumber("-" + huge + ",5"));
    EXPECT_EQ(readLeadingNumber(huge), 0);
    EXPECT_EQ(readLeadingNumber("1e9999"), 0);
    // Too small to tell from zero: zero.
    EXPECT_EQ(readFrenchNumber("0," + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(readLeadingNumber("1e-9999"), 0.0);
    EXPECT_DOUBLE_EQ(*readFrenchNumber(std::string(300, '9')), 1e300);
}

// Qt applies the user's locale to the C library; a French one must change nothing.
TEST(FrenchNumbers, ReadAndWriteTheSameUnderAFrenchLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "fr_FR.UTF-8"), nullptr)
        << "the fr_FR.UTF-8 locale is missing: run scripts/install-dependencies.sh";
    const auto value = readFrenchNumber("30,6");
    const double leading = readLeadingNumber("12.5 mm");
    const std::string written = formatFrenchNumber(1234.5);
    const std::string large = formatFrenchNumber(1e20);
    const double rounded = roundHalfEven(214.0 / 7, 1);
    std::setlocale(LC_ALL, previous.c_str());
    ASSERT_TRUE(value);
    EXPECT_EQ(*value, 30.6);
    EXPECT_EQ(leading, 12.5);
    EXPECT_EQ(written, "1234,5");
    EXPECT_EQ(large, "100000000000000000000");
    EXPECT_EQ(rounded, 30.6);
}

#include "core/text_lines.h"

TEST(TextLines, CrAndCrLfBecomeLineFeeds) {
    EXPECT_EQ(toLineFeeds("a\rb\r\n\r\nc\n"), "a\nb\n\nc\n");
    EXPECT_EQ(toLineFeeds(""), "");
}
