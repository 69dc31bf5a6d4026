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
    QLineEdit* Text1;
    QLabel *Label4, *Label3, *Label1, *Image1;
    QListWidget* List1;
    std::array<QLabel*, kHolidayCount> Label2;
    QPushButton* Command1;
    QAction *Quitter, *Aide;
    void build();
    void showWeekday();
    void showHolidays();
};

} // namespace tovimar
