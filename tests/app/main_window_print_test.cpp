// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the planning from the main window: the name, the letterhead, the
// printer choice, the preview, and a real PDF when there is no printer.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "dating/planning_preview_window.h"
#include "platform/report_destination.h"
#include "support/controls.h"
#include "support/fake_platform.h"
#include "support/pdf_readback.h"
#include "ui/window_registry.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

const QByteArray kLetterhead = "\"Madame\",\"Martin\",\"\xc9lise\",\"Sage-femme\",\"Maternit\xe9 "
                               "des Lilas\",\"12, rue de l'\xc9glise\","
                               "\"B\xe2timent B\",\"Lyon\",\"69\",\"04 78 00 00 00\"\r\n";

class PlanningFromTheMainWindow : public ::testing::Test {
  protected:
    PlanningFromTheMainWindow() {
        fake.setToday("15/03/2010");
        fake.writeFile("options.tvx", kLetterhead);
        window = std::make_unique<MainWindow>(windows);
        control<QLineEdit>(*window, "DateDR")->setText("01/01/2010");
        control<QLineEdit>(*window, "NbrEnf")->setText("1");
        control<QPushButton>(*window, "Command2")->click();
        fake.prompt.answer = "Zoé Lefèvre";
    }
    FakePlatform fake;
    WindowRegistry windows{*fake.platform};
    std::unique_ptr<MainWindow> window;
};

TEST_F(PlanningFromTheMainWindow, DirectPrintingAsksTheNameAndEndsTheDocument) {
    window->action("Impression")->trigger();
    EXPECT_EQ(fake.prompt.asked, QStringList({"Saisissez le Nom et prénom de la Patiente."}));
    ASSERT_EQ(fake.reports.modes, std::vector<PrintMode>({PrintMode::CurrentPrinter}));
    RecordingReportPrinter& page = fake.reports.last();
    EXPECT_TRUE(page.ended());
    EXPECT_EQ(page.choosePrinterCalls(), 0);
    const QStringList lines = page.lines();
    EXPECT_EQ(lines[1], "Maternité des Lilas");
    EXPECT_EQ(lines[2], "Madame Élise Martin");
    EXPECT_EQ(lines[9], "Madame Zoé Lefèvre,");
    EXPECT_TRUE(lines.contains("Votre grossesse a été déclarée du 15/01/2010."));
    EXPECT_TRUE(
        lines.contains("Le terme de cette grossesse est prévu au plus tard le 15/10/2010."));
    EXPECT_TRUE(lines.contains("Votre congé prénatal débutera le 03/09/2010."));
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(PlanningFromTheMainWindow, ACancelledNameGivesAnEmptyNameAndPrintingGoesOn) {
    fake.prompt.answer.clear();
    window->action("Impression")->trigger();
    EXPECT_EQ(fake.reports.last().lines()[9], "Madame ,");
    EXPECT_TRUE(fake.reports.last().ended());
}

TEST_F(PlanningFromTheMainWindow, ACivilityTypedWithTheNameIsNotPrintedTwice) {
    // The letter writes "Madame" itself, on paper as in the preview.
    fake.prompt.answer = "Mme Zoé Lefèvre";
    window->action("Impression")->trigger();
    EXPECT_EQ(fake.reports.last().lines()[9], "Madame Zoé Lefèvre,");
    fake.prompt.answer = "madame Lefèvre";
    windows.patient().clear(); // the next patient: her name is asked again
    window->action("Aperçu")->trigger();
    auto* preview = windows.existing<PlanningPreviewWindow>();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->letterText().split("\r\n")[0], "              Madame Lefèvre");
    EXPECT_EQ(fake.prompt.asked.first(), "Saisissez le Nom et prénom de la Patiente.");
}

TEST_F(PlanningFromTheMainWindow, ThePrinterChoiceComesAfterTheComposition) {
    window->action("Impression1")->trigger();
    EXPECT_EQ(fake.reports.modes, std::vector<PrintMode>({PrintMode::ChoosePrinter}));
    EXPECT_EQ(fake.reports.last().choosePrinterCalls(), 1);
    EXPECT_TRUE(fake.reports.last().ended());
    // A choice given up stops silently, without ending the document.
    fake.reports.printerChosen = false;
    window->action("Impression1")->trigger();
    EXPECT_FALSE(fake.reports.last().ended());
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(PlanningFromTheMainWindow, APageSavedAsPdfSaysWhere) {
    fake.reports.pdfPath = "/tmp/Planning de grossesse.pdf";
    window->action("ImpressionPdf")->trigger();
    EXPECT_EQ(fake.reports.modes, std::vector<PrintMode>({PrintMode::PdfFile}));
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown[0].contains("/tmp/Planning de grossesse.pdf"));
    // A failed end is reported, not taken for a success.
    fake.reports.pdfPath.clear();
    fake.messages.shown.clear();
    fake.reports.giveUp = true;
    fake.reports.refusal = "Aucune imprimante n'est disponible et aucun dossier n'a été choisi";
    window->action("Impression")->trigger();
    EXPECT_EQ(fake.messages.shown, QStringList({fake.reports.refusal}));
}

