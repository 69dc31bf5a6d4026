// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// tovimar-calc --verifier: re-runs cases taken from the publications and the
// rules the program applies, through the same commands a user types, and says
// for each whether the program gives the published value.

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/command_table.h"

namespace tovimar::cli {

struct ReferenceCase {
    std::string subject;           // what is checked, in a few words
    std::string citation;          // the publication or the rule, as it is cited
    std::string command;           // a command of tovimar-calc
    std::vector<std::string> args; // as a user types them
    std::string expected;          // the line expected, as the program shows it
    int line = 1;                  // the line of the command's answer compared (from 1)
    // 0: the line must be the expected text. Otherwise the published value is
    // an empirical table that the program's formula fits: the number the line
    // ends with may differ from the expected one by this fraction of it.
    double tolerance = 0;
};

// The cases built into the program.
const std::vector<ReferenceCase>& referenceCases();

// Cases from a text file, one a line, fields separated by tabs:
//   subject, citation, command and its arguments (separated by blanks),
//   expected line[, line number[, tolerance in percent]]
// Empty lines and lines starting with '#' are skipped. A line that cannot be
// read is reported in `error` (French) with its number, and nothing is returned.
std::vector<ReferenceCase> readReferenceCases(std::istream& in, std::string& error);

struct CaseOutcome {
    std::string computed; // the line the program gave, or its error message
    bool agrees = false;
};

CaseOutcome runReferenceCase(const CommandTable& table, const ReferenceCase& c);

// Runs every case, prints each with its reference, expected and computed
// values, then a summary. 0 when all agree, 1 otherwise.
int verifyReferenceCases(const CommandTable& table, const std::vector<ReferenceCase>& cases,
                         std::ostream& out);

} // namespace tovimar::cli
