// SPDX-License-Identifier: GPL-3.0-or-later
// The line model of a printed page (lines, styles, breaks, the grid, new pages,
// lines longer than the page) through the recording printer and the layout,
// and the recording printer's own bookkeeping.
#include "platform/report_layout.h"
#include "support/recording_report_printer.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

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

} // namespace
} // namespace tovimar
