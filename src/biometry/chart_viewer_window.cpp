// SPDX-License-Identifier: GPL-3.0-or-later
#include "biometry/chart_viewer_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "biometry/growth_chart_widget.h"
#include "biometry/illustrations.h"
#include "biometry/todays_examination.h"
#include "platform/clock.h"
#include "platform/help_viewer.h"
#include "platform/platform.h"
#include "ui/controls.h"
#include "ui/results_text.h"
#include "ui/window_registry.h"
#include "utilities/practice_options_access.h"

namespace tovimar {
namespace {

struct ViewerEntry {
    Measure m;
    const char* image;
    const char* button;
    const char* caption;
    const char* title;
    const char* source;
};
// In the order of the viewer's buttons.
const ViewerEntry kEntries[7] = {
    {Measure::Bip, "ImageBip", "BoutonBip", "Bip", "Diamètre Bipariétal", "Courbes du CFEF"},
    {Measure::Dat, "ImageDat", "BoutonDat", "Dat", "Abdominal transverse", "Courbes du CFEF"},
    {Measure::Cc, "ImageCc", "BoutonCc", "Cir. Ceph.", "Circonférence céphalique",
     "Courbes du CFEF"},
    {Measure::CA, "ImageCa", "BoutonCa", "Cir. Abdo.", "Circonférence abdominale",
     "Courbes du CFEF"},
    {Measure::Fem, "ImageFem", "BoutonFem", "Fémur", "Fémur", "Courbes du CFEF"},
    {Measure::Pied, "ImagePied", "BoutonPied", "Pied", "Pied", ""},
    {Measure::Cer, "ImageCerv", "BoutonCerv", "Cervelet", "Cervelet", "Courbes du CFEF"},
};

} // namespace

ChartViewerWindow::ChartViewerWindow(WindowRegistry& windows)
    : ToolWindow(windows, "Form4", QStringLiteral("Courbes biometriques")) {
    dialogs = systemChartDialogs(this);
    auto* layout = new QVBoxLayout(this);
    auto* menu = new QMenuBar(this);
    QAction* quit = menu->addAction(QStringLiteral("&Quitter"));
    QAction* help = menu->addAction(QStringLiteral("&Aide"));
    layout->setMenuBar(menu);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    connect(help, &QAction::triggered, this, [this] { platform().help.showTopic(50); });
    // "Copier les résultats": the chart shown and its points with their bands.
    installResultsCopy(this, menu, windows, [this] {
        ResultsText t;
        t.title = windowTitle();
        const QString source = shownText(chartSource);
        t.input(QStringLiteral("Courbe"),
                shownText(chartTitle) +
                    (source.isEmpty() ? QString() : QStringLiteral(" (") + source + u')'));
        scanTable->copySeriesInto(t);
        return t;
    });

    chartTitle = new QLabel;
    chartTitle->setObjectName(QStringLiteral("Label1"));
    QFont big = chartTitle->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    chartTitle->setFont(big);
    chartSource = new QLabel;
    chartSource->setObjectName(QStringLiteral("Label2"));
    auto* titles = new QHBoxLayout;
    titles->addWidget(chartTitle);
    titles->addSpacing(16);
    titles->addWidget(chartSource);
    titles->addStretch();
    layout->addLayout(titles);

    millimetreAxisCaption = new QLabel(QStringLiteral("mm."));
    millimetreAxisCaption->setObjectName(QStringLiteral("AxeMm"));
    weekAxisCaption = new QLabel(QStringLiteral("Semaines d'amenorrhée"));
    weekAxisCaption->setObjectName(QStringLiteral("AxeSemaines"));
    weekAxisCaption->setAlignment(Qt::AlignCenter);

    auto* chartGrid = new QGridLayout;
    chartGrid->addWidget(millimetreAxisCaption, 0, 0, Qt::AlignLeft);
    ChartDrawing drawing;
    drawing.axisCaptions = false; // the window's own captions
    for (int i = 0; i < 7; ++i) {
        charts_[i] = new GrowthChartWidget(kEntries[i].m, drawing);
        charts_[i]->setObjectName(QString::fromLatin1(kEntries[i].image));
        charts_[i]->setAccessibleName(QStringLiteral("Courbe : ") +
                                      QString::fromUtf8(kEntries[i].title));
        charts_[i]->hide();
        chartGrid->addWidget(charts_[i], 1, 0);
    }
    chartGrid->addWidget(weekAxisCaption, 2, 0);
    chartGrid->setRowStretch(1, 1);

    auto* body = new QHBoxLayout;
    body->addLayout(chartGrid, 1);
    auto* side = new QVBoxLayout;
    std::array<QPushButton*, 7> buttons{};
    for (int i = 0; i < 7; ++i) {
        buttons[i] = button(kEntries[i].button, QString::fromUtf8(kEntries[i].caption));
        const Measure m = kEntries[i].m;
        connect(buttons[i], &QPushButton::clicked, this, [this, m] { showMeasure(m); });
        side->addWidget(buttons[i]);
    }
    side->addStretch();
    measurePicture = new IllustrationWidget;
    measurePicture->setObjectName(QStringLiteral("Image2"));
    measurePicture->setAccessibleName(QStringLiteral("Illustration de la mesure"));
    measurePicture->setFixedSize(200, 150);
    side->addWidget(measurePicture);
    body->addLayout(side);
    layout->addLayout(body, 1);

    // The earlier scans of the measure shown, under the chart, and the chart sent out.
    scanTable = new ScanTable;
    layout->addWidget(scanTable);
    connect(scanTable, &ScanTable::edited, this, &ChartViewerWindow::scanEdited);
    // Rows typed in the plotting window show here at once, and the reverse.
    connect(&consultationScans(this->windows()), &ScanStore::changed, this,
            &ChartViewerWindow::scansChanged);
    printButton = button("ImprimerCourbe", QStringLiteral("&Imprimer la courbe"));
    pdfButton = button("PdfCourbe", QStringLiteral("Enregistrer en P&DF"));
    svgButton = button("SvgCourbe", QStringLiteral("Enregistrer en &SVG"));
    auto* bottom = new QHBoxLayout;
    for (QPushButton* b : {printButton, pdfButton, svgButton}) {
        b->setEnabled(false); // until a chart is shown
        bottom->addWidget(b);
    }
    bottom->addStretch();
    // "Quitter" last, as Tab reaches it.
    quitButton = button("Quitter", QStringLiteral("Quitter"));
    bottom->addWidget(quitButton);
    layout->addLayout(bottom);
    connect(printButton, &QPushButton::clicked, this,
            [this] { printChart(this->windows(), currentPage(), dialogs); });
    connect(pdfButton, &QPushButton::clicked, this,
            [this] { saveChart(this->windows(), currentPage(), false, dialogs); });
    connect(svgButton, &QPushButton::clicked, this,
            [this] { saveChart(this->windows(), currentPage(), true, dialogs); });

    // "Quitter" hides the viewer; its menu "Quitter" closes it.
    connect(quitButton, &QPushButton::clicked, this, &QWidget::hide);
    setEscapeButton(quitButton);
    setReadingOrder({buttons[0], buttons[1], buttons[2], buttons[3], buttons[4], buttons[5],
                     buttons[6], scanTable->tableForTab(), printButton, pdfButton, svgButton,
                     quitButton});
    resize(900, 700);
    placeOnScreen();
}

void ChartViewerWindow::showMeasure(Measure m) {
    for (int i = 0; i < 7; ++i) {
        const bool shown = kEntries[i].m == m;
        charts_[i]->setVisible(shown);
        if (!shown) continue;
        chartTitle->setText(QString::fromUtf8(kEntries[i].title));
        chartSource->setText(QString::fromUtf8(kEntries[i].source));
        measurePicture->setIllustration(illustrationPath(m));
    }
    shown_ = m;
    for (QPushButton* b : {printButton, pdfButton, svgButton})
        b->setEnabled(true);
    // Today's measurement is read from the examination now, as the plotting
    // window reads it; the earlier scans are the consultation's.
    todays_ = todaysMeasurement(todaysExamination(windows()), m);
    scanTable->setRows(consultationScans(windows()).rows(m));
    showSeries();
    show();
    raise();
}

void ChartViewerWindow::scanEdited() {
    if (!shown_) return;
    consultationScans(windows()).setRows(*shown_, scanTable->rows());
    showSeries();
}

void ChartViewerWindow::scansChanged(Measure m) {
    if (shown_ != m) return;
    // Typed here: the table already holds them.
    const std::vector<ScanRow>& kept = consultationScans(windows()).rows(m);
    if (withoutTrailingBlankRows(scanTable->rows()) != kept) scanTable->setRows(kept);
    showSeries();
}

void ChartViewerWindow::showSeries() {
    series_ = {};
    GrowthChartWidget* chart = shownChart();
    std::optional<ChartPoint> point;
    if (chart && shown_) {
        series_ = placeScanSeries(*shown_, todays_.start, platform().clock.today(),
                                  consultationScans(windows()).rows(*shown_), todays_.value,
                                  todays_.measuredOn, todays_.weeks);
        for (const SeriesPoint& p : series_.points) {
            if (!p.today) continue;
            // Today's cross at the age the list gives it, with its days.
            point = ChartPoint{p.week, p.mm, QString::fromStdString(p.valueText),
                               QStringLiteral("aujourd'hui, ") +
                                   QString::fromStdString(weeksAndDaysText(p.daysOfAmenorrhoea)),
                               QString::fromStdString(p.band)};
        }
    }
    const std::vector<ChartScan> marks = scanTable->showSeries(series_);
    for (GrowthChartWidget* c : charts_) {
        c->setScans(c == chart ? marks : std::vector<ChartScan>{});
        c->setPoint(c == chart ? point : std::nullopt);
    }
}

ChartPage ChartViewerWindow::currentPage() const {
    ChartPage page;
    GrowthChartWidget* chart = shownChart();
    if (!chart) return page;
    for (const ViewerEntry& e : kEntries)
        if (e.m == chart->measure()) {
            page.title = QString::fromUtf8(e.title);
            page.source = QString::fromUtf8(e.source);
        }
    page.letterhead = currentPracticeOptions(windows());
    page.chart = chart->chart();
    page.drawing.scans = chart->scans();
    page.drawing.point = chart->point();
    page.scans = scanTable->listed();
    const QString today = QString::fromStdString(platform().clock.today().toText());
    const SeriesPoint* todays = nullptr;
    for (const SeriesPoint& p : series_.points)
        if (p.today) todays = &p;
    if (todays)
        // Dated with the scan day, as the biometry report dates it.
        page.details = QStringLiteral("Mesure : ") + QString::fromStdString(todays->valueText) +
                       QStringLiteral(" mm à ") +
                       QString::fromStdString(weeksAndDaysText(todays->daysOfAmenorrhoea)) +
                       (todays->band.empty()
                            ? QString()
                            : QStringLiteral(" (") + QString::fromStdString(todays->band) + ")") +
                       QStringLiteral(", le ") + QString::fromStdString(todays->dateText) + ".";
    else
        page.details = QStringLiteral("Courbe imprimée le ") + today + ".";
    return page;
}

GrowthChartWidget* ChartViewerWindow::shownChart() const {
    for (GrowthChartWidget* chart : charts_)
        if (!chart->isHidden()) return chart;
    return nullptr;
}

} // namespace tovimar
