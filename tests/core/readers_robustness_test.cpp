// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever is pasted or found in a file, the readers answer without harm,
// and what they accept they give back unchanged.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/french_number.h"
#include "core/settings_record.h"
#include "core/vb_date.h"

using namespace tovimar;

namespace {

std::string randomText(std::mt19937& rng, std::size_t maxLength) {
    // Mostly the characters that matter to the readers, some of any byte.
    static const std::string alphabet = "0123456789/,.-+ e\"\r\n\t";
    std::uniform_int_distribution<std::size_t> length(0, maxLength);
    std::uniform_int_distribution<int> pick(0, 9);
    std::string s;
    for (std::size_t n = length(rng); n > 0; --n) {
        if (pick(rng) == 0)
            s += static_cast<char>(rng() & 0xFF);
        else
            s += alphabet[rng() % alphabet.size()];
    }
    return s;
}

TEST(ReadersRobustness, AnyTextIsReadOrRefusedAndAcceptedDatesRoundTrip) {
    std::mt19937 rng(20261209);
    for (int i = 0; i < 200000; ++i) {
        const std::string text = randomText(rng, 14);
        if (const auto date = readFrenchDate(text)) {
            const YearMonthDay ymd = date->ymd();
            ASSERT_GE(ymd.year, 100) << text;
            ASSERT_EQ(readFrenchDate(date->toText()), date) << text;
        }
        if (const auto number = readFrenchNumber(text)) {
            ASSERT_TRUE(std::isfinite(*number)) << text;
            ASSERT_EQ(readFrenchNumber(formatFrenchNumber(*number)).has_value(), true) << text;
        }
        ASSERT_TRUE(std::isfinite(readLeadingNumber(text))) << text;
    }
}

TEST(ReadersRobustness, AnyFileIsReadOrRefusedAndAnyRecordRoundTrips) {
    std::mt19937 rng(7);
    for (int i = 0; i < 50000; ++i) {
        const std::string bytes = randomText(rng, 80);
        const SettingsReading reading = readSettingsRecord(bytes, 3);
        ASSERT_LE(reading.values.size(), 3u);
        if (reading.complete) {
            ASSERT_EQ(reading.values.size(), 3u);
        }

        std::vector<std::string> values = {randomText(rng, 10), randomText(rng, 10),
                                           randomText(rng, 10)};
        // What a field can hold: printable text without line breaks, in Windows-1252.
        for (std::string& v : values) {
            std::string clean;
            for (unsigned char c : v)
                if (c >= 0x20 && c < 0x7F) clean += static_cast<char>(c);
            v = clean;
        }
        ASSERT_EQ(decodeSettingsRecord(encodeSettingsRecord(values), 3), values);
    }
}

} // namespace
