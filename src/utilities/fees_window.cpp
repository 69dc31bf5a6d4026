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

// The fields in file order.
const std::array<QLineEdit * FeesWindow::*, kFeeCount> FeesWindow::kFields = {
    &FeesWindow::TxtEC,     &FeesWindow::TxtECs,    &FeesWindow::TxtMCS,    &FeesWindow::TxtMPC,
    &FeesWindow::TxtENuit,  &FeesWindow::TxtEFerie, &FeesWindow::TxtGyn01,  &FeesWindow::TxtGyn02,
    &FeesWindow::TxtGyn03,  &FeesWindow::TxtGyn04,  &FeesWindow::TxtGyn05,  &FeesWindow::TxtGyn06,
    &FeesWindow::TxtGyn07,  &FeesWindow::TxtGyn08,  &FeesWindow::TxtGyn09,  &FeesWindow::TxtGyn10,
    &FeesWindow::TxtPMA01,  &FeesWindow::TxtPMA02,  &FeesWindow::TxtPMA03,  &FeesWindow::TxtPMA04,
    &FeesWindow::TxtPMA05,  &FeesWindow::TxtEObs01, &FeesWindow::TxtEObs02, &FeesWindow::TxtEObs03,
    &FeesWindow::TxtEObs04, &FeesWindow::TxtEObs05, &FeesWindow::TxtEObs06, &FeesWindow::TxtEObs07,
    &FeesWindow::TxtEObs08, &FeesWindow::TxtEObs09, &FeesWindow::TxtEObs10, &FeesWindow::TxtEObs11,
    &FeesWindow::TxtEObs12, &FeesWindow::TxtEObs13, &FeesWindow::TxtEObs14, &FeesWindow::TxtEObs15,
    &FeesWindow::TxtEObs16, &FeesWindow::TxtEGyn01, &FeesWindow::TxtEGyn02, &FeesWindow::TxtEGyn03,
    &FeesWindow::TxtEGyn04, &FeesWindow::TxtEGyn05, &FeesWindow::TxtEGyn06, &FeesWindow::TxtEGyn07,
};

FeesWindow::FeesWindow(WindowRegistry& windows)
    : ToolWindow(windows, "FrmTarifs", QStringLiteral("Tarifs habituels")),
      model_(feesModel(windows)) {
    build();
    load();
}

QLineEdit*& FeesWindow::fieldAt(std::size_t index) {
    return this->*kFields[index];
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
        fieldAt(i) = field;

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

    LblCsMcs = resultLabel("LblCsMcs", QStringLiteral("CS + MCS"));
    LblCMcsMpc = resultLabel("LblCMcsMpc", QStringLiteral("CS + MCS + MPC"));
    QGridLayout* consultation = grids[static_cast<int>(FeePanel::Consultation)];
    for (QLabel* total : {LblCsMcs, LblCMcsMpc}) {
        const int row = consultation->rowCount();
        total->setMinimumWidth(TxtEC->maximumWidth());
        consultation->addWidget(caption(total == LblCsMcs ? QStringLiteral("CS + MCS")
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
    Pages = named(new QTabWidget, "Pages", QStringLiteral("Pages des tarifs"));
    Pages->tabBar()->setAccessibleName(QStringLiteral("Pages des tarifs"));
    Pages->addTab(actsPage, QStringLiteral("Consultations, actes techniques et PMA"));
    Pages->addTab(scansPage, text(kScanPanelsCaption));

    Enregistrer = button("Enregistrer", QStringLiteral("&Enregistrer"));
    Quitter = button("Quitter", QStringLiteral("&Annuler / Quitter"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Enregistrer);
    buttons->addWidget(Quitter);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Pages, 1);
    layout->addLayout(buttons);

    connect(Enregistrer, &QPushButton::clicked, this, &FeesWindow::save);
    connect(Quitter, &QPushButton::clicked, this, &QWidget::close);
    setEscapeButton(Quitter);

    // The keyboard goes through the amounts in the file's order, then the buttons.
    for (std::size_t i = 1; i < kFeeCount; ++i)
        QWidget::setTabOrder(fieldAt(i - 1), fieldAt(i));
    QWidget::setTabOrder(fieldAt(kFeeCount - 1), Enregistrer);
    QWidget::setTabOrder(Enregistrer, Quitter);

    placeOnScreen();
}

void FeesWindow::load() {
    // An empty file is no fault: it leaves the amounts shown, without a word.
    model_.tellIfNotWhole();
    const FeeReading& reading = model_.saved();
    for (std::size_t i = 0; i < reading.amounts.size() && i < kFeeCount; ++i)
        fieldAt(i)->setText(QString::fromStdString(reading.amounts[i]));
    if (reading.totals) {
        LblCsMcs->setText(QString::fromStdString(reading.totals->csMcs));
        LblCMcsMpc->setText(QString::fromStdString(reading.totals->csMcsMpc));
    }
}

FeeSchedule FeesWindow::amounts() const {
    FeeSchedule values;
    for (std::size_t i = 0; i < kFeeCount; ++i)
        values[i] = (this->*kFields[i])->text().toStdString();
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
