// SPDX-License-Identifier: GPL-3.0-or-later
// tovimar-calc run as a user runs it: preterm labour and termination deadlines.
#include <gtest/gtest.h>

#include "cli/calc_runner.h"

using namespace tovimar::testing;

namespace {
struct Case {
    std::vector<std::string> args;
    std::string out;
};

void expectOutputs(const std::vector<Case>& cases) {
    for (const auto& c : cases) {
        const CalcRun run = calc(c.args);
        EXPECT_EQ(run.status, 0) << c.args[0] << " " << c.args[1];
        EXPECT_EQ(run.out, c.out) << c.args[0] << " " << c.args[1];
    }
}
} // namespace

TEST(ObstetricsCli, AgeAndWeightAsThePretermWindowShowsThem) {
    expectOutputs({
        {{"AGE_POIDS_MAP", "01/03/2010", "19/07/2010"},
         "LblSA=22  Semaines d'amenorrhée\nLblPds=478g\n"},
        {{"AGE_POIDS_MAP", "01/03/2010", "24/07/2010"},
         "LblSA=22,5  Semaines d'amenorrhée\nLblPds=567g\n"},
        {{"AGE_POIDS_MAP", "1/3/10", "01/04/2010"}, "LblSA=6,3  Semaines d'amenorrhée\n"},
        {{"AGE_POIDS_MAP", "01/03/2010", "09/02/2010"}, "LblSA=-0,9  Semaines d'amenorrhée\n"},
        // So far away that the week count leaves 16 bits: no age is shown.
        {{"AGE_POIDS_MAP", "01/01/0100", "31/12/9999"}, ""},
    });
}

TEST(ObstetricsCli, RiskAsGoShowsIt) {
    expectOutputs({
        {{"RISQUE_MAP", "oui", "-", "positif", "25", "30"}, "50%\n"},
        {{"RISQUE_MAP", "oui", "-", "positif", "26", "30"}, "24%\n"},
        {{"RISQUE_MAP", "oui", "multipare", "négatif", "20", "32,1"}, "29,2%\n"},
        {{"RISQUE_MAP", "non", "multipare", "négatif", "20", "30"}, "0%\n"},
        {{"RISQUE_MAP", "non", "nullipare", "-", "30", "36,6"}, "6%\n"},
        {{"RISQUE_MAP", "non", "nullipare", "positif", "30", "37,1"}, ""},
        {{"RISQUE_MAP", "non", "-", "positif", "20", "30"}, ""},
        {{"RISQUE_MAP", "oui", "-", "positif", "20", "-"}, "Erreur dans le calcul du terme\n"},
        {{"RISQUE_MAP", "oui", "-", "positif", "20", "41,1"}, "Erreur dans le calcul du terme\n"},
        {{"RISQUE_MAP", "oui", "-", "positif", "", "30"},
         "Mauvaise saisie de la longueur du col\n"},
        {{"RISQUE_MAP", "oui", "-", "positif", "2x", "30"},
         "Mauvaise saisie de la longueur du col\n"},
    });
}

TEST(ObstetricsCli, TerminationDeadlinesAsTheWindowShowsThem) {
    expectOutputs({
        {{"DELAIS_IVG", "01/03/2010", "10", "5", "10/05/2010"},
         "DateIVG=10/05/2010\nDepasse=oui\nDateRU=05/04/2010\nPicture2=oui\n"
         "Sem6=29/03/2010\nSem7=05/04/2010\nSem8=12/04/2010\nSem9=19/04/2010\n"
         "Sem10=26/04/2010\nSem11=03/05/2010\nSem12=10/05/2010\nSem13=17/05/2010\n"
         "Sem14=24/05/2010\nRepere=Picture11_12\n"},
        {{"DELAIS_IVG", "01/03/2010", "14", "7", "29/03/2010"},
         "DateIVG=07/06/2010\nDepasse=non\nDateRU=19/04/2010\nPicture2=non\n"
         "Sem6=29/03/2010\nSem7=05/04/2010\nSem8=12/04/2010\nSem9=19/04/2010\n"
         "Sem10=26/04/2010\nSem11=03/05/2010\nSem12=10/05/2010\nSem13=17/05/2010\n"
         "Sem14=24/05/2010\nRepere=Picture_6\n"},
        {{"DELAIS_IVG", "01/03/2010", "", "7", "29/03/2010"},
         "Veuillez saisir des données dans la boîte d'options \n"},
        {{"DELAIS_IVG", "01/03/2010", "14", "", "29/03/2010"},
         "Veuillez saisir des données dans la boîte d'options\n"},
        {{"DELAIS_IVG", "01/03/2010", "14.0", "7", "29/03/2010"},
         "DateIVG=07/06/2010\nDepasse=non\nDateRU=19/04/2010\nPicture2=non\n"
         "Sem6=29/03/2010\nSem7=05/04/2010\nSem8=12/04/2010\nSem9=19/04/2010\n"
         "Sem10=26/04/2010\nSem11=03/05/2010\nSem12=10/05/2010\nSem13=17/05/2010\n"
         "Sem14=24/05/2010\nRepere=Picture_6\n"},
        {{"DELAIS_IVG", "25/12/9999", "14", "7", "29/03/2010"}, ""},
    });
}

