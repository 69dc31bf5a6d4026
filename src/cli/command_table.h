// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command-line calculator's commands: each capitalised function of the
// program, called with its arguments as a user types them.

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/vb_date.h"

namespace tovimar::cli {

// A bad argument: the message goes to standard error, exit status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A result as the program shows it (text) and as named fields (--json).
struct Result {
    std::string text;
    std::vector<std::pair<std::string, std::string>> fields;          // values already JSON-encoded
    Result& field(const std::string& name, const std::string& text);  // a JSON string
    Result& number(const std::string& name, const std::string& json); // a JSON number or null
};

struct Command {
    std::string name;
    std::vector<std::string> params; // French names of the arguments, in order
    std::string summary;
    std::function<Result(const std::vector<std::string>&)> run;
};

using CommandTable = std::vector<Command>;

// Argument readers: a French message naming the argument when it is not what is expected.
VbDate dateArg(const std::vector<std::string>& args, std::size_t i, const std::string& name);
long long wholeArg(const std::vector<std::string>& args, std::size_t i, const std::string& name);
double numberArg(const std::vector<std::string>& args, std::size_t i, const std::string& name);

// A computed date as DD/MM/YYYY; a date outside the calendar (years 100 to
// 9999) has no such form and is refused like a bad argument.
std::string dateText(VbDate date);
// Refuses a computed day count that falls outside the calendar.
void requireInCalendar(long long serial);

std::string jsonString(const std::string& utf8);
std::string jsonNumber(double value);

// One registration function per family of calculations.
void addDatingCommands(CommandTable& table);
void addUtilityCommands(CommandTable& table);
void addUltrasoundCommands(CommandTable& table);
void addScheduleCommands(CommandTable& table);
void addBiometryCommands(CommandTable& table);
void addT21Commands(CommandTable& table);
void addObstetricsCommands(CommandTable& table);
void addFertilityCommands(CommandTable& table);
void addMenopauseCommands(CommandTable& table);

} // namespace tovimar::cli
