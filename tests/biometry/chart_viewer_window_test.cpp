// SPDX-License-Identifier: GPL-3.0-or-later
// The chart viewer with the earlier scans: a known series placed on its chart,
// each point's band and place read back, the rows shared with the plotting
// window, the page printed to PDF and read, and "Nouvelle patiente".
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "biometry/biometry_window.h"
#include "biometry/chart_viewer_window.h"
#include "biometry/growth_chart_widget.h"
#include "biometry/percentile_band.h"
#include "biometry/plotting_window.h"
#include "biometry/scan_series.h"
#include "support/controls.h"
#include "support/fake_platform.h"
#include "support/pdf_readback.h"
#include "support/typing.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

void typeRow(QTableWidget* table, int r, const char* date, const char* value) {
    table->setItem(r, 0, new QTableWidgetItem(QString::fromUtf8(date)));
    table->setItem(r, 1, new QTableWidgetItem(QString::fromUtf8(value)));
}

// Conception on 01/09/2009, today 15/03/2010 (the fake clock), femur 57 mm
// today at 29 SA + 6 j (30 weeks in the biometry window).
struct Consultation {
    Consultation() {
        fake.writeFile("options.tvx", "\"Madame\",\"Martin\",\"Elise\",\"Sage-femme\",\"Maternite "
                                      "des Lilas\",\"\",\"\",\"Lyon\",\"69\",\"\"\r\n");
        BiometryWindow& biometry = fake.windows().get<BiometryWindow>();
        typeText(control<QLineEdit>(biometry, "DateDGf3"), "01/09/2009");
        control<QLineEdit>(biometry, "Fem")->setText("57");
    }
    ChartViewerWindow& viewer() {
        auto& v = fake.windows().get<ChartViewerWindow>();
        v.showMeasure(Measure::Fem); // what the menu entry "Fémur" does
        return v;
    }
    FakePlatform fake;
};

} // namespace

// Three earlier femur scans and a row that is no scan, typed in the viewer:
// 17/11/2009 is 13 SA, 12/01/2010 is 21 SA, 09/02/2010 is 25 SA + 4 j (read
// at 26 weeks, as the biometry window reads it that day).
TEST(ChartViewerWindow, EarlierScansArePlacedAtTheirAgesWithTheirBandsAndToday) {
    Consultation c;
    ChartViewerWindow& v = c.viewer();
    ASSERT_EQ(v.shownChart(), control<GrowthChartWidget>(v, "ImageFem"));
    typeRow(control<QTableWidget>(v, "TblEchos"), 0, "12/01/2010", "36");
    typeRow(control<QTableWidget>(v, "TblEchos"), 1, "17/11/2009", "11");
    typeRow(control<QTableWidget>(v, "TblEchos"), 2, "13/02/2010", "47");
    typeRow(control<QTableWidget>(v, "TblEchos"), 3, "20/03/2010",
            "60"); // after today: told, not plotted

    struct Expected {
        const char* date;
        int days;
        int bandWeek;
        double mm;
        bool today;
    } expected[] = {
        {"17/11/2009", 91, 13, 11, false},
        {"12/01/2010", 147, 21, 36, false},
        {"13/02/2010", 179, 26, 47, false},
        {"15/03/2010", 209, 30, 57, true},
    };
    const ScanSeries& s = v.series();
    ASSERT_EQ(s.points.size(), 4u);
    const ChartMapping map = control<GrowthChartWidget>(v, "ImageFem")->mapping();
    const std::vector<ChartScan>& drawn = control<GrowthChartWidget>(v, "ImageFem")->scans();
    ASSERT_EQ(drawn.size(), 3u);
    for (std::size_t i = 0; i < 4; ++i) {
        const SeriesPoint& p = s.points[i];
        const Expected& e = expected[i];
        SCOPED_TRACE(e.date);
        EXPECT_EQ(p.dateText, e.date);
        EXPECT_EQ(p.daysOfAmenorrhoea, e.days);
        EXPECT_DOUBLE_EQ(p.week, e.days / 7.0);
        EXPECT_EQ(p.today, e.today);
        EXPECT_EQ(p.band,
                  BANDE_CENTILE(Measure::Fem, std::to_string(e.bandWeek), std::to_string(int(e.mm)))
                      .caption);
        EXPECT_FALSE(p.band.empty());
        if (e.today) continue;
        // Drawn at its exact age, marked with its date, inside the plot.
        EXPECT_DOUBLE_EQ(drawn[i].week, e.days / 7.0);
        EXPECT_DOUBLE_EQ(drawn[i].mm, e.mm);
        EXPECT_EQ(drawn[i].dateText, e.date);
        EXPECT_TRUE(map.insidePlot(drawn[i].week, drawn[i].mm));
    }
    // Today's cross at its exact age, marked as today's, with its band.
    ASSERT_TRUE(control<GrowthChartWidget>(v, "ImageFem")->point().has_value());
    const ChartPoint& today = *control<GrowthChartWidget>(v, "ImageFem")->point();
    EXPECT_DOUBLE_EQ(today.week, 209 / 7.0);
    EXPECT_DOUBLE_EQ(today.mm, 57);
    EXPECT_EQ(today.weekText, "aujourd'hui, 29 SA + 6 j");
    EXPECT_EQ(today.bandText.toStdString(), s.points[3].band);
    // The same band as the biometry window's beside the field.
    EXPECT_EQ(today.bandText,
              control<QLabel>(c.fake.windows().get<BiometryWindow>(), "LabelFem")->text());

    // Listed beside the chart in date order; the bad row told in French.
    const QStringList listed = control<QLabel>(v, "LblSerie")->text().split('\n');
    ASSERT_EQ(listed.size(), 4);
    EXPECT_EQ(listed[0],
              QString("17/11/2009 — 13 SA : 11 mm, ") + QString::fromStdString(s.points[0].band));
    EXPECT_TRUE(listed[2].startsWith("13/02/2010 — 25 SA + 4 j : 47 mm"))
        << listed[2].toStdString();
    EXPECT_TRUE(listed[3].startsWith("15/03/2010 (aujourd'hui) — 29 SA + 6 j : 57 mm"))
        << listed[3].toStdString();
    EXPECT_EQ(control<QLabel>(v, "LblSerieErreurs")->text(),
              "Échographie 4 : le 20/03/2010 est après aujourd'hui (15/03/2010) ; elle n'est "
              "pas placée.");

    // Another measure shows its own (empty) table; coming back finds the rows.
    QTest::mouseClick(control<QPushButton>(v, "BoutonBip"), Qt::LeftButton);
    EXPECT_EQ(control<QTableWidget>(v, "TblEchos")->item(0, 0), nullptr);
    EXPECT_TRUE(control<GrowthChartWidget>(v, "ImageFem")->scans().empty());
    QTest::mouseClick(control<QPushButton>(v, "BoutonFem"), Qt::LeftButton);
    EXPECT_EQ(control<GrowthChartWidget>(v, "ImageFem")->scans().size(), 3u);
}

