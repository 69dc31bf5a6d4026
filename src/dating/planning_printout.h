// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The planning page composed through the report printer: the direct page,
// and the printing of the (edited) preview texts.

#include <QString>

#include "dating/planning_letter.h"

namespace tovimar {

class ReportPrinter;

// The page printed at once, under the letterhead.
void IMPRIME(ReportPrinter& printer, const PlanningData& data);

// The preview's two texts, in the printer's own unit and default font.
void printPlanningPreview(ReportPrinter& printer, const QString& header, const QString& letter);

inline const QString kPlanningDocumentName = QStringLiteral("Planning de grossesse");
inline const QString kPatientNamePrompt =
    QStringLiteral("Saisissez le Nom et prénom de la Patiente.");

} // namespace tovimar
