// SPDX-License-Identifier: GPL-3.0-or-later
#include "fertility/ovarian_response_score.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/french_number.h"

using namespace tovimar;

namespace {

std::string shown(std::optional<double> value) {
    return value ? formatFrenchNumber(*value) : std::string("(vide)");
}

} // namespace

TEST(OvarianResponseDerivedValues, RoundedAsDisplayed) {
    struct Case {
        double a, b;
        bool bmi; // IMC(a, b), else RAPPORT_LH_FSH(a, b)
        const char* text;
    } cases[] = {
        {70, 164, true, "26"},   // 26,026...
        {50, 163, true, "18,8"}, // 18,819...
        {60, 160, true, "23,4"}, // 23,4375
        {64, 160, true, "25"},   // exactly 25
        {68, 162, true, "25,9"}, // 25,91...
        {3, 8, false, "0,38"},   // 0,375: a half, to the even 0,38
        {1, 8, false, "0,12"},   // 0,125 -> 0,12
        {7, 5, false, "1,4"},    // no trailing zero
        {0, 5, false, "0"},      // no LH yet
        {-3, 8, false, "-0,38"}, // pasted sign: still a number
        {8, 3, false, "2,67"},
    };
    for (const auto& c : cases) {
        const auto value = c.bmi ? IMC(c.a, c.b) : RAPPORT_LH_FSH(c.a, c.b);
        EXPECT_EQ(shown(value), c.text) << c.a << " / " << c.b;
    }
}

TEST(OvarianResponseDerivedValues, UndefinedQuotientsAreNotShown) {
    const double huge = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(IMC(70, 0));
    EXPECT_FALSE(IMC(0, 0));
    EXPECT_FALSE(IMC(70, 1e-200)); // the square underflows to 0
    EXPECT_FALSE(IMC(huge, 170));
    EXPECT_FALSE(RAPPORT_LH_FSH(3, 0));
    EXPECT_FALSE(RAPPORT_LH_FSH(0, 0));
    EXPECT_FALSE(RAPPORT_LH_FSH(1e308, 1e-308));
}

TEST(OvarianResponseDerivedValues, AnImplausibleWeightOrHeightGivesNoBmiButAMessage) {
    const std::string weight = "Le poids doit être compris entre 15 et 400 kg.";
    const std::string height = "La taille doit être comprise entre 50 et 250 cm.";
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double weight, height;
        std::string message;
    } cases[] = {
        {70, 1.70, height}, // a height typed in metres: a BMI of 242 214,5 before
        {-1, 170, weight},   {700, 170, weight}, {70, 1700, height}, {70, -170, height},
        {14.9, 170, weight}, {70, 49.9, height}, {nan, 170, weight}, {1e300, 1e300, weight},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(bmiRefusal(c.weight, c.height), c.message) << c.weight << " " << c.height;
        EXPECT_FALSE(IMC(c.weight, c.height)) << c.weight << " " << c.height;
    }
    // The limits themselves are plausible.
    EXPECT_EQ(bmiRefusal(15, 250), "");
    EXPECT_EQ(shown(IMC(15, 250)), "2,4");
    EXPECT_EQ(shown(IMC(400, 50)), "1600");
}

TEST(OvarianResponseScore, CriterionPointsAtTheirLimits) {
    struct Case {
        double age, bmi, lhFsh, fsh;
        int age_, bmi_, fsh_, lhFsh_;
    } cases[] = {
        // Age limits, the other criteria scoring 0.
        {27, 20, 0.5, 5, -1, 0, 0, 0},
        {28, 20, 0.5, 5, 0, 0, 0, 0},
        {35, 20, 0.5, 5, 0, 0, 0, 0},
        {35.9, 20, 0.5, 5, 0, 0, 0, 0}, // a pasted 35,9 counts as 35
        {36, 20, 0.5, 5, 1, 0, 0, 0},
        {38, 20, 0.5, 5, 1, 0, 0, 0},
        {39, 20, 0.5, 5, 2, 0, 0, 0},
        // BMI as displayed.
        {30, 25.8, 0.5, 5, 0, 0, 0, 0},
        {30, 25.9, 0.5, 5, 0, 1, 0, 0},
        // FSH as typed.
        {30, 20, 0.5, 7.59, 0, 0, 0, 0},
        {30, 20, 0.5, 7.6, 0, 0, 1, 0},
        {30, 20, 0.5, 8.99, 0, 0, 1, 0},
        {30, 20, 0.5, 9, 0, 0, 2, 0},
        // LH/FSH as displayed.
        {30, 20, 0.37, 5, 0, 0, 0, 1},
        {30, 20, 0.38, 5, 0, 0, 0, 0},
        {30, 20, 1.39, 5, 0, 0, 0, 0},
        {30, 20, 1.4, 5, 0, 0, 0, -1},
    };
    for (const auto& c : cases) {
        const auto v = SCORE_RO(c.age, c.bmi, c.lhFsh, c.fsh);
        EXPECT_EQ(v.points.age, c.age_) << "age " << c.age;
        EXPECT_EQ(v.points.bmi, c.bmi_) << "bmi " << c.bmi;
        EXPECT_EQ(v.points.fsh, c.fsh_) << "fsh " << c.fsh;
        EXPECT_EQ(v.points.lhFsh, c.lhFsh_) << "ratio " << c.lhFsh;
        EXPECT_EQ(v.total, c.age_ + c.bmi_ + c.fsh_ + c.lhFsh_);
    }
}