// The scans are the consultation's: typed once, in either window, both show them.
TEST(ChartViewerWindow, SharesTheScansWithThePlottingWindow) {
    Consultation c;
    ChartViewerWindow& v = c.viewer();
    typeRow(control<QTableWidget>(v, "TblEchos"), 0, "12/01/2010", "36");

    BiometryWindow& biometry = c.fake.windows().get<BiometryWindow>();
    QTest::mouseClick(control<QPushButton>(biometry, "Courbes"), Qt::LeftButton);
    PlottingWindow& plotting = *c.fake.windows().existing<PlottingWindow>();
    QTest::mouseClick(control<QPushButton>(plotting, "CmdFem"), Qt::LeftButton);
    ASSERT_NE(control<QTableWidget>(plotting, "TblEchos")->item(0, 0), nullptr);
    EXPECT_EQ(control<QTableWidget>(plotting, "TblEchos")->item(0, 1)->text(), "36");
    ASSERT_EQ(control<GrowthChartWidget>(plotting, "FemCourbe")->scans().size(), 1u);
    EXPECT_DOUBLE_EQ(control<GrowthChartWidget>(plotting, "FemCourbe")->scans()[0].week,
                     control<GrowthChartWidget>(v, "ImageFem")->scans()[0].week);

    // A row added in the plotting window shows in the viewer at once.
    typeRow(control<QTableWidget>(plotting, "TblEchos"), 1, "17/11/2009", "11");
    ASSERT_NE(control<QTableWidget>(v, "TblEchos")->item(1, 0), nullptr);
    EXPECT_EQ(control<QTableWidget>(v, "TblEchos")->item(1, 0)->text(), "17/11/2009");
    ASSERT_EQ(control<GrowthChartWidget>(v, "ImageFem")->scans().size(), 2u);
    EXPECT_EQ(control<GrowthChartWidget>(v, "ImageFem")->scans()[0].dateText, "17/11/2009");
    EXPECT_EQ(control<QLabel>(v, "LblSerie")->text(),
              control<QLabel>(plotting, "LblSerie")->text());
    // And one changed in the viewer shows in the plotting window.
    typeRow(control<QTableWidget>(v, "TblEchos"), 0, "12/01/2010", "38");
    EXPECT_EQ(control<QTableWidget>(plotting, "TblEchos")->item(0, 1)->text(), "38");
    EXPECT_EQ(control<QLabel>(plotting, "LblSerie")->text(),
              control<QLabel>(v, "LblSerie")->text());
    EXPECT_TRUE(
        control<QLabel>(plotting, "LblSerie")->text().contains("12/01/2010 — 21 SA : 38 mm"))
        << control<QLabel>(plotting, "LblSerie")->text().toStdString();
    // Both windows place today's cross at the same age.
    EXPECT_DOUBLE_EQ(control<GrowthChartWidget>(v, "ImageFem")->point()->week, 209 / 7.0);
    const QPointF cross = plotting.crossCentre();
    const QPointF exact =
        control<GrowthChartWidget>(plotting, "FemCourbe")->mapping().toDevice(209 / 7.0, 57);
    EXPECT_NEAR(cross.x(), exact.x(), 1.0);
    EXPECT_NEAR(cross.y(), exact.y(), 1.0);

    // "Nouvelle patiente" forgets them in both; the viewer, shown, is shown again empty.
    v.show();
    c.fake.windows().renew({});
    ChartViewerWindow* fresh = c.fake.windows().existing<ChartViewerWindow>();
    ASSERT_NE(fresh, nullptr);
    typeText(control<QLineEdit>(c.fake.windows().get<BiometryWindow>(), "DateDGf3"), "01/09/2009");
    fresh->showMeasure(Measure::Fem);
    EXPECT_EQ(control<QTableWidget>(*fresh, "TblEchos")->item(0, 0), nullptr);
    EXPECT_TRUE(control<GrowthChartWidget>(*fresh, "ImageFem")->scans().empty());
    EXPECT_EQ(control<QLabel>(*fresh, "LblSerie")->text(), "");
}

