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

// A result the window shows, read back as a number for the next step.
std::optional<double> numberIn(const QLabel* label) {
    return readFrenchNumber(label->text().toStdString());
}

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
    TxtAge = lineEdit("TxtAge", QStringLiteral("Age"));
    TxtPds = lineEdit("TxtPds", QStringLiteral("Poids en kilos"));
    TxtTaille = lineEdit("TxtTaille", QStringLiteral("Taille en centimètres"));
    TxtFSH = lineEdit("TxtFSH", QStringLiteral("FSH"));
    TxtLh = lineEdit("TxtLh", QStringLiteral("LH"));
    for (QLineEdit* f : {TxtAge, TxtPds, TxtTaille})
        acceptDigitsOnly(f);
    for (QLineEdit* f : {TxtFSH, TxtLh})
        acceptDecimal(f);
    for (QLineEdit* f : {TxtAge, TxtPds, TxtTaille, TxtFSH, TxtLh})
        f->setMaximumWidth(80);

    LblBmi = resultLabel("LblBmi", QStringLiteral("BMI"));
    LblLhFsh = resultLabel("LblLhFsh", QStringLiteral("LH/FSH"));
    AgeVals = hiddenField("AgeVals");
    BmiVals = hiddenField("BmiVals");
    FshVals = hiddenField("FshVals");
    LhFshVals = hiddenField("LhFshVals");
    LblRo = resultLabel("LblRo", QStringLiteral("Score"));
    LblRepond = resultLabel("LblRepond", QStringLiteral("Réponse"));
    LblDemar = resultLabel("LblDemar", QStringLiteral("Conseil"));
    LblDemar->setWordWrap(true);
    for (QLabel* l : {LblBmi, LblLhFsh, LblRo})
        l->setMinimumWidth(70);

    LblStimAgo = resultText("LblStimAgo", QStringLiteral("Début stimulation, protocole agoniste"),
                            QString::fromUtf8(kInitialAgonistDose));
    LblStimAnta =
        resultText("LblStimAnta", QStringLiteral("Début stimulation, protocole antagoniste"),
                   QString::fromUtf8(kInitialAntagonistDose));
    Frame4 = protocolPanel(
        QStringLiteral("Protocole AGONISTE Long"), "#008000",
        {{QStringLiteral("Blocage"),
          fixedStep(QStringLiteral("Decapeptyl 0,1 mg à partir de J1"), QStringLiteral("Blocage"))},
         {QStringLiteral("Contrôle blocage"),
          fixedStep(QStringLiteral("J14"), QStringLiteral("Contrôle blocage"))},
         {QStringLiteral("Début stimulation"), LblStimAgo},
         {QStringLiteral("1er Monitorage (Echo + E2)"),
          fixedStep(QStringLiteral("A J8 de la stimulation"),
                    QStringLiteral("1er Monitorage (Echo + E2)"))},
         {QStringLiteral("Déclenchement si :"),
          fixedStep(QStringLiteral("Follicule >= 15 mm E2 < 3000 Endomètre>= 10 mm"),
                    QStringLiteral("Déclenchement si"))}});
    Frame4->setObjectName(QStringLiteral("Frame4"));
    Frame3 =
        protocolPanel(QStringLiteral("Protocole ANTAGONISTE"), "#000080",
                      {{QStringLiteral("Début stimulation"), LblStimAnta},
                       {QStringLiteral("1er Monitorage (Echo + E2)"),
                        fixedStep(QStringLiteral("A J7 de la stimulation"),
                                  QStringLiteral("1er Monitorage (Echo + E2)"))},
                       {QStringLiteral("Début antagoniste (0.25)"),
                        fixedStep(QStringLiteral("Si E2 > 400 ou Follicule >= 14 mm"),
                                  QStringLiteral("Début antagoniste (0.25)"))},
                       {QStringLiteral("Déclenchement si :"),
                        fixedStep(QStringLiteral("Follicule >= 18 mm E2 < 3000 Endomètre>= 10 mm"),
                                  QStringLiteral("Déclenchement si"))}});
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Frame4->hide();
    Frame3->hide();

    BtnCalcule = button("BtnCalcule", QStringLiteral("&Calcule"));
    BtnEfface = button("BtnEfface", QStringLiteral("&Efface"));
    BtnFermer = button("BtnFermer", QStringLiteral("&Fermer"));
    BtnCalcule->setDefault(true);

    // Inputs on the left, the derived values beside them.
    auto* inputs = new QGridLayout;
    auto addInput = [&](int r, const QString& text, QLineEdit* field) {
        inputs->addWidget(caption(text, field), r, 0);
        inputs->addWidget(field, r, 1);
    };
    addInput(0, QStringLiteral("&Age"), TxtAge);
    addInput(1, QStringLiteral("&Pds (Kg)"), TxtPds);
    addInput(2, QStringLiteral("&Taille (cm)"), TxtTaille);
    addInput(3, QStringLiteral("F&SH"), TxtFSH);
    addInput(4, QStringLiteral("&LH"), TxtLh);
    inputs->addWidget(new QLabel(QStringLiteral("BMI")), 1, 2);
    inputs->addWidget(LblBmi, 1, 3);
    inputs->addWidget(new QLabel(QStringLiteral("LH/FSH")), 4, 2);
    inputs->addWidget(LblLhFsh, 4, 3);
    inputs->setColumnStretch(4, 1);

    auto* verdict = new QGridLayout;
    verdict->addWidget(new QLabel(QStringLiteral("Score")), 0, 0);
    verdict->addWidget(LblRo, 0, 1);
    verdict->addWidget(LblRepond, 0, 2);
    verdict->addWidget(LblDemar, 1, 0, 1, 3);
    verdict->setColumnStretch(2, 1);

    // One protocol under the other: side by side they are wider than a small screen.
    auto* panels = new QVBoxLayout;
    panels->addWidget(Frame4);
    panels->addWidget(Frame3);

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
    layout->addLayout(row({BtnCalcule, BtnEfface, BtnFermer}));
    for (QLineEdit* f : {AgeVals, BmiVals, FshVals, LhFshVals})
        f->setParent(this);

    setReadingOrder({TxtAge, TxtPds, TxtTaille, TxtFSH, TxtLh, BtnCalcule, BtnEfface, BtnFermer});
    setEscapeButton(BtnFermer);

    connect(TxtPds, &QLineEdit::textChanged, this, &OvarianResponseWindow::showBmi);
    connect(TxtTaille, &QLineEdit::textChanged, this, &OvarianResponseWindow::showBmi);
    connect(TxtFSH, &QLineEdit::textChanged, this, &OvarianResponseWindow::showLhFsh);
    connect(TxtLh, &QLineEdit::textChanged, this, &OvarianResponseWindow::showLhFsh);
    for (QLineEdit* input : {TxtAge, TxtPds, TxtTaille, TxtFSH, TxtLh})
        connect(input, &QLineEdit::textChanged, this, &OvarianResponseWindow::forgetScore);
    connect(BtnCalcule, &QPushButton::clicked, this, &OvarianResponseWindow::calcule);
    connect(BtnEfface, &QPushButton::clicked, this, &OvarianResponseWindow::efface);
    connect(BtnFermer, &QPushButton::clicked, this, &QWidget::close);
    // The age of the patient of the consultation, unless another is typed here.
    followPatient(TxtAge, this->windows().patient(), PatientField::Age, platform().clock.today());
    placeOnScreen();
}

