// SPDX-License-Identifier: GPL-3.0-or-later
#include "dating/term_settings.h"

#include <gtest/gtest.h>

using namespace tovimar;

TEST(TermSettings, FileRoundTripKeepsADecimalCommaInsideItsQuotes) {
    TermSettings s = TermSettings::editorDefaults();
    s[TermSettings::SerumFirstFrom] = "97,5";
    const std::string bytes = encodeTermSettings(s);
    EXPECT_EQ(bytes, "\"14\",\"7\",\"\",\"\",\"97,5\",\"\",\"\",\"\",\"250\",\"\",\"\"\r\n");
    auto back = decodeTermSettings(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->values, s.values);
}

TEST(TermSettings, EmptyFieldsSaveAsElevenEmptyQuotedValues) {
    TermSettings empty;
    const std::string bytes = encodeTermSettings(empty);
    EXPECT_EQ(bytes, "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
    EXPECT_EQ(decodeTermSettings(bytes)->values, empty.values);
}

TEST(TermSettings, TheSecondOfTwoRecordsIsInForce) {
    auto s =
        decodeTermSettings("1,2,3,4,5,6,7,8,9,10,11\r\n"
                           "\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\",\"h\",\"i\",\"j\",\"k\"\r\n");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->values[0], "a");
    EXPECT_EQ(s->values[10], "k");
    EXPECT_FALSE(decodeTermSettings("1,2,3,4,5,6,7,8,9,10\r\n"));
}

TEST(TermSettings, AnaesthesiaWindowConvertsBetweenDaysAndWeeks) {
    struct Case {
        const char* days;
        const char* weeks;
    } toWeeks[] = {
        {"200", "30,6"}, {"210", "32"}, {"238", "36"}, {"0", "2"}, {"203", "31"},
    };
    for (const auto& c : toWeeks)
        EXPECT_EQ(anaesthesiaDaysToWeeksText(c.days), c.weeks);
    EXPECT_FALSE(anaesthesiaDaysToWeeksText(""));
    EXPECT_FALSE(anaesthesiaDaysToWeeksText("abc"));

    struct Back {
        const char* weeks;
        long long days;
    } toDays[] = {
        {"30,6", 200}, {"32", 210}, {"36", 238}, {"2", 0}, {"30,5", 200}, {"30,7", 201},
    };
    for (const auto& c : toDays)
        EXPECT_EQ(anaesthesiaWeeksToDays(c.weeks), c.days) << c.weeks;
    EXPECT_EQ(anaesthesiaWeeksToDays("32.5"), anaesthesiaWeeksToDays("32,5")); // full stop: comma
    EXPECT_TRUE(anaesthesiaWeeksToDays("32.5"));
    EXPECT_FALSE(anaesthesiaWeeksToDays("3.2,5"));
    EXPECT_FALSE(anaesthesiaWeeksToDays(""));
}

TEST(TermSettings, EveryWholeDayCountSurvivesTheTripThroughWeeks) {
    for (int days = 0; days <= 400; ++days) {
        auto weeks = anaesthesiaDaysToWeeksText(std::to_string(days));
        ASSERT_TRUE(weeks);
        EXPECT_EQ(anaesthesiaWeeksToDays(*weeks), days) << *weeks;
    }
}

TEST(TermSettings, WindowBoundsBecomeWholeDaysRoundedHalfToEven) {
    EXPECT_EQ(windowBoundDays("97"), 97);
    EXPECT_EQ(windowBoundDays("97,5"), 98);
    EXPECT_EQ(windowBoundDays("96,5"), 96);
    EXPECT_EQ(windowBoundDays("96,6"), 97);
    EXPECT_FALSE(windowBoundDays(""));
    EXPECT_FALSE(windowBoundDays("9a"));
    EXPECT_FALSE(windowBoundDays("1e9"));
    EXPECT_FALSE(windowBoundDays("99999999999"));
}

TEST(TermSettings, AShortFileKeepsTheDefaultsForWhatItLacks) {
    const TermSettingsReading reading = readTermSettings("\"16\",\"9\",\"98\"\r\n");
    EXPECT_FALSE(reading.complete);
    EXPECT_EQ(reading.settings[TermSettings::TerminationLimitWeeks], "16");
    EXPECT_EQ(reading.settings[TermSettings::SerumSecondFrom], "98");
    EXPECT_EQ(reading.settings[TermSettings::SerumSecondTo], "");
    EXPECT_EQ(reading.settings[TermSettings::AmniocentesisThreshold], "250");
}

TEST(TermSettings, ANumberTooLargeForItsFieldIsRefusedWithTheFilesMessage) {
    // Value 7 (the anaesthesia window's first day) as a power cut or an editor could leave it.
    const std::string huge(400, '9');
    for (const std::string& value :
         {std::string("250000"), std::string("-100001"), huge, std::string("1") + huge + ",5"}) {
        const std::string bytes = "\"14\",\"7\",\"98\",\"125\",\"77\",\"97\",\"" + value +
                                  "\",\"238\",\"250\",\"77\",\"97\"\r\n";
        const TermSettingsReading reading = readTermSettings(bytes);
        EXPECT_FALSE(reading.complete) << value.substr(0, 12);
        // Refused, not kept to be written back: the editor's default stands in its place.
        EXPECT_EQ(reading.settings[TermSettings::AnaesthesiaFrom], "") << value.substr(0, 12);
        EXPECT_EQ(reading.settings[TermSettings::AnaesthesiaTo], "238");
    }
    // Text that is no number at all is read as it is (the main window stops at it).
    const TermSettingsReading text = readTermSettings(
        "\"14\",\"7\",\"98\",\"125\",\"77\",\"97\",\"x\",\"238\",\"250\",\"77\",\"97\"\r\n");
    EXPECT_TRUE(text.complete);
    EXPECT_EQ(text.settings[TermSettings::AnaesthesiaFrom], "x");
    EXPECT_TRUE(readTermSettings("\"14\",\"7\",\"98\",\"125\",\"77\",\"97\",\"100000\",\"238\","
                                 "\"250\",\"77\",\"97\"\r\n")
                    .complete);
}
