// SPDX-License-Identifier: GPL-3.0-or-later
#include "t21/patient_letter.h"

#include <algorithm>
#include <cmath>

#include "core/french_number.h"
#include "t21/risk_model.h"

namespace tovimar {

std::optional<T21LetterData> letterFromScreen(const T21Screen& screen) {
    const T21Slots& s = screen.results;
    // The laboratory's combined risk, when given, is the one the letter judges.
    const std::optional<std::string> n =
        screen.state.labCombinedN
            ? letterRiskN(t21NumberText(roundHalfEven(*screen.state.labCombinedN)))
            : letterRiskN(s.afterMorphologyScanN);
    if (!n) return std::nullopt;
    T21LetterData d;
    // The age and the measurements the risks were computed from, not what may
    // have been typed since.
    d.age = screen.state.maternalAge;
    d.nuchalTranslucency = screen.state.ntText;
    d.crl = screen.state.crlText;
    // "Risque à 12,2 SA" over the window's result, "A 12,2 SA" on the letter.
    auto atGestation = [](const std::string& caption) -> std::string {
        const std::string prefix = "Risque à ";
        if (caption.rfind(prefix, 0) != 0) return {};
        return "A " + caption.substr(prefix.size());
    };
    d.ageGestationLabel = atGestation(s.ageAtScanCaption);
    d.nuchalGestationLabel = atGestation(s.nuchalAtScanCaption);
    d.ageAtTerm = s.ageAtTerm;
    d.ageAtScan = s.ageAtScan;
    d.nuchalAtTerm = s.nuchalAtTerm;
    d.nuchalAtScan = s.nuchalAtScan;
    d.serumAtTesting = s.serumAtTesting;
    d.serumAtTerm = s.serumAtTerm;
    d.integratedAtTesting = s.integratedAtTesting;
    d.integratedAtTerm = s.integratedAtTerm;
    d.afterScanShown = screen.state.markerCoefficient != 1;
    d.afterMorphologyScan = s.afterMorphologyScan;
    d.globalN = *n;
    d.laboratoryCombined = s.laboratoryCombined;
    return d;
}

void setLetterConduct(T21LetterData& d, const T21Screen& screen, ScreeningStrategy strategy,
                      long long threshold) {
    d.threshold = threshold;
    d.strategy = strategy;
    const std::optional<ConductRisk> risk = conductRisk(screen, strategy);
    d.conduct = conductBand(risk ? std::optional<double>(risk->n) : std::nullopt,
                            screen.state.nuchalMm, strategy, threshold);
    d.conductN = risk ? t21NumberText(risk->n) : std::string();
}

std::optional<long long> letterThreshold(std::string_view text) {
    const std::optional<double> value = readFrenchNumber(text);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    const double whole = roundHalfEven(*value);
    if (whole < -32768 || whole > 32767) return std::nullopt;
    return static_cast<long long>(whole);
}

std::optional<std::string> letterRiskN(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ')
        ++b;
    while (e > b && text[e - 1] == ' ')
        --e;
    const std::string_view digits = text.substr(b, e - b);
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    std::string n(digits);
    n.erase(0, std::min(n.find_first_not_of('0'), n.size() - 1));
    return n;
}

bool letterRiskIsLow(std::string_view n, long long threshold) {
    // N is a whole number without leading zeros, perhaps beyond 64 bits.
    if (threshold < 0) return true;
    const std::string t = std::to_string(threshold);
    if (n.size() != t.size()) return n.size() > t.size();
    return n > std::string_view(t);
}

std::vector<std::string> adviceLines(bool lowRisk, long long threshold) {
    if (lowRisk)
        return {
            "Ce risque est considéré comme faible car inferieur à 1/" + std::to_string(threshold) +
                ". Bien que faible ce ",
            "risque existe et seul un examen prénatal spécialisé comme l'amniocentèse pourrait ",
            "renseigner avec certitude si l'enfant à venir est trisomique ou pas. Cependant ",
            "l'amniocentèse comporte ses propres risques et en particulier celui de fausse ",
            "couche, que l'on estime aujourd'hui de l'ordre de 1 sur 300 à 1 sur 1\u00a0000. ",
            "Il appartient à vous seule de prendre les risques ou non d'une amniocentèse en "
            "toute ",
            "connaissance de cause."};
    return {"Ce risque est considéré comme relativement élevé mais cela ne signifie en aucun ",
            "cas que votre enfant à naître est trisomique. Seul un examen prénatal spécialisé ",
            "comme l'amniocentèse peut renseigner avec certitude si votre enfant est trisomique ",
            "ou pas. L'amniocentèse vous est donc conseillée puisque le risque est considéré ",
            "comme important. La décision d'amniocentèse n'appartient toutefois qu'à vous même, ",
            "cet examen comportant des risques notamment de fausse couche que l'on estime ",
            "aujourd'hui de l'ordre de 1 sur 300 à 1 sur 1\u00a0000."};
}

} // namespace tovimar
