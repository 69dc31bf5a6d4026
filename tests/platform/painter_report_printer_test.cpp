// SPDX-License-Identifier: GPL-3.0-or-later
// The painter printer writing PDF files, read back with poppler's tools: the
// composed page with its accents, fonts and placement, the printer choice, new
// pages, long names within the margins, and a file that cannot be written.
#include "platform/painter_report_printer.h"
#include "support/pdf_readback.h"

#include <QFile>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace tovimar {
namespace {

using namespace Qt::StringLiterals;

// runTool, pdfText, pdfWords and findWord: support/pdf_readback.h.
using namespace tovimar::testing;

constexpr double pointsPerCm = 72 / 2.54;

class ReportPrinterPdf : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath());
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    }

    QString pdfPath() const { return dir.filePath(QStringLiteral("page.pdf")); }

    PainterReportPrinter::PrinterChoice countingChoice(bool answer) {
        return [this, answer](QPrinter&) {
            ++choices;
            return answer;
        };
    }

    // Line spacing of a style on the printer, in PDF points.
    double lineSpacingPoints(const TextStyle& style) {
        return QFontMetricsF(PainterReportPrinter::fontFor(style), &printer).lineSpacing() * 72 /
               printer.logicalDpiY();
    }

    QTemporaryDir dir;
    QPrinter printer{QPrinter::HighResolution};
    int choices = 0;
};

TEST_F(ReportPrinterPdf, ComposedPageComesOutWithItsAccentsInOrderAndOnTheGrid) {
    PainterReportPrinter report(printer, countingChoice(true));
    report.setCentimetreGrid(3, 3);
    report.setFontSize(20);
    report.print();
    report.print({QStringLiteral(u"Clinique des Lilas")});
    report.setFontSize(12);
    report.print({QStringLiteral(u"Docteur Jean Martin\r\nGynécologue")});
    report.setVerticalPosition(6);
    report.print({QStringLiteral(u"Madame ")}, true);
    report.setBold(true);
    report.print({QStringLiteral(u"Zoé Lefèvre"), QStringLiteral(u",")});
    report.setBold(false);
    report.print();
    report.print({QStringLiteral(u"Votre grossesse a été déclarée du "),
                  QStringLiteral(u"15/01/2010"), QStringLiteral(u".")});
    report.print(
        {QStringLiteral(u"Le terme de cette grossesse est prévu au plus tard le 15/10/2010.")});
    report.setItalic(true);
    report.print({QString(25, QLatin1Char(' ')) +
                  QStringLiteral(u"Echographie du 2ème trimestre, à partir du : 04/06/2010")});
    report.setItalic(false);
    report.print({QStringLiteral(u"Échographie du 3ème trimestre, à partir du : 27/08/2010")});

    // Nothing reaches the device while composing nor at the printer choice.
    EXPECT_FALSE(QFile::exists(pdfPath()));
    ASSERT_TRUE(report.choosePrinter());
    EXPECT_EQ(choices, 1);
    EXPECT_FALSE(QFile::exists(pdfPath()));

    QString error;
    ASSERT_TRUE(report.endDocument(&error)) << error.toStdString();
    ASSERT_TRUE(QFile::exists(pdfPath()));
    EXPECT_TRUE(report.pendingOperations().empty());

    const QString text = pdfText(pdfPath());
    ASSERT_FALSE(text.isEmpty()) << "pdftotext failed";
    const QString flat = text.simplified();
    const QStringList expectedInOrder = {
        u"Clinique des Lilas"_s,
        u"Docteur Jean Martin"_s,
        u"Gynécologue"_s,
        u"Madame Zoé Lefèvre,"_s,
        u"Votre grossesse a été déclarée du 15/01/2010."_s,
        u"Le terme de cette grossesse est prévu au plus tard le 15/10/2010."_s,
        u"Echographie du 2ème trimestre, à partir du : 04/06/2010"_s,
        u"Échographie du 3ème trimestre, à partir du : 27/08/2010"_s,
    };
    qsizetype from = 0;
    for (const QString& expected : expectedInOrder) {
        const qsizetype at = flat.indexOf(expected, from);
        EXPECT_GE(at, from) << "missing or out of order: " << expected.toStdString()
                            << "\nin: " << flat.toStdString();
        if (at >= 0) from = at + expected.size();
    }
    EXPECT_EQ(text.count(QLatin1Char('\f')), 1) << "one page";

    // Placement: margins 1 cm, grid origin 3 cm further, so the grid's origin is 4 cm from the
    // page's corner.
    const double origin = 4 * pointsPerCm;
    const double tolerance = 0.1 * pointsPerCm;
    const std::vector<WordBox> words = pdfWords(pdfPath());
    const auto clinique = findWord(words, u"Clinique"_s);
    const auto docteur = findWord(words, u"Docteur"_s);
    const auto gyneco = findWord(words, u"Gynécologue"_s);
    const auto madame = findWord(words, u"Madame"_s);
    const auto zoe = findWord(words, u"Zoé"_s);
    ASSERT_TRUE(clinique && docteur && gyneco && madame && zoe);
    EXPECT_NEAR(clinique->xMin, origin, tolerance);
    EXPECT_NEAR(madame->xMin, origin, tolerance);
    // The salutation's top is at 6 cm on the grid, below the letterhead.
    EXPECT_NEAR(madame->yMin, origin + 6 * pointsPerCm, tolerance);
    EXPECT_NEAR(zoe->yMin, madame->yMin, 0.5);
    EXPECT_GT(zoe->xMin, madame->xMax);
    // The empty 20 pt line comes before the name; the 12 pt lines follow by the 12 pt spacing.
    const double spacing20 = lineSpacingPoints({20, false, false});
    const double spacing12 = lineSpacingPoints({12, false, false});
    EXPECT_GT(spacing20, 20);
    EXPECT_NEAR(gyneco->yMin - docteur->yMin, spacing12, 0.5);
    EXPECT_NEAR(docteur->yMin - clinique->yMin, spacing20, 0.5);

    // Regular, bold and italic faces of the sans font were used.
    const QString fonts = runTool(QStringLiteral("pdffonts"), {pdfPath()});
    EXPECT_TRUE(fonts.contains(QStringLiteral("DejaVuSansCondensed-Bold"))) << fonts.toStdString();
    EXPECT_TRUE(fonts.contains(QStringLiteral("DejaVuSansCondensed-Oblique")))
        << fonts.toStdString();
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral(R"(DejaVuSansCondensed\s)")).match(fonts).hasMatch())
        << fonts.toStdString();
}

