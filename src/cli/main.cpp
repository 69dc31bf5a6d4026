// SPDX-License-Identifier: GPL-3.0-or-later
// tovimar-calc: the program's calculations from the command line.
//   tovimar-calc TERME_DEPUIS_DEBUT 31/05/2011   ->  29/02/2012
//   tovimar-calc --json AGE_DEPUIS_DEBUT 15/01/2010 29/03/2010
//   tovimar-calc --verifier                      the published cases re-run
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "cli/verifier.h"
#include "core/system_error_text.h"

using namespace tovimar::cli;

namespace {

CommandTable allCommands() {
    CommandTable table;
    addDatingCommands(table);
    addScheduleCommands(table);
    addUtilityCommands(table);
    addUltrasoundCommands(table);
    addBiometryCommands(table);
    addT21Commands(table);
    addObstetricsCommands(table);
    addFertilityCommands(table);
    addMenopauseCommands(table);
    return table;
}

void printHelp(const CommandTable& table, std::ostream& out) {
    out << "Usage : tovimar-calc [--json] FONCTION ARGUMENTS...\n"
           "Les dates s'écrivent JJ/MM/AAAA (ou JJ/MM/AA), les nombres avec la virgule "
           "décimale.\n\nFonctions :\n";
    for (const Command& c : table) {
        out << "  " << c.name;
        for (const std::string& p : c.params)
            out << " <" << p << ">";
        out << "\n      " << c.summary << "\n";
    }
}

// Everything written reached the output; else a French message and status 1.
int finish(int status) {
    errno = 0;
    std::cout.flush();
    const bool written = std::cout.good() && std::fflush(stdout) == 0 && !std::ferror(stdout);
    if (written) return status;
    const int error = errno;
    std::cerr << "tovimar-calc : impossible d'écrire le résultat ("
              << tovimar::frenchErrorCause(error) << ").\n";
    return 1;
}

// --verifier [FILE]: the published cases built in, or those of a file.
int verify(const CommandTable& table, const std::vector<std::string>& rest) {
    std::vector<ReferenceCase> cases = referenceCases();
    if (rest.size() > 2) {
        std::cerr << "tovimar-calc : --verifier prend au plus un fichier de cas.\n";
        return 2;
    }
    if (rest.size() == 2) {
        std::ifstream file(rest[1]);
        std::string error = file.is_open() ? std::string() : std::string("illisible");
        if (error.empty()) cases = readReferenceCases(file, error);
        if (!error.empty()) {
            std::cerr << "tovimar-calc : fichier de cas « " << rest[1] << " », " << error << ".\n";
            return 2;
        }
    }
    std::cout << "tovimar-calc, Tovimar-S " TOVIMAR_VERSION "\n\n";
    return verifyReferenceCases(table, cases, std::cout);
}

} // namespace

int main(int argc, char** argv) {
    // Like any program, the user's locale; the numbers are converted without it.
    std::setlocale(LC_ALL, "");
    std::vector<std::string> args(argv + 1, argv + argc);
    bool json = false;
    std::vector<std::string> rest;
    for (const std::string& a : args) {
        if (a == "--json" && rest.empty())
            json = true;
        else
            rest.push_back(a);
    }
    const CommandTable table = allCommands();
    if (rest.empty()) {
        // No command: the usage is an error message.
        printHelp(table, std::cerr);
        return 2;
    }
    if (rest[0] == "--verifier") return finish(verify(table, rest));
    if (rest[0] == "--help" || rest[0] == "-h") {
        printHelp(table, std::cout);
        return finish(0);
    }
    const Command* command = nullptr;
    for (const Command& c : table)
        if (c.name == rest[0]) command = &c;
    if (!command) {
        std::cerr << "tovimar-calc : fonction inconnue « " << rest[0]
                  << " » (tovimar-calc --help donne la liste).\n";
        return 2;
    }
    const std::vector<std::string> params(rest.begin() + 1, rest.end());
    if (params.size() != command->params.size()) {
        std::cerr << "tovimar-calc : " << command->name << " attend " << command->params.size()
                  << " argument(s) :";
        for (const std::string& p : command->params)
            std::cerr << " <" << p << ">";
        std::cerr << "\n";
        return 2;
    }
    Result result;
    try {
        result = command->run(params);
    } catch (const UsageError& e) {
        std::cerr << "tovimar-calc : " << e.what() << "\n";
        return 2;
    }
    if (json) {
        std::cout << "{";
        for (std::size_t i = 0; i < result.fields.size(); ++i)
            std::cout << (i ? ", " : "") << jsonString(result.fields[i].first) << ": "
                      << result.fields[i].second;
        std::cout << "}\n";
    } else if (!result.text.empty()) {
        std::cout << result.text << "\n";
    }
    return finish(0);
}
