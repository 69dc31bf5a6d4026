// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/painter_report_printer.h"
#include "support/pdf_readback.h"
#include "support/recording_report_printer.h"

#include <QFile>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <set>

namespace tovimar {

// Readable failures for the Qt types.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '{';
    for (qsizetype i = 0; i < list.size(); ++i)
        *os << (i ? ", " : "") << '"' << list[i].toStdString() << '"';
    *os << '}';
}

namespace {

using namespace Qt::StringLiterals;
using Kind = ReportOperation::Kind;

double cmLine(double points) {
    return RecordingReportPrinter::modelLineHeightCm(points);
}
double dotLine(double points) {
    return RecordingReportPrinter::modelLineHeightDots(points);
}

std::vector<double> tops(const RecordingReportPrinter& printer) {
    std::vector<double> result;
    for (const auto& line : printer.lineDetails())
        result.push_back(line.top);
    return result;
}

void expectTops(const RecordingReportPrinter& printer, const std::vector<double>& expected) {
    const std::vector<double> actual = tops(printer);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-9) << "line " << i;
}

// ---------------------------------------------------------------------------------------------
// The line model, through the recording printer.

TEST(ReportPrinterLineModel, ItemsOfOneCallFollowOnOneLineThenTheLineEnds) {
    RecordingReportPrinter printer;
    printer.print({QStringLiteral(u"Tel :  "), QStringLiteral(u"01 23 45 67 89")});
    printer.print({QStringLiteral(u"suite")});

    EXPECT_EQ(printer.lines(), QStringList({u"Tel :  01 23 45 67 89"_s, u"suite"_s}));
    ASSERT_EQ(printer.lineDetails().size(), 2u);
    const auto& first = printer.lineDetails()[0];
    ASSERT_EQ(first.pieces.size(), 2u);
    EXPECT_EQ(first.pieces[0].text, u"Tel :  "_s);
    EXPECT_EQ(first.pieces[1].text, u"01 23 45 67 89"_s);
    EXPECT_FALSE(first.continuesPrevious);
    expectTops(printer, {0, dotLine(10)});
}

TEST(ReportPrinterLineModel, ContinuedLineTakesTheNextCallInTheStyleThenInForce) {
    RecordingReportPrinter printer;
    printer.setCentimetreGrid(3, 3);
    printer.setFontSize(12);
    printer.print({QStringLiteral(u"Madame ")}, true);
    printer.setBold(true);
    printer.print({QStringLiteral(u"Zoé Lefèvre"), QStringLiteral(u",")});
    printer.setBold(false);
    printer.print({QStringLiteral(u"Suite")});

    EXPECT_EQ(printer.lines(), QStringList({u"Madame Zoé Lefèvre,"_s, u"Suite"_s}));
    const auto& salutation = printer.lineDetails()[0];
    ASSERT_EQ(salutation.pieces.size(), 3u);
    EXPECT_EQ(salutation.pieces[0].style, (TextStyle{12, false, false}));
    EXPECT_EQ(salutation.pieces[1].style, (TextStyle{12, true, false}));
    EXPECT_EQ(salutation.pieces[2].style, (TextStyle{12, true, false}));
    EXPECT_EQ(printer.lineDetails()[1].pieces[0].style, (TextStyle{12, false, false}));
    expectTops(printer, {0, cmLine(12)});
}

TEST(ReportPrinterLineModel, ItalicAndSizeApplyToTheRestOfALine) {
    RecordingReportPrinter printer;
    printer.print({QStringLiteral(u"a")}, true);
    printer.setItalic(true);
    printer.setFontSize(20);
    printer.print({QStringLiteral(u"b")}, true);
    printer.setItalic(false);
    printer.print({QStringLiteral(u"c")});
    printer.print({QStringLiteral(u"d")});

    ASSERT_EQ(printer.lines(), QStringList({u"abc"_s, u"d"_s}));
    const auto& pieces = printer.lineDetails()[0].pieces;
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].style, (TextStyle{10, false, false}));
    EXPECT_EQ(pieces[1].style, (TextStyle{20, false, true}));
    EXPECT_EQ(pieces[2].style, (TextStyle{20, false, false}));
    // The line ends in 20 pt: it advances by the 20 pt height, not the 10 pt one it began with.
    expectTops(printer, {0, dotLine(20)});
}

