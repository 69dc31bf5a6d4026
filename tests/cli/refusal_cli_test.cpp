// SPDX-License-Identifier: GPL-3.0-or-later
// tovimar-calc refusing what a calculation cannot take: a French message on
// standard error naming the argument, nothing on standard output, status 2.
// One table for every command; a command that takes any text (as its window's
// field does) is listed below it with the reason.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "cli/calc_runner.h"

using namespace tovimar::testing;

namespace {

struct Refusal {
    std::vector<std::string> args; // the command, then its arguments
    std::string message;           // a part of the French message
};

// Whole-number decimals are written with the comma; no case below hangs on a
// full stop, which every command reads as the decimal comma.
const Refusal kRefusals[] = {
    // Dating: a date that is not one, a count that is not whole.
    {{"DEBUT_DEPUIS_DDR", "31/02/2010"}, "« 31/02/2010 » n'est pas une date (DDR)"},
    {{"TERME_DEPUIS_DEBUT", "15/13/2010"}, "« 15/13/2010 » n'est pas une date"},
    {{"AGE_DEPUIS_DEBUT", "15/01/2010", "hier"}, "« hier » n'est pas une date (date)"},
    {{"SA_ARRONDIE", "30/02/2010", "15/03/2010"}, "« 30/02/2010 » n'est pas une date"},
    {{"SA_ARRONDIE", "15/01/2010", "32/03/2010"}, "« 32/03/2010 » n'est pas une date (date)"},
    {{"MOIS_JOURS", "début", "15/03/2010"}, "« début » n'est pas une date"},
    {{"MOIS_JOURS", "15/01/2010", "29/02/2010"}, "« 29/02/2010 » n'est pas une date (date)"},
    {{"DATE_POUR_SA", "15/01/2010", "douze"}, "« douze » n'est pas un nombre entier"},
    {{"DATE_POUR_SA", "15/01/2010", "12,5"}, "« 12,5 » n'est pas un nombre entier"},
    {{"DATE_100_POURCENT", ""}, "«  » n'est pas une date"},
    // The schedule.
    {{"FENETRE_AMENORRHEE", "15/01/2010", "quatre", "96"},
     "« quatre » n'est pas un nombre de jours"},
    {{"CONSULTATION_ANESTHESIE", "15/01/2010", "210", "x"}, "« x » n'est pas un nombre de jours"},
    {{"EXAMENS_OBLIGATOIRES", "00/01/2010"}, "« 00/01/2010 » n'est pas une date"},
    {{"ECHOGRAPHIES_RECOMMANDEES", "2010-01-15"}, "« 2010-01-15 » n'est pas une date"},
    {{"DEBUTS_CONGE", "15/10/2010", "peut-être", "non", "1"},
     "« peut-être » : répondez oui ou non"},
    {{"DEBUTS_CONGE", "15/10/2010", "non", "non", "deux"}, "« deux » n'est pas un nombre entier"},
    // Utilities.
    {{"SAINT_DU_JOUR", "31/04/2010"}, "« 31/04/2010 » n'est pas une date (date)"},
    {{"SAINT_DU_JOUR", "Noël"}, "« Noël » n'est pas une date"},
    {{"RAPPEL_ECHEANCES", "31/06/2010"}, "« 31/06/2010 » n'est pas une date (date)"},
    {{"GetMoonDate", "pleine lune"}, "« pleine lune » n'est pas une date (date)"},
    {{"GetMoonDate", "29/02/2011"}, "« 29/02/2011 » n'est pas une date"},
    {{"JOURS_FERIES", "1582"}, "l'année doit être comprise entre 1583 et 9999"},
    {{"JOUR_SEMAINE", "31/09/2010"}, "« 31/09/2010 » n'est pas une date"},
    // Ultrasound dating and its tables.
    {{"DATATION_ECHOGRAPHIQUE", "-", "45", "-", "-", "-", "-", "demain"},
     "« demain » n'est pas une date (aujourd'hui)"},
    {{"SAC_JOURS", "2"}, "Le tableau du sac va de 3 à 40 mm : pas de valeur pour 2 mm."},
    {{"SAC_JOURS", "dix"}, "« dix » n'est pas un nombre entier (millimètres)"},
    {{"LCC_JOURS", "86"}, "Le tableau de la LCC va de 1 à 85 mm : pas de valeur pour 86 mm."},
    {{"BIP_SEMAINES", "50", "peut-être"}, "« peut-être » : avec_femur vaut oui ou non."},
    {{"BIP_SEMAINES", "94", "non"}, "Le tableau du BIP seul va de 26 à 93 mm"},
    {{"FEMUR_SEMAINES", "12"}, "Le tableau du fémur va de 13 à 80 mm : pas de valeur pour 12 mm."},
    // Biometry.
    {{"BANDE_CENTILE", "Tete", "20", "41"}, "« Tete » n'est pas une mesure"},
    {{"MEDIANES_SA", "vingt"}, "« vingt » n'est pas un nombre entier"},
    {{"POIDS_HADLOCK", "abc", "300", "60"},
     "« abc » n'est pas un nombre (circonférence céphalique)"},
    {{"POIDS_SHEPHARD", "90", "trois cents"}, "« trois cents » n'est pas un nombre"},
    {{"POIDS_DUDLEY", "320", "330", "fémur"}, "« fémur » n'est pas un nombre (fémur)"},
    {{"CENTILE_GARDOSI", "280", "60", "165", "3300", "garçon", "-1", "-1"},
     "« garçon » n'est pas un nombre entier (sexe)"},
    // Trisomy 21.
    {{"ODDS_AGETERME", "35", "peut-être"}, "« peut-être » : atcd_t21 vaut oui ou non."},
    {{"ODDS_AGETERME", "trente", "non"}, "« trente » n'est pas un nombre (âge)"},
    {{"RISK_RELATIF", "0"}, "« 0 » : l'âge gestationnel doit être positif."},
    {{"MEDIANE_CN", "soixante"}, "« soixante » n'est pas un nombre (lcc)"},
    {{"RAP_VRAIS", "0"}, "« 0 » : le multiple de la médiane doit être positif."},
    {{"CALCULE_ECHO", "0", "-"}, "« 0 » : un risque 1/N demande N d'au moins 1."},
    {{"CALCULE_ECHO", "250", "0010"}, "« 0010 » : les signes échographiques s'écrivent"},
    {{"CONDUITE_T21", "180", "-", "2019"}, "« 2019 » : la stratégie s'écrit 2018"},
    {{"COEFFICIENT_RISQUE", "00100002"}, "« 00100002 » : les signes échographiques s'écrivent"},
    {{"EXPLICATION_SIGNE", "8"}, "« 8 » : les signes sont numérotés de 0 à 7."},
    {{"RISQUE_T21", "35", "oui et non", "-", "60", "1,5", "-"},
     "« oui et non » : atcd_t21 vaut oui ou non."},
    // Preterm labour and termination.
    {{"AGE_POIDS_MAP", "15/01/2010", "lundi"}, "« lundi » n'est pas une date (aujourd'hui)"},
    {{"RISQUE_MAP", "non", "primipare", "-", "25", "-"},
     "« primipare » : la parité vaut nullipare, multipare ou - (aucune)."},
    {{"RISQUE_MAP", "non", "-", "douteux", "25", "-"}, "« douteux » : le test à la fibronectine"},
    {{"DELAIS_IVG", "15/01/2010", "14", "7", "31/11/2010"},
     "« 31/11/2010 » n'est pas une date (aujourd'hui)"},
    // Fertility and menopause.
    {{"SCORE_RO", "30", "22", "1", "FSH"}, "« FSH » n'est pas un nombre (FSH)"},
    {{"SCORE_TRANSFERT", "30", "2000", "6", "2"}, "« 2 » : l'option embryonnaire vaut 4, 3 ou 1."},
    {{"SCORE_OSIRIS", "60", "55", "peut-être", "non"},
     "« peut-être » : répondez oui ou non (THS)."},
};

// Commands that take any text, as the field of their window does: a text that is
// not a number leaves the result empty, with status 0, as the window shows nothing.
const std::set<std::string> kTakeAnyText = {
    "EUROFRANCS2",    // the francs field follows the euros field as typed
    "FRANCEUROS2",    // the euros field, the same
    "IMC",            // LblBmi: empty unless both fields hold numbers and the height is not 0
    "RAPPORT_LH_FSH", // LblLhFsh: empty unless both hold numbers and the FSH is not 0
    "AGE_GESTA_LCC",  // LblAgeGesta: emptied for a CRL that is not a number or beyond 85 mm
};

// The commands as `--help` lists them: "  NAME <param>...".
std::vector<std::pair<std::string, std::size_t>> listedCommands() {
    std::vector<std::pair<std::string, std::size_t>> commands;
    std::istringstream help(calc({"--help"}).out);
    for (std::string line; std::getline(help, line);) {
        if (line.size() < 3 || line.compare(0, 2, "  ") != 0 || line[2] == ' ') continue;
        std::istringstream words(line);
        std::string name, param;
        words >> name;
        std::size_t count = 0;
        while (words >> param)
            ++count;
        commands.emplace_back(name, count);
    }
    return commands;
}

} // namespace

