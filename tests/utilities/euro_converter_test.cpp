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
        {"1", "6,56"}, // 6,55957 -> 6,5596 -> 6,56
        {"100", "655,96"},
        {"0", "0"},
        {"1,5", "9,84"},
        {"0,01", "0,07"},
        {"61476", "403256,13"}, // 403256,12532 -> ,1253: above the half, not a half
        {"1234567,8945", "8098234,52"},
        {"0,42", "2,76"}, // 2,7550 exactly: the half goes to the even 6
        {"1,51", "9,9"},  // 9,9050 exactly: to the even 0, in its shortest form
        {"35", "229,58"}, // 229,58495 -> ,5850 (even), then ,58|50 -> ,58 (even)
        {"5", "32,8"},    // 32,79785 -> 32,7978 (even) -> 32,80
        {"15", "98,39"},  // 98,39355 -> 98,3936 (even) -> 98,39
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
        {"100", "15,24"},         {"6,56", "1"},
        {"655,957", "100"},       {"1", "0,15"},
        {"0,04", "0,01"},         {"0,03", "0"},
        {"1000000", "152449,02"}, {"12345678,9", "1882086,62"},
        {"-100", "-15,24"},       {"999999999999,9999", "152449017237,41"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FRANCEUROS2(c.typed), c.shown) << c.typed;
}

TEST(EuroConverter, TypedAmountRoundedToFourDecimalsOnItsDigits) {
    // A typed half at the fifth decimal goes to the even neighbour; anything
    // beyond it, however far, makes it more than a half.
    const Case euros[] = {
        {"0,00225", "0,01"},     // 0,0022 -> 0,01443 -> 0,01
        {"0,002250001", "0,02"}, // 0,0023 -> 0,01509 -> 0,02
        {"0,00235", "0,02"},     // 0,0024 (even)
        {"0,00005", "0"},        {"1,0000000000000000000000000000001", "6,56"},
    };
    for (const Case& c : euros)
        EXPECT_EQ(EUROFRANCS2(c.typed), c.shown) << c.typed;
    EXPECT_EQ(FRANCEUROS2("0,09805"), "0,01"); // 0,098 -> 0,0149
    EXPECT_EQ(FRANCEUROS2("0,098050001"), "0,02");
}

TEST(EuroConverter, TextsThatAreNotAmountsGiveNothing) {
    const char* texts[] = {
        "",
        ",",
        " ",
        "-",
        "1.5",
        "1,2,3",
        "abc",
        "12a",
        "1e5",
        "1 000",
        "--1",
        "1,5€",
        "1000000000000",      // thirteen digits before the comma
        "999999999999,99995", // rounds up to thirteen digits
        "1234567890123456",   // overflows a count of ten-thousandths
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
