// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/fee_schedule.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace tovimar;

namespace {

std::string defaultLine() {
    return encodeFeeSchedule(defaultFeeSchedule());
}

} // namespace

TEST(FeeSchedule, DefaultsAndTheirLine) {
    const FeeSchedule defaults = defaultFeeSchedule();
    EXPECT_EQ(defaults[0], "20");
    EXPECT_EQ(defaults[19], ""); // the egg retrieval has no default amount
    EXPECT_EQ(defaults[43], "48.58");
    const std::string line = defaultLine();
    EXPECT_EQ(line.rfind("\"20\",\"23\",\"2\",\"2\",\"25,15\",\"19,06\",\"38.40\",", 0), 0u);
    EXPECT_NE(line.find(",\"38.40\",\"\",\"52.25\","), std::string::npos); // field 20 empty
    EXPECT_EQ(line.substr(line.size() - 10), ",\"48.58\"\r\n");
    EXPECT_EQ(line.find(' '), std::string::npos);
}

TEST(FeeSchedule, EveryFieldHasItsOwnControlAndACaption) {
    std::set<std::string_view> controls;
    for (const FeeField& f : feeFields()) {
        EXPECT_TRUE(controls.insert(f.control).second) << f.control;
        EXPECT_FALSE(f.act.empty()) << f.control;
        EXPECT_EQ(f.code.empty(), f.panel == FeePanel::Consultation) << f.control;
        EXPECT_FALSE(feePanelCaption(f.panel).empty());
    }
    EXPECT_EQ(feeFields()[kFeeCs].control, "TxtECs");
    EXPECT_EQ(feeFields()[kFeeMcs].control, "TxtMCS");
    EXPECT_EQ(feeFields()[kFeeMpc].control, "TxtMPC");
}

TEST(FeeSchedule, ConsultationTotals) {
    struct Case {
        const char *cs, *mcs, *mpc, *csMcs, *csMcsMpc;
    } cases[] = {
        {"23", "2", "2", "25", "27"},         {"23,5", "2", "2", "25,5", "27,5"},
        {"23", "2,5", "2", "25", "27"},     // the MCS as a whole number: the half to the even 2
        {"23", "3,5", "0,1", "27", "27,1"}, // 3,5 -> 4; the MPC is taken as it is
        {"23", "2,6", "2", "26", "28"},       {"0", "0", "0", "0", "0"},
        {"23,1", "2", "2,2", "25,1", "27,3"}, {"-23", "2", "2", "-21", "-19"},
    };
    for (const Case& c : cases) {
        const auto totals = consultationTotals(c.cs, c.mcs, c.mpc);
        ASSERT_TRUE(totals.has_value()) << c.cs;
        EXPECT_EQ(totals->csMcs, c.csMcs) << c.cs << " " << c.mcs;
        EXPECT_EQ(totals->csMcsMpc, c.csMcsMpc) << c.cs << " " << c.mcs << " " << c.mpc;
    }
    const std::string tooLong(400, '9'); // beyond any double
    const Case notNumbers[] = {{"23 5", "2", "2", "", ""},
                               {"23", "", "2", "", ""},
                               {"23", "2", "x", "", ""},
                               {tooLong.c_str(), "2", "2", "", ""}};
    for (const Case& c : notNumbers)
        EXPECT_FALSE(consultationTotals(c.cs, c.mcs, c.mpc).has_value()) << c.cs << c.mcs << c.mpc;
}

TEST(FeeSchedule, ReadingAWholeFile) {
    const FeeReading reading = readFeeSchedule(defaultLine());
    EXPECT_TRUE(reading.complete);
    ASSERT_EQ(reading.amounts.size(), kFeeCount);
    EXPECT_EQ(reading.amounts[19], "");
    EXPECT_EQ(reading.amounts[4], "25,15");
    ASSERT_TRUE(reading.totals.has_value());
    EXPECT_EQ(reading.totals->csMcs, "25");
    EXPECT_EQ(reading.totals->csMcsMpc, "27");
}

TEST(FeeSchedule, TheLastCompleteLineWins) {
    FeeSchedule second = defaultFeeSchedule();
    second[kFeeCs] = "23,5";
    second[43] = "50";
    const FeeReading reading = readFeeSchedule(defaultLine() + encodeFeeSchedule(second));
    EXPECT_TRUE(reading.complete);
    EXPECT_EQ(reading.amounts[43], "50");
    EXPECT_EQ(reading.totals->csMcs, "25,5");
    EXPECT_EQ(reading.totals->csMcsMpc, "27,5");
}

TEST(FeeSchedule, AmountsComeBackExactlyAsTyped) {
    FeeSchedule typed = defaultFeeSchedule();
    typed[6] = "38,4";
    typed[7] = "Dépassement \"DE\" 5 €"; // a quote and characters of the code page
    typed[8] = "  12  ";
    typed[9] = "a,b";
    typed[10] = "";
    const FeeReading reading = readFeeSchedule(encodeFeeSchedule(typed));
    ASSERT_TRUE(reading.complete);
    EXPECT_EQ(std::vector<std::string>(typed.begin(), typed.end()), reading.amounts);
}

TEST(FeeSchedule, MissingShortOrDamagedFiles) {
    // Nothing read: the window keeps its amounts and shows the message.
    const FeeReading missing = readFeeSchedule(std::nullopt);
    EXPECT_FALSE(missing.complete);
    EXPECT_TRUE(missing.amounts.empty());
    EXPECT_FALSE(missing.totals.has_value());

    // Fields read before the file stops short still replace the first amounts.
    const FeeReading shortFile = readFeeSchedule("\"21\",\"24\",\"3\"\r\n");
    EXPECT_FALSE(shortFile.complete);
    EXPECT_EQ(shortFile.amounts, (std::vector<std::string>{"21", "24", "3"}));
    EXPECT_FALSE(shortFile.totals.has_value());

    // All 44 fields, but a CS that is not a number: the amounts are shown, not the totals.
    FeeSchedule badCs = defaultFeeSchedule();
    badCs[kFeeCs] = "23 5";
    const FeeReading wrongTotal = readFeeSchedule(encodeFeeSchedule(badCs));
    EXPECT_FALSE(wrongTotal.complete);
    EXPECT_EQ(wrongTotal.amounts.size(), kFeeCount);
    EXPECT_EQ(wrongTotal.amounts[kFeeCs], "23 5");
    EXPECT_FALSE(wrongTotal.totals.has_value());

    for (std::string damaged : {std::string("\x00\x01\x02\xff", 4), std::string("\"20\",\"23"),
                                std::string("\"20\"x,\"23\"")}) {
        const FeeReading reading = readFeeSchedule(damaged);
        EXPECT_FALSE(reading.complete);
        EXPECT_FALSE(reading.totals.has_value());
        EXPECT_LT(reading.amounts.size(), kFeeCount);
    }
}

TEST(FeeSchedule, AnEmptyFileIsNoErrorAndTotalsNothing) {
    for (std::string empty : {"", "\r\n", "  \r\n\r\n"}) {
        const FeeReading reading = readFeeSchedule(empty);
        EXPECT_TRUE(reading.complete);
        EXPECT_TRUE(reading.amounts.empty());
        ASSERT_TRUE(reading.totals.has_value());
        EXPECT_EQ(reading.totals->csMcs, "0");
        EXPECT_EQ(reading.totals->csMcsMpc, "0");
    }
}
