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
    TxtDateNaiss = lineEdit("TxtDateNaiss", QStringLiteral("Date de naissance"));
    TxtDateNaiss->setPlaceholderText(QStringLiteral("JJ/MM/AAAA"));
    TxtAge = lineEdit("TxtAge", QStringLiteral("Age"));
    HScroll1 = scrollBar("HScroll1", QStringLiteral("Age, de 15 à 50 ans"), 15, 50, 30);
    HScroll1->setPageStep(5);
    LblScoreAge = scoreDigit("LblScoreAge", QStringLiteral("Score lié à l'âge"));
    Label5 = resultText("Label5", QStringLiteral("Verdict de l'âge"));
    auto* ageGrid = new QGridLayout;
    ageGrid->addWidget(caption(QStringLiteral("&Date de naissance"), TxtDateNaiss), 0, 0);
    ageGrid->addWidget(TxtDateNaiss, 0, 1);
    ageGrid->addWidget(caption(QStringLiteral("A&ge"), TxtAge), 1, 0);
    ageGrid->addWidget(TxtAge, 1, 1);
    ageGrid->addWidget(HScroll1, 1, 2);
    ageGrid->addWidget(new QLabel(QStringLiteral("Score lié à l'âge")), 2, 0);
    ageGrid->addWidget(LblScoreAge, 2, 1);
    ageGrid->addWidget(Label5, 2, 2);
    ageGrid->setColumnStretch(2, 1);

    // The ovarian response.
    TxtE2 = lineEdit("TxtE2", QStringLiteral("E2"));
    HScroll2 = scrollBar("HScroll2", QStringLiteral("E2, de 100 à 10000"), 100, 10000, 1000);
    TxtFSH = lineEdit("TxtFSH", QStringLiteral("FSH, nombre d'unités"));
    HScroll3 = scrollBar("HScroll3", QStringLiteral("FSH, de 100 à 10000 unités"), 100, 10000, 100);
    for (QScrollBar* bar : {HScroll2, HScroll3}) {
        bar->setSingleStep(10);
        bar->setPageStep(100);
    }
    LblScoreRep = scoreDigit("LblScoreRep", QStringLiteral("Score réponse ovarienne"));
    Label11 = resultText("Label11", QStringLiteral("Verdict de la réponse ovarienne"));
    auto* responseGrid = new QGridLayout;
    responseGrid->addWidget(caption(QStringLiteral("&E2"), TxtE2), 0, 0);
    responseGrid->addWidget(TxtE2, 0, 1);
    responseGrid->addWidget(HScroll2, 0, 2);
    responseGrid->addWidget(caption(QStringLiteral("&FSH"), TxtFSH), 1, 0);
    responseGrid->addWidget(TxtFSH, 1, 1);
    responseGrid->addWidget(HScroll3, 1, 2);
    responseGrid->addWidget(new QLabel(QStringLiteral("Score")), 2, 0);
    responseGrid->addWidget(LblScoreRep, 2, 1);
    responseGrid->addWidget(Label11, 2, 2);
    responseGrid->setColumnStretch(2, 1);
    for (QLineEdit* f : {TxtDateNaiss, TxtAge, TxtE2, TxtFSH})
        f->setMaximumWidth(100);
    for (QScrollBar* bar : {HScroll1, HScroll2, HScroll3}) {
        bar->setMinimumWidth(160);
        bar->setFocusPolicy(Qt::StrongFocus);
        // Right and Page Up raise the value, as on any value bar.
        bar->setInvertedControls(false);
    }

    // The embryos.
    Opt4 = radioButton("Opt4", QStringLiteral("Au moins 1 E. de score &4"));
    Opt3 = radioButton("Opt3", QStringLiteral("Au moins 1 E. de score &3"));
    Opt1 = radioButton("Opt1", QStringLiteral("Aucun E. de score 4 ni 3"));
    Opt4->setAccessibleName(QStringLiteral("Au moins 1 E. de score 4"));
    Opt3->setAccessibleName(QStringLiteral("Au moins 1 E. de score 3"));
    Opt1->setChecked(true);
    LblScoreE = scoreDigit("LblScoreE", QStringLiteral("Score Embr."));
    LblScoreE->setText(QStringLiteral("1"));
    Label13 = resultText("Label13", QStringLiteral("Verdict embryonnaire"));
    auto* embryoGrid = new QGridLayout;
    embryoGrid->addWidget(Opt4, 0, 0, 1, 3);
    embryoGrid->addWidget(Opt3, 1, 0, 1, 3);
    embryoGrid->addWidget(Opt1, 2, 0, 1, 3);
    embryoGrid->addWidget(new QLabel(QStringLiteral("Score Embr.")), 3, 0);
    embryoGrid->addWidget(LblScoreE, 3, 1);
    embryoGrid->addWidget(Label13, 3, 2);
    embryoGrid->setColumnStretch(2, 1);

    // The policy and the embryo pictures.
    LblScoreT = scoreDigit("LblScoreT", QStringLiteral("Score de transfert"));
    LblNbrE = scoreDigit("LblNbrE", QStringLiteral("Nbr. d'embryons pouvant être transfèrés"));
    Label12 = resultText("Label12", QStringLiteral("Verdict du transfert"));
    auto* policyGrid = new QGridLayout;
    policyGrid->addWidget(new QLabel(QStringLiteral("Score de transfert")), 0, 0);
    policyGrid->addWidget(LblScoreT, 0, 1);
    policyGrid->addWidget(new QLabel(QStringLiteral("Nbr. d'embryons  pouvant être transfèrés")), 1,
                          0);
    policyGrid->addWidget(LblNbrE, 1, 1);
    policyGrid->addWidget(Label12, 2, 0, 1, 2);
    // The policy above is the team's of its time; single-embryo transfer is today's rule.
    QLabel* historical = caption(QStringLiteral(
        "Score historique : le transfert d'un seul embryon est aujourd'hui la règle"));
    historical->setObjectName(QStringLiteral("LblHistorique"));
    policyGrid->addWidget(historical, 3, 0, 1, 3);
    policyGrid->setColumnStretch(2, 1);

    auto* pictures = new QVBoxLayout;
    QLabel** imageSlots[] = {&Image1, &Image2, &Image3, &Image4};
    const char* names[] = {"Image1", "Image2", "Image3", "Image4"};
    for (int i = 0; i < 4; ++i) {
        auto* image = new QLabel;
        image->setObjectName(QString::fromLatin1(names[i]));
        image->setPixmap(picture(QStringLiteral("embryo")));
        image->setAccessibleName(QStringLiteral("Embryon %1").arg(i + 1));
        image->setFixedSize(52, 52);
        image->setAlignment(Qt::AlignCenter);
        image->hide();
        pictures->addWidget(image);
        *imageSlots[i] = image;
    }
    pictures->addStretch();

    BtnCalcule = button("BtnCalcule", QStringLiteral("&Calcule"));
    BtnEfface = button("BtnEfface", QStringLiteral("Effa&ce"));
    BtnQuitter = button("BtnQuitter", QStringLiteral("&Quitter"));
    BtnCalcule->setDefault(true);

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
    layout->addLayout(row({BtnCalcule, BtnEfface, BtnQuitter}));

    setReadingOrder({TxtDateNaiss, TxtAge, HScroll1, TxtE2, HScroll2, TxtFSH, HScroll3, Opt4, Opt3,
                     Opt1, BtnCalcule, BtnEfface, BtnQuitter});
    setEscapeButton(BtnQuitter);

    fillsField(HScroll1, TxtAge);
    fillsField(HScroll2, TxtE2);
    fillsField(HScroll3, TxtFSH);
    connect(TxtDateNaiss, &QLineEdit::textChanged, this, &TransferScoreWindow::dateOfBirthChanged);
    connect(TxtAge, &QLineEdit::textChanged, this, &TransferScoreWindow::ageChanged);
    connect(TxtE2, &QLineEdit::textChanged, this, &TransferScoreWindow::responseChanged);
    connect(TxtFSH, &QLineEdit::textChanged, this, &TransferScoreWindow::responseChanged);
    for (QRadioButton* o : {Opt4, Opt3, Opt1})
        connect(o, &QRadioButton::toggled, this, [this](bool on) {
            if (on) embryoChosen();
        });
    connect(BtnCalcule, &QPushButton::clicked, this, &TransferScoreWindow::calcule);
    connect(BtnEfface, &QPushButton::clicked, this, &TransferScoreWindow::efface);
    connect(BtnQuitter, &QPushButton::clicked, this, &QWidget::close);
    connect(about, &QAction::triggered, this, [this] { showCompanion<TransferMethodWindow>(); });
    // The verdict of the option chosen is shown from the start, as after any choice.
    embryoChosen();
    // The date of birth of the patient of the consultation, unless another is typed here.
    followPatient(TxtDateNaiss, this->windows().patient(), PatientField::BirthDate,
                  platform().clock.today());
    placeOnScreen();
}

