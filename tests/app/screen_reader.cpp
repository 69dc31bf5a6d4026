// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears of a window, and where Tab takes it.
#include "app/screen_reader.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>

namespace tovimar::testing {
namespace {

// Qt's own English words, which a control left unnamed would speak.
bool soundsEnglish(const QString& name) {
    static const QStringList english = {"Previous", "Next",  "Month", "Year",   "Cancel",
                                        "Close",    "Open",  "Save",  "Search", "Back",
                                        "Forward",  "Print", "Clear", "Apply",  "Yes"};
    for (const QString& word : english)
        if (name.split(' ').contains(word)) return true;
    return false;
}

// A programmer's name ("Text1", "TxtAge") spoken instead of a caption; short
// abbreviations of the trade ("E2", "CA") are words here.
bool soundsLikeCode(const QString& name) {
    static const QRegularExpression identifier("^(?=\\w{4,}$)\\w*([a-z][A-Z]|[A-Za-z][0-9])\\w*$");
    return identifier.match(name).hasMatch();
}

// How the table names a control: its object name, or for a part Qt builds
// inside a control (the field of an editable list, a calendar's buttons), the
// control's name and what is spoken.
QString tableName(QWidget* w) {
    if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_")) return w->objectName();
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (!p->objectName().isEmpty() && !p->objectName().startsWith("qt_"))
            return p->objectName() + ":" + spokenName(w);
    return spokenName(w);
}

// A control Tab can land on.
bool reachable(QWidget* w, QWidget* window) {
    return (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(window) &&
           w->window() == window;
}

// The part of `ancestor` that holds `w`: its child on the way down to `w`, or `w`.
QWidget* partHolding(QWidget* ancestor, QWidget* w) {
    while (w->parentWidget() && w->parentWidget() != ancestor)
        w = w->parentWidget();
    return w;
}

} // namespace

QString spokenName(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name).trimmed() : QString();
}

bool namedInFrench(QWidget* w) {
    const QString name = spokenName(w);
    return !name.isEmpty() && !soundsLikeCode(name) && !soundsEnglish(name);
}

// A control and what it says, for the failure message.
QString heard(QWidget* w) {
    return tableName(w) + " = \"" + spokenName(w) + "\"";
}

// The controls shown that a mouse can use, reachable by Tab or not.
QStringList unnamedControls(QWidget* window) {
    QStringList unnamed;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                             qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSlider*>(w) ||
                             qobject_cast<QAbstractItemView*>(w);
        if (!control || !w->isVisibleTo(window) || w->window() != window) continue;
        // The field inside an editable list speaks for the list, and a list's
        // or a text's own scroll bars are told as that control's.
        if (qobject_cast<QLineEdit*>(w) && qobject_cast<QComboBox*>(w->parentWidget())) continue;
        if (qobject_cast<QAbstractSlider*>(w) && w->parentWidget() &&
            w->parentWidget()->objectName().startsWith("qt_scrollarea"))
            continue;
        if (!namedInFrench(w)) unnamed << heard(w);
    }
    return unnamed;
}

QStringList tabWalk(QWidget* window, QStringList& unnamed, QList<QWidget*>* visited) {
    window->show();
    QApplication::setActiveWindow(window);
    QWidget* first = nullptr;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if (reachable(w, window)) {
            first = w;
            break;
        }
    QStringList order;
    if (!first) return order;
    first->setFocus(Qt::TabFocusReason);
    // A calendar hands its focus to its grid of days.
    first = QApplication::focusWidget();
    QWidget* current = first;
    for (int steps = 0; steps < 120; ++steps) {
        order << tableName(current);
        if (visited) *visited << current;
        if (!namedInFrench(current)) unnamed << heard(current);
        QTest::keyClick(current, Qt::Key_Tab);
        QWidget* next = QApplication::focusWidget();
        if (!next || next == first) break;
        if (next == current) {
            order << "(Tab reste sur " + tableName(current) + ")";
            break;
        }
        current = next;
    }
    return order;
}

QStringList againstReading(QWidget* window, const QList<QWidget*>& walk) {
    QStringList faults;
    for (int i = 0; i + 1 < walk.size(); ++i) {
        QWidget* a = walk[i];
        QWidget* b = walk[i + 1];
        QWidget* common = a->parentWidget();
        while (common && common != window && !common->isAncestorOf(b))
            common = common->parentWidget();
        if (!common || a == common || b == common || common->isAncestorOf(b) == false) continue;
        QWidget* partA = partHolding(common, a);
        QWidget* partB = partHolding(common, b);
        if (partA == partB) continue;
        const QRect ra = partA->geometry();
        const QRect rb = partB->geometry();
        const int overlap = std::min(ra.bottom(), rb.bottom()) - std::max(ra.top(), rb.top());
        const bool sameRow = overlap > 0;
        const bool forward = sameRow ? rb.left() >= ra.left() : rb.center().y() > ra.center().y();
        if (!forward)
            faults << tableName(a) + " → " + tableName(b) +
                          (sameRow ? " (vers la gauche)" : " (vers le haut)");
    }
    return faults;
}

QStringList unclearNames(QWidget* window) {
    QStringList faults;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(window);
    if (!face || (face->role() != QAccessible::Window && face->role() != QAccessible::Dialog))
        faults << "la fenêtre n'est pas lue comme une fenêtre";
    QMap<QString, QStringList> buttons;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->window() != window) continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (!a) continue;
        const QString name = a->text(QAccessible::Name).trimmed();
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            const QString value = combo->currentText().trimmed();
            if (name.isEmpty() || (!value.isEmpty() && name == value))
                faults << heard(w) + " (nommée par sa valeur)";
            if (a->text(QAccessible::Value) != combo->currentText())
                faults << heard(w) + " (valeur \"" + a->text(QAccessible::Value) + "\")";
        }
        if (qobject_cast<QAbstractButton*>(w) && !name.isEmpty() && w->isEnabled())
            buttons[name.toCaseFolded()] << tableName(w);
        if (qobject_cast<QLabel*>(w)) {
            // "Coefficient de risque : Coefficient de risque = 0,27" says its caption twice.
            const qsizetype colon = name.indexOf(" : ");
            if (colon > 0 && name.mid(colon + 3).startsWith(name.left(colon), Qt::CaseInsensitive))
                faults << heard(w) + " (légende répétée)";
        }
    }
    for (auto it = buttons.cbegin(); it != buttons.cend(); ++it)
        if (it.value().size() > 1)
            faults << "boutons de même nom \"" + it.key() + "\" : " + it.value().join(", ");
    return faults;
}

} // namespace tovimar::testing
