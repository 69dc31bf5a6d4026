// SPDX-License-Identifier: GPL-3.0-or-later
#include "fertility/ovarian_response_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/french_number.h"
#include "fertility/ovarian_response_score.h"
#include "platform/clock.h"
#include "platform/help_viewer.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "ui/controls.h"
#include "ui/field_values.h"
#include "ui/key_filters.h"
#include "ui/results_text.h"
#include "ui/window_registry.h"

namespace tovimar {
namespace {

constexpr int kHelpTopic = 130;

QString shown(const std::optional<double>& value) {
    return value ? QString::fromStdString(formatFrenchNumber(*value)) : QString();
}

QLineEdit* hiddenField(const char* name) {
    auto* field = lineEdit(name, QString::fromLatin1(name), true);
    field->hide();
    return field;
}

// A protocol panel: step names on the left, what to do on the right.
QGroupBox* protocolPanel(const QString& title, const char* colour,
                         const std::vector<std::pair<QString, QLabel*>>& steps) {
    auto* grid = new QGridLayout;
    int r = 0;
    for (const auto& [step, value] : steps) {
        auto* name = new QLabel(step);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(name, r, 0, Qt::AlignTop);
        grid->addWidget(value, r, 1, Qt::AlignTop);
        ++r;
    }
    grid->setColumnStretch(1, 1);
    QGroupBox* box = frame(title, grid);
    box->setStyleSheet(
        QStringLiteral("QGroupBox { font-weight: bold; } "
                       "QGroupBox::title { color: %1; } "
                       "QLabel { font-weight: normal; }")
            .arg(readableOn(QColor(QLatin1String(colour)), box->palette().color(QPalette::Window))
                     .name()));
    box->setAccessibleName(title);
    return box;
}

QLabel* fixedStep(const QString& text, const QString& step) {
    return resultText("", step, text);
}

} // namespace

OvarianResponseWindow::OvarianResponseWindow(WindowRegistry& windows)
    : ToolWindow(windows, "Form11", QStringLiteral("Score Réponse Ovarienne (Pr Parinaud)")) {
    ageField = lineEdit("TxtAge", QStringLiteral("Age"));
    weightField = lineEdit("TxtPds", QStringLiteral("Poids en kilos"));
    heightField = lineEdit("TxtTaille", QStringLiteral("Taille en centimètres"));
    fshField = lineEdit("TxtFSH", QStringLiteral("FSH"));
    lhField = lineEdit("TxtLh", QStringLiteral("LH"));
    for (QLineEdit* f : {ageField, weightField, heightField})
        acceptDigitsOnly(f);
    for (QLineEdit* f : {fshField, lhField})
        acceptDecimal(f);
    for (QLineEdit* f : {ageField, weightField, heightField, fshField, lhField})
        f->setMaximumWidth(80);

    bmiLabel = resultLabel("LblBmi", QStringLiteral("BMI"));
    lhFshLabel = resultLabel("LblLhFsh", QStringLiteral("LH/FSH"));
    agePoints = hiddenField("AgeVals");
    bmiPoints = hiddenField("BmiVals");
    fshPoints = hiddenField("FshVals");
    lhFshPoints = hiddenField("LhFshVals");
    totalScore = resultLabel("LblRo", QStringLiteral("Score"));
    responseClass = resultLabel("LblRepond", QStringLiteral("Réponse"));
    advice = resultLabel("LblDemar", QStringLiteral("Conseil"));
    advice->setWordWrap(true);
    for (QLabel* l : {bmiLabel, lhFshLabel, totalScore})
        l->setMinimumWidth(70);

    agonistStartDose =
        resultText("LblStimAgo", QStringLiteral("Début stimulation, protocole agoniste"),
                   QString::fromUtf8(kInitialAgonistDose));
    antagonistStartDose =
        resultText("LblStimAnta", QStringLiteral("Début stimulation, protocole antagoniste"),
                   QString::fromUtf8(kInitialAntagonistDose));
    agonistPanel = protocolPanel(
        QStringLiteral("Protocole AGONISTE Long"), "#008000",
        {{QStringLiteral("Blocage"),
          fixedStep(QStringLiteral("Decapeptyl 0,1 mg à partir de J1"), QStringLiteral("Blocage"))},
         {QStringLiteral("Contrôle blocage"),
          fixedStep(QStringLiteral("J14"), QStringLiteral("Contrôle blocage"))},
         {QStringLiteral("Début stimulation"), agonistStartDose},
         {QStringLiteral("1er Monitorage (Echo + E2)"),
          fixedStep(QStringLiteral("A J8 de la stimulation"),
                    QStringLiteral("1er Monitorage (Echo + E2)"))},
         {QStringLiteral("Déclenchement si :"),
          fixedStep(QStringLiteral("Follicule >= 15 mm E2 < 3000 Endomètre>= 10 mm"),
                    QStringLiteral("Déclenchement si"))}});
    agonistPanel->setObjectName(QStringLiteral("Frame4"));
    antagonistPanel =
        protocolPanel(QStringLiteral("Protocole ANTAGONISTE"), "#000080",
                      {{QStringLiteral("Début stimulation"), antagonistStartDose},
                       {QStringLiteral("1er Monitorage (Echo + E2)"),
                        fixedStep(QStringLiteral("A J7 de la stimulation"),
                                  QStringLiteral("1er Monitorage (Echo + E2)"))},
                       {QStringLiteral("Début antagoniste (0.25)"),
                        fixedStep(QStringLiteral("Si E2 > 400 ou Follicule >= 14 mm"),
                                  QStringLiteral("Début antagoniste (0.25)"))},
                       {QStringLiteral("Déclenchement si :"),
                        fixedStep(QStringLiteral("Follicule >= 18 mm E2 < 3000 Endomètre>= 10 mm"),
                                  QStringLiteral("Déclenchement si"))}});
    antagonistPanel->setObjectName(QStringLiteral("Frame3"));
    agonistPanel->hide();
    antagonistPanel->hide();

    computeButton = button("BtnCalcule", QStringLiteral("&Calcule"));
    clearButton = button("BtnEfface", QStringLiteral("&Efface"));
    closeButton = button("BtnFermer", QStringLiteral("&Fermer"));
    computeButton->setDefault(true);

    // Inputs on the left, the derived values beside them.
    auto* inputs = new QGridLayout;
    auto addInput = [&](int r, const QString& text, QLineEdit* field) {
        inputs->addWidget(caption(text, field), r, 0);
        inputs->addWidget(field, r, 1);
    };
    addInput(0, QStringLiteral("&Age"), ageField);
    addInput(1, QStringLiteral("&Pds (Kg)"), weightField);
    addInput(2, QStringLiteral("&Taille (cm)"), heightField);
    addInput(3, QStringLiteral("F&SH"), fshField);
    addInput(4, QStringLiteral("&LH"), lhField);
    inputs->addWidget(new QLabel(QStringLiteral("BMI")), 1, 2);
    inputs->addWidget(bmiLabel, 1, 3);
    inputs->addWidget(new QLabel(QStringLiteral("LH/FSH")), 4, 2);
    inputs->addWidget(lhFshLabel, 4, 3);
    inputs->setColumnStretch(4, 1);

    auto* verdict = new QGridLayout;
    verdict->addWidget(new QLabel(QStringLiteral("Score")), 0, 0);
    verdict->addWidget(totalScore, 0, 1);
    verdict->addWidget(responseClass, 0, 2);
    verdict->addWidget(advice, 1, 0, 1, 3);
    verdict->setColumnStretch(2, 1);

    // One protocol under the other: side by side they are wider than a small screen.
    auto* panels = new QVBoxLayout;
    panels->addWidget(agonistPanel);
    panels->addWidget(antagonistPanel);

    auto* menu = new QMenuBar(this);
    addHelpEntry(menu, "Aide", QStringLiteral("Aide"), kHelpTopic);
    installResultsCopy(this, menu, windows, [this] { return resultsText(); });

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menu);
    layout->setSizeConstraint(QLayout::SetMinimumSize); // grows when the panels show
    // The score predates today's stimulation guidance, which relies on AMH and the antral count.
    QLabel* historical = caption(QStringLiteral("Score historique : il n'utilise ni l'AMH ni le "
                                                "compte des follicules antraux"),
                                 nullptr, true);
    historical->setObjectName(QStringLiteral("LblHistorique"));
    layout->addWidget(historical);
    layout->addLayout(inputs);
    layout->addLayout(verdict);
    layout->addLayout(panels);
    layout->addLayout(row({computeButton, clearButton, closeButton}));
    for (QLineEdit* f : {agePoints, bmiPoints, fshPoints, lhFshPoints})
        f->setParent(this);

