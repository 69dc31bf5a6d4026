// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Asks the user for one line of text; an empty text when cancelled.

#include <QString>

namespace tovimar {

class TextPrompt {
  public:
    virtual ~TextPrompt() = default;
    virtual QString ask(const QString& prompt) = 0;
};

class InputDialogPrompt : public TextPrompt {
  public:
    QString ask(const QString& prompt) override;
};

// Asks "Saisissez le Nom et prénom de la Patiente." for a letter that writes
// "Madame" before the name: a civility typed too ("Mme Dupont") is left out,
// so that the letter does not read "Madame Mme Dupont".
QString askPatientName(TextPrompt& prompt);

} // namespace tovimar
