// SPDX-License-Identifier: GPL-3.0-or-later
// tovimar-calc --verifier: the published cases re-run, each reported, and a
// status that tells whether all of them agree.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <string>

#include "cli/calc_runner.h"

using tovimar::testing::calc;

namespace {

int count(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

std::string writeCases(const std::string& name, const std::string& lines) {
    const std::string path = testing::TempDir() + name;
    std::ofstream(path) << lines;
    return path;
}

} // namespace

TEST(Verifier, EveryBuiltInCaseAgreesAndIsReportedWithItsReference) {
    const auto run = calc({"--verifier"});
    EXPECT_EQ(run.status, 0) << run.out;

    std::smatch summary;
    ASSERT_TRUE(std::regex_search(
        run.out, summary,
        std::regex("Bilan : ([0-9]+) cas vérifiés, ([0-9]+) concordent, 0 diffèrent\\.")))
        << run.out;
    const int cases = std::stoi(summary[1]);
    EXPECT_EQ(std::stoi(summary[2]), cases);
    EXPECT_GE(cases, 20);
    // Each case names its source and shows both values.
    EXPECT_EQ(count(run.out, "   Référence : "), cases);
    EXPECT_EQ(count(run.out, "   Attendu   : "), cases);
    EXPECT_EQ(count(run.out, "   Calculé   : "), cases);
    EXPECT_EQ(count(run.out, "   Concorde."), cases);
    EXPECT_EQ(count(run.out, "DIFFÈRE"), 0);
    // The families of the program's references are all there.
    for (const char* source : {"CNGOF", "Robinson", "Hadlock", "Shepard", "Snijders", "Pâques",
                               "L2212-1", "L1225-17", "OSIRIS", "2866/98"})
        EXPECT_NE(run.out.find(source), std::string::npos) << source;
}

TEST(Verifier, AMismatchIsShownAndMakesTheStatusNonZero) {
    const std::string path =
        writeCases("faux.txt", "# a term one day off, and a right one\n"
                               "Terme faux\tessai\tTERME_DEPUIS_DEBUT 31/05/2011\t01/03/2012\n"
                               "\n"
                               "Terme juste\tessai\tTERME_DEPUIS_DEBUT 31/05/2011\t29/02/2012\n"
                               "Inconnue\tessai\tPAS_UNE_FONCTION 1\t1\n"
                               "Refusée\tessai\tTERME_DEPUIS_DEBUT pas-une-date\t01/01/2000\n");
    const auto run = calc({"--verifier", path});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("Attendu   : 01/03/2012\n   Calculé   : 29/02/2012\n   DIFFÈRE."),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("Calculé   : fonction inconnue : PAS_UNE_FONCTION"), std::string::npos);
    EXPECT_NE(run.out.find("Calculé   : refusé : "), std::string::npos);
    EXPECT_NE(run.out.find("Bilan : 4 cas vérifiés, 1 concordent, 3 diffèrent (n° 1, 3, 4)."),
              std::string::npos)
        << run.out;
}

TEST(Verifier, ATableFitWithinItsToleranceAgreesAndOutsideItDiffers) {
    // The age risk at 35 is 1/347 by the program's formula.
    const std::string path =
        writeCases("tolerance.txt", "Dans la tolérance\tessai\tODDS_AGETERME 35 non\t1/356\t1\t5\n"
                                    "Hors tolérance\tessai\tODDS_AGETERME 35 non\t1/356\t1\t2\n");
    const auto run = calc({"--verifier", path});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("Attendu   : 1/356  (à 5 % près)\n   Calculé   : 1/347\n   Concorde."),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("Bilan : 2 cas vérifiés, 1 concordent, 1 diffèrent (n° 2)."),
              std::string::npos);
}

TEST(Verifier, AFileThatCannotBeReadIsRefusedWithItsLine) {
    struct Case {
        std::string content;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"seulement\tdeux champs\n", "ligne 1 : il faut 4 à 6 champs"},
        {"# rien\n\nsujet\tréf\t\t1\n", "ligne 3 : la commande manque"},
        {"sujet\tréf\tIMC 70 175\t22,9\tdeux\n", "ligne 1 : « deux » n'est pas un numéro de ligne"},
        {"sujet\tréf\tIMC 70 175\t22,9\t1\t200\n", "n'est pas une tolérance"},
        {"# commentaire seul\n", "aucun cas dans le fichier"},
    };
    for (const Case& c : cases) {
        const auto run = calc({"--verifier", writeCases("mauvais.txt", c.content)}, true);
        EXPECT_EQ(run.status, 2) << c.content;
        EXPECT_NE(run.out.find(c.message), std::string::npos) << run.out;
        EXPECT_EQ(run.out.find("Bilan"), std::string::npos);
    }
    const auto missing = calc({"--verifier", "/nulle/part/cas.txt"}, true);
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.out.find("illisible"), std::string::npos);
}
