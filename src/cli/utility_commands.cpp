// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_table.h"
#include "core/french_number.h"
#include "core/text_lines.h"
#include "utilities/euro_converter.h"
#include "utilities/moon_phase.h"
#include "utilities/payment_reminders.h"
#include "utilities/public_holidays.h"
#include "utilities/saint_of_the_day.h"

namespace tovimar::cli {

void addUtilityCommands(CommandTable& t) {
    t.push_back({"SAINT_DU_JOUR", {"date"}, "saint du jour, puis le dicton", [](const auto& a) {
                     const SaintOfTheDay s = SAINT_DU_JOUR(dateArg(a, 0, "date"));
                     Result r;
                     r.text = s.saint + "\n" + toLineFeeds(s.proverb);
                     r.field("saint", s.saint).field("dicton", toLineFeeds(s.proverb));
                     return r;
                 }});
    t.push_back({"RAPPEL_ECHEANCES",
                 {"date"},
                 "rappel des échéances de cotisations (rien hors des jours de rappel)",
                 [](const auto& a) {
                     const auto warning = RAPPEL_ECHEANCES(dateArg(a, 0, "date"));
                     Result r;
                     if (warning) {
                         r.text = toLineFeeds(*warning);
                         r.field("rappel", r.text);
                     } else {
                         r.number("rappel", "null");
                     }
                     return r;
                 }});
    t.push_back({"GetMoonDate",
                 {"date"},
                 "phase de la lune (0 pleine lune, 0,5 nouvelle lune) et son sens",
                 [](const auto& a) {
                     const double p = GetMoonDate(dateArg(a, 0, "date"));
                     Result r;
                     r.text = formatFrenchNumber(p) + "\n" + moonDirection(p);
                     r.number("phase", jsonNumber(p)).field("sens", moonDirection(p));
                     return r;
                 }});
    t.push_back({"JOURS_FERIES",
                 {"année"},
                 "les onze jours fériés de l'année, du jour de l'an à Noël",
                 [](const auto& a) {
                     // wholeArg keeps the year within an int.
                     const auto sentences = JOURS_FERIES(static_cast<int>(wholeArg(a, 0, "année")));
                     if (!sentences)
                         throw UsageError("« " + a[0] + " » : l'année doit être comprise entre " +
                                          std::to_string(kFirstHolidayYear) + " et " +
                                          std::to_string(kLastHolidayYear) + ".");
                     static const char* const names[] = {"jour_de_l_an",
                                                         "lundi_de_paques",
                                                         "fete_du_travail",
                                                         "victoire_1945",
                                                         "ascension",
                                                         "lundi_de_pentecote",
                                                         "fete_nationale",
                                                         "assomption",
                                                         "toussaint",
                                                         "armistice_1918",
                                                         "noel"};
                     Result r;
                     for (std::size_t i = 0; i < sentences->size(); ++i) {
                         r.text += (i ? "\n" : "") + (*sentences)[i];
                         r.field(names[i], (*sentences)[i]);
                     }
                     return r;
                 }});
    t.push_back({"JOUR_SEMAINE", {"date"}, "le jour de la semaine d'une date", [](const auto& a) {
                     Result r;
                     r.text = JOUR_SEMAINE(dateArg(a, 0, "date"));
                     r.field("jour", r.text);
                     return r;
                 }});
    t.push_back({"EUROFRANCS2",
                 {"euros"},
                 "le montant en francs (6,55957 F pour 1 €) ; rien si ce n'est pas un nombre",
                 [](const auto& a) {
                     Result r;
                     r.text = EUROFRANCS2(a.at(0));
                     r.field("francs", r.text);
                     return r;
                 }});
    t.push_back({"FRANCEUROS2",
                 {"francs"},
                 "le montant en euros (6,55957 F pour 1 €) ; rien si ce n'est pas un nombre",
                 [](const auto& a) {
                     Result r;
                     r.text = FRANCEUROS2(a.at(0));
                     r.field("euros", r.text);
                     return r;
                 }});
}

} // namespace tovimar::cli
