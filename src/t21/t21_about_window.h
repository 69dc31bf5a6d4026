// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "A propos du calcul de risque": where each part of the trisomy 21
// calculation comes from, and its references.

#include "ui/tool_window.h"

class QPlainTextEdit;
class QPushButton;

namespace tovimar {

class T21AboutWindow : public ToolWindow {
    Q_OBJECT
  public:
    explicit T21AboutWindow(WindowRegistry& windows);

  private:
    QPlainTextEdit* aboutText;
    QPushButton* closeButton;
};

// The text the window shows.
extern const char* const kT21AboutText;

} // namespace tovimar
