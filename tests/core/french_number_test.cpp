#include "core/french_number.h"

#include <gtest/gtest.h>

using namespace tovimar;

TEST(FrenchNumberReader, ReadsTheDecimalComma) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"97,5", 97.5}, {"12", 12},      {"0,78", 0.78},   {",5", 0.5}, {"5,", 5},
        {"-3", -3},     {"+4,25", 4.25}, {" 30,6 ", 30.6}, {"007", 7},
    };
    for (const auto& c : cases) {
        auto v = readFrenchNumber(c.text);
        ASSERT_TRUE(v) << c.text;
        EXPECT_DOUBLE_EQ(*v, c.value) << c.text;
    }
}

TEST(FrenchNumberReader, RefusesFullStopsGroupingAndGarbage) {
    const char* refused[] = {"",
                             " ",
                             ",",
                             "12.5",
                             "1,2,3",
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

TEST(FrenchNumberWriter, WritesTheShortestFormWithAComma) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {8.3, "8,3"},       {0.78, "0,78"}, {1634, "1634"}, {12, "12"},      {-0.9, "-0,9"},
        {0.1 + 0.2, "0,3"}, {-0.0, "0"},    {30.6, "30,6"}, {1e20, "1E+20"}, {12.3, "12,3"},
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

#include "core/text_lines.h"

TEST(TextLines, CrAndCrLfBecomeLineFeeds) {
    EXPECT_EQ(toLineFeeds("a\rb\r\n\r\nc\n"), "a\nb\n\nc\n");
    EXPECT_EQ(toLineFeeds(""), "");
}
