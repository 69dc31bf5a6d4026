// SPDX-License-Identifier: GPL-3.0-or-later
#include "menopause/score_osiris.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "menopause/osiris_about.h"

using namespace tovimar;

TEST(ScoreOsiris, ScoreClassAndBar) {
    struct Case {
        double age, weight;
        bool ths, fracture;
        double raw, score;
        OsirisRisk risk;
        int bar;
    } cases[] = {
        {50, 60, false, false, 2, 2, OsirisRisk::Light, 4},
        {63, 60, false, false, -0.6, -1, OsirisRisk::Intermediate, 7},
        {75, 55, false, false, -4, -4, OsirisRisk::Serious, 10},
        {70, 55, true, false, -1, -1, OsirisRisk::Intermediate, 7},
        {70, 55, false, true, -5, -5, OsirisRisk::Serious, 11},
        {60, 60, false, false, 0, 0, OsirisRisk::Intermediate, 6},
        {70, 60, false, false, -2, -2, OsirisRisk::Intermediate, 8},
        {50, 62.5, false, false, 2.5, 2, OsirisRisk::Light, 4}, // halves to even
        {50, 67.5, false, false, 3.5, 4, OsirisRisk::Light, 2},
        {52.5, 60, false, false, 1.5, 2, OsirisRisk::Light, 4},
        {62.5, 60, false, false, -0.5, 0, OsirisRisk::Intermediate, 6},
        {67.5, 60, false, false, -1.5, -2, OsirisRisk::Intermediate, 8},
        {72.5, 60, false, false, -2.5, -2, OsirisRisk::Intermediate, 8},
        {40, 150, false, false, 22, 22, OsirisRisk::Light, 0},    // bar held at 0
        {90, 30, false, true, -14, -14, OsirisRisk::Serious, 13}, // bar held at 13
        {95, 60, false, false, -7, -7, OsirisRisk::Serious, 13},
    };
    for (const auto& c : cases) {
        const auto s = SCORE_OSIRIS(c.age, c.weight, c.ths, c.fracture);
        ASSERT_TRUE(s);
        EXPECT_NEAR(s->raw, c.raw, 1e-9) << c.age << " " << c.weight;
        EXPECT_EQ(s->score, c.score) << c.age << " " << c.weight;
        EXPECT_EQ(s->risk, c.risk) << c.age << " " << c.weight;
        EXPECT_EQ(s->bar, c.bar) << c.age << " " << c.weight;
    }
}

TEST(ScoreOsiris, ScoresOfExactlyOneAndMinusThreeAreIntermediate) {
    // "> 1 = Normal", "< -3 = Patho", "Entre +1 et -3 évaluer par la DMO": both ends are
    // intermediate, whether the score lands on them exactly or by rounding.
    struct Case {
        double age, weight;
        bool ths, fracture;
        double score;
        int bar;
    } cases[] = {
        {55, 60, false, false, 1, 5},    // exactly 1
        {70, 55, true, true, -3, 9},     // exactly -3
        {57.5, 60, false, false, 0, 6},  // 0,5 -> 0
        {52.6, 60, false, false, 1, 5},  // 1,48 -> 1
        {72.6, 60, false, false, -3, 9}, // -2,52 -> -3
        {73, 60, false, false, -3, 9},   // -2,6 -> -3
        {77.4, 60, false, false, -3, 9}, // -3,48 -> -3
    };
    for (const auto& c : cases) {
        const auto s = SCORE_OSIRIS(c.age, c.weight, c.ths, c.fracture);
        ASSERT_TRUE(s);
        EXPECT_EQ(s->score, c.score) << c.age << " " << c.weight;
        EXPECT_EQ(s->risk, OsirisRisk::Intermediate) << c.age << " " << c.weight;
        EXPECT_EQ(s->bar, c.bar) << c.age << " " << c.weight;
    }
    EXPECT_EQ(osirisRisk(1), OsirisRisk::Intermediate);
    EXPECT_EQ(osirisRisk(-3), OsirisRisk::Intermediate);
    EXPECT_EQ(osirisRisk(2), OsirisRisk::Light);
    EXPECT_EQ(osirisRisk(-4), OsirisRisk::Serious);
}

