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
    QComboBox *civilityChoice, *specialityChoice;
    // "Conduite selon": the single threshold (entry 0) or the 2018 thresholds (1).
    QComboBox* strategyChoice;
    QLineEdit *lastNameField, *firstNameField, *establishmentField, *address1Field, *address2Field,
        *townField, *departmentField, *telephoneField;
    QPushButton *clearButton, *quitButton, *saveAndQuitButton;

    void build();
    void load();
    void showOptions(const PracticeOptions& options);
    void save();

    PracticeOptionsModel& model_;
};

} // namespace tovimar
