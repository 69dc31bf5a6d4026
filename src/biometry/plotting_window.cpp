// SPDX-License-Identifier: GPL-3.0-or-later
#include "biometry/plotting_window.h"

#include <QAbstractButton>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <vector>

#include "biometry/chart_page.h"
#include "biometry/growth_chart_widget.h"
#include "biometry/illustrations.h"
#include "biometry/percentile_band.h"
#include "biometry/todays_examination.h"
#include "core/french_number.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/report_destination.h"
#include "ui/controls.h"
#include "ui/field_values.h"
#include "ui/key_filters.h"
#include "ui/results_text.h"
#include "ui/window_registry.h"
#include "utilities/practice_options_access.h"

namespace tovimar {
namespace {

struct ChartButton {
    Measure m;
    const char* name;
    const char* caption;
    const char* title;
    const char* source;
};
const ChartButton kButtons[7] = {
    {Measure::Bip, "CmdBip", "Bip", "Diamètre Bipariétal", "Courbe CFEF"},
    {Measure::Cc, "CmdCc", "&Circonf. Céphal.", "Circonférence Céphalique", "Courbe CFEF"},
    {Measure::Dat, "CmdDat", "&D.A.T.", "Abdominal Transverse", "Courbe CFEF"},
    {Measure::CA, "CmdCa", "Circonf. &Abdo.", "Circonférence Abdominale", "Courbe CFEF"},
    {Measure::Fem, "CmdFem", "&Fémur", "Fémur", "Courbe CFEF"},
    {Measure::Pied, "CmdPied", "&Pied", "Pied", ""},
    {Measure::Cer, "CmdCerv", "Cervelet", "Cervelet", "Courbe CFEF"},
};
const char* const kChartNames[7] = {"BipCourbe", "CcCourbe", "DatCourbe", "CaCourbe",
                                    "FemCourbe", "LpCourbe", "CervCourbe"};

int buttonIndex(Measure m) {
    for (int i = 0; i < 7; ++i)
        if (kButtons[i].m == m) return i;
    return 0;
}

QLabel* colouredLabel(const char* name, const QColor& colour, const QString& accessible) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    readAsResult(label, accessible); // read as "caption : what it shows now"
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setAutoFillBackground(true);
    palette.setColor(QPalette::Window, QColor(255, 255, 255, 230));
    label->setPalette(palette);
    label->hide();
    return label;
}

// The patient's point: a black cross, drawn at any size.
class CrossWidget : public QWidget {
  public:
    explicit CrossWidget(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFixedSize(17, 17);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 2.2));
        p.drawLine(QPointF(2, 2), QPointF(width() - 2, height() - 2));
        p.drawLine(QPointF(2, height() - 2), QPointF(width() - 2, 2));
    }
};

} // namespace

PlottingWindow::PlottingWindow(WindowRegistry& windows)
    : ToolWindow(windows, "Form7", QStringLiteral("Courbes biometriques")) {
    const ChartDialogs system = systemChartDialogs(this);
    chooseSaveFile = system.chooseSaveFile;
    choosePrinter = system.choosePrinter;
    printersAvailable = system.printersAvailable;
    build();
    installResultsCopy(this, windowMenuBar(), windows, [this] { return resultsText(); });
    placeOnScreen();
}

