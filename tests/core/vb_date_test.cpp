// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/vb_date.h"

#include <gtest/gtest.h>

using namespace tovimar;

TEST(VbDate, SerialNumbersFollowTheOfficeCalendar) {
    struct Case {
        int y, m, d, serial;
    } cases[] = {
        {1899, 12, 30, 0},   {1899, 12, 31, 1},    {1900, 1, 1, 2},      {1900, 3, 1, 61},
        {2000, 1, 6, 36531}, {2010, 1, 15, 40193}, {1800, 1, 1, -36522}, {9999, 12, 31, 2958465},
    };
    for (const auto& c : cases) {
        auto date = VbDate::fromYmd(c.y, c.m, c.d);
        ASSERT_TRUE(date) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(date->serial(), c.serial) << c.y << "-" << c.m << "-" << c.d;
        const YearMonthDay back = date->ymd();
        EXPECT_EQ(back.year, c.y);
        EXPECT_EQ(back.month, c.m);
        EXPECT_EQ(back.day, c.d);
    }
}

TEST(VbDate, RoundTripsEveryDayOverFourCenturies) {
    const VbDate first = *VbDate::fromYmd(1800, 1, 1);
    const VbDate last = *VbDate::fromYmd(2200, 12, 31);
    for (VbDate d = first; d <= last; d = d.plusDays(1)) {
        const YearMonthDay ymd = d.ymd();
        ASSERT_EQ(VbDate::fromYmd(ymd.year, ymd.month, ymd.day), d);
        ASSERT_EQ(readFrenchDate(d.toText()), d) << d.toText();
    }
}

TEST(VbDate, MonthAdditionKeepsTheDayOrTakesTheLastDay) {
    struct Case {
        const char* from;
        int months;
        const char* to;
    } cases[] = {
        {"31/05/2011", 9, "29/02/2012"},  {"31/05/2010", 9, "28/02/2011"},
        {"15/01/2010", 9, "15/10/2010"},  {"31/01/2010", 3, "30/04/2010"},
        {"31/01/2010", 1, "28/02/2010"},  {"29/02/2012", 12, "28/02/2013"},
        {"30/11/2010", 2, "30/01/2011"},  {"15/03/2010", -3, "15/12/2009"},
        {"31/03/2010", -1, "28/02/2010"}, {"31/12/2010", 0, "31/12/2010"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readFrenchDate(c.from)->plusMonths(c.months).toText(), c.to) << c.from;
}

TEST(VbDate, ComposeRollsOverLikeOrdinaryDateComposition) {
    EXPECT_EQ(VbDate::compose(2000, 0, 5).toText(), "05/12/1999");
    EXPECT_EQ(VbDate::compose(2000, 13, 1).toText(), "01/01/2001");
    EXPECT_EQ(VbDate::compose(2010, 2, 31).toText(), "03/03/2010");
    EXPECT_EQ(VbDate::compose(2010, 3, 0).toText(), "28/02/2010");
    EXPECT_EQ(VbDate::compose(2010, -11, 1).toText(), "01/01/2009");
}

TEST(FrenchDateReader, AcceptsTheShortFormsOfTheFrenchConvention) {
    struct Case {
        const char* text;
        const char* date;
    } cases[] = {
        {"15/01/2010", "15/01/2010"}, {"5/1/2010", "05/01/2010"}, {"05/01/10", "05/01/2010"},
        {"1/1/00", "01/01/2000"},     {"31/12/29", "31/12/2029"}, {"01/01/30", "01/01/1930"},
        {"29/02/2012", "29/02/2012"}, {"29/2/12", "29/02/2012"},  {"01/01/99", "01/01/1999"},
    };
    for (const auto& c : cases) {
        auto date = readFrenchDate(c.text);
        ASSERT_TRUE(date) << c.text;
        EXPECT_EQ(date->toText(), c.date) << c.text;
    }
}

TEST(FrenchDateReader, RefusesEverythingElse) {
    const char* refused[] = {
        "",
        "/",
        "//",
        "31/02/2010",
        "29/02/2010",
        "00/01/2010",
        "01/13/2010",
        "01/00/2010",
        " 15/01/2010",
        "15/01/2010 ",
        "15-01-2010",
        "15.01.2010",
        "15/01",
        "15/01/201",
        "15/01/20101",
        "015/01/2010",
        "15/001/2010",
        "a5/01/2010",
        "15/01/2010/",
        "+5/01/2010",
        "15/1/-10",
        "15/01/0099",
        "1/1/1",
        "15 /01/2010",
        "\xc3\xa9/01/2010",
    };
    for (const char* text : refused)
        EXPECT_FALSE(readFrenchDate(text)) << '"' << text << '"';
}

TEST(VbDate, TheCalendarRunsFromTheYear100ToTheYear9999) {
    EXPECT_EQ(VbDate::fromYmd(100, 1, 1)->serial(), VbDate::firstSerial);
    EXPECT_EQ(VbDate::fromYmd(9999, 12, 31)->serial(), VbDate::lastSerial);
    struct Case {
        long long serial;
        bool inside;
    } cases[] = {
        {VbDate::firstSerial, true},
        {VbDate::lastSerial, true},
        {VbDate::firstSerial - 1LL, false},
        {VbDate::lastSerial + 1LL, false},
        {0, true},
        {1LL << 40, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VbDate::inCalendar(c.serial).has_value(), c.inside) << c.serial;
        if (c.inside) {
            EXPECT_TRUE(VbDate(static_cast<int>(c.serial)).inCalendar());
        }
    }
    EXPECT_FALSE(VbDate(VbDate::lastSerial + 1).inCalendar());
    // The ends are written with four-digit years and read back.
    EXPECT_EQ(VbDate(VbDate::firstSerial).toText(), "01/01/0100");
    EXPECT_EQ(VbDate(VbDate::lastSerial).toText(), "31/12/9999");
    EXPECT_EQ(readFrenchDate("01/01/0100"), VbDate(VbDate::firstSerial));
    // Past the end the year has five digits, which no reader takes for a date.
    EXPECT_EQ(VbDate(VbDate::lastSerial + 9).toText(), "09/01/10000");
    EXPECT_FALSE(readFrenchDate(VbDate(VbDate::lastSerial + 9).toText()));
}
