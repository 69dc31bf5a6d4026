// SPDX-License-Identifier: GPL-3.0-or-later
#include "t21/risk_model.h"

#include <charconv>
#include <cmath>

#include "core/french_number.h"

namespace tovimar {

AgeTermRisk ODDS_AGETERME(double maternalAge, bool previousTrisomy21) {
    // Cuckle's curve of the risk at term by maternal age, with the constant
    // floor of the youngest mothers; a previous trisomy 21 adds 0.34 %.
    AgeTermRisk r;
    r.probability = std::exp(-16.1992104 + 0.2892432 * maternalAge) + 0.0005831;
    const double q = previousTrisomy21 ? r.probability + 0.0034 : r.probability;
    r.n = roundHalfEven(1 / q);
    r.odds = 1 / q - 1;
    return r;
}

std::optional<CrlGestationalAge> AGE_GESTA_LCC(std::string_view crlText) {
    const std::optional<double> crl = t21Number(crlText);
    if (!crl || *crl >= 86) return std::nullopt;
    // The formula reads the CRL as a number with a full stop: a comma ends it,
    // so 44,5 mm counts here as 44 mm. A full stop typed for the comma is the
    // comma, so 44.5 mm counts as 44 mm too.
    std::string asTyped(crlText);
    for (char& ch : asTyped)
        if (ch == '.') ch = ',';
    const double c = readLeadingNumber(asTyped);
    if (c < 0) return std::nullopt;
    CrlGestationalAge age;
    age.days = static_cast<int>(roundHalfEven(8.052 * std::sqrt(c) + 23.73));
    const int weeks = age.days / 7;
    age.weeksDays = std::to_string(weeks);
    if (const int rest = age.days - 7 * weeks; rest != 0)
        age.weeksDays += "," + std::to_string(rest);
    return age;
}

double RISK_RELATIF(double weeksDays) {
    const double l = std::log(weeksDays) * 0.434294482;
    return std::pow(10.0, 0.2718 * l * l - 1.023 * l + 0.9425);
}

double MEDIANE_CN(double crl) {
    return std::pow(10.0, -0.3599 + 0.0127 * crl - 0.000058 * crl * crl);
}

double RAP_VRAIS(double multipleOfMedian) {
    // Gaussian log10(MoM) distributions: affected mean 0.305, SD 0.235;
    // unaffected mean 0, SD 0.12. The ratio of their densities.
    const double l = std::log(multipleOfMedian) * 0.434294481903252;
    const double a = (l - 0.305) / 0.235;
    const double b = l / 0.12;
    const double ratio = (0.12 / 0.235) * std::exp(-0.5 * (a * a - b * b));
    return roundHalfEven(ratio, 3);
}

std::string t21NumberText(double value) {
    if (value == 0 || !std::isfinite(value)) return "0";
    char buf[400];
    const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    if (result.ec != std::errc()) return "0";
    std::string text(buf, result.ptr);
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

std::string riskText(double n) {
    double whole = roundHalfEven(n);
    // Beyond 15 digits there is no half to judge: the nearest whole number.
    if (whole != std::floor(whole)) whole = std::round(whole);
    return "1/" + t21NumberText(whole);
}

std::optional<double> t21Number(std::string_view text) {
    const std::optional<double> value = readFrenchNumber(text);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

} // namespace tovimar
