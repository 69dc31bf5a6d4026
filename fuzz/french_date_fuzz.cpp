// SPDX-License-Identifier: GPL-3.0-or-later
// The French short-date reader on any bytes: a date it accepts lies in the
// calendar, is written back with four-digit years and read back unchanged,
// and the month arithmetic around it stays in step with the day count.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/vb_date.h"
#include "fuzz_check.h"

using namespace tovimar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto date = readFrenchDate(text);
    if (!date) return 0;
    FUZZ_CHECK(date->inCalendar());
    const std::string written = date->toText();
    FUZZ_CHECK(written.size() == 10);
    FUZZ_CHECK(readFrenchDate(written) == date);
    const YearMonthDay ymd = date->ymd();
    FUZZ_CHECK(VbDate::fromYmd(ymd.year, ymd.month, ymd.day) == date);
    FUZZ_CHECK(VbDate::compose(ymd.year, ymd.month, ymd.day) == date);
    // Nine months later (the term) keeps the day or takes the month's last one.
    const VbDate term = date->plusMonths(9);
    const YearMonthDay t = term.ymd();
    FUZZ_CHECK(t.day == ymd.day || (t.day == daysInMonth(t.year, t.month) && t.day < ymd.day));
    FUZZ_CHECK((t.year * 12 + t.month) - (ymd.year * 12 + ymd.month) == 9);
    return 0;
}
