// SPDX-License-Identifier: GPL-3.0-or-later
// The growth charts drawn by the program: the mapping from (week, mm) to the
// device, what is painted where, and the chart page saved as SVG and PDF.
#include "biometry/growth_chart_painter.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "biometry/chart_page.h"

using namespace tovimar;

namespace {

QImage render(const GrowthChart& chart, QSize size, const ChartDrawing& drawing = {}) {
    QImage image(size, QImage::Format_ARGB32);
    image.setDotsPerMeterX(3780); // 96 dpi
    image.setDotsPerMeterY(3780);
    image.fill(Qt::black);
    QPainter painter(&image);
    paintGrowthChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), chart, drawing);
    return image;
}

// Whether a pixel near the point has about that colour.
bool colourNear(const QImage& image, QPointF at, QColor colour, int radius = 2) {
    for (int dx = -radius; dx <= radius; ++dx)
        for (int dy = -radius; dy <= radius; ++dy) {
            const QPoint p(int(at.x()) + dx, int(at.y()) + dy);
            if (!image.rect().contains(p)) continue;
            const QColor c = image.pixelColor(p);
            if (std::abs(c.red() - colour.red()) < 60 &&
                std::abs(c.green() - colour.green()) < 60 &&
                std::abs(c.blue() - colour.blue()) < 60)
                return true;
        }
    return false;
}

} // namespace

TEST(GrowthChartPainter, CurvesAreDrawnWhereTheMappingPutsThem) {
    const GrowthChart bip = *growthChart(Measure::Bip);
    for (QSize size : {QSize(640, 420), QSize(1200, 900)}) {
        const QImage image = render(bip, size);
        const ChartMapping map(bip, QRectF(QPointF(0, 0), QSizeF(size)), 96 / 72.0, ChartDrawing{});
        // The median curve passes 47 mm at 20 weeks; the 3rd centile 41,5 mm.
        EXPECT_TRUE(colourNear(image, map.toDevice(20, 47), QColor(0x00, 0x64, 0x00)));
        EXPECT_TRUE(colourNear(image, map.toDevice(20, 41.5), QColor(0xC0, 0x00, 0x00), 3));
        // Away from the curves the chart is white, inside and outside the plot.
        EXPECT_EQ(image.pixelColor(map.toDevice(36, 30).toPoint()), QColor(Qt::white));
        EXPECT_EQ(image.pixelColor(QPoint(size.width() - 6, size.height() / 2)), QColor(Qt::white));
        // The plot fills most of the area at any size.
        EXPECT_GT(map.plotArea().width(), size.width() * 0.75);
        EXPECT_GT(map.plotArea().height(), size.height() * 0.7);
    }
}

TEST(GrowthChartPainter, MappingIsLinearAndPointsBeyondTheAxesAreClamped) {
    const GrowthChart hc = *growthChart(Measure::Cc);
    const ChartMapping map(hc, QRectF(10, 20, 800, 600), 96 / 72.0, ChartDrawing{});
    const QRectF plot = map.plotArea();
    EXPECT_NEAR(map.toDevice(16, 0).x(), plot.left(), 1e-9);
    EXPECT_NEAR(map.toDevice(40, 0).x(), plot.right(), 1e-9);
    EXPECT_NEAR(map.toDevice(16, 0).y(), plot.bottom(), 1e-9);
    EXPECT_NEAR(map.toDevice(16, 400).y(), plot.top(), 1e-9);
    EXPECT_NEAR(map.toDevice(28, 200).x(), plot.center().x(), 1e-9);
    EXPECT_NEAR(map.toDevice(28, 200).y(), plot.center().y(), 1e-9);

    EXPECT_TRUE(map.insidePlot(30, 250));
    EXPECT_FALSE(map.insidePlot(42, 250));
    EXPECT_FALSE(map.insidePlot(30, 999));
    EXPECT_FALSE(map.insidePlot(30, -5));
    EXPECT_EQ(map.clampedToPlot(42, 250), map.toDevice(40, 250));
    EXPECT_EQ(map.clampedToPlot(30, 999), map.toDevice(30, 400));
    EXPECT_EQ(map.clampedToPlot(10, -5), map.toDevice(16, 0));
}

TEST(GrowthChartPainter, PatientPointIsACrossAtItsPlace) {
    const GrowthChart fem = *growthChart(Measure::Fem);
    ChartDrawing drawing;
    drawing.point = ChartPoint{30, 20, "20", "30 Sem. A.", "< 3 ème Percentile"};
    const QSize size(700, 480);
    const QImage with = render(fem, size, drawing);
    const QImage without = render(fem, size);
    const ChartMapping map(fem, QRectF(QPointF(0, 0), QSizeF(size)), 96 / 72.0, drawing);
    EXPECT_TRUE(colourNear(with, map.toDevice(30, 20), Qt::black, 1));
    EXPECT_FALSE(colourNear(without, map.toDevice(30, 20), Qt::black, 1));
}

// The scans and today's point are joined by age: a scan after the day of
// today's measurement comes after its cross, not before it.
TEST(GrowthChartPainter, ScansAndTodaysPointAreJoinedInTheirOrder) {
    const GrowthChart fem = *growthChart(Measure::Fem);
    ChartDrawing drawing;
    // Well under the curves, where nothing else is drawn.
    drawing.scans = {ChartScan{20, 5, ""}, ChartScan{34, 10, ""}};
    drawing.point = ChartPoint{27, 20, "", "", ""};
    const QSize size(700, 480);
    const QImage image = render(fem, size, drawing);
    const ChartMapping map(fem, QRectF(QPointF(0, 0), QSizeF(size)), 96 / 72.0, drawing);
    const QColor navy(0, 0, 0x80);
    auto middle = [&](double w1, double mm1, double w2, double mm2) {
        return (map.toDevice(w1, mm1) + map.toDevice(w2, mm2)) / 2;
    };
    EXPECT_TRUE(colourNear(image, middle(20, 5, 27, 20), navy));  // first scan to today
    EXPECT_TRUE(colourNear(image, middle(27, 20, 34, 10), navy)); // today to the later scan
    EXPECT_FALSE(colourNear(image, middle(20, 5, 34, 10), navy)); // never scan to scan past it
}

