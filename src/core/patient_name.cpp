// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/patient_name.h"

#include <array>

namespace tovimar {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool startsWithWord(std::string_view text, std::string_view word) {
    if (text.size() < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != word[i]) return false;
    }
    return true;
}

} // namespace

std::string withoutCivility(std::string_view name) {
    const std::string_view typed = trimmed(name);
    // Longest first, so that "MADEMOISELLE" is not read as "MADAME"-less.
    static constexpr std::array<std::string_view, 6> kCivilities = {
        "MADEMOISELLE", "MADAME", "MELLE", "MLLE", "MME", "MLE"};
    for (std::string_view civility : kCivilities) {
        if (!startsWithWord(typed, civility)) continue;
        std::string_view rest = typed.substr(civility.size());
        if (!rest.empty() && rest.front() == '.') rest.remove_prefix(1);
        // A civility is a word of its own: "Mmeline" or "Madamet" is a name.
        if (!rest.empty() && !isBlank(rest.front()) && typed[civility.size()] != '.') continue;
        rest = trimmed(rest);
        if (rest.empty()) break;
        return std::string(rest);
    }
    return std::string(typed);
}

} // namespace tovimar