TEST(ScoreOsiris, AgesAndWeightsOutsidePlausibleLimitsGiveNoScoreButAMessage) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::string age = "L'âge doit être compris entre 15 et 125 ans.";
    const std::string weight = "Le poids doit être compris entre 15 et 400 kilos.";
    struct Case {
        double age, weight;
        std::string message;
    } cases[] = {
        {50, -1, weight},  {50, 1e300, weight}, {1e20, 60, age},    {inf, 60, age},
        {inf, inf, age},   {50, nan, weight},   {2, 60, age},       {-20, 60, age},
        {14.9, 60, age},   {125.1, 60, age},    {50, 14.9, weight}, {50, 400.5, weight},
        {50, 600, weight}, {0, 0, age},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(osirisRefusal(c.age, c.weight), c.message) << c.age << " " << c.weight;
        EXPECT_FALSE(SCORE_OSIRIS(c.age, c.weight, false, false)) << c.age << " " << c.weight;
        EXPECT_FALSE(SCORE_OSIRIS(c.age, c.weight, true, true)) << c.age << " " << c.weight;
    }
    // The limits themselves are plausible and scored.
    for (double a : {15.0, 125.0})
        for (double w : {15.0, 400.0}) {
            EXPECT_EQ(osirisRefusal(a, w), "") << a << " " << w;
            EXPECT_TRUE(SCORE_OSIRIS(a, w, false, false)) << a << " " << w;
        }
}

TEST(ScoreOsiris, AdviceOfEachClass) {
    const OsirisAdvice light = osirisAdvice(OsirisRisk::Light);
    EXPECT_EQ(light.className, "Risque léger");
    EXPECT_EQ(light.scoreBackground, 0x00FF00u);
    EXPECT_EQ(light.picture, 1);
    EXPECT_EQ(light.lines[0].text, "Risque d'ostéoporose léger.");
    EXPECT_EQ(light.lines[0].rgb, 0x0000FFu);
    EXPECT_FALSE(light.lines[2].rgb);
    EXPECT_EQ(light.lines[3].text, "Traitement inutile.");
    EXPECT_FALSE(light.lines[3].underline);

    const OsirisAdvice middle = osirisAdvice(OsirisRisk::Intermediate);
    EXPECT_EQ(middle.className, "Risque intermédiaire");
    EXPECT_EQ(middle.scoreBackground, 0xFFFF00u);
    EXPECT_EQ(middle.picture, 3);
    EXPECT_EQ(middle.lines[0].text, "Risque d'ostéoporose intermediaire.");
    EXPECT_EQ(middle.lines[0].rgb, 0x00C000u);
    EXPECT_EQ(middle.lines[2].text, "L'OSTEODENSITOMETRIE est donc fortement indiquée.");
    EXPECT_EQ(middle.lines[2].rgb, 0xFF0000u);
    EXPECT_TRUE(middle.lines[2].bold);

    const OsirisAdvice serious = osirisAdvice(OsirisRisk::Serious);
    EXPECT_EQ(serious.className, "Risque sérieux");
    EXPECT_EQ(serious.scoreBackground, 0xFF0000u);
    EXPECT_EQ(serious.picture, 2);
    EXPECT_TRUE(serious.lines[0].bold);
    EXPECT_EQ(serious.lines[1].text, "La prise en charge de l'ostéoporose est fortement indiquée.");
    EXPECT_EQ(serious.lines[3].text, "Patiente à confier aux rhumatologues.");
    EXPECT_TRUE(serious.lines[3].underline);
    EXPECT_FALSE(serious.lines[3].bold);
}

TEST(ScoreOsiris, AgeFromBirthCountsCalendarYears) {
    auto on = [](int y, int m, int d) { return VbDate::fromYmd(y, m, d).value(); };
    EXPECT_EQ(osirisAgeFromBirth(on(1950, 6, 15), on(2010, 1, 1)), 60);
    EXPECT_EQ(osirisAgeFromBirth(on(1950, 6, 15), on(2010, 12, 31)), 60);
    EXPECT_EQ(osirisAgeFromBirth(on(2030, 1, 1), on(2010, 1, 1)), -20);
}

TEST(OsirisAbout, FiveEntriesWithTheirMessages) {
    const auto& entries = osirisAboutEntries();
    EXPECT_EQ(entries[0].caption, "But de l'outil");
    EXPECT_NE(entries[0].message.find("risque d''ostéoporose"), std::string::npos);
    EXPECT_EQ(entries[1].caption, "Algorythme de calcul");
    EXPECT_EQ(entries[1].message, "Score OSIRIS =\r\n[ 2 x (Poids /10) ] - [2 x (Age/10) ] + "
                                  "[ 2(siTHS) ] - [ 2(Si Fracture) ]");
    EXPECT_EQ(entries[2].caption, "Methode de validation");
    EXPECT_EQ(entries[2].message.rfind("METHODE DE VALIDATION OSIRIS,\r\n", 0), 0u);
    EXPECT_EQ(entries[3].message.rfind("BIBLIOGRAPHIE\r\n", 0), 0u);
    EXPECT_NE(entries[3].message.find("2004"), std::string::npos);
    EXPECT_EQ(entries[4].caption, "Interprétation");
    EXPECT_EQ(entries[4].message, "INTERPRETATION\r\n> 1 = Normal (Ne rien faire)\r\n"
                                  "< -3 = Patho (Traiter)\r\nEntre +1 et -3 évaluer par la DMO.");
}
