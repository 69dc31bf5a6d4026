// tovimar-calc run as a user runs it: dating, schedule, saint, reminders, moon.
#include <gtest/gtest.h>

#include "cli/calc_runner.h"

using namespace tovimar::testing;

TEST(DatingCli, PrintsResultsAsTheProgramShowsThem) {
    struct Case {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{"TERME_DEPUIS_DEBUT", "31/05/2011"}, "29/02/2012\n"},
        {{"TERME_DEPUIS_DEBUT", "31/5/11"}, "29/02/2012\n"},
        {{"DEBUT_DEPUIS_DDR", "01/01/2010"}, "15/01/2010\n"},
        {{"AGE_DEPUIS_DEBUT", "15/01/2010", "29/03/2010"}, "12,3\n"},
        {{"AGE_DEPUIS_DEBUT", "15/01/2010", "26/12/2009"}, "-0,9\n"},
        {{"SA_ARRONDIE", "15/01/2010", "30/03/2010"}, "13\n"},
        {{"MOIS_JOURS", "20/01/2010", "05/03/2010"}, "2 mois, -15 jours\n"},
        {{"DATE_POUR_SA", "15/01/2010", "22"}, "04/06/2010\n"},
        {{"DATE_100_POURCENT", "15/01/2010"}, "15/06/2010\n"},
        {{"FENETRE_AMENORRHEE", "15/01/2010", "77", "97,5"}, "19/03/2010 --> 09/04/2010\n"},
        {{"CONSULTATION_ANESTHESIE", "15/01/2010", "210", "238"},
         "entre le 13/08/2010 et le 10/09/2010\n"},
        {{"ECHOGRAPHIES_RECOMMANDEES", "15/01/2010"}, "04/06/2010\n13/08/2010\n"},
        {{"DEBUTS_CONGE", "15/10/2010", "non", "non", "2"}, "20/08/2010\n06/08/2010\n"},
        {{"SAINT_DU_JOUR", "01/01/2010"},
         "Jour de l'an\nAu jour de l'an,\nLes jours croissent d'un vol de faisan.\n"},
        {{"RAPPEL_ECHEANCES", "15/11/2026"},
         "ATTENTION\n\nAujourd'hui dernier délai pour payer vos cotisations URSSAF\n"},
        {{"RAPPEL_ECHEANCES", "16/11/2026"}, ""},
        {{"GetMoonDate", "21/01/2000"}, "0,977866341316258\nMontante\n"},
    };
    for (const auto& c : cases) {
        const CalcRun run = calc(c.args);
        EXPECT_EQ(run.status, 0) << c.args[0];
        EXPECT_EQ(run.out, c.out) << c.args[0];
    }
}

TEST(DatingCli, JsonNamesTheFields) {
    const CalcRun run = calc({"--json", "AGE_DEPUIS_DEBUT", "15/01/2010", "29/03/2010"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "{\"sa\": \"12,3\", \"semaines\": 12, \"jours\": 3, \"jours_de_grossesse\": 73}\n");
    EXPECT_EQ(calc({"--json", "EXAMENS_OBLIGATOIRES", "31/01/2010"}).out.substr(0, 42),
              "{\"mois_4\": \"30/04/2010 --> 31/05/2010\", \"m");
}

TEST(DatingCli, BadArgumentsGetAFrenchMessageAndStatusTwo) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"TERME_DEPUIS_DEBUT", "31/02/2010"}, "n'est pas une date"},
        {{"TERME_DEPUIS_DEBUT", " 15/01/2010"}, "n'est pas une date"},
        {{"TERME_DEPUIS_DEBUT"}, "attend 1 argument"},
        {{"TERME_DEPUIS_DEBUT", "15/01/2010", "x"}, "attend 1 argument"},
        {{"PAS_UNE_FONCTION"}, "fonction inconnue"},
        {{"DATE_POUR_SA", "15/01/2010", "22,5"}, "n'est pas un nombre entier"},
        {{"FENETRE_AMENORRHEE", "15/01/2010", "x", "97"}, "n'est pas un nombre de jours"},
        {{"DEBUTS_CONGE", "15/10/2010", "peut-être", "non", "1"}, "répondez oui ou non"},
    };
    for (const auto& c : cases) {
        const CalcRun run = calc(c.args, true);
        EXPECT_EQ(run.status, 2) << c.args[0];
        EXPECT_NE(run.out.find(c.message), std::string::npos) << run.out;
    }
}

TEST(DatingCli, HelpListsEveryFunction) {
    const CalcRun run = calc({"--help"});
    EXPECT_EQ(run.status, 0);
    for (const char* name :
         {"DEBUT_DEPUIS_DDR", "TERME_DEPUIS_DEBUT", "AGE_DEPUIS_DEBUT", "SA_ARRONDIE", "MOIS_JOURS",
          "DATE_POUR_SA", "DATE_100_POURCENT", "FENETRE_AMENORRHEE", "CONSULTATION_ANESTHESIE",
          "EXAMENS_OBLIGATOIRES", "ECHOGRAPHIES_RECOMMANDEES", "DEBUTS_CONGE",
          "DATATION_ECHOGRAPHIQUE", "SAINT_DU_JOUR", "RAPPEL_ECHEANCES", "GetMoonDate"})
        EXPECT_NE(run.out.find(name), std::string::npos) << name;
}
