// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The nine fetal measurements of the biometry window, in the order of their
// rows on screen, with the names of their fields and captions.

#include <array>
#include <optional>
#include <string_view>

namespace tovimar {

enum class Measure { Orb, Bip, Cc, Dat, CA, Fem, Pied, Hum, Cer };

inline constexpr std::array<Measure, 9> kMeasuresOnScreen = {
    Measure::Orb, Measure::Bip,  Measure::Cc,  Measure::Dat, Measure::CA,
    Measure::Fem, Measure::Pied, Measure::Hum, Measure::Cer};

constexpr int measureIndex(Measure m) {
    return static_cast<int>(m);
}

// The measurement field's name ("Bip", "CA"...), which is also how the
// command line names the measure.
constexpr std::string_view measureFieldName(Measure m) {
    constexpr std::array<std::string_view, 9> names = {"Orb", "Bip",  "Cc",  "Dat", "CA",
                                                       "Fem", "Pied", "Hum", "Cer"};
    return names[measureIndex(m)];
}

// The caption beside the measurement field.
constexpr std::string_view measureCaption(Measure m) {
    constexpr std::array<std::string_view, 9> captions = {
        "Inter orbitaire", "Bip",  "Circonf. Céphal.", "DAT",     "Circonf. Abdo.",
        "Fémur",           "Pied", "Humerus",          "Cervelet"};
    return captions[measureIndex(m)];
}

constexpr std::optional<Measure> measureFromFieldName(std::string_view name) {
    for (Measure m : kMeasuresOnScreen)
        if (measureFieldName(m) == name) return m;
    return std::nullopt;
}

} // namespace tovimar