TEST(CalcRefusals, EachRefusalIsAFrenchMessageOnStandardErrorAndStatusTwo) {
    for (const Refusal& r : kRefusals) {
        const CalcStreams run = calcStreams(r.args);
        const std::string what = r.args[0] + " " + r.args[1];
        EXPECT_EQ(run.status, 2) << what;
        EXPECT_EQ(run.out, "") << what;
        EXPECT_EQ(run.err.rfind("tovimar-calc : ", 0), 0u) << what << ": " << run.err;
        EXPECT_NE(run.err.find(r.message), std::string::npos) << what << ": " << run.err;
        EXPECT_EQ(run.err.back(), '\n') << what;
        // The same under --json: a refusal is no JSON object.
        std::vector<std::string> json = r.args;
        json.insert(json.begin(), "--json");
        const CalcStreams asJson = calcStreams(json);
        EXPECT_EQ(asJson.status, 2) << what;
        EXPECT_EQ(asJson.out, "") << what;
        EXPECT_EQ(asJson.err, run.err) << what;
    }
}

TEST(CalcRefusals, EveryCommandHasARefusalOrTakesAnyText) {
    const auto commands = listedCommands();
    ASSERT_GE(commands.size(), 40u) << "--help lists the commands";
    std::set<std::string> refused;
    for (const Refusal& r : kRefusals)
        refused.insert(r.args[0]);
    for (const auto& [name, params] : commands) {
        EXPECT_TRUE(refused.count(name) + kTakeAnyText.count(name) == 1)
            << name << ": give it a refusal case, or say why it takes any text";
    }
    // The table names only commands that exist, with their number of arguments.
    for (const Refusal& r : kRefusals) {
        bool listed = false;
        for (const auto& [name, params] : commands)
            if (name == r.args[0]) {
                listed = true;
                EXPECT_EQ(r.args.size() - 1, params) << name;
            }
        EXPECT_TRUE(listed) << r.args[0];
    }
}

