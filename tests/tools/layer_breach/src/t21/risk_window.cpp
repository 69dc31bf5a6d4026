// SPDX-License-Identifier: GPL-3.0-or-later
#include "t21/risk_window.h"
#include "dating/editor_window.h"

int RiskWindow::risk() const {
    // windows().existing<EditorWindow>() in a comment is no request
    return windows().existing<EditorWindow>() != nullptr;
}
