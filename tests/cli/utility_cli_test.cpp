// SPDX-License-Identifier: GPL-3.0-or-later
// tovimar-calc run as a user runs it: public holidays, weekday, euro/franc converter.
#include <gtest/gtest.h>

#include "cli/calc_runner.h"

using namespace tovimar::testing;

TEST(UtilityCli, HolidaysOfAYear) {
    const CalcRun run = calc({"JOURS_FERIES", "2010"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Le jour de l'an est le vendredi 01 janvier 2010\n"
                       "Le lundi de Pâques est le lundi 05 avril 2010\n"
                       "Le fête du travail est le samedi 01 mai 2010\n"
                       "La victoire 1945 est le samedi 08 mai 2010\n"
                       "L'ascension est le jeudi 13 mai 2010\n"
                       "Le lundi de pentecote est le lundi 24 mai 2010\n"
                       "La fête nationale est le mercredi 14 juillet 2010\n"
                       "L'assomption est le dimanche 15 août 2010\n"
                       "La toussaint est le lundi 01 novembre 2010\n"
                       "L'Armistice 1918 est le jeudi 11 novembre 2010\n"
                       "Noël est le samedi 25 décembre 2010\n");
    const CalcRun json = calc({"--json", "JOURS_FERIES", "2100"});
    EXPECT_NE(
        json.out.find("\"lundi_de_paques\": \"Le lundi de Pâques est le lundi 29 mars 2100\""),
        std::string::npos)
        << json.out;
}

TEST(UtilityCli, WeekdayAndConverterPrintWhatTheWindowsShow) {
    struct Case {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{"JOUR_SEMAINE", "14/07/2010"}, "est un mercredi \n"},
        {{"JOUR_SEMAINE", "1/1/00"}, "est un samedi \n"},
        {{"EUROFRANCS2", "1"}, "6,56\n"},
        {{"EUROFRANCS2", "61476"}, "403256,13\n"},
        {{"EUROFRANCS2", "0,42"}, "2,76\n"},
        {{"FRANCEUROS2", "100"}, "15,24\n"},
        {{"FRANCEUROS2", "999999999999,9999"}, "152449017237,41\n"},
        {{"EUROFRANCS2", ""}, ""},
        {{"EUROFRANCS2", ","}, ""},
        {{"EUROFRANCS2", "1.5"}, "9,84\n"},       // a full stop reads as the comma
        {{"FRANCEUROS2", "3788,25"}, "577,51\n"}, // 577,51499: rounded once
        {{"FRANCEUROS2", "1234567890123456"}, ""},
    };
    for (const auto& c : cases) {
        const CalcRun run = calc(c.args);
        EXPECT_EQ(run.status, 0) << c.args[0] << " " << c.args[1];
        EXPECT_EQ(run.out, c.out) << c.args[0] << " " << c.args[1];
    }
    EXPECT_EQ(calc({"--json", "FRANCEUROS2", "abc"}).out, "{\"euros\": \"\"}\n");
    EXPECT_EQ(calc({"--json", "EUROFRANCS2", "1"}).out, "{\"francs\": \"6,56\"}\n");
}

TEST(UtilityCli, SameAnswersUnderTheFrenchLocale) {
    // The converter never goes through the C library's number formats: under C
    // and under fr_FR.UTF-8 it prints the exact product rounded to the centime
    // (1234567,8945 x 6,55957 = 8098234,5237...; 0,00225 x 6,55957 = 0,01475...).
    struct Case {
        const char* amount;
        const char* francs;
    } cases[] = {{"1", "6,56\n"}, {"1234567,8945", "8098234,52\n"}, {"0,00225", "0,01\n"}};
    for (const Case& c : cases) {
        const CalcRun inC = calc({"EUROFRANCS2", c.amount});
        setenv("LC_ALL", "fr_FR.UTF-8", 1);
        const CalcRun fr = calc({"EUROFRANCS2", c.amount});
        unsetenv("LC_ALL");
        EXPECT_EQ(inC.out, c.francs) << c.amount;
        EXPECT_EQ(fr.out, c.francs) << c.amount;
        EXPECT_EQ(fr.status, 0) << c.amount;
    }
}

TEST(UtilityCli, BadArgumentsGetAFrenchMessageAndStatusTwo) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"JOURS_FERIES", "1582"}, "l'année doit être comprise entre 1583 et 9999"},
        {{"JOURS_FERIES", "10000"}, "l'année doit être comprise entre 1583 et 9999"},
        {{"JOURS_FERIES", "99999999999999999999"}, "n'est pas un nombre entier"},
        {{"JOURS_FERIES", "2010,5"}, "n'est pas un nombre entier"},
        {{"JOURS_FERIES", "deux mille"}, "n'est pas un nombre entier"},
        {{"JOUR_SEMAINE", "31/02/2010"}, "n'est pas une date"},
        {{"JOUR_SEMAINE"}, "attend 1 argument"},
        {{"EUROFRANCS2", "1", "2"}, "attend 1 argument"},
    };
    for (const auto& c : cases) {
        const CalcRun run = calc(c.args, /*withErrors=*/true);
        EXPECT_EQ(run.status, 2) << c.args[0];
        EXPECT_NE(run.out.find(c.message), std::string::npos) << run.out;
        EXPECT_EQ(calc(c.args).out, "") << c.args[0]; // nothing on standard output
    }
}
