// SPDX-License-Identifier: GPL-3.0-or-later
// Ultrasound dating on any typed fields: whatever is typed, the outcome is a
// clearing, a French message, or a start of pregnancy inside the calendar.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/vb_date.h"
#include "dating/ultrasound_dating.h"
#include "fuzz_check.h"

using namespace tovimar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Six fields separated by '|', then today as a day count from the first bytes.
    if (size < 3) return 0;
    const int today =
        VbDate::firstSerial + static_cast<int>((data[0] | data[1] << 8 | data[2] << 16) %
                                               (VbDate::lastSerial - VbDate::firstSerial + 1));
    std::string_view rest(reinterpret_cast<const char*>(data) + 3, size - 3);
    std::string fields[6];
    for (std::string& field : fields) {
        const auto bar = rest.find('|');
        field = std::string(rest.substr(0, bar));
        rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
    }
    const UltrasoundFields typed{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
    const UltrasoundOutcome out = DATATION_ECHOGRAPHIQUE(typed, VbDate(today));
    switch (out.kind) {
    case UltrasoundOutcome::Kind::Dated:
        FUZZ_CHECK(out.start.inCalendar());
        FUZZ_CHECK(out.start.toText().size() == 10);
        break;
    case UltrasoundOutcome::Kind::Refused:
        FUZZ_CHECK(!out.message.empty());
        break;
    case UltrasoundOutcome::Kind::ClearDating:
        break;
    }
    for (const std::string& notice : out.notices)
        FUZZ_CHECK(!notice.empty());
    return 0;
}
