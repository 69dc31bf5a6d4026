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
    // The 44 amounts, in the order of the file.
    std::array<QLineEdit*, kFeeCount> amountFields{};
    QLabel *consultationTotal, *consultationWithExtrasTotal;
    QPushButton *saveButton, *quitButton;
    QTabWidget* pages; // the consultations and other acts, then the scans

    void build();
    void load();
    void save();

    FeesModel& model_;
};

} // namespace tovimar
