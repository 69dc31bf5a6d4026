// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A calendar date as a whole count of days, day 0 being 30/12/1899 (the
// serial numbering used by French office software); no time of day.

#include <optional>
#include <string>
#include <string_view>

namespace tovimar {

struct YearMonthDay {
    int year = 1899;
    int month = 12;
    int day = 30;
};

class VbDate {
  public:
    constexpr VbDate() = default;
    constexpr explicit VbDate(int serial) : serial_(serial) {}

    // Builds a date from a real calendar day; nullopt when the day does not exist.
    static std::optional<VbDate> fromYmd(int year, int month, int day);
    // Builds a date as ordinary date composition does: a day or month out of
    // range rolls into the next or previous month and year (month 0 is the
    // December before, day 0 the last day of the month before).
    static VbDate compose(int year, int month, int day);

    constexpr int serial() const { return serial_; }
    YearMonthDay ymd() const;
    int year() const { return ymd().year; }
    int month() const { return ymd().month; }
    int day() const { return ymd().day; }

    constexpr VbDate plusDays(int n) const { return VbDate(serial_ + n); }
    // n calendar months later (or earlier): same day of the month, or the last
    // day of a shorter month (31/05 + 9 months = 28 or 29/02).
    VbDate plusMonths(int n) const;

    // The calendar the program reads and writes: 01/01/0100 to 31/12/9999.
    // A date computed outside it has no DD/MM/YYYY form: it is refused, never shown.
    static constexpr int firstSerial = -657434; // 01/01/0100
    static constexpr int lastSerial = 2958465;  // 31/12/9999
    constexpr bool inCalendar() const { return serial_ >= firstSerial && serial_ <= lastSerial; }
    // A day count as a date of the calendar; nullopt outside it.
    static constexpr std::optional<VbDate> inCalendar(long long serial) {
        if (serial < firstSerial || serial > lastSerial) return std::nullopt;
        return VbDate(static_cast<int>(serial));
    }

    // DD/MM/YYYY, for a date of the calendar (outside it the year has more or
    // fewer than four digits, which no reader takes back).
    std::string toText() const;

    friend constexpr int operator-(VbDate a, VbDate b) { return a.serial_ - b.serial_; }
    friend constexpr bool operator==(VbDate a, VbDate b) = default;
    friend constexpr auto operator<=>(VbDate a, VbDate b) = default;

  private:
    int serial_ = 0;
};

// The French short-date reader: day/month/year, one- or two-digit day and
// month, two- or four-digit year (00-29 -> 2000-2029, 30-99 -> 1930-1999).
// Anything else, an impossible day (31/02/2010), or surrounding blanks: not a date.
std::optional<VbDate> readFrenchDate(std::string_view text);
inline bool isFrenchDate(std::string_view text) {
    return readFrenchDate(text).has_value();
}

bool isLeapYear(int year);
int daysInMonth(int year, int month);

} // namespace tovimar
