// SPDX-License-Identifier: GPL-3.0-or-later
#include "obstetrics/preterm_labour.h"

#include <array>
#include <cstdint>
#include <limits>

#include "core/french_number.h"

namespace tovimar {
namespace {

// Mean fetal weight by week of amenorrhoea, 16 to 41.
constexpr int kFirstWeightWeek = 16;
constexpr std::array<std::string_view, 26> kMeanWeights = {
    "147g",  "184g",  "225g",  "273g",  "335g",  "399g",  "478g",  "567g",  "661g",
    "773g",  "898g",  "1011g", "1147g", "1281g", "1441g", "1608g", "1768g", "1933g",
    "2142g", "2337g", "2502g", "2697g", "2879g", "3069g", "3258g", "3456g"};

// Risk of preterm delivery in percent, by age band: up to 32 weeks of
// amenorrhoea, above 32 up to 35, above 35 up to 37.
using Bands = std::array<double, 3>;

struct RiskRow {
    Bands shortCervix; // 25 mm or less
    Bands longCervix;  // more than 25 mm
};

struct RiskByFibronectin {
    RiskRow positive;
    RiskRow notPositive;
};

constexpr RiskByFibronectin kPreviousPreterm = {{{50, 60, 60}, {24, 40, 48}},
                                                {{8.3, 29.2, 35.4}, {1.8, 8.6, 17.6}}};
constexpr RiskByFibronectin kNullipara = {{{35.3, 58.8, 64.7}, {3.9, 5.8, 11.5}},
                                          {{3.7, 9.2, 18.4}, {0.6, 1.7, 6}}};
constexpr RiskByFibronectin kMultipara = {{{18.8, 25, 43.8}, {2.7, 9.6, 19.2}},
                                          {{0, 4.7, 15.6}, {0.5, 1.5, 7.3}}};

constexpr int kShortCervixMm = 25;

std::optional<int> ageBand(double sa) {
    if (sa <= 32) return 0;
    if (sa <= 35) return 1;
    if (sa <= 37) return 2;
    return std::nullopt;
}

long long floorDiv(long long a, long long b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

bool fitsSixteenBits(long long n) {
    return n >= std::numeric_limits<std::int16_t>::min() &&
           n <= std::numeric_limits<std::int16_t>::max();
}

} // namespace

std::string_view POIDS_FOETAL_MOYEN(int week) {
    const int i = week - kFirstWeightWeek;
    if (i < 0 || i >= static_cast<int>(kMeanWeights.size())) return {};
    return kMeanWeights[i];
}

std::optional<PretermAge> AGE_POIDS_MAP(VbDate start, VbDate today) {
    // The start of pregnancy lies at 2 weeks of amenorrhoea.
    const long long days = today - start;
    const long long whole = floorDiv(days, 7);
    const long long rest = days - 7 * whole;
    const long long weeks = whole + 2;
    // Rounded to the nearest whole week: 0 to 3 extra days down, 4 to 6 up.
    const long long roundedWeek = rest <= 3 ? weeks : weeks + 1;
    if (!fitsSixteenBits(weeks) || !fitsSixteenBits(roundedWeek)) return std::nullopt;
    PretermAge result;
    result.sa = static_cast<double>(weeks) + static_cast<double>(rest) / 10.0;
    result.saText = formatFrenchNumber(result.sa);
    result.lblSA = result.saText + "  Semaines d'amenorrhée";
    result.lblPds = std::string(POIDS_FOETAL_MOYEN(static_cast<int>(roundedWeek)));
    return result;
}

PretermRisk RISQUE_MAP(const PretermAnswers& a) {
    PretermRisk risk;
    if (!a.sa || *a.sa < 1 || *a.sa > 41) {
        risk.message = "Erreur dans le calcul du terme";
        return risk;
    }
    // A length is a count of millimetres: a negative one is a typing slip, not a short cervix.
    const std::optional<double> cervix = readFrenchNumber(a.cervixText);
    if (!cervix || *cervix < 0) {
        risk.message = "Mauvaise saisie de la longueur du col";
        return risk;
    }
    const RiskByFibronectin* table = nullptr;
    if (a.previousPreterm)
        table = &kPreviousPreterm;
    else if (a.parity == Parity::Nullipara)
        table = &kNullipara;
    else if (a.parity == Parity::Multipara)
        table = &kMultipara;
    const std::optional<int> band = ageBand(*a.sa);
    if (!table || !band) return risk;
    const RiskRow& row =
        a.fibronectin == Fibronectin::Positive ? table->positive : table->notPositive;
    const Bands& bands = *cervix <= kShortCervixMm ? row.shortCervix : row.longCervix;
    risk.result = formatFrenchNumber(bands[*band]) + "%";
    return risk;
}

} // namespace tovimar