void TransferScoreWindow::closeEvent(QCloseEvent* event) {
    closeCompanion<TransferMethodWindow>();
    ToolWindow::closeEvent(event);
}

void TransferScoreWindow::dateOfBirthChanged() {
    const auto birth = dateIn(TxtDateNaiss);
    if (!birth) return;
    TxtAge->setText(QString::number(transferAgeFromBirth(*birth, platform().clock.today())));
}

void TransferScoreWindow::ageChanged() {
    forgetTransferScore();
    const auto age = numberIn(TxtAge);
    if (!age || !limitRefusal(kFertilityAgeLimit, *age).empty()) {
        // No score stays beside an age that gives none (no number, or none a woman can have).
        ageScore_.reset();
        LblScoreAge->clear();
        Label5->clear();
        return;
    }
    const CriterionScore s = transferAgeScore(*age);
    ageScore_ = s.score;
    LblScoreAge->setText(QString::number(s.score));
    Label5->setText(QString::fromStdString(s.verdict));
}

void TransferScoreWindow::responseChanged() {
    forgetTransferScore();
    const auto e2 = numberIn(TxtE2);
    const auto fsh = numberIn(TxtFSH);
    const auto ratio = e2 && fsh ? ovarianResponseRatio(*e2, *fsh) : std::nullopt;
    if (!ratio) {
        // A field emptied, garbled or holding no FSH units gives no score.
        responseScore_.reset();
        LblScoreRep->clear();
        Label11->clear();
        return;
    }
    const CriterionScore s = ovarianResponseScore(*ratio);
    responseScore_ = s.score;
    LblScoreRep->setText(QString::number(s.score));
    Label11->setText(QString::fromStdString(s.verdict));
}

