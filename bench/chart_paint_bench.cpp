// SPDX-License-Identifier: GPL-3.0-or-later
// Painting a growth chart, curves and the patient's point, at a window's size:
// what a resize of the chart windows costs.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "biometry/growth_chart_painter.h"

using namespace tovimar;

static void PaintChart(benchmark::State& state) {
    const GrowthChart chart = *growthChart(Measure::CA);
    ChartDrawing drawing;
    drawing.point = ChartPoint{30, 250, "250", "30 Sem. A.", "10 ème à 50 ème Percentile"};
    QImage image(QSize(int(state.range(0)), int(state.range(1))),
                 QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        paintGrowthChart(painter, QRectF(image.rect()), chart, drawing);
    }
}
BENCHMARK(PaintChart)->Args({620, 430})->Args({1280, 900})->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
