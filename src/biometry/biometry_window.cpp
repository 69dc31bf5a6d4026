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

#include "biometry/biometry_colours.h"
#include "biometry/biometry_report.h"
#include "biometry/customised_centile.h"
#include "biometry/fetal_weight.h"
#include "biometry/percentile_band.h"
#include "biometry/plausible_measures.h"
#include "biometry/reference_charts.h"
#include "biometry/todays_examination.h"
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

QLineEdit* measurementField(const char* name, const QString& caption, bool hadlock) {
    QLineEdit* f = lineEdit(name, caption);
    colour(f, Qt::black, hadlock ? kOrange : kYellow);
    return f;
}

} // namespace

BiometryWindow::BiometryWindow(WindowRegistry& windows)
    : ToolWindow(windows, "Form3", QStringLiteral("Biometrie")) {
    build();
    // Shown before the reactions are connected: nothing is computed again.
    const bool kept = showKeptScreen();
    connectReactions();
    installResultsCopy(this, menus, windows, [this] { return resultsText(); });
    if (!kept) placeOnScreen();
}

void BiometryWindow::build() {
    auto* layout = new QVBoxLayout(this);

    menus = new QMenuBar(this);
    menus->setObjectName(QStringLiteral("menuBiometrie"));
    QAction* quit = menus->addAction(QStringLiteral("&Quitter"));
    QAction* print = menus->addAction(QStringLiteral("Im&primer"));
    QAction* help = menus->addAction(QStringLiteral("&Aide"));
    layout->setMenuBar(menus);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    connect(print, &QAction::triggered, this, [this] { printReport(PrintMode::ChoosePrinter); });
    connect(help, &QAction::triggered, this, [this] { platform().help.showTopic(40); });
    setEscapeAction(quit);

    startOfPregnancyField = lineEdit("DateDGf3", QStringLiteral("Début de Grossesse"));
    showAlarm(startOfPregnancyField);
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
        styleBand(r.m, false);
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
        showAlarm(f);
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
    connectResultsPanels();
    connect(chartsButton, &QPushButton::clicked, this, &BiometryWindow::openCharts);
    connect(printButton, &QPushButton::clicked, this,
            [this] { printReport(PrintMode::CurrentPrinter); });
    connect(quitButton, &QPushButton::clicked, this, &QWidget::close);

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
    // The examination stays with the consultation; the window goes.
    keepScreen();
    ToolWindow::closeEvent(event);
}

// Blue at 8 points, or red at 10 points for a band that calls for attention
// (both read on the window, light or dark, at the AA level of the
// accessibility guidelines).
void BiometryWindow::styleBand(Measure m, bool emphasised) {
    QLabel* label = band(m);
    bandsEmphasised_[measureIndex(m)] = emphasised;
    QFont font = label->font();
    font.setPointSizeF(emphasised ? 10 : 8);
    label->setFont(font);
    if (emphasised)
        tintAlarm(label);
    else
        tintNotice(label);
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
    const auto scan = dateIn(scanDayField);
    return scan ? shown(scan->toText()) : QString();
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
    styleBand(m, label.emphasised);
    if (!label.keep) band(m)->setText(shown(label.caption));
    // An emptied field never keeps a band beside it (the report prints both).
    if (typed.empty()) band(m)->clear();
}

void BiometryWindow::startChanged() {
    if (scanDayField->text().isEmpty())
        scanDayField->setText(shown(platform().clock.today().toText()));
    datesChanged();
}

void BiometryWindow::scanDayChanged() {
    datesChanged();
}

// The start and the scan day give the days of pregnancy and the age in weeks;
// dates that give none leave no age of earlier dates (nor its measurements).
void BiometryWindow::datesChanged() {
    const auto start = dateIn(startOfPregnancyField);
    const auto scan = dateIn(scanDayField);
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
    // Only a whole number of weeks gives medians (a pasted "22,5" or "abc"
    // gives none): nothing of the previous age stays beside it.
    const auto age = numberIn(weeksField);
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
    theoreticalWeightLabel->setText(theoretical ? shown(gramsText(*theoretical)) : QString());
    for (Measure m : kMeasuresOnScreen)
        if (const auto median = medians[measureIndex(m)])
            scrolls_[measureIndex(m)]->setValue(*median);
    // Every measurement typed for the previous age is emptied.
    for (QLineEdit* f : fields_)
        f->clear();
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
    const auto scan = dateIn(scanDayField);
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
