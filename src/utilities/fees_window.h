// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Tarifs habituels": the practitioner's own fees, kept in tarifs.tvx, with
// the two consultation totals of the saved amounts.

#include <array>

#include "ui/tool_window.h"
#include "utilities/fees_access.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace tovimar {

class FeesWindow : public ToolWindow {
    Q_OBJECT
  public:
    explicit FeesWindow(WindowRegistry& windows);

    // The amounts as the window holds them now.
    FeeSchedule amounts() const;

  private:
    // The amount fields, in file order.
    static const std::array<QLineEdit * FeesWindow::*, kFeeCount> kFields;
    // The 44 amounts, in the order of the file.
    QLineEdit *TxtEC, *TxtECs, *TxtMCS, *TxtMPC, *TxtENuit, *TxtEFerie;
    QLineEdit *TxtGyn01, *TxtGyn02, *TxtGyn03, *TxtGyn04, *TxtGyn05, *TxtGyn06, *TxtGyn07,
        *TxtGyn08, *TxtGyn09, *TxtGyn10;
    QLineEdit *TxtPMA01, *TxtPMA02, *TxtPMA03, *TxtPMA04, *TxtPMA05;
    QLineEdit *TxtEObs01, *TxtEObs02, *TxtEObs03, *TxtEObs04, *TxtEObs05, *TxtEObs06, *TxtEObs07,
        *TxtEObs08, *TxtEObs09, *TxtEObs10, *TxtEObs11, *TxtEObs12, *TxtEObs13, *TxtEObs14,
        *TxtEObs15, *TxtEObs16;
    QLineEdit *TxtEGyn01, *TxtEGyn02, *TxtEGyn03, *TxtEGyn04, *TxtEGyn05, *TxtEGyn06, *TxtEGyn07;
    QLabel *LblCsMcs, *LblCMcsMpc;
    QPushButton *Enregistrer, *Quitter;
    QTabWidget* Pages; // the consultations and other acts, then the scans
    void build();
    void load();
    void save();
    QLineEdit*& fieldAt(std::size_t index);

    FeesModel& model_;
};

} // namespace tovimar
