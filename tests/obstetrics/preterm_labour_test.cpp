// SPDX-License-Identifier: GPL-3.0-or-later
#include "obstetrics/preterm_labour.h"

#include <gtest/gtest.h>

using namespace tovimar;

namespace {
VbDate d(const char* text) {
    auto date = readFrenchDate(text);
    EXPECT_TRUE(date) << text;
    return date.value_or(VbDate());
}
} // namespace

TEST(PretermAge, AgeTodayAndMeanWeightOfTheRoundedWeek) {
    struct Case {
        int daysSinceStart;
        const char* saText;
        const char* weight;
    } cases[] = {
        {140, "22", "478g"},   // 20 weeks since the start: 22 weeks of amenorrhoea
        {145, "22,5", "567g"}, // the digit is days, not tenths; 5 days round up to week 23
        {143, "22,3", "478g"}, // 3 days round down
        {94, "15,3", ""},      // week 15: before the table
        {95, "15,4", "147g"},  // rounds up to week 16, the first of the table
        {273, "41", "3456g"},  // the last week of the table
        {276, "41,3", "3456g"},
        {277, "41,4", ""}, // rounds up to week 42: after the table
        {0, "2", ""},
        {-20, "-0,9", ""}, // a start in the future gives a negative age, shown as it comes
    };
    const VbDate start = d("01/03/2010");
    for (const auto& c : cases) {
        const auto age = AGE_POIDS_MAP(start, start.plusDays(c.daysSinceStart));
        ASSERT_TRUE(age) << c.daysSinceStart;
        EXPECT_EQ(age->saText, c.saText) << c.daysSinceStart;
        EXPECT_EQ(age->lblSA, std::string(c.saText) + "  Semaines d'amenorrhée");
        EXPECT_EQ(age->lblPds, c.weight) << c.daysSinceStart;
    }
    EXPECT_DOUBLE_EQ(AGE_POIDS_MAP(start, start.plusDays(145))->sa, 22.5);
}

TEST(PretermAge, MeanWeightTableFromWeek16To41) {
    EXPECT_EQ(POIDS_FOETAL_MOYEN(15), "");
    EXPECT_EQ(POIDS_FOETAL_MOYEN(16), "147g");
    EXPECT_EQ(POIDS_FOETAL_MOYEN(27), "1011g");
    EXPECT_EQ(POIDS_FOETAL_MOYEN(34), "2142g");
    EXPECT_EQ(POIDS_FOETAL_MOYEN(41), "3456g");
    EXPECT_EQ(POIDS_FOETAL_MOYEN(42), "");
    EXPECT_EQ(POIDS_FOETAL_MOYEN(-32768), "");
}

TEST(PretermAge, DatesSoFarAwayThatTheWeekLeavesSixteenBitsAreRefused) {
    const VbDate start(0);
    // 32767 weeks of amenorrhoea is the last age kept; 4 more days round to week 32768.
    EXPECT_TRUE(AGE_POIDS_MAP(start, start.plusDays(32765 * 7 + 3)));
    EXPECT_FALSE(AGE_POIDS_MAP(start, start.plusDays(32765 * 7 + 4)));
    // -32768 weeks is the lowest.
    EXPECT_TRUE(AGE_POIDS_MAP(start, start.plusDays(-32770 * 7)));
    EXPECT_FALSE(AGE_POIDS_MAP(start, start.plusDays(-32770 * 7 - 1)));
    EXPECT_FALSE(AGE_POIDS_MAP(d("01/01/0100"), d("31/12/9999")));
    EXPECT_FALSE(AGE_POIDS_MAP(d("31/12/9999"), d("01/01/0100")));
}

namespace {
PretermAnswers answers(bool previous, Parity parity, Fibronectin fibronectin, const char* cervix,
                       std::optional<double> sa) {
    PretermAnswers a;
    a.previousPreterm = previous;
    a.parity = parity;
    a.fibronectin = fibronectin;
    a.cervixText = cervix;
    a.sa = sa;
    return a;
}
} // namespace

TEST(PretermRisk, EveryRowAndBandOfTheTable) {
    using P = Parity;
    using F = Fibronectin;
    struct Case {
        bool previous;
        Parity parity;
        Fibronectin fibronectin;
        const char* cervix;
        const char* upTo32;
        const char* upTo35;
        const char* upTo37;
    } cases[] = {
        {true, P::Unanswered, F::Positive, "20", "50%", "60%", "60%"},
        {true, P::Unanswered, F::Positive, "30", "24%", "40%", "48%"},
        {true, P::Unanswered, F::Negative, "20", "8,3%", "29,2%", "35,4%"},
        {true, P::Unanswered, F::Negative, "30", "1,8%", "8,6%", "17,6%"},
        {false, P::Nullipara, F::Positive, "20", "35,3%", "58,8%", "64,7%"},
        {false, P::Nullipara, F::Positive, "30", "3,9%", "5,8%", "11,5%"},
        {false, P::Nullipara, F::Negative, "20", "3,7%", "9,2%", "18,4%"},
        {false, P::Nullipara, F::Negative, "30", "0,6%", "1,7%", "6%"},
        {false, P::Multipara, F::Positive, "20", "18,8%", "25%", "43,8%"},
        {false, P::Multipara, F::Positive, "30", "2,7%", "9,6%", "19,2%"},
        {false, P::Multipara, F::Negative, "20", "0%", "4,7%", "15,6%"},
        {false, P::Multipara, F::Negative, "30", "0,5%", "1,5%", "7,3%"},
    };
    for (const auto& c : cases) {
        const char* expected[] = {c.upTo32, c.upTo35, c.upTo37};
        const double ages[] = {30, 33.4, 36.2};
        for (int band = 0; band < 3; ++band) {
            const PretermRisk risk =
                RISQUE_MAP(answers(c.previous, c.parity, c.fibronectin, c.cervix, ages[band]));
            EXPECT_EQ(risk.message, "");
            EXPECT_EQ(risk.result, expected[band])
                << c.previous << " " << static_cast<int>(c.parity) << " "
                << static_cast<int>(c.fibronectin) << " " << c.cervix << " " << ages[band];
        }
    }
}

