// SPDX-License-Identifier: GPL-3.0-or-later
#include <optional>
#include <string>

#include "cli/command_table.h"
#include "core/french_number.h"
#include "fertility/ovarian_response_score.h"
#include "fertility/transfer_score.h"

namespace tovimar::cli {
namespace {

std::string yesNo(bool b) {
    return b ? "oui" : "non";
}

// A derived label: the rounded quotient, or an empty label.
Result derivedLabel(const std::optional<double>& value, const char* name) {
    Result r;
    if (value) {
        r.text = formatFrenchNumber(*value);
        r.field(name, r.text);
    } else {
        r.number(name, "null");
    }
    return r;
}

std::optional<double> bothNumbers(const std::vector<std::string>& a,
                                  std::optional<double> (*f)(double, double)) {
    const auto x = readFrenchNumber(a.at(0));
    const auto y = readFrenchNumber(a.at(1));
    if (!x || !y) return std::nullopt;
    return f(*x, *y);
}

Result scoreRo(const std::vector<std::string>& a) {
    const auto age = readFrenchNumber(a.at(0));
    const auto bmi = readFrenchNumber(a.at(1));
    const auto ratio = readFrenchNumber(a.at(2));
    // A displayed ratio always comes from a numeric FSH.
    const double fsh = numberArg(a, 3, "FSH");
    Result r;
    if (!age || !bmi || !ratio) return r; // "&Calcule" does nothing
    if (const std::string refusal = limitRefusal(kFertilityAgeLimit, *age); !refusal.empty()) {
        r.text = refusal; // the window's message
        r.field("message", refusal);
        return r;
    }
    const OvarianResponseVerdict v = SCORE_RO(*age, *bmi, *ratio, fsh);
    // A hyper-responder's antagonist dose label keeps the text of a fresh window.
    const std::string anta = v.antagonistDose.value_or(kInitialAntagonistDose);
    const auto& p = v.points;
    r.text = std::to_string(p.age) + " " + std::to_string(p.bmi) + " " + std::to_string(p.fsh) +
             " " + std::to_string(p.lhFsh) + "\n" + std::to_string(v.total) + "\n" +
             v.responseClass + "\n" + v.advice + "\n" + yesNo(v.agonistPanelShown) + " " +
             yesNo(v.antagonistPanelShown) + "\n" + v.agonistDose + "\n" + anta;
    r.number("points_age", std::to_string(p.age))
        .number("points_imc", std::to_string(p.bmi))
        .number("points_fsh", std::to_string(p.fsh))
        .number("points_lh_fsh", std::to_string(p.lhFsh))
        .number("total", std::to_string(v.total))
        .field("reponse", v.responseClass)
        .field("conseil", v.advice)
        .number("agoniste", v.agonistPanelShown ? "true" : "false")
        .number("antagoniste", v.antagonistPanelShown ? "true" : "false")
        .field("dose_agoniste", v.agonistDose)
        .field("dose_antagoniste", anta);
    return r;
}

EmbryoQuality embryoArg(const std::vector<std::string>& a, std::size_t i) {
    if (a.at(i) == "4") return EmbryoQuality::AtLeastOneScore4;
    if (a.at(i) == "3") return EmbryoQuality::AtLeastOneScore3;
    if (a.at(i) == "1") return EmbryoQuality::NoScore4Nor3;
    throw UsageError("« " + a[i] + " » : l'option embryonnaire vaut 4, 3 ou 1.");
}

Result scoreTransfert(const std::vector<std::string>& a) {
    const EmbryoQuality quality = embryoArg(a, 3);
    const auto age = readFrenchNumber(a.at(0));
    const auto e2 = readFrenchNumber(a.at(1));
    const auto fsh = readFrenchNumber(a.at(2));
    Result r;
    // "Calcule" does nothing without an age and an ovarian response ratio.
    if (!age || !e2 || !fsh) return r;
    if (const std::string refusal = limitRefusal(kFertilityAgeLimit, *age); !refusal.empty()) {
        r.text = refusal; // the window's message
        r.field("message", refusal);
        return r;
    }
    const std::optional<TransferScore> s = SCORE_TRANSFERT(*age, *e2, *fsh, quality);
    if (!s) return r;
    r.text = std::to_string(s->age.score) + " " + std::to_string(s->response.score) + " " +
             std::to_string(s->embryo.score) + "\n" + s->age.verdict + "\n" + s->response.verdict +
             "\n" + s->embryo.verdict + "\n" + std::to_string(s->total) + "\n" +
             std::to_string(s->policy.embryos) + "\n" + s->policy.verdict;
    r.number("score_age", std::to_string(s->age.score))
        .number("score_reponse", std::to_string(s->response.score))
        .number("score_embryon", std::to_string(s->embryo.score))
        .field("verdict_age", s->age.verdict)
        .field("verdict_reponse", s->response.verdict)
        .field("verdict_embryon", s->embryo.verdict)
        .number("score_transfert", std::to_string(s->total))
        .number("embryons", std::to_string(s->policy.embryos))
        .field("verdict", s->policy.verdict)
        .number("rapport_e2_fsh", jsonNumber(*ovarianResponseRatio(*e2, *fsh)));
    return r;
}

} // namespace

void addFertilityCommands(CommandTable& t) {
    t.push_back({"SCORE_RO",
                 {"âge", "imc_affiché", "lh_fsh_affiché", "fsh"},
                 "score de réponse ovarienne : points (âge, IMC, FSH, LH/FSH), total, réponse, "
                 "conseil, panneaux agoniste/antagoniste, doses de départ",
                 scoreRo});
    t.push_back({"IMC",
                 {"poids", "taille"},
                 "indice de masse corporelle à 1 décimale (rien si la taille est 0)",
                 [](const auto& a) { return derivedLabel(bothNumbers(a, IMC), "imc"); }});
    t.push_back(
        {"RAPPORT_LH_FSH",
         {"lh", "fsh"},
         "rapport LH/FSH à 2 décimales (rien si la FSH est 0)",
         [](const auto& a) { return derivedLabel(bothNumbers(a, RAPPORT_LH_FSH), "lh_fsh"); }});
    t.push_back({"SCORE_TRANSFERT",
                 {"âge", "e2", "fsh", "embryon"},
                 "score de transfert embryonnaire (embryon : 4, 3 ou 1) : scores des critères, "
                 "verdicts, score, nombre d'embryons, verdict",
                 scoreTransfert});
}

} // namespace tovimar::cli
