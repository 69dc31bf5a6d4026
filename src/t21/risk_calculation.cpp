// SPDX-License-Identifier: GPL-3.0-or-later
#include "t21/risk_calculation.h"

#include <cmath>

#include "core/french_number.h"
#include "core/vb_date.h"
#include "t21/risk_model.h"

namespace tovimar {
namespace {

bool allFinite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

// The serum risk "1 in N" needs N of at least 1: 0 would divide by zero and a
// negative N means nothing; past the limit no laboratory reports.
std::optional<double> serumValue(std::string_view text) {
    const std::optional<double> n = t21Number(text);
    if (!n || *n < T21Limits::kSerumNMin || *n > T21Limits::kSerumNMax) return std::nullopt;
    return n;
}

std::string limitText(double value) {
    std::string digits = formatFrenchNumber(value);
    // Thousands apart, as a French reader expects them in a sentence.
    for (int i = int(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(std::size_t(i), "\u00A0");
    return digits;
}

// Results that come from a nuchal translucency measurement, and the
// integrated risks built on them: emptied when the measurement on screen does
// not give them, so that no later step reads a previous patient's figures.
void forgetTranslucencyResults(T21Slots& s) {
    s.nuchalMedian.clear();
    s.nuchalMultipleOfMedian.clear();
    s.relativeRisk.clear();
    s.likelihoodRatio.clear();
    s.nuchalAtTerm.clear();
    s.nuchalAtScan.clear();
    s.nuchalAtScanCaption.clear();
    s.integratedAtTesting.clear();
    s.integratedAtTerm.clear();
}

struct TranslucencyRisk {
    double median, mom, relativeRisk, likelihoodRatio, termN, atGaN;
};

std::optional<TranslucencyRisk> translucencyRisk(const T21RiskState& st, double crl, double nt) {
    TranslucencyRisk r;
    r.median = MEDIANE_CN(crl);
    // Below 0.78 MoM the likelihood ratio would rise again: 0.78 is its minimum.
    r.mom = std::max(roundHalfEven(nt / r.median, 3), 0.78);
    r.relativeRisk = RISK_RELATIF(t21Number(st.gaWeeksDays).value_or(0));
    r.likelihoodRatio = RAP_VRAIS(r.mom);
    r.termN = std::max(roundHalfEven(1 + st.termOdds / r.likelihoodRatio), 2.0);
    r.atGaN = std::max(roundHalfEven((1 + st.termOdds / r.relativeRisk) / r.likelihoodRatio), 2.0);
    if (!allFinite({r.median, r.mom, r.relativeRisk, r.likelihoodRatio, r.termN, r.atGaN}) ||
        r.likelihoodRatio <= 0 || r.relativeRisk <= 0)
        return std::nullopt;
    return r;
}

std::string gestationCaption(const std::string& weeksDays) {
    return "Risque à " + weeksDays + " SA";
}

} // namespace

std::string failureMessage(T21Failure failure) {
    switch (failure) {
    case T21Failure::None:
        return {};
    case T21Failure::AgeMissing:
        return "Il faut renseigner sur l'âge maternel.";
    case T21Failure::AgeAbove50:
        return "L'âge maternel doit être inférieur à 50 ans.";
    case T21Failure::NuchalTranslucencyMissing:
        return "Il faut une mesure correcte de la CLARTE NUCALE pour obtenir le risque lié à la "
               "clarté nucale et le risque intégré.";
    case T21Failure::AgeImplausible:
        return "L'âge maternel saisi n'est pas plausible : il doit être compris entre " +
               limitText(T21Limits::kMaternalAgeMin) + " et " +
               limitText(T21Limits::kMaternalAgeMax) + " ans.";
    case T21Failure::NuchalTranslucencyImplausible:
        return "La clarté nucale saisie n'est pas plausible : elle doit être supérieure à 0 et "
               "d'au plus " +
               limitText(T21Limits::kNuchalMax) + " mm.";
    case T21Failure::SerumUnreadable:
        return "Le risque sérologique s'écrit par le nombre N du risque 1/N, compris entre " +
               limitText(T21Limits::kSerumNMin) + " et " + limitText(T21Limits::kSerumNMax) +
               " : aucun risque sérologique ni intégré n'est calculé.";
    case T21Failure::CombinedUnreadable:
        return "Le risque combiné du laboratoire s'écrit par le nombre N du risque 1/N, compris "
               "entre " +
               limitText(T21Limits::kSerumNMin) + " et " + limitText(T21Limits::kSerumNMax) +
               " : il n'est pas pris en compte.";
    case T21Failure::CrlOutOfRange:
        return "Vous devez respecter la technique de calcul mise au point par NICOLAIDES et ses "
               "collaborateurs. Pour le calcul du risque lié à la clarté nucale et celui du "
               "risque intégré, ce formulaire ne fonctionnera donc que pour des LCC "
               "embryonnaires comprises entre 45 mm et 84 mm.";
    }
    return {};
}

T21Screen forgetT21Results(const T21Screen& previous) {
    T21Screen screen;
    screen.state.gaWeeksDays = previous.state.gaWeeksDays;
    screen.state.markerFactors = previous.state.markerFactors;
    screen.state.markerCoefficient = previous.state.markerCoefficient;
    return screen;
}

T21Calculation calculateT21Risk(const T21Screen& previous, const T21Inputs& in) {
    T21Screen screen = forgetT21Results(previous);
    T21RiskState& st = screen.state;
    T21Slots& s = screen.results;
    T21Failure failure = T21Failure::None;
    auto fail = [&](T21Failure f) {
        if (failure == T21Failure::None) failure = f;
    };

    // Steps 1 to 7 need a maternal age of more than 0 and at most 50 years.
    const std::optional<double> age = t21Number(in.age);
    if (!age || *age <= 0) {
        fail(T21Failure::AgeMissing);
    } else if (*age > T21Limits::kMaternalAgeMax) {
        fail(T21Failure::AgeAbove50);
    } else if (*age < T21Limits::kMaternalAgeMin) {
        fail(T21Failure::AgeImplausible);
    } else {
        st.maternalAge = in.age;
        const AgeTermRisk term = ODDS_AGETERME(*age, in.previousTrisomy21);
        st.termProbability = term.probability;
        st.ageTermN = term.n;
        st.termOdds = term.odds;
        s.ageAtTerm = riskText(st.ageTermN);

        // The age risk at the scan's gestation, when the CRL gave one.
        if (const std::optional<double> ga = t21Number(st.gaWeeksDays); ga && *ga < 41) {
            st.relativeRisk = RISK_RELATIF(*ga);
            st.gaOdds = st.termOdds / st.relativeRisk;
            st.ageAtGaN = roundHalfEven(1 + st.gaOdds);
            s.ageAtScan = riskText(st.ageAtGaN);
            s.ageAtScanCaption = gestationCaption(st.gaWeeksDays);
        } else {
            s.ageAtScan.clear();
        }

        // The laboratory's risk at 15-18 weeks; a previous trisomy 21 adds
        // 0.34 percentage points to it. At term the risk is 1.27 times lower.
        if (const std::optional<double> x = serumValue(in.serum)) {
            const double serumN = in.previousTrisomy21 ? 100 / (100 / *x + 0.34) : *x;
            const double serumTermN = 1.27 * serumN;
            if (allFinite({serumN, serumTermN})) {
                st.serumN = serumN;
                st.serumTermN = serumTermN;
                s.serumAtTesting = riskText(serumN);
                s.serumAtTerm = riskText(serumTermN);
            }
        }

        st.crlText = in.crl;
        st.ntText = in.nt;
        const std::optional<double> nt = t21Number(in.nt);
        if (in.crl.empty() && in.nt.empty()) {
            forgetTranslucencyResults(s);
        } else if (!nt || *nt <= 0) {
            // A translucency of 0 would get the most reassuring ratio of all.
            forgetTranslucencyResults(s);
            fail(T21Failure::NuchalTranslucencyMissing);
        } else if (*nt > T21Limits::kNuchalMax) {
            forgetTranslucencyResults(s);
            fail(T21Failure::NuchalTranslucencyImplausible);
        } else if (const std::optional<double> crl = t21Number(in.crl);
                   !crl || !(*crl > 44 && *crl < 86)) {
            forgetTranslucencyResults(s);
            fail(T21Failure::CrlOutOfRange);
        } else if (const std::optional<TranslucencyRisk> r = translucencyRisk(st, *crl, *nt)) {
            st.ntMedian = r->median;
            st.mom = r->mom;
            st.relativeRisk = r->relativeRisk;
            st.likelihoodRatio = r->likelihoodRatio;
            st.ntTermN = r->termN;
            st.ntAtGaN = r->atGaN;
            s.nuchalMedian = t21NumberText(roundHalfEven(st.ntMedian, 1)) + " mm";
            s.nuchalMultipleOfMedian = t21NumberText(st.mom);
            s.relativeRisk = t21NumberText(roundHalfEven(st.relativeRisk, 3));
            s.likelihoodRatio = t21NumberText(st.likelihoodRatio);
            s.nuchalAtTerm = riskText(st.ntTermN);
            s.nuchalAtScan = riskText(st.ntAtGaN);
            s.nuchalAtScanCaption = gestationCaption(st.gaWeeksDays);
        } else {
            // A translucency so far out that the risk cannot be computed.
            forgetTranslucencyResults(s);
            fail(T21Failure::NuchalTranslucencyMissing);
        }
        if (!in.serum.empty() && !serumValue(in.serum)) fail(T21Failure::SerumUnreadable);
    }

    // The laboratory's combined risk is taken as it is, whatever the age typed
    // (the laboratory has its own); so is a plausible translucency, for the
    // conduct.
    if (const std::optional<double> x = serumValue(in.combined)) {
        st.labCombinedN = *x;
        s.laboratoryCombined = riskText(*x);
    } else if (!in.combined.empty()) {
        fail(T21Failure::CombinedUnreadable);
    }
    if (const std::optional<double> nt = t21Number(in.nt);
        nt && *nt > 0 && *nt <= T21Limits::kNuchalMax)
        st.nuchalMm = *nt;

    // The integrated risk: the serum risk divided by the translucency's
    // likelihood ratio (Hutchon), from the values the state holds.
    if (t21Number(s.nuchalMultipleOfMedian) && serumValue(in.serum) && st.serumN) {
        st.likelihoodRatio = RAP_VRAIS(st.mom);
        const double integratedN = std::max((*st.serumN - 1) / st.likelihoodRatio, 2.0);
        const double integratedTermN = std::max(1.27 * integratedN, 2.0);
        if (allFinite({integratedN, integratedTermN})) {
            st.integratedN = integratedN;
            st.integratedTermN = integratedTermN;
            s.integratedAtTesting = riskText(integratedN);
            s.integratedAtTerm = riskText(integratedTermN);
        }
    }

    return {CALCULE_ECHO(std::move(screen)), failure};
}

T21Screen CALCULE_ECHO(T21Screen screen) {
    T21RiskState& st = screen.state;
    T21Slots& s = screen.results;
    const double c = st.markerCoefficient;
    auto take = [&](double baseN) {
        st.afterScanN = baseN / c;
        st.afterScanRounded = roundHalfEven(st.afterScanN);
        s.afterMorphologyScan = riskText(st.afterScanRounded);
        s.afterMorphologyScanN = t21NumberText(st.afterScanRounded);
    };
    // The best risk at term available; a later rule overrides an earlier one.
    bool taken = false;
    auto takeBase = [&](double baseN) {
        take(baseN);
        taken = true;
    };
    if (s.serumAtTerm.empty() && s.nuchalAtTerm.empty() && !s.ageAtTerm.empty())
        takeBase(st.ageTermN);
    if (!s.serumAtTerm.empty() && s.nuchalAtTerm.empty()) takeBase(st.serumTermN);
    if (s.serumAtTerm.empty() && !s.nuchalAtTerm.empty()) takeBase(st.ntTermN);
    if (!s.integratedAtTerm.empty()) takeBase(st.integratedTermN);
    if (!taken || (s.ageAtTerm.empty() && s.nuchalAtTerm.empty() && s.serumAtTerm.empty())) {
        // No risk at term to start from (or only an earlier screen's): nothing after the scan.
        st.afterScanN = 0;
        st.afterScanRounded = 0;
        s.afterMorphologyScan.clear();
        s.afterMorphologyScanN.clear();
        return screen;
    }
    if (st.afterScanN < 2) {
        st.afterScanN = 2;
        st.afterScanRounded = 2;
        s.afterMorphologyScan = "1/2";
        s.afterMorphologyScanN = "2";
    }
    return screen;
}

T21Screen tickSign(T21Screen screen, std::size_t index, bool ticked) {
    if (index < kSignCount) screen.state.markerFactors[index] = signFactor(index, ticked);
    screen.state.markerCoefficient = markerCoefficient(screen.state.markerFactors);
    return CALCULE_ECHO(std::move(screen));
}

std::string enterCrl(T21RiskState& state, std::string_view crlText) {
    const std::optional<CrlGestationalAge> age = AGE_GESTA_LCC(crlText);
    if (!age) {
        state.gaWeeksDays.clear();
        return {};
    }
    state.gaWeeksDays = age->weeksDays;
    return age->display();
}

std::optional<std::string> maternalAgeFromBirthDate(std::string_view birthDate,
                                                    std::string_view examinationDate) {
    const std::optional<VbDate> birth = readFrenchDate(birthDate);
    const std::optional<VbDate> exam = readFrenchDate(examinationDate);
    if (!birth || !exam) return std::nullopt;
    return std::to_string(exam->year() - birth->year());
}

T21Screen resetT21Screen(T21Screen screen) {
    screen.state.gaWeeksDays.clear();
    screen.state.markerFactors = kNoSignTicked;
    screen.state.markerCoefficient = 1;
    screen.results = T21Slots{};
    return screen;
}

T21RedResults redResults(const T21Screen& screen) {
    const T21RiskState& st = screen.state;
    const T21Slots& s = screen.results;
    auto red = [](const std::string& text, double n) { return !text.empty() && isHighRisk(n); };
    T21RedResults r;
    r.ageAtTerm = red(s.ageAtTerm, st.ageTermN);
    r.ageAtScan = red(s.ageAtScan, st.ageAtGaN);
    r.nuchalAtTerm = red(s.nuchalAtTerm, st.ntTermN);
    r.nuchalAtScan = red(s.nuchalAtScan, st.ntAtGaN);
    r.serumAtTesting = red(s.serumAtTesting, st.serumN.value_or(0));
    r.serumAtTerm = red(s.serumAtTerm, st.serumTermN);
    r.integratedAtTesting = red(s.integratedAtTesting, st.integratedN);
    r.integratedAtTerm = red(s.integratedAtTerm, st.integratedTermN);
    r.afterMorphologyScan = red(s.afterMorphologyScan, st.afterScanN) && !s.ageAtTerm.empty();
    return r;
}

} // namespace tovimar
