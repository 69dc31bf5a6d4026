// SPDX-License-Identifier: GPL-3.0-or-later
// The biometry report printed through the real destination, no printer
// installed, into a PDF file read back with poppler's tools.
#include <gtest/gtest.h>

#include "biometry/biometry_report.h"
#include "platform/report_destination.h"
#include "support/pdf_readback.h"
#include "support/sample_printouts.h"

using namespace tovimar;
using namespace tovimar::testing;

// Printed through the real destination with no printer installed: the PDF file
// holds one page whose lines read as composed, each measurement on a line of its
// own, nothing past the margins.
TEST(BiometryReport, PdfReadBackInOrderOneLineEachWithinTheMargins) {
    PdfPrintout out;
    const QString path =
        out.print(PrintMode::CurrentPrinter, kBiometryDocumentName, [](ReportPrinter& printer) {
            printBiometryReport(printer, sampleBiometryReport());
        });
    ASSERT_FALSE(path.isEmpty()) << out.shown.join('|').toStdString();
    ASSERT_EQ(out.shown.size(), 1);
    EXPECT_TRUE(out.shown[0].contains(path)) << out.shown[0].toStdString(); // told where
    const PdfInfo info = pdfInfo(path);
    ASSERT_TRUE(info.parsed) << path.toStdString();
    EXPECT_EQ(info.pages, 1);

    const QStringList lines = nonEmptyLines(pdfLayoutText(path));
    const QStringList inOrder = {
        "Maternité des Lilas",
        "Madame Élise Martin",
        "Sage-femme",
        "12, rue de l'Église",
        "Bâtiment B",
        "Lyon 69",
        "Tel : 04 78 00 00 00",
        "Madame Zoé Lefèvre",
        "Début de grossesse le 01/02/2007 soit 21 semaines d'amenorrhée.",
        "Valeurs biométriques mesurées le 15/06/2007.",
        "- Distance inter-orbitaire: 23 mm.",
        "- Diamètre Bipariétal : 50 mm. (50 ème Percentile). Moy = 50 mm.",
        "- Circonférence céphalique : 184 mm. (50 ème Percentile). Moy = 184 mm.",
        "- Diamètre abdominal transverse : 48 mm. (50 ème Percentile). Moy = 48 mm.",
        "- Circonférence abdominale : 150 mm. (3 ème à 10 ème Percentile). Moy = 162 mm.",
        "- Longueur du Fémur : 35 mm. (50 ème Percentile). Moy = 35 mm.",
        "- Longueur du Pied : mm. (). Moy = 35 mm.",
        "- Longueur de l'Humerus : 33 mm. (50 ème Percentile). Moy = 33 mm.",
        "- Cervelet : 21 mm. (50 ème Percentile). Moy = 21 mm.",
        "Rapport DIO / Bip = 0,46",
        "Rapport Pied / Fémur =",
        "Poids théorique pour l'âge de la grossesse : 399 g",
    };
    EXPECT_EQ(firstMissingInOrder(lines, inOrder), QString())
        << "missing, out of order or broken, in:\n"
        << lines.join('\n').toStdString();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.last().startsWith("Poids estimé ce jour")) << lines.last().toStdString();
    EXPECT_TRUE(lines.last().endsWith("381 g")) << lines.last().toStdString();

    // The grid starts 2 cm from the printable area's left edge; on the right at
    // least 1 cm of paper stays blank.
    const std::vector<WordBox> words = pdfWords(path);
    ASSERT_FALSE(words.empty());
    const double left = words.front().xMin;
    EXPECT_GE(left, 2 * kPointsPerCm - 0.5);
    for (const WordBox& word : words) {
        EXPECT_GE(word.xMin, left - 0.5) << word.text.toStdString();
        EXPECT_LE(word.xMax, info.widthPoints - kPointsPerCm + 0.5) << word.text.toStdString();
    }
}
