// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_table.h"
#include "dating/follow_up_schedule.h"
#include "dating/term_settings.h"

namespace tovimar::cli {
namespace {

// A window bound as the settings hold it: whole days, a decimal comma rounding half to even.
int boundArg(const std::vector<std::string>& args, std::size_t i, const std::string& name) {
    auto days = windowBoundDays(args.at(i));
    if (!days) throw UsageError("« " + args[i] + " » n'est pas un nombre de jours (" + name + ").");
    return *days;
}

bool yesNoArg(const std::vector<std::string>& args, std::size_t i, const std::string& name) {
    if (args.at(i) == "oui") return true;
    if (args[i] == "non") return false;
    throw UsageError("« " + args[i] + " » : répondez oui ou non (" + name + ").");
}

// A window's text, once both of its dates are known to lie in the calendar.
std::string windowText(const DateWindow& w) {
    requireInCalendar(w.first.serial());
    requireInCalendar(w.last.serial());
    return w.text();
}

Result windowResult(const DateWindow& w) {
    Result r;
    r.text = windowText(w);
    r.field("du", w.first.toText()).field("au", w.last.toText());
    return r;
}

} // namespace

void addScheduleCommands(CommandTable& t) {
    t.push_back({"FENETRE_AMENORRHEE",
                 {"début", "premier_jour_A", "dernier_jour_A"},
                 "fenêtre du a-ième au b-ième jour d'aménorrhée",
                 [](const auto& a) {
                     return windowResult(FENETRE_AMENORRHEE(dateArg(a, 0, "début de grossesse"),
                                                            boundArg(a, 1, "premier jour"),
                                                            boundArg(a, 2, "dernier jour")));
                 }});
    t.push_back({"CONSULTATION_ANESTHESIE",
                 {"début", "premier_jour", "dernier_jour"},
                 "consultation d'anesthésie, jours comptés depuis le début de grossesse",
                 [](const auto& a) {
                     const VbDate start = dateArg(a, 0, "début de grossesse");
                     const int first = boundArg(a, 1, "premier jour");
                     const int last = boundArg(a, 2, "dernier jour");
                     // The window's two dates are the start plus each bound.
                     requireInCalendar(static_cast<long long>(start.serial()) + first);
                     requireInCalendar(static_cast<long long>(start.serial()) + last);
                     Result r;
                     r.text = CONSULTATION_ANESTHESIE(start, first, last);
                     r.field("texte", r.text);
                     return r;
                 }});
    t.push_back({"EXAMENS_OBLIGATOIRES",
                 {"début"},
                 "les six examens prénatals (4e au 9e mois)",
                 [](const auto& a) {
                     Result r;
                     int month = 4;
                     for (const DateWindow& w :
                          EXAMENS_OBLIGATOIRES(dateArg(a, 0, "début de grossesse"))) {
                         const std::string text = windowText(w);
                         r.text += (r.text.empty() ? "" : "\n") + text;
                         r.field("mois_" + std::to_string(month++), text);
                     }
                     return r;
                 }});
    t.push_back(
        {"ECHOGRAPHIES_RECOMMANDEES", {"début"}, "échographies de 22 et 32 SA", [](const auto& a) {
             const auto us = ECHOGRAPHIES_RECOMMANDEES(dateArg(a, 0, "début de grossesse"));
             Result r;
             r.text = dateText(us[0]) + "\n" + dateText(us[1]);
             r.field("echo_22_sa", us[0].toText()).field("echo_32_sa", us[1].toText());
             return r;
         }});
    t.push_back({"DEBUTS_CONGE",
                 {"terme", "jumeaux", "triplés", "enfants"},
                 "congé prénatal puis congé pathologique (jumeaux, triplés : oui ou non)",
                 [](const auto& a) {
                     const LeaveStarts leave = DEBUTS_CONGE(
                         dateArg(a, 0, "terme"), yesNoArg(a, 1, "jumeaux"),
                         yesNoArg(a, 2, "triplés"), wholeArg(a, 3, "nombre d'enfants"));
                     Result r;
                     r.text = dateText(leave.prenatal) + "\n" + dateText(leave.pathological);
                     r.field("conge_prenatal", leave.prenatal.toText())
                         .field("conge_pathologique", leave.pathological.toText());
                     return r;
                 }});
}

} // namespace tovimar::cli
