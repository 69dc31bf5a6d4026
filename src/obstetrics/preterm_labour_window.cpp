// SPDX-License-Identifier: GPL-3.0-or-later
#include "obstetrics/preterm_labour_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "core/french_number.h"
#include "obstetrics/calendar_bounds.h"
#include "obstetrics/preterm_labour.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "ui/alarm_style.h"
#include "ui/controls.h"
#include "ui/date_field.h"
#include "ui/field_values.h"
#include "ui/key_filters.h"
#include "ui/results_text.h"
#include "ui/slider_field.h"
#include "ui/window_registry.h"

namespace tovimar {
namespace {

constexpr int kLongestCervixMm = 60;

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QRadioButton* radioIn(QButtonGroup* group, const char* name, const QString& caption) {
    auto* option = radioButton(name, caption);
    group->addButton(option);
    return option;
}

// Option buttons of one group, none of them selected.
void unselectAll(QButtonGroup* group) {
    group->setExclusive(false);
    for (QAbstractButton* option : group->buttons())
        option->setChecked(false);
    group->setExclusive(true);
}

} // namespace

PretermLabourWindow::PretermLabourWindow(WindowRegistry& windows)
    : ToolWindow(windows, "Main", QStringLiteral("MAP")) {
    build();
    installResultsCopy(this, nullptr, windows, [this] { return resultsText(); });
}

void PretermLabourWindow::build() {
    auto* layout = new QVBoxLayout(this);

    DateDR = lineEdit("DateDR", QStringLiteral("DDR"));
    DateDG = lineEdit("DateDG", QStringLiteral("Début de grossesse"));
    for (QLineEdit* date : {DateDR, DateDG}) {
        date->setMaximumWidth(110);
        date->setToolTip(QStringLiteral("JJ/MM/AAAA ; double clic : calendrier"));
        // Only what a date is written with; other keys are simply ignored.
        acceptDateCharacters(date, [] {});
    }
    offerOwnCalendar<PretermStartCalendar>(DateDG, windows());
    offerOwnCalendar<PretermLmpCalendar>(DateDR, windows());
    auto* dates = new QHBoxLayout;
    dates->addWidget(frame(QStringLiteral("DDR"), DateDR));
    dates->addWidget(frame(QStringLiteral("Début gross. "), DateDG));
    dates->addStretch();
    layout->addLayout(dates);

    // The age, held as text for the risk; never shown.
    Text1 = lineEdit("Text1", QStringLiteral("Âge gestationnel"), true);
    Text1->setParent(this); // hidden, but owned by the window like every control
    Text1->hide();
    LblSA = resultText("LblSA", QStringLiteral("Âge gestationnel aujourd'hui"));
    LblSA->setStyleSheet("font-weight: bold");
    Label1 = caption(QStringLiteral("Poids foetal moyen estimé à cet age de grossesse :"));
    Label1->setObjectName("Label1");
    LblPds = resultText("LblPds", QStringLiteral("Poids foetal moyen estimé"));
    LblPds->setStyleSheet("font-weight: bold");
    LblPds->setMinimumWidth(60);
    layout->addWidget(LblSA);
    layout->addLayout(row({Label1, LblPds}));

    TxtCol = lineEdit("TxtCol", QStringLiteral("Longueur du col en (mm)"));
    TxtCol->setMaximumWidth(60);
    TxtCol->setAlignment(Qt::AlignRight);
    acceptDigitsOnly(TxtCol);
    Slider1 = named(new QSlider(Qt::Horizontal), "Slider1",
                    QStringLiteral("Longueur du col en millimètres, curseur"));
    Slider1->setRange(0, kLongestCervixMm);
    Slider1->setSingleStep(1);
    Slider1->setPageStep(5);
    Slider1->setMinimumWidth(180);
    auto* cervix = new QHBoxLayout;
    cervix->addWidget(caption(QStringLiteral("Longueur du col en (mm)"), TxtCol));
    cervix->addWidget(TxtCol);
    cervix->addWidget(Slider1, 1);
    layout->addLayout(cervix);

    fibronectin_ = new QButtonGroup(this);
    OpPosFibro = radioIn(fibronectin_, "OpPosFibro", QStringLiteral("Positif"));
    OpNegFibro = radioIn(fibronectin_, "OpNegFibro", QStringLiteral("Négatif"));
    OpPosFibro->setAccessibleName(QStringLiteral("Test à la fibronectine positif"));
    OpNegFibro->setAccessibleName(QStringLiteral("Test à la fibronectine négatif"));
    layout->addWidget(
        frame(QStringLiteral("Test à la FIBRONECTINE"), row({OpPosFibro, OpNegFibro})));

    ChkPrema = checkBox("ChkPrema", QStringLiteral("ATCD d'Accouchement prématuré"));
    layout->addWidget(ChkPrema);

    parity_ = new QButtonGroup(this);
    OpNulli = radioIn(parity_, "OpNulli", QStringLiteral("Nullipare"));
    OpMulti = radioIn(parity_, "OpMulti", QStringLiteral("Multipare"));
    FrParite = frame(QStringLiteral("Parité"), row({OpNulli, OpMulti}));
    FrParite->setObjectName("FrParite");
    layout->addWidget(FrParite);

    LblResultat = resultText("LblResultat", QStringLiteral("Risque d'Acct prématuré"));
    LblResultat->setAlignment(Qt::AlignCenter);
    LblResultat->setMinimumHeight(48);
    QFont big = LblResultat->font();
    big.setPointSize(24);
    big.setBold(true);
    LblResultat->setFont(big);
    // White on a red dark enough to read (WCAG AA); the red shows only with a result.
    showAlarm(LblResultat);
    LblResultat->setAutoFillBackground(false);
    Frame6 = frame(QStringLiteral("Risque d'Acct prématuré"), LblResultat);
    Frame6->setObjectName("Frame6");
    layout->addWidget(Frame6);
    // The table's sources screened women without symptoms, not women seen for a threatened
    // preterm labour.
    QLabel* historical = caption(QStringLiteral("Tableau historique : établi chez des femmes sans "
                                                "symptômes, non lors d'une menace"),
                                 nullptr, true);
    historical->setObjectName(QStringLiteral("LblHistorique"));
    layout->addWidget(historical);

    CmdCalcule = button("CmdCalcule", QStringLiteral("Go"));
    CmdEfface = button("CmdEfface", QStringLiteral("Nouveau"));
    Command1 = button("Command1", QStringLiteral("Quitter"));
    CmdCalcule->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CmdCalcule);
    buttons->addWidget(CmdEfface);
    buttons->addStretch();
    buttons->addWidget(Command1);
    layout->addLayout(buttons);