TEST_F(ReportPrinterPdf, RefusedChoiceWritesNothingAndIsNotPrintedWithTheNextReport) {
    bool answer = false;
    PainterReportPrinter report(printer, [&](QPrinter&) {
        ++choices;
        return answer;
    });
    report.setCentimetreGrid(3, 3);
    report.print({QStringLiteral(u"Abandonnée")});
    EXPECT_FALSE(report.choosePrinter());
    EXPECT_EQ(choices, 1);
    EXPECT_FALSE(QFile::exists(pdfPath()));
    EXPECT_TRUE(report.pendingOperations().empty());

    answer = true;
    report.print({QStringLiteral(u"Suivante")});
    ASSERT_TRUE(report.choosePrinter());
    ASSERT_TRUE(report.endDocument());
    const QString text = pdfText(pdfPath());
    EXPECT_TRUE(text.contains(u"Suivante"_s)) << text.toStdString();
    EXPECT_FALSE(text.contains(u"Abandonnée"_s)) << text.toStdString();
}

TEST_F(ReportPrinterPdf, ChoiceMadeAfterComposingDecidesTheDevice) {
    const QString chosen = dir.filePath(QStringLiteral("choisi.pdf"));
    PainterReportPrinter report(printer, [&](QPrinter& p) {
        p.setOutputFileName(chosen);
        return true;
    });
    report.print({QStringLiteral(u"Évaluation du risque de Trisomie 21. ")});
    ASSERT_TRUE(report.choosePrinter());
    ASSERT_TRUE(report.endDocument());
    EXPECT_FALSE(QFile::exists(pdfPath()));
    EXPECT_TRUE(pdfText(chosen).contains(u"Évaluation du risque de Trisomie 21."_s));
}

