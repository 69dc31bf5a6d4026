// SPDX-License-Identifier: GPL-3.0-or-later
#include "fertility/transfer_score_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/french_number.h"
#include "core/vb_date.h"
#include "fertility/ovarian_response_score.h"
#include "fertility/transfer_score.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "ui/controls.h"
#include "ui/field_values.h"
#include "ui/pictures.h"
#include "ui/results_text.h"
#include "ui/slider_field.h"
#include "ui/window_registry.h"

namespace tovimar {
namespace {

QLabel* scoreDigit(const char* name, const QString& caption) {
    QLabel* label = resultLabel(name, caption);
    label->setMinimumWidth(36);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

TransferScoreWindow::TransferScoreWindow(WindowRegistry& windows)
    : ToolWindow(windows, "Form18", QStringLiteral("Score transfert embryonnaire")) {
    auto* title =
        new QLabel(QStringLiteral("SCORE DE TRANSFERT (CHU de La Grave) Pr J. Parrinaud"));
    title->setAlignment(Qt::AlignCenter);
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.2);
    title->setFont(big);

    // The age.
    dateOfBirth = lineEdit("TxtDateNaiss", QStringLiteral("Date de naissance"));
    dateOfBirth->setPlaceholderText(QStringLiteral("JJ/MM/AAAA"));
    ageField = lineEdit("TxtAge", QStringLiteral("Age"));
    ageSlider = scrollBar("HScroll1", QStringLiteral("Age, de 15 à 50 ans"), 15, 50, 30);
    ageSlider->setPageStep(5);
    ageScoreLabel = scoreDigit("LblScoreAge", QStringLiteral("Score lié à l'âge"));
    ageVerdict = resultText("Label5", QStringLiteral("Verdict de l'âge"));
    auto* ageGrid = new QGridLayout;
    ageGrid->addWidget(caption(QStringLiteral("&Date de naissance"), dateOfBirth), 0, 0);
    ageGrid->addWidget(dateOfBirth, 0, 1);
    ageGrid->addWidget(caption(QStringLiteral("A&ge"), ageField), 1, 0);
    ageGrid->addWidget(ageField, 1, 1);
    ageGrid->addWidget(ageSlider, 1, 2);
    ageGrid->addWidget(new QLabel(QStringLiteral("Score lié à l'âge")), 2, 0);
    ageGrid->addWidget(ageScoreLabel, 2, 1);
    ageGrid->addWidget(ageVerdict, 2, 2);
    ageGrid->setColumnStretch(2, 1);

    // The ovarian response.
    e2Field = lineEdit("TxtE2", QStringLiteral("E2"));
    e2Slider = scrollBar("HScroll2", QStringLiteral("E2, de 100 à 10000"), 100, 10000, 1000);
    fshField = lineEdit("TxtFSH", QStringLiteral("FSH, nombre d'unités"));
    fshSlider =
        scrollBar("HScroll3", QStringLiteral("FSH, de 100 à 10000 unités"), 100, 10000, 100);
    for (QScrollBar* bar : {e2Slider, fshSlider}) {
        bar->setSingleStep(10);
        bar->setPageStep(100);
    }
    responseScoreLabel = scoreDigit("LblScoreRep", QStringLiteral("Score réponse ovarienne"));
    responseVerdict = resultText("Label11", QStringLiteral("Verdict de la réponse ovarienne"));
    auto* responseGrid = new QGridLayout;
    responseGrid->addWidget(caption(QStringLiteral("&E2"), e2Field), 0, 0);
    responseGrid->addWidget(e2Field, 0, 1);
    responseGrid->addWidget(e2Slider, 0, 2);
    responseGrid->addWidget(caption(QStringLiteral("&FSH"), fshField), 1, 0);
    responseGrid->addWidget(fshField, 1, 1);
    responseGrid->addWidget(fshSlider, 1, 2);
    responseGrid->addWidget(new QLabel(QStringLiteral("Score")), 2, 0);
    responseGrid->addWidget(responseScoreLabel, 2, 1);
    responseGrid->addWidget(responseVerdict, 2, 2);
    responseGrid->setColumnStretch(2, 1);
    for (QLineEdit* f : {dateOfBirth, ageField, e2Field, fshField})
        f->setMaximumWidth(100);
    for (QScrollBar* bar : {ageSlider, e2Slider, fshSlider}) {
        bar->setMinimumWidth(160);
        bar->setFocusPolicy(Qt::StrongFocus);
        // Right and Page Up raise the value, as on any value bar.
        bar->setInvertedControls(false);
    }

    // The embryos.
    atLeastOneScore4Option = radioButton("Opt4", QStringLiteral("Au moins 1 E. de score &4"));
    atLeastOneScore3Option = radioButton("Opt3", QStringLiteral("Au moins 1 E. de score &3"));
    noScore4Nor3Option = radioButton("Opt1", QStringLiteral("Aucun E. de score 4 ni 3"));
    atLeastOneScore4Option->setAccessibleName(QStringLiteral("Au moins 1 E. de score 4"));
    atLeastOneScore3Option->setAccessibleName(QStringLiteral("Au moins 1 E. de score 3"));
    noScore4Nor3Option->setChecked(true);
    embryoScoreLabel = scoreDigit("LblScoreE", QStringLiteral("Score Embr."));
    embryoScoreLabel->setText(QStringLiteral("1"));
    embryoVerdict = resultText("Label13", QStringLiteral("Verdict embryonnaire"));
    auto* embryoGrid = new QGridLayout;
    embryoGrid->addWidget(atLeastOneScore4Option, 0, 0, 1, 3);
    embryoGrid->addWidget(atLeastOneScore3Option, 1, 0, 1, 3);
    embryoGrid->addWidget(noScore4Nor3Option, 2, 0, 1, 3);
    embryoGrid->addWidget(new QLabel(QStringLiteral("Score Embr.")), 3, 0);
    embryoGrid->addWidget(embryoScoreLabel, 3, 1);
    embryoGrid->addWidget(embryoVerdict, 3, 2);
    embryoGrid->setColumnStretch(2, 1);

    // The policy and the embryo pictures.
    transferScoreLabel = scoreDigit("LblScoreT", QStringLiteral("Score de transfert"));
    embryosToTransfer =
        scoreDigit("LblNbrE", QStringLiteral("Nbr. d'embryons pouvant être transfèrés"));
    transferVerdict = resultText("Label12", QStringLiteral("Verdict du transfert"));
    auto* policyGrid = new QGridLayout;
    policyGrid->addWidget(new QLabel(QStringLiteral("Score de transfert")), 0, 0);
    policyGrid->addWidget(transferScoreLabel, 0, 1);
    policyGrid->addWidget(new QLabel(QStringLiteral("Nbr. d'embryons  pouvant être transfèrés")), 1,
                          0);
    policyGrid->addWidget(embryosToTransfer, 1, 1);
    policyGrid->addWidget(transferVerdict, 2, 0, 1, 2);
    // The policy above is the team's of its time; single-embryo transfer is today's rule.
    QLabel* historical = caption(QStringLiteral(
        "Score historique : le transfert d'un seul embryon est aujourd'hui la règle"));
    historical->setObjectName(QStringLiteral("LblHistorique"));
    policyGrid->addWidget(historical, 3, 0, 1, 3);
    policyGrid->setColumnStretch(2, 1);

    auto* pictures = new QVBoxLayout;
    for (int i = 0; i < 4; ++i) {
        auto* image = new QLabel;
        image->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        image->setPixmap(picture(QStringLiteral("embryo")));
        image->setAccessibleName(QStringLiteral("Embryon %1").arg(i + 1));
        image->setFixedSize(52, 52);
        image->setAlignment(Qt::AlignCenter);
        image->hide();
        pictures->addWidget(image);
        embryoPictures[i] = image;
    }
    pictures->addStretch();

    computeButton = button("BtnCalcule", QStringLiteral("&Calcule"));
    clearButton = button("BtnEfface", QStringLiteral("Effa&ce"));
    quitButton = button("BtnQuitter", QStringLiteral("&Quitter"));
    computeButton->setDefault(true);

    auto* menu = new QMenuBar(this);
    addQuitEntry(menu, "Quitter", QStringLiteral("Quitter"));
    QAction* about = menu->addAction(QStringLiteral("A Propos"));
    about->setObjectName(QStringLiteral("APropos"));
    installResultsCopy(this, menu, windows, [this] { return resultsText(); });

    auto* left = new QVBoxLayout;
    left->addWidget(frame(QStringLiteral("Score lié à l'âge"), ageGrid));
    left->addWidget(frame(QStringLiteral("Score réponse ovarienne"), responseGrid));
    left->addWidget(frame(QStringLiteral("Score Embryonnaire"), embryoGrid));
    left->addWidget(
        frame(QStringLiteral("Politique de transfert en fonction du score"), policyGrid));
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(pictures);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menu);
    layout->addWidget(title);
    layout->addLayout(columns);
    layout->addLayout(row({computeButton, clearButton, quitButton}));