    connect(DateDR, &QLineEdit::textChanged, this, &PretermLabourWindow::onDateDRChanged);
    connect(DateDG, &QLineEdit::textChanged, this, &PretermLabourWindow::onDateDGChanged);
    connect(TxtCol, &QLineEdit::textEdited, this, &PretermLabourWindow::onCervixTyped);
    fillsField(Slider1, TxtCol);
    connect(ChkPrema, &QCheckBox::toggled, this, &PretermLabourWindow::onPreviousPretermToggled);
    connect(TxtCol, &QLineEdit::textChanged, this, &PretermLabourWindow::forgetResult);
    connect(ChkPrema, &QCheckBox::toggled, this, &PretermLabourWindow::forgetResult);
    for (QButtonGroup* group : {fibronectin_, parity_})
        connect(group, &QButtonGroup::buttonToggled, this, &PretermLabourWindow::forgetResult);
    connect(CmdCalcule, &QPushButton::clicked, this, &PretermLabourWindow::computeRisk);
    connect(CmdEfface, &QPushButton::clicked, this, &PretermLabourWindow::clearWindow);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);

    setReadingOrder({DateDR, DateDG, TxtCol, Slider1, OpPosFibro, OpNegFibro, ChkPrema, OpNulli,
                     OpMulti, CmdCalcule, CmdEfface, Command1});
    setEscapeButton(Command1);
    placeOnScreen();
}

void PretermLabourWindow::setStartOfPregnancy(const QString& text) {
    DateDG->setText(text);
}

