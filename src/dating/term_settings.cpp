// SPDX-License-Identifier: GPL-3.0-or-later
#include "dating/term_settings.h"

#include <cmath>
#include <vector>

#include "core/french_number.h"
#include "core/settings_record.h"

namespace tovimar {

TermSettings TermSettings::editorDefaults() {
    TermSettings s;
    // Today's law: 14 weeks of pregnancy (16 of amenorrhoea), and 7 (9 of
    // amenorrhoea) for the medication method outside hospital; a missing file
    // must not bring back the limits of an older law.
    s[TerminationLimitWeeks] = "14";
    s[MedicationLimitWeeks] = "7";
    s[AmniocentesisThreshold] = "250";
    return s;
}

namespace {

// Written as a number yet too large for any of the file's fields (more than
// 100000 days or weeks, or more than a double holds): the file is damaged.
bool numberTooLarge(std::string_view text) {
    // The same text with every digit a zero has the number's form and a small value.
    std::string zeroed(text);
    for (char& c : zeroed)
        if (c >= '0' && c <= '9') c = '0';
    return readFrenchNumber(zeroed).has_value() && !windowBoundDays(text).has_value();
}

} // namespace

TermSettingsReading readTermSettings(std::string_view bytes) {
    const SettingsReading reading = readSettingsRecord(bytes, TermSettings::Count);
    TermSettingsReading result{TermSettings::editorDefaults(), reading.complete};
    for (std::size_t i = 0; i < reading.values.size(); ++i) {
        // Such a value is refused with the file's message, never shown nor saved again.
        if (numberTooLarge(reading.values[i])) {
            result.complete = false;
            continue;
        }
        result.settings.values[i] = reading.values[i];
    }
    return result;
}

std::optional<TermSettings> decodeTermSettings(std::string_view bytes) {
    TermSettingsReading reading = readTermSettings(bytes);
    if (!reading.complete) return std::nullopt;
    return reading.settings;
}

std::string encodeTermSettings(const TermSettings& settings) {
    return encodeSettingsRecord(
        std::vector<std::string>(settings.values.begin(), settings.values.end()));
}

std::optional<std::string> anaesthesiaDaysToWeeksText(std::string_view daysText) {
    const auto days = readFrenchNumber(daysText);
    if (!days) return std::nullopt;
    return formatFrenchNumber(roundHalfEven((14 + *days) / 7.0, 1));
}

std::optional<long long> anaesthesiaWeeksToDays(std::string_view weeksText) {
    const auto weeks = readFrenchNumber(weeksText);
    if (!weeks || std::fabs(*weeks) > 1e12) return std::nullopt;
    return static_cast<long long>(roundHalfEven(*weeks * 7 - 14));
}

TermBounds TermBounds::of(const TermSettings& settings) {
    TermBounds bounds;
    for (int i = 0; i < TermSettings::Count; ++i)
        bounds.values[i] = windowBoundDays(settings.values[i]);
    return bounds;
}

std::optional<int> windowBoundDays(std::string_view text) {
    const auto value = readFrenchNumber(text);
    // Beyond a few centuries a bound is no date any more.
    if (!value || std::fabs(*value) > 100000) return std::nullopt;
    return static_cast<int>(roundHalfEven(*value));
}

} // namespace tovimar
