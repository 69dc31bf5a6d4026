// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/verifier.h"

#include <cmath>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>

#include "core/french_number.h"

namespace tovimar::cli {
namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator))
        parts.push_back(part);
    if (!text.empty() && text.back() == separator) parts.emplace_back();
    return parts;
}

std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> found;
    std::istringstream in(text);
    for (std::string w; in >> w;)
        found.push_back(w);
    return found;
}

std::string lineOf(const std::string& text, int line) {
    const std::vector<std::string> lines = split(text, '\n');
    return line >= 1 && line <= int(lines.size()) ? lines[line - 1] : std::string();
}

// The number a displayed value ends with: 347 in "1/347", 2998 in "2998 g".
std::optional<double> shownNumber(const std::string& text) {
    std::string_view view(text);
    if (const auto slash = view.rfind('/'); slash != std::string_view::npos)
        view.remove_prefix(slash + 1);
    if (const auto blank = view.find(' '); blank != std::string_view::npos)
        view = view.substr(0, blank);
    return readFrenchNumber(view);
}

bool agrees(const ReferenceCase& c, const std::string& computed) {
    if (c.tolerance <= 0) return computed == c.expected;
    const auto expected = shownNumber(c.expected);
    const auto got = shownNumber(computed);
    return expected && got && std::fabs(*got - *expected) <= c.tolerance * std::fabs(*expected);
}

std::string commandLine(const ReferenceCase& c) {
    std::string text = "tovimar-calc " + c.command;
    for (const std::string& a : c.args)
        text += " " + (a.empty() ? std::string("\"\"") : a);
    return text;
}

} // namespace

CaseOutcome runReferenceCase(const CommandTable& table, const ReferenceCase& c) {
    const Command* command = nullptr;
    for (const Command& candidate : table)
        if (candidate.name == c.command) command = &candidate;
    if (!command) return {"fonction inconnue : " + c.command, false};
    if (command->params.size() != c.args.size())
        return {c.command + " attend " + std::to_string(command->params.size()) + " argument(s)",
                false};
    try {
        const std::string computed = lineOf(command->run(c.args).text, c.line);
        return {computed, agrees(c, computed)};
    } catch (const std::exception& e) {
        return {std::string("refusé : ") + e.what(), false};
    }
}

int verifyReferenceCases(const CommandTable& table, const std::vector<ReferenceCase>& cases,
                         std::ostream& out) {
    out << "Vérification des calculs sur des cas publiés\n"
           "============================================\n";
    std::vector<std::size_t> differing;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const ReferenceCase& c = cases[i];
        const CaseOutcome outcome = runReferenceCase(table, c);
        out << "\n"
            << (i + 1) << ". " << c.subject << "\n"
            << "   Référence : " << c.citation << "\n"
            << "   Commande  : " << commandLine(c);
        if (c.line != 1) out << "  (ligne " << c.line << ")";
        out << "\n   Attendu   : " << c.expected;
        if (c.tolerance > 0)
            out << "  (à " << formatFrenchNumber(roundHalfEven(c.tolerance * 100, 1)) << " % près)";
        out << "\n   Calculé   : " << outcome.computed << "\n"
            << "   " << (outcome.agrees ? "Concorde." : "DIFFÈRE.") << "\n";
        if (!outcome.agrees) differing.push_back(i + 1);
    }
    out << "\nBilan : " << cases.size() << " cas vérifiés, " << cases.size() - differing.size()
        << " concordent, " << differing.size() << " diffèrent";
    if (differing.empty()) {
        out << ".\n";
        return 0;
    }
    out << " (n°";
    for (std::size_t i = 0; i < differing.size(); ++i)
        out << (i ? ", " : " ") << differing[i];
    out << ").\n";
    return 1;
}

std::vector<ReferenceCase> readReferenceCases(std::istream& in, std::string& error) {
    std::vector<ReferenceCase> cases;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line.front() == '#') continue;
        const std::vector<std::string> fields = split(line, '\t');
        const std::vector<std::string> call =
            fields.size() >= 3 ? words(fields[2]) : std::vector<std::string>{};
        const auto fail = [&](const std::string& why) {
            error = "ligne " + std::to_string(number) + " : " + why;
            return std::vector<ReferenceCase>{};
        };
        if (fields.size() < 4 || fields.size() > 6)
            return fail("il faut 4 à 6 champs séparés par des tabulations (sujet, référence, "
                        "commande et arguments, valeur attendue[, ligne[, tolérance en %]])");
        if (call.empty()) return fail("la commande manque");
        ReferenceCase c{fields[0], fields[1], call[0], {call.begin() + 1, call.end()}, fields[3]};
        if (fields.size() >= 5) {
            const auto n = readFrenchNumber(fields[4]);
            if (!n || *n < 1 || *n != std::floor(*n) || *n > 1000)
                return fail("« " + fields[4] + " » n'est pas un numéro de ligne");
            c.line = int(*n);
        }
        if (fields.size() == 6) {
            const auto percent = readFrenchNumber(fields[5]);
            if (!percent || *percent < 0 || *percent > 100)
                return fail("« " + fields[5] + " » n'est pas une tolérance en pourcentage");
            c.tolerance = *percent / 100;
        }
        cases.push_back(std::move(c));
    }
    if (cases.empty()) error = "aucun cas dans le fichier";
    return cases;
}

} // namespace tovimar::cli