TEST_F(PlanningFromTheMainWindow, ThePreviewIsEditableAndPrintsWhatItShows) {
    window->action("Aperçu")->trigger();
    auto* preview = windows.existing<PlanningPreviewWindow>();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->windowTitle(), "Imprime");
    const QStringList header = preview->headerText().split("\r\n");
    EXPECT_EQ(header.size(), 9); // the letterhead, then the date and the signature
    EXPECT_TRUE(header[8].startsWith("          Le 15/03/2010")) << header[8].toStdString();
    EXPECT_EQ(header[0], "          Madame Élise Martin");
    EXPECT_EQ(header[5], "          69          Lyon");
    QStringList letter = preview->letterText().split("\r\n");
    EXPECT_EQ(letter[0], "              Madame Zoé Lefèvre");
    EXPECT_EQ(letter.last(),
              QString(18, ' ') +
                  "Il pourra vous être accordé un congé pathologique à partir du : 20/08/2010");

    // Edited in the preview: the printout follows, the main window does not.
    letter[0] = "              Madame Zoé Lefèvre-Durand";
    control<QPlainTextEdit>(*preview, "Lettre")->setPlainText(letter.join("\n"));
    control<QAction>(*preview, "Imprimer02")->trigger();
    RecordingReportPrinter& page = fake.reports.last();
    EXPECT_EQ(page.choosePrinterCalls(), 1);
    EXPECT_TRUE(page.ended());
    const QStringList printed = page.lines();
    EXPECT_EQ(printed.mid(0, 4), QStringList({"", "", "", ""}));
    EXPECT_EQ(printed[4], "          Madame Élise Martin");
    EXPECT_TRUE(printed[12].contains("Signature du praticien")) << printed[12].toStdString();
    EXPECT_EQ(printed[17], "              Madame Zoé Lefèvre-Durand");
    EXPECT_EQ(control<QLineEdit>(*window, "DateDG")->text(), "15/01/2010");

    control<QAction>(*preview, "Quitte")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(windows.existing<PlanningPreviewWindow>(), nullptr);
}

TEST_F(PlanningFromTheMainWindow, AMissingLetterheadIsReportedAndPrintingGoesOn) {
    QFile::remove(fake.folder() + "/options.tvx");
    window->action("Impression")->trigger();
    EXPECT_EQ(fake.messages.shown, QStringList({"Fichier Options.tvx absent ou erronné."}));
    EXPECT_TRUE(fake.reports.last().ended());
}

// The real destination with no printer: the page becomes a PDF in a folder
// chosen once, and its text holds the accents and the dates.
TEST(PlanningPdf, WithoutAPrinterThePageGoesToAPdfFile) {
    FakePlatform fake;
    fake.writeFile("options.tvx", kLetterhead);
    QTemporaryDir out;
    QSettings memory(fake.folder() + "/memoire.ini", QSettings::IniFormat);
    int foldersAsked = 0;
    PrinterDestination::Dialogs dialogs;
    dialogs.printersAvailable = [] { return false; };
    dialogs.chooseFolder = [&](const QString&) {
        ++foldersAsked;
        return out.path();
    };
    int filesAsked = 0;
    dialogs.chooseFile = [&](const QString&) {
        ++filesAsked;
        return out.filePath("choisi.pdf");
    };
    dialogs.choosePrinter = [](QPrinter&) { return false; };
    PrinterDestination destination(memory, dialogs);
    Platform platform{fake.messages, fake.prompt, fake.clock,      *fake.settings,
                      fake.help,     destination, fake.calculator, fake.clipboard};
    WindowRegistry windows(platform);
    MainWindow window(windows);
    control<QLineEdit>(window, "DateDG")->setText("15/01/2010");
    fake.prompt.answer = "Zoé Lefèvre";

    window.action("Impression")->trigger();
    window.action("Impression")->trigger();
    EXPECT_EQ(foldersAsked, 1); // remembered
    // Asked to choose the printer, there is none to choose: the file's name is asked each time.
    window.action("Impression1")->trigger();
    window.action("Impression1")->trigger();
    EXPECT_EQ(foldersAsked, 1);
    EXPECT_EQ(filesAsked, 2);
    EXPECT_TRUE(QFile::exists(out.filePath("choisi.pdf")));
    const QStringList pdfs = QDir(out.path()).entryList({"*.pdf"});
    ASSERT_GE(pdfs.size(), 2);
    ASSERT_EQ(fake.messages.shown.size(), 4);
    EXPECT_TRUE(fake.messages.shown[0].contains(out.path()));

    // The file read back: one page, its lines in order, nothing outside the printable area
    // (the grid starts 3 cm right of its left edge; its right edge is as far from the paper's).
    const QString pdf = out.path() + "/" + pdfs[0];
    const PdfInfo info = pdfInfo(pdf);
    ASSERT_TRUE(info.parsed) << pdf.toStdString();
    EXPECT_EQ(info.pages, 1);
    const QStringList lines = nonEmptyLines(pdfLayoutText(pdf));
    const QStringList inOrder = {
        "Maternité des Lilas",
        "Madame Élise Martin",
        "Madame Zoé Lefèvre,",
        "Votre grossesse a été déclarée du 15/01/2010.",
        "Le terme de cette grossesse est prévu au plus tard le 15/10/2010.",
        "Examen du 4ème mois : 15/04/2010 --> 15/05/2010",
        "Echographie du 2ème trimestre, à partir du : 04/06/2010",
        "Consultation auprès de l'anesthésiste.",
    };
    EXPECT_EQ(firstMissingInOrder(lines, inOrder), QString()) << lines.join('\n').toStdString();
    const std::vector<WordBox> words = pdfWords(pdf);
    ASSERT_FALSE(words.empty());
    const double printerMargin = words.front().xMin - 3 * kPointsPerCm;
    EXPECT_GE(printerMargin, -0.5);
    for (const WordBox& word : words) {
        EXPECT_GE(word.xMin, words.front().xMin - 0.5) << word.text.toStdString();
        EXPECT_LE(word.xMax, info.widthPoints - printerMargin + 0.5) << word.text.toStdString();
    }
}

} // namespace
