// SPDX-License-Identifier: GPL-3.0-or-later
// tovimar-calc run as a user runs it: the trisomy 21 risk.
#include <gtest/gtest.h>

#include <cstdlib>

#include "cli/calc_runner.h"

using tovimar::testing::calc;
using tovimar::testing::CalcRun;

namespace {
struct Case {
    std::vector<std::string> args;
    std::string out;
};
void expectAll(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        const CalcRun r = calc(c.args);
        std::string label;
        for (const std::string& a : c.args)
            label += a + " ";
        EXPECT_EQ(r.status, 0) << label;
        EXPECT_EQ(r.out, c.out) << label;
    }
}
} // namespace

TEST(T21Cli, ModelFunctions) {
    expectAll({
        {{"ODDS_AGETERME", "35", "non"}, "1/347\n"},
        {{"ODDS_AGETERME", "35", "oui"}, "1/159\n"},
        {{"ODDS_AGETERME", "40", "non"}, "1/97\n"},
        {{"AGE_GESTA_LCC", "45"}, "11,1 S.A.\n"},
        {{"AGE_GESTA_LCC", "84"}, "14 S.A.\n"},
        {{"AGE_GESTA_LCC", "86"}, ""},
        {{"AGE_GESTA_LCC", "-3"}, ""},
        {{"RISK_RELATIF", "12,3"}, "1,414\n"},
        {{"MEDIANE_CN", "45"}, "1,2 mm\n"},
        {{"RAP_VRAIS", "0,78"}, "0,163\n"},
        {{"RAP_VRAIS", "2"}, "11,873\n"},
    });
}

TEST(T21Cli, Signs) {
    expectAll({
        {{"COEFFICIENT_RISQUE", "00100000"}, "Coefficient de risque = 1,5\n"},
        {{"COEFFICIENT_RISQUE", "10000010"}, "Coefficient de risque = 39,46\n"},
        {{"COEFFICIENT_RISQUE", "-"}, ""},
        {{"CALCULE_ECHO", "347", "00100000"}, "1/231\n"},
        {{"CALCULE_ECHO", "347", "10000000"}, "1/1284\n"},
        {{"CALCULE_ECHO", "97", "00000010"}, "1/2\n"},
        {{"CALCULE_ECHO", "347", "-"}, "1/347\n"},
        {{"EXPLICATION_SIGNE", "2"},
         "Fémur court, risque multiplié par 1,5\n Nyberg JUM, 20:1053-1063' 2001\n"},
        {{"EXPLICATION_SIGNE", "1"}, "Echo Morpho Normale. Diminue le risque par 2,78\n \n"},
    });
}

