// SPDX-License-Identifier: GPL-3.0-or-later
// The trisomy 21 letter as the printer receives it.
#include "t21/patient_letter_printout.h"

#include <gtest/gtest.h>

#include "support/recording_report_printer.h"
#include "support/sample_printouts.h"

using namespace tovimar;
using tovimar::testing::sampleAgeAloneLetter;
using tovimar::testing::sampleEverySectionLetter;

TEST(T21LetterPage, AgeAloneBelowTheThreshold) {
    RecordingReportPrinter printer;
    printT21Letter(printer, sampleAgeAloneLetter());
    const QString s10(10, ' '), s25(25, ' ');
    const QStringList expected = {
        "",
        "Clinique du Parc",
        "Docteur Hélène Durand",
        "Gynécologue obstétricien",
        "3, place Bellecour",
        "",
        "Lyon      69",
        "Tel :  04 78 11 22 33",
        // The date of the document and the practitioner's signature, under the letterhead.
        "Le 20/03/2010            Signature du praticien : ______________________________",
        "Madame Zoé Lefèvre, 35 ans",
        "",
        "EVALUATION DU RISQUE DE TRISOMIE 21",
        "",
        "  - RISQUE LIE  A L'AGE: ",
        s25 + "A Terme : 1/347", // no CRL: no risk at the scan's gestation, no line for it
        "",
        // Fixed paragraphs go whole to the printer, which wraps them within the margins.
        s10 + "Le risque global de donner naissance à un enfant trisomique après les "
              "examens qui vous ont été pratiqués est estimé à 1/347.",
        "Ce risque est considéré comme faible car inferieur à 1/250. Bien que faible ce "
        "risque existe et seul un examen prénatal spécialisé comme l'amniocentèse pourrait "
        "renseigner avec certitude si l'enfant à venir est trisomique ou pas. Cependant "
        "l'amniocentèse comporte ses propres risques et en particulier celui de fausse "
        "couche, que l'on estime aujourd'hui de l'ordre de 1 sur 300 à 1 sur 1\u00a0000. "
        "Il appartient à vous seule de prendre les risques ou non d'une amniocentèse en toute "
        "connaissance de cause.",
    };
    EXPECT_EQ(printer.lines(), expected);

    // Margins of 3 cm; the salutation 6 cm below the origin, the name in bold.
    const auto& lines = printer.lineDetails();
    EXPECT_EQ(lines[0].grid.leftCm, 3);
    EXPECT_EQ(lines[0].grid.topCm, 3);
    // The first line is empty, in 20 points: it holds no text, so its font is read from
    // the room it takes (the establishment's line starts one 20-point line lower) and from
    // the establishment's own size.
    EXPECT_TRUE(lines[0].pieces.empty());
    EXPECT_DOUBLE_EQ(lines[0].top, 0);
    EXPECT_NEAR(lines[1].top, RecordingReportPrinter::modelLineHeightCm(20), 1e-9);
    ASSERT_EQ(lines[1].pieces.size(), 1u);
    EXPECT_EQ(lines[1].pieces[0].style.points, 20);
    // The letterhead's next line is in 12 points.
    EXPECT_NEAR(lines[2].top - lines[1].top, RecordingReportPrinter::modelLineHeightCm(20), 1e-9);
    EXPECT_EQ(lines[2].pieces[0].style.points, 12);
    EXPECT_DOUBLE_EQ(lines[8].top, 5.2); // the date and the signature
    const auto& salutation = lines[9];
    EXPECT_DOUBLE_EQ(salutation.top, 6);
    ASSERT_EQ(salutation.pieces.size(), 2u);
    EXPECT_FALSE(salutation.pieces[0].style.bold);
    EXPECT_TRUE(salutation.pieces[1].style.bold);
    EXPECT_EQ(salutation.pieces[1].style.points, 12);
    EXPECT_TRUE(lines[11].pieces[0].style.bold); // the title
    EXPECT_FALSE(lines[13].pieces[0].style.bold);
    EXPECT_FALSE(printer.ended()); // sending the page is the caller's
}

TEST(T21LetterPage, ThresholdEqualToTheRiskGivesTheHighRiskAdvice) {
    T21LetterData d = sampleAgeAloneLetter();
    d.threshold = 347;
    RecordingReportPrinter printer;
    printT21Letter(printer, d);
    const QStringList lines = printer.lines();
    EXPECT_TRUE(lines.last().startsWith(
        "Ce risque est considéré comme relativement élevé mais cela ne signifie en aucun cas"));
    EXPECT_FALSE(lines.join('\n').contains("faible car inferieur"));
    EXPECT_TRUE(lines.last().endsWith("aujourd'hui de l'ordre de 1 sur 300 à 1 sur 1\u00a0000."));
}

TEST(T21LetterPage, EverySectionThatHasAResult) {
    T21LetterData d = sampleEverySectionLetter();
    d.patientName.clear();
    d.ageGestationLabel = "A 12,2 SA";
    d.nuchalGestationLabel = "A 12,2 SA";
    RecordingReportPrinter printer;
    printT21Letter(printer, d);
    const QString s10(10, ' '), s25(25, ' ');
    const QStringList lines = printer.lines();
    const QStringList middle = {
        "Madame , 35 ans", // an empty name
        "",
        "EVALUATION DU RISQUE DE TRISOMIE 21",
        "",
        "  - RISQUE LIE  A L'AGE: ",
        s25 + "A Terme : 1/347",
        // The age and translucency risks at the gestation they were computed at, as the
        // window captions them; the serum and integrated ones at 15 - 18 weeks.
        s25 + "A 12,2 SA : 1/245",
        "  - RISQUE LIE A LA CLARTE NUCALE COMBINE à L'AGE",
        s10 + " La mesure de la clarté nucale est de 1,5 mm pour une longueur cranio caudale "
              "de 60 mm. Le risque lié à la clarté nucale est alors :",
        s25 + "A Terme : 1/1723",
        s25 + "A 12,2 SA : 1/1219",
        "  - RISQUE SEROLOGIQUE",
        s10 + "Les résultats isolés de la prise de sang (triple test) donnent un risque de :",
        s25 + "A Terme : 1/12700",
        s25 + "A 15 - 18 SA : 1/10000",
        "  - RISQUE INTEGRE",
        s10 + "C'est le risque résultant de l'âge maternel, de la mesure de la clarté nucale et "
              "du résultat de la prise de sang. Il est de :",
        s25 + "A Terme : 1/77906",
        s25 + "A 15 - 18 SA : 1/61344",
        "  - APRES EXAMEN ECHOGRAPHIQUE MORPHOLOGIQUE",
        s10 + "Le risque intégré global est de :",
        s25 + "A Terme : 1/28025",
        "",
        s10 + "Le risque global de donner naissance à un enfant trisomique après les "
              "examens qui vous ont été pratiqués est estimé à 1/28025.",
    };
    // Under the letterhead (8 lines) and the date and signature line.
    ASSERT_GE(lines.size(), 9 + middle.size());
    EXPECT_EQ(lines.mid(9, middle.size()), middle);
}
