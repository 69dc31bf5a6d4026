// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings files (term.tvx, options.tvx, tarifs.tvx): one line of
// double-quoted, comma-separated values in Windows-1252, ending with CR LF.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovimar {

// One record of UTF-8 values as the bytes of the file. A double quote inside
// a value is doubled, so that no value can break the line open.
std::string encodeSettingsRecord(const std::vector<std::string>& values);

struct SettingsReading {
    // A complete reading: the last complete record. A failed one: what a
    // reader taking the values in turn holds when it fails, the last complete
    // record (if any) overwritten by the values read after it (none for bytes
    // that are not text), so that a window can show what could be read.
    std::vector<std::string> values;
    bool complete = false;
};

// Reads the file's bytes as a stream of values (quoted or not, separated by
// commas or line ends), taken `count` at a time; the last complete record
// wins. nullopt when there are fewer than `count` values, a quote is never
// closed, text follows a closing quote, or the bytes are not text (a NUL or
// other control character). NUL bytes at the very end (what a power cut
// leaves after the last line) are no part of the file.
SettingsReading readSettingsRecord(std::string_view bytes, std::size_t count);

// The characters of the values that Windows-1252 cannot hold (they would be
// written as '?'), each once, in order, separated by a blank; empty when all
// can be saved. A save should name them to the user instead of losing them.
std::string charactersOutsideWindows1252(const std::vector<std::string>& values);

// The control characters of the values that a reading refuses (all below a
// blank but the tabulation, line ends included, and DEL), each once, named in
// French with the value holding it: "tabulation verticale (U+000B) dans
// « 14 »", separated by "; ". Empty when there is none. A line end is saved
// as a blank and is not named.
std::string controlCharactersNamed(const std::vector<std::string>& values);

// The complete record only.
std::optional<std::vector<std::string>> decodeSettingsRecord(std::string_view bytes,
                                                             std::size_t count);

} // namespace tovimar
