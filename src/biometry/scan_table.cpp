// SPDX-License-Identifier: GPL-3.0-or-later
#include "biometry/scan_table.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "biometry/percentile_band.h"
#include "biometry/todays_examination.h"
#include "core/french_number.h"
#include "ui/alarm_style.h"
#include "ui/controls.h"
#include "ui/window_registry.h"

namespace tovimar {
namespace {

std::size_t slot(Measure m) {
    return static_cast<std::size_t>(m);
}

bool blank(const ScanRow& r) {
    return r.date.empty() && r.value.empty();
}

} // namespace

std::vector<ScanRow> withoutTrailingBlankRows(std::vector<ScanRow> rows) {
    while (!rows.empty() && blank(rows.back()))
        rows.pop_back();
    return rows;
}

const std::vector<ScanRow>& ScanStore::rows(Measure m) const {
    return rows_[slot(m)];
}

void ScanStore::setRows(Measure m, std::vector<ScanRow> rows) {
    rows = withoutTrailingBlankRows(std::move(rows));
    if (rows == rows_[slot(m)]) return;
    rows_[slot(m)] = std::move(rows);
    emit changed(m);
}

ScanStore& consultationScans(WindowRegistry& windows) {
    return windows.consultationModel<ScanStore>([] { return std::make_unique<ScanStore>(); });
}

TodaysMeasurement todaysMeasurement(const TodaysExamination& today, Measure m) {
    TodaysMeasurement t;
    t.start = readFrenchDate(today.startOfPregnancy.toStdString());
    const std::string typed = today.measurement(m).toStdString();
    if (isMeasurementNumber(typed)) t.value = typed;
    t.measuredOn = readFrenchDate(today.scanDay.toStdString());
    const auto weeks = readFrenchNumber(today.weeks.toStdString());
    if (weeks && *weeks == std::floor(*weeks) && *weeks >= 0 && *weeks <= 60)
        t.weeks = static_cast<int>(*weeks);
    return t;
}

ScanTable::ScanTable(QWidget* parent) : QWidget(parent) {
    entries = named(new QTableWidget(5, 2), "TblEchos",
                    QStringLiteral("Échographies précédentes : date et valeur en mm"));
    entries->setHorizontalHeaderLabels({QStringLiteral("Date"), QStringLiteral("Valeur (mm)")});
    entries->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    entries->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    entries->setFixedWidth(220);
    entries->setFixedHeight(entries->horizontalHeader()->sizeHint().height() +
                            5 * entries->verticalHeader()->defaultSectionSize() + 4);
    entries->setTabKeyNavigation(false);
    // Its headers and corner button speak French too.
    entries->horizontalHeader()->setAccessibleName(QStringLiteral("Colonnes : date, valeur"));
    entries->verticalHeader()->setAccessibleName(QStringLiteral("Numéros des échographies"));
    entries->setCornerButtonEnabled(false);
    for (QAbstractButton* corner : entries->findChildren<QAbstractButton*>())
        corner->setAccessibleName(QStringLiteral("Tout sélectionner"));
    seriesPoints =
        resultText("LblSerie", QStringLiteral("Points de la courbe et leurs percentiles"));
    seriesPoints->setWordWrap(true);
    seriesPoints->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    unplacedScans = resultText("LblSerieErreurs", QStringLiteral("Échographies non placées"));
    unplacedScans->setWordWrap(true);
    tintAlarm(unplacedScans);
    unplacedScans->hide();

    auto* seriesText = new QVBoxLayout;
    seriesText->addWidget(seriesPoints);
    seriesText->addWidget(unplacedScans);
    seriesText->addStretch();
    auto* tableColumn = new QVBoxLayout;
    tableColumn->addWidget(caption(QStringLiteral("Échographies &précédentes"), entries));
    tableColumn->addWidget(entries);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(tableColumn);
    layout->addLayout(seriesText, 1);
    connect(entries, &QTableWidget::cellChanged, this, [this] {
        if (!filling_) emit edited();
    });
}

void ScanTable::setRows(const std::vector<ScanRow>& rows) {
    filling_ = true;
    entries->clearContents();
    for (std::size_t r = 0; r < rows.size() && int(r) < entries->rowCount(); ++r) {
        entries->setItem(int(r), 0, new QTableWidgetItem(QString::fromStdString(rows[r].date)));
        entries->setItem(int(r), 1, new QTableWidgetItem(QString::fromStdString(rows[r].value)));
    }
    filling_ = false;
}

std::vector<ScanRow> ScanTable::rows() const {
    std::vector<ScanRow> rows(std::size_t(entries->rowCount()));
    for (int r = 0; r < entries->rowCount(); ++r)
        for (int c = 0; c < 2; ++c)
            if (const QTableWidgetItem* item = entries->item(r, c))
                (c == 0 ? rows[std::size_t(r)].date : rows[std::size_t(r)].value) =
                    item->text().trimmed().toStdString();
    return rows;
}

std::vector<ChartScan> ScanTable::showSeries(const ScanSeries& series) {
    std::vector<ChartScan> marks;
    QStringList lines, faults;
    for (const SeriesPoint& p : series.points) {
        if (!p.today) marks.push_back({p.week, p.mm, QString::fromStdString(p.dateText)});
        lines << QString::fromStdString(p.dateText) +
                     (p.today ? QStringLiteral(" (aujourd'hui)") : QString()) +
                     QStringLiteral(" — ") +
                     QString::fromStdString(weeksAndDaysText(p.daysOfAmenorrhoea)) +
                     QStringLiteral(" : ") + QString::fromStdString(p.valueText) +
                     QStringLiteral(" mm") +
                     (p.band.empty() ? QString()
                                     : QStringLiteral(", ") + QString::fromStdString(p.band));
    }
    for (const SeriesFault& f : series.faults)
        faults << QString::fromStdString(f.message);
    seriesPoints->setText(marks.empty() ? QString() : lines.join('\n'));
    unplacedScans->setText(faults.join('\n'));
    unplacedScans->setVisible(!faults.isEmpty());
    return marks;
}

QStringList ScanTable::listed() const {
    return seriesPoints->text().isEmpty() ? QStringList() : seriesPoints->text().split('\n');
}

QWidget* ScanTable::tableForTab() const {
    return entries;
}

void ScanTable::copySeriesInto(ResultsText& text) const {
    text.sentences(seriesPoints); // one point a line, with its age, value and band
    text.sentences(unplacedScans);
}

} // namespace tovimar
