// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "ui/controls.h"
#include "ui/date_field.h"
#include "ui/key_filters.h"
#include "ui/results_text.h"
#include "ui/slider_field.h"
#include "ui/window_registry.h"
#include "utilities/practice_options_access.h"

namespace tovimar {
namespace {

const QColor kOrange(0xFF, 0xC0, 0x80);
const QColor kYellow(0xFF, 0xFF, 0xC0);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kGreen(0xC0, 0xFF, 0xC0);
const QColor kCyan(0xC0, 0xFF, 0xFF);

const QString kNotANumberMessage = QStringLiteral(
    "Une mesure saisie n'est pas un nombre utilisable (utilisez la virgule décimale) : "
    "l'estimation qui en dépend n'est pas calculée.");
const QString kRatioNotANumberMessage = QStringLiteral(
    "Une mesure saisie n'est pas un nombre (utilisez la virgule décimale) : le rapport qui en "
    "dépend n'est pas calculé.");

std::optional<double> number(const QLineEdit* field) {
    return readFrenchNumber(field->text().toStdString());
}

std::optional<VbDate> date(const QLineEdit* field) {
    return readFrenchDate(field->text().toStdString());
}

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// Blue at 8 points, or red at 10 points for a band that calls for attention
// (both read on the window, light or dark, at the AA level of the
// accessibility guidelines).
void styleBand(QLabel* label, bool emphasised) {
    QFont font = label->font();
    font.setPointSizeF(emphasised ? 10 : 8);
    label->setFont(font);
    tintText(label, emphasised ? kReadableRed : QColor(0, 0, 0xFF));
}

// The position of the entry the list's text names; -1 when it names none.
int position(const QComboBox* list) {
    return list->findText(list->currentText(), Qt::MatchFixedString | Qt::MatchCaseSensitive);
}

QLineEdit* measurementField(const char* name, const QString& caption, bool hadlock) {
    QLineEdit* f = lineEdit(name, caption);
    colour(f, Qt::black, hadlock ? kOrange : kYellow);
    return f;
}

} // namespace

BiometryWindow::BiometryWindow(WindowRegistry& windows)
    : ToolWindow(windows, "Form3", QStringLiteral("Biometrie")) {
    build();
    connectReactions();
    installResultsCopy(this, menus, windows, [this] { return resultsText(); });
    placeOnScreen();
}

void BiometryWindow::build() {
    auto* layout = new QVBoxLayout(this);

    menus = new QMenuBar(this);
    menus->setObjectName(QStringLiteral("menuBiometrie"));
    QAction* quit = menus->addAction(QStringLiteral("&Quitter"));
    QAction* print = menus->addAction(QStringLiteral("Im&primer"));
    QAction* help = menus->addAction(QStringLiteral("&Aide"));
    layout->setMenuBar(menus);
    connect(quit, &QAction::triggered, this, &QWidget::hide);
    connect(print, &QAction::triggered, this, [this] { printReport(PrintMode::ChoosePrinter); });
    connect(help, &QAction::triggered, this, [this] { platform().help.showTopic(40); });
    setEscapeAction(quit);

    startOfPregnancyField = lineEdit("DateDGf3", QStringLiteral("Début de Grossesse"));
    colour(startOfPregnancyField, Qt::white, kReadableRed);
    scanDayField = lineEdit("DateJourF3", QStringLiteral("Date de l'échographie"));
    for (QLineEdit* f : {startOfPregnancyField, scanDayField}) {
        f->setPlaceholderText(QStringLiteral("JJ/MM/AAAA"));
        f->setMaximumWidth(120);
    }
    offerSharedCalendar(startOfPregnancyField, windows(),
                        QStringLiteral("Date du début de grossesse"),
                        QStringLiteral("Calendrier du début de grossesse (biométrie)"));
    offerSharedCalendar(scanDayField, windows(), QStringLiteral("Date de l'échographie"),
                        QStringLiteral("Calendrier du jour de l'échographie (biométrie)"));
    auto* top = new QHBoxLayout;
    top->addWidget(caption(QStringLiteral("Début de &Grossesse"), startOfPregnancyField));
    top->addWidget(startOfPregnancyField);
    top->addSpacing(24);
    top->addWidget(caption(QStringLiteral("&Date"), scanDayField));
    top->addWidget(scanDayField);
    top->addStretch();
    layout->addLayout(top);

    auto* middle = new QHBoxLayout;
    middle->addWidget(buildMeasurements(), 3);
    auto* right = new QVBoxLayout;
    right->addWidget(buildMedians());
    right->addWidget(buildRatios());
    right->addStretch();
    middle->addLayout(right, 2);
    layout->addLayout(middle);

    auto* lower = new QHBoxLayout;
    lower->addWidget(buildWeights(), 2);
    lower->addWidget(buildCustomised(), 3);
    layout->addLayout(lower);

    chartsButton = button("Courbes", QStringLiteral("&Courbes"));
    printButton = button("Imprimer", QStringLiteral("&Imprimer"));
    quitButton = button("QuitterF3", QStringLiteral("&Quitter"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(chartsButton);
    buttons->addWidget(printButton);
    buttons->addWidget(quitButton);
    layout->addLayout(buttons);

    setReadingOrder({startOfPregnancyField,
                     scanDayField,
                     orbitalField,
                     orbitalSlider,
                     biparietalField,
                     biparietalSlider,
                     headField,
                     headSlider,
                     transverseAbdominalField,
                     transverseAbdominalSlider,
                     abdominalField,
                     abdominalSlider,
                     femurField,
                     femurSlider,
                     footField,
                     footSlider,
                     humerusField,
                     humerusSlider,
                     cerebellumField,
                     cerebellumSlider,
                     weeksField,
                     weeksSlider,
                     biparietalMedian,
                     headMedian,
                     transverseAbdominalMedian,
                     abdominalMedian,
                     femurMedian,
                     footMedian,
                     humerusMedian,
                     cerebellumMedian,
                     computeRatiosButton,
                     orbitalToBiparietal,
                     footToFemur,
                     hadlockWeight,
                     shepardWeight,
                     dudleyWeight,
                     computeWeightsButton,
                     motherWeight,
                     motherHeight,
                     fetalSex,
                     ethnicity,
                     parity,
                     daysOfPregnancy,
                     customisedWeeks,
                     customisedWeeksSlider,
                     estimatedFetalWeight,
                     computeCentileButton,
                     eraseCustomisedButton,
                     chartsButton,
                     printButton,
                     quitButton});
}

QGroupBox* BiometryWindow::buildMeasurements() {
    struct Row {
        Measure m;
        const char* field;
        const char* scroll;
        const char* label;
        int min, max, page, start;
    };
    const Row rows[] = {
        {Measure::Orb, "Orb", "OrbScroll", "LabelDio", 0, 50, 1, 20},
        {Measure::Bip, "Bip", "BipScroll", "LabelBip", 10, 130, 10, 50},
        {Measure::Cc, "Cc", "CCScroll", "LabelCc", 100, 360, 20, 270},
        {Measure::Dat, "Dat", "DatScroll", "LabelDat", 10, 150, 10, 50},
        {Measure::CA, "CA", "CAScroll", "LabelCa", 50, 400, 20, 250},
        {Measure::Fem, "Fem", "FemurScroll", "LabelFem", 5, 100, 10, 50},
        {Measure::Pied, "Pied", "PiedScroll", "LabelPied", 5, 90, 1, 50},
        {Measure::Hum, "Hum", "HumScroll", "LabelHum", 5, 90, 1, 45},
        {Measure::Cer, "Cer", "CerScroll", "LabelCer", 5, 55, 1, 5},
    };
    auto* grid = new QGridLayout;
    int line = 0;
    for (const Row& r : rows) {
        const int i = measureIndex(r.m);
        const QString name =
            QString::fromUtf8(measureCaption(r.m).data(), int(measureCaption(r.m).size()));
        const bool hadlock = r.m == Measure::Cc || r.m == Measure::CA || r.m == Measure::Fem;
        fields_[i] = measurementField(r.field, name + QStringLiteral(" (mm)"), hadlock);
        fields_[i]->setMaximumWidth(70);
        scrolls_[i] =
            scrollBar(r.scroll, name + QStringLiteral(", réglage"), r.min, r.max, r.start);
        scrolls_[i]->setPageStep(r.page);
        scrolls_[i]->setSingleStep(1);
        scrolls_[i]->setMinimumWidth(110);
        bands_[i] = resultText(r.label, name + QStringLiteral(", percentile"));
        bands_[i]->setObjectName(QString::fromLatin1(r.label));
        styleBand(bands_[i], false);
        bands_[i]->setMinimumWidth(
            QFontMetrics(QFont(font().family(), 10))
                .horizontalAdvance(QStringLiteral("90 ème à 97,5 ème Percentile")) +
            12);
        grid->addWidget(caption(name, fields_[i]), line, 0);
        grid->addWidget(fields_[i], line, 1);
        grid->addWidget(scrolls_[i], line, 2);
        grid->addWidget(bands_[i], line, 3);
        ++line;
    }
    grid->setColumnStretch(3, 1);
    orbitalField = fields_[0], biparietalField = fields_[1], headField = fields_[2],
    transverseAbdominalField = fields_[3], abdominalField = fields_[4];
    femurField = fields_[5], footField = fields_[6], humerusField = fields_[7],
    cerebellumField = fields_[8];
    orbitalSlider = scrolls_[0], biparietalSlider = scrolls_[1], headSlider = scrolls_[2];
    transverseAbdominalSlider = scrolls_[3], abdominalSlider = scrolls_[4],
    femurSlider = scrolls_[5];
    footSlider = scrolls_[6], humerusSlider = scrolls_[7], cerebellumSlider = scrolls_[8];
    orbitalBand = bands_[0], biparietalBand = bands_[1], headBand = bands_[2],
    transverseAbdominalBand = bands_[3];
    abdominalBand = bands_[4], femurBand = bands_[5], footBand = bands_[6], humerusBand = bands_[7];
    cerebellumBand = bands_[8];
    return frame(QStringLiteral("Centiles d'après les courbes du CFEF"), grid);
}

QGroupBox* BiometryWindow::buildMedians() {
    weeksField = lineEdit("SAF3", QStringLiteral("S.A., âge en semaines d'aménorrhée"));
    weeksField->setMaximumWidth(60);
    acceptDigitsOnly(weeksField);
    weeksSlider = scrollBar("SaScroll", QStringLiteral("S.A., réglage"), 13, 41, 22);
    weeksSlider->setPageStep(5);
    auto* grid = new QGridLayout;
    grid->addWidget(caption(QStringLiteral("&S.A."), weeksField), 0, 0);
    grid->addWidget(weeksField, 0, 1);
    grid->addWidget(weeksSlider, 0, 2, 1, 3);
    struct Median {
        Measure m;
        const char* name;
        const char* caption;
    };
    const Median medians[] = {
        {Measure::Bip, "CBip", "Bip"},     {Measure::Cc, "CCc", "Circonf. Céphal."},
        {Measure::Dat, "CDat", "Dat"},     {Measure::CA, "CCa", "Circonf. Abdo."},
        {Measure::Fem, "CFem", "Fémur"},   {Measure::Pied, "CPied", "Pied"},
        {Measure::Hum, "CHum", "Humerus"}, {Measure::Cer, "CCer", "Cervelet"},
    };
    int k = 0;
    for (const Median& m : medians) {
        const QString name = QString::fromUtf8(m.caption);
        QLineEdit* f = lineEdit(m.name, name + QStringLiteral(", médiane (mm)"), true);
        colour(f, Qt::white, kReadableRed);
        f->setMaximumWidth(60);
        medians_[measureIndex(m.m)] = f;
        grid->addWidget(caption(name, f), 1 + k / 2, (k % 2) * 2 + (k % 2));
        grid->addWidget(f, 1 + k / 2, (k % 2) * 2 + (k % 2) + 1);
        ++k;
    }
    biparietalMedian = medians_[1], headMedian = medians_[2],
    transverseAbdominalMedian = medians_[3], abdominalMedian = medians_[4];
    femurMedian = medians_[5], footMedian = medians_[6], humerusMedian = medians_[7],
    cerebellumMedian = medians_[8];
    return frame(QStringLiteral("Centiles 50"), grid);
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

void BiometryWindow::connectReactions() {
    for (Measure m : kMeasuresOnScreen) {
        const int i = measureIndex(m);
        connect(fields_[i], &QLineEdit::textChanged, this, [this, m] { measurementChanged(m); });
        fillsField(scrolls_[i], fields_[i]);
    }
    connect(startOfPregnancyField, &QLineEdit::textChanged, this, &BiometryWindow::startChanged);
    connect(scanDayField, &QLineEdit::textChanged, this, &BiometryWindow::scanDayChanged);
    connect(weeksField, &QLineEdit::textChanged, this, &BiometryWindow::ageChanged);
    fillsField(weeksSlider, weeksField);
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
    connect(chartsButton, &QPushButton::clicked, this, &BiometryWindow::openCharts);
    connect(printButton, &QPushButton::clicked, this,
            [this] { printReport(PrintMode::CurrentPrinter); });
    connect(quitButton, &QPushButton::clicked, this, &QWidget::hide);

    // Today's examination follows every field, once the field's own reactions
    // (its band, the age, the medians) have run.
    for (QLineEdit* f : {startOfPregnancyField, scanDayField, weeksField})
        connect(f, &QLineEdit::textChanged, this, &BiometryWindow::publishExamination);
    for (QLineEdit* f : fields_)
        connect(f, &QLineEdit::textChanged, this, &BiometryWindow::publishExamination);
    publishExamination();
}

void BiometryWindow::publishExamination() {
    TodaysExamination& today = todaysExamination(windows());
    today.startOfPregnancy = startOfPregnancyField->text();
    today.scanDay = scanDayText();
    today.weeks = weeksField->text();
    for (Measure m : kMeasuresOnScreen) {
        today.measurements[measureIndex(m)] = field(m)->text();
        today.bands[measureIndex(m)] = band(m)->text();
    }
}

void BiometryWindow::closeEvent(QCloseEvent* event) {
    // The window is only hidden: its fields keep their values, and the main
    // window goes on writing into it.
    event->ignore();
    hide();
}

void BiometryWindow::setWeeksOfAmenorrhoea(int weeks) {
    weeksField->setText(QString::number(weeks));
}

void BiometryWindow::setStartOfPregnancy(const QString& start) {
    startOfPregnancyField->setText(start);
}

void BiometryWindow::clearWeeks() {
    weeksField->clear();
}

QString BiometryWindow::scanDayText() const {
    const auto scan = date(scanDayField);
    return scan ? text(scan->toText()) : QString();
}

void BiometryWindow::measurementChanged(Measure m) {
    // Results computed from earlier values never stay beside changed measurements.
    for (QLineEdit* box : {dudleyWeight, shepardWeight, hadlockWeight})
        box->clear();
    if (m != Measure::Hum) {
        footToFemur->clear();
        orbitalToBiparietal->clear();
    }
    const std::string typed = field(m)->text().toStdString();
    const BandLabel label = BANDE_CENTILE(m, weeksField->text().toStdString(), typed);
    styleBand(band(m), label.emphasised);
    if (!label.keep) band(m)->setText(text(label.caption));
    // An emptied field never keeps a band beside it (the report prints both).
    if (typed.empty()) band(m)->clear();
}

void BiometryWindow::startChanged() {
    if (scanDayField->text().isEmpty())
        scanDayField->setText(text(platform().clock.today().toText()));
    datesChanged();
}

void BiometryWindow::scanDayChanged() {
    datesChanged();
}

// The start and the scan day give the days of pregnancy and the age in weeks;
// dates that give none leave no age of earlier dates (nor its measurements).
void BiometryWindow::datesChanged() {
    const auto start = date(startOfPregnancyField);
    const auto scan = date(scanDayField);
    const int days = start && scan ? *scan - *start : SHRT_MAX + 1;
    if (days < SHRT_MIN || days > SHRT_MAX) { // no dates, or too far apart to be one pregnancy
        daysOfPregnancy->clear();
        weeksField->clear();
        return;
    }
    daysOfPregnancy->setText(QString::number(days));
    weeksField->setText(QString::number(SA_ARRONDIE(*start, *scan)));
}

void BiometryWindow::ageChanged() {
    const QString typed = weeksField->text();
    // Only a whole number of weeks gives medians (a pasted "22,5" or "abc"
    // gives none): nothing of the previous age stays beside it.
    const auto age = readFrenchNumber(typed.toStdString());
    if (!age || *age != std::floor(*age)) {
        for (QLineEdit* f : fields_)
            f->clear();
        for (QLineEdit* f : medians_)
            if (f) f->clear();
        theoreticalWeightLabel->clear();
        return;
    }
    const int weeks = *age < -1000 ? -1000 : *age > 1000 ? 1000 : static_cast<int>(*age);

    const auto medians = MEDIANES_SA(weeks);
    if (weeks < 13) {
        for (Measure m : kMeasuresOnScreen)
            if (m != Measure::Orb) band(m)->clear();
    }
    for (Measure m : kMeasuresOnScreen) {
        QLineEdit* f = medians_[measureIndex(m)];
        if (!f) continue;
        const auto median = medians[measureIndex(m)];
        f->setText(median ? QString::number(*median) : QString());
    }
    if (weeks > 41) {
        emit weekBeyondTheCharts();
    }
    const auto theoretical = theoreticalWeight(weeks);
    theoreticalWeightLabel->setText(theoretical ? text(gramsText(*theoretical)) : QString());
    for (Measure m : kMeasuresOnScreen)
        if (const auto median = medians[measureIndex(m)])
            scrolls_[measureIndex(m)]->setValue(*median);
    // Every measurement typed for the previous age is emptied.
    for (QLineEdit* f : fields_)
        f->clear();
}

// A measurement field as a number a fetus can have: an implausible one is
// told once per press, an unreadable one flagged for the general message.
std::optional<double> BiometryWindow::usableMeasure(Measure m, MeasureCheck& check) const {
    const auto value = number(field(m));
    if (!value) {
        check.unreadable = true;
        return std::nullopt;
    }
    if (const auto message = implausibleMeasureMessage(m, *value)) {
        if (check.told.insert(measureIndex(m)).second) platform().messages.inform(text(*message));
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
        messages.inform(text(std::string(kShepardFieldsMessage)));
    } else {
        const auto bip = usableMeasure(Measure::Bip, check), ca = usableMeasure(Measure::CA, check);
        const auto shepard = bip && ca ? POIDS_SHEPHARD(*bip, *ca) : std::nullopt;
        if (shepard) shepardWeight->setText(text(gramsText(*shepard)));
        // Hadlock's fields missing are named by the Dudley message below.
        if (!headField->text().isEmpty() && !femurField->text().isEmpty()) {
            const auto cc = usableMeasure(Measure::Cc, check),
                       fem = usableMeasure(Measure::Fem, check);
            const auto hadlock = cc && ca && fem ? POIDS_HADLOCK(*cc, *ca, *fem) : std::nullopt;
            if (hadlock) {
                hadlockWeight->setText(text(gramsText(*hadlock)));
                estimatedFetalWeight->setText(QString::number(*hadlock));
            }
        }
    }
    if (abdominalField->text().isEmpty() || headField->text().isEmpty() ||
        femurField->text().isEmpty()) {
        messages.inform(text(std::string(kDudleyFieldsMessage)));
    } else {
        const auto cc = usableMeasure(Measure::Cc, check), ca = usableMeasure(Measure::CA, check),
                   fem = usableMeasure(Measure::Fem, check);
        const auto dudley = cc && ca && fem ? POIDS_DUDLEY(*cc, *ca, *fem) : std::nullopt;
        if (dudley) dudleyWeight->setText(text(gramsText(*dudley)));
    }
    if (check.unreadable) messages.inform(kNotANumberMessage);
}

void BiometryWindow::computeRatios() {
    footToFemur->clear();
    orbitalToBiparietal->clear();
    if (footField->text().isEmpty() || femurField->text().isEmpty() ||
        orbitalField->text().isEmpty() || biparietalField->text().isEmpty()) {
        platform().messages.inform(text(std::string(kRatioFieldsMessage)));
        return;
    }
    MeasureCheck check;
    const auto pied = usableMeasure(Measure::Pied, check), fem = usableMeasure(Measure::Fem, check),
               orb = usableMeasure(Measure::Orb, check), bip = usableMeasure(Measure::Bip, check);
    // A zero divisor leaves its ratio empty; the other is still shown.
    const auto footFemur = pied && fem ? ratioText(*pied, *fem) : std::nullopt;
    const auto orbitBip = orb && bip ? ratioText(*orb, *bip) : std::nullopt;
    footToFemur->setText(footFemur ? text(*footFemur) : QString());
    orbitalToBiparietal->setText(orbitBip ? text(*orbitBip) : QString());
    if (check.unreadable) platform().messages.inform(kRatioNotANumberMessage);
}

void BiometryWindow::computeCustomisedCentile() {
    forgetCustomisedCentile();
    const auto days = number(daysOfPregnancy), weight = number(motherWeight),
               height = number(motherHeight), fetal = number(estimatedFetalWeight);
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
        platform().messages.inform(text(std::string(kCustomisedRangeMessage)));
        return;
    case CustomisedCentile::Status::Computed:
        break;
    }
    expectedWeightLabel->setText(QString::number(c.expectedWeight) + QStringLiteral("g"));
    centileLabel->setText(QString::number(c.centile));
    if (c.alarm)
        colour(centileLabel, Qt::white, kReadableRed);
    else
        colour(centileLabel, Qt::black, kOrange);
}

// The customised centile is computed on its button: an input changed since
// empties it, so that it never stands beside values it was not computed from.
void BiometryWindow::forgetCustomisedCentile() {
    expectedWeightLabel->clear();
    centileLabel->clear();
    centileLabel->setAutoFillBackground(false);
    centileLabel->setPalette(QPalette());
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
    const auto days = number(daysOfPregnancy);
    customisedWeeks->setText(days ? text(weeksFromDaysText(*days)) : QString());
}

void BiometryWindow::weeksTyped() {
    const auto weeks = number(customisedWeeks);
    weeksBeingTyped_ = true;
    daysOfPregnancy->setText(weeks ? text(daysFromWeeksText(*weeks)) : QString());
    weeksBeingTyped_ = false;
}

void BiometryWindow::openCharts() {
    emit chartsRequested(weeksField->text());
}

BiometryReportData BiometryWindow::reportData(const QString& patientName) const {
    BiometryReportData d;
    d.letterhead = currentPracticeOptions(windows());
    d.patientName = patientName.toStdString();
    d.issued = platform().clock.today().toText();
    d.start = startOfPregnancyField->text().toStdString();
    d.weeks = weeksField->text().toStdString();
    // The day the measurements were taken: the scan day, or today without one.
    const auto scan = date(scanDayField);
    d.measuredOn = scan ? scan->toText() : platform().clock.today().toText();
    d.interOrbital = orbitalField->text().toStdString();
    const Measure order[8] = {Measure::Bip, Measure::Cc,   Measure::Dat, Measure::CA,
                              Measure::Fem, Measure::Pied, Measure::Hum, Measure::Cer};
    for (int k = 0; k < 8; ++k) {
        const int i = measureIndex(order[k]);
        d.lines[k] = {fields_[i]->text().toStdString(), bands_[i]->text().toStdString(),
                      medians_[i]->text().toStdString()};
    }
    d.dioBip = orbitalToBiparietal->text().toStdString();
    d.femPied = footToFemur->text().toStdString();
    d.theoreticalWeight = theoreticalWeightLabel->text().toStdString();
    d.estimatedWeight = dudleyWeight->text().toStdString();
    return d;
}

void BiometryWindow::printReport(PrintMode mode) {
    // Cancelling the name gives an empty name; the printing goes on.
    const QString name = windows().patient().nameForPrintout(platform().prompt);
    const BiometryReportData data = reportData(name);
    tovimar::printReport(platform().reports, platform().messages, mode,
                         documentForPatient(kBiometryDocumentName, name),
                         [&](ReportPrinter& printer) { printBiometryReport(printer, data); });
}

// "Copier les résultats": the examination's dates and measurements as typed,
// each band, median, ratio and weight as shown, with the method that gave it.
ResultsText BiometryWindow::resultsText() const {
    ResultsText t;
    t.title = windowTitle();
    t.inputsOf({startOfPregnancyField, scanDayField, weeksField, orbitalField, biparietalField,
                headField, transverseAbdominalField, abdominalField, femurField, footField,
                humerusField, cerebellumField});
    const QString cfef = QStringLiteral("courbes du CFEF");
    for (QLabel* band : {orbitalBand, biparietalBand, headBand, transverseAbdominalBand,
                         abdominalBand, femurBand, footBand, humerusBand, cerebellumBand})
        t.result(band, {}, cfef);
    t.resultsOf({biparietalMedian, headMedian, transverseAbdominalMedian, abdominalMedian,
                 femurMedian, footMedian, humerusMedian, cerebellumMedian, orbitalToBiparietal,
                 footToFemur});
    const QString weight = QStringLiteral("Poids foetal estimé");
    t.result(hadlockWeight, weight, QStringLiteral("Hadlock 1985"));
    t.result(shepardWeight, weight, QStringLiteral("Shephard 1982"));
    t.result(dudleyWeight, weight, QStringLiteral("Dudley"));
    t.result(theoreticalWeightLabel, QStringLiteral("Poids théorique"),
             QStringLiteral("Hadlock 1985"));
    // The mother's data only with the customised centile they gave.
    if (!shownText(centileLabel).isEmpty()) {
        t.inputsOf({motherWeight, motherHeight, fetalSex, ethnicity, parity, daysOfPregnancy,
                    customisedWeeks, estimatedFetalWeight});
        t.result(expectedWeightLabel, {}, QStringLiteral("Gardosi"));
        t.result(centileLabel, QStringLiteral("Centile customisé"), QStringLiteral("Gardosi"));
    }
    return t;
}

} // namespace tovimar