TEST(ReportPrinterLineModel, CallWithoutItemsPrintsAnEmptyLine) {
    RecordingReportPrinter printer;
    printer.print({QStringLiteral(u"a")});
    printer.print();
    printer.print({});
    printer.print({QStringLiteral(u"b")});

    EXPECT_EQ(printer.lines(), QStringList({u"a"_s, u""_s, u""_s, u"b"_s}));
    EXPECT_TRUE(printer.lineDetails()[1].pieces.empty());
    expectTops(printer, {0, dotLine(10), 2 * dotLine(10), 3 * dotLine(10)});
}

TEST(ReportPrinterLineModel, EmptyCallOnAnOpenLineEndsIt) {
    RecordingReportPrinter printer;
    printer.print({QStringLiteral(u"a")}, true);
    printer.print();
    printer.print({QStringLiteral(u"b")});
    EXPECT_EQ(printer.lines(), QStringList({u"a"_s, u"b"_s}));
}

struct BreakCase {
    const char* name;
    QStringList items;
    bool continueLine;
    QStringList expected; // after a further print of "FIN"
};

class ReportPrinterLineBreaks : public ::testing::TestWithParam<BreakCase> {};

TEST_P(ReportPrinterLineBreaks, BreakCharactersStartNewLinesAtTheLeftEdge) {
    const BreakCase& c = GetParam();
    RecordingReportPrinter printer;
    printer.setBold(true);
    printer.print(c.items, c.continueLine);
    printer.print({QStringLiteral(u"FIN")});

    EXPECT_EQ(printer.lines(), c.expected);
    std::vector<double> expectedTops;
    for (qsizetype i = 0; i < c.expected.size(); ++i)
        expectedTops.push_back(static_cast<double>(i) * dotLine(10));
    expectTops(printer, expectedTops);
    for (const auto& line : printer.lineDetails()) {
        EXPECT_FALSE(line.continuesPrevious);
        for (const auto& piece : line.pieces) {
            EXPECT_FALSE(piece.text.contains(QLatin1Char('\r')));
            EXPECT_FALSE(piece.text.contains(QLatin1Char('\n')));
            EXPECT_TRUE(piece.style.bold);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportPrinterLineBreaks,
    ::testing::Values(
        BreakCase{"Cr", {u"a\rb"_s}, false, {u"a"_s, u"b"_s, u"FIN"_s}},
        BreakCase{"Lf", {u"a\nb"_s}, false, {u"a"_s, u"b"_s, u"FIN"_s}},
        BreakCase{"CrLfIsOneBreak", {u"a\r\nb"_s}, false, {u"a"_s, u"b"_s, u"FIN"_s}},
        BreakCase{"LfCrIsTwoBreaks", {u"a\n\rb"_s}, false, {u"a"_s, u""_s, u"b"_s, u"FIN"_s}},
        BreakCase{"CrCrIsTwoBreaks", {u"a\r\rb"_s}, false, {u"a"_s, u""_s, u"b"_s, u"FIN"_s}},
        BreakCase{"TwoCrLf", {u"a\r\n\r\nb"_s}, false, {u"a"_s, u""_s, u"b"_s, u"FIN"_s}},
        BreakCase{"TrailingBreakThenLineEnd", {u"a\r\n"_s}, false, {u"a"_s, u""_s, u"FIN"_s}},
        BreakCase{"TrailingBreakOnContinuedLine", {u"a\r\n"_s}, true, {u"a"_s, u"FIN"_s}},
        BreakCase{"LeadingBreak", {u"\nb"_s}, false, {u""_s, u"b"_s, u"FIN"_s}},
        BreakCase{
            "NextItemGoesOnAfterTheBreak", {u"x\ny"_s, u"z"_s}, false, {u"x"_s, u"yz"_s, u"FIN"_s}},
        BreakCase{"ContinuedAfterTheBreak", {u"a\nb"_s}, true, {u"a"_s, u"bFIN"_s}},
        BreakCase{"SixLineLetterhead",
                  {u"Docteur Jean Martin\r\nGynécologue\r\n12 rue des Lilas\r\n\r\n"
                   u"Lyon      Rhône\r\nTel :  "_s,
                   u"04 78 00 00 00"_s},
                  false,
                  {u"Docteur Jean Martin"_s, u"Gynécologue"_s, u"12 rue des Lilas"_s, u""_s,
                   u"Lyon      Rhône"_s, u"Tel :  04 78 00 00 00"_s, u"FIN"_s}}),
    [](const ::testing::TestParamInfo<BreakCase>& info) { return std::string(info.param.name); });

TEST(ReportPrinterLineModel, SplitLineBreaksKeepsEmptyTexts) {
    EXPECT_EQ(ReportLayout::splitLineBreaks(QString()), QStringList({QString()}));
    EXPECT_EQ(ReportLayout::splitLineBreaks(u"\r\n"_s), QStringList({QString(), QString()}));
    EXPECT_EQ(ReportLayout::splitLineBreaks(u"\r\r\n\n"_s),
              QStringList({QString(), QString(), QString(), QString()}));
}

// The top of the planning page: a 20 pt empty line and name, a 12 pt letterhead, then the
// salutation placed at 6 cm.
TEST(ReportPrinterLineModel, LinesAdvanceByTheFontInForceOnTheCentimetreGrid) {
    RecordingReportPrinter printer;
    printer.setCentimetreGrid(3, 3);
    printer.setFontSize(20);
    printer.print();
    printer.print({QStringLiteral(u"Clinique des Lilas")});
    printer.setFontSize(12);
    printer.print({QStringLiteral(u"Docteur Jean Martin\r\nGynécologue")});
    printer.setVerticalPosition(6);
    printer.print({QStringLiteral(u"Madame ")}, true);
    printer.setBold(true);
    printer.print({QStringLiteral(u"Zoé Lefèvre,")});
    printer.setBold(false);
    printer.print();

    EXPECT_EQ(printer.lines(),
              QStringList({u""_s, u"Clinique des Lilas"_s, u"Docteur Jean Martin"_s,
                           u"Gynécologue"_s, u"Madame Zoé Lefèvre,"_s, u""_s}));
    const double h20 = cmLine(20);
    const double h12 = cmLine(12);
    EXPECT_NEAR(h12, 12 * 0.0352778 * 1.2, 1e-6);
    expectTops(printer, {0, h20, 2 * h20, 2 * h20 + h12, 6, 6 + h12});
    for (const auto& line : printer.lineDetails()) {
        EXPECT_EQ(line.grid, (PageGrid{true, 3, 3}));
        EXPECT_EQ(line.page, 0);
    }
    EXPECT_NEAR(printer.layout().verticalPosition(), 6 + 2 * h12, 1e-9);
}

TEST(ReportPrinterLineModel, WithoutTheGridPositionsAreInDeviceDots) {
    RecordingReportPrinter printer;
    printer.setFontSize(12);
    printer.print({QStringLiteral(u"a")});
    printer.setVerticalPosition(1000);
    printer.print({QStringLiteral(u"b")});
    printer.print({QStringLiteral(u"c")});

    EXPECT_DOUBLE_EQ(dotLine(12), 240.0); // 12 pt x 1.2 at 1200 dpi
    expectTops(printer, {0, 1000, 1240});
    EXPECT_FALSE(printer.lineDetails()[0].grid.centimetres);
}

TEST(ReportPrinterLineModel, SettingTheGridMovesToItsOrigin) {
    RecordingReportPrinter printer;
    printer.print({QStringLiteral(u"avant")});
    printer.print({QStringLiteral(u"avant")});
    printer.setCentimetreGrid(2, 3);
    printer.print({QStringLiteral(u"après")});

    ASSERT_EQ(printer.lineDetails().size(), 3u);
    const auto& after = printer.lineDetails()[2];
    EXPECT_DOUBLE_EQ(after.top, 0);
    EXPECT_EQ(after.grid, (PageGrid{true, 2, 3}));
    EXPECT_FALSE(printer.lineDetails()[0].grid.centimetres);
}

TEST(ReportPrinterLineModel, MovingDownInTheMiddleOfALineGoesOnFromThere) {
    RecordingReportPrinter printer;
    printer.setCentimetreGrid(3, 3);
    printer.print({QStringLiteral(u"Tel :  ")}, true);
    printer.setVerticalPosition(6);
    printer.print({QStringLiteral(u"0478")});
    printer.print({QStringLiteral(u"Madame")});

    EXPECT_EQ(printer.lines(), QStringList({u"Tel :  "_s, u"0478"_s, u"Madame"_s}));
    EXPECT_FALSE(printer.lineDetails()[0].continuesPrevious);
    EXPECT_TRUE(printer.lineDetails()[1].continuesPrevious);
    EXPECT_FALSE(printer.lineDetails()[2].continuesPrevious);
    expectTops(printer, {0, 6, 6 + cmLine(10)});
}

TEST(ReportPrinterLineModel, SizesThatAreNotPositiveNumbersAreIgnored) {
    RecordingReportPrinter printer;
    printer.setFontSize(12);
    for (double bad : {0.0, -5.0, std::numeric_limits<double>::quiet_NaN(),
                       std::numeric_limits<double>::infinity()})
        printer.setFontSize(bad);
    printer.setVerticalPosition(std::numeric_limits<double>::quiet_NaN());
    printer.print({QStringLiteral(u"a")});
    printer.print({QStringLiteral(u"b")});

    EXPECT_EQ(printer.lineDetails()[0].pieces[0].style.points, 12);
    expectTops(printer, {0, dotLine(12)});
}

TEST(ReportPrinterLineModel, LineThatDoesNotFitStartsANewPageAtTheGridTop) {
    RecordingReportPrinter printer;
    printer.setPrintableHeightCm(5);
    printer.setCentimetreGrid(0, 1); // 4 cm below the grid's origin
    printer.setFontSize(12);         // 0.508 cm a line: 7 lines fit, the 8th would end at 4.064
    for (int i = 1; i <= 9; ++i)
        printer.print({QString::number(i)});

    const auto& lines = printer.lineDetails();
    ASSERT_EQ(lines.size(), 9u);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(lines[i].page, 0) << i;
        EXPECT_NEAR(lines[i].top, i * cmLine(12), 1e-9) << i;
    }
    EXPECT_EQ(lines[7].page, 1);
    EXPECT_DOUBLE_EQ(lines[7].top, 0);
    EXPECT_EQ(lines[8].page, 1);
    EXPECT_NEAR(lines[8].top, cmLine(12), 1e-9);
}

TEST(ReportPrinterLineModel, LineTallerThanThePageStaysAtTheTopInsteadOfLooping) {
    RecordingReportPrinter printer;
    printer.setPrintableHeightCm(0.5);
    printer.setCentimetreGrid(0, 0);
    printer.setFontSize(20); // 0.85 cm: never fits
    printer.print({QStringLiteral(u"a")});
    printer.print({QStringLiteral(u"b")});

    const auto& lines = printer.lineDetails();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].page, 0);
    EXPECT_EQ(lines[1].page, 1);
    EXPECT_DOUBLE_EQ(lines[1].top, 0);
}

