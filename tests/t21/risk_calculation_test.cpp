// SPDX-License-Identifier: GPL-3.0-or-later
#include "t21/risk_calculation.h"

#include <gtest/gtest.h>

using namespace tovimar;

namespace {

// A screen just opened, the CRL typed (the gestational age follows it), then "Calcule".
T21Calculation calculate(const T21Inputs& in, T21Screen screen = resetT21Screen({})) {
    enterCrl(screen.state, in.crl);
    return calculateT21Risk(std::move(screen), in);
}

T21Inputs inputs(std::string age, std::string serum = "", std::string crl = "", std::string nt = "",
                 bool previous = false) {
    return {std::move(age), previous, std::move(serum), std::move(crl), std::move(nt)};
}

} // namespace

TEST(T21Calculation, AgeAloneGivesTheAgeRiskAndTheAfterScanRisk) {
    const T21Calculation c = calculate(inputs("35"));
    EXPECT_EQ(c.failure, T21Failure::None);
    EXPECT_EQ(c.screen.results.ageAtTerm, "1/347");
    EXPECT_EQ(c.screen.results.ageAtScan, "");
    EXPECT_EQ(c.screen.results.afterMorphologyScan, "1/347");
    EXPECT_EQ(c.screen.results.afterMorphologyScanN, "347");
    EXPECT_EQ(c.screen.state.maternalAge, "35");
}

TEST(T21Calculation, AgeLimits) {
    struct Case {
        const char* age;
        T21Failure failure;
        const char* ageT;
    } cases[] = {
        {"50", T21Failure::None, "1/6"},         {"50,5", T21Failure::AgeAbove50, ""},
        {"", T21Failure::AgeMissing, ""},        {"trente", T21Failure::AgeMissing, ""},
        {"0", T21Failure::AgeMissing, ""}, // a date of birth in the examination's year
        {"-3", T21Failure::AgeMissing, ""},      {"2", T21Failure::AgeImplausible, ""},
        {"9,5", T21Failure::AgeImplausible, ""}, {"10", T21Failure::None, "1/1710"},
    };
    for (const Case& c : cases) {
        const T21Calculation r = calculate(inputs(c.age, "1000", "60", "1,5"));
        EXPECT_EQ(r.failure, c.failure) << c.age;
        EXPECT_EQ(r.screen.results.ageAtTerm, c.ageT) << c.age;
        if (c.failure != T21Failure::None) {
            // Only the integrated risk and the after-scan step run: nothing to show.
            EXPECT_EQ(r.screen.results.serumAtTesting, "") << c.age;
            EXPECT_EQ(r.screen.results.nuchalAtTerm, "") << c.age;
            EXPECT_EQ(r.screen.results.afterMorphologyScan, "") << c.age;
        }
    }
}

TEST(T21Calculation, AFailedAgeLeavesNoResultOfThePreviousInputs) {
    const T21Calculation first = calculate(inputs("35", "1000", "60", "1,5"));
    ASSERT_FALSE(first.screen.results.integratedAtTerm.empty());
    const T21Calculation second = calculateT21Risk(first.screen, inputs("51", "500", "60", "3"));
    EXPECT_EQ(second.failure, T21Failure::AgeAbove50);
    const T21Slots& s = second.screen.results;
    for (const std::string* emptied :
         {&s.ageAtTerm, &s.ageAtScan, &s.serumAtTesting, &s.serumAtTerm, &s.nuchalAtTerm,
          &s.nuchalAtScan, &s.integratedAtTesting, &s.integratedAtTerm, &s.afterMorphologyScan,
          &s.afterMorphologyScanN})
        EXPECT_EQ(*emptied, "");
}

