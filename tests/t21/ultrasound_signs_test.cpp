// SPDX-License-Identifier: GPL-3.0-or-later
#include "t21/ultrasound_signs.h"

#include <gtest/gtest.h>

using namespace tovimar;

namespace {
std::array<bool, kSignCount> ticks(const char* bits) {
    std::array<bool, kSignCount> t{};
    for (std::size_t i = 0; i < kSignCount; ++i)
        t[i] = bits[i] == '1';
    return t;
}
} // namespace

TEST(T21UltrasoundSigns, TheListInItsOrder) {
    const char* items[] = {"OPN présents au 1er trimestre",
                           "Echo morpho du 2ème Ter normale",
                           "Fémur court",
                           "Anses hyperéchogènes",
                           "Foyer hyperéchogène intra-cardiaque",
                           "Humérus court",
                           "Absence des OPN au 1er trimestre",
                           "Pyelectasie"};
    const double factors[] = {3.7, 2.78, 1.5, 6.7, 1.8, 5.1, 146, 1.5};
    for (std::size_t i = 0; i < kSignCount; ++i) {
        EXPECT_STREQ(kUltrasoundSigns[i].item, items[i]);
        EXPECT_EQ(signFactor(i, true), factors[i]);
        EXPECT_EQ(signFactor(i, false), 1);
    }
    EXPECT_EQ(signFactor(8, true), 1);
}

TEST(T21UltrasoundSigns, CoefficientAndItsText) {
    struct Case {
        const char* ticked;
        double coefficient;
        const char* text; // nullptr: hidden
    } cases[] = {
        {"00000000", 1, nullptr},
        {"00100000", 1.5, "Coefficient de risque = 1,5"},
        {"10000000", 1 / 3.7, "Coefficient de risque = 0,27"},
        {"10000010", 146 / 3.7, "Coefficient de risque = 39,46"},
        {"01000000", 1 / 2.78, "Coefficient de risque = 0,36"},
        {"11000000", 1 / 3.7 / 2.78, "Coefficient de risque = 0,1"},
        {"00111111", 1.5 * 6.7 * 1.8 * 5.1 * 146 * 1.5, "Coefficient de risque = 20204,72"},
    };
    for (const Case& c : cases) {
        const double coefficient = markerCoefficient(signFactors(ticks(c.ticked)));
        EXPECT_NEAR(coefficient, c.coefficient, 1e-9 * c.coefficient) << c.ticked;
        const auto text = coefficientText(coefficient);
        if (c.text)
            EXPECT_EQ(text, c.text) << c.ticked;
        else
            EXPECT_FALSE(text) << c.ticked;
    }
}

TEST(T21UltrasoundSigns, ExplanationIsTwoLines) {
    EXPECT_EQ(signExplanation(0), "OPN présents au 1er trimestre, diminue le risque par 3,7\r\n"
                                  "Selon CICERO, The Lancet 17/11/01");
    EXPECT_EQ(signExplanation(1), "Echo Morpho Normale. Diminue le risque par 2,78\r\n ");
    EXPECT_EQ(signExplanation(4),
              "Foyer hyperéchogènique intra-cardiaque à T2, multiplie le risque par 1,8\r\n"
              " Nyberg JUM, 20:1053-1063' 2001");
    EXPECT_EQ(signExplanation(6), "Absence des OPN à T1, risque multiplié par 146\r\n"
                                  " CICERO, The Lancet 17/11/01");
    EXPECT_FALSE(signExplanation(8));
}
