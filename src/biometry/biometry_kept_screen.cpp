// SPDX-License-Identifier: GPL-3.0-or-later
// A closed biometry window leaves what it showed with the consultation, and
// the window built next shows it again as it was: every field, every slider,
// every result computed on demand with its colours. Nothing is computed again
// (no message is told twice, no result shown on a press goes).
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include "biometry/biometry_window.h"
#include "biometry/todays_examination.h"

namespace tovimar {
namespace {

using Screen = TodaysExamination::Screen;

Screen::Choice choiceOf(const QComboBox* list) {
    return {list->currentIndex(), list->currentText()};
}

void showChoice(QComboBox* list, const Screen::Choice& choice) {
    list->setCurrentIndex(choice.entry);
    if (list->currentText() != choice.text) list->setEditText(choice.text);
}

} // namespace

void BiometryWindow::keepScreen() {
    // The dates, the age, the measurements and their bands, as they are now.
    publishExamination();
    TodaysExamination& today = todaysExamination(windows());
    Screen s;
    s.scanDay = scanDayField->text();
    for (Measure m : kMeasuresOnScreen) {
        const int i = measureIndex(m);
        s.measurementSliders[i] = scrolls_[i]->value();
        s.bandsEmphasised[i] = bandsEmphasised_[i];
        if (medians_[i]) s.medians[i] = medians_[i]->text();
    }
    s.weeksSlider = weeksSlider->value();
    s.orbitalToBiparietal = orbitalToBiparietal->text();
    s.footToFemur = footToFemur->text();
    s.hadlockWeight = hadlockWeight->text();
    s.shepardWeight = shepardWeight->text();
    s.dudleyWeight = dudleyWeight->text();
    s.theoreticalWeight = theoreticalWeightLabel->text();
    s.motherWeight = motherWeight->text();
    s.motherHeight = motherHeight->text();
    s.fetalSex = choiceOf(fetalSex);
    s.ethnicity = choiceOf(ethnicity);
    s.parity = choiceOf(parity);
    s.daysOfPregnancy = daysOfPregnancy->text();
    s.customisedWeeks = customisedWeeks->text();
    s.customisedWeeksSlider = customisedWeeksSlider->value();
    s.estimatedFetalWeight = estimatedFetalWeight->text();
    s.expectedWeight = expectedWeightLabel->text();
    s.centile = centileLabel->text();
    s.centileAlarm = centileAlarm_;
    s.place = saveGeometry();
    today.closedWindow = std::move(s);
}

// Called before the window's reactions are connected: each field takes its
// text without anything following it. The window goes back to its place.
bool BiometryWindow::showKeptScreen() {
    TodaysExamination& today = todaysExamination(windows());
    if (!today.closedWindow) return false;
    const Screen s = std::move(*today.closedWindow);
    today.closedWindow.reset();

    startOfPregnancyField->setText(today.startOfPregnancy);
    scanDayField->setText(s.scanDay);
    weeksField->setText(today.weeks);
    weeksSlider->setValue(s.weeksSlider);
    for (Measure m : kMeasuresOnScreen) {
        const int i = measureIndex(m);
        fields_[i]->setText(today.measurements[i]);
        scrolls_[i]->setValue(s.measurementSliders[i]);
        styleBand(m, s.bandsEmphasised[i]);
        bands_[i]->setText(today.bands[i]);
        if (medians_[i]) medians_[i]->setText(s.medians[i]);
    }
    orbitalToBiparietal->setText(s.orbitalToBiparietal);
    footToFemur->setText(s.footToFemur);
    hadlockWeight->setText(s.hadlockWeight);
    shepardWeight->setText(s.shepardWeight);
    dudleyWeight->setText(s.dudleyWeight);
    theoreticalWeightLabel->setText(s.theoreticalWeight);
    motherWeight->setText(s.motherWeight);
    motherHeight->setText(s.motherHeight);
    showChoice(fetalSex, s.fetalSex);
    showChoice(ethnicity, s.ethnicity);
    showChoice(parity, s.parity);
    daysOfPregnancy->setText(s.daysOfPregnancy);
    customisedWeeks->setText(s.customisedWeeks);
    customisedWeeksSlider->setValue(s.customisedWeeksSlider);
    estimatedFetalWeight->setText(s.estimatedFetalWeight);
    if (!s.centile.isEmpty() || !s.expectedWeight.isEmpty())
        showCentile(s.expectedWeight, s.centile, s.centileAlarm);
    return restoreGeometry(s.place);
}

} // namespace tovimar