// Pressing "Calcule" after any history gives what it gives in a fresh window.
TEST(T21Calculation, ACalculationDependsOnTheInputsAlone) {
    const T21Inputs histories[][2] = {
        {inputs("35", "1000"), inputs("35", "")},
        {inputs("35", "1000"), inputs("35", "0,5")},
        {inputs("35", "1000"), inputs("35", "1/2500")},
        {inputs("35", "1000", "60", "1,5"), inputs("35", "1000", "60", "")},
        {inputs("40", "250", "60", "3"), inputs("35", "1000", "", "")},
        {inputs("35", "", "60", "1,5"), inputs("36", "1000", "60", "1,5")},
    };
    for (const auto& [before, after] : histories) {
        T21Screen screen = calculate(before).screen;
        screen = tickSign(screen, 2, true);
        enterCrl(screen.state, after.crl);
        const T21Calculation again = calculateT21Risk(screen, after);
        T21Screen fresh = resetT21Screen({});
        enterCrl(fresh.state, after.crl);
        fresh = tickSign(fresh, 2, true);
        const T21Calculation expected = calculateT21Risk(fresh, after);
        const std::string label = after.age + " / " + after.serum + " / " + after.nt;
        EXPECT_EQ(again.failure, expected.failure) << label;
        const T21Slots &a = again.screen.results, &e = expected.screen.results;
        EXPECT_EQ(a.ageAtTerm, e.ageAtTerm) << label;
        EXPECT_EQ(a.serumAtTesting, e.serumAtTesting) << label;
        EXPECT_EQ(a.nuchalAtTerm, e.nuchalAtTerm) << label;
        EXPECT_EQ(a.integratedAtTerm, e.integratedAtTerm) << label;
        EXPECT_EQ(a.afterMorphologyScan, e.afterMorphologyScan) << label;
        EXPECT_EQ(a.afterMorphologyScanN, e.afterMorphologyScanN) << label;
    }
}

TEST(T21Calculation, SerumRisk) {
    struct Case {
        const char* serum;
        bool previous;
        const char* sero;
        const char* seroT;
        const char* echo; // the after-scan risk takes the serum risk at term, at least 1/2
        T21Failure failure = T21Failure::None;
    } cases[] = {
        {"1000", false, "1/1000", "1/1270", "1/1270"},
        {"1000", true, "1/227", "1/289", "1/289"}, // 100 / (0.1 + 0.34)
        {"250,5", false, "1/250", "1/318", "1/318"},
        {"250.5", false, "1/250", "1/318", "1/318"}, // a full stop for the comma
        {"1", false, "1/1", "1/1", "1/2"},           // not bounded below
        {"1000000", false, "1/1000000", "1/1270000", "1/1270000"},
        // Below 1 or past any laboratory's figures: no serum risk, and a message.
        {"0,5", false, "", "", "1/347", T21Failure::SerumUnreadable},
        {"0", false, "", "", "1/347", T21Failure::SerumUnreadable},
        {"-100", false, "", "", "1/347", T21Failure::SerumUnreadable},
        {"1/1000", false, "", "", "1/347", T21Failure::SerumUnreadable},
        {"1000001", false, "", "", "1/347", T21Failure::SerumUnreadable},
        {"", false, "", "", "1/347"}, // no serum risk given: nothing to say
    };
    for (const Case& c : cases) {
        const T21Calculation r = calculate(inputs("35", c.serum, "", "", c.previous));
        EXPECT_EQ(r.failure, c.failure) << c.serum;
        EXPECT_EQ(r.screen.results.serumAtTesting, c.sero) << c.serum;
        EXPECT_EQ(r.screen.results.serumAtTerm, c.seroT) << c.serum;
        EXPECT_EQ(r.screen.results.afterMorphologyScan, c.echo) << c.serum;
    }
}

