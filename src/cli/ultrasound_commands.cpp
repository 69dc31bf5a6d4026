// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_table.h"
#include "dating/ultrasound_dating.h"
#include "dating/ultrasound_tables.h"

namespace tovimar::cli {
namespace {

// A field of the dating frame: "" or "-" stands for an empty field; anything
// else is passed as typed (the dating itself judges it).
std::string fieldArg(const std::vector<std::string>& args, std::size_t i) {
    const std::string& text = args.at(i);
    return text == "-" ? std::string() : text;
}

std::string jsonList(const std::vector<std::string>& items) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i ? ", " : "") + jsonString(items[i]);
    return out + "]";
}

Result ultrasoundDating(const std::vector<std::string>& a) {
    UltrasoundFields f;
    f.sac = fieldArg(a, 0);
    f.crl = fieldArg(a, 1);
    f.bip = fieldArg(a, 2);
    f.fem = fieldArg(a, 3);
    f.semA = fieldArg(a, 4);
    f.dateX = fieldArg(a, 5);
    const UltrasoundOutcome out = DATATION_ECHOGRAPHIQUE(f, dateArg(a, 6, "aujourd'hui"));

    // The notices come first, as the window shows them before anything else.
    Result r;
    for (const std::string& notice : out.notices)
        r.text += notice + "\n";
    switch (out.kind) {
    case UltrasoundOutcome::Kind::ClearDating:
        r.text +=
            "Champs de datation effacés (Sac et Sem. d'amenorrhée étaient tous deux remplis).";
        r.field("issue", "effacement");
        break;
    case UltrasoundOutcome::Kind::Refused:
        r.text += out.message;
        r.field("issue", "refus").field("message", out.message);
        break;
    case UltrasoundOutcome::Kind::Dated: {
        // The weeks field shows the result, or the weeks as typed when they were the input.
        const std::string semA = out.semA.value_or(f.semA);
        r.text += "Début de grossesse : " + dateText(out.start) + "\nSem. d'amenorrhée : " + semA;
        r.field("issue", "datation")
            .field("debut_grossesse", out.start.toText())
            .field("sem_a", semA)
            .number("sem_a_calculee", out.semA ? "true" : "false");
        break;
    }
    }
    r.number("avis", jsonList(out.notices));
    return r;
}

long long millimetresArg(const std::vector<std::string>& args, std::size_t i) {
    return wholeArg(args, i, "millimètres");
}

Result tableValue(std::optional<int> value, const std::string& unit, const std::string& outside) {
    if (!value) throw UsageError(outside);
    Result r;
    r.text = std::to_string(*value);
    r.number(unit, r.text);
    return r;
}

} // namespace

void addUltrasoundCommands(CommandTable& t) {
    t.push_back({"DATATION_ECHOGRAPHIQUE",
                 {"sac", "lcc", "bip", "fémur", "sem_a", "date_echo", "aujourd_hui"},
                 "début de grossesse d'après l'échographie (champ vide : \"\" ou -) ; affiche le "
                 "début de grossesse et les semaines d'aménorrhée, ou le message du programme",
                 ultrasoundDating});
    t.push_back({"SAC_JOURS",
                 {"mm"},
                 "jours d'aménorrhée d'après le sac gestationnel (3 à 40 mm)",
                 [](const auto& a) {
                     const long long mm = millimetresArg(a, 0);
                     return tableValue(sacDays(mm), "jours",
                                       "Le tableau du sac va de 3 à 40 mm : pas de valeur pour " +
                                           std::to_string(mm) + " mm.");
                 }});
    t.push_back(
        {"LCC_JOURS", {"mm"}, "jours d'aménorrhée d'après la LCC (1 à 85 mm)", [](const auto& a) {
             const long long mm = millimetresArg(a, 0);
             return tableValue(crlDays(mm), "jours",
                               "Le tableau de la LCC va de 1 à 85 mm : pas de valeur pour " +
                                   std::to_string(mm) + " mm.");
         }});
    t.push_back(
        {"BIP_SEMAINES",
         {"mm", "avec_femur"},
         "semaines d'aménorrhée d'après le BIP (26 à 93 mm seul, 26 à 95 mm avec le fémur : "
         "oui/non)",
         [](const auto& a) {
             const long long mm = millimetresArg(a, 0);
             bool withFemur = false;
             if (a.at(1) == "oui")
                 withFemur = true;
             else if (a.at(1) != "non")
                 throw UsageError("« " + a[1] + " » : avec_femur vaut oui ou non.");
             return tableValue(
                 biparietalWeeks(mm, withFemur), "semaines",
                 std::string("Le tableau du BIP ") +
                     (withFemur ? "avec le fémur va de 26 à 95 mm" : "seul va de 26 à 93 mm") +
                     " : pas de valeur pour " + std::to_string(mm) + " mm.");
         }});
    t.push_back({"FEMUR_SEMAINES",
                 {"mm"},
                 "semaines d'aménorrhée d'après la longueur du fémur (13 à 80 mm)",
                 [](const auto& a) {
                     const long long mm = millimetresArg(a, 0);
                     return tableValue(
                         femurWeeks(mm), "semaines",
                         "Le tableau du fémur va de 13 à 80 mm : pas de valeur pour " +
                             std::to_string(mm) + " mm.");
                 }});
}

} // namespace tovimar::cli
