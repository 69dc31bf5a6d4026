// SPDX-License-Identifier: GPL-3.0-or-later
// The number readers, the writer and the rounding on any bytes: what is read
// is finite, is written in the reader's own form and read back within the 15
// digits written, and rounding never moves a value by more than half a unit
// of its last decimal.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/french_number.h"
#include "fuzz_check.h"

using namespace tovimar;

namespace {

bool closeTo(double a, double b, double relative) {
    return std::fabs(a - b) <= relative * std::fmax(std::fabs(a), std::fabs(b));
}

void checkRounding(double value, int decimals) {
    const double rounded = roundHalfEven(value, decimals);
    FUZZ_CHECK(std::isfinite(rounded));
    const double unit = std::pow(10.0, -decimals);
    // Half a unit, plus what 15 significant digits and the binary form may leave.
    FUZZ_CHECK(std::fabs(rounded - value) <= unit / 2 + std::fabs(value) * 1e-14 + 1e-300);
    FUZZ_CHECK(roundHalfEven(rounded, decimals) == rounded);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto number = readFrenchNumber(text)) {
        FUZZ_CHECK(std::isfinite(*number));
        const std::string written = formatFrenchNumber(*number);
        FUZZ_CHECK(written.find('.') == std::string::npos);
        FUZZ_CHECK(written.find_first_of("eE") == std::string::npos);
        const auto back = readFrenchNumber(written);
        FUZZ_CHECK(back.has_value());
        FUZZ_CHECK(closeTo(*back, *number, 1e-14));
        for (int decimals : {0, 1, 2, 3})
            if (std::fabs(*number) < 1e15) checkRounding(*number, decimals);
    }
    const double leading = readLeadingNumber(text);
    FUZZ_CHECK(std::isfinite(leading));
    if (size > 0 && std::fabs(leading) < 1e15) checkRounding(leading, data[0] % 7);
    return 0;
}
