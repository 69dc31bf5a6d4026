// SPDX-License-Identifier: GPL-3.0-or-later
// tovimar-calc run as a user runs it: the ultrasound dating commands.
#include <gtest/gtest.h>

#include "cli/calc_runner.h"

using tovimar::testing::calc;
using tovimar::testing::CalcRun;

TEST(UltrasoundCli, DatingPrintsTheStartThenTheWeeks) {
    const CalcRun weeks =
        calc({"DATATION_ECHOGRAPHIQUE", "-", "-", "-", "-", "12", "01/03/2010", "15/06/2010"});
    EXPECT_EQ(weeks.status, 0);
    EXPECT_EQ(weeks.out, "Début de grossesse : 21/12/2009\nSem. d'amenorrhée : 12\n");

    const CalcRun crl = calc({"DATATION_ECHOGRAPHIQUE", "", "45", "", "", "", "", "15/06/2010"});
    EXPECT_EQ(crl.status, 0);
    EXPECT_EQ(crl.out, "Début de grossesse : 11/04/2010\nSem. d'amenorrhée : 11,2\n");
}

TEST(UltrasoundCli, NoticeComesBeforeTheResult) {
    const CalcRun r =
        calc({"DATATION_ECHOGRAPHIQUE", "10", "-", "-", "-", "-", "01/03/2010", "15/06/2010"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "La date de l'échographie n'est pas la date d'aujourd'hui, n'est ce pas ?\n"
                     "Début de grossesse : 06/02/2010\nSem. d'amenorrhée : 5,2\n");
}

TEST(UltrasoundCli, TheProgramsMessagesAreAnswersNotErrors) {
    const CalcRun mixed =
        calc({"DATATION_ECHOGRAPHIQUE", "-", "45", "-", "41", "-", "-", "15/06/2010"});
    EXPECT_EQ(mixed.status, 0);
    EXPECT_EQ(mixed.out,
              "Choisissez le calcul, soit par leSac, soit par le LCC, soit par le Bip et Fémur.\n");

    const CalcRun garbage =
        calc({"DATATION_ECHOGRAPHIQUE", "-", "45 mm", "-", "-", "-", "-", "15/06/2010"});
    EXPECT_EQ(garbage.status, 0);
    EXPECT_EQ(garbage.out, "Le champ « LCC » doit contenir un nombre entier de millimètres.\n");
}

TEST(UltrasoundCli, JsonFields) {
    const CalcRun dated =
        calc({"--json", "DATATION_ECHOGRAPHIQUE", "-", "-", "93", "60", "-", "-", "15/06/2010"});
    EXPECT_EQ(dated.status, 0);
    EXPECT_EQ(dated.out, "{\"issue\": \"datation\", \"debut_grossesse\": \"20/10/2009\", "
                         "\"sem_a\": \"36\", \"sem_a_calculee\": true, \"avis\": []}\n");

    const CalcRun refused = calc(
        {"--json", "DATATION_ECHOGRAPHIQUE", "2", "-", "-", "-", "-", "01/03/2010", "15/06/2010"});
    EXPECT_EQ(refused.status, 0);
    EXPECT_EQ(refused.out, "{\"issue\": \"refus\", \"message\": \"Valeur du Sac trop petite\", "
                           "\"avis\": []}\n");

    const CalcRun cleared =
        calc({"--json", "DATATION_ECHOGRAPHIQUE", "10", "-", "-", "-", "5,2", "-", "15/06/2010"});
    EXPECT_EQ(cleared.status, 0);
    EXPECT_EQ(cleared.out, "{\"issue\": \"effacement\", \"avis\": []}\n");
}

TEST(UltrasoundCli, TodayMustBeADate) {
    EXPECT_EQ(calc({"DATATION_ECHOGRAPHIQUE", "-", "45", "-", "-", "-", "-", "-"}).status, 2);
    EXPECT_EQ(calc({"DATATION_ECHOGRAPHIQUE", "-", "45", "-", "-", "-", "-"}).status, 2);
}

TEST(UltrasoundCli, ChartLookups) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out;
    } cases[] = {
        {{"SAC_JOURS", "3"}, 0, "28\n"},
        {{"SAC_JOURS", "40"}, 0, "56\n"},
        {{"SAC_JOURS", "41"}, 2, ""},
        {{"LCC_JOURS", "45"}, 0, "79\n"},
        {{"LCC_JOURS", "0"}, 2, ""},
        {{"BIP_SEMAINES", "93", "non"}, 0, "40\n"},
        {{"BIP_SEMAINES", "93", "oui"}, 0, "41\n"},
        {{"BIP_SEMAINES", "95", "non"}, 2, ""},
        {{"BIP_SEMAINES", "50", "peut-être"}, 2, ""},
        {{"FEMUR_SEMAINES", "60"}, 0, "31\n"},
        {{"FEMUR_SEMAINES", "12"}, 2, ""},
        {{"--json", "FEMUR_SEMAINES", "80"}, 0, "{\"semaines\": 41}\n"},
    };
    for (const Case& c : cases) {
        const CalcRun r = calc(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[0] << " " << c.args[1];
        EXPECT_EQ(r.out, c.out) << c.args[0] << " " << c.args[1];
    }
}
