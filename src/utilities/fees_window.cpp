// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/fees_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <vector>

#include "platform/platform.h"
#include "ui/controls.h"
#include "ui/key_filters.h"

namespace tovimar {
namespace {

// The consultation amounts that take only a decimal number.
bool isDecimalOnly(std::string_view control) {
    return control == "TxtEC" || control == "TxtECs" || control == "TxtENuit" ||
           control == "TxtEFerie";
}

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

FeesWindow::FeesWindow(WindowRegistry& windows)
    : ToolWindow(windows, "FrmTarifs", QStringLiteral("Tarifs habituels")),
      model_(feesModel(windows)) {
    build();
    load();
}

void FeesWindow::build() {
    // One grid per frame, a row per act: its name, its code, the amount.
    // The scans run in two columns, read row by row as Tab goes.
    QGridLayout* grids[5] = {};
    int rowsIn[5] = {};
    for (std::size_t i = 0; i < kFeeCount; ++i) {
        const FeeField& fee = feeFields()[i];
        const QString act = text(fee.act);
        const QString code = text(fee.code);
        QLineEdit* field =
            lineEdit(std::string(fee.control).c_str(),
                     code.isEmpty() ? act : act + QStringLiteral(" (") + code + u')');
        field->setText(text(fee.defaultAmount));
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00000,00")) +
                             16);
        if (isDecimalOnly(fee.control)) acceptDecimal(field);
        amountFields[i] = field;

        const int p = static_cast<int>(fee.panel);
        if (!grids[p]) grids[p] = new QGridLayout;
        int row = rowsIn[p]++;
        int column = 0;
        if (fee.panel == FeePanel::ObstetricScan || fee.panel == FeePanel::GynaecologicScan) {
            column = row % 2 * 4;
            row /= 2;
        }
        // A long name wraps within its column, its lines all shown: a page in
        // a tab does not pass the height a wrapped text needs for its width on.
        QLabel* label = caption(act, field, true);
        label->setFixedWidth(label->fontMetrics().horizontalAdvance(act) < 230
                                 ? label->fontMetrics().horizontalAdvance(act) + 4
                                 : 230);
        label->setMinimumHeight(label->heightForWidth(label->width()));
        grids[p]->addWidget(label, row, column);
        if (!code.isEmpty()) grids[p]->addWidget(new QLabel(code), row, column + 1);
        grids[p]->addWidget(field, row, column + 2);
    }
    QGridLayout* obstetric = grids[static_cast<int>(FeePanel::ObstetricScan)];
    obstetric->setColumnMinimumWidth(3, 18);
    grids[static_cast<int>(FeePanel::GynaecologicScan)]->setColumnMinimumWidth(3, 18);

    consultationTotal = resultLabel("LblCsMcs", QStringLiteral("CS + MCS"));
    consultationWithExtrasTotal = resultLabel("LblCMcsMpc", QStringLiteral("CS + MCS + MPC"));
    QGridLayout* consultation = grids[static_cast<int>(FeePanel::Consultation)];
    for (QLabel* total : {consultationTotal, consultationWithExtrasTotal}) {
        const int row = consultation->rowCount();
        total->setMinimumWidth(amountFields[0]->maximumWidth());
        consultation->addWidget(caption(total == consultationTotal
                                            ? QStringLiteral("CS + MCS")
                                            : QStringLiteral("CS + MCS + MPC")),
                                row, 0);
        consultation->addWidget(total, row, 2);
    }

    auto panel = [&](FeePanel p) {
        return frame(text(feePanelCaption(p)), grids[static_cast<int>(p)]);
    };
    // Two pages, each whole on a small screen: the consultations and other
    // acts, then the scans.
    auto* actsPage = new QWidget;
    auto* acts = new QHBoxLayout(actsPage);
    acts->addWidget(panel(FeePanel::Consultation), 0, Qt::AlignTop);
    acts->addWidget(panel(FeePanel::Technical), 0, Qt::AlignTop);
    acts->addWidget(panel(FeePanel::AssistedReproduction), 0, Qt::AlignTop);
    acts->addStretch();
    auto* scansPage = new QWidget;
    auto* scans = new QVBoxLayout(scansPage);
    scans->addWidget(panel(FeePanel::ObstetricScan), 0, Qt::AlignLeft);
    scans->addWidget(panel(FeePanel::GynaecologicScan), 0, Qt::AlignLeft);
    scans->addStretch();
    pages = named(new QTabWidget, "Pages", QStringLiteral("Pages des tarifs"));
    pages->tabBar()->setAccessibleName(QStringLiteral("Pages des tarifs"));
    pages->addTab(actsPage, QStringLiteral("Consultations, actes techniques et PMA"));
    pages->addTab(scansPage, text(kScanPanelsCaption));

    saveButton = button("Enregistrer", QStringLiteral("&Enregistrer"));
    quitButton = button("Quitter", QStringLiteral("&Annuler / Quitter"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(quitButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages, 1);
    layout->addLayout(buttons);

    connect(saveButton, &QPushButton::clicked, this, &FeesWindow::save);
    connect(quitButton, &QPushButton::clicked, this, &QWidget::close);
    setEscapeButton(quitButton);

    // The keyboard goes through the amounts in the file's order, then the buttons.
    for (std::size_t i = 1; i < kFeeCount; ++i)
        QWidget::setTabOrder(amountFields[i - 1], amountFields[i]);
    QWidget::setTabOrder(amountFields[kFeeCount - 1], saveButton);
    QWidget::setTabOrder(saveButton, quitButton);

    placeOnScreen();
}

void FeesWindow::load() {
    // An empty file is no fault: it leaves the amounts shown, without a word.
    model_.tellIfNotWhole();
    const FeeReading& reading = model_.saved();
    for (std::size_t i = 0; i < reading.amounts.size() && i < kFeeCount; ++i)
        amountFields[i]->setText(QString::fromStdString(reading.amounts[i]));
    if (reading.totals) {
        consultationTotal->setText(QString::fromStdString(reading.totals->csMcs));
        consultationWithExtrasTotal->setText(QString::fromStdString(reading.totals->csMcsMpc));
    }
}

FeeSchedule FeesWindow::amounts() const {
    FeeSchedule values;
    for (std::size_t i = 0; i < kFeeCount; ++i)
        values[i] = amountFields[i]->text().toStdString();
    return values;
}

void FeesWindow::save() {
    const FeeSchedule values = amounts();
    // Characters the file's code page cannot hold are named to be replaced, not saved as '?',
    // and only what the next opening reads back is saved. A failed save has been explained to
    // the user; every typed amount stays on screen.
    const FeeSchedule defaults = defaultFeeSchedule();
    // What is saved is what the next opening reads back, totals included.
    const FeeReading saved = readFeeSchedule(encodeFeeSchedule(values));
    if (model_.save(
            saved, {values.begin(), values.end()},
            [](std::string_view bytes) { return readFeeSchedule(std::string(bytes)).complete; },
            {defaults.begin(), defaults.end()}))
        close();
}

} // namespace tovimar
