// SPDX-License-Identifier: GPL-3.0-or-later
// The biometry window's results computed on demand: the ratios of the
// measurements, the estimated fetal weights and the customised weight
// centile; each panel's controls, wiring and reactions.
#include "biometry/biometry_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <climits>
#include <cmath>

#include "biometry/biometry_colours.h"
#include "biometry/biometry_report.h"
#include "biometry/customised_centile.h"
#include "biometry/fetal_weight.h"
#include "biometry/percentile_band.h"
#include "biometry/plausible_measures.h"
#include "biometry/reference_charts.h"
#include "biometry/todays_examination.h"
#include "core/french_number.h"
#include "core/vb_date.h"
#include "dating/pregnancy_dating.h"
#include "platform/clock.h"
#include "platform/help_viewer.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/text_prompt.h"
#include "ui/alarm_style.h"
#include "ui/controls.h"
#include "ui/date_field.h"
#include "ui/field_values.h"
#include "ui/key_filters.h"
#include "ui/results_text.h"
#include "ui/slider_field.h"
#include "ui/window_registry.h"
#include "utilities/practice_options_access.h"

namespace tovimar {
namespace {

const QString kNotANumberMessage = QStringLiteral(
    "Une mesure saisie n'est pas un nombre utilisable (utilisez la virgule décimale) : "
    "l'estimation qui en dépend n'est pas calculée.");

const QString kRatioNotANumberMessage = QStringLiteral(
    "Une mesure saisie n'est pas un nombre (utilisez la virgule décimale) : le rapport qui en "
    "dépend n'est pas calculé.");

// The position of the entry the list's text names; -1 when it names none.
int position(const QComboBox* list) {
    return list->findText(list->currentText(), Qt::MatchFixedString | Qt::MatchCaseSensitive);
}

} // namespace

// The ratios, the weights and the customised centile: each computed on demand,
// each emptied when what it was computed from changes.
void BiometryWindow::connectResultsPanels() {
    connect(computeRatiosButton, &QPushButton::clicked, this, &BiometryWindow::computeRatios);
    connect(computeWeightsButton, &QPushButton::clicked, this, &BiometryWindow::computeWeights);
    connect(computeCentileButton, &QPushButton::clicked, this,
            &BiometryWindow::computeCustomisedCentile);
    connect(eraseCustomisedButton, &QPushButton::clicked, this, &BiometryWindow::eraseCustomised);
    connect(daysOfPregnancy, &QLineEdit::textChanged, this, &BiometryWindow::daysChanged);
    connect(customisedWeeks, &QLineEdit::textEdited, this, &BiometryWindow::weeksTyped);
    onUserMove(customisedWeeksSlider, [this](int weeks) {
        customisedWeeks->setText(QString::number(weeks));
        daysOfPregnancy->setText(QString::number(7 * weeks - 14));
    });
    for (QLineEdit* input :
         {motherWeight, motherHeight, daysOfPregnancy, customisedWeeks, estimatedFetalWeight})
        connect(input, &QLineEdit::textChanged, this, &BiometryWindow::forgetCustomisedCentile);
    for (QComboBox* list : {fetalSex, ethnicity, parity}) {
        connect(list, &QComboBox::currentIndexChanged, this,
                &BiometryWindow::forgetCustomisedCentile);
        connect(list, &QComboBox::editTextChanged, this, &BiometryWindow::forgetCustomisedCentile);
    }
}

QGroupBox* BiometryWindow::buildRatios() {
    computeRatiosButton = button("Command1", QStringLiteral("C&alcule"));
    // Two buttons read "Calcule": each is named by what it computes.
    computeRatiosButton->setAccessibleName(QStringLiteral("Calcule les rapports"));
    orbitalToBiparietal = lineEdit("DioBip", QStringLiteral("Dio / Bip"), true);
    footToFemur = lineEdit("FemPied", QStringLiteral("Pied / Fem"), true);
    for (QLineEdit* f : {orbitalToBiparietal, footToFemur}) {
        colour(f, Qt::black, kCyan);
        f->setMaximumWidth(70);
    }
    auto* grid = new QGridLayout;
    grid->addWidget(computeRatiosButton, 0, 0, 2, 1);
    grid->addWidget(caption(QStringLiteral("Dio / Bip"), orbitalToBiparietal), 0, 1);
    grid->addWidget(orbitalToBiparietal, 0, 2);
    grid->addWidget(caption(QStringLiteral("Pied / Fem"), footToFemur), 1, 1);
    grid->addWidget(footToFemur, 1, 2);
    return frame(QStringLiteral("Rapports"), grid);
}

QGroupBox* BiometryWindow::buildWeights() {
    hadlockWeight = lineEdit("TxtPoids2", QStringLiteral("Poids estimé, Hadlock"), true);
    shepardWeight = lineEdit("TxtPoids1", QStringLiteral("Poids estimé, Shephard"), true);
    dudleyWeight = lineEdit("TxtPoids0", QStringLiteral("Poids estimé, Dudley"), true);
    colour(hadlockWeight, Qt::black, kOrange);
    colour(shepardWeight, Qt::black, kGreen);
    colour(dudleyWeight, Qt::black, kGreen);
    computeWeightsButton = button("Command2", QStringLiteral("Calc&ule"));
    computeWeightsButton->setAccessibleName(QStringLiteral("Calcule les poids"));
    theoreticalWeightLabel = resultText("Label22", QStringLiteral("Poids théorique, Hadlock"));
    tintText(theoreticalWeightLabel, kRed);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Poids estimé")), 0, 0, 1, 2);
    grid->addWidget(caption(QStringLiteral("Hadlock"), hadlockWeight), 1, 0);
    grid->addWidget(hadlockWeight, 1, 1);
    grid->addWidget(caption(QStringLiteral("Shephard"), shepardWeight), 2, 0);
    grid->addWidget(shepardWeight, 2, 1);
    grid->addWidget(caption(QStringLiteral("Dudley"), dudleyWeight), 3, 0);
    grid->addWidget(dudleyWeight, 3, 1);
    grid->addWidget(computeWeightsButton, 4, 0, 1, 2);
    auto* theoretical = new QHBoxLayout;
    theoretical->addWidget(new QLabel(QStringLiteral("Hadlock")));
    theoretical->addWidget(theoreticalWeightLabel, 1);
    grid->addWidget(frame(QStringLiteral("Poids Théorique"), theoretical), 5, 0, 1, 2);
    return frame(QStringLiteral("Poids"), grid);
}

QGroupBox* BiometryWindow::buildCustomised() {
    motherWeight = lineEdit("TxtPds", QStringLiteral("Poids (Kgs) maternel"));
    motherHeight = lineEdit("TxtTaille", QStringLiteral("Taille (cm) de la mère"));
    fetalSex = comboBox("CmbSexe", QStringLiteral("Sexe Foetal"), true);
    fetalSex->addItems({QStringLiteral("Masculin"), QStringLiteral("Féminin")});
    fetalSex->setCurrentIndex(1);
    ethnicity = comboBox("CmbEthnie", QStringLiteral("Ethnie"), true);
    ethnicity->addItems({QStringLiteral("Européenne"), QStringLiteral("Indienne"),
                         QStringLiteral("Pakistannais"), QStringLiteral("Bangladesh"),
                         QStringLiteral("Afro-Caraibe"), QStringLiteral("Africaine"),
                         QStringLiteral("Moyen Orient"), QStringLiteral("Extreme Orient"),
                         QStringLiteral("Asie Sud Est"), QStringLiteral("Autres")});
    ethnicity->setCurrentIndex(0);
    parity = comboBox("CmbParite", QStringLiteral("Parité"), true);
    for (int p = 0; p <= 9; ++p)
        parity->addItem(QString::number(p));
    parity->setCurrentIndex(-1);
    parity->clearEditText();
    daysOfPregnancy = lineEdit("TxtNbrJours", QStringLiteral("Nbr. de jours de G"));
    customisedWeeks = lineEdit("TxtNbrSA", QStringLiteral("En S.A."));
    customisedWeeksSlider = scrollBar("SaGScroll", QStringLiteral("En S.A., réglage"), 13, 41, 22);
    estimatedFetalWeight = lineEdit("TxtPoidsF", QStringLiteral("Poids Foetal estimé"));
    for (QLineEdit* f : {motherWeight, motherHeight, daysOfPregnancy, customisedWeeks}) {
        colour(f, Qt::black, kGreen);
        acceptDecimal(f);
        f->setMaximumWidth(80);
    }
    colour(estimatedFetalWeight, Qt::black, kOrange);
    acceptDecimal(estimatedFetalWeight);
    estimatedFetalWeight->setMaximumWidth(80);
    computeCentileButton = button("Command3", QStringLiteral("Calcule le Centile"));
    eraseCustomisedButton = button("Command4", QStringLiteral("Efface"));
    expectedWeightLabel = resultLabel("LblPdsCustom", QStringLiteral("Poids customisé attendu"));
    centileLabel = resultLabel("LblCentile", QStringLiteral("Centile"));
    centileLabel->setMinimumWidth(50);
    centileLabel->setAlignment(Qt::AlignCenter);

    auto* grid = new QGridLayout;
    auto put = [&](int r, int c, const QString& text, QWidget* w) {
        grid->addWidget(caption(text, w), r, c);
        grid->addWidget(w, r, c + 1);
    };
    put(0, 0, QStringLiteral("Poids (Kgs) maternel"), motherWeight);
    put(0, 2, QStringLiteral("Taille (cm) de la mère"), motherHeight);
    put(1, 0, QStringLiteral("Sexe Foetal"), fetalSex);
    put(1, 2, QStringLiteral("Ethnie"), ethnicity);
    put(2, 0, QStringLiteral("Parité"), parity);
    put(3, 0, QStringLiteral("Nbr. de jours de G"), daysOfPregnancy);
    put(3, 2, QStringLiteral("En S.A."), customisedWeeks);
    grid->addWidget(customisedWeeksSlider, 4, 2, 1, 2);
    put(5, 0, QStringLiteral("Poids Foetal estimé"), estimatedFetalWeight);
    grid->addWidget(computeCentileButton, 6, 0, 1, 2);
    grid->addWidget(eraseCustomisedButton, 6, 2, 1, 2);
    put(7, 0, QStringLiteral("Poids customisé attendu"), expectedWeightLabel);
    put(7, 2, QStringLiteral("Centile"), centileLabel);
    return frame(QStringLiteral("Percentile du Poids foetal customisé selon Gardosi"), grid);
}

// A measurement field as a number a fetus can have: an implausible one is
// told once per press, an unreadable one flagged for the general message.
std::optional<double> BiometryWindow::usableMeasure(Measure m, MeasureCheck& check) const {
    const auto value = numberIn(field(m));
    if (!value) {
        check.unreadable = true;
        return std::nullopt;
    }
    if (const auto message = implausibleMeasureMessage(m, *value)) {
        if (check.told.insert(measureIndex(m)).second) platform().messages.inform(shown(*message));
        return std::nullopt;
    }
    return value;
}

void BiometryWindow::computeWeights() {
    Messages& messages = platform().messages;
    // No weight of earlier measurements stays beside these.
    for (QLineEdit* box : {dudleyWeight, shepardWeight, hadlockWeight})
        box->clear();
    MeasureCheck check;
    if (biparietalField->text().isEmpty() || abdominalField->text().isEmpty()) {
        messages.inform(shown(std::string(kShepardFieldsMessage)));
    } else {
        const auto bip = usableMeasure(Measure::Bip, check), ca = usableMeasure(Measure::CA, check);
        const auto shepard = bip && ca ? POIDS_SHEPHARD(*bip, *ca) : std::nullopt;
        if (shepard) shepardWeight->setText(shown(gramsText(*shepard)));
        // Hadlock's fields missing are named by the Dudley message below.
        if (!headField->text().isEmpty() && !femurField->text().isEmpty()) {
            const auto cc = usableMeasure(Measure::Cc, check),
                       fem = usableMeasure(Measure::Fem, check);
            const auto hadlock = cc && ca && fem ? POIDS_HADLOCK(*cc, *ca, *fem) : std::nullopt;
            if (hadlock) {
                hadlockWeight->setText(shown(gramsText(*hadlock)));
                estimatedFetalWeight->setText(QString::number(*hadlock));
            }
        }
    }
    if (abdominalField->text().isEmpty() || headField->text().isEmpty() ||
        femurField->text().isEmpty()) {
        messages.inform(shown(std::string(kDudleyFieldsMessage)));
    } else {
        const auto cc = usableMeasure(Measure::Cc, check), ca = usableMeasure(Measure::CA, check),
                   fem = usableMeasure(Measure::Fem, check);
        const auto dudley = cc && ca && fem ? POIDS_DUDLEY(*cc, *ca, *fem) : std::nullopt;
        if (dudley) dudleyWeight->setText(shown(gramsText(*dudley)));
    }
    if (check.unreadable) messages.inform(kNotANumberMessage);
}

void BiometryWindow::computeRatios() {
    footToFemur->clear();
    orbitalToBiparietal->clear();
    if (footField->text().isEmpty() || femurField->text().isEmpty() ||
        orbitalField->text().isEmpty() || biparietalField->text().isEmpty()) {
        platform().messages.inform(shown(std::string(kRatioFieldsMessage)));
        return;
    }
    MeasureCheck check;
    const auto pied = usableMeasure(Measure::Pied, check), fem = usableMeasure(Measure::Fem, check),
               orb = usableMeasure(Measure::Orb, check), bip = usableMeasure(Measure::Bip, check);
    // A zero divisor leaves its ratio empty; the other is still shown.
    const auto footFemur = pied && fem ? ratioText(*pied, *fem) : std::nullopt;
    const auto orbitBip = orb && bip ? ratioText(*orb, *bip) : std::nullopt;
    footToFemur->setText(footFemur ? shown(*footFemur) : QString());
    orbitalToBiparietal->setText(orbitBip ? shown(*orbitBip) : QString());
    if (check.unreadable) platform().messages.inform(kRatioNotANumberMessage);
}

void BiometryWindow::computeCustomisedCentile() {
    forgetCustomisedCentile();
    const auto days = numberIn(daysOfPregnancy), weight = numberIn(motherWeight),
               height = numberIn(motherHeight), fetal = numberIn(estimatedFetalWeight);
    const CustomisedCentile c =
        days && weight && height && fetal
            ? CENTILE_GARDOSI(*days, *weight, *height, *fetal, position(fetalSex),
                              position(ethnicity), position(parity))
            : CustomisedCentile{};
    switch (c.status) {
    case CustomisedCentile::Status::BadInput:
        platform().messages.inform(
            QStringLiteral("Le centile customisé demande le poids (kg) et la taille (cm) de la "
                           "mère, le nombre de jours de grossesse et le poids foetal (g), en "
                           "nombres."));
        return;
    case CustomisedCentile::Status::OutOfRange:
        platform().messages.inform(shown(std::string(kCustomisedRangeMessage)));
        return;
    case CustomisedCentile::Status::Computed:
        break;
    }
    showCentile(QString::number(c.expectedWeight) + QStringLiteral("g"), QString::number(c.centile),
                c.alarm);
}

void BiometryWindow::showCentile(const QString& expectedWeight, const QString& centile,
                                 bool alarm) {
    expectedWeightLabel->setText(expectedWeight);
    centileLabel->setText(centile);
    centileAlarm_ = alarm;
    if (alarm)
        showAlarm(centileLabel);
    else
        colour(centileLabel, Qt::black, kOrange);
}

// The customised centile is computed on its button: an input changed since
// empties it, so that it never stands beside values it was not computed from.
void BiometryWindow::forgetCustomisedCentile() {
    expectedWeightLabel->clear();
    centileLabel->clear();
    centileAlarm_ = false;
    // Back to the empty result box of a fresh window (not the window's grey).
    centileLabel->setPalette(QPalette());
    centileLabel->setAutoFillBackground(true);
}

void BiometryWindow::eraseCustomised() {
    for (QLineEdit* f :
         {daysOfPregnancy, customisedWeeks, motherWeight, motherHeight, estimatedFetalWeight})
        f->clear();
    for (QComboBox* list : {ethnicity, parity, fetalSex}) {
        list->setCurrentIndex(-1);
        list->clearEditText();
    }
    forgetCustomisedCentile();
}

void BiometryWindow::daysChanged() {
    // The weeks are not rewritten while the practitioner is typing them ("22," stays).
    if (weeksBeingTyped_) return;
    // Days that are no number give no weeks: none of earlier days stay.
    const auto days = numberIn(daysOfPregnancy);
    customisedWeeks->setText(days ? shown(weeksFromDaysText(*days)) : QString());
}

void BiometryWindow::weeksTyped() {
    const auto weeks = numberIn(customisedWeeks);
    weeksBeingTyped_ = true;
    daysOfPregnancy->setText(weeks ? shown(daysFromWeeksText(*weeks)) : QString());
    weeksBeingTyped_ = false;
}

} // namespace tovimar
