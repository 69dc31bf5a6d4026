// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/euro_converter.h"

#include <cstdint>
#include <optional>

#include "core/french_number.h"

namespace tovimar {
namespace {

// 6,55957 F for 1 €, in hundred-thousandths of a franc.
constexpr std::int64_t kRateHundredThousandths = 655957;

// A non-negative whole number of any size, as its decimal digits, the most
// significant first; a binary double cannot hold twelve integer digits and
// the decimals of an amount exactly, and the product needs five more.
using Digits = std::string;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

Digits withoutLeadingZeros(Digits n) {
    const auto first = n.find_first_not_of('0');
    return first == Digits::npos ? Digits("0") : n.substr(first);
}

Digits times(const Digits& n, std::int64_t factor) {
    Digits product(n.size(), '0');
    std::int64_t carry = 0;
    for (std::size_t i = n.size(); i-- > 0;) {
        const std::int64_t v = (n[i] - '0') * factor + carry;
        product[i] = static_cast<char>('0' + v % 10);
        carry = v / 10;
    }
    for (; carry > 0; carry /= 10)
        product.insert(product.begin(), static_cast<char>('0' + carry % 10));
    return withoutLeadingZeros(product);
}

// The whole part of n / divisor.
Digits dividedBy(const Digits& n, std::int64_t divisor) {
    Digits quotient;
    std::int64_t remainder = 0;
    for (char c : n) {
        remainder = remainder * 10 + (c - '0');
        quotient += static_cast<char>('0' + remainder / divisor);
        remainder %= divisor;
    }
    return withoutLeadingZeros(quotient);
}

// n / 10^count, its whole part.
Digits shiftedRight(const Digits& n, std::size_t count) {
    return count >= n.size() ? Digits("0") : n.substr(0, n.size() - count);
}

// The typed amount, exactly: its digits as one whole number and how many of
// them are decimals. Nothing when the text is not a number or has more than
// twelve digits before the comma.
struct Amount {
    bool negative = false;
    Digits digits;
    std::size_t decimals = 0;
};

std::optional<Amount> readAmount(std::string_view text) {
    if (!isFrenchNumber(text)) return std::nullopt;
    Amount a;
    Digits whole, fraction;
    bool afterComma = false;
    for (char c : text) {
        if (c == '-') a.negative = true;
        if (c == ',' || c == '.') afterComma = true;
        if (isDigit(c)) (afterComma ? fraction : whole) += c;
    }
    whole = withoutLeadingZeros(whole);
    if (whole.size() > static_cast<std::size_t>(kConverterIntegerDigits)) return std::nullopt;
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    a.digits = withoutLeadingZeros(whole + fraction);
    a.decimals = fraction.size();
    return a;
}

// A count of thousandths rounded once to the centime, a half away from zero,
// in its shortest form with a comma.
std::string centimesShown(bool negative, const Digits& thousandths) {
    const bool up = thousandths.back() >= '5';
    Digits cents = shiftedRight(thousandths, 1);
    if (up) {
        // Adds one to the count of centimes.
        std::size_t i = cents.size();
        while (i > 0 && cents[i - 1] == '9')
            cents[--i] = '0';
        if (i == 0)
            cents.insert(cents.begin(), '1');
        else
            ++cents[i - 1];
    }
    while (cents.size() < 3)
        cents.insert(cents.begin(), '0');
    std::string text = cents.substr(0, cents.size() - 2);
    std::string fraction = cents.substr(cents.size() - 2);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty()) text += ',' + fraction;
    return negative && text != "0" ? "-" + text : text;
}

} // namespace

std::string EUROFRANCS2(std::string_view euros) {
    const auto amount = readAmount(euros);
    if (!amount) return {};
    // francs = digits x 655957 / 10^(decimals + 5); in thousandths of a franc, the
    // exact product loses its last decimals + 2 digits.
    const Digits product = times(amount->digits, kRateHundredThousandths);
    return centimesShown(amount->negative, shiftedRight(product, amount->decimals + 2));
}

std::string FRANCEUROS2(std::string_view francs) {
    const auto amount = readAmount(francs);
    if (!amount) return {};
    // euros = digits x 10^5 / (655957 x 10^decimals); in thousandths of a euro,
    // the whole part of digits x 10^8 / 655957 loses its last `decimals` digits.
    const Digits quotient = dividedBy(amount->digits + "00000000", kRateHundredThousandths);
    return centimesShown(amount->negative, shiftedRight(quotient, amount->decimals));
}

} // namespace tovimar