TEST(T21Cli, WholeScreen) {
    expectAll({
        {{"RISQUE_T21", "35", "non", "", "", "", "-"},
         "LblAgeT=1/347\nLblRiskEcho=1/347\nLblRGlobal=347\n"},
        {{"RISQUE_T21", "35", "non", "1000", "60", "1,5", "00100000"},
         "LblAgeGesta=12,2 S.A.\nLblAgeT=1/347\nFrame12=Risque à 12,2 SA\nLblAge=1/245\n"
         "LblRCNT=1/1723\nFrame8=Risque à 12,2 SA\nLblRCN=1/1219\nLblMedCn=1,6 mm\n"
         "LblMultMed=0,961\nLblRisqRelatif=1,419\nLblRapVrai=0,201\nLblRiskSero=1/1000\n"
         "LblRiskSeroT=1/1270\nLblRiskInt=1/4970\nLblRiskIntT=1/6312\n"
         "LblCoef=Coefficient de risque = 1,5\nLblRiskEcho=1/4208\nLblRGlobal=4208\n"},
        {{"RISQUE_T21", "40", "oui", "", "", "", "-"},
         "LblAgeT=1/73 (rouge)\nLblRiskEcho=1/73 (rouge)\nLblRGlobal=73\n"},
        // Typed with a full stop, the translucency reads as with a comma.
        {{"RISQUE_T21", "35", "non", "", "45", "6", "-"},
         "LblAgeGesta=11,1 S.A.\nLblAgeT=1/347\nFrame12=Risque à 11,1 SA\nLblAge=1/235\n"
         "LblRCNT=1/2 (rouge)\nFrame8=Risque à 11,1 SA\nLblRCN=1/2 (rouge)\nLblMedCn=1,2 mm\n"
         "LblMultMed=4,831\nLblRisqRelatif=1,48\nLblRapVrai=1581531,668\n"
         "LblRiskEcho=1/2 (rouge)\nLblRGlobal=2\n"},
        {{"RISQUE_T21", "50,5", "non", "1000", "60", "1.5", "-"},
         "L'âge maternel doit être inférieur à 50 ans.\nLblAgeGesta=12,2 S.A.\n"},
        {{"RISQUE_T21", "35", "non", "10000", "", "", "01000000"},
         "LblAgeT=1/347\nLblRiskSero=1/10000\nLblRiskSeroT=1/12700\n"
         "LblCoef=Coefficient de risque = 0,36\nLblRiskEcho=1/35306\nLblRGlobal=35306\n"},
        // Values no patient can have: a message and no risk of them.
        {{"RISQUE_T21", "2", "non", "1000", "", "", "-"},
         "L'âge maternel saisi n'est pas plausible : il doit être compris entre 10 et 50 ans.\n"},
        {{"RISQUE_T21", "35", "non", "0,5", "", "", "-"},
         "Le risque sérologique s'écrit par le nombre N du risque 1/N, compris entre 1 et "
         "1\u00A0000\u00A0000 : aucun risque sérologique ni intégré n'est calculé.\n"
         "LblAgeT=1/347\nLblRiskEcho=1/347\nLblRGlobal=347\n"},
        {{"RISQUE_T21", "35", "non", "", "-", "0", "-"},
         "Il faut une mesure correcte de la CLARTE NUCALE pour obtenir le risque lié à la clarté "
         "nucale et le risque intégré.\nLblAgeT=1/347\nLblRiskEcho=1/347\nLblRGlobal=347\n"},
    });
    const CalcRun typedPoint = calc({"RISQUE_T21", "35", "non", "", "45", "6.0", "-"});
    const CalcRun typedComma = calc({"RISQUE_T21", "35", "non", "", "45", "6", "-"});
    EXPECT_EQ(typedPoint.out, typedComma.out);
}

TEST(T21Cli, SameUnderAFrenchLocaleAndJson) {
    const std::vector<std::string> args = {"RISQUE_T21", "38,5", "oui",     "850,5",
                                           "53",         "2,1",  "10100001"};
    setenv("LC_ALL", "C", 1);
    const CalcRun underC = calc(args);
    setenv("LC_ALL", "fr_FR.UTF-8", 1);
    const CalcRun underFrench = calc(args);
    unsetenv("LC_ALL");
    EXPECT_EQ(underC.status, 0);
    EXPECT_EQ(underC.out, underFrench.out);
    EXPECT_NE(underC.out.find("LblRiskIntT=1/"), std::string::npos) << underC.out;

    const CalcRun r = calc({"--json", "RISQUE_T21", "35", "non", "", "44", "1,5", "-"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"message\": \"Vous devez respecter la technique de calcul mise au "
                         "point par NICOLAIDES et ses collaborateurs. Pour le calcul"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\"LblAgeT\": \"1/347\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"LblRCNT\": \"\""), std::string::npos) << r.out;

    const CalcRun age = calc({"--json", "ODDS_AGETERME", "45", "non"});
    EXPECT_NE(age.out.find("\"LblAgeT\": \"1/24\""), std::string::npos) << age.out;
    EXPECT_NE(age.out.find("\"rouge\": true"), std::string::npos) << age.out;
}

TEST(T21Cli, ArgumentsTheCalculationCannotTake) {
    const std::vector<std::vector<std::string>> refused = {
        {"ODDS_AGETERME", "trente", "non"},
        {"ODDS_AGETERME", "35", "peut-être"},
        {"RISK_RELATIF", "0"},
        {"RAP_VRAIS", "-1"},
        {"CALCULE_ECHO", "0,5", "-"},
        {"CALCULE_ECHO", "347", "0010"},
        {"COEFFICIENT_RISQUE", "00200000"},
        {"EXPLICATION_SIGNE", "8"},
        {"EXPLICATION_SIGNE", "-1"},
        {"RISQUE_T21", "35", "non", "", "", "", "abc"},
        {"RISQUE_T21", "35", "", "", "", "", "-"},
    };
    for (const auto& args : refused) {
        const CalcRun r = calc(args, true);
        EXPECT_EQ(r.status, 2) << args[0] << " " << args[1];
        EXPECT_EQ(r.out.rfind("tovimar-calc : ", 0), 0u) << r.out;
    }
}

