// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One patient's planning as the main window shows it after a typical
// consultation (start 15/01/2010, first child), under a letterhead with accents.

#include "dating/planning_letter.h"

namespace tovimar::testing {

inline PlanningData sampleSchedule(bool leaveComputed = true) {
    PlanningData d;
    d.patientName = "Zoé Lefèvre";
    d.issued = "20/03/2010";
    d.letterhead = {"Madame",
                    "Martin",
                    "Élise",
                    "Sage-femme",
                    "Maternité des Lilas",
                    "12, rue de l'Église",
                    "Bâtiment B",
                    "Lyon",
                    "69",
                    "04 78 00 00 00"};
    d.start = "15/01/2010";
    d.term = "15/10/2010";
    d.examinations = {"15/04/2010 --> 15/05/2010", "15/05/2010 --> 15/06/2010",
                      "15/06/2010 --> 15/07/2010", "15/07/2010 --> 15/08/2010",
                      "15/08/2010 --> 30/08/2010", "15/09/2010 --> 30/09/2010"};
    d.firstTrimesterUltrasound = "19/03/2010 --> 08/04/2010";
    d.ultrasounds = {"04/06/2010", "13/08/2010"};
    d.serumFirst = "19/03/2010 --> 08/04/2010";
    d.serumSecond = "09/04/2010 --> 06/05/2010";
    d.anaesthesia = "entre le 13/08/2010 et le 10/09/2010";
    if (leaveComputed) d.leave = {"03/09/2010", "20/08/2010"};
    return d;
}

} // namespace tovimar::testing