TEST(T21Calculation, NuchalTranslucencyWithAgeAndIntegratedRisk) {
    const T21Calculation c = calculate(inputs("35", "1000", "60", "1,5"));
    const T21Slots& s = c.screen.results;
    EXPECT_EQ(c.failure, T21Failure::None);
    EXPECT_EQ(c.screen.state.gaWeeksDays, "12,2");
    EXPECT_EQ(s.ageAtScanCaption, "Risque à 12,2 SA");
    EXPECT_EQ(s.nuchalAtScanCaption, "Risque à 12,2 SA");
    EXPECT_EQ(s.nuchalMedian, "1,6 mm");
    EXPECT_EQ(s.nuchalMultipleOfMedian, "0,961"); // 1.5 / 1.5609
    EXPECT_EQ(s.relativeRisk, "1,419");
    EXPECT_EQ(s.likelihoodRatio, "0,201");
    // 1 + 346.08 / 0.201; (1 + 346.08 / 1.4188) / 0.201; (1000 - 1) / 0.201
    EXPECT_EQ(s.nuchalAtTerm, "1/1723");
    EXPECT_EQ(s.nuchalAtScan, "1/1219");
    EXPECT_EQ(s.ageAtScan, "1/245");
    EXPECT_EQ(s.integratedAtTesting, "1/4970");
    EXPECT_EQ(s.integratedAtTerm, "1/6312");
    EXPECT_EQ(s.afterMorphologyScan, "1/6312");
}

TEST(T21Calculation, TranslucencyEdges) {
    struct Case {
        const char* crl;
        const char* nt;
        T21Failure failure;
        const char* mom;
        const char* ratio;
        const char* rcnt;
    } cases[] = {
        {"44", "1,5", T21Failure::CrlOutOfRange, "", "", ""},
        {"44,5", "1,5", T21Failure::None, "1,218", "0,426", "1/813"},
        {"85", "1,5", T21Failure::None, "0,78", "0,163", "1/2124"},
        {"86", "1,5", T21Failure::CrlOutOfRange, "", "", ""},
        {"-50", "1,5", T21Failure::CrlOutOfRange, "", "", ""},
        {"", "1,5", T21Failure::CrlOutOfRange, "", "", ""},
        {"45", "0,1", T21Failure::None, "0,78", "0,163", "1/2124"}, // far below the median
        {"45", "6", T21Failure::None, "4,831", "1581531,668", "1/2"},
        {"60", "", T21Failure::NuchalTranslucencyMissing, "", "", ""},
        {"60", "0", T21Failure::NuchalTranslucencyMissing, "", "", ""},
        {"60", "-1", T21Failure::NuchalTranslucencyMissing, "", "", ""},
        {"60", "99999999999", T21Failure::NuchalTranslucencyImplausible, "", "", ""},
        {"60", "15,1", T21Failure::NuchalTranslucencyImplausible, "", "", ""},
        {"60", "1.5", T21Failure::None, "0,961", "0,201", "1/1723"}, // as 1,5
        {"", "", T21Failure::None, "", "", ""}, // nothing measured: nothing asked
    };
    for (const Case& c : cases) {
        const T21Calculation r = calculate(inputs("35", "", c.crl, c.nt));
        const std::string label = std::string(c.crl) + " / " + c.nt;
        EXPECT_EQ(r.failure, c.failure) << label;
        EXPECT_EQ(r.screen.results.nuchalMultipleOfMedian, c.mom) << label;
        EXPECT_EQ(r.screen.results.likelihoodRatio, c.ratio) << label;
        EXPECT_EQ(r.screen.results.nuchalAtTerm, c.rcnt) << label;
        EXPECT_EQ(r.screen.results.ageAtTerm, "1/347") << label;
    }
    // The translucency is judged before the CRL: the first failure met is reported.
    EXPECT_EQ(calculate(inputs("35", "", "30", "")).failure, T21Failure::NuchalTranslucencyMissing);
}

