// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Modifications": shows and rewrites term.tvx through the term settings
// model, which holds what is on screen, saved or not, while it is open.

#include "dating/term_settings_access.h"
#include "ui/tool_window.h"

class QLineEdit;
class QPushButton;

namespace tovimar {

class TermSettingsWindow : public ToolWindow {
    Q_OBJECT
  public:
    explicit TermSettingsWindow(WindowRegistry& windows);
    ~TermSettingsWindow() override;

    // The eleven values as the fields hold them now.
    TermSettings currentSettings() const;

  private:
    QLineEdit *terminationLimitWeeks, *mifepristoneLimitWeeks, *amniocentesisThreshold;
    QLineEdit *anaesthesiaFromWeeks, *anaesthesiaToWeeks, *anaesthesiaFromDays, *anaesthesiaToDays;
    QLineEdit *firstTrimesterTestFrom, *firstTrimesterTestTo, *secondTrimesterTestFrom,
        *secondTrimesterTestTo, *firstTrimesterScanFrom, *firstTrimesterScanTo;
    QPushButton *saveAndQuitButton, *quitButton;

    void build();
    void load();
    void save();
    void convertWeeksToDays(QLineEdit* weeks, QLineEdit* days);
    QLineEdit* field(int index) const;

    TermSettingsModel& model_;
};

} // namespace tovimar
