// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "IVG" (window Form8): the termination of pregnancy deadlines for one
// pregnancy, with the limits of the term settings; the dates of 6 to 14 weeks
// of amenorrhoea and where today falls among them.

#include <array>

#include "ui/results_text.h"
#include "ui/tool_window.h"

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tovimar {

class TerminationWindow : public ToolWindow {
    Q_OBJECT
  public:
    explicit TerminationWindow(WindowRegistry& windows);

    // The main window's start of pregnancy; the deadlines are computed again
    // even when the text is the same, so they follow the limits in force.
    void setStartOfPregnancy(const QString& text);

    // Opening shows the window only when both limits are set; otherwise the
    // user is sent to the term settings and the window stays hidden.
    void setVisible(bool visible) override;

  signals:
    // The limits are missing: the user is sent to the term settings.
    void termSettingsRequested();

  private:
    // "Copier les résultats": the inputs as typed and the results as shown.
    ResultsText resultsText() const;
    QLineEdit *lastPeriod, *startOfPregnancy;
    QLabel *lastPeriodCaption, *startOfPregnancyCaption, *lastPeriodFormatCaption,
        *startOfPregnancyFormatCaption, *legalDatesCaption, *legalLimitLabel;
    // The rows of 6 to 14 weeks of amenorrhoea: week caption, date, crown-rump length.
    std::array<QLabel*, 9> weekCaptions{}, weekDates{}, crownRumpCaptions{};
    // Where today falls: before 6 weeks, between two rows, after 14 weeks.
    std::array<QLabel*, 10> markers{};
    QFrame* deadlinePanel;
    QLabel *terminationLimitCaption, *deadlineLimitLabel, *terminationLimitDate, *latestTermCaption,
        *termPassedWarning, *termPassedPicture;
    QLabel *mifepristoneLimitCaption, *mifepristoneLimitDate, *mifepristonePassedPicture;
    QPushButton* quitButton;
    QAction *quitAction, *helpAction;
    void build();
    void compute();
    void showLimitCaptions(const std::string& legalLimit);
    void showPlaceholders();
    void showMarker(std::string_view name);
    bool limitsMissingOnOpening();
};

} // namespace tovimar
