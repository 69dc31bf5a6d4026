// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/key_filters.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace tovimar {
namespace {

enum class Rule { Digits, Decimal, Date, AnyWithComma };

class KeyFilter : public QObject {
  public:
    KeyFilter(QLineEdit* field, Rule rule, std::function<void()> refused)
        : QObject(field), field_(field), rule_(rule), refused_(std::move(refused)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != field_ || event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        // Shortcuts (Ctrl+V...) pass; Alt+letter reaches a field only when it
        // is no shortcut, and the field would then type the letter.
        if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
        const QString text = key->text();
        if (text.isEmpty() ||
            (text.size() == 1 && (text[0].unicode() < 0x20 || text[0].unicode() == 0x7F)))
            return false; // not a typed character
        if (text.size() == 1) {
            const QChar c = text[0];
            if (c >= '0' && c <= '9') return false;
            if (rule_ == Rule::Date && c == '/') return false;
            if (rule_ == Rule::Decimal && c == ',') return false;
            if ((rule_ == Rule::Decimal || rule_ == Rule::AnyWithComma) && c == '.') {
                field_->insert(QStringLiteral(","));
                return true;
            }
        }
        if (rule_ == Rule::AnyWithComma) return false;
        if (refused_) refused_();
        return true;
    }

  private:
    QLineEdit* field_;
    Rule rule_;
    std::function<void()> refused_;
};

void install(QLineEdit* field, Rule rule, std::function<void()> refused = {}) {
    field->installEventFilter(new KeyFilter(field, rule, std::move(refused)));
}

} // namespace

void acceptDigitsOnly(QLineEdit* field) {
    install(field, Rule::Digits);
}
void acceptDecimal(QLineEdit* field) {
    install(field, Rule::Decimal);
}
void typeFullStopAsComma(QLineEdit* field) {
    install(field, Rule::AnyWithComma);
}
void acceptDateCharacters(QLineEdit* field, std::function<void()> refused) {
    install(field, Rule::Date, std::move(refused));
}

} // namespace tovimar
