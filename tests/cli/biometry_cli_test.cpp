// SPDX-License-Identifier: GPL-3.0-or-later
// Command-line tests of the biometry commands.
#include <gtest/gtest.h>

#include "cli/calc_runner.h"

using namespace tovimar::testing;

TEST(BiometryCli, PrintsResultsAsTheWindowShowsThem) {
    struct Case {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{"BANDE_CENTILE", "Bip", "20", "41"}, "< 3 ème Percentile\nrouge 10\n"},
        {{"BANDE_CENTILE", "Bip", "20", "47"}, "50 ème Percentile\nbleu 8\n"},
        {{"BANDE_CENTILE", "Hum", "20", "36"}, "> 97,5 ème Percentile\nrouge 10\n"},
        {{"BANDE_CENTILE", "Fem", "13", "12,5"}, "50 ème à 90 ème Percentile\nbleu 8\n"},
        {{"BANDE_CENTILE", "Fem", "13", "13.5"}, "90 ème à 97 ème Percentile\nbleu 8\n"},
        {{"BANDE_CENTILE", "Cc", "16", "108"}, "3 ème à 10 ème Percentile\nbleu 8\n"},
        {{"BANDE_CENTILE", "Cc", "15", "108"}, "\nbleu 8\n"},
        {{"BANDE_CENTILE", "Bip", "20", ""}, "\nbleu 8\n"},
        {{"BANDE_CENTILE", "Bip", "", "41"}, "(inchangé)\nbleu 8\n"},
        {{"BANDE_CENTILE", "Orb", "20", "12"}, "(inchangé)\nbleu 8\n"},
        {{"BANDE_CENTILE", "Orb", "12", "12"}, "\nbleu 8\n"},
        {{"MEDIANES_SA", "20"},
         "Orb 22\nBip 47\nCc 174\nDat 45\nCA 152\nFem 32\nPied 32\nHum 31\nCer 20\n"},
        {{"MEDIANES_SA", "41"},
         "Orb 44\nBip 93\nCc 331\nDat 104\nCA 348\nFem 75\nPied\nHum 65\nCer\n"},
        {{"MEDIANES_SA", "12"}, "Orb\nBip\nCc\nDat\nCA\nFem\nPied\nHum\nCer\n"},
        {{"POIDS_HADLOCK", "320", "330", "72"}, "2998 g\n"},
        {{"POIDS_HADLOCK", "320", "330", "72,5"}, "3015 g\n"},
        {{"POIDS_SHEPHARD", "90", "330"}, "2999 g\n"},
        {{"POIDS_DUDLEY", "320", "330", "72"}, "2900 g\n"},
        {{"POIDS_DUDLEY", "320", "330", "72,5"}, "2920 g\n"},
        {{"POIDS_SHEPHARD", "", "330"},
         "Il faut au moins une valeur pour le Bip et la Circonf. abdominale pour l'estimation "
         "selon Shephard.\n"},
        // A measurement no fetus can have gives the window's message, not a weight.
        {{"POIDS_HADLOCK", "2200", "330", "72"},
         "Circonf. Céphal. : 2200 mm n'est pas une mesure possible chez un foetus (plus de 0 et "
         "au plus 500 mm). Le calcul qui en dépend n'est pas fait.\n"},
        {{"POIDS_DUDLEY", "320", "2000", "72"},
         "Circonf. Abdo. : 2000 mm n'est pas une mesure possible chez un foetus (plus de 0 et au "
         "plus 600 mm). Le calcul qui en dépend n'est pas fait.\n"},
        {{"POIDS_HADLOCK", "320", "330", "-5"},
         "Fémur : -5 mm n'est pas une mesure possible chez un foetus (plus de 0 et au plus "
         "110 mm). Le calcul qui en dépend n'est pas fait.\n"},
        {{"POIDS_SHEPHARD", "90.5", "330"}, "3026 g\n"}, // a full stop reads as the comma
        {{"POIDS_DUDLEY", "320", "-", "72"},
         "Il faut au moins une valeur pour la Circonf. Céphalique, la Circonf. abdominale et le "
         "fémur pour l'estimation selon Dudley.\n"},
        {{"CENTILE_GARDOSI", "238", "64", "163", "2502", "1", "0", "0"},
         "2661g\n29\nnoir sur orange\n"},
        {{"CENTILE_GARDOSI", "266", "80", "175", "2500", "0", "8", "9"},
         "3920g\n0\nblanc sur rouge\n"},
        {{"CENTILE_GARDOSI", "237,6", "63,5", "163,4", "2501,5", "-1", "-1", "-1"},
         "2788g\n17\nnoir sur orange\n"},
        {{"CENTILE_GARDOSI", "140", "64", "163", "500", "1", "0", "0"},
         "Le centile customisé se calcule de 24 à 42 semaines d'aménorrhée.\n"},
        {{"CENTILE_GARDOSI", "", "64", "163", "500", "1", "0", "0"}, ""},
        {{"CENTILE_GARDOSI", "238", "64", "163", "40000", "1", "0", "0"}, ""},
    };
    for (const auto& c : cases) {
        for (const char* locale : {"C", "fr_FR.UTF-8"}) {
            setenv("LC_ALL", locale, 1);
            const CalcRun run = calc(c.args);
            EXPECT_EQ(run.status, 0) << c.args[0] << " " << locale;
            EXPECT_EQ(run.out, c.out) << c.args[0] << " " << c.args[1] << " " << locale;
        }
    }
    unsetenv("LC_ALL");
}

TEST(BiometryCli, JsonNamesTheFields) {
    EXPECT_EQ(calc({"--json", "BANDE_CENTILE", "Bip", "20", "41"}).out,
              "{\"inchange\": false, \"legende\": \"< 3 ème Percentile\", \"style\": \"rouge "
              "10\"}\n");
    EXPECT_EQ(calc({"--json", "POIDS_HADLOCK", "320", "330", "72"}).out,
              "{\"texte\": \"2998 g\", \"poids_g\": 2998}\n");
    EXPECT_EQ(calc({"--json", "CENTILE_GARDOSI", "238", "64", "163", "2502", "1", "0", "0"}).out,
              "{\"poids_attendu\": \"2661g\", \"centile\": 29, \"couleurs\": \"noir sur "
              "orange\"}\n");
    EXPECT_EQ(calc({"--json", "MEDIANES_SA", "41"}).out.substr(0, 45),
              "{\"Orb\": 44, \"Bip\": 93, \"Cc\": 331, \"Dat\": 104,");
}

TEST(BiometryCli, BadArgumentsGetAFrenchMessageAndStatusTwo) {
    const std::vector<std::vector<std::string>> bad = {
        {"BANDE_CENTILE", "Tete", "20", "41"},
        {"MEDIANES_SA", "20,5"},
        {"MEDIANES_SA", "vingt"},
        {"POIDS_HADLOCK", "320", "abc", "72"},
        {"POIDS_SHEPHARD", "90,5 mm", "330"},
        {"CENTILE_GARDOSI", "238", "64", "163", "2502", "masculin", "0", "0"},
        {"CENTILE_GARDOSI", "238", "soixante", "163", "2502", "1", "0", "0"},
        {"BANDE_CENTILE", "Bip", "20"},
    };
    for (const auto& args : bad) {
        const CalcRun run = calc(args, true);
        EXPECT_EQ(run.status, 2) << args[0] << " " << args[1];
        EXPECT_NE(run.out.find("tovimar-calc"), std::string::npos) << run.out;
    }
}
