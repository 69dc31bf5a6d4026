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

    lastPeriod = lineEdit("DateDR", QStringLiteral("DDR"));
    startOfPregnancy = lineEdit("DateDG", QStringLiteral("Début de grossesse"));
    for (QLineEdit* date : {lastPeriod, startOfPregnancy}) {
        date->setMaximumWidth(110);
        date->setToolTip(QStringLiteral("JJ/MM/AAAA ; double clic : calendrier"));
        // Only what a date is written with; other keys are simply ignored.
        acceptDateCharacters(date, [] {});
    }
    offerOwnCalendar<PretermStartCalendar>(startOfPregnancy, windows());
    offerOwnCalendar<PretermLmpCalendar>(lastPeriod, windows());
    auto* dates = new QHBoxLayout;
    dates->addWidget(frame(QStringLiteral("DDR"), lastPeriod));
    dates->addWidget(frame(QStringLiteral("Début gross. "), startOfPregnancy));
    dates->addStretch();
    layout->addLayout(dates);

    // The age, held as text for the risk; never shown.
    ageInWeeksField = lineEdit("Text1", QStringLiteral("Âge gestationnel"), true);
    ageInWeeksField->setParent(this); // hidden, but owned by the window like every control
    ageInWeeksField->hide();
    gestationalAge = resultText("LblSA", QStringLiteral("Âge gestationnel aujourd'hui"));
    gestationalAge->setStyleSheet("font-weight: bold");
    meanWeightCaption =
        caption(QStringLiteral("Poids foetal moyen estimé à cet age de grossesse :"));
    meanWeightCaption->setObjectName("Label1");
    meanFetalWeight = resultText("LblPds", QStringLiteral("Poids foetal moyen estimé"));
    meanFetalWeight->setStyleSheet("font-weight: bold");
    meanFetalWeight->setMinimumWidth(60);
    layout->addWidget(gestationalAge);
    layout->addLayout(row({meanWeightCaption, meanFetalWeight}));

    cervixLength = lineEdit("TxtCol", QStringLiteral("Longueur du col en (mm)"));
    cervixLength->setMaximumWidth(60);
    cervixLength->setAlignment(Qt::AlignRight);
    acceptDigitsOnly(cervixLength);
    cervixLengthSlider = named(new QSlider(Qt::Horizontal), "Slider1",
                               QStringLiteral("Longueur du col en millimètres, curseur"));
    cervixLengthSlider->setRange(0, kLongestCervixMm);
    cervixLengthSlider->setSingleStep(1);
    cervixLengthSlider->setPageStep(5);
    cervixLengthSlider->setMinimumWidth(180);
    auto* cervix = new QHBoxLayout;
    cervix->addWidget(caption(QStringLiteral("Longueur du col en (mm)"), cervixLength));
    cervix->addWidget(cervixLength);
    cervix->addWidget(cervixLengthSlider, 1);
    layout->addLayout(cervix);

    fibronectin_ = new QButtonGroup(this);
    positiveFibronectin = radioIn(fibronectin_, "OpPosFibro", QStringLiteral("Positif"));
    negativeFibronectin = radioIn(fibronectin_, "OpNegFibro", QStringLiteral("Négatif"));
    positiveFibronectin->setAccessibleName(QStringLiteral("Test à la fibronectine positif"));
    negativeFibronectin->setAccessibleName(QStringLiteral("Test à la fibronectine négatif"));
    layout->addWidget(frame(QStringLiteral("Test à la FIBRONECTINE"),
                            row({positiveFibronectin, negativeFibronectin})));

    previousPretermBox = checkBox("ChkPrema", QStringLiteral("ATCD d'Accouchement prématuré"));
    layout->addWidget(previousPretermBox);

    parity_ = new QButtonGroup(this);
    nulliparous = radioIn(parity_, "OpNulli", QStringLiteral("Nullipare"));
    multiparous = radioIn(parity_, "OpMulti", QStringLiteral("Multipare"));
    parityPanel = frame(QStringLiteral("Parité"), row({nulliparous, multiparous}));
    parityPanel->setObjectName("FrParite");
    layout->addWidget(parityPanel);

    pretermRisk = resultText("LblResultat", QStringLiteral("Risque d'Acct prématuré"));
    pretermRisk->setAlignment(Qt::AlignCenter);
    pretermRisk->setMinimumHeight(48);
    QFont big = pretermRisk->font();
    big.setPointSize(24);
    big.setBold(true);
    pretermRisk->setFont(big);
    // White on a red dark enough to read (WCAG AA); the red shows only with a result.
    showAlarm(pretermRisk);
    pretermRisk->setAutoFillBackground(false);
    riskPanel = frame(QStringLiteral("Risque d'Acct prématuré"), pretermRisk);
    riskPanel->setObjectName("Frame6");
    layout->addWidget(riskPanel);
    // The table's sources screened women without symptoms, not women seen for a threatened
    // preterm labour.
    QLabel* historical = caption(QStringLiteral("Tableau historique : établi chez des femmes sans "
                                                "symptômes, non lors d'une menace"),
                                 nullptr, true);
    historical->setObjectName(QStringLiteral("LblHistorique"));
    layout->addWidget(historical);

    computeButton = button("CmdCalcule", QStringLiteral("Go"));
    clearButton = button("CmdEfface", QStringLiteral("Nouveau"));
    quitButton = button("Command1", QStringLiteral("Quitter"));
    computeButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(computeButton);
    buttons->addWidget(clearButton);
    buttons->addStretch();
    buttons->addWidget(quitButton);
    layout->addLayout(buttons);

    connect(lastPeriod, &QLineEdit::textChanged, this, &PretermLabourWindow::onLastPeriodChanged);
    connect(startOfPregnancy, &QLineEdit::textChanged, this,
            &PretermLabourWindow::onStartOfPregnancyChanged);
    connect(cervixLength, &QLineEdit::textEdited, this, &PretermLabourWindow::onCervixTyped);
    fillsField(cervixLengthSlider, cervixLength);
    connect(previousPretermBox, &QCheckBox::toggled, this,
            &PretermLabourWindow::onPreviousPretermToggled);
    connect(cervixLength, &QLineEdit::textChanged, this, &PretermLabourWindow::forgetResult);
    connect(previousPretermBox, &QCheckBox::toggled, this, &PretermLabourWindow::forgetResult);
    for (QButtonGroup* group : {fibronectin_, parity_})
        connect(group, &QButtonGroup::buttonToggled, this, &PretermLabourWindow::forgetResult);
    connect(computeButton, &QPushButton::clicked, this, &PretermLabourWindow::computeRisk);
    connect(clearButton, &QPushButton::clicked, this, &PretermLabourWindow::clearWindow);
    connect(quitButton, &QPushButton::clicked, this, &QWidget::close);

    setReadingOrder({lastPeriod, startOfPregnancy, cervixLength, cervixLengthSlider,
                     positiveFibronectin, negativeFibronectin, previousPretermBox, nulliparous,
                     multiparous, computeButton, clearButton, quitButton});
    setEscapeButton(quitButton);
    placeOnScreen();
}

