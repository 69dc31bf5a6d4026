// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trisomy 21 letter composed through the report printer.

#include <QString>

#include "t21/patient_letter.h"

namespace tovimar {

class ReportPrinter;

// The page under the letterhead: the patient, each risk shown, the overall
// risk and the advice paragraph.
void printT21Letter(ReportPrinter& printer, const T21LetterData& data);

inline const QString kT21LetterDocumentName = QStringLiteral("Risque de trisomie 21");

} // namespace tovimar
