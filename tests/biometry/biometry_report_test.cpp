// SPDX-License-Identifier: GPL-3.0-or-later
// The biometry report as the printer receives it: lines, styles and the grid.
#include "biometry/biometry_report.h"

#include <gtest/gtest.h>

#include "support/recording_report_printer.h"
#include "support/sample_printouts.h"

using namespace tovimar;
using tovimar::testing::sampleBiometryReport;

TEST(BiometryReport, LinesInOrderUnderTheLetterhead) {
    RecordingReportPrinter printer;
    printBiometryReport(printer, sampleBiometryReport());
    const QStringList expected = {
        "Maternité des Lilas",
        "Madame Élise Martin",
        "Sage-femme",
        "12, rue de l'Église",
        "Bâtiment B",
        "Lyon      69",
        "Tel :  04 78 00 00 00",
        "",
        "",
        // The date of the document and the practitioner's signature.
        "Le 16/06/2007            Signature du praticien : ______________________________",
        "",
        "",
        "Madame Zoé Lefèvre",
        "",
        "",
        "Début de grossesse le 01/02/2007 soit 21 semaines d'amenorrhée.",
        "",
        "Valeurs biométriques mesurées le 15/06/2007.",
        "  - Distance inter-orbitaire: 23 mm.",
        "  - Diamètre Bipariétal : 50 mm.  (50 ème Percentile). Moy = 50 mm.",
        "  - Circonférence céphalique : 184 mm.  (50 ème Percentile). Moy = 184 mm.",
        "  - Diamètre abdominal transverse : 48 mm.  (50 ème Percentile). Moy = 48 mm.",
        "  - Circonférence abdominale : 150 mm.  (3 ème à 10 ème Percentile). Moy = 162 mm.",
        "  - Longueur du Fémur : 35 mm.  (50 ème Percentile). Moy = 35 mm.",
        // An empty field still prints its line.
        "  - Longueur du Pied :  mm.  (). Moy = 35 mm.",
        "  - Longueur de l'Humerus : 33 mm.  (50 ème Percentile). Moy = 33 mm.",
        "  - Cervelet : 21 mm.  (50 ème Percentile). Moy = 21 mm.",
        "",
        "Rapport DIO / Bip = 0,46",
        "Rapport Pied / Fémur = ",
        "",
        "",
        "Poids théorique pour l'âge de la grossesse : 399 g",
        "Poids estimé ce jour (formule de Dudley) 381 g",
        "",
        "",
    };
    EXPECT_EQ(printer.lines(), expected);
    EXPECT_FALSE(printer.ended()); // the window ends the document
}

TEST(BiometryReport, GridFontsAndEmphasis) {
    RecordingReportPrinter printer;
    printBiometryReport(printer, sampleBiometryReport());
    const auto& ops = printer.operations();
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops[0].kind, ReportOperation::Kind::CentimetreGrid);
    EXPECT_EQ(ops[0].first, 2);
    EXPECT_EQ(ops[0].second, 3);

    const auto& lines = printer.lineDetails();
    auto find = [&](const QString& start) -> const ReportLine* {
        for (const auto& l : lines)
            if (l.text().startsWith(start)) return &l;
        return nullptr;
    };
    EXPECT_EQ(find("Maternité")->pieces[0].style.points, 20);
    const ReportLine* madame = find("Madame Zoé");
    ASSERT_TRUE(madame);
    ASSERT_EQ(madame->pieces.size(), 2u);
    EXPECT_FALSE(madame->pieces[0].style.bold);
    EXPECT_TRUE(madame->pieces[1].style.bold);
    EXPECT_EQ(madame->pieces[1].style.points, 12);

    const ReportLine* start = find("Début de grossesse");
    ASSERT_EQ(start->pieces.size(), 5u);
    EXPECT_TRUE(start->pieces[1].style.bold);
    EXPECT_FALSE(start->pieces[2].style.bold);
    EXPECT_TRUE(start->pieces[3].style.bold);

    EXPECT_TRUE(find("Valeurs biométriques")->pieces[0].style.bold);

    const ReportLine* bip = find("  - Diamètre Bipariétal");
    ASSERT_EQ(bip->pieces.size(), 4u);
    EXPECT_FALSE(bip->pieces[0].style.bold);
    EXPECT_TRUE(bip->pieces[1].style.bold);
    EXPECT_FALSE(bip->pieces[2].style.bold);
    EXPECT_FALSE(bip->pieces[2].style.italic);
    EXPECT_TRUE(bip->pieces[3].style.italic);
    EXPECT_FALSE(bip->pieces[3].style.bold);

    EXPECT_TRUE(find("Poids estimé ce jour")->pieces[1].style.bold);
}