void PretermLabourWindow::setStartOfPregnancy(const QString& text) {
    startOfPregnancy->setText(text);
}

void PretermLabourWindow::onLastPeriodChanged() {
    const auto lmp = dateIn(lastPeriod);
    if (!lmp) return;
    if (const auto start = startFromLmp(*lmp)) startOfPregnancy->setText(text(start->toText()));
}

void PretermLabourWindow::onStartOfPregnancyChanged() {
    const auto start = dateIn(startOfPregnancy);
    if (!start) {
        // No age of a start that is not (or no longer) a date, nor a risk from it.
        ageInWeeks_.reset();
        ageInWeeksField->clear();
        gestationalAge->clear();
        meanFetalWeight->clear();
        forgetResult();
        return;
    }
    // A new start of pregnancy: the answers given for the previous one are cleared.
    clearAnswers();
    const std::optional<PretermAge> age = AGE_POIDS_MAP(*start, platform().clock.today());
    if (!age) {
        // A date so far away gives no usable age: nothing of the previous one stays.
        ageInWeeks_.reset();
        ageInWeeksField->clear();
        gestationalAge->clear();
        meanFetalWeight->clear();
        return;
    }
    ageInWeeks_ = age->sa;
    gestationalAge->setText(text(age->lblSA));
    ageInWeeksField->setText(text(age->saText));
    meanFetalWeight->setText(text(age->lblPds));
}

