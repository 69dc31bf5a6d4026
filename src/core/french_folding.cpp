// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/french_folding.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tovimar {
namespace {

// The base letters of U+00C0 to U+017F, capitals and small letters alike; an
// empty entry keeps the character (× and ÷).
constexpr std::array<const char*, 0x180 - 0xC0> kLatinBases = {
    // U+00C0 À Á Â Ã Ä Å Æ Ç È É Ê Ë Ì Í Î Ï
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I", "I",
    // U+00D0 Ð Ñ Ò Ó Ô Õ Ö × Ø Ù Ú Û Ü Ý Þ ß
    "D", "N", "O", "O", "O", "O", "O", "", "O", "U", "U", "U", "U", "Y", "TH", "SS",
    // U+00E0 à á â ã ä å æ ç è é ê ë ì í î ï
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I", "I",
    // U+00F0 ð ñ ò ó ô õ ö ÷ ø ù ú û ü ý þ ÿ
    "D", "N", "O", "O", "O", "O", "O", "", "O", "U", "U", "U", "U", "Y", "TH", "Y",
    // U+0100 Ā ā Ă ă Ą ą Ć ć Ĉ ĉ Ċ ċ Č č Ď ď
    "A", "A", "A", "A", "A", "A", "C", "C", "C", "C", "C", "C", "C", "C", "D", "D",
    // U+0110 Đ đ Ē ē Ĕ ĕ Ė ė Ę ę Ě ě Ĝ ĝ Ğ ğ
    "D", "D", "E", "E", "E", "E", "E", "E", "E", "E", "E", "E", "G", "G", "G", "G",
    // U+0120 Ġ ġ Ģ ģ Ĥ ĥ Ħ ħ Ĩ ĩ Ī ī Ĭ ĭ Į į
    "G", "G", "G", "G", "H", "H", "H", "H", "I", "I", "I", "I", "I", "I", "I", "I",
    // U+0130 İ ı Ĳ ĳ Ĵ ĵ Ķ ķ ĸ Ĺ ĺ Ļ ļ Ľ ľ Ŀ
    "I", "I", "IJ", "IJ", "J", "J", "K", "K", "K", "L", "L", "L", "L", "L", "L", "L",
    // U+0140 ŀ Ł ł Ń ń Ņ ņ Ň ň ŉ Ŋ ŋ Ō ō Ŏ ŏ
    "L", "L", "L", "N", "N", "N", "N", "N", "N", "N", "N", "N", "O", "O", "O", "O",
    // U+0150 Ő ő Œ œ Ŕ ŕ Ŗ ŗ Ř ř Ś ś Ŝ ŝ Ş ş
    "O", "O", "OE", "OE", "R", "R", "R", "R", "R", "R", "S", "S", "S", "S", "S", "S",
    // U+0160 Š š Ţ ţ Ť ť Ŧ ŧ Ũ ũ Ū ū Ŭ ŭ Ů ů
    "S", "S", "T", "T", "T", "T", "T", "T", "U", "U", "U", "U", "U", "U", "U", "U",
    // U+0170 Ű ű Ų ų Ŵ ŵ Ŷ ŷ Ÿ Ź ź Ż ż Ž ž ſ
    "U", "U", "U", "U", "W", "W", "Y", "Y", "Y", "Z", "Z", "Z", "Z", "Z", "Z", "S"};

// Hyphens, apostrophes and the blanks a paste may bring all separate words.
bool isSeparator(char32_t c) {
    switch (c) {
    case U' ':
    case U'\t':
    case U'-':
    case U'\'':
    case U'\u00A0': // no-break space
    case U'\u2010': // hyphen
    case U'\u2011': // non-breaking hyphen
    case U'\u2013': // en dash
    case U'\u2018': // left single quotation mark
    case U'\u2019': // typographic apostrophe
    case U'\u202F': // narrow no-break space
        return true;
    default:
        return false;
    }
}

// Decodes one UTF-8 sequence at text[i]; returns its length, or 0 when the
// bytes are not a well-formed sequence.
std::size_t decode(std::string_view text, std::size_t i, char32_t& c) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    if (lead < 0x80) {
        c = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80) return 0;
        c = (c << 6) | (byte(k) & 0x3F);
    }
    // Overlong forms and surrogates are not characters.
    if ((length == 3 && c < 0x800) || (length == 4 && (c < 0x10000 || c > 0x10FFFF)) ||
        (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

std::string foldFrenchText(std::string_view utf8) {
    std::string key;
    key.reserve(utf8.size());
    bool pendingBlank = false;
    const auto append = [&](std::string_view piece) {
        if (pendingBlank && !key.empty()) key += ' ';
        pendingBlank = false;
        key += piece;
    };
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        const std::size_t length = decode(utf8, i, c);
        if (length == 0) { // not UTF-8: the byte stands for itself
            append(utf8.substr(i, 1));
            ++i;
            continue;
        }
        const std::string_view raw = utf8.substr(i, length);
        i += length;
        if (isSeparator(c)) {
            pendingBlank = true;
        } else if (c >= U'a' && c <= U'z') {
            const char upper = static_cast<char>(c - U'a' + U'A');
            append(std::string_view(&upper, 1));
        } else if (c >= 0xC0 && c < 0x180 && *kLatinBases[c - 0xC0] != '\0') {
            append(kLatinBases[c - 0xC0]);
        } else {
            append(raw);
        }
    }
    // A trailing blank is kept so that a typed "SAINT " lands after "SAINT".
    if (pendingBlank && !key.empty()) key += ' ';
    return key;
}

std::string foldTownName(std::string_view utf8) {
    const std::string folded = foldFrenchText(utf8);
    std::string key;
    key.reserve(folded.size() + 8);
    std::size_t start = 0;
    while (start <= folded.size()) {
        const std::size_t end = std::min(folded.find(' ', start), folded.size());
        std::string_view word = std::string_view(folded).substr(start, end - start);
        if (start > 0) key += ' ';
        if (word == "ST" || word == "STE" || word == "SAINTE") {
            key += "SAINT";
        } else if (word.starts_with("S/")) {
            // "S/MARNE" as well as "S/ MARNE".
            key += "SUR";
            word.remove_prefix(2);
            if (!word.empty()) key.append(" ").append(word);
        } else {
            key += word;
        }
        start = end + 1;
    }
    return key;
}

} // namespace tovimar
