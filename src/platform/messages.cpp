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

} // namespace tovimar
