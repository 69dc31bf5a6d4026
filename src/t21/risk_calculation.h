// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trisomy 21 calculation: from the screen's inputs (age, previous
// trisomy 21, serum risk, CRL, nuchal translucency) to the risk at term and at
// the scan's gestation for each source, the integrated risk and the risk after
// the morphology scan. The state and the result texts go in and come out
// whole, so that one calculation builds on the previous ones as the screen does.

#include <optional>
#include <string>
#include <string_view>

#include "t21/ultrasound_signs.h"

namespace tovimar {

// What one screen remembers between calculations. An empty value counts as 0.
struct T21RiskState {
    std::string maternalAge;
    std::string gaWeeksDays; // gestational age from the CRL, "12,3"; set by the CRL field
    std::string crlText, ntText;
    double termProbability = 0;
    double ageTermN = 0; // rounded
    double termOdds = 0; // not rounded
    double relativeRisk = 0;
    double gaOdds = 0;
    double ageAtGaN = 0; // rounded
    double ntMedian = 0;
    double mom = 0;
    double likelihoodRatio = 0;   // rounded to 3 decimals
    double ntTermN = 0;           // rounded, at least 2
    double ntAtGaN = 0;           // rounded, at least 2
    std::optional<double> serumN; // nothing until a serum risk has been taken
    double serumTermN = 0;
    double integratedN = 0;     // at least 2
    double integratedTermN = 0; // at least 2
    SignFactors markerFactors = kNoSignTicked;
    double markerCoefficient = 1;
    double afterScanN = 0; // not rounded, at least 2 once computed
    double afterScanRounded = 0;
    // The laboratory's first-trimester combined risk (age, nuchal
    // translucency, PAPP-A, free beta-hCG) as typed, N of 1/N; when there is
    // one, the conduct and the letter judge it instead of the program's own.
    std::optional<double> labCombinedN;
    // The nuchal translucency of the last calculation, when it was plausible:
    // at 3.5 mm or more the 2018 strategy offers a karyotype whatever the risk.
    std::optional<double> nuchalMm;
};

// The result texts, as the window shows them (the window maps each to its
// label); a result is shown when its text is not empty.
struct T21Slots {
    std::string ageAtTerm, ageAtScan;                 // age: at term, at the scan's gestation
    std::string ageAtScanCaption;                     // caption over ageAtScan: "Risque à 12,3 SA"
    std::string serumAtTesting, serumAtTerm;          // serum: at 15-18 weeks, at term
    std::string nuchalMedian, nuchalMultipleOfMedian; // nuchal translucency: median, multiple of it
    std::string relativeRisk, likelihoodRatio;        // relative risk, likelihood ratio
    std::string nuchalAtTerm, nuchalAtScan; // translucency with age: at term, at gestation
    std::string nuchalAtScanCaption;        // caption over nuchalAtScan
    std::string integratedAtTesting, integratedAtTerm; // integrated: at 15-18 weeks, at term
    std::string afterMorphologyScan;                   // after the morphology scan
    std::string afterMorphologyScanN;                  // the after-scan N alone, for the letter
    std::string laboratoryCombined;                    // the laboratory's combined risk, "1/180"
};

struct T21Screen {
    T21RiskState state;
    T21Slots results;
};

// The texts of the input fields when "Calcule" is pressed.
struct T21Inputs {
    std::string age;
    bool previousTrisomy21 = false;
    std::string serum;      // N of the laboratory's 1/N risk at 15-18 weeks
    std::string crl;        // mm
    std::string nt;         // nuchal translucency, mm
    std::string combined{}; // N of the laboratory's first-trimester combined risk 1/N
};

enum class T21Failure {
    None,
    AgeMissing,
    AgeAbove50,
    AgeImplausible,
    NuchalTranslucencyMissing,
    NuchalTranslucencyImplausible,
    CrlOutOfRange,
    SerumUnreadable,
    CombinedUnreadable,
};

// What no patient can have: a figure outside these is a typing error, and it
// gives a message instead of a risk. Wide on purpose (a pregnancy at 10 or a
// nuchal translucency of 15 mm are already past anything seen); the upper age
// is the model's own limit, told by its own message.
struct T21Limits {
    static constexpr double kMaternalAgeMin = 10;   // years
    static constexpr double kMaternalAgeMax = 50;   // years, the model's limit
    static constexpr double kNuchalMax = 15;        // mm, above 0
    static constexpr double kSerumNMin = 1;         // N of a 1/N risk
    static constexpr double kSerumNMax = 1'000'000; // laboratories report up to 1/50 000
};

// The message box text of a failure; empty for None.
std::string failureMessage(T21Failure failure);

struct T21Calculation {
    T21Screen screen;
    T21Failure failure = T21Failure::None; // the first met; the calculation goes on
};

// The whole calculation of the "Calcule" button, from the inputs alone: of the
// screen it keeps only what the inputs already set (the gestational age the
// CRL gives, the signs ticked), so that pressing it after any history gives
// what it gives in a fresh window. A result whose input is unusable is empty.
T21Calculation calculateT21Risk(const T21Screen& screen, const T21Inputs& inputs);

// The screen once an input has changed and "Calcule" was not pressed since:
// no result of the previous inputs stays; the gestational age and the signs stay.
T21Screen forgetT21Results(const T21Screen& screen);

// The risk after the morphology scan: the best available risk at term divided
// by the signs' coefficient, never below 1/2; nothing without a risk at term.
// Also runs on every tick.
T21Screen CALCULE_ECHO(T21Screen screen);

// A sign ticked or unticked: its factor, the coefficient, then CALCULE_ECHO.
// An index outside the list changes no factor.
T21Screen tickSign(T21Screen screen, std::size_t index, bool ticked);

// A new CRL text: the gestational age it gives, kept in the state; a text that
// gives none leaves no age in use. Returns the display text ("11,1 S.A." or empty).
std::string enterCrl(T21RiskState& state, std::string_view crlText);

// The maternal age from a date of birth: the year of the examination minus the
// year of birth, a count of calendar years and not of birthdays (born on
// 31/12/1980, seen on 02/01/2010: 30). Nothing while either text is not a date.
std::optional<std::string> maternalAgeFromBirthDate(std::string_view birthDate,
                                                    std::string_view examinationDate);

// The reset of a new patient: no gestational age, no sign ticked, no result
// shown; the other remembered values stay.
T21Screen resetT21Screen(T21Screen screen);

// Which results are shown on red (high risk), judged on the unrounded N of
// each; an empty result is never red. The after-scan result is red only while
// the age result is shown.
struct T21RedResults {
    bool ageAtTerm = false, ageAtScan = false, nuchalAtTerm = false, nuchalAtScan = false;
    bool serumAtTesting = false, serumAtTerm = false, integratedAtTesting = false,
         integratedAtTerm = false;
    bool afterMorphologyScan = false;
};
T21RedResults redResults(const T21Screen& screen);

} // namespace tovimar
