// SPDX-License-Identifier: GPL-3.0-or-later
// The trisomy 21 window's ultrasound signs (ticked in a list, each with its
// likelihood ratio) and the conduct the retained risk calls for.
#include "t21/t21_risk_window.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/french_number.h"
#include "dating/term_settings_access.h"
#include "platform/clock.h"
#include "platform/help_viewer.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/report_destination.h"
#include "platform/text_prompt.h"
#include "t21/patient_letter_printout.h"
#include "t21/risk_model.h"
#include "t21/screening_conduct.h"
#include "t21/t21_about_window.h"
#include "ui/controls.h"
#include "ui/field_values.h"
#include "ui/key_filters.h"
#include "ui/pictures.h"
#include "ui/results_text.h"
#include "ui/slider_field.h"
#include "ui/window_registry.h"
#include "utilities/practice_options_access.h"

namespace tovimar {

QGroupBox* T21RiskWindow::buildSignsPanel() {
    signList = named(new QListWidget, "List1", QStringLiteral("Signes échographiques"));
    for (const UltrasoundSign& sign : kUltrasoundSigns) {
        auto* item = new QListWidgetItem(QString::fromUtf8(sign.item), signList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    // Every sign shown, no more: the window keeps its room for the risks.
    signList->setFixedHeight(signList->sizeHintForRow(0) * int(kSignCount) +
                             2 * signList->frameWidth() + 4);
    riskCoefficient = resultText("LblCoef", QStringLiteral("Coefficient de risque"));
    selectedSignExplanation = resultText("LblSignes", QStringLiteral("Explication du signe"));
    selectedSignExplanation->setWordWrap(true);
    signsPicture = pictureLabel("ImgEchoMorph", QStringLiteral("t21_scan"),
                                QStringLiteral("Cochez les signes vus à l'échographie"));
    riskAfterMorphologyScan = resultLabel(
        "LblRiskEcho", QStringLiteral("Risque intégré total après écho morpho, à terme"));
    auto* afterScanCaption = new QLabel(QStringLiteral("Après Echo Morpho"));
    afterScanCaption->setObjectName(QStringLiteral("Label1"));
    auto* total = new QHBoxLayout;
    total->addWidget(afterScanCaption);
    total->addWidget(riskAfterMorphologyScan, 1);
    afterMorphologyScanPanel = frame(QStringLiteral("Risque Intégré Total"), total);
    afterMorphologyScanPanel->setObjectName(QStringLiteral("Frame15"));

    auto* explanation = new QGridLayout;
    explanation->addWidget(selectedSignExplanation, 0, 0);
    explanation->addWidget(signsPicture, 0, 0);

    // The list and the age of its ratios on the left, what the ticked signs
    // make of the risk on its right.
    auto* signs = new QVBoxLayout;
    signs->addWidget(signList);
    // The signs' likelihood ratios are those of 2001; later work revised them downward.
    QLabel* historical = caption(QStringLiteral("Rapports de 2001, nettement revus à la baisse "
                                                "depuis (voir l'aide)"),
                                 nullptr, true);
    historical->setObjectName(QStringLiteral("LblHistorique"));
    signs->addWidget(historical);
    signs->addStretch();
    auto* outcome = new QVBoxLayout;
    outcome->addWidget(riskCoefficient);
    outcome->addLayout(explanation);
    outcome->addWidget(afterMorphologyScanPanel);
    outcome->addStretch();
    auto* content = new QHBoxLayout;
    content->addLayout(signs, 1);
    content->addLayout(outcome, 1);
    signsPanel = frame(
        QStringLiteral("Risque Intégré après Echographie Morphologique (Avant 20 SA)"), content);
    signsPanel->setObjectName(QStringLiteral("Frame14"));

    connect(signList, &QListWidget::itemChanged, this, &T21RiskWindow::signTicked);
    connect(signList, &QListWidget::currentRowChanged, this, &T21RiskWindow::signSelected);
    connect(signList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { signSelected(signList->row(item)); });
    return signsPanel;
}

QGroupBox* T21RiskWindow::buildConductPanel() {
    laboratoryCombinedRisk =
        lineEdit("TxtRiskComb", QStringLiteral("Risque combiné du laboratoire, N de 1/N"));
    laboratoryCombinedRisk->setMaximumWidth(80);
    typeFullStopAsComma(laboratoryCombinedRisk);
    retainedRisk = resultText("LblRisqueRetenu", QStringLiteral("Risque retenu pour la conduite"));
    conductAdvice = resultText("LblConduite", QStringLiteral("Conduite à tenir"));
    conductAdvice->setWordWrap(true);
    conductAdvice->setMargin(3);

    auto* content = new QGridLayout;
    content->addWidget(caption(QStringLiteral("Risque combiné du la&boratoire (1er trimestre)"),
                               laboratoryCombinedRisk),
                       0, 0);
    content->addLayout(row({new QLabel(QStringLiteral("1/")), laboratoryCombinedRisk}), 0, 1);
    content->addWidget(retainedRisk, 0, 2);
    content->addWidget(conductAdvice, 1, 0, 1, 3);
    content->setColumnStretch(2, 1);
    conductPanel = frame(QStringLiteral("Conduite à tenir"), content);
    conductPanel->setObjectName(QStringLiteral("Frame17"));
    return conductPanel;
}

void T21RiskWindow::showConduct() {
    const T21RiskState& st = screen_.state;
    std::optional<ConductBand> band;
    std::optional<ConductRisk> risk;
    long long threshold = 0;
    // Results or a translucency to judge: the strategy and threshold in force now.
    if (!screen_.results.afterMorphologyScanN.empty() || st.labCombinedN || st.nuchalMm) {
        const ScreeningStrategy strategy = currentScreeningStrategy(windows());
        const std::optional<long long> t =
            letterThreshold(currentTermSettings(windows())[TermSettings::AmniocentesisThreshold]);
        if (t || strategy == ScreeningStrategy::Thresholds2018) {
            threshold = t.value_or(0);
            risk = conductRisk(screen_, strategy);
            band = conductBand(risk ? std::optional<double>(risk->n) : std::nullopt, st.nuchalMm,
                               strategy, threshold);
        }
    }
    if (!band) {
        retainedRisk->clear();
        conductAdvice->clear();
        conductAdvice->setPalette(QPalette());
        conductAdvice->setAutoFillBackground(false);
        return;
    }
    retainedRisk->setText(risk ? (risk->fromLaboratory
                                      ? QStringLiteral("Risque combiné du laboratoire : 1/")
                                      : QStringLiteral("Risque retenu : 1/")) +
                                     shown(t21NumberText(risk->n))
                               : QString());
    conductAdvice->setText(shown(conductSentence(*band, threshold)));
    const ConductColours c = conductColours(*band);
    colour(conductAdvice, QColor::fromRgb(c.text), QColor::fromRgb(c.background));
}

void T21RiskWindow::showSigns() {
    const std::optional<std::string> coefficient = coefficientText(screen_.state.markerCoefficient);
    riskCoefficient->setText(coefficient ? shown(*coefficient) : QString());
    riskCoefficient->setVisible(coefficient.has_value());
    afterMorphologyScanPanel->setVisible(coefficient.has_value());
}

void T21RiskWindow::signTicked(QListWidgetItem* item) {
    // The factor of the sign whose box changed, whatever the current row.
    const int index = signList->row(item);
    if (index < 0) return;
    screen_ = tickSign(screen_, static_cast<std::size_t>(index), item->checkState() == Qt::Checked);
    showResults();
}

void T21RiskWindow::signSelected(int row) {
    if (row < 0) return;
    const std::optional<std::string> text = signExplanation(static_cast<std::size_t>(row));
    if (!text) return;
    selectedSignExplanation->setText(
        shown(*text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    selectedSignExplanation->show();
    signsPicture->hide();
}

} // namespace tovimar
