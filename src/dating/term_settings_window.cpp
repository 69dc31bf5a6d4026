// SPDX-License-Identifier: GPL-3.0-or-later
#include "dating/term_settings_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dating/term_settings_access.h"
#include "ui/controls.h"
#include "ui/key_filters.h"
#include "ui/window_registry.h"

namespace tovimar {
namespace {

QLineEdit* numberField(const char* name, const QString& accessibleName) {
    auto* edit = lineEdit(name, accessibleName);
    edit->setMaximumWidth(60);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

// "Entre [a] et [b] Jours A."
QHBoxLayout* rangeRow(const QString& from, QLineEdit* a, QLineEdit* b, const QString& unit) {
    return row({caption(from, a), a, caption(QStringLiteral("et"), b), b, caption(unit)});
}

} // namespace

TermSettingsWindow::TermSettingsWindow(WindowRegistry& windows)
    : ToolWindow(windows, "Form9", QStringLiteral("Modifications")),
      model_(termSettingsModel(windows)) {
    build();
    load();
    // While the editor exists, what it shows is in force for every reader.
    publishEditsOf(this, [this] { model_.edit(currentSettings()); });
    model_.edit(currentSettings());
}

TermSettingsWindow::~TermSettingsWindow() {
    model_.endEditing();
}

void TermSettingsWindow::build() {
    auto* layout = new QVBoxLayout(this);

    auto* intro =
        caption(QStringLiteral("Mise à jour du nombre des semaines d'amenorrhée concernant "
                               "le triple test et les dates légales d'IVG"),
                nullptr, true);
    intro->setStyleSheet("font-weight: bold");
    layout->addWidget(intro);

    auto* ivg = new QGroupBox(QStringLiteral("IVG"), this);
    auto* ivgGrid = new QGridLayout(ivg);
    terminationLimitWeeks =
        numberField("IvgText", QStringLiteral("Terme légal de l'IVG (en semaines de grossesse)"));
    mifepristoneLimitWeeks = numberField(
        "RuText", QStringLiteral("Terme ultime autorisé pour le RU (en semaines de grossesse)"));
    ivgGrid->addWidget(caption(QStringLiteral("Terme légal de l'IVG (en semaines de grossesse)"),
                               terminationLimitWeeks),
                       0, 0);
    ivgGrid->addWidget(terminationLimitWeeks, 0, 1);
    ivgGrid->addWidget(
        caption(QStringLiteral("Terme ultime autorisé pour le RU (en semaines de grossesse)"),
                mifepristoneLimitWeeks),
        1, 0);
    ivgGrid->addWidget(mifepristoneLimitWeeks, 1, 1);
    auto* note = caption(QStringLiteral("Modifier le nombre de semaines en fonction de la loi"));
    note->setStyleSheet("font-style: italic");
    ivgGrid->addWidget(note, 2, 0, 1, 2);
    layout->addWidget(ivg);

    auto* threshold = new QGroupBox(QStringLiteral("Seuil pour l'amniocentèse"), this);
    auto* thresholdRow = new QHBoxLayout(threshold);
    amniocentesisThreshold =
        numberField("TxtRisqueLim", QStringLiteral("Seuil pour l'amniocentèse"));
    thresholdRow->addWidget(
        caption(QStringLiteral("Amniocentèse préconisée si Tri test supérieur à :"),
                amniocentesisThreshold));
    thresholdRow->addWidget(caption(QStringLiteral("1/")));
    thresholdRow->addWidget(amniocentesisThreshold);
    thresholdRow->addStretch();
    layout->addWidget(threshold);

    auto* anaesthesia = new QGroupBox(QStringLiteral("Consultation anesthèsistes"), this);
    auto* anaesthesiaBox = new QVBoxLayout(anaesthesia);
    anaesthesiaFromWeeks =
        numberField("Text5", QStringLiteral("Consultation anesthèsistes, entre (Sem. A.)"));
    anaesthesiaToWeeks =
        numberField("Text6", QStringLiteral("Consultation anesthèsistes, et (Sem. A.)"));
    // The day counts that are saved stay hidden: the screen shows weeks.
    anaesthesiaFromDays =
        numberField("Text7", QStringLiteral("Consultation anesthèsistes, premier jour"));
    anaesthesiaToDays =
        numberField("Text8", QStringLiteral("Consultation anesthèsistes, dernier jour"));
    for (QLineEdit* hidden : {anaesthesiaFromDays, anaesthesiaToDays}) {
        hidden->setParent(anaesthesia);
        hidden->hide();
    }
    anaesthesiaBox->addWidget(caption(QStringLiteral("A effectuer")));
    anaesthesiaBox->addLayout(rangeRow(QStringLiteral("entre"), anaesthesiaFromWeeks,
                                       anaesthesiaToWeeks, QStringLiteral("Sem. A.")));
    layout->addWidget(anaesthesia);

    const QString example = QStringLiteral("Ex: 13,6 SA = (13 X 7)+6 = 97");
    auto* serum = new QGroupBox(QStringLiteral("Triple test"), this);
    auto* serumBox = new QVBoxLayout(serum);
    firstTrimesterTestFrom =
        numberField("Text9", QStringLiteral("Tri Test à Effectuer: 1T, entre (Jours A.)"));
    firstTrimesterTestTo =
        numberField("Text10", QStringLiteral("Tri Test à Effectuer: 1T, et (Jours A.)"));
    secondTrimesterTestFrom =
        numberField("Text1", QStringLiteral("Tri Test à Effectuer: 2T, entre (Jours A.)"));
    secondTrimesterTestTo =
        numberField("Text2", QStringLiteral("Tri Test à Effectuer: 2T, et (Jours A.)"));
    serumBox->addWidget(caption(QStringLiteral("Entrer les fourchettes en jours d'amenorrhée")));
    serumBox->addWidget(caption(QStringLiteral("Tri Test à Effectuer: 1T")));
    serumBox->addLayout(rangeRow(QStringLiteral("Entre"), firstTrimesterTestFrom,
                                 firstTrimesterTestTo, QStringLiteral("Jours A.")));
    serumBox->addWidget(caption(QStringLiteral("Tri Test à Effectuer: 2T")));
    serumBox->addLayout(rangeRow(QStringLiteral("Entre"), secondTrimesterTestFrom,
                                 secondTrimesterTestTo, QStringLiteral("Jours A.")));
    serumBox->addWidget(caption(example));
    layout->addWidget(serum);

    auto* echo = new QGroupBox(QStringLiteral("Echo 1er Ter"), this);
    auto* echoBox = new QVBoxLayout(echo);
    firstTrimesterScanFrom =
        numberField("Text15", QStringLiteral("Echo 1T à pratiquer, entre (Jours A.)"));
    firstTrimesterScanTo =
        numberField("Text16", QStringLiteral("Echo 1T à pratiquer, et (Jours A.)"));
    echoBox->addWidget(caption(QStringLiteral("Entrer les fourchettes en jours d'amenorrhée")));
    echoBox->addWidget(caption(QStringLiteral("Echo 1T à pratiquer")));
    echoBox->addLayout(rangeRow(QStringLiteral("Entre"), firstTrimesterScanFrom,
                                firstTrimesterScanTo, QStringLiteral("Jours A.")));
    echoBox->addWidget(caption(example));
    layout->addWidget(echo);

    auto* restart =
        caption(QStringLiteral("Veuillez relancer le programme pour que TOVIMAR prenne en "
                               "compte les modifications"),
                nullptr, true);
    tintText(restart, QColor(0x80, 0x00, 0x00));
    layout->addWidget(restart);
    auto* buttons = new QHBoxLayout;
    saveAndQuitButton = button("CmdEnregistrer", QStringLiteral("E&nregistrer Quitter"));
    quitButton = button("CmdQuitter", QStringLiteral("&Quitter"));
    setEscapeButton(quitButton);
    buttons->addStretch();
    buttons->addWidget(saveAndQuitButton);
    buttons->addWidget(quitButton);
    layout->addLayout(buttons);

    for (QLineEdit* f : {terminationLimitWeeks, mifepristoneLimitWeeks, amniocentesisThreshold,
                         firstTrimesterScanFrom, firstTrimesterScanTo})
        acceptDigitsOnly(f);
    for (QLineEdit* f : {secondTrimesterTestFrom, secondTrimesterTestTo, firstTrimesterTestFrom,
                         firstTrimesterTestTo})
        acceptDecimal(f);
    connect(anaesthesiaFromWeeks, &QLineEdit::textChanged, this,
            [this] { convertWeeksToDays(anaesthesiaFromWeeks, anaesthesiaFromDays); });
    connect(anaesthesiaToWeeks, &QLineEdit::textChanged, this,
            [this] { convertWeeksToDays(anaesthesiaToWeeks, anaesthesiaToDays); });
    connect(saveAndQuitButton, &QPushButton::clicked, this, &TermSettingsWindow::save);
    connect(quitButton, &QPushButton::clicked, this, &QWidget::close);

    setReadingOrder({terminationLimitWeeks, mifepristoneLimitWeeks, amniocentesisThreshold,
                     anaesthesiaFromWeeks, anaesthesiaToWeeks, firstTrimesterTestFrom,
                     firstTrimesterTestTo, secondTrimesterTestFrom, secondTrimesterTestTo,
                     firstTrimesterScanFrom, firstTrimesterScanTo, saveAndQuitButton, quitButton});

    setMinimumWidth(560);
    placeOnScreen();
}

QLineEdit* TermSettingsWindow::field(int index) const {
    QLineEdit* const fields[TermSettings::Count] = {
        terminationLimitWeeks,  mifepristoneLimitWeeks, secondTrimesterTestFrom,
        secondTrimesterTestTo,  firstTrimesterTestFrom, firstTrimesterTestTo,
        anaesthesiaFromDays,    anaesthesiaToDays,      amniocentesisThreshold,
        firstTrimesterScanFrom, firstTrimesterScanTo};
    return fields[index];
}

void TermSettingsWindow::load() {
    // What could be read is shown; the defaults stand for the rest.
    model_.tellIfNotWhole();
    const TermSettings& saved = model_.saved();
    for (int i = 0; i < TermSettings::Count; ++i)
        field(i)->setText(QString::fromStdString(saved.values[i]));
    if (!model_.whole()) return;
    // Shown in weeks; converting back gives the same whole days.
    if (auto weeks = anaesthesiaDaysToWeeksText(anaesthesiaFromDays->text().toStdString()))
        anaesthesiaFromWeeks->setText(QString::fromStdString(*weeks));
    if (auto weeks = anaesthesiaDaysToWeeksText(anaesthesiaToDays->text().toStdString()))
        anaesthesiaToWeeks->setText(QString::fromStdString(*weeks));
}

void TermSettingsWindow::convertWeeksToDays(QLineEdit* weeks, QLineEdit* days) {
    if (auto d = anaesthesiaWeeksToDays(weeks->text().toStdString()))
        days->setText(QString::number(*d));
}

TermSettings TermSettingsWindow::currentSettings() const {
    TermSettings s;
    for (int i = 0; i < TermSettings::Count; ++i)
        s.values[i] = field(i)->text().toStdString();
    return s;
}

void TermSettingsWindow::save() {
    // On failure nothing typed is lost: the screen stays open.
    const TermSettings settings = currentSettings();
    // Only what the next start reads back is saved.
    const TermSettings defaults = TermSettings::editorDefaults();
    if (model_.save(settings, {settings.values.begin(), settings.values.end()},
                    [](std::string_view bytes) { return readTermSettings(bytes).complete; },
                    {defaults.values.begin(), defaults.values.end()}))
        close();
}

} // namespace tovimar
