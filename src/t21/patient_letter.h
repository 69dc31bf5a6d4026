// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trisomy 21 letter handed to the patient: what it prints, read from the
// risk window as it stands, and the advice chosen against the practitioner's
// amniocentesis threshold.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "t21/risk_calculation.h"
#include "t21/screening_conduct.h"
#include "utilities/practice_options.h"

namespace tovimar {

struct T21LetterData {
    PracticeOptions letterhead;
    std::string patientName;
    std::string issued; // the day the document is made, DD/MM/YYYY
    std::string age;    // years, as the calculation took it
    std::string ageAtTerm, ageAtScan;
    // The gestational age the age and translucency risks were computed at, as
    // their frames caption it ("A 12,2 SA"); empty without a CRL.
    std::string ageGestationLabel, nuchalGestationLabel;
    std::string nuchalTranslucency, crl; // mm, the measurement the risks come from
    std::string nuchalAtTerm, nuchalAtScan;
    std::string serumAtTesting, serumAtTerm;
    std::string integratedAtTesting, integratedAtTerm;
    bool afterScanShown = false; // a sign changes the risk: the after-scan section is printed
    std::string afterMorphologyScan;
    std::string globalN;     // the overall risk's N, whole, as text (the laboratory's when given)
    long long threshold = 0; // T: at N <= T the risk counts as high
    std::string laboratoryCombined; // the laboratory's combined risk, "1/180"; empty when not given
    // How the letter advises: the single threshold's paragraphs, or the 2018
    // band's paragraph with the risk at the time of testing it judged.
    ScreeningStrategy strategy = ScreeningStrategy::SingleThreshold;
    std::optional<ConductBand> conduct;
    std::string conductN; // N of the risk the 2018 band judged; empty when none
};

// The results of the risk window as they stand, with the age and the
// measurements they were computed from; no overall risk when there is none.
// The letterhead, the name and the threshold are the caller's.
// With the laboratory's combined risk, the letter states it even without an
// overall risk of the program's own.
std::optional<T21LetterData> letterFromScreen(const T21Screen& screen);

// The strategy in force, the threshold T and the conduct they give.
void setLetterConduct(T21LetterData& letter, const T21Screen& screen, ScreeningStrategy strategy,
                      long long threshold);

// The threshold T from the term settings' text: a number rounded to a whole
// one (halves to even) that fits the settings' 16-bit field; nothing otherwise.
std::optional<long long> letterThreshold(std::string_view text);

// N from the text of the overall risk: a whole number of any size (a serum
// risk of 1/10000 with a normal scan gives more than 32767); nothing when
// there is no overall risk yet.
std::optional<std::string> letterRiskN(std::string_view text);

// N > T: the risk is lower than 1 in T.
bool letterRiskIsLow(std::string_view n, long long threshold);

// The advice paragraph, line by line.
std::vector<std::string> adviceLines(bool lowRisk, long long threshold);

} // namespace tovimar