void PretermLabourWindow::onDateDRChanged() {
    const auto lmp = dateIn(DateDR);
    if (!lmp) return;
    if (const auto start = startFromLmp(*lmp)) DateDG->setText(text(start->toText()));
}

void PretermLabourWindow::onDateDGChanged() {
    const auto start = dateIn(DateDG);
    if (!start) {
        // No age of a start that is not (or no longer) a date, nor a risk from it.
        sa_.reset();
        Text1->clear();
        LblSA->clear();
        LblPds->clear();
        forgetResult();
        return;
    }
    // A new start of pregnancy: the answers given for the previous one are cleared.
    clearAnswers();
    const std::optional<PretermAge> age = AGE_POIDS_MAP(*start, platform().clock.today());
    if (!age) {
        // A date so far away gives no usable age: nothing of the previous one stays.
        sa_.reset();
        Text1->clear();
        LblSA->clear();
        LblPds->clear();
        return;
    }
    sa_ = age->sa;
    LblSA->setText(text(age->lblSA));
    Text1->setText(text(age->saText));
    LblPds->setText(text(age->lblPds));
}

void PretermLabourWindow::onCervixTyped() {
    // The slider follows a typed length it can show.
    const auto mm = numberIn(TxtCol);
    if (!mm || *mm < 0 || *mm > kLongestCervixMm) return;
    const QSignalBlocker quiet(Slider1);
    Slider1->setValue(static_cast<int>(*mm));
}

void PretermLabourWindow::onPreviousPretermToggled(bool ticked) {
    if (ticked) unselectAll(parity_);
    FrParite->setVisible(!ticked);
}

void PretermLabourWindow::computeRisk() {
    PretermAnswers answers;
    answers.previousPreterm = ChkPrema->isChecked();
    answers.parity = OpNulli->isChecked()   ? Parity::Nullipara
                     : OpMulti->isChecked() ? Parity::Multipara
                                            : Parity::Unanswered;
    answers.fibronectin = OpPosFibro->isChecked()   ? Fibronectin::Positive
                          : OpNegFibro->isChecked() ? Fibronectin::Negative
                                                    : Fibronectin::Unanswered;
    answers.cervixText = TxtCol->text().toStdString();
    answers.sa = sa_;
    const PretermRisk risk = RISQUE_MAP(answers);
    // A result always belongs to the answers on screen: none stays from an earlier "Go".
    LblResultat->setText(text(risk.result));
    LblResultat->setAutoFillBackground(!LblResultat->text().isEmpty());
    if (!risk.message.empty()) platform().messages.inform(text(risk.message));
}

// The risk is computed on "Go": an answer changed since empties it, so that it
// never stands beside answers it was not computed from.
void PretermLabourWindow::forgetResult() {
    LblResultat->clear();
    LblResultat->setAutoFillBackground(false);
}

void PretermLabourWindow::clearAnswers() {
    forgetResult();
    FrParite->show();
    unselectAll(parity_);
    unselectAll(fibronectin_);
    TxtCol->clear();
    {
        const QSignalBlocker quiet(Slider1);
        Slider1->setValue(0);
    }
    ChkPrema->setChecked(false);
}

void PretermLabourWindow::clearWindow() {
    clearAnswers();
    LblPds->clear();
    LblSA->clear();
    DateDG->clear();
    DateDR->clear();
    Text1->clear();
    sa_.reset();
    DateDG->setFocus();
}

// "Copier les résultats": the dates and answers as given, the age of the
// pregnancy, the mean weight of its week and the risk read from the table.
ResultsText PretermLabourWindow::resultsText() const {
    ResultsText t;
    t.title = QStringLiteral("Menace d'accouchement prématuré");
    t.inputsOf({DateDR, DateDG, TxtCol});
    t.choice(QStringLiteral("Test à la fibronectine"), {OpPosFibro, OpNegFibro});
    t.tick(ChkPrema);
    t.choice(QStringLiteral("Parité"), {OpNulli, OpMulti});
    t.resultsOf({LblSA});
    t.result(LblPds, Label1->text());
    t.result(LblResultat, {}, QStringLiteral("tableau historique"));
    return t;
}

} // namespace tovimar
