// SPDX-License-Identifier: GPL-3.0-or-later
// tovimar-calc run as a user runs it: the ovarian response and embryo transfer scores.
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
        std::string call;
        for (const auto& a : c.args)
            call += a + " ";
        EXPECT_EQ(run.status, 0) << call;
        EXPECT_EQ(run.out, c.out) << call;
    }
}

} // namespace

TEST(FertilityCli, DerivedValuesAsTheLabelsShowThem) {
    expectOutputs({
        {{"IMC", "70", "164"}, "26\n"},
        {{"IMC", "50", "163"}, "18,8\n"},
        {{"IMC", "82,5", "171"}, "28,2\n"},
        {{"IMC", "70", "0"}, ""}, // no height: an empty label
        {{"IMC", "70", ""}, ""},
        {{"IMC", "70", "170.5"}, "24,1\n"}, // a full stop reads as the decimal comma
        {{"IMC", "70", "1,70"}, ""},        // a height in metres is no plausible height in cm
        {{"IMC", "-1", "170"}, ""},         // nor a negative weight
        {{"RAPPORT_LH_FSH", "3", "8"}, "0,38\n"},
        {{"RAPPORT_LH_FSH", "7", "5"}, "1,4\n"},
        {{"RAPPORT_LH_FSH", "5,5", "6,3"}, "0,87\n"},
        {{"RAPPORT_LH_FSH", "3", "0"}, ""},
        {{"RAPPORT_LH_FSH", "abc", "8"}, ""},
    });
}

TEST(FertilityCli, OvarianResponseScoreLines) {
    expectOutputs({
        {{"SCORE_RO", "25", "20", "2", "5"},
         "-1 0 0 -1\n-2\nHyper répondeuse\n Aucune experience des Antagonistes, Plutôt Agonistes "
         "si LH élevée\noui non\nDémarrer avec 100 UI de FSHr\nDémarrer à J2 avec 150 UI de "
         "FSHr\n"},
        {{"SCORE_RO", "40", "30", "0,2", "12"},
         "2 1 2 1\n6\nHypo répondeuse\n Préfèrer Antagonistes, oestrogénothérapie préalable\nnon "
         "oui\nDémarrer avec 450 UI de FSHr\nDémarrer à J2 avec 300 UI de FSHr\n"},
        {{"SCORE_RO", "36", "25,9", "0,38", "7,6"},
         "1 1 1 0\n3\nHypo répondeuse\n Préfèrer protocole  Antagoniste\noui oui\nDémarrer avec "
         "300 UI de FSHr\nDémarrer à J2 avec 300 UI de FSHr\n"},
        {{"SCORE_RO", "39", "20", "0,5", "5"},
         "2 0 0 0\n2\nNormo répondeuse limite mauvaise répondeuse\n Agonistes ou Antagonistes au "
         "choix\noui oui\nDémarrer avec 300 UI de FSHr\nDémarrer à J2 avec 250 UI de FSHr\n"},
        // Nothing to compute: "&Calcule" does nothing.
        // An age no woman treated can have: the window's message, no score.
        {{"SCORE_RO", "5", "20", "0,5", "5"}, "L'âge doit être compris entre 15 et 80 ans.\n"},
        {{"SCORE_TRANSFERT", "1975", "470", "1000", "3"},
         "L'âge doit être compris entre 15 et 80 ans.\n"},
        {{"SCORE_RO", "", "20", "0,5", "5"}, ""},
        {{"SCORE_RO", "30", "", "0,5", "5"}, ""},
        {{"SCORE_RO", "30", "20", "x", "5"}, ""},
    });
}

TEST(FertilityCli, TransferScoreLines) {
    expectOutputs({
        {{"SCORE_TRANSFERT", "37", "470", "1000", "3"},
         "1 2 2\nMauvais score\nScore Moyen\nScore moyen\n5\n4\n Mauvais score\n"},
        {{"SCORE_TRANSFERT", "36", "1124", "1000", "3"},
         "2 2 2\nScore moyen\nScore Moyen\nScore moyen\n6\n3\nScore moyen\n"},
        {{"SCORE_TRANSFERT", "30", "1126", "1000,5", "4"},
         "3 3 3\nBon score\nBon Score\nBon score\n9\n2\nBon score\n"},
        {{"SCORE_TRANSFERT", "36,5", "464", "1000", "1"},
         "1 1 1\nMauvais score\nMauvais score\nMauvais Score\n3\n4\n Mauvais score\n"},
        // No ratio (no FSH units) or no age: "Calcule" does nothing.
        {{"SCORE_TRANSFERT", "30", "470", "0", "4"}, ""},
        {{"SCORE_TRANSFERT", "30", "470", "0,4", "4"}, ""},
        {{"SCORE_TRANSFERT", "30", "", "1000", "4"}, ""},
        {{"SCORE_TRANSFERT", "trente", "470", "1000", "4"}, ""},
    });
}

TEST(FertilityCli, JsonNamesTheFields) {
    EXPECT_EQ(calc({"--json", "IMC", "70", "164"}).out, "{\"imc\": \"26\"}\n");
    EXPECT_EQ(calc({"--json", "IMC", "70", "0"}).out, "{\"imc\": null}\n");
    const std::string ro = calc({"--json", "SCORE_RO", "25", "20", "2", "5"}).out;
    EXPECT_NE(ro.find("\"total\": -2"), std::string::npos) << ro;
    EXPECT_NE(ro.find("\"agoniste\": true, \"antagoniste\": false"), std::string::npos) << ro;
    const std::string tr = calc({"--json", "SCORE_TRANSFERT", "37", "474", "1000", "3"}).out;
    EXPECT_NE(tr.find("\"embryons\": 4"), std::string::npos) << tr;
    EXPECT_NE(tr.find("\"rapport_e2_fsh\": 0.47"), std::string::npos) << tr;
}

TEST(FertilityCli, BadArgumentsGetAFrenchMessageAndStatusTwo) {
    const Case cases[] = {
        {{"SCORE_RO", "30", "20", "0,5", ""}, "n'est pas un nombre"},
        {{"SCORE_RO", "30", "20", "0,5"}, "attend 4 argument"},
        {{"SCORE_TRANSFERT", "30", "470", "1000", "2"}, "vaut 4, 3 ou 1"},
        {{"IMC", "70"}, "attend 2 argument"},
    };
    for (const auto& c : cases) {
        const CalcRun run = calc(c.args, true);
        EXPECT_EQ(run.status, 2) << c.args[0];
        EXPECT_NE(run.out.find(c.out), std::string::npos) << run.out;
    }
}

TEST(FertilityCli, SameAnswerUnderAFrenchLocale) {
    setenv("LC_ALL", "fr_FR.UTF-8", 1);
    const CalcRun fr = calc({"IMC", "82,5", "171"});
    const CalcRun ratio = calc({"RAPPORT_LH_FSH", "5,5", "6,3"});
    unsetenv("LC_ALL");
    EXPECT_EQ(fr.out, "28,2\n");
    EXPECT_EQ(ratio.out, "0,87\n");
}

TEST(FertilityCli, HelpListsTheCommands) {
    const std::string help = calc({"--help"}).out;
    for (const char* name : {"SCORE_RO", "IMC", "RAPPORT_LH_FSH", "SCORE_TRANSFERT"})
        EXPECT_NE(help.find(name), std::string::npos) << name;
}
