// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Form2, "Imprime": the planning as two editable texts, the letterhead and
// the letter, printed as they stand.

#include "ui/tool_window.h"

class QAction;
class QPlainTextEdit;

namespace tovimar {

class WindowRegistry;
struct Platform;
struct PlanningPreview;

class PlanningPreviewWindow : public ToolWindow {
    Q_OBJECT
  public:
    explicit PlanningPreviewWindow(WindowRegistry& windows);

    void setTexts(const PlanningPreview& preview);
    // The texts as they stand, lines separated by CR LF.
    QString headerText() const;
    QString letterText() const;

  private:
    QPlainTextEdit *headerEditor, *letterEditor;
    QAction *printAction, *quitAction;

    void printTexts();
};

} // namespace tovimar