    setReadingOrder({dateOfBirth, ageField, ageSlider, e2Field, e2Slider, fshField, fshSlider,
                     atLeastOneScore4Option, atLeastOneScore3Option, noScore4Nor3Option,
                     computeButton, clearButton, quitButton});
    setEscapeButton(quitButton);

    fillsField(ageSlider, ageField);
    fillsField(e2Slider, e2Field);
    fillsField(fshSlider, fshField);
    connect(dateOfBirth, &QLineEdit::textChanged, this, &TransferScoreWindow::dateOfBirthChanged);
    connect(ageField, &QLineEdit::textChanged, this, &TransferScoreWindow::ageChanged);
    connect(e2Field, &QLineEdit::textChanged, this, &TransferScoreWindow::responseChanged);
    connect(fshField, &QLineEdit::textChanged, this, &TransferScoreWindow::responseChanged);
    for (QRadioButton* o : {atLeastOneScore4Option, atLeastOneScore3Option, noScore4Nor3Option})
        connect(o, &QRadioButton::toggled, this, [this](bool on) {
            if (on) embryoChosen();
        });
    connect(computeButton, &QPushButton::clicked, this, &TransferScoreWindow::compute);
    connect(clearButton, &QPushButton::clicked, this, &TransferScoreWindow::clear);
    connect(quitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(about, &QAction::triggered, this, [this] { showCompanion<TransferMethodWindow>(); });
    // The verdict of the option chosen is shown from the start, as after any choice.
    embryoChosen();
    // The date of birth of the patient of the consultation, unless another is typed here.
    followPatient(dateOfBirth, this->windows().patient(), PatientField::BirthDate,
                  platform().clock.today());
    placeOnScreen();
}

void TransferScoreWindow::closeEvent(QCloseEvent* event) {
    closeCompanion<TransferMethodWindow>();
    ToolWindow::closeEvent(event);
}

void TransferScoreWindow::dateOfBirthChanged() {
    const auto birth = dateIn(dateOfBirth);
    if (!birth) return;
    ageField->setText(QString::number(transferAgeFromBirth(*birth, platform().clock.today())));
}

void TransferScoreWindow::ageChanged() {
    forgetTransferScore();
    const auto age = numberIn(ageField);
    if (!age || !limitRefusal(kFertilityAgeLimit, *age).empty()) {
        // No score stays beside an age that gives none (no number, or none a woman can have).
        ageScore_.reset();
        ageScoreLabel->clear();
        ageVerdict->clear();
        return;
    }
    const CriterionScore s = transferAgeScore(*age);
    ageScore_ = s.score;
    ageScoreLabel->setText(QString::number(s.score));
    ageVerdict->setText(QString::fromStdString(s.verdict));
}

void TransferScoreWindow::responseChanged() {
    forgetTransferScore();
    const auto e2 = numberIn(e2Field);
    const auto fsh = numberIn(fshField);
    const auto ratio = e2 && fsh ? ovarianResponseRatio(*e2, *fsh) : std::nullopt;
    if (!ratio) {
        // A field emptied, garbled or holding no FSH units gives no score.
        responseScore_.reset();
        responseScoreLabel->clear();
        responseVerdict->clear();
        return;
    }
    const CriterionScore s = ovarianResponseScore(*ratio);
    responseScore_ = s.score;
    responseScoreLabel->setText(QString::number(s.score));
    responseVerdict->setText(QString::fromStdString(s.verdict));
}

// The transfer score is computed on "Calcule": a criterion changed since
// empties it, so that it never stands beside criteria it was not computed from.
void TransferScoreWindow::forgetTransferScore() {
    transferScoreLabel->clear();
    embryosToTransfer->clear();
    transferVerdict->clear();
    for (QLabel* image : embryoPictures)
        image->hide();
}

void TransferScoreWindow::embryoChosen() {
    const EmbryoQuality q = atLeastOneScore4Option->isChecked()   ? EmbryoQuality::AtLeastOneScore4
                            : atLeastOneScore3Option->isChecked() ? EmbryoQuality::AtLeastOneScore3
                                                                  : EmbryoQuality::NoScore4Nor3;
    const CriterionScore s = embryoQualityScore(q);
    forgetTransferScore();
    embryoScore_ = s.score;
    embryoScoreLabel->setText(QString::number(s.score));
    embryoVerdict->setText(QString::fromStdString(s.verdict));
}

void TransferScoreWindow::compute() {
    forgetTransferScore();
    const auto age = numberIn(ageField);
    if (const std::string refusal = age ? limitRefusal(kFertilityAgeLimit, *age) : std::string();
        !refusal.empty()) {
        platform().messages.inform(QString::fromStdString(refusal));
        return;
    }
    if (!ageScore_ || !responseScore_) {
        platform().messages.inform(
            QStringLiteral("Le score de transfert demande l'âge (ou la date de naissance), l'E2 "
                           "et le nombre d'unités de FSH."));
        return;
    }
    const int total = *ageScore_ + *responseScore_ + embryoScore_;
    const TransferPolicy policy = transferPolicy(total);
    transferScoreLabel->setText(QString::number(total));
    embryosToTransfer->setText(QString::number(policy.embryos));
    transferVerdict->setText(QString::fromStdString(policy.verdict));
    int shown = 0;
    for (QLabel* image : embryoPictures)
        image->setVisible(shown++ < policy.embryos);
}

void TransferScoreWindow::clear() {
    for (QLineEdit* f : {dateOfBirth, ageField, e2Field, fshField})
        f->clear();
    ageScoreLabel->clear();
    responseScoreLabel->clear();
    // Nothing entered before survives: the next score needs a fresh age and ratio.
    ageScore_.reset();
    responseScore_.reset();
    noScore4Nor3Option->setChecked(true);
    embryoScore_ = 1;
    embryoScoreLabel->setText(QStringLiteral("1"));
    transferScoreLabel->clear();
    embryosToTransfer->clear();
    for (QLabel* image : embryoPictures)
        image->hide();
    for (QLabel* l : {ageVerdict, responseVerdict, transferVerdict})
        l->clear();
    embryoChosen(); // the first option and its verdict, as in a window just opened
    dateOfBirth->setFocus();
}

TransferMethodWindow::TransferMethodWindow(WindowRegistry& windows)
    : ToolWindow(windows, "Form19", QStringLiteral("A propos")) {
    methodText = named(new QPlainTextEdit, "Text1",
                       QStringLiteral("Méthode de calcul du score de transfert"));
    methodText->setReadOnly(true);
    methodText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    methodText->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The text keeps CR LF between its lines; the editor wants line feeds.
    methodText->setPlainText(QString::fromStdString(transferMethodText())
                                 .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QFont mono = methodText->font();
    mono.setFamily(QStringLiteral("DejaVu Sans Mono"));
    methodText->setFont(mono);
    methodText->setMinimumSize(methodText->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 84,
                               methodText->fontMetrics().height() * 20);
    closeButton = button("BtnFermer", QStringLiteral("&Fermer"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(methodText);
    layout->addLayout(row({closeButton}));
    setEscapeButton(closeButton);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    placeOnScreen();
}

// "Copier les résultats": the data as typed and the embryos chosen, each
// score with its verdict and the number of embryos to transfer. The embryos'
// score alone (shown from the start) is no result to copy.
ResultsText TransferScoreWindow::resultsText() const {
    ResultsText t;
    t.title = windowTitle();
    t.inputsOf({dateOfBirth, ageField, e2Field, fshField});
    t.choice(QStringLiteral("Embryons"),
             {atLeastOneScore4Option, atLeastOneScore3Option, noScore4Nor3Option});
    if (shownText(ageScoreLabel).isEmpty() && shownText(responseScoreLabel).isEmpty() &&
        shownText(transferScoreLabel).isEmpty())
        return t;
    t.resultsOf({ageScoreLabel, ageVerdict, responseScoreLabel, responseVerdict, embryoScoreLabel,
                 embryoVerdict});
    t.result(transferScoreLabel, {}, QStringLiteral("CHU de La Grave, Pr J. Parrinaud"));
    t.resultsOf({embryosToTransfer, transferVerdict});
    return t;
}

} // namespace tovimar
