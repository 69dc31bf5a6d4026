// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextDocumentFragment>
#include <QVariant>
#include <functional>
#include <utility>
#include <vector>

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
            QString shown = value;
            // "Coefficient de risque = 0,27" under the caption "Coefficient de
            // risque" is read "Coefficient de risque : 0,27", the caption once.
            if (!caption.isEmpty() && shown.startsWith(caption, Qt::CaseInsensitive)) {
                shown = shown.mid(caption.size()).trimmed();
                if (shown.startsWith(u'=') || shown.startsWith(u':'))
                    shown = shown.mid(1).trimmed();
            }
            return shown.isEmpty() ? caption : caption + QStringLiteral(" : ") + shown;
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

// The words of a label as read: without its mnemonic marks ("&Nom :" reads
// "Nom") and without the colon that ends a caption.
QString captionWords(const QLabel* label) {
    QString text = label->textFormat() == Qt::RichText || (label->textFormat() == Qt::AutoText &&
                                                           Qt::mightBeRichText(label->text()))
                       ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                       : label->text();
    QString words;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) ++i;
        words += text[i];
    }
    words = words.simplified();
    while (words.endsWith(u':'))
        words = words.chopped(1).trimmed();
    return words;
}

// A combo box read as Qt reads one, but named by its purpose: its accessible
// name, else the label it is the buddy of, else its tool tip. Its value stays
// the entry shown.
class ComboAccessible : public QAccessibleWidget {
  public:
    explicit ComboAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return purpose();
        case QAccessible::Value:
            return combo()->lineEdit() ? combo()->lineEdit()->text() : combo()->currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    int childCount() const override { return combo()->lineEdit() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0) return QAccessible::queryAccessibleInterface(combo()->view());
        if (index == 1 && combo()->lineEdit())
            return QAccessible::queryAccessibleInterface(combo()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        if (child->object() == combo()->view()) return 0;
        if (combo()->lineEdit() && child->object() == combo()->lineEdit()) return 1;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QLineEdit* field = combo()->lineEdit();
        if (field && field->isVisible() &&
            QRect(field->mapToGlobal(QPoint(0, 0)), field->size()).contains(x, y))
            return QAccessible::queryAccessibleInterface(field);
        return nullptr;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    QString localizedActionDescription(const QString& action) const override {
        if (action == showMenuAction() || action == pressAction())
            return QStringLiteral("Ouvre la liste");
        return QAccessibleWidget::localizedActionDescription(action);
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            if (combo()->view()->isVisible())
                combo()->hidePopup();
            else
                combo()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

  private:
    QString purpose() const {
        const QString own = combo()->accessibleName();
        if (!own.isEmpty()) return own;
        if (QWidget* window = combo()->window()) {
            for (const QLabel* label : window->findChildren<QLabel*>())
                if (label->buddy() == combo()) {
                    const QString words = captionWords(label);
                    if (!words.isEmpty()) return words;
                }
        }
        if (const QLabel* label = labelBeside(combo())) {
            const QString words = captionWords(label);
            if (!words.isEmpty()) return words;
        }
        return combo()->toolTip();
    }

    // The label a layout puts just before a control, as a reader sees it
    // ("Regarder dans :" beside the folders of Qt's file dialog, which names
    // no buddy): the form's label, the grid's cell on the left, or the box's
    // previous item; for a control first in a row of its own, what stands
    // before that row.
    static const QLabel* labelBeside(const QWidget* control) {
        const QWidget* parent = control->parentWidget();
        QLayout* top = parent ? parent->layout() : nullptr;
        if (!top) return nullptr;
        // The layouts from the top one down to the control, with the place of each step.
        std::vector<std::pair<QLayout*, int>> path;
        const std::function<bool(QLayout*)> locate = [&](QLayout* layout) {
            for (int i = 0; i < layout->count(); ++i) {
                QLayoutItem* item = layout->itemAt(i);
                path.emplace_back(layout, i);
                if (item->widget() == control) return true;
                if (QLayout* inner = item->layout(); inner && locate(inner)) return true;
                path.pop_back();
            }
            return false;
        };
        if (!locate(top)) return nullptr;
        for (auto step = path.rbegin(); step != path.rend(); ++step) {
            auto [layout, index] = *step;
            QLayoutItem* before = nullptr;
            if (auto* form = qobject_cast<QFormLayout*>(layout)) {
                int row = 0;
                QFormLayout::ItemRole role{};
                form->getItemPosition(index, &row, &role);
                if (role == QFormLayout::FieldRole)
                    before = form->itemAt(row, QFormLayout::LabelRole);
            } else if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
                int row = 0, column = 0, rows = 0, columns = 0;
                grid->getItemPosition(index, &row, &column, &rows, &columns);
                if (column > 0) before = grid->itemAtPosition(row, column - 1);
            } else if (qobject_cast<QBoxLayout*>(layout) && index > 0) {
                before = layout->itemAt(index - 1);
            }
            if (before) return qobject_cast<const QLabel*>(before->widget());
        }
        return nullptr;
    }
};

// Factories are asked for each class of an object's hierarchy, most derived
// first, before Qt's own; nullptr leaves the object to Qt.
QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("QComboBox"))
        return new ComboAccessible(static_cast<QComboBox*>(widget));
    if (className == QLatin1String("QLabel") && object->property(kResultCaption).isValid())
        return new ResultAccessible(static_cast<QLabel*>(widget));
    if (object->property(kWindowRole).toBool() &&
        className == QLatin1String(object->metaObject()->className()))
        return new WindowAccessible(widget);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

// With a screen reader running, Qt may have built the widget's interface
// already (a label announces its text as it is built): drop it so that the
// next question builds ours.
template <class Ours> void replaceInterface(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (face && !dynamic_cast<Ours*>(face))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
}

void announceAsResult(QLabel* label, const QString& caption) {
    installAccessibleInterfaces();
    // The name is composed when asked: an accessible name set by hand would
    // freeze it, and a label without one tells the reader when its text changes.
    label->setAccessibleName(QString());
    label->setProperty(kResultCaption, caption);
    replaceInterface<ResultAccessible>(label);
}

void announceAsWindow(QWidget* window) {
    installAccessibleInterfaces();
    window->setProperty(kWindowRole, true);
    replaceInterface<WindowAccessible>(window);
}

} // namespace tovimar
