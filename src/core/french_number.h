// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers as the practitioner types and reads them: decimal comma, no
// thousands separator, shortest form without trailing zeros.

#include <optional>
#include <string>
#include <string_view>

namespace tovimar {

// The regional-format reader: optional blanks around, an optional sign,
// digits with at most one decimal separator, at least one digit. The separator
// is the comma, or a full stop typed or pasted for it, as every field and
// command reads it: "97,5" -> 97.5, "12.5" -> 12.5. Nothing else (no second
// separator, no grouping, no exponent): "1.234,5" -> nullopt.
// A number too large for a double is no number (nullopt); one too small is 0.
// None of these conversions depends on the C library's locale.
std::optional<double> readFrenchNumber(std::string_view text);
inline bool isFrenchNumber(std::string_view text) {
    return readFrenchNumber(text).has_value();
}

// The leading-number reader: reads the longest number at the start of the
// text (sign, digits, a full stop for decimals, an optional exponent), blanks
// anywhere being ignored; stops at the first other character; no digit gives 0.
// "12.5 mm" -> 12.5, "12,5" -> 12, "abc" -> 0.
double readLeadingNumber(std::string_view text);

// The shortest decimal form with a comma, up to 15 significant digits:
// 8.3 -> "8,3", 0.78 -> "0,78", 1634 -> "1634", -0.0 -> "0".
std::string formatFrenchNumber(double value);

// Rounds to n decimals, a half going to the even neighbour (30.55 -> 30.6,
// 0.125 -> 0.12, 2.5 -> 2). The value is judged as written with 15 significant
// digits (as the program shows it): a half there counts as a half even when
// binary can't hold it exactly (30.55), and only a half does (1234567.8945 to
// two decimals is 1234567.89; 403256.12532 is 403256.13).
double roundHalfEven(double value, int decimals = 0);

} // namespace tovimar
