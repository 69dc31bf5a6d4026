// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/french_number.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

// Every conversion here goes through std::from_chars / std::to_chars: they
// ignore the C library's locale, which Qt sets from the user's (a French
// machine would otherwise read "30.6" as 30 and write 30.6 as "30,6" twice over).

namespace tovimar {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads an unsigned decimal in C notation (digits, at most one '.', optional
// exponent); nullopt when it overflows. A value too small for a double is 0.
std::optional<double> readUnsignedAscii(const std::string& ascii) {
    double value = 0;
    const char* first = ascii.data();
    const char* last = first + ascii.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // Underflow when every digit before an exponent-free point is 0, or when the exponent
        // is negative; overflow otherwise.
        const auto e = ascii.find_first_of("eE");
        if (e != std::string::npos)
            return ascii.find('-', e) != std::string::npos ? std::optional<double>(0.0)
                                                           : std::nullopt;
        for (char c : ascii.substr(0, ascii.find('.')))
            if (c != '0') return std::nullopt;
        return 0.0;
    }
    if (error != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
    return value;
}

} // namespace

std::optional<double> readFrenchNumber(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b]))
        ++b;
    while (e > b && isBlank(text[e - 1]))
        --e;
    std::string_view s = text.substr(b, e - b);
    bool negative = false;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    std::string ascii;
    bool digits = false, comma = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            digits = true;
            ascii += s[i];
        } else if ((s[i] == ',' || s[i] == '.') && !comma) {
            // A full stop typed or pasted for the decimal comma means the same.
            comma = true;
            ascii += '.';
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    // from_chars wants a digit before the point.
    if (ascii.front() == '.') ascii.insert(ascii.begin(), '0');
    if (ascii.back() == '.') ascii.pop_back();
    const auto value = readUnsignedAscii(ascii);
    if (!value) return std::nullopt; // too large for any field
    return negative ? -*value : *value;
}

double readLeadingNumber(std::string_view text) {
    std::string compact;
    for (char c : text)
        if (!isBlank(c) && c != '\n' && c != '\r') compact += c;
    bool negative = false;
    std::size_t i = 0;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-'))
        negative = compact[i++] == '-';
    std::string ascii;
    bool digits = false, point = false;
    for (; i < compact.size(); ++i) {
        const char c = compact[i];
        if (isDigit(c)) {
            digits = true;
            ascii += c;
        } else if (c == '.' && !point) {
            point = true;
            ascii += c;
        } else {
            break;
        }
    }
    if (!digits) return 0.0;
    if (ascii.front() == '.') ascii.insert(ascii.begin(), '0');
    if (ascii.back() == '.') ascii.pop_back();
    // An exponent counts only when followed by at least one digit.
    if (i < compact.size() && (compact[i] == 'e' || compact[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exp = "e";
        if (j < compact.size() && (compact[j] == '+' || compact[j] == '-')) exp += compact[j++];
        std::size_t k = j;
        while (k < compact.size() && isDigit(compact[k]) && k - j < 4)
            exp += compact[k++];
        if (k > j) ascii += exp;
    }
    const auto value = readUnsignedAscii(ascii);
    if (!value) return 0.0; // too large: no number
    return negative ? -*value : *value;
}

std::string formatFrenchNumber(double value) {
    if (value == 0.0 || !std::isfinite(value)) return "0";
    // 15 significant digits, as C's "%.15g" would keep them, but always written
    // out in full: a reader of a French page never meets "2E+19".
    char buf[64];
    const auto [end, error] =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    if (error != std::errc()) return "0";
    const std::string s(buf, end); // d.dddddddddddddde[+-]XX
    std::string digits;
    for (char c : s.substr(0, s.find('e')))
        if (isDigit(c)) digits += c;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    int exponent = 0;
    const std::string e = s.substr(s.find('e') + 1);
    std::from_chars(e.data() + (e[0] == '+' ? 1 : 0), e.data() + e.size(), exponent);
    std::string out;
    const int integerDigits = exponent + 1;
    if (integerDigits <= 0) {
        out = "0," + std::string(static_cast<std::size_t>(-integerDigits), '0') + digits;
    } else if (static_cast<std::size_t>(integerDigits) >= digits.size()) {
        out = digits + std::string(static_cast<std::size_t>(integerDigits) - digits.size(), '0');
    } else {
        const auto split = static_cast<std::size_t>(integerDigits);
        out = digits.substr(0, split) + "," + digits.substr(split);
    }
    return value < 0 ? "-" + out : out;
}

double roundHalfEven(double value, int decimals) {
    if (!std::isfinite(value) || value == 0.0) return value == 0.0 ? 0.0 : value;
    // The value as it is written with 15 significant digits (as the program
    // shows it): a half is a half in that decimal writing, whatever the binary
    // error below it, and nothing else is.
    constexpr int kDigits = 15;
    char buf[64];
    const auto [end, error] = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                            std::chars_format::scientific, kDigits - 1);
    if (error != std::errc()) return value;
    // buf: d.dddddddddddddde[+-]XX
    const std::string s(buf, end);
    std::string digits;
    for (char c : s.substr(0, s.find('e')))
        if (isDigit(c)) digits += c;
    int exponent = 0;
    {
        const std::string e = s.substr(s.find('e') + 1);
        const char* first = e.data() + (e[0] == '+' ? 1 : 0);
        std::from_chars(first, e.data() + e.size(), exponent);
    }
    // Number of leading digits that stay: the integer digits plus the decimals.
    const long long keep = static_cast<long long>(exponent) + 1 + decimals;
    if (keep >= kDigits) return value; // nothing to round at this precision
    if (keep < 0) return 0.0;          // below half of the last decimal kept
    std::int64_t kept = 0;
    for (long long k = 0; k < keep; ++k)
        kept = kept * 10 + (digits[static_cast<std::size_t>(k)] - '0');
    const int dropped = digits[static_cast<std::size_t>(keep)] - '0';
    bool restNonZero = false;
    for (std::size_t k = static_cast<std::size_t>(keep) + 1; k < digits.size(); ++k)
        restNonZero = restNonZero || digits[k] != '0';
    const bool up = dropped > 5 || (dropped == 5 && (restNonZero || kept % 2 == 1));
    if (up) ++kept;
    if (kept == 0) return 0.0;
    // kept × 10^-decimals, read back as the double nearest to that decimal.
    char out[64];
    auto [p, e1] = std::to_chars(out, out + 32, kept);
    *p++ = 'e';
    auto [q, e2] = std::to_chars(p, out + sizeof out, -decimals);
    double result = 0;
    std::from_chars(out, q, result);
    return value < 0 ? -result : result;
}

} // namespace tovimar
