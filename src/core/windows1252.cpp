// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/windows1252.h"

#include <cstdint>

namespace tovimar {
namespace {

// 0x80-0x9F; the five unassigned bytes map to the C1 controls of the same value.
constexpr char32_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char toByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (unsigned char b : bytes)
        appendUtf8(out, b >= 0x80 && b <= 0x9F ? kHigh[b - 0x80] : char32_t{b});
    return out;
}

namespace {

// What a byte that is not UTF-8 is shown as: U+FFFD.
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Walks the UTF-8 text; `take` gets each character's Windows-1252 byte ('?'
// when it has none) with the text of the character.
template <class Take> void eachCharacter(std::string_view s, Take take) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        int len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        if (len == 0 || i + len > s.size()) {
            take('?', kReplacement, false);
            ++i;
            continue;
        }
        char32_t c = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
        bool valid = true;
        for (int k = 1; k < len; ++k) {
            const auto cont = static_cast<unsigned char>(s[i + k]);
            if ((cont & 0xC0) != 0x80) valid = false;
            c = (c << 6) | (cont & 0x3F);
        }
        const std::size_t n = valid ? static_cast<std::size_t>(len) : 1;
        const char byte = toByte(c);
        if (valid)
            take(byte, s.substr(i, n), byte != '?' || c == '?');
        else
            take('?', kReplacement, false);
        i += n;
    }
}

} // namespace

std::string utf8ToWindows1252(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    eachCharacter(s, [&](char byte, std::string_view, bool) { out += byte; });
    return out;
}

std::vector<std::string> unrepresentableInWindows1252(std::string_view s) {
    std::vector<std::string> found;
    eachCharacter(s, [&](char, std::string_view text, bool held) {
        if (!held) found.emplace_back(text);
    });
    return found;
}

} // namespace tovimar