TEST(T21Calculation, NewMeasurementsThatFailForgetThePreviousOnes) {
    const T21Calculation first = calculate(inputs("35", "1000", "60", "2,5"));
    ASSERT_EQ(first.screen.results.nuchalAtTerm, "1/174");
    ASSERT_FALSE(first.screen.results.integratedAtTerm.empty());
    for (const T21Inputs& next :
         {inputs("35", "1000", "40", "2,5"), inputs("35", "1000", "60", "0"),
          inputs("35", "1000", "60", "abc"), inputs("35", "1000", "", "")}) {
        T21Screen screen = first.screen;
        enterCrl(screen.state, next.crl);
        const T21Slots s = calculateT21Risk(screen, next).screen.results;
        const std::string label = next.crl + " / " + next.nt;
        for (const std::string* emptied :
             {&s.nuchalMedian, &s.nuchalMultipleOfMedian, &s.relativeRisk, &s.likelihoodRatio,
              &s.nuchalAtTerm, &s.nuchalAtScan, &s.integratedAtTesting, &s.integratedAtTerm,
              &s.nuchalAtScanCaption})
            EXPECT_EQ(*emptied, "") << label;
        // The after-scan risk falls back on the serum risk, not on the old measurement.
        EXPECT_EQ(s.afterMorphologyScan, "1/1270") << label;
        EXPECT_EQ(s.afterMorphologyScanN, "1270") << label;
    }
}

TEST(T21Calculation, IntegratedRisk) {
    // A serum N of 1 gives 0, raised to 2; at term 1.27 x 2 = 2.54.
    const T21Calculation one = calculate(inputs("35", "1", "60", "1,5"));
    EXPECT_EQ(one.screen.results.integratedAtTesting, "1/2");
    EXPECT_EQ(one.screen.results.integratedAtTerm, "1/3");
    EXPECT_EQ(one.screen.results.afterMorphologyScan, "1/3");

    // A normal scan after a serum risk of 1/10000: far beyond a 16-bit N.
    const T21Calculation low = calculate(inputs("35", "10000", "60", "1,2"));
    EXPECT_EQ(low.screen.results.integratedAtTerm, "1/77906");
    EXPECT_EQ(low.screen.results.afterMorphologyScanN, "77906");
}

TEST(T21Calculation, NoIntegratedRiskWithoutASerumRiskTaken) {
    // A translucency measured without serum, then the age cleared and a serum
    // typed: the serum was never taken, so there is nothing to integrate.
    const T21Calculation first = calculate(inputs("35", "", "60", "1,5"));
    const T21Calculation second = calculateT21Risk(first.screen, inputs("", "1000", "60", "1,5"));
    EXPECT_EQ(second.failure, T21Failure::AgeMissing);
    EXPECT_EQ(second.screen.results.integratedAtTesting, "");
    EXPECT_EQ(second.screen.results.integratedAtTerm, "");
    EXPECT_EQ(second.screen.results.afterMorphologyScan, ""); // no risk of the earlier inputs
}

TEST(T21Calculation, AfterScanRules) {
    struct Case {
        const char* ageT;
        const char* seroT;
        const char* rcnt;
        const char* intT;
        const char* echo;
    } cases[] = {
        // base N: age 300, serum 400, translucency 500, integrated 600; previous after-scan 700
        {"x", "", "", "", "1/150"},    {"x", "x", "", "", "1/200"}, {"x", "", "x", "", "1/250"},
        {"x", "x", "x", "x", "1/300"}, {"x", "x", "x", "", ""}, // none applies: nothing
        {"", "x", "", "", "1/200"},    {"", "", "", "", ""},        {"", "", "", "x", ""},
    };
    for (const Case& c : cases) {
        T21Screen screen;
        screen.state.ageTermN = 300;
        screen.state.serumTermN = 400;
        screen.state.ntTermN = 500;
        screen.state.integratedTermN = 600;
        screen.state.afterScanN = 700;
        screen.state.markerCoefficient = 2;
        screen.results.ageAtTerm = c.ageT;
        screen.results.serumAtTerm = c.seroT;
        screen.results.nuchalAtTerm = c.rcnt;
        screen.results.integratedAtTerm = c.intT;
        screen.results.afterMorphologyScan = "1/350";
        const T21Screen after = CALCULE_ECHO(screen);
        EXPECT_EQ(after.results.afterMorphologyScan, c.echo)
            << c.ageT << "|" << c.seroT << "|" << c.rcnt << "|" << c.intT;
    }
}

