// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window_driver.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <algorithm>
#include <functional>
#include <memory>
#include <random>
#include <sstream>

#include "support/fake_platform.h"
#include "support/typing.h"

namespace tovimar::testing {
namespace {

QString colours(const QWidget* w) {
    if (!w->autoFillBackground()) return {};
    const QPalette& p = w->palette();
    return QStringLiteral(" [%1 sur %2]")
        .arg(p.color(QPalette::WindowText).name(), p.color(QPalette::Window).name());
}

QString listText(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) {
        const QListWidgetItem* item = list->item(i);
        QString entry = item->text();
        if (item->flags() & Qt::ItemIsUserCheckable)
            entry +=
                item->checkState() == Qt::Checked ? QStringLiteral(" [x]") : QStringLiteral(" [ ]");
        out << entry;
    }
    return out.join(QStringLiteral(" | "));
}

QString stateOf(QWidget* window, QWidget* w) {
    QString text;
    if (auto* label = qobject_cast<QLabel*>(w))
        text = label->text() + colours(label);
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        text = edit->text() + colours(edit);
    else if (auto* list = qobject_cast<QListWidget*>(w))
        text = listText(list);
    else if (auto* box = qobject_cast<QGroupBox*>(w))
        text = box->title();
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        text = button->text() +
               (button->isCheckable()
                    ? (button->isChecked() ? QStringLiteral(" [x]") : QStringLiteral(" [ ]"))
                    : QString());
    else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        QStringList entries;
        for (int i = 0; i < combo->count(); ++i)
            entries << combo->itemText(i);
        text = QString::number(combo->currentIndex()) + QStringLiteral(" of ") +
               entries.join(QStringLiteral(" | "));
    } else if (auto* bar = qobject_cast<QProgressBar*>(w))
        text = QString::number(bar->value());
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        text = plain->toPlainText();
    else if (auto* rich = qobject_cast<QTextEdit*>(w))
        text = rich->toPlainText();
    const bool shown = w == window || w->isVisibleTo(window);
    return (shown ? QStringLiteral("shown: ") : QStringLiteral("hidden: ")) + text;
}

// The text a field holds, cleared as a user clears it.
void clearField(QLineEdit* field) {
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    if (!field->text().isEmpty()) field->clear(); // a field whose filter refused Backspace
}

// A paste over the whole field: a user's edit (textEdited), without the key filters.
void pasteInto(QLineEdit* field, const QString& value) {
    field->selectAll();
    if (value.isEmpty())
        field->del();
    else
        field->insert(value);
}

QWidget* findNamed(QWidget* window, const char* name) {
    if (window->objectName() == QLatin1String(name)) return window;
    return window->findChild<QWidget*>(QString::fromLatin1(name));
}

struct Driven {
    std::unique_ptr<FakePlatform> fake;
    QWidget* window = nullptr;
};

Driven build(const DrivenWindow& row) {
    Driven d;
    d.fake = std::make_unique<FakePlatform>();
    if (row.prepare) row.prepare(*d.fake);
    d.window = row.open(*d.fake);
    return d;
}

void press(QWidget* window, const QString& name, std::ostream& log) {
    auto* button = window->findChild<QAbstractButton*>(name);
    if (!button) {
        log << "  (no button " << name.toStdString() << ")\n";
        return;
    }
    if (!button->isEnabled() || !button->isVisibleTo(window)) return;
    log << "  press " << name.toStdString() << '\n';
    button->click();
}

// The final value of one input, as a fresh window is given it.
struct FinalValue {
    QString text;
    bool ticked = false;
    int index = -1;
    std::vector<bool> ticks;
};

FinalValue readInput(QWidget* window, const DrivenInput& in) {
    FinalValue v;
    switch (in.kind) {
    case DrivenInput::Kind::Field:
        if (auto* f = qobject_cast<QLineEdit*>(findNamed(window, in.name))) v.text = f->text();
        break;
    case DrivenInput::Kind::CheckBox:
        if (auto* b = qobject_cast<QAbstractButton*>(findNamed(window, in.name)))
            v.ticked = b->isChecked();
        break;
    case DrivenInput::Kind::Choice:
        for (int i = 0; i < in.values.size(); ++i)
            if (auto* b = window->findChild<QAbstractButton*>(in.values[i]); b && b->isChecked())
                v.index = i;
        break;
    case DrivenInput::Kind::ComboBox:
        if (auto* c = qobject_cast<QComboBox*>(findNamed(window, in.name)))
            v.index = c->currentIndex();
        break;
    case DrivenInput::Kind::ListTicks:
        if (auto* l = qobject_cast<QListWidget*>(findNamed(window, in.name)))
            for (int i = 0; i < l->count(); ++i)
                v.ticks.push_back(l->item(i)->checkState() == Qt::Checked);
        break;
    }
    return v;
}

