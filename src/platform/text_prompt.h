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

} // namespace tovimar