TEST(CalcRefusals, CommandsThatTakeAnyTextAnswerNothingForAWord) {
    struct Case {
        std::vector<std::string> args;
    } cases[] = {{{"EUROFRANCS2", "dix"}},
                 {{"FRANCEUROS2", "dix"}},
                 {{"IMC", "soixante", "1,65"}},
                 {{"RAPPORT_LH_FSH", "5", "rien"}},
                 {{"AGE_GESTA_LCC", "soixante"}}};
    std::set<std::string> seen;
    for (const Case& c : cases) {
        const CalcStreams run = calcStreams(c.args);
        EXPECT_EQ(run.status, 0) << c.args[0];
        EXPECT_EQ(run.out, "") << c.args[0];
        EXPECT_EQ(run.err, "") << c.args[0];
        seen.insert(c.args[0]);
    }
    EXPECT_EQ(seen, kTakeAnyText);
}

TEST(CalcRefusals, AWrongNumberOfArgumentsIsRefusedForEveryCommand) {
    for (const auto& [name, params] : listedCommands()) {
        // One argument too many: the message names what the command takes.
        std::vector<std::string> args(params + 2, "1");
        args[0] = name;
        const CalcStreams run = calcStreams(args);
        EXPECT_EQ(run.status, 2) << name;
        EXPECT_EQ(run.out, "") << name;
        EXPECT_NE(run.err.find(name + " attend " + std::to_string(params) + " argument(s)"),
                  std::string::npos)
            << run.err;
    }
    const CalcStreams unknown = calcStreams({"TERME", "15/01/2010"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_NE(unknown.err.find("fonction inconnue « TERME »"), std::string::npos) << unknown.err;
}
