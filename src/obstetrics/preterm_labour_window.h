// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "MAP" (window Main): threatened preterm labour. From the start of pregnancy,
// today's age in weeks of amenorrhoea and the mean fetal weight of that week;
// "Go" reads the risk of preterm delivery from the answers.

#include <optional>

#include "ui/results_text.h"
#include "ui/single_calendar_window.h"
#include "ui/tool_window.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;

namespace tovimar {

// The two calendars of the window: a day chosen is written and the calendar closes.
class PretermStartCalendar : public SingleCalendarWindow {
  public:
    explicit PretermStartCalendar(WindowRegistry& windows)
        : SingleCalendarWindow(windows, "Calendrier", QStringLiteral("Début de grossesse")) {}
};

class PretermLmpCalendar : public SingleCalendarWindow {
  public:
    explicit PretermLmpCalendar(WindowRegistry& windows)
        : SingleCalendarWindow(windows, "Calendrier2", QStringLiteral("Dernières règles")) {}
};

class PretermLabourWindow : public ToolWindow {
    Q_OBJECT
  public:
    explicit PretermLabourWindow(WindowRegistry& windows);

    // The main window's start of pregnancy, copied when the window is opened.
    void setStartOfPregnancy(const QString& text);

  protected:
  private:
    // "Copier les résultats": the inputs as typed and the results as shown.
    ResultsText resultsText() const;
    QLineEdit *lastPeriod, *startOfPregnancy, *cervixLength, *ageInWeeksField;
    QSlider* cervixLengthSlider;
    QRadioButton *positiveFibronectin, *negativeFibronectin, *nulliparous, *multiparous;
    QCheckBox* previousPretermBox;
    QGroupBox *parityPanel, *riskPanel;
    QLabel *gestationalAge, *meanWeightCaption, *meanFetalWeight, *pretermRisk;
    QPushButton *computeButton, *clearButton, *quitButton;
    void build();
    void onLastPeriodChanged();
    void onStartOfPregnancyChanged();
    void onCervixTyped();
    void onPreviousPretermToggled(bool ticked);
    void computeRisk();
    void clearWindow();
    void clearAnswers();
    void forgetResult();

    QButtonGroup *fibronectin_, *parity_;
    // The age derived from the last start of pregnancy; none before a date or after "Nouveau".
    std::optional<double> ageInWeeks_;
};

} // namespace tovimar
