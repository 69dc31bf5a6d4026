// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "En tête et seuil pour l'amniocentèse": shows and rewrites the letterhead
// kept in options.tvx, through the practice options model, which holds what
// is on screen, saved or not, while the screen is open.

#include "ui/tool_window.h"
#include "utilities/practice_options_access.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tovimar {

class WindowRegistry;
struct Platform;

class PracticeOptionsWindow : public ToolWindow {
    Q_OBJECT
  public:
    explicit PracticeOptionsWindow(WindowRegistry& windows);
    ~PracticeOptionsWindow() override;

    // The ten fields as the screen holds them now.
    PracticeOptions currentOptions() const;

  private:
    QComboBox *Combo1, *Combo2;
    // "Conduite selon": the single threshold (entry 0) or the 2018 thresholds (1).
    QComboBox* CboConduite;
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text7, *Text8;
    QPushButton *Annuler, *Quitte, *Enregistre;
    void build();
    void load();
    void showOptions(const PracticeOptions& options);
    void save();

    PracticeOptionsModel& model_;
};

} // namespace tovimar