// The page sent out carries the chart with the scans and today's cross, the
// list with the bands and the patient's name: saved as PDF, printed (here on
// a printer writing PDF), and read back.
TEST(ChartViewerWindow, PrintedAndSavedPagesCarryTheScansAndThePatient) {
    Consultation c;
    ChartViewerWindow& v = c.viewer();
    typeRow(control<QTableWidget>(v, "TblEchos"), 0, "12/01/2010", "36");
    typeRow(control<QTableWidget>(v, "TblEchos"), 1, "17/11/2009", "11");
    typeRow(control<QTableWidget>(v, "TblEchos"), 2, "13/02/2010", "47");
    const QStringList listed = control<QLabel>(v, "LblSerie")->text().split('\n');
    ASSERT_EQ(listed.size(), 4);

    QTemporaryDir dir;
    QString chosen = dir.filePath("femur.pdf");
    QString suggested;
    v.dialogs.chooseSaveFile = [&](const QString& offered, const QString&) {
        suggested = offered;
        return chosen;
    };
    c.fake.prompt.answer = "Durand";
    QTest::mouseClick(control<QPushButton>(v, "PdfCourbe"), Qt::LeftButton);
    EXPECT_TRUE(suggested.endsWith("Courbe Fémur - Durand - 2010-03-15.pdf"))
        << suggested.toStdString();
    const QString printed = dir.filePath("imprimee.pdf");
    v.dialogs.printersAvailable = [] { return true; };
    v.dialogs.choosePrinter = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        return true;
    };
    QTest::mouseClick(control<QPushButton>(v, "ImprimerCourbe"), Qt::LeftButton);
    EXPECT_EQ(c.fake.prompt.asked.size(), 1); // her name asked once
    EXPECT_TRUE(c.fake.messages.shown.isEmpty()) << c.fake.messages.shown.join("|").toStdString();

    for (const QString& pdf : {chosen, printed}) {
        SCOPED_TRACE(pdf.toStdString());
        const PdfInfo info = pdfInfo(pdf);
        ASSERT_TRUE(info.parsed);
        EXPECT_EQ(info.pages, 1);
        const QStringList lines = nonEmptyLines(pdfLayoutText(pdf));
        // Letterhead, patient, measure, today's measurement, then the points in date order.
        QStringList inOrder = {
            "Maternite des Lilas", "Madame Durand, le 15/03/2010", "Fémur (Courbes du CFEF)",
            "Mesure : 57 mm à 29 SA + 6 j (" + QString::fromStdString(v.series().points[3].band) +
                "), le 15/03/2010."};
        inOrder << listed;
        EXPECT_EQ(firstMissingInOrder(lines, inOrder), QString()) << lines.join('\n').toStdString();
        // The chart itself: its legend, and each scan marked with its date.
        const QString text = lines.join(' ');
        EXPECT_TRUE(text.contains("C 97")) << text.toStdString();
        const std::vector<WordBox> words = pdfWords(pdf);
        int dates = 0;
        for (const WordBox& w : words)
            if (w.text == "12/01/2010") ++dates;
        EXPECT_GE(dates, 2) << "listed and marked on the chart";
    }

    // As SVG too.
    chosen = dir.filePath("femur.svg");
    QTest::mouseClick(control<QPushButton>(v, "SvgCourbe"), Qt::LeftButton);
    QFile svg(chosen);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(svg.readAll());
    EXPECT_TRUE(text.contains("Madame Durand, le 15/03/2010")) << text.toStdString();
    EXPECT_TRUE(text.contains(listed[1])) << text.toStdString();
}
