// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The practitioner's letterhead, printed at the top of the planning, the
// biometry report and the trisomy 21 letter. Kept in options.tvx as one line
// of ten texts, in the order of the fields below.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tovimar {

struct PracticeOptions {
    std::string civility;      // Combo1, "Civilité" (free text: "Docteur", "Madame"...)
    std::string lastName;      // Text1, "NOM"
    std::string firstName;     // Text2, "Prénom"
    std::string speciality;    // Combo2, "Spécialité" (free text)
    std::string establishment; // Text3, "Etablissement"
    std::string address1;      // Text4, "Adresse 1"
    std::string address2;      // Text5, "Adresse 2"
    std::string town;          // Text6, "Ville"
    std::string department;    // Text7, "Département"
    std::string telephone;     // Text8, "Télephone"

    static constexpr std::size_t kFieldCount = 10;

    // The fields in the file's order.
    std::array<const std::string*, kFieldCount> fields() const;
    std::array<std::string*, kFieldCount> fields();

    bool operator==(const PracticeOptions&) const = default;
};

struct PracticeOptionsReading {
    // Complete: the last complete line of the file. Otherwise the fields read
    // before the failure, the others empty.
    PracticeOptions options;
    bool complete = false;
};

// A missing file is read as empty bytes: not complete, every field empty.
PracticeOptionsReading readPracticeOptions(std::string_view bytes);
// The Windows-1252 line of the file, CR LF included. A quote inside a field
// is doubled so that it cannot cut the field short.
std::string encodePracticeOptions(const PracticeOptions& options);

} // namespace tovimar
