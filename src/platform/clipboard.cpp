// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tovimar {

void SystemClipboard::setText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text, QClipboard::Clipboard);
    if (clipboard->supportsSelection()) clipboard->setText(text, QClipboard::Selection);
}

} // namespace tovimar