// ---------------------------------------------------------------------------------------------
// The recording printer's own bookkeeping.

TEST(ReportPrinterRecording, KeepsEveryCallInOrder) {
    RecordingReportPrinter printer;
    printer.setCentimetreGrid(2, 3);
    printer.setFontSize(12);
    printer.setBold(true);
    printer.setItalic(true);
    printer.setVerticalPosition(6);
    printer.print({QStringLiteral(u"a"), QStringLiteral(u"b")}, true);
    printer.print();
    EXPECT_TRUE(printer.choosePrinter());
    EXPECT_TRUE(printer.endDocument());

    const std::vector<ReportOperation> expected = {
        {Kind::CentimetreGrid, 2, 3, false, {}},
        {Kind::FontSize, 12, 0, false, {}},
        {Kind::Bold, 0, 0, true, {}},
        {Kind::Italic, 0, 0, true, {}},
        {Kind::VerticalPosition, 6, 0, false, {}},
        {Kind::Print, 0, 0, true, {u"a"_s, u"b"_s}},
        {Kind::Print, 0, 0, false, {}},
        {Kind::ChoosePrinter, 0, 0, true, {}},
        {Kind::EndDocument, 0, 0, true, {}},
    };
    EXPECT_EQ(printer.operations(), expected);
}

