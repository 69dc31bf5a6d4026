// SPDX-License-Identifier: GPL-3.0-or-later
#include "fertility/transfer_score.h"

#include <gtest/gtest.h>

#include <limits>

using namespace tovimar;

TEST(TransferScore, AgeScoreAndVerdict) {
    struct Case {
        double age;
        int score;
        const char* verdict;
    } cases[] = {
        {0, 3, "Bon score"},      {30, 3, "Bon score"},     {30.9, 3, "Bon score"},
        {31, 2, "Score moyen"},   {36, 2, "Score moyen"},   {36.5, 1, "Mauvais score"},
        {37, 1, "Mauvais score"}, {95, 1, "Mauvais score"},
    };
    for (const auto& c : cases) {
        const CriterionScore s = transferAgeScore(c.age);
        EXPECT_EQ(s.score, c.score) << c.age;
        EXPECT_EQ(s.verdict, c.verdict) << c.age;
    }
}

TEST(TransferScore, OvarianResponseRatioIsRoundedBeforeItIsCompared) {
    struct Case {
        double e2, fsh;
        double ratio;
        int score;
        const char* verdict;
    } cases[] = {
        {470, 1000, 0.47, 2, "Score Moyen"},
        {464, 1000, 0.46, 1, "Mauvais score"},
        {474, 1000, 0.47, 2, "Score Moyen"},   // 0,474 compared as 0,47
        {465, 1000, 0.46, 1, "Mauvais score"}, // 0,465: a half, to the even 0,46
        {1124, 1000, 1.12, 2, "Score Moyen"},
        {1125, 1000, 1.12, 2, "Score Moyen"}, // 1,125 -> 1,12
        {1126, 1000, 1.13, 3, "Bon Score"},
        {470, 1000.5, 0.47, 2, "Score Moyen"}, // 1000,5 units are 1000
        {471, 1001.5, 0.47, 2, "Score Moyen"}, // 1001,5 units are 1002
        {1000, 100, 10, 3, "Bon Score"},
    };
    for (const auto& c : cases) {
        const auto ratio = ovarianResponseRatio(c.e2, c.fsh);
        ASSERT_TRUE(ratio) << c.e2;
        EXPECT_DOUBLE_EQ(*ratio, c.ratio) << c.e2 << " / " << c.fsh;
        const CriterionScore s = ovarianResponseScore(*ratio);
        EXPECT_EQ(s.score, c.score) << c.e2 << " / " << c.fsh;
        EXPECT_EQ(s.verdict, c.verdict);
    }
}

TEST(TransferScore, UnitsThatRoundToZeroGiveNoRatio) {
    EXPECT_FALSE(ovarianResponseRatio(470, 0));
    EXPECT_FALSE(ovarianResponseRatio(470, 0.5)); // a half, to the even 0
    EXPECT_FALSE(ovarianResponseRatio(470, -0.4));
    EXPECT_TRUE(ovarianResponseRatio(470, 1.5));
    EXPECT_FALSE(ovarianResponseRatio(std::numeric_limits<double>::infinity(), 1000));
    EXPECT_FALSE(SCORE_TRANSFERT(30, 470, 0, EmbryoQuality::AtLeastOneScore4));
}

TEST(TransferScore, EmbryoQuality) {
    EXPECT_EQ(embryoQualityScore(EmbryoQuality::AtLeastOneScore4).score, 3);
    EXPECT_EQ(embryoQualityScore(EmbryoQuality::AtLeastOneScore4).verdict, "Bon score");
    EXPECT_EQ(embryoQualityScore(EmbryoQuality::AtLeastOneScore3).score, 2);
    EXPECT_EQ(embryoQualityScore(EmbryoQuality::AtLeastOneScore3).verdict, "Score moyen");
    EXPECT_EQ(embryoQualityScore(EmbryoQuality::NoScore4Nor3).score, 1);
    EXPECT_EQ(embryoQualityScore(EmbryoQuality::NoScore4Nor3).verdict, "Mauvais Score");
}

TEST(TransferScore, TotalDecidesTheNumberOfEmbryos) {
    struct Case {
        double age, e2, fsh;
        EmbryoQuality quality;
        int total, embryos;
        const char* verdict;
    } cases[] = {
        {40, 300, 1000, EmbryoQuality::NoScore4Nor3, 3, 4, " Mauvais score"},
        {37, 800, 1000, EmbryoQuality::AtLeastOneScore3, 5, 4, " Mauvais score"},
        {33, 800, 1000, EmbryoQuality::AtLeastOneScore3, 6, 3, "Score moyen"},
        {30, 800, 1000, EmbryoQuality::AtLeastOneScore3, 7, 2, "Bon score"},
        {25, 2000, 1000, EmbryoQuality::AtLeastOneScore4, 9, 2, "Bon score"},
    };
    for (const auto& c : cases) {
        const auto s = SCORE_TRANSFERT(c.age, c.e2, c.fsh, c.quality);
        ASSERT_TRUE(s);
        EXPECT_EQ(s->total, c.total);
        EXPECT_EQ(s->total, s->age.score + s->response.score + s->embryo.score);
        EXPECT_EQ(s->policy.embryos, c.embryos) << c.total;
        EXPECT_EQ(s->policy.verdict, c.verdict) << c.total;
    }
}

TEST(TransferScore, AgeFromBirthCountsCalendarYears) {
    auto on = [](int y, int m, int d) { return VbDate::fromYmd(y, m, d).value(); };
    EXPECT_EQ(transferAgeFromBirth(on(1975, 12, 31), on(2010, 1, 1)), 35);
    EXPECT_EQ(transferAgeFromBirth(on(1975, 1, 1), on(2010, 12, 31)), 35);
    EXPECT_EQ(transferAgeFromBirth(on(2010, 6, 1), on(2010, 1, 1)), 0);  // this year: 0
    EXPECT_EQ(transferAgeFromBirth(on(2012, 6, 1), on(2010, 1, 1)), -2); // in the future
}

TEST(TransferScore, MethodTextLines) {
    const std::string text = transferMethodText();
    EXPECT_EQ(text.substr(0, 16), "              ME");
    EXPECT_NE(text.find("\r\n\r\nSCORE AGE : \r\n  - < 31 ans = 3\r\n"), std::string::npos);
    EXPECT_NE(text.find("  - Aucun E. de score 3 ou 4 : = 1\r\n\r\n\r\nPOLITIQUE"),
              std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 55),
              "      Score de Transfert > 6 : Transfert de 2 Embryons.");
    int lines = 1;
    for (std::size_t i = text.find("\r\n"); i != std::string::npos; i = text.find("\r\n", i + 2))
        ++lines;
    EXPECT_EQ(lines, 25);
}
