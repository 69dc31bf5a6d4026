// tovimar-calc: the program's calculations from the command line.
//   tovimar-calc TERME_DEPUIS_DEBUT 31/05/2011   ->  29/02/2012
//   tovimar-calc --json AGE_DEPUIS_DEBUT 15/01/2010 29/03/2010
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_table.h"

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

void printHelp(const CommandTable& table) {
    std::cout << "Usage : tovimar-calc [--json] FONCTION ARGUMENTS...\n"
                 "Les dates s'écrivent JJ/MM/AAAA (ou JJ/MM/AA), les nombres avec la virgule "
                 "décimale.\n\nFonctions :\n";
    for (const Command& c : table) {
        std::cout << "  " << c.name;
        for (const std::string& p : c.params)
            std::cout << " <" << p << ">";
        std::cout << "\n      " << c.summary << "\n";
    }
}

} // namespace

int main(int argc, char** argv) {
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
    if (rest.empty() || rest[0] == "--help" || rest[0] == "-h") {
        printHelp(table);
        return rest.empty() ? 2 : 0;
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
    return 0;
}
