// SPDX-License-Identifier: GPL-3.0-or-later
#include "biometry/fetal_weight.h"

#include <algorithm>
#include <cmath>

#include "biometry/biometry_measures.h"
#include "biometry/reference_charts.h"
#include "core/french_number.h"

namespace tovimar {
namespace {

// Grams that can be written as a whole number; nothing for an overflow.
std::optional<long long> wholeGrams(double grams) {
    if (!std::isfinite(grams) || std::fabs(grams) > 1e15) return std::nullopt;
    return static_cast<long long>(roundHalfEven(grams));
}

} // namespace

std::optional<long long> POIDS_HADLOCK(double hc, double ac, double fl) {
    const double l = 1.326 - 0.0000326 * ac * fl + 0.00107 * hc + 0.00438 * ac + 0.0158 * fl;
    return wholeGrams(std::pow(10.0, l));
}

std::optional<long long> POIDS_SHEPHARD(double bpd, double ac) {
    const double l = -1.7492 + 0.0166 * bpd + 0.0046 * ac - 2.646 * ac * bpd / 100000;
    return wholeGrams(std::pow(10.0, l) * 1000); // the formula gives kilograms
}

std::optional<long long> POIDS_DUDLEY(double hc, double ac, double fl) {
    return wholeGrams((0.053 * hc * hc * fl + 0.32 * ac * ac * fl) / 1000);
}

std::optional<long long> theoreticalWeight(int weeks) {
    if (weeks < 16 || weeks > 41) return std::nullopt;
    const auto medians = MEDIANES_SA(weeks);
    const auto hc = medians[measureIndex(Measure::Cc)];
    const auto ac = medians[measureIndex(Measure::CA)];
    const auto fl = medians[measureIndex(Measure::Fem)];
    if (!hc || !ac || !fl) return std::nullopt;
    return POIDS_HADLOCK(*hc, *ac, *fl);
}

std::optional<std::string> ratioText(double numerator, double denominator) {
    if (denominator == 0 || !std::isfinite(numerator) || !std::isfinite(denominator))
        return std::nullopt;
    const double ratio = numerator / denominator;
    if (!std::isfinite(ratio) || std::fabs(ratio) > 1e15) return std::nullopt;
    // Hundredths, a half away from zero; a decimal half held as x.4999999 counts as a half.
    const double scaled = std::fabs(ratio) * 100;
    double hundredths = std::floor(scaled);
    if (scaled - hundredths >= 0.5 - 1e-9 * std::max(1.0, scaled)) hundredths += 1;
    const long long whole = static_cast<long long>(hundredths) / 100;
    const int cents = static_cast<int>(static_cast<long long>(hundredths) % 100);
    std::string digits = std::to_string(whole);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += "\u00A0";
        grouped += digits[i];
    }
    const bool negative = ratio < 0 && hundredths > 0;
    return (negative ? "-" : "") + grouped + "," + (cents < 10 ? "0" : "") + std::to_string(cents);
}

std::string gramsText(long long grams) {
    return std::to_string(grams) + " g";
}

} // namespace tovimar
