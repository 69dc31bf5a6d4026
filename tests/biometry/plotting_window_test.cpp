// SPDX-License-Identifier: GPL-3.0-or-later
// The chart windows: the cross at the patient's point on the chart drawn, the
// band beside it, stale points hidden; the viewer opened on each chart.
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

#include "biometry/biometry_window.h"
#include "biometry/chart_viewer_window.h"
#include "biometry/growth_chart_widget.h"
#include "biometry/illustrations.h"
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

struct Scan {
    Scan() {
        fake.writeFile("options.tvx", "\"Madame\",\"Martin\",\"Elise\",\"Sage-femme\",\"Maternite "
                                      "des Lilas\",\"\",\"\",\"Lyon\",\"69\",\"\"\r\n");
    }
    FakePlatform fake;
    BiometryWindow& biometry = fake.windows().get<BiometryWindow>();
    PlottingWindow& charts() {
        QTest::mouseClick(control<QPushButton>(biometry, "Courbes"), Qt::LeftButton);
        return *fake.windows().existing<PlottingWindow>();
    }
};

// The chart's page as a PDF document: it parses, holds one A4 page, and its text
// names the measure and the patient's point under the letterhead.
void expectWholeChartPdf(const QString& path) {
    SCOPED_TRACE(path.toStdString());
    const PdfInfo info = pdfInfo(path);
    ASSERT_TRUE(info.parsed) << "pdfinfo cannot read it";
    EXPECT_EQ(info.pages, 1);
    EXPECT_NEAR(info.widthPoints, 595.28, 1);
    EXPECT_NEAR(info.heightPoints, 841.89, 1);
    const QStringList lines = nonEmptyLines(pdfLayoutText(path));
    const QString text = lines.join(' ');
    EXPECT_LT(text.indexOf("Maternite des Lilas"), text.indexOf("Diamètre Bipariétal"))
        << text.toStdString();
    EXPECT_GE(text.indexOf("Maternite des Lilas"), 0) << text.toStdString();
    EXPECT_TRUE(text.contains("Courbe CFEF")) << text.toStdString();
    EXPECT_TRUE(text.contains("Mesure : 53 mm à 22 Sem. A. (50 ème Percentile), le 15/03/2010."))
        << text.toStdString();
    // The curves' legends and the axes' figures are text too.
    EXPECT_TRUE(text.contains("C 97")) << text.toStdString();
}

} // namespace

TEST(PlottingWindow, CrossStandsAtTheWeekAndValueOfTheChartDrawn) {
    Scan scan;
    control<QLineEdit>(scan.biometry, "SAF3")->setText("22");
    control<QLineEdit>(scan.biometry, "Bip")->setText("53");
    PlottingWindow& w = scan.charts();
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(control<QLineEdit>(w, "Sem_Entier")->isVisible());
    EXPECT_EQ(control<QLineEdit>(w, "Sem_Entier")->text(), "22");
    EXPECT_FALSE(control<QWidget>(w, "Croix")->isVisible());
    EXPECT_TRUE(control<QLabel>(w, "Label3")->isVisible());

    QTest::mouseClick(control<QPushButton>(w, "CmdBip"), Qt::LeftButton);
    EXPECT_TRUE(control<GrowthChartWidget>(w, "BipCourbe")->isVisible());
    EXPECT_FALSE(control<GrowthChartWidget>(w, "CcCourbe")->isVisible());
    EXPECT_FALSE(control<QLabel>(w, "Label3")->isVisible());
    EXPECT_EQ(control<QLabel>(w, "Label1")->text(), "Diamètre Bipariétal");
    EXPECT_EQ(control<QLabel>(w, "Label2")->text(), "Courbe CFEF");
    EXPECT_EQ(control<IllustrationWidget>(w, "echo")->illustration(),
              illustrationPath(Measure::Bip));
    ASSERT_TRUE(control<QWidget>(w, "Croix")->isVisible());
    EXPECT_EQ(control<QLabel>(w, "Ordonnee")->text(), "53");
    EXPECT_EQ(control<QLabel>(w, "Abscisse")->text(), "22 Sem. A.");
    EXPECT_EQ(control<QLabel>(w, "Centile")->text(), "50 ème Percentile");
    EXPECT_FALSE(control<QLabel>(w, "HorsCourbes")->isVisible());

    // At two window sizes, the cross's centre is the chart's own point.
    for (QSize size : {QSize(800, 560), QSize(1300, 900)}) {
        w.resize(size);
        QCoreApplication::processEvents();
        const QPointF expected =
            control<GrowthChartWidget>(w, "BipCourbe")->mapping().toDevice(22, 53);
        EXPECT_NEAR(w.crossCentre().x(), expected.x(), 1.0);
        EXPECT_NEAR(w.crossCentre().y(), expected.y(), 1.0);
        // The value and the band stay inside the plot.
        const QRectF plot = control<GrowthChartWidget>(w, "BipCourbe")->mapping().plotArea();
        EXPECT_TRUE(plot.contains(control<QLabel>(w, "Ordonnee")->geometry()));
        EXPECT_TRUE(plot.contains(control<QLabel>(w, "Centile")->geometry()));
    }
}

