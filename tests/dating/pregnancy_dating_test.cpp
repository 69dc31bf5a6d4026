// SPDX-License-Identifier: GPL-3.0-or-later
#include "dating/pregnancy_dating.h"

#include <gtest/gtest.h>

using namespace tovimar;

namespace {
VbDate d(const char* text) {
    auto date = readFrenchDate(text);
    EXPECT_TRUE(date) << text;
    return date.value_or(VbDate());
}
} // namespace

TEST(PregnancyDating, StartTermAndFullCover) {
    struct Case {
        const char* lmp;
        const char* start;
        const char* term;
        const char* fullCover;
    } cases[] = {
        {"01/01/2010", "15/01/2010", "15/10/2010", "15/06/2010"},
        {"17/05/2011", "31/05/2011", "29/02/2012", "31/10/2011"},
        {"16/05/2010", "30/05/2010", "28/02/2011", "30/10/2010"},
        {"18/12/2010", "01/01/2011", "01/10/2011", "01/06/2011"},
        {"16/09/2011", "30/09/2011", "30/06/2012", "29/02/2012"},
    };
    for (const auto& c : cases) {
        const VbDate start = DEBUT_DEPUIS_DDR(d(c.lmp));
        EXPECT_EQ(start.toText(), c.start);
        EXPECT_EQ(TERME_DEPUIS_DEBUT(start).toText(), c.term) << c.start;
        EXPECT_EQ(DATE_100_POURCENT(start).toText(), c.fullCover) << c.start;
    }
}

TEST(PregnancyDating, AgeInWeeksOfAmenorrhoeaAndItsRounding) {
    struct Case {
        int days;
        const char* text;
        int rounded;
    } cases[] = {
        {0, "2", 2},    {73, "12,3", 12},  {74, "12,4", 13}, {76, "12,6", 13},
        {77, "13", 13}, {-20, "-0,9", -1}, {-3, "1,4", 2},   {-1, "1,6", 2},
        {-7, "1", 1},   {-14, "0", 0},     {280, "42", 42},
    };
    const VbDate start = d("15/01/2010");
    for (const auto& c : cases) {
        const GestationalAge age = AGE_DEPUIS_DEBUT(start, start.plusDays(c.days));
        EXPECT_EQ(age.days, c.days);
        EXPECT_GE(age.rest, 0);
        EXPECT_LE(age.rest, 6);
        EXPECT_EQ(age.text(), c.text) << c.days;
        EXPECT_EQ(SA_ARRONDIE(start, start.plusDays(c.days)), c.rounded) << c.days;
    }
}

TEST(PregnancyDating, MonthsAndDaysCountMonthBoundaries) {
    struct Case {
        const char* start;
        const char* date;
        const char* text;
    } cases[] = {
        {"20/01/2010", "05/03/2010", "2 mois, -15 jours"},
        {"15/01/2010", "18/06/2010", "5 mois, 3 jours"},
        {"15/01/2010", "15/01/2010", "0 mois, 0 jours"},
        {"31/12/2009", "01/01/2010", "1 mois, -30 jours"},
        {"15/03/2010", "10/01/2010", "-2 mois, -5 jours"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MOIS_JOURS(d(c.start), d(c.date)), c.text);
}

TEST(PregnancyDating, DateForAWeekOfAmenorrhoea) {
    EXPECT_EQ(DATE_POUR_SA(d("15/01/2010"), 22).toText(), "04/06/2010");
    EXPECT_EQ(DATE_POUR_SA(d("15/01/2010"), 2).toText(), "15/01/2010");
    EXPECT_EQ(DATE_POUR_SA(d("15/01/2010"), 43).toText(), "29/10/2010");
}