void PlottingWindow::build() {
    auto* layout = new QVBoxLayout(this);
    QMenuBar* menu = addMenuBar(layout);
    QAction* quit = menu->addAction(QStringLiteral("&Quitter"));
    connect(quit, &QAction::triggered, this, &QWidget::close);

    chartTitle = new QLabel(QStringLiteral("Courbes biometriques"));
    chartTitle->setObjectName(QStringLiteral("Label1"));
    QFont big = chartTitle->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    chartTitle->setFont(big);
    chartSource = new QLabel;
    chartSource->setObjectName(QStringLiteral("Label2"));
    chartsNotice = new QLabel(QStringLiteral(
        "Les courbes biométriques foetales sont pour la plupart celles données par Le Collège "
        "Français d'Echographie Foetale. Elles representent le 3 ème, 10 ème, 50 ème, 90 ème et "
        "97 ème percentile."));
    chartsNotice->setObjectName(QStringLiteral("Label3"));
    chartsNotice->setWordWrap(true);
    auto* titles = new QHBoxLayout;
    titles->addWidget(chartTitle);
    titles->addSpacing(16);
    titles->addWidget(chartSource);
    titles->addStretch();
    layout->addLayout(titles);

    auto* body = new QHBoxLayout;
    // The charts, all at the same place, with the point's marks over them.
    chartArea_ = new QWidget;
    chartArea_->setMinimumSize(360, 260);
    chartArea_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    chartArea_->installEventFilter(this);
    ChartDrawing drawing;
    drawing.axisCaptions = true;
    drawing.roomBelowLines = 1.4; // for the week under the cross
    for (int i = 0; i < 7; ++i) {
        charts_[i] = new GrowthChartWidget(kButtons[i].m, drawing, chartArea_);
        charts_[i]->setObjectName(QString::fromLatin1(kChartNames[i]));
        charts_[i]->setAccessibleName(QStringLiteral("Courbe : ") +
                                      QString::fromUtf8(kButtons[i].title));
        charts_[i]->hide();
    }
    chartsNotice->setParent(chartArea_);
    chartsNotice->setAlignment(Qt::AlignCenter);
    patientCross = new CrossWidget(chartArea_);
    patientCross->setObjectName(QStringLiteral("Croix"));
    patientCross->setAccessibleName(QStringLiteral("Point de la patiente"));
    patientCross->hide();
    measuredValue = colouredLabel("Ordonnee", kReadableRed, QStringLiteral("Valeur mesurée"));
    pointWeek = colouredLabel("Abscisse", QColor(0, 0, 0x80), QStringLiteral("Semaine"));
    pointCentile = colouredLabel("Centile", QColor(0, 0, 0xFF), QStringLiteral("Percentile"));
    outsideChartsNote =
        colouredLabel("HorsCourbes", Qt::black, QStringLiteral("Point hors courbes"));
    outsideChartsNote->setText(kOutsideChartNote);
    for (QLabel* l : {measuredValue, pointWeek, pointCentile, outsideChartsNote})
        l->setParent(chartArea_);
    // The earlier scans of the measure shown, under the chart.
    scanTable = new ScanTable;
    auto* chartColumn = new QVBoxLayout;
    chartColumn->addWidget(chartArea_, 1);
    chartColumn->addWidget(scanTable);
    body->addLayout(chartColumn, 1);
    connect(scanTable, &ScanTable::edited, this, &PlottingWindow::scanEdited);
    // Rows typed in the chart viewer show here at once, and the reverse.
    connect(&consultationScans(this->windows()), &ScanStore::changed, this,
            &PlottingWindow::scansChanged);

    auto* side = new QVBoxLayout;
    std::array<QPushButton*, 7> buttons{};
    for (int i = 0; i < 7; ++i) {
        buttons[i] = button(kButtons[i].name, QString::fromUtf8(kButtons[i].caption));
        const Measure m = kButtons[i].m;
        connect(buttons[i], &QPushButton::clicked, this, [this, m] { showMeasure(m); });
        side->addWidget(buttons[i]);
    }
    weekField = lineEdit("Sem_Entier", QStringLiteral("Sem. A."));
    acceptDigitsOnly(weekField);
    weekField->setMaximumWidth(60);
    weekPanel = frame(QStringLiteral("Sem. A."), weekField);
    weekPanel->setObjectName(QStringLiteral("SemFrame"));
    side->addWidget(weekPanel);
    side->addStretch();
    measurePicture = new IllustrationWidget;
    measurePicture->setObjectName(QStringLiteral("echo"));
    measurePicture->setAccessibleName(QStringLiteral("Illustration de la mesure"));
    measurePicture->setFixedSize(180, 135);
    side->addWidget(measurePicture);
    body->addLayout(side);
    layout->addLayout(body, 1);

    printButton = button("ImprimerCourbe", QStringLiteral("&Imprimer la courbe"));
    pdfButton = button("PdfCourbe", QStringLiteral("Enregistrer en P&DF"));
    svgButton = button("SvgCourbe", QStringLiteral("Enregistrer en &SVG"));
    quitButton = button("Quitter", QStringLiteral("&Quitter"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(printButton);
    bottom->addWidget(pdfButton);
    bottom->addWidget(svgButton);
    bottom->addStretch();
    bottom->addWidget(quitButton);
    layout->addLayout(bottom);
    for (QPushButton* b : {printButton, pdfButton, svgButton})
        b->setEnabled(false);

    connect(weekField, &QLineEdit::textChanged, this, &PlottingWindow::weekChanged);
    connect(printButton, &QPushButton::clicked, this, [this] {
        if (auto page = currentPage()) printChart(windows(), *page, dialogs());
    });
    connect(pdfButton, &QPushButton::clicked, this, [this] {
        if (auto page = currentPage()) saveChart(windows(), *page, false, dialogs());
    });
    connect(svgButton, &QPushButton::clicked, this, [this] {
        if (auto page = currentPage()) saveChart(windows(), *page, true, dialogs());
    });
    connect(quitButton, &QPushButton::clicked, this, &QWidget::close);
    setEscapeButton(quitButton);
    setReadingOrder({buttons[0], buttons[1], buttons[2], buttons[3], buttons[4], buttons[5],
                     buttons[6], weekField, scanTable->tableForTab(), printButton, pdfButton,
                     svgButton, quitButton});
    resize(900, 600);
}

bool PlottingWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == chartArea_ && event->type() == QEvent::Resize) {
        for (GrowthChartWidget* chart : charts_)
            chart->setGeometry(chartArea_->rect());
        chartsNotice->setGeometry(chartArea_->rect().adjusted(24, 24, -24, -24));
        placePoint();
    }
    return ToolWindow::eventFilter(watched, event);
}

