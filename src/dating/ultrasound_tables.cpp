// SPDX-License-Identifier: GPL-3.0-or-later
#include "dating/ultrasound_tables.h"

#include <array>
#include <cstddef>

namespace tovimar {
namespace {

// Gestational sac: the entry of mm is kSacDays[mm - 3].
constexpr int kSacFirstMm = 3;
constexpr std::array<int, 38> kSacDays = {
    28, 30, 32, 33, 34, 35, 36, 37, 37, 38, // 3-12 mm
    38, 39, 40, 41, 42, 43, 43, 44, 44, 45, // 13-22 mm
    45, 46, 46, 47, 47, 48, 48, 49, 51, 52, // 23-32 mm
    52, 53, 53, 54, 54, 55, 56, 56,         // 33-40 mm
};

// Crown-rump length: the entry of mm is kCrlDays[mm - 1].
constexpr int kCrlFirstMm = 1;
constexpr std::array<int, 85> kCrlDays = {
    32,  35,  38,  42,  42,  43, 45, 47, 48, 49, // 1-10 mm
    52,  53,  53,  55,  56,  57, 58, 59, 60, 60, // 11-20 mm
    61,  63,  64,  65,  66,  67, 67, 68, 69, 70, // 21-30 mm
    70,  71,  71,  71,  72,  74, 74, 75, 75, 76, // 31-40 mm
    77,  77,  78,  78,  79,  79, 80, 81, 81, 82, // 41-50 mm
    82,  83,  83,  84,  84,  85, 85, 86, 86, 87, // 51-60 mm
    88,  88,  89,  89,  90,  91, 91, 92, 92, 93, // 61-70 mm
    94,  94,  95,  95,  96,  97, 97, 98, 98, 99, // 71-80 mm
    100, 100, 101, 101, 102,                     // 81-85 mm
};

// A range chart: each row runs from its lower bound (included) up to the
// next row's lower bound; the last row runs up to the chart's limit.
struct RangeRow {
    int fromMm;
    int weeks;
    bool withFemurOnly = false; // a row that exists only when a femur length is measured too
};

// The last row is read only with a femur length: alone, 93 mm stays in the
// 92-93 mm row (40 weeks).
constexpr std::array<RangeRow, 28> kBiparietal = {{
    {26, 14}, {30, 15}, {34, 16}, {37, 17}, {41, 18}, {44, 19}, {47, 20},
    {50, 21}, {53, 22}, {56, 23}, {59, 24}, {62, 25}, {65, 26}, {68, 27},
    {71, 28}, {73, 29}, {76, 30}, {78, 31}, {81, 32}, {83, 33}, {85, 34},
    {86, 35}, {88, 36}, {89, 37}, {90, 38}, {91, 39}, {92, 40}, {93, 41, true},
}};
constexpr int kBiparietalAloneLastMm = 93;
constexpr int kBiparietalWithFemurLastMm = 95;

constexpr std::array<RangeRow, 27> kFemur = {{
    {13, 15}, {16, 16}, {20, 17}, {23, 18}, {26, 19}, {29, 20}, {31, 21}, {34, 22}, {40, 23},
    {43, 24}, {46, 25}, {48, 26}, {50, 27}, {53, 28}, {55, 29}, {57, 30}, {60, 31}, {61, 32},
    {63, 33}, {66, 34}, {68, 35}, {69, 36}, {71, 37}, {73, 38}, {75, 39}, {77, 40}, {78, 41},
}};
constexpr int kFemurLastMm = 80;

template <std::size_t N>
std::optional<int> entry(const std::array<int, N>& days, int firstMm, long long mm) {
    if (mm < firstMm || mm >= firstMm + static_cast<long long>(N)) return std::nullopt;
    return days[static_cast<std::size_t>(mm - firstMm)];
}

template <std::size_t N>
std::optional<int> rangeEntry(const std::array<RangeRow, N>& rows, long long lastMm, long long mm,
                              bool withFemur) {
    if (mm < rows.front().fromMm || mm > lastMm) return std::nullopt;
    std::optional<int> weeks;
    for (const RangeRow& row : rows) {
        if (row.withFemurOnly && !withFemur) continue;
        if (row.fromMm <= mm) weeks = row.weeks;
    }
    return weeks;
}

} // namespace

std::optional<int> sacDays(long long mm) {
    return entry(kSacDays, kSacFirstMm, mm);
}

std::optional<int> crlDays(long long mm) {
    return entry(kCrlDays, kCrlFirstMm, mm);
}

std::optional<int> biparietalWeeks(long long mm, bool withFemur) {
    return rangeEntry(kBiparietal, withFemur ? kBiparietalWithFemurLastMm : kBiparietalAloneLastMm,
                      mm, withFemur);
}

std::optional<int> femurWeeks(long long mm) {
    return rangeEntry(kFemur, kFemurLastMm, mm, false);
}

} // namespace tovimar