TEST(ObstetricsCli, TerminationLimitThatIsNotAWholeNumberExitsWithStatusTwo) {
    struct Case {
        std::string legal, medication, named;
    } cases[] = {
        {"14,5", "7",
         "« 14,5 » : la limite doit être un nombre entier de semaines (semaines_ivg)."},
        {"14.5", "7", "(semaines_ivg)"},
        {"14", "7,5", "« 7,5 » : la limite doit être un nombre entier de semaines (semaines_ru)."},
        {"quatorze", "7", "(semaines_ivg)"},
        {"14", "1e3", "(semaines_ru)"},
        {"99999", "7", "(semaines_ivg)"},
    };
    for (const auto& c : cases) {
        const CalcRun quiet =
            calc({"DELAIS_IVG", "01/03/2010", c.legal, c.medication, "29/03/2010"});
        EXPECT_EQ(quiet.status, 2) << c.legal << " " << c.medication;
        EXPECT_EQ(quiet.out, "") << c.legal << " " << c.medication; // nothing on standard output
        const CalcRun run =
            calc({"DELAIS_IVG", "01/03/2010", c.legal, c.medication, "29/03/2010"}, true);
        EXPECT_NE(run.out.find(c.named), std::string::npos) << run.out;
    }
}

TEST(ObstetricsCli, SameAnswersUnderTheFrenchLocale) {
    const std::vector<std::string> args = {"RISQUE_MAP", "oui", "-", "négatif", "20", "33,4"};
    setenv("LC_ALL", "fr_FR.UTF-8", 1);
    const CalcRun french = calc(args);
    setenv("LC_ALL", "C", 1);
    const CalcRun c = calc(args);
    unsetenv("LC_ALL");
    EXPECT_EQ(french.out, "29,2%\n");
    EXPECT_EQ(c.out, french.out);
}

TEST(ObstetricsCli, JsonNamesTheControls) {
    EXPECT_EQ(calc({"--json", "AGE_POIDS_MAP", "01/03/2010", "24/07/2010"}).out,
              "{\"LblSA\": \"22,5  Semaines d'amenorrhée\", \"LblPds\": \"567g\", "
              "\"Text1\": \"22,5\"}\n");
    EXPECT_EQ(calc({"--json", "RISQUE_MAP", "oui", "-", "positif", "20", "30"}).out,
              "{\"message\": \"\", \"LblResultat\": \"50%\"}\n");
    const CalcRun run = calc({"--json", "DELAIS_IVG", "01/03/2010", "14", "7", "29/03/2010"});
    EXPECT_EQ(run.out.rfind("{\"DateIVG\": \"07/06/2010\", \"Depasse\": \"non\", \"DateRU\"", 0),
              0u);
}

TEST(ObstetricsCli, BadArgumentsGetAFrenchMessageAndStatusTwo) {
    struct Bad {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"AGE_POIDS_MAP", "31/02/2010", "01/03/2010"}, "n'est pas une date"},
        {{"AGE_POIDS_MAP", "01/03/2010", ""}, "n'est pas une date"},
        {{"RISQUE_MAP", "peut-être", "-", "-", "20", "30"}, "répondez oui ou non"},
        {{"RISQUE_MAP", "non", "primipare", "-", "20", "30"}, "la parité vaut"},
        {{"RISQUE_MAP", "non", "-", "oui", "20", "30"}, "fibronectine vaut"},
        {{"RISQUE_MAP", "non", "-", "-", "20", "30,5 SA"}, "n'est pas un nombre"},
        {{"DELAIS_IVG", "x", "14", "7", "01/03/2010"}, "n'est pas une date"},
        {{"DELAIS_IVG", "01/03/2010", "14", "7", "1/3"}, "n'est pas une date"},
        {{"DELAIS_IVG", "01/03/2010", "14", "7"}, "attend 4 argument"},
    };
    for (const auto& c : cases) {
        const CalcRun run = calc(c.args, true);
        EXPECT_EQ(run.status, 2) << c.args[0];
        EXPECT_NE(run.out.find(c.message), std::string::npos) << run.out;
    }
}