void PretermLabourWindow::onCervixTyped() {
    // The slider follows a typed length it can show.
    const auto mm = numberIn(cervixLength);
    if (!mm || *mm < 0 || *mm > kLongestCervixMm) return;
    const QSignalBlocker quiet(cervixLengthSlider);
    cervixLengthSlider->setValue(static_cast<int>(*mm));
}

void PretermLabourWindow::onPreviousPretermToggled(bool ticked) {
    if (ticked) unselectAll(parity_);
    parityPanel->setVisible(!ticked);
}

void PretermLabourWindow::computeRisk() {
    PretermAnswers answers;
    answers.previousPreterm = previousPretermBox->isChecked();
    answers.parity = nulliparous->isChecked()   ? Parity::Nullipara
                     : multiparous->isChecked() ? Parity::Multipara
                                                : Parity::Unanswered;
    answers.fibronectin = positiveFibronectin->isChecked()   ? Fibronectin::Positive
                          : negativeFibronectin->isChecked() ? Fibronectin::Negative
                                                             : Fibronectin::Unanswered;
    answers.cervixText = cervixLength->text().toStdString();
    answers.sa = ageInWeeks_;
    const PretermRisk risk = RISQUE_MAP(answers);
    // A result always belongs to the answers on screen: none stays from an earlier "Go".
    pretermRisk->setText(text(risk.result));
    pretermRisk->setAutoFillBackground(!pretermRisk->text().isEmpty());
    if (!risk.message.empty()) platform().messages.inform(text(risk.message));
}

// The risk is computed on "Go": an answer changed since empties it, so that it
// never stands beside answers it was not computed from.
void PretermLabourWindow::forgetResult() {
    pretermRisk->clear();
    pretermRisk->setAutoFillBackground(false);
}

void PretermLabourWindow::clearAnswers() {
    forgetResult();
    parityPanel->show();
    unselectAll(parity_);
    unselectAll(fibronectin_);
    cervixLength->clear();
    {
        const QSignalBlocker quiet(cervixLengthSlider);
        cervixLengthSlider->setValue(0);
    }
    previousPretermBox->setChecked(false);
}

void PretermLabourWindow::clearWindow() {
    clearAnswers();
    meanFetalWeight->clear();
    gestationalAge->clear();
    startOfPregnancy->clear();
    lastPeriod->clear();
    ageInWeeksField->clear();
    ageInWeeks_.reset();
    startOfPregnancy->setFocus();
}

// "Copier les résultats": the dates and answers as given, the age of the
// pregnancy, the mean weight of its week and the risk read from the table.
ResultsText PretermLabourWindow::resultsText() const {
    ResultsText t;
    t.title = QStringLiteral("Menace d'accouchement prématuré");
    t.inputsOf({lastPeriod, startOfPregnancy, cervixLength});
    t.choice(QStringLiteral("Test à la fibronectine"), {positiveFibronectin, negativeFibronectin});
    t.tick(previousPretermBox);
    t.choice(QStringLiteral("Parité"), {nulliparous, multiparous});
    t.resultsOf({gestationalAge});
    t.result(meanFetalWeight, meanWeightCaption->text());
    t.result(pretermRisk, {}, QStringLiteral("tableau historique"));
    return t;
}

} // namespace tovimar
