// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The practitioner's dating parameters, kept in term.tvx as eleven texts
// (the raw contents of the settings editor's fields; empty is allowed).

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tovimar {

struct TermSettings {
    enum Index {
        TerminationLimitWeeks = 0,  // IvgText: legal limit, weeks of pregnancy
        MedicationLimitWeeks = 1,   // RuText: latest term for the medication method
        SerumSecondFrom = 2,        // Text1: 2nd-trimester serum window, days of amenorrhoea
        SerumSecondTo = 3,          // Text2
        SerumFirstFrom = 4,         // Text9: 1st-trimester serum window, days of amenorrhoea
        SerumFirstTo = 5,           // Text10
        AnaesthesiaFrom = 6,        // Text7: days after the start of pregnancy
        AnaesthesiaTo = 7,          // Text8
        AmniocentesisThreshold = 8, // TxtRisqueLim: N of a risk 1/N
        UltrasoundFirstFrom = 9,    // Text15: 1st-trimester ultrasound, days of amenorrhoea
        UltrasoundFirstTo = 10,     // Text16
        Count = 11
    };

    std::array<std::string, Count> values;

    // The editor's own defaults: limits 14 and 7, threshold 250, no windows.
    static TermSettings editorDefaults();

    const std::string& operator[](Index i) const { return values[i]; }
    std::string& operator[](Index i) { return values[i]; }
};

// The settings as whole days (or weeks, or N), parsed once when read or
// saved: a value that is not a number stays empty, and what depends on it
// is not computed.
struct TermBounds {
    std::array<std::optional<int>, TermSettings::Count> values;

    static TermBounds of(const TermSettings& settings);
    std::optional<int> operator[](TermSettings::Index i) const { return values[i]; }
};

struct TermSettingsReading {
    // The values read; where the reading failed, the editor's defaults for
    // the values that could not be read.
    TermSettings settings;
    bool complete = false;
};

// A missing file is read as empty bytes: not complete.
TermSettingsReading readTermSettings(std::string_view bytes);
// The complete record only.
std::optional<TermSettings> decodeTermSettings(std::string_view bytes);
std::string encodeTermSettings(const TermSettings& settings);

// The anaesthesia window is shown in weeks of amenorrhoea and kept in days
// after the start of pregnancy (the start is at 2 weeks).
// Days -> weeks to one decimal, half to even: 200 -> "30,6".
std::optional<std::string> anaesthesiaDaysToWeeksText(std::string_view daysText);
// Weeks -> whole days, half to even: "30,6" -> 200, "32" -> 210. nullopt if not a number.
std::optional<long long> anaesthesiaWeeksToDays(std::string_view weeksText);

// A window bound as whole days: the settings may carry a decimal comma
// ("97,5"), which rounds half to even. nullopt when empty or not a number.
std::optional<int> windowBoundDays(std::string_view text);

} // namespace tovimar
