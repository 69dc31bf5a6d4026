// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings_record.h"

#include "core/windows1252.h"

#include <algorithm>

namespace tovimar {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool isControl(unsigned char c) {
    return (c < 0x20 && c != '\t' && c != '\r' && c != '\n') || c == 0x7F;
}

// Splits the bytes into values; `values` holds those read before a failure.
bool tokenize(std::string_view s, std::vector<std::string>& values) {
    std::size_t i = 0;
    const std::size_t n = s.size();
    for (unsigned char c : s)
        if (isControl(c)) return false;
    while (i < n) {
        // Blank lines and leading blanks separate nothing.
        while (i < n && (isBlank(s[i]) || isLineEnd(s[i])))
            ++i;
        if (i >= n) break;
        std::string value;
        if (s[i] == '"') {
            ++i;
            for (;;) {
                if (i >= n) return false; // quote never closed
                if (s[i] == '"') {
                    if (i + 1 < n && s[i + 1] == '"') {
                        value += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                value += s[i++];
            }
            while (i < n && isBlank(s[i]))
                ++i;
            if (i < n && s[i] != ',' && !isLineEnd(s[i])) return false;
        } else {
            std::size_t start = i;
            while (i < n && s[i] != ',' && !isLineEnd(s[i]))
                ++i;
            std::size_t end = i;
            while (end > start && isBlank(s[end - 1]))
                --end;
            value.assign(s.substr(start, end - start));
        }
        values.push_back(windows1252ToUtf8(value));
        if (i < n && s[i] == ',') {
            ++i;
            // A comma just before a line end (or the end) leaves an empty last value.
            std::size_t j = i;
            while (j < n && isBlank(s[j]))
                ++j;
            if (j >= n || isLineEnd(s[j])) values.emplace_back();
            i = j;
        }
    }
    return true;
}

} // namespace

std::string encodeSettingsRecord(const std::vector<std::string>& values) {
    std::string line;
    for (std::size_t k = 0; k < values.size(); ++k) {
        if (k) line += ',';
        line += '"';
        for (char c : utf8ToWindows1252(values[k])) {
            if (c == '"') line += '"';
            line += isLineEnd(c) ? ' ' : c;
        }
        line += '"';
    }
    return line + "\r\n";
}

SettingsReading readSettingsRecord(std::string_view bytes, std::size_t count) {
    SettingsReading reading;
    if (count == 0) return reading;
    // A power cut during a save can leave the file's blocks allocated but
    // never written: zeros after the last line. They hold nothing.
    while (!bytes.empty() && bytes.back() == '\0')
        bytes.remove_suffix(1);
    std::vector<std::string> values;
    const bool wellFormed = tokenize(bytes, values);
    const std::size_t records = values.size() / count;
    if (!wellFormed || records == 0) {
        if (records == 0) {
            reading.values = std::move(values);
            return reading;
        }
        const auto last = values.begin() + static_cast<std::ptrdiff_t>((records - 1) * count);
        reading.values.assign(last, last + static_cast<std::ptrdiff_t>(count));
        for (std::size_t i = records * count; i < values.size(); ++i)
            reading.values[i - records * count] = values[i];
        return reading;
    }
    const auto first = values.begin() + static_cast<std::ptrdiff_t>((records - 1) * count);
    reading.values.assign(first, first + static_cast<std::ptrdiff_t>(count));
    reading.complete = true;
    return reading;
}

std::string charactersOutsideWindows1252(const std::vector<std::string>& values) {
    std::string found;
    for (const std::string& value : values)
        for (const std::string& c : unrepresentableInWindows1252(value))
            if (found.find(c) == std::string::npos) found += (found.empty() ? "" : " ") + c;
    return found;
}

namespace {

std::string controlName(unsigned char c) {
    static const char* const hex = "0123456789ABCDEF";
    std::string code = "U+00";
    code += hex[c >> 4];
    code += hex[c & 0xF];
    switch (c) {
    case 0x00:
        return "caractère nul (" + code + ")";
    case 0x08:
        return "retour arrière (" + code + ")";
    case 0x0B:
        return "tabulation verticale (" + code + ")";
    case 0x0C:
        return "saut de page (" + code + ")";
    case 0x1B:
        return "échappement (" + code + ")";
    case 0x7F:
        return "effacement (" + code + ")";
    default:
        return "caractère de commande " + code;
    }
}

} // namespace

std::string controlCharactersNamed(const std::vector<std::string>& values) {
    std::string found;
    for (const std::string& value : values) {
        std::string visible;
        std::vector<unsigned char> controls;
        for (const char ch : value) {
            const auto c = static_cast<unsigned char>(ch);
            if (isControl(c) && !isLineEnd(ch)) {
                if (std::find(controls.begin(), controls.end(), c) == controls.end())
                    controls.push_back(c);
            } else {
                visible += ch;
            }
        }
        for (unsigned char c : controls) {
            if (!found.empty()) found += "; ";
            found += controlName(c) + " dans « " + visible + " »";
        }
    }
    return found;
}

std::optional<std::vector<std::string>> decodeSettingsRecord(std::string_view bytes,
                                                             std::size_t count) {
    SettingsReading reading = readSettingsRecord(bytes, count);
    if (!reading.complete) return std::nullopt;
    return std::move(reading.values);
}

} // namespace tovimar
