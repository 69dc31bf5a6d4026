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
    QLabel *Label1, *Label2;
    QLineEdit *Text1, *Text2;
    QPushButton *Command1, *Command2, *Command3;
    void build();
    void clear();
};

} // namespace tovimar
