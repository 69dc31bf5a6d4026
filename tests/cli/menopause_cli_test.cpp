// SPDX-License-Identifier: GPL-3.0-or-later
// tovimar-calc run as a user runs it: the OSIRIS osteoporosis score.
#include <gtest/gtest.h>

#include "cli/calc_runner.h"

using namespace tovimar::testing;

namespace {

const std::string kLight = "Risque léger\n";
const std::string kLightAdvice = "Risque d'ostéoporose léger.\nPrise en charge de l'ostéoporose "
                                 "non indiquée.\nOstéodensitométrie non indiquée.\nTraitement "
                                 "inutile.\n";
const std::string kMiddle = "Risque intermédiaire\n";
const std::string kMiddleAdvice =
    "Risque d'ostéoporose intermediaire.\nLe score ne nous permet pas de décider de la conduite "
    "à tenir.\nL'OSTEODENSITOMETRIE est donc fortement indiquée.\nTraitement à discuter "
    "fonction des résultats.\n";
const std::string kSerious = "Risque sérieux\n";
const std::string kSeriousAdvice =
    "Risque d'ostéoporose sérieux.\nLa prise en charge de l'ostéoporose est fortement "
    "indiquée.\nOstéodensitométrie est ici diagnostique et pronostique.\nPatiente à confier aux "
    "rhumatologues.\n";

} // namespace

TEST(MenopauseCli, OsirisScoreClassBarAndAdvice) {
    struct Case {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{"SCORE_OSIRIS", "50", "60", "non", "non"}, "2\n" + kLight + "4\n" + kLightAdvice},
        {{"SCORE_OSIRIS", "63", "60", "non", "non"}, "-1\n" + kMiddle + "7\n" + kMiddleAdvice},
        {{"SCORE_OSIRIS", "75", "55", "non", "non"}, "-4\n" + kSerious + "10\n" + kSeriousAdvice},
        // Exactly -3 and exactly 1 are intermediate, as the interpretation "Entre +1 et -3" says.
        {{"SCORE_OSIRIS", "70", "55", "oui", "oui"}, "-3\n" + kMiddle + "9\n" + kMiddleAdvice},
        {{"SCORE_OSIRIS", "55", "60", "non", "non"}, "1\n" + kMiddle + "5\n" + kMiddleAdvice},
        {{"SCORE_OSIRIS", "50", "62,5", "non", "non"}, "2\n" + kLight + "4\n" + kLightAdvice},
        {{"SCORE_OSIRIS", "50", "67,5", "non", "non"}, "4\n" + kLight + "2\n" + kLightAdvice},
        {{"SCORE_OSIRIS", "62,5", "60", "non", "non"}, "0\n" + kMiddle + "6\n" + kMiddleAdvice},
        {{"SCORE_OSIRIS", "40", "150", "non", "non"}, "22\n" + kLight + "0\n" + kLightAdvice},
        {{"SCORE_OSIRIS", "90", "30", "non", "oui"}, "-14\n" + kSerious + "13\n" + kSeriousAdvice},
        {{"SCORE_OSIRIS", "95", "60", "oui", "non"}, "-5\n" + kSerious + "11\n" + kSeriousAdvice},
        // An age or a weight that is not a number empties the score and the advice.
        {{"SCORE_OSIRIS", "", "60", "non", "non"}, ""},
        {{"SCORE_OSIRIS", "50", "60 kg", "non", "non"}, ""},
        // A full stop typed for the comma reads as one: 60,5 kg.
        {{"SCORE_OSIRIS", "50", "60.5", "non", "non"}, "2\n" + kLight + "4\n" + kLightAdvice},
    };
    for (const auto& c : cases) {
        const CalcRun run = calc(c.args);
        EXPECT_EQ(run.status, 0) << c.args[1] << " " << c.args[2];
        EXPECT_EQ(run.out, c.out) << c.args[1] << " " << c.args[2];
    }
}

TEST(MenopauseCli, ImplausibleAgeOrWeightPrintsTheMessageInPlaceOfAScore) {
    const std::string age = "L'âge doit être compris entre 15 et 125 ans.\n";
    const std::string weight = "Le poids doit être compris entre 15 et 400 kilos.\n";
    struct Case {
        std::string age, weight, out;
    } cases[] = {
        {"50", "-1", weight}, {"100000000000000000000", "60", age},
        {"2", "60", age},     {"50", "600", weight},
        {"130", "0", age},    {"50", "400,5", weight},
    };
    for (const auto& c : cases) {
        const CalcRun run = calc({"SCORE_OSIRIS", c.age, c.weight, "non", "oui"});
        EXPECT_EQ(run.status, 0) << c.age << " " << c.weight;
        EXPECT_EQ(run.out, c.out) << c.age << " " << c.weight;
    }
    const std::string json = calc({"--json", "SCORE_OSIRIS", "50", "-1", "non", "non"}).out;
    EXPECT_NE(json.find("\"message\": \"Le poids doit être compris entre 15 et 400 kilos.\""),
              std::string::npos)
        << json;
    EXPECT_EQ(json.find("score"), std::string::npos) << json;
}

TEST(MenopauseCli, JsonAndLocale) {
    const std::string json = calc({"--json", "SCORE_OSIRIS", "63", "60", "non", "non"}).out;
    EXPECT_EQ(json.rfind("{\"score\": -1, \"classe\": \"Risque intermédiaire\", \"barre\": 7", 0),
              0u)
        << json;
    setenv("LC_ALL", "fr_FR.UTF-8", 1);
    const CalcRun fr = calc({"SCORE_OSIRIS", "52,5", "60", "non", "non"});
    unsetenv("LC_ALL");
    EXPECT_EQ(fr.out, "2\n" + kLight + "4\n" + kLightAdvice);
}

TEST(MenopauseCli, BadTicksGetAFrenchMessageAndStatusTwo) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"SCORE_OSIRIS", "50", "60", "peut-être", "non"},
          std::vector<std::string>{"SCORE_OSIRIS", "50", "60", "non", "1"}}) {
        const CalcRun run = calc(args, true);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.out.find("répondez oui ou non"), std::string::npos) << run.out;
    }
    EXPECT_NE(calc({"--help"}).out.find("SCORE_OSIRIS"), std::string::npos);
}
