// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Convertisseur € / F": euros and francs converted into each other as the
// practitioner types.

#include "ui/tool_window.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tovimar {

class ConverterWindow : public ToolWindow {
    Q_OBJECT
  public:
    explicit ConverterWindow(WindowRegistry& windows);

  private:
    QLabel *eurosCaption, *francsCaption;
    QLineEdit *euros, *francs;
    QPushButton *clearButton, *calculatorButton, *quitButton;

    void build();
    void clear();
};

} // namespace tovimar