void giveInput(QWidget* window, const DrivenInput& in, const FinalValue& v) {
    switch (in.kind) {
    case DrivenInput::Kind::Field:
        if (auto* f = qobject_cast<QLineEdit*>(findNamed(window, in.name))) {
            if (f->text() != v.text) pasteInto(f, v.text);
        }
        break;
    case DrivenInput::Kind::CheckBox:
        if (auto* b = qobject_cast<QAbstractButton*>(findNamed(window, in.name)))
            if (b->isChecked() != v.ticked) b->click();
        break;
    case DrivenInput::Kind::Choice:
        if (v.index >= 0)
            if (auto* b = window->findChild<QAbstractButton*>(in.values[v.index]))
                if (!b->isChecked()) b->click();
        break;
    case DrivenInput::Kind::ComboBox:
        if (auto* c = qobject_cast<QComboBox*>(findNamed(window, in.name)))
            c->setCurrentIndex(v.index);
        break;
    case DrivenInput::Kind::ListTicks:
        if (auto* l = qobject_cast<QListWidget*>(findNamed(window, in.name)))
            for (int i = 0; i < l->count() && i < int(v.ticks.size()); ++i)
                l->item(i)->setCheckState(v.ticks[std::size_t(i)] ? Qt::Checked : Qt::Unchecked);
        break;
    }
}

// One random action on one input.
void actOn(QWidget* window, const DrivenInput& in, std::mt19937& random, std::ostream& log) {
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    switch (in.kind) {
    case DrivenInput::Kind::Field: {
        auto* f = qobject_cast<QLineEdit*>(findNamed(window, in.name));
        if (!f || in.values.isEmpty()) return;
        const QString value = in.values[pick(int(in.values.size()))];
        if (pick(2) == 0) {
            log << "  type \"" << value.toStdString() << "\" into " << in.name << '\n';
            f->setFocus();
            clearField(f);
            typeText(f, value);
        } else {
            log << "  paste \"" << value.toStdString() << "\" into " << in.name << '\n';
            pasteInto(f, value);
        }
        break;
    }
    case DrivenInput::Kind::CheckBox:
        if (auto* b = qobject_cast<QAbstractButton*>(findNamed(window, in.name))) {
            log << "  click " << in.name << '\n';
            b->click();
        }
        break;
    case DrivenInput::Kind::Choice: {
        const QString option = in.values[pick(int(in.values.size()))];
        if (auto* b = window->findChild<QAbstractButton*>(option)) {
            log << "  choose " << option.toStdString() << '\n';
            b->click();
        }
        break;
    }
    case DrivenInput::Kind::ComboBox:
        if (auto* c = qobject_cast<QComboBox*>(findNamed(window, in.name)); c && c->count() > 0) {
            const int index = pick(c->count() + 1) - 1;
            log << "  select entry " << index << " of " << in.name << '\n';
            c->setCurrentIndex(index);
        }
        break;
    case DrivenInput::Kind::ListTicks:
        if (auto* l = qobject_cast<QListWidget*>(findNamed(window, in.name)); l && l->count() > 0) {
            QListWidgetItem* item = l->item(pick(l->count()));
            log << "  tick/untick \"" << item->text().toStdString() << "\" of " << in.name << '\n';
            item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        }
        break;
    }
}

} // namespace

std::vector<ControlState> snapshot(QWidget* window, const QStringList& ignored) {
    std::vector<ControlState> out;
    QList<QWidget*> all = window->findChildren<QWidget*>();
    all.prepend(window);
    for (QWidget* w : all) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || ignored.contains(name))
            continue;
        // Sliders are inputs; their position may differ from a fresh window's.
        if (qobject_cast<QAbstractSlider*>(w)) continue;
        // Named by its path of named parents: a raised widget moves in its parent's
        // list of children, never in this path.
        QString path = name;
        for (QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
            if (!p->objectName().isEmpty() && !p->objectName().startsWith(QLatin1String("qt_")))
                path = p->objectName() + QLatin1Char('/') + path;
        out.push_back({path, stateOf(window, w)});
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const ControlState& a, const ControlState& b) { return a.name < b.name; });
    return out;
}

std::vector<ControlState> details(QWidget* window) {
    std::vector<ControlState> out;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
        QString state;
        if (auto* slider = qobject_cast<QAbstractSlider*>(w))
            state = QString::number(slider->value());
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            state = combo->currentText();
        else if (qobject_cast<QLabel*>(w) || qobject_cast<QLineEdit*>(w))
            state = w->palette().color(w->foregroundRole()).name() + QLatin1Char(' ') +
                    QString::number(w->font().pointSizeF());
        else
            continue;
        out.push_back({name, state});
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const ControlState& a, const ControlState& b) { return a.name < b.name; });
    return out;
}