TEST(GrowthChartPainter, ChartPageSavedAsSvgAndPdf) {
    QTemporaryDir dir;
    ChartPage page;
    page.letterhead.establishment = "Maternité des Lilas";
    page.title = "Diamètre Bipariétal";
    page.source = "Courbe CFEF";
    page.details = "Mesure : 53 mm à 22 Sem. A., le 10/12/2026.";
    page.chart = *growthChart(Measure::Bip);
    page.drawing.point = ChartPoint{22, 53, "53", "22 Sem. A.", "50 ème à 90 ème Percentile"};

    QString error;
    const QString svg = dir.filePath("courbe.svg");
    ASSERT_TRUE(saveChartSvg(svg, page, &error)) << error.toStdString();
    QFile svgFile(svg);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QString svgText = QString::fromUtf8(svgFile.readAll());
    EXPECT_TRUE(svgText.contains("<svg"));
    EXPECT_TRUE(svgText.contains("Maternité des Lilas"));
    EXPECT_TRUE(svgText.contains("Mesure : 53 mm à 22 Sem. A."));
    EXPECT_TRUE(svgText.contains("C 97"));

    const QString pdf = dir.filePath("courbe.pdf");
    ASSERT_TRUE(saveChartPdf(pdf, page, &error)) << error.toStdString();
    QFile pdfFile(pdf);
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdfFile.read(4) == "%PDF");
    EXPECT_FALSE(QFile::exists(pdf + ".partiel"));

    // A folder that does not exist: a French reason, and no file left behind.
    const QString nowhere = dir.filePath("absent/courbe.svg");
    EXPECT_FALSE(saveChartSvg(nowhere, page, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(saveChartPdf(dir.filePath("absent/courbe.pdf"), page, &error));
    EXPECT_FALSE(QFile::exists(dir.filePath("absent/courbe.pdf")));
}

TEST(GrowthChartPainter, EachCurveLegendKeepsALineOfItsOwn) {
    // Where the curves end close together (the viewer's small charts), the
    // legends at their ends are moved apart: rows of ink beside the plot come
    // in as many separate bands as there are curves.
    for (Measure m : {Measure::Bip, Measure::Fem, Measure::CA, Measure::Pied}) {
        const GrowthChart chart = *growthChart(m);
        for (QSize size : {QSize(360, 240), QSize(480, 300), QSize(900, 600)}) {
            const QImage image = render(chart, size);
            const ChartMapping map(chart, QRectF(QPointF(0, 0), QSizeF(size)), 96 / 72.0,
                                   ChartDrawing{});
            const int from = int(map.plotArea().right()) + 4;
            int bands = 0;
            bool inked = false;
            // Down to the axis: the last week's number stands below it.
            for (int y = 0; y <= int(map.plotArea().bottom()); ++y) {
                bool row = false;
                for (int x = from; x < size.width() && !row; ++x)
                    row = image.pixelColor(x, y) != QColor(Qt::white);
                if (row && !inked) ++bands;
                inked = row;
            }
            EXPECT_EQ(bands, int(chart.curves.size()))
                << "chart " << int(m) << " at " << size.width() << "x" << size.height();
        }
    }
}

TEST(GrowthChartPainter, ThePointsCaptionsFindRoomClearOfTheCurves) {
    // A point on the median: its captions go near it, never over a curve.
    for (Measure m : {Measure::Bip, Measure::Fem, Measure::CA}) {
        const GrowthChart chart = *growthChart(m);
        const QSize size(360, 300);
        const QImage image = render(chart, size);
        const ChartMapping map(chart, QRectF(QPointF(0, 0), QSizeF(size)), 96 / 72.0,
                               ChartDrawing{});
        const ChartCurve& median = chart.curves[chart.curves.size() / 2];
        const ChartCurvePoint& p = median.points[median.points.size() * 2 / 3];
        const QPointF at = map.toDevice(p.week, p.mm);
        const auto box = clearPlaceBeside(chart, map, at, QSizeF(150, 34), 12);
        ASSERT_TRUE(box.has_value()) << int(m);
        EXPECT_TRUE(map.plotArea().contains(*box));
        EXPECT_FALSE(box->adjusted(-11, -11, 11, 11).contains(at)) << "over the point";
        // Only the white of the chart and the grey of its grid under the captions.
        int coloured = 0;
        for (int y = int(box->top()); y < int(box->bottom()); ++y)
            for (int x = int(box->left()); x < int(box->right()); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() != c.green() || c.green() != c.blue()) ++coloured;
            }
        EXPECT_EQ(coloured, 0) << "chart " << int(m);
    }
    // No room in a chart too small for the block.
    const GrowthChart bip = *growthChart(Measure::Bip);
    const ChartMapping tiny(bip, QRectF(0, 0, 120, 90), 96 / 72.0, ChartDrawing{});
    EXPECT_FALSE(clearPlaceBeside(bip, tiny, tiny.toDevice(30, 75), QSizeF(150, 34), 12));
}
