// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Typing into widgets as a user does, accents included.

#include <QString>
#include <QWidget>

namespace tovimar::testing {

// Sends each character as a key press (QTest::keyClicks cannot type é, à, ...).
void typeText(QWidget* widget, const QString& text);

} // namespace tovimar::testing
