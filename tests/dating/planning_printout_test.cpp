// SPDX-License-Identifier: GPL-3.0-or-later
// The planning page as the printer receives it: lines, styles and positions.
#include "dating/planning_printout.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "support/recording_report_printer.h"
#include "support/sample_planning.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

struct Expected {
    QString text;
    bool bold;
    double points;
};

TEST(PlanningPage, LinesStylesAndPositions) {
    RecordingReportPrinter printer;
    IMPRIME(printer, sampleSchedule());
    const QString s25(25, ' ');
    const Expected expected[] = {
        {"", false, 20},
        {"Maternité des Lilas", false, 20},
        {"Madame Élise Martin", false, 12},
        {"Sage-femme", false, 12},
        {"12, rue de l'Église", false, 12},
        {"Bâtiment B", false, 12},
        {"Lyon      69", false, 12},
        {"Tel :  04 78 00 00 00", false, 12},
        // The date of the document and the practitioner's signature, under the letterhead.
        {"Le 20/03/2010" + QString(12, ' ') +
             "Signature du praticien : ______________________________",
         false, 11},
        {"Madame Zoé Lefèvre,", false, 12}, // regular then bold: checked below
        {"", false, 12},
        {"", false, 12},
        {"Votre grossesse a été déclarée du 15/01/2010.", false, 12},
        {"Le terme de cette grossesse est prévu au plus tard le 15/10/2010.", false, 12},
        {"", false, 12},
        {"Voici ci dessous les dates importantes et le planning de vos rendez-vous à prendre.",
         false, 12},
        {"", false, 12},
        {"Dates des consultations obligatoires.", true, 12},
        {"(A passer entre les 2 dates indiquées).", false, 12},
        {s25 + "Examen du 4ème mois : 15/04/2010 --> 15/05/2010", false, 12},
        {s25 + "Examen du 5ème mois : 15/05/2010 --> 15/06/2010", false, 12},
        {s25 + "Examen du 6ème mois : 15/06/2010 --> 15/07/2010", false, 12},
        {s25 + "Examen du 7ème mois : 15/07/2010 --> 15/08/2010", false, 12},
        {s25 + "Examen du 8ème mois : 15/08/2010 --> 30/08/2010", false, 12},
        {s25 + "Examen du 9ème mois : 15/09/2010 --> 30/09/2010", false, 12},
        {s25 + "Entretien prénatal précoce : dès le 1er trimestre.", false, 12},
        {"", false, 12},
        {"Dates approximatives des trois échographies recommandées.", true, 12},
        {s25 + "Echographie du 1er trimestre, entre : 19/03/2010 --> 08/04/2010", false, 12},
        {s25 + "Echographie du 2ème trimestre, à partir du : 04/06/2010", false, 12},
        {s25 + "Echographie du 3ème trimestre, à partir du : 13/08/2010", false, 12},
        {"", false, 12},
        {"Evaluation du risque de Trisomie 21. ", true, 12},
        {"(Prise de sang à faire entre les 2 dates indiquées).", false, 12},
        {s25 + "Marqueurs du 1er trimestre: ", true, 12},
        {s25 + "19/03/2010 --> 08/04/2010", false, 12},
        {"", false, 12},
        {s25 + "Marqueurs du 2ème trimestre: ", true, 12},
        {s25 + "Uniquement si les marqueurs du 1er trimestre n'ont pu être faits.", false, 12},
        {s25 + "09/04/2010 --> 06/05/2010", false, 12},
        {"", false, 12},
        {"Consultation auprès de l'anesthésiste. ", true, 12},
        {s25 + "Une consultation auprès d'un anesthésiste est obligatoire.", false, 12},
        {s25 + "Elle doit avoir lieu entre le 13/08/2010 et le 10/09/2010", false, 12},
        {"", false, 12},
        {"Votre congé prénatal débutera le 03/09/2010.", false, 12},
        {"", false, 12},
        {"Il pourra vous être accordé un congé pathologique à partir du 20/08/2010.", false, 12},
    };
    const auto& lines = printer.lineDetails();
    ASSERT_EQ(lines.size(), std::size(expected));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].text(), expected[i].text) << i;
        EXPECT_TRUE(lines[i].grid.centimetres) << i;
        EXPECT_EQ(lines[i].grid.leftCm, 3);
        EXPECT_EQ(lines[i].grid.topCm, 3);
        // The sub-headings' indent is regular, as on the lines under them.
        if (expected[i].bold && lines[i].text().startsWith(s25)) {
            ASSERT_EQ(lines[i].pieces.size(), 2u) << i;
            EXPECT_EQ(lines[i].pieces[0].text, s25) << i;
            EXPECT_FALSE(lines[i].pieces[0].style.bold) << i;
            EXPECT_TRUE(lines[i].pieces[1].style.bold) << i;
            continue;
        }
        for (const TextPiece& piece : lines[i].pieces) {
            if (i == 9) continue;
            EXPECT_EQ(piece.style.bold, expected[i].bold) << i;
            EXPECT_EQ(piece.style.points, expected[i].points) << i;
        }
    }
    // The salutation at 6 cm: "Madame " regular, the name and the comma bold.
    EXPECT_DOUBLE_EQ(lines[8].top, 5.2); // the date and the signature
    const ReportLine& salutation = lines[9];
    EXPECT_DOUBLE_EQ(salutation.top, 6.0);
    ASSERT_EQ(salutation.pieces.size(), 3u);
    EXPECT_EQ(salutation.pieces[0].text, "Madame ");
    EXPECT_FALSE(salutation.pieces[0].style.bold);
    EXPECT_TRUE(salutation.pieces[1].style.bold);
    EXPECT_TRUE(salutation.pieces[2].style.bold);
    // The letterhead begins at the grid's origin and lines go down the page.
    EXPECT_DOUBLE_EQ(lines[0].top, 0.0);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (i != 9) {
            EXPECT_GT(lines[i].top, lines[i - 1].top) << i;
        }
    }
    EXPECT_FALSE(printer.ended()); // ending is the caller's
}

