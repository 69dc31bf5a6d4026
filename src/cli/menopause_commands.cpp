// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "cli/command_table.h"
#include "core/french_number.h"
#include "menopause/score_osiris.h"

namespace tovimar::cli {
namespace {

bool yesNoArg(const std::vector<std::string>& a, std::size_t i, const std::string& name) {
    if (a.at(i) == "oui") return true;
    if (a.at(i) == "non") return false;
    throw UsageError("« " + a[i] + " » : répondez oui ou non (" + name + ").");
}

Result scoreOsiris(const std::vector<std::string>& a) {
    const bool ths = yesNoArg(a, 2, "THS");
    const bool fracture = yesNoArg(a, 3, "fracture");
    const auto age = readFrenchNumber(a.at(0));
    const auto weight = readFrenchNumber(a.at(1));
    Result r;
    // An age or a weight that is not a number empties the score and the advice.
    if (!age || !weight) return r;
    // An implausible age or weight: the window's message in place of the score and the advice.
    const std::string refusal = osirisRefusal(*age, *weight);
    if (!refusal.empty()) {
        r.text = refusal;
        r.field("message", refusal);
        return r;
    }
    const auto s = SCORE_OSIRIS(*age, *weight, ths, fracture);
    if (!s) return r;
    const OsirisAdvice advice = osirisAdvice(s->risk);
    r.text = formatFrenchNumber(s->score) + "\n" + advice.className + "\n" + std::to_string(s->bar);
    for (const OsirisCommentLine& line : advice.lines)
        r.text += "\n" + line.text;
    r.number("score", jsonNumber(s->score))
        .field("classe", advice.className)
        .number("barre", std::to_string(s->bar))
        .field("commentaire_a", advice.lines[0].text)
        .field("commentaire_b", advice.lines[1].text)
        .field("commentaire_c", advice.lines[2].text)
        .field("commentaire_d", advice.lines[3].text)
        .number("score_brut", jsonNumber(s->raw));
    return r;
}

} // namespace

void addMenopauseCommands(CommandTable& t) {
    t.push_back({"SCORE_OSIRIS",
                 {"âge", "poids", "ths", "fracture"},
                 "score OSIRIS d'ostéoporose (THS, fracture : oui ou non) : score, classe de "
                 "risque, barre de 0 à 13, les quatre lignes de conseil",
                 scoreOsiris});
}

} // namespace tovimar::cli
