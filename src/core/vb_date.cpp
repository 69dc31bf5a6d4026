// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/vb_date.h"

#include <algorithm>

namespace tovimar {
namespace {

// Days from 0001-03-01-based civil calendar (H. Hinnant's algorithm).
constexpr long long daysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

YearMonthDay civilFromDays(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

constexpr long long kEpoch = daysFromCivil(1899, 12, 30);

bool allDigits(std::string_view s) {
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return !s.empty();
}

int toInt(std::string_view s) {
    int v = 0;
    for (char c : s)
        v = v * 10 + (c - '0');
    return v;
}

} // namespace

bool isLeapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

std::optional<VbDate> VbDate::fromYmd(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month)) return std::nullopt;
    return VbDate(static_cast<int>(daysFromCivil(year, month, day) - kEpoch));
}

VbDate VbDate::compose(int year, int month, int day) {
    // Month first (it moves the year), then the day relative to the 1st.
    long long m0 = static_cast<long long>(month) - 1;
    long long y = year + (m0 >= 0 ? m0 / 12 : -((11 - m0) / 12));
    long long m = m0 - (y - year) * 12 + 1;
    return VbDate(
        static_cast<int>(daysFromCivil(y, static_cast<unsigned>(m), 1) - kEpoch + day - 1));
}

YearMonthDay VbDate::ymd() const {
    return civilFromDays(kEpoch + serial_);
}

VbDate VbDate::plusMonths(int n) const {
    const YearMonthDay d = ymd();
    const int total = d.year * 12 + (d.month - 1) + n;
    const int y = total >= 0 ? total / 12 : -((-total + 11) / 12);
    const int m = total - y * 12 + 1;
    const int day = std::min(d.day, daysInMonth(y, m));
    return VbDate(static_cast<int>(daysFromCivil(y, m, day) - kEpoch));
}

std::string VbDate::toText() const {
    const YearMonthDay d = ymd();
    const auto digits = [](int value, int width) {
        std::string text;
        const bool negative = value < 0;
        long long v = negative ? -static_cast<long long>(value) : value;
        do {
            text.insert(text.begin(), static_cast<char>('0' + v % 10));
            v /= 10;
        } while (v > 0);
        while (static_cast<int>(text.size()) < width)
            text.insert(text.begin(), '0');
        return negative ? "-" + text : text;
    };
    return digits(d.day, 2) + "/" + digits(d.month, 2) + "/" + digits(d.year, 4);
}

std::optional<VbDate> readFrenchDate(std::string_view text) {
    const auto first = text.find('/');
    if (first == std::string_view::npos) return std::nullopt;
    const auto second = text.find('/', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    const std::string_view day = text.substr(0, first);
    const std::string_view month = text.substr(first + 1, second - first - 1);
    const std::string_view year = text.substr(second + 1);
    if (!allDigits(day) || !allDigits(month) || !allDigits(year)) return std::nullopt;
    if (day.size() > 2 || month.size() > 2) return std::nullopt;
    int y = 0;
    if (year.size() == 2) {
        const int yy = toInt(year);
        y = yy < 30 ? 2000 + yy : 1900 + yy;
    } else if (year.size() == 4) {
        y = toInt(year);
        if (y < 100) return std::nullopt; // the serial calendar starts in year 100
    } else {
        return std::nullopt;
    }
    return VbDate::fromYmd(y, toInt(month), toInt(day));
}

} // namespace tovimar
