// SPDX-License-Identifier: GPL-3.0-or-later
// tovimar-calc reads a decimal typed with a full stop as one typed with the
// comma, in every command, as the windows do: the same answer, the same status.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/calc_runner.h"

using namespace tovimar::testing;

namespace {

// The argument with each decimal comma written as a full stop.
std::string withFullStop(std::string arg) {
    for (char& c : arg)
        if (c == ',') c = '.';
    return arg;
}

} // namespace

TEST(DecimalPointCli, EveryCommandReadsAFullStopAsTheDecimalComma) {
    struct Case {
        std::vector<std::string> args; // written with the comma
        std::string firstLine;         // the comma's answer starts with it (not empty)
    } cases[] = {
        {{"IMC", "70,5", "170"}, "24,4"},
        {{"RAPPORT_LH_FSH", "5,5", "8,5"}, "0,65"},
        {{"SCORE_RO", "35,5", "22,5", "0,55", "8,5"}, ""},
        {{"SCORE_TRANSFERT", "29,5", "420,5", "1000,5", "4"}, ""},
        {{"SCORE_OSIRIS", "55,5", "60,5", "non", "non"}, "1\n"},
        {{"RAP_VRAIS", "1,2"}, "0,4"},
        {{"RISK_RELATIF", "12,3"}, "1,414"},
        {{"AGE_GESTA_LCC", "45,5"}, "11,1 S.A."},
        {{"MEDIANE_CN", "45,5"}, "1,3 mm"},
        {{"ODDS_AGETERME", "35,5", "non"}, "1/309"},
        {{"CALCULE_ECHO", "250,5", "00100000"}, "1/167"},
        {{"RISQUE_T21", "35,5", "non", "1000,5", "45,5", "1,2", "-"}, "LblAgeGesta=11,1 S.A."},
        {{"RISQUE_MAP", "oui", "-", "positif", "20,5", "30,5"}, "50%"},
        {{"BANDE_CENTILE", "Bip", "20,5", "41,5"}, ""},
        {{"POIDS_HADLOCK", "300,5", "280,5", "60,5"}, ""},
        {{"POIDS_SHEPHARD", "80,5", "280,5"}, ""},
        {{"POIDS_DUDLEY", "300,5", "280,5", "60,5"}, ""},
        {{"CENTILE_GARDOSI", "280", "60,5", "165,5", "3250,5", "0", "0", "0"}, ""},
        {{"DATATION_ECHOGRAPHIQUE", "-", "-", "-", "-", "12,3", "01/03/2010", "01/03/2010"}, ""},
        {{"EUROFRANCS2", "1,5"}, "9,84"},
        {{"FRANCEUROS2", "3788,25"}, "577,51"},
        {{"DELAIS_IVG", "01/03/2010", "14,0", "7,0", "01/04/2010"}, "DateIVG=07/06/2010"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> dotted;
        for (const std::string& a : c.args)
            dotted.push_back(withFullStop(a));
        const CalcRun comma = calc(c.args);
        const CalcRun dot = calc(dotted);
        EXPECT_EQ(comma.status, 0) << c.args[0];
        EXPECT_FALSE(comma.out.empty()) << c.args[0];
        EXPECT_EQ(comma.out.rfind(c.firstLine, 0), 0u) << c.args[0] << ": " << comma.out;
        EXPECT_EQ(dot.status, comma.status) << c.args[0];
        EXPECT_EQ(dot.out, comma.out) << c.args[0];
        // And as JSON.
        dotted.insert(dotted.begin(), "--json");
        std::vector<std::string> json = c.args;
        json.insert(json.begin(), "--json");
        EXPECT_EQ(calc(dotted).out, calc(json).out) << c.args[0];
    }
}

TEST(DecimalPointCli, AFullStopBesideACommaOrASecondFullStopIsNoNumber) {
    // Read the same way by every command: one decimal separator, never grouping.
    struct Case {
        std::vector<std::string> args;
    } cases[] = {
        {{"IMC", "1.070,5", "170"}},
        {{"IMC", "70.5.0", "170"}},
        {{"EUROFRANCS2", "1.000,5"}},
        {{"FRANCEUROS2", "1,000.5"}},
        {{"SCORE_OSIRIS", "55.5.5", "60", "non", "non"}},
    };
    for (const auto& c : cases) {
        const CalcRun run = calc(c.args);
        EXPECT_EQ(run.status, 0) << c.args[0];
        EXPECT_EQ(run.out, "") << c.args[0] << " " << c.args[1];
    }
    EXPECT_EQ(calc({"RAP_VRAIS", "1.2.3"}).status, 2);
}
