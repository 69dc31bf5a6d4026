#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QVariant>

namespace tovimar {
namespace {

constexpr char kResultCaption[] = "tovimarResultCaption";
constexpr char kWindowRole[] = "tovimarWindowRole";

class ResultAccessible : public QAccessibleWidget {
  public:
    explicit ResultAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const QLabel*>(widget());
        const QString value = label->text().simplified();
        if (t == QAccessible::Name) {
            const QString caption = label->property(kResultCaption).toString();
            return value.isEmpty() ? caption : caption + QStringLiteral(" : ") + value;
        }
        if (t == QAccessible::Value) return value;
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
};

class WindowAccessible : public QAccessibleWidget {
  public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}
};

// Factories are asked for each class of an object's hierarchy, most derived
// first, before Qt's own; nullptr leaves the object to Qt.
QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("QLabel") && object->property(kResultCaption).isValid())
        return new ResultAccessible(static_cast<QLabel*>(widget));
    if (object->property(kWindowRole).toBool() &&
        className == QLatin1String(object->metaObject()->className()))
        return new WindowAccessible(widget);
    return nullptr;
}

void installFactoryOnce() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

} // namespace

// With a screen reader running, Qt may have built the widget's interface
// already (a label announces its text as it is built): drop it so that the
// next question builds ours.
template <class Ours> void replaceInterface(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (face && !dynamic_cast<Ours*>(face))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
}

void announceAsResult(QLabel* label, const QString& caption) {
    installFactoryOnce();
    // The name is composed when asked: an accessible name set by hand would
    // freeze it, and a label without one tells the reader when its text changes.
    label->setAccessibleName(QString());
    label->setProperty(kResultCaption, caption);
    replaceInterface<ResultAccessible>(label);
}

void announceAsWindow(QWidget* window) {
    installFactoryOnce();
    window->setProperty(kWindowRole, true);
    replaceInterface<WindowAccessible>(window);
}

} // namespace tovimar