TEST(T21Calculation, SignsDivideTheBestRisk) {
    T21Screen screen = calculate(inputs("35")).screen;
    screen = tickSign(screen, 2, true); // short femur
    EXPECT_EQ(screen.results.afterMorphologyScan, "1/231");
    screen = tickSign(screen, 2, false);
    screen = tickSign(screen, 0, true); // nasal bones present
    EXPECT_EQ(screen.results.afterMorphologyScan, "1/1284");
    EXPECT_EQ(screen.state.afterScanRounded, 1284);
    screen = tickSign(screen, 0, false);
    EXPECT_EQ(screen.state.markerCoefficient, 1);
    EXPECT_EQ(screen.results.afterMorphologyScan, "1/347");

    T21Screen old = calculate(inputs("40")).screen;
    old = tickSign(old, 6, true); // nasal bones absent: 97 / 146, never below 1/2
    EXPECT_EQ(old.results.afterMorphologyScan, "1/2");
    EXPECT_EQ(old.results.afterMorphologyScanN, "2");
    EXPECT_EQ(old.state.afterScanN, 2);

    // Ticks before any calculation show nothing.
    const T21Screen fresh = tickSign(resetT21Screen({}), 3, true);
    EXPECT_EQ(fresh.results.afterMorphologyScan, "");
    EXPECT_DOUBLE_EQ(fresh.state.markerCoefficient, 6.7);
}

TEST(T21Calculation, RedFollowsTheUnroundedRisk) {
    // 1/200 both times on screen; only the N at or below 200 is red.
    const T21Calculation above = calculate(inputs("30", "200,4"));
    const T21Calculation below = calculate(inputs("30", "199,6"));
    EXPECT_EQ(above.screen.results.serumAtTesting, "1/200");
    EXPECT_EQ(below.screen.results.serumAtTesting, "1/200");
    EXPECT_FALSE(redResults(above.screen).serumAtTesting);
    EXPECT_TRUE(redResults(below.screen).serumAtTesting);

    const T21RedResults old = redResults(calculate(inputs("40", "", "60", "2,5")).screen);
    EXPECT_TRUE(old.ageAtTerm);
    EXPECT_TRUE(old.ageAtScan);
    EXPECT_TRUE(old.nuchalAtTerm);
    EXPECT_TRUE(old.nuchalAtScan);
    EXPECT_TRUE(old.afterMorphologyScan);
    EXPECT_FALSE(old.serumAtTesting); // empty: never red

    // The after-scan result is red only while the age result is shown.
    T21Screen noAge;
    noAge.state.afterScanN = 50;
    noAge.results.afterMorphologyScan = "1/50";
    EXPECT_FALSE(redResults(noAge).afterMorphologyScan);
    noAge.results.ageAtTerm = "1/347";
    EXPECT_TRUE(redResults(noAge).afterMorphologyScan);
}

TEST(T21Calculation, ACrlThatGivesNoAgeLeavesNoAgeInUse) {
    T21RiskState state;
    EXPECT_EQ(enterCrl(state, "45"), "11,1 S.A.");
    EXPECT_EQ(state.gaWeeksDays, "11,1");
    EXPECT_EQ(enterCrl(state, "-12"), "");
    EXPECT_EQ(state.gaWeeksDays, "");
    EXPECT_EQ(enterCrl(state, "45"), "11,1 S.A.");
    EXPECT_EQ(enterCrl(state, "90"), "");
    EXPECT_EQ(state.gaWeeksDays, "");
    // A full stop typed for the comma reads as the comma: 44.5 mm counts as 44 mm.
    T21RiskState comma, stop;
    EXPECT_EQ(enterCrl(comma, "62,5"), enterCrl(stop, "62.5"));
    EXPECT_EQ(comma.gaWeeksDays, stop.gaWeeksDays);
}