TEST(PretermRisk, LimitsOfTheBandsAndOfTheCervix) {
    using P = Parity;
    using F = Fibronectin;
    struct Case {
        PretermAnswers a;
        const char* result;
    } cases[] = {
        {answers(false, P::Nullipara, F::Negative, "20", 32), "3,7%"}, // 32 is in the first band
        {answers(false, P::Nullipara, F::Negative, "20", 32.1), "9,2%"},
        {answers(false, P::Nullipara, F::Negative, "20", 35), "9,2%"},
        {answers(false, P::Nullipara, F::Negative, "20", 35.1), "18,4%"},
        {answers(false, P::Nullipara, F::Negative, "20", 37), "18,4%"},
        {answers(false, P::Nullipara, F::Negative, "20", 37.1), ""}, // no column applies
        {answers(false, P::Nullipara, F::Negative, "20", 1), "3,7%"},
        {answers(true, P::Unanswered, F::Positive, "25", 30), "50%"}, // 25 mm counts as short
        {answers(true, P::Unanswered, F::Positive, "26", 30), "24%"},
        {answers(true, P::Unanswered, F::Positive, "25,5", 30), "24%"},
        {answers(false, P::Multipara, F::Negative, "20", 30), "0%"},
        {answers(false, P::Multipara, F::Negative, "25", 30), "0%"},
        // An unanswered fibronectin test counts as not positive.
        {answers(false, P::Multipara, F::Unanswered, "20", 30), "0%"},
        // After a previous preterm delivery the parity is not used.
        {answers(true, P::Multipara, F::Negative, "20", 30), "8,3%"},
        // No previous preterm delivery and no parity: no row applies.
        {answers(false, P::Unanswered, F::Positive, "20", 30), ""},
    };
    for (const auto& c : cases) {
        const PretermRisk risk = RISQUE_MAP(c.a);
        EXPECT_EQ(risk.message, "") << c.a.cervixText << " " << *c.a.sa;
        EXPECT_EQ(risk.result, c.result) << c.a.cervixText << " " << *c.a.sa;
    }
}

TEST(PretermRisk, MessagesForAMissingAgeOrABadCervicalLength) {
    using P = Parity;
    using F = Fibronectin;
    const std::string term = "Erreur dans le calcul du terme";
    const std::string cervix = "Mauvaise saisie de la longueur du col";
    struct Case {
        PretermAnswers a;
        std::string message;
    } cases[] = {
        {answers(true, P::Unanswered, F::Positive, "20", std::nullopt), term},
        {answers(true, P::Unanswered, F::Positive, "20", 0.9), term},
        {answers(true, P::Unanswered, F::Positive, "20", -0.9), term},
        {answers(true, P::Unanswered, F::Positive, "20", 41.1), term},
        // The age is checked before the cervix.
        {answers(true, P::Unanswered, F::Positive, "", std::nullopt), term},
        {answers(true, P::Unanswered, F::Positive, "", 30), cervix},
        {answers(true, P::Unanswered, F::Positive, "abc", 30), cervix},
        {answers(true, P::Unanswered, F::Positive, "2 5", 30), cervix},
        {answers(true, P::Unanswered, F::Positive, "12,5 mm", 30), cervix},
        {answers(true, P::Unanswered, F::Positive, "-3", 30), cervix},
    };
    for (const auto& c : cases) {
        const PretermRisk risk = RISQUE_MAP(c.a);
        EXPECT_EQ(risk.message, c.message) << c.a.cervixText;
        EXPECT_EQ(risk.result, "") << c.a.cervixText;
    }
    // A full stop reads as the comma: 12.5 mm is 12,5 mm.
    const PretermRisk dot = RISQUE_MAP(answers(true, P::Unanswered, F::Positive, "12.5", 30));
    const PretermRisk comma = RISQUE_MAP(answers(true, P::Unanswered, F::Positive, "12,5", 30));
    EXPECT_EQ(dot.message, "");
    EXPECT_FALSE(dot.result.empty());
    EXPECT_EQ(dot.result, comma.result);
    // 41 itself is an age, beyond the table's last column.
    EXPECT_EQ(RISQUE_MAP(answers(true, P::Unanswered, F::Positive, "20", 41)).message, "");
}
