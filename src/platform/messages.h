#pragma once
// Modal messages to the user: an OK box with the application's title, or a question.

#include <QString>

class QWidget;

namespace tovimar {

inline const QString kApplicationTitle = QStringLiteral("Tovimar-S");

class Messages {
  public:
    enum class Answer { Yes, No, Cancel };
    virtual ~Messages() = default;
    virtual void inform(const QString& text) = 0;
    virtual Answer askYesNoCancel(const QString& text) = 0;
};

// Message boxes over the active window.
class MessageBoxes : public Messages {
  public:
    void inform(const QString& text) override;
    Answer askYesNoCancel(const QString& text) override;
};

} // namespace tovimar
