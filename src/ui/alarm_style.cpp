// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/alarm_style.h"

#include <QColor>
#include <QWidget>

#include "ui/controls.h"

namespace tovimar {

void showAlarm(QWidget* widget) {
    colour(widget, Qt::white, kReadableRed);
}

void tintAlarm(QWidget* widget) {
    tintText(widget, kReadableRed);
}

void tintNotice(QWidget* widget) {
    tintText(widget, QColor(0, 0, 0xFF));
}

} // namespace tovimar