std::optional<int> PlottingWindow::typedWeeks() const {
    const auto weeks = numberIn(weekField);
    if (!weeks || std::fabs(*weeks) > 1000) return std::nullopt;
    return static_cast<int>(roundHalfEven(*weeks));
}

GrowthChartWidget* PlottingWindow::shownChart() const {
    return shown_ ? charts_[buttonIndex(*shown_)] : nullptr;
}

QPointF PlottingWindow::crossCentre() const {
    return QPointF(patientCross->geometry().center()) + QPointF(0.5, 0.5);
}

void PlottingWindow::openFromBiometry(const QString& weeks) {
    weekPanel->hide();
    for (GrowthChartWidget* chart : charts_)
        chart->hide();
    pointCentile->hide();
    hidePoint();
    weekField->setText(weeks);
}

void PlottingWindow::clearWeek() {
    weekField->clear();
}

void PlottingWindow::hidePoint() {
    point_.reset();
    for (QWidget* w :
         std::initializer_list<QWidget*>{patientCross, measuredValue, outsideChartsNote})
        w->hide();
}

void PlottingWindow::weekChanged() {
    const auto weeks = typedWeeks();
    if (!weeks) {
        // No age: no cross nor value stays from an earlier measure.
        hidePoint();
        pointWeek->clear();
        pointWeek->hide();
        return;
    }
    pointWeek->setText(QString::number(*weeks) + QStringLiteral(" Sem. A."));
    placePoint();
}

void PlottingWindow::showMeasure(Measure m) {
    const int i = buttonIndex(m);
    weekPanel->hide();
    chartsNotice->hide();
    shown_ = m;
    for (int k = 0; k < 7; ++k)
        charts_[k]->setVisible(k == i);
    measurePicture->setIllustration(illustrationPath(m));
    chartTitle->setText(QString::fromUtf8(kButtons[i].title));
    chartSource->setText(QString::fromUtf8(kButtons[i].source));
    for (QPushButton* b : {printButton, pdfButton, svgButton})
        b->setEnabled(true);

    // Today's examination is read now; later changes there need another press.
    const TodaysExamination& today = todaysExamination(windows());
    const QString typed = today.measurement(m);
    const bool holdsNumber = isMeasurementNumber(typed.toStdString());
    pointCentile->setText(holdsNumber ? today.band(m) : QString());
    pointCentile->setVisible(holdsNumber && !pointCentile->text().isEmpty());
    measuredOn_ = today.scanDay;

    todays_ = todaysMeasurement(today, m);

    const auto weeks = typedWeeks();
    if (weeks && holdsNumber) {
        point_ = {double(*weeks), bandValue(typed.toStdString())};
        measuredValue->setText(typed);
        pointWeek->setText(QString::number(*weeks) + QStringLiteral(" Sem. A."));
    } else {
        hidePoint();
    }

    // The table holds this measure's earlier scans.
    scanTable->setRows(consultationScans(windows()).rows(m));
    showSeries();
    placePoint();
}

