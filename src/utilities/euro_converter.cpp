#include "utilities/euro_converter.h"

#include <cstdint>
#include <optional>

#include "core/french_number.h"

namespace tovimar {
namespace {

using Wide = __int128; // a count of ten-thousandths times the rate's 100000ths

constexpr std::int64_t kRateHundredThousandths = 655957;      // 6,55957 F for 1 €
constexpr std::int64_t kAmountLimit = 10'000'000'000'000'000; // 10^12 in ten-thousandths

// a / b to the nearest whole number, a half going to the even neighbour (b > 0).
Wide divideHalfEven(Wide a, Wide b) {
    const bool negative = a < 0;
    const Wide magnitude = negative ? -a : a;
    Wide quotient = magnitude / b;
    const Wide twiceRemainder = 2 * (magnitude % b);
    if (twiceRemainder > b || (twiceRemainder == b && quotient % 2 != 0)) ++quotient;
    return negative ? -quotient : quotient;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The typed amount as a count of ten-thousandths, rounded half to even on its
// decimal digits. The text is first checked by the common French number
// reader; the digits are then taken one by one because a binary double cannot
// hold twelve integer digits and four decimals exactly.
std::optional<std::int64_t> tenThousandths(std::string_view text) {
    if (!isFrenchNumber(text)) return std::nullopt;
    bool negative = false;
    std::int64_t count = 0;     // integer part, then ten-thousandths
    int decimals = -1;          // -1 before the comma
    int firstDropped = -1;      // the fifth decimal, when there is one
    bool droppedBeyond = false; // a non-zero digit after the fifth decimal
    for (char c : text) {
        if (c == '-') negative = true;
        if (c == ',') decimals = 0;
        if (!isDigit(c)) continue;
        const int digit = c - '0';
        if (decimals < 4) {
            // The final count is at least this one: once past the limit, too many digits.
            count = count * 10 + digit;
            if (count >= kAmountLimit) return std::nullopt;
            if (decimals >= 0) ++decimals;
        } else if (firstDropped < 0) {
            firstDropped = digit;
        } else if (digit != 0) {
            droppedBeyond = true;
        }
    }
    for (int d = decimals < 0 ? 0 : decimals; d < 4; ++d) {
        if (count >= kAmountLimit / 10) return std::nullopt;
        count *= 10;
    }
    if (firstDropped > 5 || (firstDropped == 5 && (droppedBeyond || count % 2 != 0))) ++count;
    if (count >= kAmountLimit) return std::nullopt;
    return negative ? -count : count;
}

// A count of ten-thousandths shown to 2 decimals, in its shortest form.
std::string shownToCents(Wide tenThousandthsCount) {
    const Wide cents = divideHalfEven(tenThousandthsCount, 100);
    const bool negative = cents < 0;
    const Wide magnitude = negative ? -cents : cents;
    std::string text = std::to_string(static_cast<long long>(magnitude / 100));
    const int fraction = static_cast<int>(magnitude % 100);
    if (fraction != 0) {
        text += ',';
        text += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
    }
    return negative ? "-" + text : text;
}

} // namespace

std::string EUROFRANCS2(std::string_view euros) {
    const auto amount = tenThousandths(euros);
    if (!amount) return {};
    // The exact product has nine decimals; back to four, halves to even.
    const Wide francs = divideHalfEven(Wide(*amount) * kRateHundredThousandths, 100000);
    return shownToCents(francs);
}

std::string FRANCEUROS2(std::string_view francs) {
    const auto amount = tenThousandths(francs);
    if (!amount) return {};
    const Wide euros = divideHalfEven(Wide(*amount) * 100000, kRateHundredThousandths);
    return shownToCents(euros);
}

} // namespace tovimar
