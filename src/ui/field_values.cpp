// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/field_values.h"

#include <QLabel>
#include <QLineEdit>

#include "core/french_number.h"

namespace tovimar {

std::optional<VbDate> dateIn(const QLineEdit* field) {
    return readFrenchDate(field->text().toStdString());
}

std::optional<double> numberIn(const QLineEdit* field) {
    return readFrenchNumber(field->text().toStdString());
}

std::optional<double> numberIn(const QLabel* result) {
    return readFrenchNumber(result->text().toStdString());
}

QString shown(const std::string& text) {
    return QString::fromStdString(text);
}

QString shown(VbDate date) {
    return QString::fromStdString(date.toText());
}

} // namespace tovimar