    setReadingOrder({ageField, weightField, heightField, fshField, lhField, computeButton,
                     clearButton, closeButton});
    setEscapeButton(closeButton);

    connect(weightField, &QLineEdit::textChanged, this, &OvarianResponseWindow::showBmi);
    connect(heightField, &QLineEdit::textChanged, this, &OvarianResponseWindow::showBmi);
    connect(fshField, &QLineEdit::textChanged, this, &OvarianResponseWindow::showLhFsh);
    connect(lhField, &QLineEdit::textChanged, this, &OvarianResponseWindow::showLhFsh);
    for (QLineEdit* input : {ageField, weightField, heightField, fshField, lhField})
        connect(input, &QLineEdit::textChanged, this, &OvarianResponseWindow::forgetScore);
    connect(computeButton, &QPushButton::clicked, this, &OvarianResponseWindow::compute);
    connect(clearButton, &QPushButton::clicked, this, &OvarianResponseWindow::clear);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    // The age of the patient of the consultation, unless another is typed here.
    followPatient(ageField, this->windows().patient(), PatientField::Age, platform().clock.today());
    placeOnScreen();
}

void OvarianResponseWindow::showBmi() {
    const auto weight = numberIn(weightField);
    const auto height = numberIn(heightField);
    bmiLabel->setText(weight && height ? shown(IMC(*weight, *height)) : QString());
}

