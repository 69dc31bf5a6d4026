// SPDX-License-Identifier: GPL-3.0-or-later
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

    // A warning question in a box of its own title: a question mark or a stop
    // sign, Yes and No, and Cancel when asked for. Without a box of its own,
    // it is asked like any question.
    enum class Icon { Question, Stop };
    virtual Answer askWarning(const QString& title, const QString& text, Icon icon,
                              bool withCancel) {
        (void)title;
        (void)icon;
        (void)withCancel;
        return askYesNoCancel(text);
    }
};

// Message boxes over the active window.
class MessageBoxes : public Messages {
  public:
    void inform(const QString& text) override;
    Answer askYesNoCancel(const QString& text) override;
    Answer askWarning(const QString& title, const QString& text, Icon icon,
                      bool withCancel) override;
};

} // namespace tovimar
