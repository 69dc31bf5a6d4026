// SPDX-License-Identifier: GPL-3.0-or-later
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

namespace {

// Runs a shell command line around tovimar-calc: `before` and `after` hold
// environment settings and redirections.
CalcRun shell(const std::string& before, const std::vector<std::string>& args,
              const std::string& after) {
    std::string command = before + " " + shellQuoted(TOVIMAR_CALC_PATH);
    for (const std::string& a : args)
        command += " " + shellQuoted(a);
    command += " " + after;
    CalcRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buf[512];
    std::size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0)
        run.out.append(buf, n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

} // namespace

TEST(DatingCli, ADateOutsideTheCalendarIsRefusedAndNothingIsPrinted) {
    const std::vector<std::vector<std::string>> outside = {
        {"DEBUT_DEPUIS_DDR", "25/12/9999"},
        {"TERME_DEPUIS_DEBUT", "01/04/9999"},
        {"DATE_100_POURCENT", "01/08/9999"},
        {"DATE_POUR_SA", "01/01/0100", "1"},
        {"DATE_POUR_SA", "01/01/9000", "100000"},
        {"FENETRE_AMENORRHEE", "01/01/0100", "0", "20"},
        {"CONSULTATION_ANESTHESIE", "31/12/9999", "0", "1"},
        {"EXAMENS_OBLIGATOIRES", "01/06/9999"},
        {"ECHOGRAPHIES_RECOMMANDEES", "01/10/9999"},
        {"DEBUTS_CONGE", "05/01/0100", "non", "non", "1"},
        {"--json", "DEBUT_DEPUIS_DDR", "25/12/9999"},
    };
    for (const auto& args : outside) {
        const CalcRun run = calc(args);
        EXPECT_EQ(run.status, 2) << args[0] << " " << args[1];
        EXPECT_EQ(run.out, "") << args[0] << " " << args[1];
        EXPECT_NE(calc(args, true).out.find("hors du calendrier (années 100 à 9999)"),
                  std::string::npos)
            << args[0] << " " << args[1];
    }
    // The first and last days of the calendar are dates like any other.
    EXPECT_EQ(calc({"DEBUT_DEPUIS_DDR", "17/12/9999"}).out, "31/12/9999\n");
    EXPECT_EQ(calc({"DATE_POUR_SA", "15/01/0100", "0"}).out, "01/01/0100\n");
    EXPECT_EQ(calc({"TERME_DEPUIS_DEBUT", "31/03/9999"}).out, "31/12/9999\n");
}

TEST(DatingCli, FrenchAndCLocalesGiveTheSameBytes) {
    // Decimal commas in, decimal commas and JSON numbers out: all that a French
    // locale could change if a conversion followed it.
    const std::vector<std::vector<std::string>> commands = {
        {"FENETRE_AMENORRHEE", "15/01/2010", "77", "97,5"},
        {"FENETRE_AMENORRHEE", "15/01/2010", "96,5", "96,6"},
        {"AGE_DEPUIS_DEBUT", "15/01/2010", "29/03/2010"},
        {"--json", "AGE_DEPUIS_DEBUT", "15/01/2010", "26/12/2009"},
        {"GetMoonDate", "21/01/2000"},
        {"--json", "GetMoonDate", "21/01/2000"},
        {"EUROFRANCS2", "61476"},
        {"FRANCEUROS2", "1000,5"},
        {"RISK_RELATIF", "12,3"},
        {"DATATION_ECHOGRAPHIQUE", "", "45", "", "", "", "15/03/2010", "15/03/2010"},
    };
    for (const auto& args : commands) {
        const CalcRun french = shell("LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8", args, "2>&1");
        const CalcRun c = shell("LANG=C LC_ALL=C", args, "2>&1");
        EXPECT_EQ(french.status, c.status) << args[0];
        EXPECT_EQ(french.out, c.out) << args[0];
    }
    // Against the hand count: the 77th day of amenorrhoea from a start on 15/01/2010 is
    // 19/03/2010; 96,5 days rounds to 96 (even), 96,6 to 97.
    EXPECT_EQ(
        shell("LC_ALL=fr_FR.UTF-8", {"FENETRE_AMENORRHEE", "15/01/2010", "96,5", "96,6"}, "").out,
        "07/04/2010 --> 08/04/2010\n");
    EXPECT_EQ(
        shell("LC_ALL=fr_FR.UTF-8", {"--json", "GetMoonDate", "21/01/2000"}, "").out.substr(0, 12),
        "{\"phase\": 0.");
}

TEST(DatingCli, AnOutputThatCannotBeWrittenGivesAFrenchErrorAndAFailureStatus) {
    const std::vector<std::string> args = {"TERME_DEPUIS_DEBUT", "31/05/2011"};
    const CalcRun full = shell("", args, "2>&1 >/dev/full");
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.out, "tovimar-calc : impossible d'écrire le résultat (le disque est plein).\n");
    const CalcRun closed = shell("", args, "2>&1 >&-");
    EXPECT_EQ(closed.status, 1);
    EXPECT_EQ(closed.out,
              "tovimar-calc : impossible d'écrire le résultat (la sortie est fermée).\n");
    EXPECT_EQ(shell("", {"--help"}, ">/dev/full 2>/dev/null").status, 1);
}

TEST(DatingCli, WithoutACommandTheUsageGoesToStandardError) {
    const CalcRun quiet = shell("", {}, "2>/dev/null");
    EXPECT_EQ(quiet.status, 2);
    EXPECT_EQ(quiet.out, "");
    const CalcRun loud = shell("", {}, "2>&1");
    EXPECT_EQ(loud.out.rfind("Usage : tovimar-calc", 0), 0u) << loud.out;
}