void OvarianResponseWindow::showLhFsh() {
    const auto lh = numberIn(lhField);
    const auto fsh = numberIn(fshField);
    lhFshLabel->setText(lh && fsh ? shown(RAPPORT_LH_FSH(*lh, *fsh)) : QString());
}

// The score is computed on "Calcule": an input changed since empties it, so
// that it never stands beside values it was not computed from.
void OvarianResponseWindow::forgetScore() {
    for (QLineEdit* f : {agePoints, bmiPoints, fshPoints, lhFshPoints})
        f->clear();
    for (QLabel* l : {totalScore, advice, responseClass})
        l->clear();
    // The doses go back to what a window just opened shows (a hidden panel's
    // dose is not rewritten by a score that does not show it).
    agonistStartDose->setText(QString::fromUtf8(kInitialAgonistDose));
    antagonistStartDose->setText(QString::fromUtf8(kInitialAntagonistDose));
    agonistPanel->hide();
    antagonistPanel->hide();
}

void OvarianResponseWindow::compute() {
    forgetScore();
    const auto age = numberIn(ageField);
    const auto bmi = numberIn(bmiLabel);
    const auto ratio = numberIn(lhFshLabel);
    const auto fsh = numberIn(fshField);
    if (!age || !bmi || !ratio || !fsh) {
        // A weight or height outside its limits is named with them; else what is missing.
        const auto weight = numberIn(weightField), height = numberIn(heightField);
        const std::string refusal = weight && height ? bmiRefusal(*weight, *height) : std::string();
        platform().messages.inform(
            !refusal.empty()
                ? QString::fromStdString(refusal)
                : QStringLiteral("Le score demande l'âge, le poids et la taille (qui donnent "
                                 "l'IMC), la FSH et la LH (qui donnent le rapport LH/FSH), en "
                                 "nombres."));
        return;
    }
    if (const std::string refusal = limitRefusal(kFertilityAgeLimit, *age); !refusal.empty()) {
        platform().messages.inform(QString::fromStdString(refusal));
        return;
    }
    const OvarianResponseVerdict v = SCORE_RO(*age, *bmi, *ratio, *fsh);
    agePoints->setText(QString::number(v.points.age));
    bmiPoints->setText(QString::number(v.points.bmi));
    fshPoints->setText(QString::number(v.points.fsh));
    lhFshPoints->setText(QString::number(v.points.lhFsh));
    totalScore->setText(QString::number(v.total));
    agonistPanel->setVisible(v.agonistPanelShown);
    antagonistPanel->setVisible(v.antagonistPanelShown);
    responseClass->setText(QString::fromStdString(v.responseClass));
    advice->setText(QString::fromStdString(v.advice));
    agonistStartDose->setText(QString::fromStdString(v.agonistDose));
    if (v.antagonistDose) antagonistStartDose->setText(QString::fromStdString(*v.antagonistDose));
}

void OvarianResponseWindow::clear() {
    forgetScore();
    for (QLabel* l : {bmiLabel, lhFshLabel})
        l->clear();
    for (QLineEdit* f : {ageField, heightField, weightField, fshField, lhField})
        f->clear();
    ageField->setFocus();
}

// "Copier les résultats": the data as typed, the BMI and LH/FSH, the score,
// its verdict and advice, and the steps of each protocol shown.
ResultsText OvarianResponseWindow::resultsText() const {
    ResultsText t;
    t.title = windowTitle();
    t.inputsOf({ageField, weightField, heightField, fshField, lhField});
    t.resultsOf({bmiLabel, lhFshLabel});
    t.result(totalScore, {}, QStringLiteral("Pr Parinaud"));
    t.resultsOf({responseClass, advice});
    for (const QGroupBox* panel : {agonistPanel, antagonistPanel})
        for (const QLabel* step : panel->findChildren<QLabel*>())
            if (!captionOf(step).isEmpty() && step->property("tovimarResultCaption").isValid())
                // "Début stimulation, protocole agoniste": the panel names the protocol.
                t.result(step, panel->title() + QStringLiteral(", ") +
                                   captionOf(step).section(QStringLiteral(", protocole"), 0, 0));
    return t;
}

} // namespace tovimar
