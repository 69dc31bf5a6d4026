// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The eleven French public holidays of a year and the weekday of any date.

#include <array>
#include <optional>
#include <string>

#include "core/vb_date.h"

namespace tovimar {

// The years whose holidays can be computed: the Gregorian Easter holds from
// 1583, and the calendar of dates ends in 9999.
inline constexpr int kFirstHolidayYear = 1583;
inline constexpr int kLastHolidayYear = 9999;

// Easter Sunday of the Gregorian calendar (the anonymous Gregorian rule, as
// published by Meeus), for any year from 1583 to 9999: 4 April 2010, 19 April
// 1981, 28 March 2100. nullopt outside those years.
std::optional<VbDate> easterSunday(int year);

// "vendredi 01 janvier 2010": the weekday, the two-digit day, the month and
// the year, in French.
std::string longFrenchDate(VbDate date);

// The French weekday name, "lundi" to "dimanche".
std::string frenchWeekday(VbDate date);

inline constexpr std::size_t kHolidayCount = 11;

// The eleven sentences of the holidays window for a year, New Year's Day to
// Christmas ("Le jour de l'an est le vendredi 01 janvier 2010"); nullopt for a
// year outside kFirstHolidayYear..kLastHolidayYear.
std::optional<std::array<std::string, kHolidayCount>> JOURS_FERIES(int year);

// The weekday label of the holidays window: "est un vendredi " (with its
// trailing blank).
std::string JOUR_SEMAINE(VbDate date);

} // namespace tovimar
