// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/date_field.h"

#include <QEvent>
#include <QLineEdit>

#include "ui/date_picker_window.h"

namespace tovimar {
namespace {

// Lives as a child of its field, so that it goes with it.
class DoubleClickFilter : public QObject {
  public:
    DoubleClickFilter(QLineEdit* field, std::function<void()> open)
        : QObject(field), open_(std::move(open)) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonDblClick) return false;
        open_();
        return true;
    }

  private:
    std::function<void()> open_;
};

} // namespace

void detail::onDoubleClick(QLineEdit* field, std::function<void()> open) {
    field->installEventFilter(new DoubleClickFilter(field, std::move(open)));
}

void offerSharedCalendar(QLineEdit* field, WindowRegistry& windows, const QString& title,
                         const QString& calendarName) {
    detail::onDoubleClick(field, [field, &windows, title, calendarName] {
        windows.get<DatePickerWindow>().openFor(field, title, calendarName);
    });
}

} // namespace tovimar
