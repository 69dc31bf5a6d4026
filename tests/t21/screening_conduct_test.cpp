// SPDX-License-Identifier: GPL-3.0-or-later
#include "t21/screening_conduct.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "t21/patient_letter.h"

using namespace tovimar;

namespace {

constexpr auto k2018 = ScreeningStrategy::Thresholds2018;
constexpr auto kSingle = ScreeningStrategy::SingleThreshold;

double contrast(std::uint32_t a, std::uint32_t b) {
    auto luminance = [](std::uint32_t rgb) {
        auto linear = [](std::uint32_t v) {
            const double c = v / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(rgb >> 16 & 0xFF) + 0.7152 * linear(rgb >> 8 & 0xFF) +
               0.0722 * linear(rgb & 0xFF);
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

T21Screen calculated(const T21Inputs& in) {
    T21Screen screen = resetT21Screen({});
    enterCrl(screen.state, in.crl);
    return calculateT21Risk(screen, in).screen;
}

} // namespace

TEST(T21Conduct, BandsAtAndAroundEachEdge) {
    struct Case {
        std::optional<double> n, nt;
        ScreeningStrategy strategy;
        long long threshold;
        std::optional<ConductBand> band;
    };
    const Case cases[] = {
        {2, {}, k2018, 0, ConductBand::Karyotype},
        {50, {}, k2018, 0, ConductBand::Karyotype},
        {51, {}, k2018, 0, ConductBand::CellFreeDna},
        {1000, {}, k2018, 0, ConductBand::CellFreeDna},
        {1001, {}, k2018, 0, ConductBand::NoFurtherTest},
        {1001, 3.4, k2018, 0, ConductBand::NoFurtherTest},
        {1001, 3.5, k2018, 0, ConductBand::NuchalKaryotype},
        {30, 6, k2018, 0, ConductBand::NuchalKaryotype},
        {{}, 3.5, k2018, 0, ConductBand::NuchalKaryotype}, // no risk, the translucency alone
        {{}, 2, k2018, 0, std::nullopt},
        {250, {}, kSingle, 250, ConductBand::AboveThreshold},
        {251, {}, kSingle, 250, ConductBand::BelowThreshold},
        {30, 6, kSingle, 20, ConductBand::BelowThreshold}, // the Part's letter has no NT rule
        {{}, 6, kSingle, 250, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(conductBand(c.n, c.nt, c.strategy, c.threshold), c.band)
            << c.n.value_or(-1) << " " << c.nt.value_or(-1) << " " << c.threshold;
}

TEST(T21Conduct, EachBandIsWordedAndReadableAtWcagAA) {
    for (ConductBand band :
         {ConductBand::Karyotype, ConductBand::NuchalKaryotype, ConductBand::CellFreeDna,
          ConductBand::NoFurtherTest, ConductBand::AboveThreshold, ConductBand::BelowThreshold}) {
        EXPECT_FALSE(conductSentence(band, 250).empty());
        const ConductColours c = conductColours(band);
        EXPECT_GE(contrast(c.text, c.background), 4.5) << conductSentence(band, 250);
    }
    EXPECT_EQ(conductSentence(ConductBand::AboveThreshold, 300),
              "Risque de 1/300 ou plus : amniocentèse conseillée");
    // Each 2018 band has a paragraph of its own for the patient.
    std::set<std::string> paragraphs;
    for (ConductBand band : {ConductBand::Karyotype, ConductBand::NuchalKaryotype,
                             ConductBand::CellFreeDna, ConductBand::NoFurtherTest})
        paragraphs.insert(conductParagraph(band));
    EXPECT_EQ(paragraphs.size(), 4u);
    EXPECT_EQ(paragraphs.count(""), 0u);
    EXPECT_NE(conductParagraph(ConductBand::CellFreeDna).find("DPNI"), std::string::npos);
}

TEST(T21Conduct, TheRiskJudgedIsTheLaboratorysWhenGivenElseTheProgramsAtTesting) {
    // Age, serum and translucency: integrated 1/4970 at 15-18 weeks, 1/6312 at term.
    T21Inputs in{"35", false, "1000", "60", "1,5"};
    T21Screen screen = calculated(in);
    ASSERT_EQ(screen.results.integratedAtTesting, "1/4970");
    EXPECT_EQ(conductRisk(screen, k2018)->n, 4970);
    EXPECT_FALSE(conductRisk(screen, k2018)->fromLaboratory);
    EXPECT_EQ(conductRisk(screen, kSingle)->n, 6312); // the letter's overall risk

    in.combined = "180";
    screen = calculated(in);
    EXPECT_EQ(screen.results.laboratoryCombined, "1/180");
    for (ScreeningStrategy s : {k2018, kSingle}) {
        ASSERT_TRUE(conductRisk(screen, s));
        EXPECT_EQ(conductRisk(screen, s)->n, 180);
        EXPECT_TRUE(conductRisk(screen, s)->fromLaboratory);
    }
    // The program's own integration stays as it was.
    EXPECT_EQ(screen.results.integratedAtTesting, "1/4970");

    // Age alone: no risk at testing for the 2018 thresholds.
    EXPECT_FALSE(conductRisk(calculated({"35", false, "", "", ""}), k2018));
    // Any edit forgets the laboratory's risk and the translucency with the results.
    const T21Screen forgotten = forgetT21Results(screen);
    EXPECT_FALSE(forgotten.state.labCombinedN);
    EXPECT_FALSE(forgotten.state.nuchalMm);
    EXPECT_TRUE(forgotten.results.laboratoryCombined.empty());
}

TEST(T21Conduct, TheLaboratorysRiskHasTheBoundsOfTheOtherRiskFields) {
    for (const char* text : {"0", "0,5", "1000001", "abc", "1/180"}) {
        const T21Calculation c =
            calculateT21Risk(resetT21Screen({}), {"35", false, "", "", "", text});
        EXPECT_EQ(c.failure, T21Failure::CombinedUnreadable) << text;
        EXPECT_FALSE(c.screen.state.labCombinedN) << text;
        EXPECT_TRUE(c.screen.results.laboratoryCombined.empty()) << text;
    }
    EXPECT_NE(failureMessage(T21Failure::CombinedUnreadable).find("risque combiné du laboratoire"),
              std::string::npos);
    // Taken without an age: the laboratory has its own.
    const T21Calculation alone = calculateT21Risk(resetT21Screen({}), {"", false, "", "", "", "1"});
    EXPECT_EQ(alone.failure, T21Failure::AgeMissing);
    EXPECT_EQ(alone.screen.state.labCombinedN, 1);
}

TEST(T21Conduct, TheLetterJudgesTheLaboratorysRiskWithTheStrategyInForce) {
    T21Screen screen = calculated({"35", false, "", "", "", "1000"});
    std::optional<T21LetterData> letter = letterFromScreen(screen);
    ASSERT_TRUE(letter);
    EXPECT_EQ(letter->globalN, "1000");
    EXPECT_EQ(letter->laboratoryCombined, "1/1000");
    setLetterConduct(*letter, screen, k2018, 250);
    EXPECT_EQ(letter->conduct, ConductBand::CellFreeDna);
    EXPECT_EQ(letter->conductN, "1000");
    setLetterConduct(*letter, screen, kSingle, 250);
    EXPECT_EQ(letter->conduct, ConductBand::BelowThreshold);
    EXPECT_EQ(letter->threshold, 250);

    // The laboratory's risk alone, no age: still a letter.
    const T21Screen labOnly = calculated({"", false, "", "", "", "49,5"});
    ASSERT_TRUE(letterFromScreen(labOnly));
    EXPECT_EQ(letterFromScreen(labOnly)->globalN, "50");
}