namespace {

// `steps` random actions on the row's inputs and buttons, each written to `log`.
void driveRandomly(const DrivenWindow& row, QWidget* window, int steps, std::mt19937& random,
                   std::ostream& log) {
    const int actionCount = int(row.inputs.size() + std::size_t(row.buttons.size()));
    for (int step = 0; step < steps && actionCount > 0; ++step) {
        const int a = std::uniform_int_distribution<int>(0, actionCount - 1)(random);
        if (a < int(row.inputs.size()))
            actOn(window, row.inputs[std::size_t(a)], random, log);
        else
            press(window, row.buttons[a - int(row.inputs.size())], log);
        QApplication::processEvents();
    }
}

// Each control `seen` that is not as `expected`, or nothing.
std::string differences(const std::vector<ControlState>& seen,
                        const std::vector<ControlState>& expected, const char* whereExpected) {
    std::ostringstream diff;
    for (std::size_t i = 0; i < seen.size() && i < expected.size(); ++i)
        if (seen[i].name != expected[i].name || seen[i].state != expected[i].state)
            diff << "  " << seen[i].name.toStdString() << ": \"" << seen[i].state.toStdString()
                 << "\" where " << whereExpected << " \"" << expected[i].state.toStdString()
                 << "\"\n";
    if (seen.size() != expected.size()) diff << "  not the same controls\n";
    return diff.str();
}

std::string failure(const DrivenWindow& row, unsigned seed, const std::string& diff,
                    const std::ostringstream& log) {
    std::ostringstream report;
    report << row.title << ": replay with TOVIMAR_SEED=" << seed << "\n"
           << diff << "after:\n"
           << log.str();
    return report.str();
}

// Runs `round` on `rounds` seeds drawn from `seed`; the first failure it
// reports, or nothing.
std::string firstFailingRound(unsigned seed, int rounds,
                              const std::function<std::string(unsigned)>& round) {
    for (int k = 0; k < rounds; ++k)
        if (std::string failed = round(seed + unsigned(k) * 7919u); !failed.empty()) return failed;
    return {};
}

} // namespace

std::string driveAndCompare(const DrivenWindow& row, unsigned seed, int rounds, int steps) {
    return firstFailingRound(seed, rounds, [&](unsigned roundSeed) {
        std::mt19937 random(roundSeed);
        std::ostringstream log;
        Driven driven = build(row);
        driveRandomly(row, driven.window, steps, random, log);
        std::vector<FinalValue> finals;
        for (const DrivenInput& in : row.inputs)
            finals.push_back(readInput(driven.window, in));
        for (const QString& name : row.finalPresses)
            press(driven.window, name, log);
        QApplication::processEvents();
        const std::vector<ControlState> seen = snapshot(driven.window, row.ignored);

        Driven fresh = build(row);
        std::ostringstream freshLog;
        for (std::size_t i = 0; i < row.inputs.size(); ++i)
            giveInput(fresh.window, row.inputs[i], finals[i]);
        for (const QString& name : row.finalPresses)
            press(fresh.window, name, freshLog);
        QApplication::processEvents();
        const std::vector<ControlState> expected = snapshot(fresh.window, row.ignored);

        const std::string diff = differences(seen, expected, "a fresh window shows");
        return diff.empty() ? std::string() : failure(row, roundSeed, diff, log);
    });
}

std::string driveCloseAndReopen(const DrivenWindow& row, const QString& quit, unsigned seed,
                                int rounds, int steps) {
    return firstFailingRound(seed, rounds, [&](unsigned roundSeed) {
        std::mt19937 random(roundSeed);
        std::ostringstream log;
        Driven driven = build(row);
        driveRandomly(row, driven.window, steps, random, log);
        const std::vector<ControlState> shown = snapshot(driven.window, {});
        const std::vector<ControlState> shownDetails = details(driven.window);

        const QPointer<QWidget> closed = driven.window;
        press(driven.window, quit, log);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (closed) return failure(row, roundSeed, "  the window was not closed\n", log);
        QWidget* reopened = row.open(*driven.fake);
        QApplication::processEvents();
        const std::string diff =
            differences(snapshot(reopened, {}), shown, "the closed window showed") +
            differences(details(reopened), shownDetails, "the closed window showed");
        return diff.empty() ? std::string() : failure(row, roundSeed, diff, log);
    });
}

} // namespace tovimar::testing
