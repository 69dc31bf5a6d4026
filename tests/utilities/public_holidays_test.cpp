// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/public_holidays.h"

#include <gtest/gtest.h>

#include <string>

using namespace tovimar;

namespace {

VbDate on(int year, int month, int day) {
    return VbDate::fromYmd(year, month, day).value();
}

// The short Gauss rule whose constants fit 1900 to 2099 only, with its two
// classical exceptions: an independent reference over those years.
VbDate easterOfThe1900s(int y) {
    const int a = y % 19;
    int d = (19 * a + 24) % 30;
    if (d == 29) d = 28;
    if (d == 28 && a > 10) d = 27;
    const int e = (2 * (y % 4) + 4 * (y % 7) + 6 * d + 5) % 7;
    return on(y, 3, 22).plusDays(d + e);
}

} // namespace

TEST(EasterSunday, AgreesWithTheShortRuleFrom1900To2099) {
    for (int year = 1900; year <= 2099; ++year)
        EXPECT_EQ(easterSunday(year), easterOfThe1900s(year)) << year;
}

TEST(EasterSunday, KnownDatesInsideAndOutsideTheTwentiethCenturies) {
    struct Case {
        int year, month, day;
    } cases[] = {
        {2010, 4, 4},  {1981, 4, 19},                // d = 29 taken as 28: not the 26th
        {1954, 4, 18},                               // d = 28 with a > 10 taken as 27: not the 25th
        {2008, 3, 23}, {1943, 4, 25}, {2038, 4, 25}, // the latest possible day
        {1818, 3, 22}, {2285, 3, 22},                // the earliest possible day
        {2100, 3, 28},                               // the short rule would give the 27th
        {2200, 4, 6},  {1800, 4, 13}, {1700, 4, 11}, {1583, 4, 10}, {9999, 3, 28},
    };
    for (const Case& c : cases)
        EXPECT_EQ(easterSunday(c.year), on(c.year, c.month, c.day)) << c.year;
}

TEST(EasterSunday, AlwaysASundayBetween22MarchAnd25April) {
    for (int year = kFirstHolidayYear; year <= kLastHolidayYear; ++year) {
        const VbDate easter = easterSunday(year).value();
        ASSERT_EQ(frenchWeekday(easter), "dimanche") << year;
        ASSERT_GE(easter, on(year, 3, 22)) << year;
        ASSERT_LE(easter, on(year, 4, 25)) << year;
    }
}

TEST(EasterSunday, NoneOutsideTheGregorianYearsOfTheCalendar) {
    for (int year : {-5, 0, 1000, 1582, 10000})
        EXPECT_FALSE(easterSunday(year).has_value()) << year;
    EXPECT_FALSE(JOURS_FERIES(1582).has_value());
    EXPECT_FALSE(JOURS_FERIES(10000).has_value());
}

TEST(PublicHolidays, TheElevenSentencesOf2010) {
    const auto sentences = JOURS_FERIES(2010).value();
    const std::array<std::string, kHolidayCount> expected = {
        "Le jour de l'an est le vendredi 01 janvier 2010",
        "Le lundi de Pâques est le lundi 05 avril 2010",
        "Le fête du travail est le samedi 01 mai 2010",
        "La victoire 1945 est le samedi 08 mai 2010",
        "L'ascension est le jeudi 13 mai 2010",
        "Le lundi de pentecote est le lundi 24 mai 2010",
        "La fête nationale est le mercredi 14 juillet 2010",
        "L'assomption est le dimanche 15 août 2010",
        "La toussaint est le lundi 01 novembre 2010",
        "L'Armistice 1918 est le jeudi 11 novembre 2010",
        "Noël est le samedi 25 décembre 2010",
    };
    EXPECT_EQ(sentences, expected);
}

TEST(PublicHolidays, MovableFeastsFollowEaster) {
    struct Case {
        int year;
        const char* easterMonday;
        const char* ascension;
        const char* pentecostMonday;
    } cases[] = {
        {1981, "lundi 20 avril 1981", "jeudi 28 mai 1981", "lundi 08 juin 1981"},
        {2008, "lundi 24 mars 2008", "jeudi 01 mai 2008", "lundi 12 mai 2008"},
        {2038, "lundi 26 avril 2038", "jeudi 03 juin 2038", "lundi 14 juin 2038"},
        {2100, "lundi 29 mars 2100", "jeudi 06 mai 2100", "lundi 17 mai 2100"},
    };
    for (const Case& c : cases) {
        const auto s = JOURS_FERIES(c.year).value();
        EXPECT_EQ(s[1], std::string("Le lundi de Pâques est le ") + c.easterMonday) << c.year;
        EXPECT_EQ(s[4], std::string("L'ascension est le ") + c.ascension) << c.year;
        EXPECT_EQ(s[5], std::string("Le lundi de pentecote est le ") + c.pentecostMonday) << c.year;
    }
}

TEST(Weekday, LabelOfAnyDate) {
    struct Case {
        VbDate date;
        const char* label;
    } cases[] = {
        {on(2010, 7, 14), "est un mercredi "}, {on(1899, 12, 30), "est un samedi "},
        {on(1900, 1, 1), "est un lundi "},     {on(1899, 12, 29), "est un vendredi "},
        {on(100, 1, 1), "est un vendredi "},   {on(9999, 12, 31), "est un vendredi "},
        {on(2000, 2, 29), "est un mardi "},    {on(2026, 12, 13), "est un dimanche "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JOUR_SEMAINE(c.date), c.label) << c.date.toText();
}

TEST(Weekday, LongDateWritesEveryMonthName) {
    const char* months[] = {"janvier", "février", "mars",      "avril",   "mai",      "juin",
                            "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};
    for (int m = 1; m <= 12; ++m) {
        const std::string text = longFrenchDate(on(2026, m, 5));
        EXPECT_NE(text.find(std::string(" 05 ") + months[m - 1] + " 2026"), std::string::npos)
            << text;
    }
    EXPECT_EQ(longFrenchDate(on(100, 3, 1)), "lundi 01 mars 0100");
}
