// SPDX-License-Identifier: GPL-3.0-or-later
// The preterm labour window and the termination deadlines window, from the command line.
#include <utility>

#include "cli/command_table.h"
#include "core/french_number.h"
#include "obstetrics/preterm_labour.h"
#include "obstetrics/termination_deadlines.h"

namespace tovimar::cli {
namespace {

// Results of several controls: "Control=text" lines, a line only for a text that is not empty.
void addLine(Result& r, const std::string& control, const std::string& text) {
    r.field(control, text);
    if (text.empty()) return;
    if (!r.text.empty()) r.text += "\n";
    r.text += control + "=" + text;
}

bool yesNoArg(const std::vector<std::string>& args, std::size_t i, const std::string& name) {
    if (args.at(i) == "oui") return true;
    if (args[i] == "non") return false;
    throw UsageError("« " + args[i] + " » : répondez oui ou non (" + name + ").");
}

Parity parityArg(const std::vector<std::string>& args, std::size_t i) {
    if (args.at(i) == "nullipare") return Parity::Nullipara;
    if (args[i] == "multipare") return Parity::Multipara;
    if (args[i] == "-" || args[i].empty()) return Parity::Unanswered;
    throw UsageError("« " + args[i] + " » : la parité vaut nullipare, multipare ou - (aucune).");
}

Fibronectin fibronectinArg(const std::vector<std::string>& args, std::size_t i) {
    if (args.at(i) == "positif") return Fibronectin::Positive;
    if (args[i] == "négatif") return Fibronectin::Negative;
    if (args[i] == "-" || args[i].empty()) return Fibronectin::Unanswered;
    throw UsageError("« " + args[i] +
                     " » : le test à la fibronectine vaut positif, négatif ou - (aucun).");
}

// The derived age as the window holds it ("22,5"), or none ("-").
std::optional<double> ageArg(const std::vector<std::string>& args, std::size_t i) {
    if (args.at(i) == "-" || args[i].empty()) return std::nullopt;
    return numberArg(args, i, "âge gestationnel en semaines d'aménorrhée, s,j");
}

Result agePoidsMap(const std::vector<std::string>& a) {
    const VbDate start = dateArg(a, 0, "début de grossesse");
    const VbDate today = dateArg(a, 1, "aujourd'hui");
    Result r;
    // A date too far away is refused: the window then shows no age.
    const std::optional<PretermAge> age = AGE_POIDS_MAP(start, today);
    addLine(r, "LblSA", age ? age->lblSA : "");
    addLine(r, "LblPds", age ? age->lblPds : "");
    r.field("Text1", age ? age->saText : "");
    return r;
}

Result risqueMap(const std::vector<std::string>& a) {
    PretermAnswers answers;
    answers.previousPreterm = yesNoArg(a, 0, "antécédent d'accouchement prématuré");
    answers.parity = parityArg(a, 1);
    answers.fibronectin = fibronectinArg(a, 2);
    answers.cervixText = a.at(3);
    answers.sa = ageArg(a, 4);
    const PretermRisk risk = RISQUE_MAP(answers);
    Result r;
    r.text = risk.message.empty() ? risk.result : risk.message;
    r.field("message", risk.message).field("LblResultat", risk.result);
    return r;
}

std::string yesNo(bool b) {
    return b ? "oui" : "non";
}

Result delaisIvg(const std::vector<std::string>& a) {
    const VbDate start = dateArg(a, 0, "début de grossesse");
    const VbDate today = dateArg(a, 3, "aujourd'hui");
    const TerminationOutcome out = DELAIS_IVG(start, a.at(1), a.at(2), today);
    Result r;
    if (!out.message.empty()) {
        r.text = out.message;
        r.field("message", out.message);
        return r;
    }
    // A limit given that is not a whole number of weeks is an argument the calculation
    // cannot take.
    const std::pair<std::size_t, const char*> limits[] = {{1, "semaines_ivg"}, {2, "semaines_ru"}};
    for (const auto& [i, name] : limits)
        if (!limitWeeks(a.at(i)))
            throw UsageError("« " + a[i] +
                             " » : la limite doit être un nombre entier de "
                             "semaines (" +
                             name + ").");
    // Dates beyond the calendar: nothing is computed, nothing printed.
    if (!out.deadlines) return r;
    const TerminationDeadlines& d = *out.deadlines;
    addLine(r, "DateIVG", d.dateIvg);
    addLine(r, "Depasse", yesNo(d.legalPassed));
    addLine(r, "DateRU", d.dateRu);
    addLine(r, "Picture2", yesNo(d.medicationPassed));
    for (std::size_t i = 0; i < d.weeks.size(); ++i)
        addLine(r, "Sem" + std::to_string(6 + i), d.weeks[i]);
    addLine(r, "Repere", std::string(d.marker));
    return r;
}

} // namespace

void addObstetricsCommands(CommandTable& t) {
    t.push_back({"AGE_POIDS_MAP",
                 {"début", "aujourd_hui"},
                 "menace d'accouchement prématuré : âge gestationnel du jour et poids foetal "
                 "moyen de la semaine",
                 agePoidsMap});
    t.push_back({"RISQUE_MAP",
                 {"atcd_prema", "parité", "fibronectine", "col", "sa"},
                 "risque d'accouchement prématuré en % (atcd oui/non ; parité nullipare, "
                 "multipare ou - ; fibronectine positif, négatif ou - ; col en mm ; sa comme "
                 "22,5 ou -)",
                 risqueMap});
    t.push_back({"DELAIS_IVG",
                 {"début", "semaines_ivg", "semaines_ru", "aujourd_hui"},
                 "dates limites de l'IVG et de la méthode médicamenteuse (RU), dates de 6 à 14 "
                 "SA et repère du jour",
                 delaisIvg});
}

} // namespace tovimar::cli
