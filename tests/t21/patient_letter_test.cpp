// SPDX-License-Identifier: GPL-3.0-or-later
#include "t21/patient_letter.h"

#include <gtest/gtest.h>

using namespace tovimar;

TEST(T21Letter, ThresholdIsAWholeNumberOfTheSettingsField) {
    struct Case {
        const char* text;
        std::optional<long long> t;
    } cases[] = {
        {"250", 250},       {" 250 ", 250}, {"250,5", 250},         {"251,5", 252},
        {"32767", 32767},   {"32768", {}},  {"-32768", -32768},     {"", {}},
        {"deux cents", {}}, {"250.5", 250}, {"99999999999999", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(letterThreshold(c.text), c.t) << c.text;
}

TEST(T21Letter, OverallRiskIsAWholeNumberOfAnySize) {
    EXPECT_EQ(letterRiskN("347"), "347");
    EXPECT_EQ(letterRiskN("35306"), "35306"); // beyond a 16-bit integer
    EXPECT_EQ(letterRiskN("100000000000000000000"), "100000000000000000000");
    EXPECT_EQ(letterRiskN(""), std::nullopt); // no calculation yet
    EXPECT_EQ(letterRiskN("1/347"), std::nullopt);
    EXPECT_EQ(letterRiskN("-3"), std::nullopt);
}

TEST(T21Letter, LowRiskWhenNIsAboveTheThreshold) {
    struct Case {
        const char* n;
        long long t;
        bool low;
    } cases[] = {
        {"347", 250, true},  {"347", 347, false},  {"346", 347, false},
        {"348", 347, true},  {"35306", 250, true}, {"2", 250, false},
        {"1000", 999, true}, {"999", 1000, false}, {"100000000000000000000", 32767, true},
        {"5", -1, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(letterRiskIsLow(c.n, c.t), c.low) << c.n << " / " << c.t;
}

TEST(T21Letter, AdviceParagraphs) {
    const std::vector<std::string> low = adviceLines(true, 250);
    ASSERT_EQ(low.size(), 7u);
    EXPECT_EQ(low.front(), "Ce risque est considéré comme faible car inferieur à 1/250. Bien que "
                           "faible ce ");
    EXPECT_EQ(low.back(), "connaissance de cause.");
    const std::vector<std::string> high = adviceLines(false, 347);
    ASSERT_EQ(high.size(), 7u);
    EXPECT_EQ(high.front(),
              "Ce risque est considéré comme relativement élevé mais cela ne signifie en aucun ");
    EXPECT_EQ(high.back(), "aujourd'hui de l'ordre de 1 sur 300 à 1 sur 1\u00a0000.");
    // Today's miscarriage risk of amniocentesis, and nothing dated about reimbursement.
    for (const auto* lines : {&low, &high}) {
        std::string text;
        for (const std::string& l : *lines)
            text += l;
        EXPECT_NE(text.find("1 sur 300 à 1 sur 1\u00a0000"), std::string::npos) << text;
        EXPECT_EQ(text.find("1/200"), std::string::npos) << text;
        EXPECT_EQ(text.find("sécurité sociale"), std::string::npos) << text;
    }
}

TEST(T21Letter, ReadFromTheScreenAsItStands) {
    T21Screen screen = resetT21Screen({});
    EXPECT_FALSE(letterFromScreen(screen)); // nothing calculated: nothing to print

    enterCrl(screen.state, "60");
    screen = calculateT21Risk(screen, {"35", false, "1000", "60", "1,5"}).screen;
    const std::optional<T21LetterData> plain = letterFromScreen(screen);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->age, "35");
    EXPECT_EQ(plain->crl, "60");
    EXPECT_EQ(plain->nuchalTranslucency, "1,5");
    EXPECT_EQ(plain->nuchalAtScan, "1/1219");
    EXPECT_EQ(plain->integratedAtTerm, "1/6312");
    EXPECT_EQ(plain->globalN, "6312");
    EXPECT_FALSE(plain->afterScanShown);
    // The age and translucency risks are labelled with the gestation they were computed at.
    EXPECT_EQ(plain->ageGestationLabel, "A 12,2 SA");
    EXPECT_EQ(plain->nuchalGestationLabel, "A 12,2 SA");

    const std::optional<T21LetterData> signed_ = letterFromScreen(tickSign(screen, 2, true));
    ASSERT_TRUE(signed_);
    EXPECT_TRUE(signed_->afterScanShown);
    EXPECT_EQ(signed_->afterMorphologyScan, "1/4208");
    EXPECT_EQ(signed_->globalN, "4208");
}
