// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ultrasound signs that raise or lower the trisomy 21 risk by a fixed
// factor each (Nyberg 2001 for the second-trimester signs, Cicero 2001 for the
// nasal bones), and the coefficient their ticks make.

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace tovimar {

struct UltrasoundSign {
    const char* item;        // the text of the list entry
    double factor;           // its factor when ticked
    bool divides;            // a reassuring sign divides the coefficient
    const char* explanation; // first line shown when the sign is selected
    const char* source;      // second line: where the factor comes from
};

inline constexpr std::size_t kSignCount = 8;
extern const std::array<UltrasoundSign, kSignCount> kUltrasoundSigns;

// One factor per sign: 1 while unticked, the sign's factor while ticked.
using SignFactors = std::array<double, kSignCount>;
inline constexpr SignFactors kNoSignTicked{1, 1, 1, 1, 1, 1, 1, 1};

// The factor a sign takes for a tick state; 1 for an index outside the list.
double signFactor(std::size_t index, bool ticked);
// Every factor for a set of ticks (bit i: the sign i ticked).
SignFactors signFactors(const std::array<bool, kSignCount>& ticked);

// (F2 x F3 x F4 x F5 x F6 x F7) / F0 / F1: above 1 the risk rises, below 1 it falls.
double markerCoefficient(const SignFactors& factors);

// "Coefficient de risque = 1,5": the coefficient rounded to 2 decimals; nothing
// when the coefficient is 1 (the label is hidden).
std::optional<std::string> coefficientText(double coefficient);

// The two lines shown for a selected sign, joined by CR LF; nothing for an
// index outside the list.
std::optional<std::string> signExplanation(std::size_t index);

} // namespace tovimar
