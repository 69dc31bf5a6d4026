// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/moon_phase.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tovimar;

TEST(MoonPhase, KnownNewAndFullMoons) {
    struct Case {
        const char* day;
        double phase;
        const char* direction;
    } cases[] = {
        {"06/01/2000", 0.470, "Descendante"}, // new moon
        {"21/01/2000", 0.978, "Montante"},    // full moon
        {"30/12/1899", 0.4137, "Descendante"},
    };
    for (const auto& c : cases) {
        const double p = GetMoonDate(*readFrenchDate(c.day));
        EXPECT_NEAR(p, c.phase, 0.001) << c.day;
        EXPECT_EQ(moonDirection(p), c.direction) << c.day;
    }
}

TEST(MoonPhase, AdvancesOneSynodicFractionADayAndStaysInRange) {
    const VbDate first = *readFrenchDate("01/01/1990");
    for (int i = 0; i < 20000; ++i) {
        const double p = GetMoonDate(first.plusDays(i));
        ASSERT_GE(p, 0.0);
        ASSERT_LT(p, 1.0);
        const double next = GetMoonDate(first.plusDays(i + 1));
        EXPECT_NEAR(std::fmod(next - p + 1.0, 1.0), 1 / 29.53059, 1e-9);
    }
}
