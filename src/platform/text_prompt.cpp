// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text_prompt.h"

#include <QApplication>
#include <QInputDialog>

#include "core/patient_name.h"
#include "platform/messages.h"

namespace tovimar {

QString InputDialogPrompt::ask(const QString& prompt) {
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), kApplicationTitle,
                                               prompt, QLineEdit::Normal, QString(), &ok);
    return ok ? text : QString();
}

QString askPatientName(TextPrompt& prompt) {
    const QString typed = prompt.ask(QStringLiteral("Saisissez le Nom et prénom de la Patiente."));
    return QString::fromStdString(withoutCivility(typed.toStdString()));
}

} // namespace tovimar