TEST(OvarianResponseScore, DisplayedRatioDecidesNotTheExactQuotient) {
    // LH 3, FSH 8: 0,375 shows as 0,38 and scores 0, not 1.
    EXPECT_EQ(SCORE_RO(30, 20, *RAPPORT_LH_FSH(3, 8), 8).points.lhFsh, 0);
    // 25,86 shows as 25,9 and scores 1.
    EXPECT_EQ(SCORE_RO(30, *IMC(68, 162.15), 0.5, 5).points.bmi, 1);
}

TEST(OvarianResponseScore, EveryTotalHasItsVerdictRow) {
    struct Case {
        double age, bmi, lhFsh, fsh;
        int total;
        const char* repond;
        const char* demar;
        bool ago, anta;
        const char* stimAgo;
        const char* stimAnta; // nullptr: left as it is
    } cases[] = {
        {25, 20, 2, 5, -2, "Hyper répondeuse",
         " Aucune experience des Antagonistes, Plutôt Agonistes si LH élevée", true, false,
         "Démarrer avec 100 UI de FSHr", nullptr},
        {25, 20, 0.5, 5, -1, "Hyper répondeuse",
         " Aucune experience des Antagonistes, Plutôt Agonistes si LH élevée", true, false,
         "Démarrer avec 100 UI de FSHr", nullptr},
        {30, 20, 0.5, 5, 0, "Normo répondeuse", " Agonistes ou Antagonistes au choix", true, true,
         "Démarrer avec 150 UI de FSHr", "Démarrer à J2 avec 150 UI de FSHr"},
        {36, 20, 0.5, 5, 1, "Normo répondeuse", " Agonistes ou Antagonistes au choix", true, true,
         "Démarrer avec 200 UI de FSHr", "Démarrer à J2 avec 200 UI de FSHr"},
        {39, 20, 0.5, 5, 2, "Normo répondeuse limite mauvaise répondeuse",
         " Agonistes ou Antagonistes au choix", true, true, "Démarrer avec 300 UI de FSHr",
         "Démarrer à J2 avec 250 UI de FSHr"},
        {39, 26, 0.5, 5, 3, "Hypo répondeuse", " Préfèrer protocole  Antagoniste", true, true,
         "Démarrer avec 300 UI de FSHr", "Démarrer à J2 avec 300 UI de FSHr"},
        {39, 20, 0.5, 9, 4, "Hypo répondeuse", " Préfèrer protocole  Antagoniste", true, true,
         "Démarrer avec 450 UI de FSHr", "Démarrer à J2 avec 300 UI de FSHr"},
        {39, 26, 0.5, 9, 5, "Hypo répondeuse",
         " Préfèrer Antagonistes, oestrogénothérapie préalable", false, true,
         "Démarrer avec 450 UI de FSHr", "Démarrer à J2 avec 300 UI de FSHr"},
        {40, 30, 0.2, 12, 6, "Hypo répondeuse",
         " Préfèrer Antagonistes, oestrogénothérapie préalable", false, true,
         "Démarrer avec 450 UI de FSHr", "Démarrer à J2 avec 300 UI de FSHr"},
    };
    for (const auto& c : cases) {
        const auto v = SCORE_RO(c.age, c.bmi, c.lhFsh, c.fsh);
        EXPECT_EQ(v.total, c.total);
        EXPECT_EQ(v.responseClass, c.repond) << c.total;
        EXPECT_EQ(v.advice, c.demar) << c.total;
        EXPECT_EQ(v.agonistPanelShown, c.ago) << c.total;
        EXPECT_EQ(v.antagonistPanelShown, c.anta) << c.total;
        EXPECT_EQ(v.agonistDose, c.stimAgo) << c.total;
        if (c.stimAnta)
            EXPECT_EQ(v.antagonistDose, std::optional<std::string>(c.stimAnta)) << c.total;
        else
            EXPECT_FALSE(v.antagonistDose) << c.total;
    }
}