// The transfer score is computed on "Calcule": a criterion changed since
// empties it, so that it never stands beside criteria it was not computed from.
void TransferScoreWindow::forgetTransferScore() {
    LblScoreT->clear();
    LblNbrE->clear();
    Label12->clear();
    for (QLabel* image : {Image1, Image2, Image3, Image4})
        image->hide();
}

void TransferScoreWindow::embryoChosen() {
    const EmbryoQuality q = Opt4->isChecked()   ? EmbryoQuality::AtLeastOneScore4
                            : Opt3->isChecked() ? EmbryoQuality::AtLeastOneScore3
                                                : EmbryoQuality::NoScore4Nor3;
    const CriterionScore s = embryoQualityScore(q);
    forgetTransferScore();
    embryoScore_ = s.score;
    LblScoreE->setText(QString::number(s.score));
    Label13->setText(QString::fromStdString(s.verdict));
}

void TransferScoreWindow::calcule() {
    forgetTransferScore();
    const auto age = numberIn(TxtAge);
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
    LblScoreT->setText(QString::number(total));
    LblNbrE->setText(QString::number(policy.embryos));
    Label12->setText(QString::fromStdString(policy.verdict));
    int shown = 0;
    for (QLabel* image : {Image1, Image2, Image3, Image4})
        image->setVisible(shown++ < policy.embryos);
}

void TransferScoreWindow::efface() {
    for (QLineEdit* f : {TxtDateNaiss, TxtAge, TxtE2, TxtFSH})
        f->clear();
    LblScoreAge->clear();
    LblScoreRep->clear();
    // Nothing entered before survives: the next score needs a fresh age and ratio.
    ageScore_.reset();
    responseScore_.reset();
    Opt1->setChecked(true);
    embryoScore_ = 1;
    LblScoreE->setText(QStringLiteral("1"));
    LblScoreT->clear();
    LblNbrE->clear();
    for (QLabel* image : {Image1, Image2, Image3, Image4})
        image->hide();
    for (QLabel* l : {Label5, Label11, Label12})
        l->clear();
    embryoChosen(); // the first option and its verdict, as in a window just opened
    TxtDateNaiss->setFocus();
}

TransferMethodWindow::TransferMethodWindow(WindowRegistry& windows)
    : ToolWindow(windows, "Form19", QStringLiteral("A propos")) {
    Text1 = named(new QPlainTextEdit, "Text1",
                  QStringLiteral("Méthode de calcul du score de transfert"));
    Text1->setReadOnly(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The text keeps CR LF between its lines; the editor wants line feeds.
    Text1->setPlainText(QString::fromStdString(transferMethodText())
                            .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QFont mono = Text1->font();
    mono.setFamily(QStringLiteral("DejaVu Sans Mono"));
    Text1->setFont(mono);
    Text1->setMinimumSize(Text1->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 84,
                          Text1->fontMetrics().height() * 20);
    BtnFermer = button("BtnFermer", QStringLiteral("&Fermer"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Text1);
    layout->addLayout(row({BtnFermer}));
    setEscapeButton(BtnFermer);
    connect(BtnFermer, &QPushButton::clicked, this, &QWidget::close);
    placeOnScreen();
}

// "Copier les résultats": the data as typed and the embryos chosen, each
// score with its verdict and the number of embryos to transfer. The embryos'
// score alone (shown from the start) is no result to copy.
ResultsText TransferScoreWindow::resultsText() const {
    ResultsText t;
    t.title = windowTitle();
    t.inputsOf({TxtDateNaiss, TxtAge, TxtE2, TxtFSH});
    t.choice(QStringLiteral("Embryons"), {Opt4, Opt3, Opt1});
    if (shownText(LblScoreAge).isEmpty() && shownText(LblScoreRep).isEmpty() &&
        shownText(LblScoreT).isEmpty())
        return t;
    t.resultsOf({LblScoreAge, Label5, LblScoreRep, Label11, LblScoreE, Label13});
    t.result(LblScoreT, {}, QStringLiteral("CHU de La Grave, Pr J. Parrinaud"));
    t.resultsOf({LblNbrE, Label12});
    return t;
}

} // namespace tovimar
