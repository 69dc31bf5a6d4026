// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/messages.h"

#include <QApplication>
#include <QMessageBox>

namespace tovimar {

void MessageBoxes::inform(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

Messages::Answer MessageBoxes::askYesNoCancel(const QString& text) {
    QMessageBox box(QMessageBox::Question, kApplicationTitle, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    QApplication::activeWindow());
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

Messages::Answer MessageBoxes::askWarning(const QString& title, const QString& text, Icon icon,
                                          bool withCancel) {
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel) buttons |= QMessageBox::Cancel;
    QMessageBox box(icon == Icon::Stop ? QMessageBox::Critical : QMessageBox::Question, title, text,
                    buttons, QApplication::activeWindow());
    // No is the safe answer to a deletion: Enter alone never confirms it.
    box.setDefaultButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

} // namespace tovimar
