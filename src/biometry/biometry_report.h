// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one-page biometry report for the patient, composed through the report
// printer under the practitioner's letterhead.

#include <QString>
#include <array>
#include <string>

#include "utilities/practice_options.h"

namespace tovimar {

class ReportPrinter;

// The texts of the biometry window that the report prints, as they are shown.
struct BiometryReportData {
    PracticeOptions letterhead;
    std::string patientName;
    std::string issued;       // the day the document is made, DD/MM/YYYY
    std::string start;        // DateDGf3
    std::string weeks;        // SAF3
    std::string measuredOn;   // the scan day (DateJourF3), or today when it holds no date
    std::string interOrbital; // Orb
    struct Line {
        std::string value;  // the measurement field
        std::string band;   // its band label
        std::string median; // its median field
    };
    // BPD, HC, transverse abdominal diameter, AC, femur, foot, humerus, cerebellum.
    std::array<Line, 8> lines;
    std::string dioBip;
    std::string femPied;
    std::string theoreticalWeight; // Label22
    std::string estimatedWeight;   // TxtPoids0
};

void printBiometryReport(ReportPrinter& printer, const BiometryReportData& data);

inline const QString kBiometryDocumentName = QStringLiteral("Biométrie foetale");

} // namespace tovimar
