// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings_model.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

namespace tovimar {

void publishEditsOf(QWidget* editor, const std::function<void()>& publish) {
    for (auto* edit : editor->findChildren<QLineEdit*>())
        QObject::connect(edit, &QLineEdit::textChanged, editor, publish);
    for (auto* combo : editor->findChildren<QComboBox*>()) {
        QObject::connect(combo, &QComboBox::currentIndexChanged, editor, publish);
        QObject::connect(combo, &QComboBox::currentTextChanged, editor, publish);
    }
    for (auto* box : editor->findChildren<QAbstractButton*>())
        if (box->isCheckable()) QObject::connect(box, &QAbstractButton::toggled, editor, publish);
}

} // namespace tovimar
