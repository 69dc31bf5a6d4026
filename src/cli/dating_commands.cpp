// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_table.h"
#include "dating/pregnancy_dating.h"

namespace tovimar::cli {
namespace {

Result dateResult(VbDate date) {
    Result r;
    r.text = dateText(date);
    r.field("date", r.text);
    return r;
}

int weeksArg(const std::vector<std::string>& args, std::size_t i) {
    const long long w = wholeArg(args, i, "semaines d'aménorrhée");
    if (w < -100000 || w > 100000) throw UsageError("Nombre de semaines hors limites.");
    return static_cast<int>(w);
}

} // namespace

void addDatingCommands(CommandTable& t) {
    t.push_back(
        {"DEBUT_DEPUIS_DDR", {"DDR"}, "début de grossesse : DDR + 14 jours", [](const auto& a) {
             return dateResult(DEBUT_DEPUIS_DDR(dateArg(a, 0, "DDR")));
         }});
    t.push_back(
        {"TERME_DEPUIS_DEBUT", {"début"}, "terme : début + 9 mois calendaires", [](const auto& a) {
             return dateResult(TERME_DEPUIS_DEBUT(dateArg(a, 0, "début de grossesse")));
         }});
    t.push_back({"AGE_DEPUIS_DEBUT",
                 {"début", "date"},
                 "âge de la grossesse en semaines d'aménorrhée, écrit s,j (12,3)",
                 [](const auto& a) {
                     const GestationalAge age = AGE_DEPUIS_DEBUT(
                         dateArg(a, 0, "début de grossesse"), dateArg(a, 1, "date"));
                     Result r;
                     r.text = age.text();
                     r.field("sa", r.text)
                         .number("semaines", std::to_string(age.weeks))
                         .number("jours", std::to_string(age.rest))
                         .number("jours_de_grossesse", std::to_string(age.days));
                     return r;
                 }});
    t.push_back(
        {"SA_ARRONDIE",
         {"début", "date"},
         "âge en semaines d'aménorrhée entières (0 à 3 jours vers le bas, 4 à 6 vers le haut)",
         [](const auto& a) {
             Result r;
             r.text = std::to_string(
                 SA_ARRONDIE(dateArg(a, 0, "début de grossesse"), dateArg(a, 1, "date")));
             r.number("sa", r.text);
             return r;
         }});
    t.push_back({"MOIS_JOURS", {"début", "date"}, "mois et jours de grossesse", [](const auto& a) {
                     Result r;
                     r.text =
                         MOIS_JOURS(dateArg(a, 0, "début de grossesse"), dateArg(a, 1, "date"));
                     r.field("texte", r.text);
                     return r;
                 }});
    t.push_back({"DATE_POUR_SA",
                 {"début", "semaines"},
                 "date à laquelle la grossesse atteint ce nombre de semaines d'aménorrhée",
                 [](const auto& a) {
                     return dateResult(
                         DATE_POUR_SA(dateArg(a, 0, "début de grossesse"), weeksArg(a, 1)));
                 }});
    t.push_back({"DATE_100_POURCENT",
                 {"début"},
                 "prise en charge à 100 % : début + 5 mois",
                 [](const auto& a) {
                     return dateResult(DATE_100_POURCENT(dateArg(a, 0, "début de grossesse")));
                 }});
}

} // namespace tovimar::cli
