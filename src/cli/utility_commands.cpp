#include "cli/command_table.h"
#include "core/french_number.h"
#include "core/text_lines.h"
#include "utilities/moon_phase.h"
#include "utilities/payment_reminders.h"
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
}

} // namespace tovimar::cli