TEST(ReportPrinterRecording, ChoiceAnswersFromTheFlagAndCountsItsCalls) {
    RecordingReportPrinter printer;
    EXPECT_TRUE(printer.choosePrinter());
    printer.setChoosePrinterResult(false);
    EXPECT_FALSE(printer.choosePrinter());
    EXPECT_EQ(printer.choosePrinterCalls(), 2);
    EXPECT_FALSE(printer.ended());
}

TEST(ReportPrinterRecording, EndIsRecordedAndCanBeMadeToFail) {
    RecordingReportPrinter printer;
    printer.print({QStringLiteral(u"a")});
    EXPECT_FALSE(printer.ended());
    printer.setEndDocumentFailure(QStringLiteral(u"Plus de papier."));
    QString error;
    EXPECT_FALSE(printer.endDocument(&error));
    EXPECT_EQ(error, u"Plus de papier."_s);
    EXPECT_TRUE(printer.ended());
    EXPECT_EQ(printer.endDocumentCalls(), 1);
    EXPECT_EQ(printer.operations().back(), (ReportOperation{Kind::EndDocument, 0, 0, false, {}}));
}

TEST(ReportPrinterRecording, RefusedChoiceKeepsTheLinesReadableButTheNextReportStartsAfresh) {
    RecordingReportPrinter printer;
    printer.setChoosePrinterResult(false);
    printer.setCentimetreGrid(3, 3);
    printer.setFontSize(20);
    printer.setBold(true);
    printer.print({QStringLiteral(u"abandonné")});
    EXPECT_FALSE(printer.choosePrinter());
    EXPECT_FALSE(printer.ended());
    EXPECT_EQ(printer.lines(), QStringList({u"abandonné"_s}));

    printer.print({QStringLiteral(u"nouveau")});
    EXPECT_EQ(printer.lines(), QStringList({u"nouveau"_s}));
    const auto& line = printer.lineDetails()[0];
    EXPECT_DOUBLE_EQ(line.top, 0);
    EXPECT_FALSE(line.grid.centimetres);
    EXPECT_EQ(line.pieces[0].style, (TextStyle{10, false, false}));
}

