// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Les jours feriés de l'année": the eleven holidays of the year chosen in
// the list, and the weekday of the date typed in the field.

#include <array>

#include "ui/tool_window.h"
#include "utilities/public_holidays.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tovimar {

class PublicHolidaysWindow : public ToolWindow {
    Q_OBJECT
  public:
    explicit PublicHolidaysWindow(WindowRegistry& windows);

  private:
    QLineEdit* dateField;
    QLabel *dateCaption, *weekdayText, *yearCaption, *calendarPicture;
    QListWidget* yearList;
    std::array<QLabel*, kHolidayCount> holidaySentences;
    QPushButton* closeButton;
    QAction *quitAction, *helpAction;

    void build();
    void showWeekday();
    void showHolidays();
};

} // namespace tovimar
