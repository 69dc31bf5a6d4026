// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/typing.h"

#include <QTest>

namespace tovimar::testing {

void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace tovimar::testing