void PlottingWindow::scansChanged(Measure m) {
    if (shown_ != m) return;
    // Typed here: the table already holds them.
    const std::vector<ScanRow>& kept = consultationScans(windows()).rows(m);
    if (withoutTrailingBlankRows(scanTable->rows()) != kept) scanTable->setRows(kept);
    showSeries();
    placePoint();
}

void PlottingWindow::scanEdited() {
    if (!shown_) return;
    // Kept with the consultation's biometry, where the chart viewer finds them too.
    consultationScans(windows()).setRows(*shown_, scanTable->rows());
    showSeries();
    placePoint();
}

void PlottingWindow::showSeries() {
    series_ = {};
    GrowthChartWidget* chart = shownChart();
    if (chart) {
        const std::optional<std::string> todays =
            point_ ? std::optional<std::string>(measuredValue->text().toStdString()) : std::nullopt;
        series_ = placeScanSeries(*shown_, todays_.start, platform().clock.today(),
                                  consultationScans(windows()).rows(*shown_), todays,
                                  todays_.measuredOn, typedWeeks());
        // Today's cross stands where the list places it: at its age with its days.
        for (const SeriesPoint& p : series_.points)
            if (p.today && point_) point_->first = p.week;
    }
    const std::vector<ChartScan> marks = scanTable->showSeries(series_);
    for (GrowthChartWidget* c : charts_)
        c->setScans(c == chart ? marks : std::vector<ChartScan>{});
}

std::optional<ChartPage> PlottingWindow::currentPage() const {
    GrowthChartWidget* chart = shownChart();
    if (!chart) return std::nullopt;
    const int i = buttonIndex(*shown_);
    ChartPage page;
    page.letterhead = currentPracticeOptions(windows());
    page.title = QString::fromUtf8(kButtons[i].title);
    page.source = QString::fromUtf8(kButtons[i].source);
    page.chart = chart->chart();
    page.drawing.scans = chart->scans();
    page.scans = scanTable->listed();
    const QString today = QString::fromStdString(platform().clock.today().toText());
    if (point_) {
        ChartPoint point;
        point.week = point_->first;
        point.mm = point_->second;
        point.valueText = measuredValue->text();
        point.weekText = pointWeek->text();
        point.bandText = pointCentile->isHidden() ? QString() : pointCentile->text();
        page.drawing.point = point;
        page.details =
            QStringLiteral("Mesure : ") + measuredValue->text() + QStringLiteral(" mm à ") +
            pointWeek->text() +
            (point.bandText.isEmpty() ? QString() : QStringLiteral(" (") + point.bandText + ")") +
            // The measurement is dated with the scan day, as the biometry report dates it.
            QStringLiteral(", le ") + (measuredOn_.isEmpty() ? today : measuredOn_) + ".";
    } else {
        page.details = QStringLiteral("Courbe imprimée le ") + today + ".";
    }
    return page;
}

// "Copier les résultats": the chart shown and the week typed, today's point
// (value, week, band by the chart's source) and the earlier scans placed.
ResultsText PlottingWindow::resultsText() const {
    ResultsText t;
    t.title = windowTitle();
    if (const GrowthChartWidget* chart = shownChart())
        t.input(QStringLiteral("Courbe"),
                chart->accessibleName().section(QStringLiteral(" : "), 1));
    t.input(weekField, QStringLiteral("Semaines d'aménorrhée"));
    t.resultsOf({measuredValue, pointWeek});
    t.result(pointCentile, {}, shownText(chartSource));
    t.sentence(outsideChartsNote);
    scanTable->copySeriesInto(t);
    return t;
}

} // namespace tovimar
