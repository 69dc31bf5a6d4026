// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Estimated fetal weight from ultrasound measurements (millimetres in, grams
// out), the theoretical weight of a week, and the biometric ratios.

#include <optional>
#include <string>
#include <string_view>

namespace tovimar {

// What the weight and ratio buttons say when a field they need is empty.
inline constexpr std::string_view kShepardFieldsMessage =
    "Il faut au moins une valeur pour le Bip et la Circonf. abdominale pour l'estimation selon "
    "Shephard.";
inline constexpr std::string_view kDudleyFieldsMessage =
    "Il faut au moins une valeur pour la Circonf. Céphalique, la Circonf. abdominale et le fémur "
    "pour l'estimation selon Dudley.";
inline constexpr std::string_view kRatioFieldsMessage =
    "Veuillez saisir une valeur pour Pied, Fémur, Orbites et Bip";

// Hadlock FP et al., "Estimation of fetal weight with the use of head, body,
// and femur measurements", Am J Obstet Gynecol 1985; 151: 333-337 (HC, AC, FL).
// Nothing when the measurements are so large that no weight can be written.
std::optional<long long> POIDS_HADLOCK(double hc, double ac, double fl);

// Shepard MJ et al., "An evaluation of two equations for predicting fetal
// weight by ultrasound", Am J Obstet Gynecol 1982; 142: 47-54 (BPD, AC).
std::optional<long long> POIDS_SHEPHARD(double bpd, double ac);

// The volume formula shown as "Dudley": (0.053 HC² FL + 0.32 AC² FL) / 1000.
std::optional<long long> POIDS_DUDLEY(double hc, double ac, double fl);

// The Hadlock weight of the week's medians of HC, AC and FL, from 16 to 41
// weeks of amenorrhoea; nothing outside.
std::optional<long long> theoreticalWeight(int weeks);

// A ratio as the ratio boxes show it: two decimals, a half rounded away from
// zero, a decimal comma and a blank between thousands ("1,13"). Nothing when
// the divisor is zero.
std::optional<std::string> ratioText(double numerator, double denominator);

// A weight as the weight boxes show it: "2998 g".
std::string gramsText(long long grams);

} // namespace tovimar