TEST(T21Calculation, ResetForgetsTheGestationAndTheSigns) {
    T21Screen screen = calculate(inputs("35", "1000", "60", "1,5")).screen;
    screen = tickSign(screen, 5, true);
    const T21Screen reset = resetT21Screen(screen);
    EXPECT_EQ(reset.state.gaWeeksDays, "");
    EXPECT_EQ(reset.state.markerCoefficient, 1);
    EXPECT_EQ(reset.state.markerFactors, kNoSignTicked);
    EXPECT_EQ(reset.results.ageAtTerm, "");
    EXPECT_EQ(reset.results.integratedAtTerm, "");
    EXPECT_EQ(reset.results.ageAtScanCaption, "");
    // Other remembered values stay.
    EXPECT_EQ(reset.state.maternalAge, "35");
    EXPECT_EQ(reset.state.ageTermN, 347);

    // Age alone after the reset: no gestational age in use any more.
    const T21Calculation again = calculateT21Risk(reset, inputs("35"));
    EXPECT_EQ(again.screen.results.ageAtScan, "");
    EXPECT_EQ(again.screen.results.afterMorphologyScan, "1/347");
}

TEST(T21Calculation, FailureMessages) {
    EXPECT_EQ(failureMessage(T21Failure::None), "");
    EXPECT_EQ(
        failureMessage(T21Failure::AgeImplausible),
        "L'âge maternel saisi n'est pas plausible : il doit être compris entre 10 et 50 ans.");
    EXPECT_EQ(failureMessage(T21Failure::NuchalTranslucencyImplausible),
              "La clarté nucale saisie n'est pas plausible : elle doit être supérieure à 0 et "
              "d'au plus 15 mm.");
    EXPECT_EQ(failureMessage(T21Failure::SerumUnreadable),
              "Le risque sérologique s'écrit par le nombre N du risque 1/N, compris entre 1 et "
              "1\u00A0000\u00A0000 : aucun risque sérologique ni intégré n'est calculé.");
    EXPECT_EQ(failureMessage(T21Failure::AgeMissing), "Il faut renseigner sur l'âge maternel.");
    EXPECT_EQ(failureMessage(T21Failure::AgeAbove50),
              "L'âge maternel doit être inférieur à 50 ans.");
    EXPECT_EQ(failureMessage(T21Failure::NuchalTranslucencyMissing),
              "Il faut une mesure correcte de la CLARTE NUCALE pour obtenir le risque lié à la "
              "clarté nucale et le risque intégré.");
    EXPECT_EQ(failureMessage(T21Failure::CrlOutOfRange),
              "Vous devez respecter la technique de calcul mise au point par NICOLAIDES et ses "
              "collaborateurs. Pour le calcul du risque lié à la clarté nucale et celui du risque "
              "intégré, ce formulaire ne fonctionnera donc que pour des LCC embryonnaires "
              "comprises entre 45 mm et 84 mm.");
}

TEST(T21Calculation, AgeFromTheBirthDateCountsCalendarYears) {
    struct Case {
        const char* birth;
        const char* exam;
        std::optional<std::string> age;
    } cases[] = {
        {"15/06/1975", "10/03/2010", "35"}, {"31/12/1980", "02/01/2010", "30"},
        {"01/01/80", "31/12/2010", "30"},   {"15/06/2010", "10/03/2010", "0"},
        {"15/06/197", "10/03/2010", {}},    {"15/06/1975", "", {}},
        {"15/06/1975", "hier", {}},         {"31/02/1975", "10/03/2010", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(maternalAgeFromBirthDate(c.birth, c.exam), c.age) << c.birth << " " << c.exam;
}
