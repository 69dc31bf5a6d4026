// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/practice_options.h"

#include <vector>

#include "core/settings_record.h"

namespace tovimar {
namespace {

constexpr std::size_t kWithStrategy = PracticeOptions::kFieldCount + 1;
const char* const k2018 = "2018";
const char* const kSingle = "seuil";

// The lines of the file that hold something.
std::vector<std::string_view> filledLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes[i] != '\r' && bytes[i] != '\n') continue;
        const std::string_view line = bytes.substr(start, i - start);
        if (line.find_first_not_of(" \t") != std::string_view::npos) lines.push_back(line);
        start = i + 1;
    }
    return lines;
}

// How many values a line holds: ten, eleven, or another count (0).
std::size_t valuesOnLine(std::string_view line) {
    const bool ten = readSettingsRecord(line, PracticeOptions::kFieldCount).complete;
    const bool eleven = readSettingsRecord(line, kWithStrategy).complete;
    const bool twelve = readSettingsRecord(line, kWithStrategy + 1).complete;
    if (eleven && !twelve) return kWithStrategy;
    if (ten && !eleven) return PracticeOptions::kFieldCount;
    return 0;
}

} // namespace

std::array<const std::string*, PracticeOptions::kFieldCount> PracticeOptions::fields() const {
    return {&civility, &lastName, &firstName, &speciality, &establishment,
            &address1, &address2, &town,      &department, &telephone};
}

std::array<std::string*, PracticeOptions::kFieldCount> PracticeOptions::fields() {
    return {&civility, &lastName, &firstName, &speciality, &establishment,
            &address1, &address2, &town,      &department, &telephone};
}

PracticeOptionsReading readPracticeOptions(std::string_view bytes) {
    while (!bytes.empty() && bytes.back() == '\0')
        bytes.remove_suffix(1);
    PracticeOptionsReading result;
    const auto fields = result.options.fields();

    // Lines of ten or eleven values: the last one is in force.
    const std::vector<std::string_view> lines = filledLines(bytes);
    bool byLine = !lines.empty();
    for (std::string_view line : lines)
        if (valuesOnLine(line) == 0) byLine = false;
    if (byLine) {
        const std::string_view last = lines.back();
        const std::size_t count = valuesOnLine(last);
        const SettingsReading reading = readSettingsRecord(last, count);
        for (std::size_t i = 0; i < fields.size(); ++i)
            *fields[i] = reading.values[i];
        result.complete = true;
        if (count == kWithStrategy) {
            const std::string& strategy = reading.values.back();
            if (strategy == k2018)
                result.options.strategy = ScreeningStrategy::Thresholds2018;
            else if (strategy != kSingle)
                result.complete = false; // a choice this program does not know
        }
        return result;
    }

    // Anything else as before: a stream of ten values, the last record in force.
    const SettingsReading reading = readSettingsRecord(bytes, PracticeOptions::kFieldCount);
    result.complete = reading.complete;
    for (std::size_t i = 0; i < reading.values.size() && i < fields.size(); ++i)
        *fields[i] = reading.values[i];
    return result;
}

std::vector<std::string> practiceOptionsValues(const PracticeOptions& options) {
    std::vector<std::string> values;
    values.reserve(kWithStrategy);
    for (const std::string* field : options.fields())
        values.push_back(*field);
    if (options.strategy == ScreeningStrategy::Thresholds2018) values.emplace_back(k2018);
    return values;
}

std::string encodePracticeOptions(const PracticeOptions& options) {
    return encodeSettingsRecord(practiceOptionsValues(options));
}

} // namespace tovimar
