// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Key filters on text fields. They look at typed characters only: editing
// and navigation keys (Backspace, Delete, arrows, Tab, Enter) and shortcuts
// (Ctrl+V...) pass, so a paste is not filtered and is read safely later.

#include <QString>
#include <functional>

class QLineEdit;

namespace tovimar {

// Digits only; other characters are dropped silently.
void acceptDigitsOnly(QLineEdit* field);
// Digits and the decimal comma; a typed full stop is entered as a comma.
void acceptDecimal(QLineEdit* field);
// Every key is typed as usual, but a full stop is entered as a comma (what
// cannot be read is told when computing).
void typeFullStopAsComma(QLineEdit* field);
// Digits and "/"; any other character is dropped after `refused` runs.
void acceptDateCharacters(QLineEdit* field, std::function<void()> refused);

} // namespace tovimar
