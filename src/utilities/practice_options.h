// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The practitioner's letterhead, printed at the top of the planning, the
// biometry report and the trisomy 21 letter, and how the trisomy 21 letter
// advises. Kept in options.tvx as one line of ten texts, in the order of the
// fields below, followed by an eleventh, "2018", when the practice follows the
// 2018 thresholds (a line of ten keeps the single threshold, as files written
// before the choice existed do).

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tovimar {

// What the trisomy 21 window and letter advise from the combined risk: the
// single amniocentesis threshold of the term settings (the default), or the
// French screening strategy since 2018 (1/50 and 1/1000, and a nuchal
// translucency of 3.5 mm or more).
enum class ScreeningStrategy { SingleThreshold, Thresholds2018 };

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
    ScreeningStrategy strategy = ScreeningStrategy::SingleThreshold; // "Conduite selon"

    static constexpr std::size_t kFieldCount = 10;

    // The ten texts in the file's order (the strategy follows them).
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
// When each line holds ten or eleven values, the last line is in force (ten:
// the single threshold); a file whose records run over several lines is read
// as a stream of ten values, the single threshold in force. An eleventh value
// other than "2018" or "seuil" makes the file not complete (the strategy stays
// the single threshold, the letterhead is read).
PracticeOptionsReading readPracticeOptions(std::string_view bytes);
// The Windows-1252 line of the file, CR LF included. A quote inside a field
// is doubled so that it cannot cut the field short. The single threshold
// writes the ten texts alone, so that the file stays what it always was.
std::string encodePracticeOptions(const PracticeOptions& options);
// The record's values: the ten texts, and "2018" for the 2018 thresholds.
std::vector<std::string> practiceOptionsValues(const PracticeOptions& options);

} // namespace tovimar