void OvarianResponseWindow::showBmi() {
    const auto weight = numberIn(TxtPds);
    const auto height = numberIn(TxtTaille);
    LblBmi->setText(weight && height ? shown(IMC(*weight, *height)) : QString());
}

void OvarianResponseWindow::showLhFsh() {
    const auto lh = numberIn(TxtLh);
    const auto fsh = numberIn(TxtFSH);
    LblLhFsh->setText(lh && fsh ? shown(RAPPORT_LH_FSH(*lh, *fsh)) : QString());
}

// The score is computed on "Calcule": an input changed since empties it, so
// that it never stands beside values it was not computed from.
void OvarianResponseWindow::forgetScore() {
    for (QLineEdit* f : {AgeVals, BmiVals, FshVals, LhFshVals})
        f->clear();
    for (QLabel* l : {LblRo, LblDemar, LblRepond})
        l->clear();
    // The doses go back to what a window just opened shows (a hidden panel's
    // dose is not rewritten by a score that does not show it).
    LblStimAgo->setText(QString::fromUtf8(kInitialAgonistDose));
    LblStimAnta->setText(QString::fromUtf8(kInitialAntagonistDose));
    Frame4->hide();
    Frame3->hide();
}

void OvarianResponseWindow::calcule() {
    forgetScore();
    const auto age = numberIn(TxtAge);
    const auto bmi = numberIn(LblBmi);
    const auto ratio = numberIn(LblLhFsh);
    const auto fsh = numberIn(TxtFSH);
    if (!age || !bmi || !ratio || !fsh) {
        // A weight or height outside its limits is named with them; else what is missing.
        const auto weight = numberIn(TxtPds), height = numberIn(TxtTaille);
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
    AgeVals->setText(QString::number(v.points.age));
    BmiVals->setText(QString::number(v.points.bmi));
    FshVals->setText(QString::number(v.points.fsh));
    LhFshVals->setText(QString::number(v.points.lhFsh));
    LblRo->setText(QString::number(v.total));
    Frame4->setVisible(v.agonistPanelShown);
    Frame3->setVisible(v.antagonistPanelShown);
    LblRepond->setText(QString::fromStdString(v.responseClass));
    LblDemar->setText(QString::fromStdString(v.advice));
    LblStimAgo->setText(QString::fromStdString(v.agonistDose));
    if (v.antagonistDose) LblStimAnta->setText(QString::fromStdString(*v.antagonistDose));
}

void OvarianResponseWindow::efface() {
    forgetScore();
    for (QLabel* l : {LblBmi, LblLhFsh})
        l->clear();
    for (QLineEdit* f : {TxtAge, TxtTaille, TxtPds, TxtFSH, TxtLh})
        f->clear();
    TxtAge->setFocus();
}

// "Copier les résultats": the data as typed, the BMI and LH/FSH, the score,
// its verdict and advice, and the steps of each protocol shown.
ResultsText OvarianResponseWindow::resultsText() const {
    ResultsText t;
    t.title = windowTitle();
    t.inputsOf({TxtAge, TxtPds, TxtTaille, TxtFSH, TxtLh});
    t.resultsOf({LblBmi, LblLhFsh});
    t.result(LblRo, {}, QStringLiteral("Pr Parinaud"));
    t.resultsOf({LblRepond, LblDemar});
    for (const QGroupBox* panel : {Frame4, Frame3})
        for (const QLabel* step : panel->findChildren<QLabel*>())
            if (!captionOf(step).isEmpty() && step->property("tovimarResultCaption").isValid())
                // "Début stimulation, protocole agoniste": the panel names the protocol.
                t.result(step, panel->title() + QStringLiteral(", ") +
                                   captionOf(step).section(QStringLiteral(", protocole"), 0, 0));
    return t;
}

} // namespace tovimar