TEST(PlottingWindow, ValueOnABandLimitLiesOnTheCurve) {
    Scan scan;
    control<QLineEdit>(scan.biometry, "SAF3")->setText("16");
    control<QLineEdit>(scan.biometry, "Cc")
        ->setText("108"); // between the < 3 and the 3-10 bands: on the 3rd centile
    PlottingWindow& w = scan.charts();
    QTest::mouseClick(control<QPushButton>(w, "CmdCc"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(w, "Centile")->text(), "3 ème à 10 ème Percentile");
    const GrowthChart& chart = control<GrowthChartWidget>(w, "CcCourbe")->chart();
    const ChartCurve& c3 = chart.curves.back();
    ASSERT_EQ(c3.legend, "C 3");
    EXPECT_EQ(c3.points.front().week, 16);
    EXPECT_DOUBLE_EQ(c3.points.front().mm, 108);
    const QPointF onCurve =
        control<GrowthChartWidget>(w, "CcCourbe")->mapping().toDevice(16, c3.points.front().mm);
    EXPECT_NEAR(w.crossCentre().x(), onCurve.x(), 1.0);
    EXPECT_NEAR(w.crossCentre().y(), onCurve.y(), 1.0);
}

TEST(PlottingWindow, NoCrossWithoutANumberAndNoStaleCross) {
    Scan scan;
    control<QLineEdit>(scan.biometry, "SAF3")->setText("30");
    control<QLineEdit>(scan.biometry, "Fem")->setText("57");
    PlottingWindow& w = scan.charts();
    QTest::mouseClick(control<QPushButton>(w, "CmdFem"), Qt::LeftButton);
    ASSERT_TRUE(control<QWidget>(w, "Croix")->isVisible());
    // The femur field empty: no band, no cross, no value.
    QTest::mouseClick(control<QPushButton>(w, "CmdPied"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(w, "Label2")->text(), "");
    EXPECT_FALSE(control<QLabel>(w, "Centile")->isVisible());
    EXPECT_FALSE(control<QWidget>(w, "Croix")->isVisible());
    EXPECT_FALSE(control<QLabel>(w, "Ordonnee")->isVisible());
    // The age emptied: the cross of an earlier measure does not stay.
    QTest::mouseClick(control<QPushButton>(w, "CmdFem"), Qt::LeftButton);
    ASSERT_TRUE(control<QWidget>(w, "Croix")->isVisible());
    w.clearWeek();
    EXPECT_FALSE(control<QWidget>(w, "Croix")->isVisible());
    EXPECT_FALSE(control<QLabel>(w, "Ordonnee")->isVisible());
    QTest::mouseClick(control<QPushButton>(w, "CmdFem"), Qt::LeftButton);
    EXPECT_FALSE(control<QWidget>(w, "Croix")->isVisible());
    EXPECT_TRUE(control<QLabel>(w, "Centile")
                    ->isVisible()); // the band is still shown, from the biometry window
}

TEST(PlottingWindow, PointBeyondTheAxesIsClippedWithANote) {
    Scan scan;
    control<QLineEdit>(scan.biometry, "SAF3")->setText("30");
    control<QLineEdit>(scan.biometry, "Bip")->setText("150");
    PlottingWindow& w = scan.charts();
    QTest::mouseClick(control<QPushButton>(w, "CmdBip"), Qt::LeftButton);
    ASSERT_TRUE(control<QWidget>(w, "Croix")->isVisible());
    EXPECT_TRUE(control<QLabel>(w, "HorsCourbes")->isVisible());
    EXPECT_EQ(control<QLabel>(w, "HorsCourbes")->text(), "hors courbes");
    const QRectF plot = control<GrowthChartWidget>(w, "BipCourbe")->mapping().plotArea();
    EXPECT_NEAR(w.crossCentre().y(), plot.top(), 1.0);
    EXPECT_TRUE(plot.contains(control<QLabel>(w, "HorsCourbes")->geometry()));
}

TEST(PlottingWindow, ChartSavedAsPdfAndSvgWithThePoint) {
    Scan scan;
    control<QLineEdit>(scan.biometry, "SAF3")->setText("22");
    control<QLineEdit>(scan.biometry, "Bip")->setText("53");
    PlottingWindow& w = scan.charts();
    EXPECT_FALSE(control<QPushButton>(w, "PdfCourbe")->isEnabled());
    QTest::mouseClick(control<QPushButton>(w, "CmdBip"), Qt::LeftButton);
    QTemporaryDir dir;
    QString chosen = dir.filePath("bip.svg");
    QString suggested;
    w.chooseSaveFile = [&](const QString& offered, const QString&) {
        suggested = offered;
        return chosen;
    };
    {
        // A user without a documents folder: the dialog opens on one made for it.
        QTemporaryDir home;
        const QByteArray savedHome = qgetenv("HOME"), savedConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath(".config").toUtf8());
        // The patient is asked once, and the file's name says whose chart it is and when.
        scan.fake.prompt.answer = "Mme Zoé L/efèvre";
        QTest::mouseClick(control<QPushButton>(w, "SvgCourbe"), Qt::LeftButton);
        EXPECT_EQ(QFileInfo(suggested).absolutePath(), home.filePath("Documents"));
        EXPECT_EQ(QFileInfo(suggested).fileName(),
                  "Courbe Diamètre Bipariétal - Zoé L-efèvre - 2010-03-15.svg");
        EXPECT_TRUE(QFileInfo(home.filePath("Documents")).isDir());
        qputenv("HOME", savedHome);
        if (savedConfig.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", savedConfig);
    }
    QFile svg(chosen);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(svg.readAll());
    EXPECT_TRUE(text.contains("Mesure : 53 mm à 22 Sem. A. (50 ème Percentile), le 15/03/2010."))
        << text.toStdString();
    EXPECT_TRUE(text.contains("Madame Zoé L/efèvre, le 15/03/2010")) << text.toStdString();
    chosen = dir.filePath("bip.pdf");
    QTest::mouseClick(control<QPushButton>(w, "PdfCourbe"), Qt::LeftButton);
    EXPECT_EQ(scan.fake.prompt.asked.size(), 1);
    EXPECT_EQ(QFileInfo(suggested).fileName(),
              "Courbe Diamètre Bipariétal - Zoé L-efèvre - 2010-03-15.pdf");
    expectWholeChartPdf(chosen);
    // Printed on a printer (here one writing PDF): the same page.
    const QString printed = dir.filePath("imprimee.pdf");
    w.printersAvailable = [] { return true; };
    w.choosePrinter = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        return true;
    };
    QTest::mouseClick(control<QPushButton>(w, "ImprimerCourbe"), Qt::LeftButton);
    expectWholeChartPdf(printed);
    EXPECT_TRUE(scan.fake.messages.shown.isEmpty())
        << scan.fake.messages.shown.join("|").toStdString();
    // No printer installed: a message instead of a lost page.
    w.printersAvailable = [] { return false; };
    QTest::mouseClick(control<QPushButton>(w, "ImprimerCourbe"), Qt::LeftButton);
    ASSERT_EQ(scan.fake.messages.shown.size(), 1)
        << scan.fake.messages.shown.join("|").toStdString();
    EXPECT_TRUE(scan.fake.messages.shown[0].contains("PDF"));
    // "Quitter" unloads the window.
    QTest::mouseClick(control<QPushButton>(w, "Quitter"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(scan.fake.windows().existing<PlottingWindow>(), nullptr);
}

TEST(ChartViewerWindow, EachChartWithItsCaptionsAndIllustration) {
    FakePlatform fake;
    auto& viewer = fake.windows().get<ChartViewerWindow>();
    EXPECT_EQ(viewer.objectName(), "Form4");
    EXPECT_EQ(viewer.windowTitle(), "Courbes biometriques");
    struct Case {
        QPushButton* button;
        GrowthChartWidget* chart;
        Measure m;
        const char* title;
        const char* source;
    } cases[] = {
        {control<QPushButton>(viewer, "BoutonBip"), control<GrowthChartWidget>(viewer, "ImageBip"),
         Measure::Bip, "Diamètre Bipariétal", "Courbes du CFEF"},
        {control<QPushButton>(viewer, "BoutonDat"), control<GrowthChartWidget>(viewer, "ImageDat"),
         Measure::Dat, "Abdominal transverse", "Courbes du CFEF"},
        {control<QPushButton>(viewer, "BoutonCc"), control<GrowthChartWidget>(viewer, "ImageCc"),
         Measure::Cc, "Circonférence céphalique", "Courbes du CFEF"},
        {control<QPushButton>(viewer, "BoutonCa"), control<GrowthChartWidget>(viewer, "ImageCa"),
         Measure::CA, "Circonférence abdominale", "Courbes du CFEF"},
        {control<QPushButton>(viewer, "BoutonFem"), control<GrowthChartWidget>(viewer, "ImageFem"),
         Measure::Fem, "Fémur", "Courbes du CFEF"},
        {control<QPushButton>(viewer, "BoutonPied"),
         control<GrowthChartWidget>(viewer, "ImagePied"), Measure::Pied, "Pied", ""},
        {control<QPushButton>(viewer, "BoutonCerv"),
         control<GrowthChartWidget>(viewer, "ImageCerv"), Measure::Cer, "Cervelet",
         "Courbes du CFEF"},
    };
    viewer.show();
    for (const auto& c : cases) {
        QTest::mouseClick(c.button, Qt::LeftButton);
        EXPECT_EQ(viewer.shownChart(), c.chart);
        EXPECT_EQ(c.chart->measure(), c.m);
        EXPECT_EQ(control<QLabel>(viewer, "Label1")->text(), c.title);
        EXPECT_EQ(control<QLabel>(viewer, "Label2")->text(), c.source);
        EXPECT_EQ(control<IllustrationWidget>(viewer, "Image2")->illustration(),
                  illustrationPath(c.m));
    }
    EXPECT_EQ(control<QLabel>(viewer, "AxeMm")->text(), "mm.");
    EXPECT_EQ(control<QLabel>(viewer, "AxeSemaines")->text(), "Semaines d'amenorrhée");
    // "Quitter" only hides it.
    QTest::mouseClick(control<QPushButton>(viewer, "Quitter"), Qt::LeftButton);
    EXPECT_FALSE(viewer.isVisible());
    EXPECT_EQ(fake.windows().existing<ChartViewerWindow>(), &viewer);
}

// Four scans of one pregnancy on the biparietal chart: conception on
// 01/09/2009, scans on 17/11/2009 (13 SA), 12/01/2010 (21 SA), 09/02/2010
// (25 SA), and today's on 15/03/2010 (29 SA + 6 j, 30 weeks in the biometry
// window). Each is placed at its own age and band, listed beside the chart,
// drawn, and printed on the PDF; today's cross stands where the list places it.
TEST(PlottingWindow, EarlierScansArePlacedListedDrawnAndSaved) {
    Scan scan;
    typeText(control<QLineEdit>(scan.biometry, "DateDGf3"), "01/09/2009");
    control<QLineEdit>(scan.biometry, "Bip")->setText("75");
    PlottingWindow& w = scan.charts();
    QTest::mouseClick(control<QPushButton>(w, "CmdBip"), Qt::LeftButton);
    ASSERT_TRUE(control<QTableWidget>(w, "TblEchos"));
    auto row = [&](int r, const char* date, const char* value) {
        control<QTableWidget>(w, "TblEchos")
            ->setItem(r, 0, new QTableWidgetItem(QString::fromUtf8(date)));
        control<QTableWidget>(w, "TblEchos")
            ->setItem(r, 1, new QTableWidgetItem(QString::fromUtf8(value)));
    };
    row(0, "12/01/2010", "50");
    row(1, "17/11/2009", "25");
    row(2, "09/02/2010", "60");
    row(3, "31/02/2010", "55"); // no such day: told, not plotted

    const ScanSeries& s = w.series();
    ASSERT_EQ(s.points.size(), 4u);
    const int days[] = {91, 147, 175, 209};
    const char* dates[] = {"17/11/2009", "12/01/2010", "09/02/2010", "15/03/2010"};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(s.points[i].dateText, dates[i]);
        EXPECT_EQ(s.points[i].daysOfAmenorrhoea, days[i]);
        EXPECT_DOUBLE_EQ(s.points[i].week, days[i] / 7.0);
        // The band the biometry window gives on that day: 29 SA + 6 j is read at 30 weeks.
        EXPECT_EQ(s.points[i].band,
                  BANDE_CENTILE(Measure::Bip, std::to_string(roundedWeeks(days[i])),
                                s.points[i].valueText)
                      .caption)
            << i;
    }
    EXPECT_TRUE(s.points[3].today);
    EXPECT_EQ(control<QLineEdit>(scan.biometry, "SAF3")->text(), "30");
    // Today's point: its band is the one beside the cross and in the biometry
    // window, and the cross stands at its exact age, as the list gives it.
    EXPECT_EQ(QString::fromStdString(s.points[3].band), control<QLabel>(w, "Centile")->text());
    EXPECT_EQ(control<QLabel>(w, "Centile")->text(),
              control<QLabel>(scan.biometry, "LabelBip")->text());
    for (QSize size : {QSize(820, 600), QSize(1300, 900)}) {
        w.resize(size);
        QCoreApplication::processEvents();
        const QPointF exact =
            control<GrowthChartWidget>(w, "BipCourbe")->mapping().toDevice(209 / 7.0, 75);
        EXPECT_NEAR(w.crossCentre().x(), exact.x(), 1.0);
        EXPECT_NEAR(w.crossCentre().y(), exact.y(), 1.0);
        // Not at the whole week: a day is more than a pixel at these sizes.
        EXPECT_GT(
            std::abs(w.crossCentre().x() -
                     control<GrowthChartWidget>(w, "BipCourbe")->mapping().toDevice(30, 75).x()),
            2.0);
    }
    ASSERT_EQ(s.faults.size(), 1u);
    EXPECT_TRUE(
        control<QLabel>(w, "LblSerieErreurs")->text().startsWith("Échographie 4 : « 31/02/2010 »"))
        << control<QLabel>(w, "LblSerieErreurs")->text().toStdString();

    // The list beside the chart, in date order, today's marked.
    const QStringList listed = control<QLabel>(w, "LblSerie")->text().split('\n');
    ASSERT_EQ(listed.size(), 4);
    EXPECT_TRUE(listed[0].startsWith("17/11/2009 — 13 SA : 25 mm")) << listed[0].toStdString();
    EXPECT_TRUE(listed[1].startsWith("12/01/2010 — 21 SA : 50 mm")) << listed[1].toStdString();
    EXPECT_TRUE(listed[3].startsWith("15/03/2010 (aujourd'hui) — 29 SA + 6 j : 75 mm"))
        << listed[3].toStdString();

    // The chart draws the three earlier scans at their places.
    const std::vector<ChartScan>& drawn = control<GrowthChartWidget>(w, "BipCourbe")->scans();
    ASSERT_EQ(drawn.size(), 3u);
    const ChartMapping map = control<GrowthChartWidget>(w, "BipCourbe")->mapping();
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(drawn[i].week, days[i] / 7.0);
        EXPECT_TRUE(map.insidePlot(drawn[i].week, drawn[i].mm)) << i;
        EXPECT_EQ(drawn[i].dateText, dates[i]);
    }
    EXPECT_LT(map.toDevice(drawn[0].week, drawn[0].mm).x(),
              map.toDevice(drawn[1].week, drawn[1].mm).x());

    // Another measure has its own table; coming back finds these rows.
    QTest::mouseClick(control<QPushButton>(w, "CmdCc"), Qt::LeftButton);
    EXPECT_EQ(control<QTableWidget>(w, "TblEchos")->item(0, 0), nullptr);
    EXPECT_TRUE(control<GrowthChartWidget>(w, "CcCourbe")->scans().empty());
    QTest::mouseClick(control<QPushButton>(w, "CmdBip"), Qt::LeftButton);
    ASSERT_NE(control<QTableWidget>(w, "TblEchos")->item(0, 0), nullptr);
    EXPECT_EQ(control<QTableWidget>(w, "TblEchos")->item(0, 0)->text(), "12/01/2010");
    EXPECT_EQ(control<GrowthChartWidget>(w, "BipCourbe")->scans().size(), 3u);

    // The PDF carries the scans listed with their bands.
    QTemporaryDir dir;
    const QString chosen = dir.filePath("bip.pdf");
    w.chooseSaveFile = [&](const QString&, const QString&) { return chosen; };
    QTest::mouseClick(control<QPushButton>(w, "PdfCourbe"), Qt::LeftButton);
    const QString text = nonEmptyLines(pdfLayoutText(chosen)).join(' ');
    EXPECT_TRUE(text.contains("17/11/2009 — 13 SA : 25 mm")) << text.toStdString();
    EXPECT_TRUE(text.contains("09/02/2010 — 25 SA : 60 mm")) << text.toStdString();

    // Closing the window loses nothing: the scans are the consultation's.
    QTest::mouseClick(control<QPushButton>(w, "Quitter"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(scan.fake.windows().existing<PlottingWindow>(), nullptr);
    PlottingWindow& again = scan.charts();
    QTest::mouseClick(control<QPushButton>(again, "CmdBip"), Qt::LeftButton);
    ASSERT_NE(control<QTableWidget>(again, "TblEchos")->item(1, 0), nullptr);
    EXPECT_EQ(control<QTableWidget>(again, "TblEchos")->item(1, 0)->text(), "17/11/2009");
    EXPECT_EQ(control<GrowthChartWidget>(again, "BipCourbe")->scans().size(), 3u);

    // "Nouvelle patiente" (a fresh start of every window but the settings) forgets them.
    again.show();
    scan.fake.windows().renew({});
    PlottingWindow* fresh = scan.fake.windows().existing<PlottingWindow>();
    ASSERT_NE(fresh, nullptr);
    typeText(control<QLineEdit>(scan.fake.windows().get<BiometryWindow>(), "DateDGf3"),
             "01/09/2009");
    QTest::mouseClick(control<QPushButton>(*fresh, "CmdBip"), Qt::LeftButton);
    EXPECT_EQ(control<QTableWidget>(*fresh, "TblEchos")->item(0, 0), nullptr);
    EXPECT_TRUE(control<GrowthChartWidget>(*fresh, "BipCourbe")->scans().empty());
    EXPECT_EQ(control<QLabel>(*fresh, "LblSerie")->text(), "");
}