TEST(PlanningPage, WithoutLeaveOrLetterheadTheLabelsStillPrint) {
    RecordingReportPrinter printer;
    PlanningData empty;
    IMPRIME(printer, empty);
    const QStringList lines = printer.lines();
    EXPECT_EQ(lines.first(), "");
    EXPECT_EQ(lines[2], "  ");
    EXPECT_EQ(lines[7], "Tel :  ");
    EXPECT_EQ(lines[8],
              "Le " + QString(12, ' ') + "Signature du praticien : ______________________________");
    EXPECT_EQ(lines[9], "Madame ,");
    EXPECT_EQ(lines[12], "Votre grossesse a été déclarée du .");
    EXPECT_EQ(lines[lines.size() - 3], "Votre congé prénatal débutera le .");
    EXPECT_EQ(lines.last(), "Il pourra vous être accordé un congé pathologique à partir du .");

    RecordingReportPrinter withoutLeave;
    IMPRIME(withoutLeave, sampleSchedule(false));
    EXPECT_EQ(withoutLeave.lines().last(),
              "Il pourra vous être accordé un congé pathologique à partir du .");
}

TEST(PlanningPage, ThePreviewPrintsItsTwoTextsInTheDefaultUnit) {
    RecordingReportPrinter printer;
    printPlanningPreview(printer, "  En-tête\r\n  ligne 2", "Lettre\r\nfin");
    const QStringList expected = {"", "", "", "", "  En-tête", "  ligne 2",
                                  "", "", "", "", "Lettre",    "fin"};
    EXPECT_EQ(printer.lines(), expected);
    for (const ReportLine& line : printer.lineDetails()) {
        EXPECT_FALSE(line.grid.centimetres);
        for (const TextPiece& piece : line.pieces)
            EXPECT_EQ(piece.style.points, 12);
    }
}

} // namespace
