#include "platform/text_prompt.h"

#include <QApplication>
#include <QInputDialog>

#include "platform/messages.h"

namespace tovimar {

QString InputDialogPrompt::ask(const QString& prompt) {
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), kApplicationTitle,
                                               prompt, QLineEdit::Normal, QString(), &ok);
    return ok ? text : QString();
}

} // namespace tovimar
