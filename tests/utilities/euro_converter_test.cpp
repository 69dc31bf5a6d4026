// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/euro_converter.h"

#include <gtest/gtest.h>

#include <string>

using namespace tovimar;

namespace {

struct Case {
    const char* typed;
    const char* shown;
};

} // namespace

TEST(EuroConverter, EurosToFrancs) {
    const Case cases[] = {
        {"1", "6,56"}, // 6,55957
        {"100", "655,96"},
        {"0", "0"},
        {"1,5", "9,84"},
        {"0,01", "0,07"},
        {"61476", "403256,13"},         // 403256,12532
        {"1234567,8945", "8098234,52"}, // 8098234,523725365
        {"0,42", "2,76"},               // 2,7550194
        {"1,51", "9,9"},                // 9,9049507, in its shortest form
        {"35", "229,58"},     // 229,58495: below the half, though ,5850 to four decimals is above
        {"5", "32,8"},        // 32,79785
        {"15", "98,39"},      // 98,39355
        {"500", "3279,79"},   // 3279,785 exactly: a half goes away from zero, not to the even 8
        {"-500", "-3279,79"}, // away from zero on either side
        {"1500", "9839,36"},  // 9839,355 exactly
        {"0,005", "0,03"},    // 0,03279785
        {"1.5", "9,84"},      // a full stop typed for the comma
        {"12,345", "80,98"},
        {" 2 ", "13,12"},
        {"+2", "13,12"},
        {"-1", "-6,56"},
        {"-0,0001", "0"},
        {"000000000000001", "6,56"}, // zeros in front count for nothing
        {"999999999999,9999", "6559570000000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EUROFRANCS2(c.typed), c.shown) << c.typed;
}

TEST(EuroConverter, FrancsToEuros) {
    const Case cases[] = {
        {"100", "15,24"},
        {"6,56", "1"},
        {"655,957", "100"},
        {"1", "0,15"},
        {"0,04", "0,01"},
        {"0,03", "0"},
        {"1000000", "152449,02"},
        {"12345678,9", "1882086,62"},
        {"-100", "-15,24"},
        {"999999999999,9999", "152449017237,41"},
        // 577,51498954...: to four decimals 577,5150, whose half went up to ,52.
        {"3788,25", "577,51"},
        {"3788.25", "577,51"},
        {"-3788,25", "-577,51"},
        {"3788,2501", "577,52"}, // 577,515004...
        {"0,03279785", "0,01"},
        {"-0,03279785", "-0,01"}, // 0,005 exactly: away from zero
        {"0,03279784", "0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FRANCEUROS2(c.typed), c.shown) << c.typed;
}

TEST(EuroConverter, EveryTypedDigitCountsBeforeTheOneRounding) {
    // The typed amount is not rounded first: its last digit, however far, can tip the centime.
    const Case euros[] = {
        {"0,00225", "0,01"},     // 0,0147590325
        {"0,00075", "0"},        // 0,0049196775 (rounded first to 0,0008, it gave 0,01)
        {"0,000762245", "0"},    // 0,0049999994...
        {"0,000762246", "0,01"}, // 0,0050000059...
        {"0,00005", "0"},
        {"1,0000000000000000000000000000001", "6,56"},
        {"999999999999,99995", "6559570000000"}, // twelve digits before the comma
    };
    for (const Case& c : euros)
        EXPECT_EQ(EUROFRANCS2(c.typed), c.shown) << c.typed;
    EXPECT_EQ(FRANCEUROS2("0,09805"), "0,01");   // 0,0149477...
    EXPECT_EQ(FRANCEUROS2("0,0983935"), "0,01"); // 0,014999998...
    EXPECT_EQ(FRANCEUROS2("0,0983936"), "0,02"); // 0,015000013...
}

TEST(EuroConverter, EachCentimeAmountAgreesWithIntegerArithmetic) {
    // n centimes of one currency: the other's centimes are n x 6,55957 (or n / 6,55957)
    // rounded half away from zero, which whole numbers compute exactly.
    for (long long n = 0; n <= 2'000'000; n += 7) {
        std::string typed = std::to_string(n / 100);
        if (n % 100 != 0) typed += "," + std::to_string(n % 100 / 10) + std::to_string(n % 10);
        const long long francs = (2 * n * 655957 + 100000) / 200000;
        const long long euros = (2 * n * 100000 + 655957) / (2 * 655957);
        auto shown = [](long long cents) {
            std::string text = std::to_string(cents / 100);
            if (cents % 100 != 0) {
                text += "," + std::to_string(cents % 100 / 10);
                if (cents % 10 != 0) text += std::to_string(cents % 10);
            }
            return text;
        };
        ASSERT_EQ(EUROFRANCS2(typed), shown(francs)) << typed;
        ASSERT_EQ(FRANCEUROS2(typed), shown(euros)) << typed;
        ASSERT_EQ(FRANCEUROS2("-" + typed), n == 0 || euros == 0 ? "0" : "-" + shown(euros))
            << typed;
    }
}

TEST(EuroConverter, TextsThatAreNotAmountsGiveNothing) {
    const char* texts[] = {
        "",
        ",",
        " ",
        "-",
        "1.5.",
        "1,5.",
        "1,2,3",
        "abc",
        "12a",
        "1e5",
        "1 000",
        "--1",
        "1,5€",
        "1000000000000",    // thirteen digits before the comma
        "-1000000000000,5", // the same, with a sign and decimals
        "1234567890123456",
        "99999999999999999999999999999999999999",
        "\xc3\xa9",
    };
    for (const char* t : texts) {
        EXPECT_EQ(EUROFRANCS2(t), "") << t;
        EXPECT_EQ(FRANCEUROS2(t), "") << t;
    }
}

TEST(EuroConverter, EurosConvertedBackFromFrancsAreTheSameCents) {
    // A cent of francs is less than a sixth of a cent of euros: the way back
    // lands on the amount typed.
    for (int cents = 0; cents <= 300000; cents += 7) {
        std::string euros = std::to_string(cents / 100);
        if (cents % 100 != 0) {
            euros += "," + std::to_string(cents % 100 / 10);
            if (cents % 10 != 0) euros += std::to_string(cents % 10);
        }
        ASSERT_EQ(FRANCEUROS2(EUROFRANCS2(euros)), euros) << euros;
    }
}
