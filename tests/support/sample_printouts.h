// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trisomy 21 letter and the biometry report of one sample patient, under
// letterheads with accents, as the windows would hand them to the printer.

#include "biometry/biometry_report.h"
#include "t21/patient_letter.h"

namespace tovimar::testing {

// A midwife's letterhead, every field filled.
inline PracticeOptions sampleLetterhead() {
    PracticeOptions h;
    h.civility = "Madame";
    h.firstName = "Élise";
    h.lastName = "Martin";
    h.speciality = "Sage-femme";
    h.establishment = "Maternité des Lilas";
    h.address1 = "12, rue de l'Église";
    h.address2 = "Bâtiment B";
    h.town = "Lyon";
    h.department = "69";
    h.telephone = "04 78 00 00 00";
    return h;
}

// A scan at 21 weeks, one measurement missing (the foot), the ratio it gives empty.
inline BiometryReportData sampleBiometryReport() {
    BiometryReportData d;
    d.letterhead = sampleLetterhead();
    d.patientName = "Zoé Lefèvre";
    d.issued = "16/06/2007";
    d.start = "01/02/2007";
    d.weeks = "21";
    d.measuredOn = "15/06/2007";
    d.interOrbital = "23";
    d.lines = {{{"50", "50 ème Percentile", "50"},
                {"184", "50 ème Percentile", "184"},
                {"48", "50 ème Percentile", "48"},
                {"150", "3 ème à 10 ème Percentile", "162"},
                {"35", "50 ème Percentile", "35"},
                {"", "", "35"},
                {"33", "50 ème Percentile", "33"},
                {"21", "50 ème Percentile", "21"}}};
    d.dioBip = "0,46";
    d.femPied = "";
    d.theoreticalWeight = "399 g";
    d.estimatedWeight = "381 g";
    return d;
}

// The shortest letter: the age alone, 1/347, below a threshold of 1/250.
inline T21LetterData sampleAgeAloneLetter() {
    T21LetterData d;
    d.letterhead.civility = "Docteur";
    d.letterhead.firstName = "Hélène";
    d.letterhead.lastName = "Durand";
    d.letterhead.speciality = "Gynécologue obstétricien";
    d.letterhead.establishment = "Clinique du Parc";
    d.letterhead.address1 = "3, place Bellecour";
    d.letterhead.town = "Lyon";
    d.letterhead.department = "69";
    d.letterhead.telephone = "04 78 11 22 33";
    d.patientName = "Zoé Lefèvre";
    d.issued = "20/03/2010";
    d.age = "35";
    d.ageAtTerm = "1/347";
    d.afterMorphologyScan = "1/347";
    d.globalN = "347";
    d.threshold = 250;
    return d;
}

// The longest letter: every result of the screen, 1/28025 after the scan.
inline T21LetterData sampleEverySectionLetter() {
    T21LetterData d = sampleAgeAloneLetter();
    d.ageAtScan = "1/245";
    d.nuchalTranslucency = "1,5";
    d.crl = "60";
    d.nuchalAtTerm = "1/1723";
    d.nuchalAtScan = "1/1219";
    d.serumAtTesting = "1/10000";
    d.serumAtTerm = "1/12700";
    d.integratedAtTesting = "1/61344";
    d.integratedAtTerm = "1/77906";
    d.afterScanShown = true;
    d.afterMorphologyScan = "1/28025";
    d.globalN = "28025";
    return d;
}

} // namespace tovimar::testing
