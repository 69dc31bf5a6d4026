// SPDX-License-Identifier: GPL-3.0-or-later
#include "obstetrics/termination_deadlines.h"

#include "obstetrics/calendar_bounds.h"

#include <gtest/gtest.h>

using namespace tovimar;

namespace {
VbDate d(const char* text) {
    auto date = readFrenchDate(text);
    EXPECT_TRUE(date) << text;
    return date.value_or(VbDate());
}
} // namespace

TEST(TerminationDeadlines, DatesCountedInWeeksFromTheStartOfPregnancy) {
    struct Case {
        const char* start;
        const char* w;
        const char* r;
        const char* dateIvg;
        const char* dateRu;
        const char* sem6;
        const char* sem14;
    } cases[] = {
        {"01/03/2010", "10", "5", "10/05/2010", "05/04/2010", "29/03/2010", "24/05/2010"},
        // Today's law: 14 weeks of pregnancy (16 of amenorrhoea), 7 for the medication method.
        {"01/03/2010", "14", "7", "07/06/2010", "19/04/2010", "29/03/2010", "24/05/2010"},
        {"20/12/2025", "14", "7", "28/03/2026", "07/02/2026", "17/01/2026", "14/03/2026"},
        {"15/02/2024", "14", "7", "23/05/2024", "04/04/2024", "14/03/2024", "09/05/2024"},
    };
    for (const auto& c : cases) {
        const TerminationOutcome out = DELAIS_IVG(d(c.start), c.w, c.r, d("01/01/2000"));
        EXPECT_EQ(out.message, "");
        ASSERT_TRUE(out.deadlines) << c.start;
        EXPECT_EQ(out.deadlines->dateIvg, c.dateIvg) << c.start;
        EXPECT_EQ(out.deadlines->dateRu, c.dateRu) << c.start;
        EXPECT_EQ(out.deadlines->weeks.front(), c.sem6) << c.start;
        EXPECT_EQ(out.deadlines->weeks.back(), c.sem14) << c.start;
    }
    const TerminationOutcome out = DELAIS_IVG(d("01/03/2010"), "10", "5", d("01/01/2000"));
    const char* weeks[] = {"29/03/2010", "05/04/2010", "12/04/2010", "19/04/2010", "26/04/2010",
                           "03/05/2010", "10/05/2010", "17/05/2010", "24/05/2010"};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(out.deadlines->weeks[i], weeks[i]) << i + 6 << " SA";
}

TEST(TerminationDeadlines, TheDeadlineDayItselfIsAlreadyOutOfTime) {
    const VbDate start = d("01/03/2010");
    struct Case {
        const char* today;
        bool legalPassed;
        bool medicationPassed;
    } cases[] = {
        {"04/04/2010", false, false}, {"05/04/2010", false, true}, {"09/05/2010", false, true},
        {"10/05/2010", true, true},   {"01/01/2030", true, true},  {"01/01/2000", false, false},
    };
    for (const auto& c : cases) {
        const auto out = DELAIS_IVG(start, "10", "5", d(c.today));
        ASSERT_TRUE(out.deadlines);
        EXPECT_EQ(out.deadlines->legalPassed, c.legalPassed) << c.today;
        EXPECT_EQ(out.deadlines->medicationPassed, c.medicationPassed) << c.today;
    }
}

TEST(TerminationDeadlines, OneWeekMarkerForWhereTodayFalls) {
    struct Case {
        long long days;
        const char* marker;
    } cases[] = {
        {-400, "Picture_6"},  {0, "Picture_6"},     {28, "Picture_6"},    {29, "Picture6_7"},
        {35, "Picture6_7"},   {36, "Picture7_8"},   {43, "Picture8_9"},   {50, "Picture9_10"},
        {57, "Picture10_11"}, {64, "Picture11_12"}, {70, "Picture11_12"}, {71, "Picture12_13"},
        {78, "Picture13_14"}, {84, "Picture13_14"}, {85, "Picture14_"},   {100000, "Picture14_"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(weekMarker(c.days), c.marker) << c.days;
    const VbDate start = d("01/03/2010");
    EXPECT_EQ(DELAIS_IVG(start, "14", "7", start.plusDays(85)).deadlines->marker, "Picture14_");
}

TEST(TerminationDeadlines, MissingLimitsGiveTheirMessages) {
    const VbDate start = d("01/03/2010");
    struct Case {
        const char* w;
        const char* r;
        const char* message;
    } cases[] = {
        {"", "7", "Veuillez saisir des données dans la boîte d'options "},
        {"", "", "Veuillez saisir des données dans la boîte d'options "},
        {"14", "", "Veuillez saisir des données dans la boîte d'options"},
    };
    for (const auto& c : cases) {
        const auto out = DELAIS_IVG(start, c.w, c.r, start);
        EXPECT_EQ(out.message, c.message);
        EXPECT_FALSE(out.deadlines);
    }
}

TEST(TerminationDeadlines, LimitsThatAreNotWholeNumbersStopTheComputationSilently) {
    const VbDate start = d("01/03/2010");
    for (const char* bad : {"14,5", "14.5", "abc", " ", "1 4", "32768", "-32769", "1e3"}) {
        for (const auto& [w, r] : {std::pair{bad, "7"}, std::pair{"14", bad}}) {
            const auto out = DELAIS_IVG(start, w, r, start);
            EXPECT_EQ(out.message, "") << w << " / " << r;
            EXPECT_FALSE(out.deadlines) << w << " / " << r;
        }
    }
    EXPECT_EQ(limitWeeks("14"), 14);
    EXPECT_EQ(limitWeeks(" 14 "), 14);
    EXPECT_EQ(limitWeeks("14,0"), 14);
    EXPECT_EQ(limitWeeks("14.0"), 14); // a full stop reads as the comma
    EXPECT_EQ(limitWeeks("32767"), 32767);
    EXPECT_EQ(limitWeeks("-32768"), -32768);
}

TEST(TerminationDeadlines, DatesBeyondTheCalendarAreRefusedNotShown) {
    // Any date that would leave years 100 to 9999 has no DD/MM/YYYY form.
    EXPECT_FALSE(DELAIS_IVG(d("31/12/9999"), "32767", "7", d("01/01/2000")).deadlines);
    EXPECT_FALSE(DELAIS_IVG(d("01/01/0100"), "14", "-32768", d("01/01/2000")).deadlines);
    EXPECT_FALSE(DELAIS_IVG(d("01/12/9999"), "14", "7", d("01/01/2000")).deadlines);
    const auto last = DELAIS_IVG(d("31/12/9999").plusDays(-98), "14", "7", d("01/01/2000"));
    ASSERT_TRUE(last.deadlines);
    EXPECT_EQ(last.deadlines->dateIvg, "31/12/9999");
    EXPECT_EQ(startFromLmp(d("17/12/9999")), d("31/12/9999"));
    EXPECT_FALSE(startFromLmp(d("18/12/9999")));
    EXPECT_EQ(startFromLmp(d("01/01/2010")), d("15/01/2010"));
}

TEST(TerminationDeadlines, CaptionsAndRedRowsFollowTheLegalLimit) {
    struct Case {
        const char* w;
        bool red;
    } cases[] = {{"10", true},  {"9", true},   {"0", true}, {"11", false},
                 {"12", false}, {"14", false}, {"", false}, {"abc", false}};
    for (const auto& c : cases)
        EXPECT_EQ(lateRowsInRed(c.w), c.red) << c.w;
    EXPECT_EQ(limitCaption("14"), "14 semaines de grossesse");
    EXPECT_EQ(limitCaptionInParentheses("14"), "(14 semaines de grossesse)");
}
