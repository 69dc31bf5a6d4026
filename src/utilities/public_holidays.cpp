// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/public_holidays.h"

namespace tovimar {
namespace {

constexpr const char* kWeekdays[] = {"dimanche", "lundi",    "mardi", "mercredi",
                                     "jeudi",    "vendredi", "samedi"};
constexpr const char* kMonths[] = {"janvier",   "février", "mars",     "avril",
                                   "mai",       "juin",    "juillet",  "août",
                                   "septembre", "octobre", "novembre", "décembre"};

// n written with at least `width` digits, zeros in front.
std::string padded(int n, std::size_t width) {
    std::string digits = std::to_string(n);
    return std::string(digits.size() < width ? width - digits.size() : 0, '0') + digits;
}

// A holiday: its sentence's prefix and either a fixed day and month or a
// number of days after Easter Sunday.
struct Holiday {
    const char* prefix;
    int month;       // 0 for a movable feast
    int dayOrOffset; // day of the month, or days after Easter Sunday
};

constexpr Holiday kHolidays[kHolidayCount] = {
    {"Le jour de l'an est le ", 1, 1},
    {"Le lundi de Pâques est le ", 0, 1},
    {"Le fête du travail est le ", 5, 1},
    {"La victoire 1945 est le ", 5, 8},
    {"L'ascension est le ", 0, 39},
    {"Le lundi de pentecote est le ", 0, 50},
    {"La fête nationale est le ", 7, 14},
    {"L'assomption est le ", 8, 15},
    {"La toussaint est le ", 11, 1},
    {"L'Armistice 1918 est le ", 11, 11},
    {"Noël est le ", 12, 25},
};

} // namespace

std::optional<VbDate> easterSunday(int year) {
    if (year < kFirstHolidayYear || year > kLastHolidayYear) return std::nullopt;
    // The lunar cycle (a), the century corrections for leap years (b, c) and
    // for the moon's drift (g), the epact (h) and the weekday (l). Unlike the
    // short rule whose constants only fit 1900 to 2099, this one holds for
    // every Gregorian year.
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return VbDate::fromYmd(year, month, day);
}

std::string frenchWeekday(VbDate date) {
    // Day 0, 30/12/1899, was a Saturday.
    const int index = ((date.serial() + 6) % 7 + 7) % 7;
    return kWeekdays[index];
}

std::string longFrenchDate(VbDate date) {
    const YearMonthDay ymd = date.ymd();
    return frenchWeekday(date) + " " + padded(ymd.day, 2) + " " + kMonths[ymd.month - 1] + " " +
           padded(ymd.year, 4);
}

std::optional<std::array<std::string, kHolidayCount>> JOURS_FERIES(int year) {
    const std::optional<VbDate> easter = easterSunday(year);
    if (!easter) return std::nullopt;
    std::array<std::string, kHolidayCount> sentences;
    for (std::size_t n = 0; n < kHolidayCount; ++n) {
        const Holiday& h = kHolidays[n];
        const VbDate date = h.month == 0 ? easter->plusDays(h.dayOrOffset)
                                         : *VbDate::fromYmd(year, h.month, h.dayOrOffset);
        sentences[n] = h.prefix + longFrenchDate(date);
    }
    return sentences;
}

std::string JOUR_SEMAINE(VbDate date) {
    return "est un " + frenchWeekday(date) + " ";
}

} // namespace tovimar
