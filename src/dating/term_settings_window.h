// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Modifications": shows and rewrites term.tvx. Other windows read the
// current values from here (what is on screen, saved or not).

#include "dating/term_settings.h"
#include "ui/settings_file.h"
#include "ui/tool_window.h"

class QLineEdit;
class QPushButton;

namespace tovimar {

class TermSettingsWindow : public ToolWindow {
    Q_OBJECT
  public:
    explicit TermSettingsWindow(WindowRegistry& windows);

    // The eleven values as the fields hold them now.
    TermSettings currentSettings() const;

    QLineEdit *IvgText, *RuText, *TxtRisqueLim;
    QLineEdit *Text5, *Text6, *Text7, *Text8;
    QLineEdit *Text9, *Text10, *Text1, *Text2, *Text15, *Text16;
    QPushButton *CmdEnregistrer, *CmdQuitter;

  private:
    void build();
    void load();
    void save();
    void convertWeeksToDays(QLineEdit* weeks, QLineEdit* days);
    QLineEdit* field(int index) const;

    SettingsFile file_;
};

} // namespace tovimar