TEST_F(ReportPrinterPdf, WithoutTheGridTheTextStartsAtThePrintableCorner) {
    PainterReportPrinter report(printer, countingChoice(true));
    report.setFontSize(12);
    report.print({QStringLiteral(u"Coin")});
    report.setVerticalPosition(printer.logicalDpiY()); // one inch in device dots
    report.print({QStringLiteral(u"Pouce")});
    ASSERT_TRUE(report.endDocument());

    const std::vector<WordBox> words = pdfWords(pdfPath());
    const auto corner = findWord(words, u"Coin"_s);
    const auto inch = findWord(words, u"Pouce"_s);
    ASSERT_TRUE(corner && inch);
    EXPECT_NEAR(corner->xMin, 1 * pointsPerCm, 0.1 * pointsPerCm);
    EXPECT_NEAR(corner->yMin, 1 * pointsPerCm, 0.1 * pointsPerCm);
    EXPECT_NEAR(inch->yMin, 1 * pointsPerCm + 72, 0.1 * pointsPerCm);
}

TEST_F(ReportPrinterPdf, OverflowGoesOnANewPageAtTheTopOfTheGrid) {
    PainterReportPrinter report(printer, countingChoice(true));
    report.setCentimetreGrid(3, 3);
    report.setFontSize(12);
    for (int i = 1; i <= 80; ++i)
        report.print({QStringLiteral(u"Ligne%1").arg(i)});
    ASSERT_TRUE(report.endDocument());

    const QStringList pages = pdfText(pdfPath()).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2) << "A4 less 2 cm of margins and 3 cm of grid holds ~54 lines";
    EXPECT_TRUE(pages[0].contains(u"Ligne1\n"_s));
    EXPECT_FALSE(pages[0].contains(u"Ligne80"_s));
    EXPECT_TRUE(pages[1].contains(u"Ligne80"_s));

    // The first line of the second page sits at the grid's top, and every line is on a page.
    const std::vector<WordBox> words = pdfWords(pdfPath());
    int firstOnSecond = 0;
    for (int i = 1; i <= 80; ++i) {
        const auto box = findWord(words, QStringLiteral(u"Ligne%1").arg(i));
        ASSERT_TRUE(box) << i;
        EXPECT_LT(box->yMax, 29.7 * pointsPerCm - 1 * pointsPerCm + 0.5) << i;
        if (box->page == 1 && firstOnSecond == 0) {
            firstOnSecond = i;
            EXPECT_NEAR(box->yMin, 4 * pointsPerCm, 0.1 * pointsPerCm);
        }
    }
    EXPECT_GT(firstOnSecond, 40);
}

TEST_F(ReportPrinterPdf, UnwritableFileIsReportedAsAFailure) {
    printer.setOutputFileName(dir.filePath(QStringLiteral("absent/page.pdf")));
    PainterReportPrinter report(printer, countingChoice(true));
    report.print({QStringLiteral(u"x")});
    QString error;
    EXPECT_FALSE(report.endDocument(&error));
    EXPECT_TRUE(error.contains(QStringLiteral("page.pdf"))) << error.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("absent/page.pdf"))));
}

TEST_F(ReportPrinterPdf, ALongPatientNameStaysWithinTheMargins) {
    PainterReportPrinter report(printer, countingChoice(true));
    report.setCentimetreGrid(3, 3);
    report.setFontSize(12);
    report.setVerticalPosition(6);
    report.print({QStringLiteral(u"Madame ")}, true);
    report.setBold(true);
    QString name;
    for (int i = 0; i < 12; ++i)
        name += QStringLiteral(u"Marie-Hélène%1 ").arg(i);
    report.print({name.trimmed(), QStringLiteral(u",")});
    QString error;
    ASSERT_TRUE(report.endDocument(&error)) << error.toStdString();

    const std::vector<WordBox> words = pdfWords(pdfPath());
    ASSERT_FALSE(words.empty()) << "pdftotext failed";
    const double rightMargin = 595.28 - 10 / 25.4 * 72;
    std::set<int> lineTops;
    for (const WordBox& word : words) {
        EXPECT_LE(word.xMax, rightMargin + 0.5) << word.text.toStdString();
        if (word.text.startsWith(QStringLiteral(u"Marie"))) lineTops.insert(int(word.yMin));
    }
    // Every part of the name is printed, over several lines.
    for (int i = 0; i < 12; ++i)
        EXPECT_TRUE(findWord(words, QStringLiteral(u"Marie-Hélène%1").arg(i)) ||
                    findWord(words, QStringLiteral(u"Marie-Hélène%1,").arg(i)))
            << i;
    EXPECT_GE(lineTops.size(), 2u);
}

} // namespace
} // namespace tovimar
