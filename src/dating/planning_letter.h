// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pregnancy planning handed to the patient: what it shows, and its
// editable text version (the preview).

#include <array>
#include <string>

#include "utilities/practice_options.h"

namespace tovimar {

// Everything the planning prints, read as the main window shows it.
struct PlanningData {
    std::string patientName;
    std::string issued; // the day the document is made, DD/MM/YYYY
    PracticeOptions letterhead;
    std::string start; // start of pregnancy
    std::string term;
    std::array<std::string, 6> examinations; // months 4 to 9
    std::string firstTrimesterUltrasound;    // window of the first ultrasound
    std::array<std::string, 2> ultrasounds;  // 22 and 32 weeks of amenorrhoea
    std::string serumFirst, serumSecond;     // trisomy 21 serum screening windows
    std::string anaesthesia;                 // "entre le ... et le ..."
    std::array<std::string, 2> leave;        // prenatal, pathological
};

// The labels of the six compulsory examinations, as printed.
extern const std::array<const char*, 6> kExaminationLabels;

struct PlanningPreview {
    std::string header; // the letterhead, seven lines
    std::string letter;
};

// The editable texts of the preview; lines separated by CR LF.
PlanningPreview planningPreview(const PlanningData& data);

} // namespace tovimar
