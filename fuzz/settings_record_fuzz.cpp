// SPDX-License-Identifier: GPL-3.0-or-later
// The settings-record reader on any file: it reads a whole record or says it
// could not, never holds more values than a record, and a record it reads is
// written back and read again unchanged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings_record.h"
#include "core/windows1252.h"
#include "fuzz_check.h"

using namespace tovimar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte chooses the record's size (1 to 44 values, as the files hold).
    const std::size_t count = 1 + data[0] % 44;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const SettingsReading reading = readSettingsRecord(bytes, count);
    FUZZ_CHECK(reading.values.size() <= count);
    if (!reading.complete) return 0;
    FUZZ_CHECK(reading.values.size() == count);
    // Values read from a file can all be written back in Windows-1252.
    FUZZ_CHECK(charactersOutsideWindows1252(reading.values).empty());
    bool breaksLines = false;
    for (const std::string& v : reading.values)
        breaksLines = breaksLines || v.find_first_of("\r\n") != std::string::npos;
    const std::string encoded = encodeSettingsRecord(reading.values);
    const auto again = decodeSettingsRecord(encoded, count);
    FUZZ_CHECK(again.has_value());
    // A line break inside quotes is saved as a blank: the file stays one line.
    if (!breaksLines) FUZZ_CHECK(*again == reading.values);
    FUZZ_CHECK(encodeSettingsRecord(*again) == encoded || breaksLines);
    return 0;
}