// The conduct from a combined risk 1/N, worked from the rule: under the 2018
// thresholds a karyotype at 1/50 or higher, the cell-free DNA test from 1/51
// to 1/1000, nothing below; a karyotype at 3.5 mm of translucency whatever the
// risk; under a single threshold T, amniocentesis at N <= T.
TEST(T21Cli, ConductByBandAndEdge) {
    const std::string karyotype = "Risque de 1/50 ou plus : caryotype fœtal proposé d'emblée, "
                                  "DPNI possible si la patiente le préfère\n";
    const std::string dna = "Risque entre 1/51 et 1/1000 : DPNI proposé (ADN fœtal libre "
                            "circulant)\n";
    const std::string none = "Risque inférieur à 1/1000 : pas d'examen complémentaire\n";
    const std::string nuchal = "Clarté nucale de 3,5 mm ou plus : caryotype fœtal proposé quel "
                               "que soit le risque\n";
    expectAll({
        {{"CONDUITE_T21", "2", "-", "2018"}, karyotype},
        {{"CONDUITE_T21", "50", "", "2018"}, karyotype},
        {{"CONDUITE_T21", "51", "-", "2018"}, dna},
        {{"CONDUITE_T21", "1000", "-", "2018"}, dna},
        {{"CONDUITE_T21", "1001", "-", "2018"}, none},
        {{"CONDUITE_T21", "1000000", "-", "2018"}, none},
        // As the window shows it: 1/1000,4 is written and judged 1/1000.
        {{"CONDUITE_T21", "1000,4", "-", "2018"}, dna},
        {{"CONDUITE_T21", "1000.6", "-", "2018"}, none},
        {{"CONDUITE_T21", "5000", "3,5", "2018"}, nuchal},
        {{"CONDUITE_T21", "5000", "3.5", "2018"}, nuchal},
        {{"CONDUITE_T21", "20", "4", "2018"}, nuchal},
        {{"CONDUITE_T21", "5000", "3,4", "2018"}, none},
        {{"CONDUITE_T21", "250", "-", "seuil=250"},
         "Risque de 1/250 ou plus : amniocentèse conseillée\n"},
        {{"CONDUITE_T21", "251", "-", "seuil=250"}, "Risque inférieur à 1/250 : risque faible\n"},
        // The single threshold knows no translucency rule.
        {{"CONDUITE_T21", "5000", "4", "seuil=250"}, "Risque inférieur à 1/250 : risque faible\n"},
        // The threshold is rounded as the letter rounds it, halves to even.
        {{"CONDUITE_T21", "100", "-", "seuil=99,5"},
         "Risque de 1/100 ou plus : amniocentèse conseillée\n"},
        // What the window's fields refuse: their messages.
        {{"CONDUITE_T21", "0,5", "-", "2018"},
         "Le risque combiné du laboratoire s'écrit par le nombre N du risque 1/N, compris entre 1 "
         "et 1\u00A0000\u00A0000 : il n'est pas pris en compte.\n"},
        {{"CONDUITE_T21", "180", "16", "2018"},
         "La clarté nucale saisie n'est pas plausible : elle doit être supérieure à 0 et d'au plus "
         "15 mm.\n"},
    });
    const CalcRun json = calc({"--json", "CONDUITE_T21", "51", "-", "2018"});
    EXPECT_NE(json.out.find("\"bande\": \"dpni\""), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"couleur_fond\": \"#FFE0A0\""), std::string::npos) << json.out;

    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"CONDUITE_T21", "abc", "-", "2018"},
                                               {"CONDUITE_T21", "180", "x", "2018"},
                                               {"CONDUITE_T21", "180", "-", "seuil"},
                                               {"CONDUITE_T21", "180", "-", "seuil=40000"},
                                               {"CONDUITE_T21", "180", "-", "2017"}}) {
        const CalcRun r = calc(args, true);
        EXPECT_EQ(r.status, 2) << args[1] << " " << args[3];
        EXPECT_EQ(r.out.rfind("tovimar-calc : ", 0), 0u) << r.out;
    }
}
