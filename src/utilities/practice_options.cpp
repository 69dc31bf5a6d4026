// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/practice_options.h"

#include <vector>

#include "core/settings_record.h"

namespace tovimar {

std::array<const std::string*, PracticeOptions::kFieldCount> PracticeOptions::fields() const {
    return {&civility, &lastName, &firstName, &speciality, &establishment,
            &address1, &address2, &town,      &department, &telephone};
}

std::array<std::string*, PracticeOptions::kFieldCount> PracticeOptions::fields() {
    return {&civility, &lastName, &firstName, &speciality, &establishment,
            &address1, &address2, &town,      &department, &telephone};
}

PracticeOptionsReading readPracticeOptions(std::string_view bytes) {
    const SettingsReading reading = readSettingsRecord(bytes, PracticeOptions::kFieldCount);
    PracticeOptionsReading result;
    result.complete = reading.complete;
    const auto fields = result.options.fields();
    for (std::size_t i = 0; i < reading.values.size() && i < fields.size(); ++i)
        *fields[i] = reading.values[i];
    return result;
}

std::string encodePracticeOptions(const PracticeOptions& options) {
    std::vector<std::string> values;
    values.reserve(PracticeOptions::kFieldCount);
    for (const std::string* field : options.fields())
        values.push_back(*field);
    return encodeSettingsRecord(values);
}

} // namespace tovimar