TEST(ReportPrinterRecording, EndedDocumentKeepsItsLinesUntilTheNextReport) {
    RecordingReportPrinter printer;
    printer.print({QStringLiteral(u"un")});
    printer.print({QStringLiteral(u"deux")});
    ASSERT_TRUE(printer.endDocument());
    EXPECT_EQ(printer.lines(), QStringList({u"un"_s, u"deux"_s}));

    printer.print({QStringLiteral(u"trois")});
    EXPECT_EQ(printer.lines(), QStringList({u"trois"_s}));
    expectTops(printer, {0});
}

// ---------------------------------------------------------------------------------------------
// The painter printer, writing PDF files read back with poppler's tools.

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

// ---------------------------------------------------------------------------------------------
// Lines longer than the page.

// Ten dots a character, 254 dots an inch (100 a centimetre), a 5 cm wide page.
DeviceMetrics narrowPage() {
    DeviceMetrics metrics;
    metrics.dotsPerInch = 254;
    metrics.printableWidth = 500;
    metrics.lineHeight = [](const TextStyle&) { return 50.0; };
    metrics.textWidth = [](const TextStyle&, const QString& text) { return 10.0 * text.size(); };
    return metrics;
}

QStringList layoutLines(const ReportLayout& layout) {
    QStringList out;
    for (const ReportLine& line : layout.lines())
        out << line.text();
    return out;
}

TEST(ReportPrinterLineModel, ALineTooLongForThePageGoesOnBelowBetweenWords) {
    struct Case {
        QString name;
        QStringList lines;
    } cases[] = {
        // 3 cm of grid leave 20 characters a line; "Madame " takes 7 of the first.
        {u"Anne Marie Louise Dupont-Martin de la Roche"_s,
         {u"Madame Anne Marie"_s, u"Louise Dupont-Martin"_s, u"de la Roche,"_s}},
        {u"Zoé Lefèvre"_s, {u"Madame Zoé Lefèvre,"_s}}, // fits: unchanged
        // A word longer than a whole line is cut where the line ends.
        {QString(45, u'X'), {u"Madame "_s, QString(20, u'X'), QString(20, u'X'), u"XXXXX,"_s}},
    };
    for (const auto& c : cases) {
        ReportLayout layout(narrowPage());
        layout.setCentimetreGrid(3, 0);
        layout.print({u"Madame "_s}, true);
        layout.setBold(true);
        layout.print({c.name, u","_s}, false);
        layout.setBold(false);
        layout.print({u"suite"_s}, false);
        QStringList expected = c.lines;
        expected << u"suite"_s;
        EXPECT_EQ(layoutLines(layout), expected) << c.name.toStdString();
        // The name keeps its bold on every line it takes.
        for (std::size_t i = 1; i + 1 < layout.lines().size(); ++i)
            EXPECT_TRUE(layout.lines()[i].pieces.front().style.bold) << i;
        // And each line starts one line height lower.
        for (std::size_t i = 0; i < layout.lines().size(); ++i)
            EXPECT_NEAR(layout.lines()[i].top, i * 0.5, 1e-9);
    }
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
