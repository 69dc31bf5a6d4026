// SPDX-License-Identifier: GPL-3.0-or-later
// Every window reads on a light desktop and on a dark one: in its fullest
// state (a whole case typed, every result written), each text shown stands
// out from what it is drawn on at the AA level of the accessibility
// guidelines (a contrast of 4.5 at least), coloured results included.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyle>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

#include "app/about_box.h"
#include "app/main_window.h"
#include "app/patient_dialog.h"
#include "obstetrics/preterm_labour_window.h"
#include "support/controls.h"
#include "support/desktop_looks.h"
#include "support/filled_windows.h"
#include "ui/controls.h"
#include "ui/date_picker_window.h"
#include "ui/help_window.h"
#include "ui/window_registry.h"

namespace tovimar::testing {
// The look as a failure names it ("clair", "sombre").
void PrintTo(Look look, std::ostream* out) {
    *out << lookName(look).toStdString();
}
} // namespace tovimar::testing

using namespace tovimar;
using namespace tovimar::testing;

namespace {

constexpr double kAA = 4.5;

QString nameOf(const QWidget* w) {
    if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
        return w->objectName();
    const QString kind = QString::fromLatin1(w->metaObject()->className());
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (!p->objectName().isEmpty() && !p->objectName().startsWith(QLatin1String("qt_")))
            return p->objectName() + ":" + kind;
    return kind;
}

struct Faults {
    QStringList list;
    void check(const QWidget* w, const QString& what, const QColor& text, const QColor& back) {
        const double ratio = contrastRatio(text, back);
        if (ratio < kAA)
            list << QStringLiteral("%1%2 : %3 sur %4 (%5)")
                        .arg(nameOf(w), what.isEmpty() ? QString() : " " + what, text.name(),
                             back.name(), QString::number(ratio, 'f', 2));
    }
};

// A field, a list or a text area writes on its own base.
bool writesOnBase(const QWidget* w) {
    if (auto* combo = qobject_cast<const QComboBox*>(w)) return combo->isEditable();
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w);
}

void checkItems(const QAbstractItemView* view, Faults& faults) {
    const QPalette& p = view->palette();
    const auto item = [&](const QString& text, const QBrush& fg, const QBrush& bg) {
        if (text.trimmed().isEmpty()) return;
        const QColor back = bg.style() == Qt::NoBrush ? p.color(QPalette::Base) : bg.color();
        const QColor front = fg.style() == Qt::NoBrush ? p.color(QPalette::Text) : fg.color();
        faults.check(view, "« " + text.left(30) + " »", front, back);
    };
    if (auto* list = qobject_cast<const QListWidget*>(view))
        for (int i = 0; i < list->count(); ++i)
            item(list->item(i)->text(), list->item(i)->foreground(), list->item(i)->background());
    if (auto* table = qobject_cast<const QTableWidget*>(view))
        for (int r = 0; r < table->rowCount(); ++r)
            for (int c = 0; c < table->columnCount(); ++c)
                if (const QTableWidgetItem* cell = table->item(r, c))
                    item(cell->text(), cell->foreground(), cell->background());
}

// The calendars' days of the week-end, which Qt writes in red.
void checkCalendar(const QCalendarWidget* calendar, Faults& faults) {
    const QColor base = calendar->palette().color(QPalette::Base);
    for (Qt::DayOfWeek day : {Qt::Saturday, Qt::Sunday}) {
        const QBrush fg = calendar->weekdayTextFormat(day).foreground();
        faults.check(calendar, day == Qt::Saturday ? "samedi" : "dimanche",
                     fg.style() == Qt::NoBrush ? calendar->palette().color(QPalette::Text)
                                               : fg.color(),
                     base);
    }
}

// Every text shown in the window whose colours do not reach the AA level.
QStringList unreadable(QWidget* window) {
    Faults faults;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(window) && w != window) continue;
        // Greyed-out controls are exempt, as the guidelines say.
        if (!w->isEnabled() || w->window() != window) continue;
        const QPalette& p = w->palette();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (!label->text().trimmed().isEmpty())
                faults.check(w, {}, p.color(w->foregroundRole()), drawnBehind(w));
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            if (!box->title().isEmpty())
                faults.check(w, "titre", p.color(QPalette::WindowText), drawnBehind(w));
        } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
            if (!static_cast<QAbstractButton*>(w)->text().isEmpty())
                faults.check(w, {}, p.color(w->foregroundRole()), drawnBehind(w));
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            // A flat button (a calendar's month and year) is drawn on what is behind it.
            auto* tool = qobject_cast<QToolButton*>(w);
            if (!button->text().isEmpty())
                faults.check(w, {}, p.color(QPalette::ButtonText),
                             tool && tool->autoRaise() ? drawnBehind(w)
                                                       : p.color(QPalette::Button));
        } else if (auto* combo = qobject_cast<QComboBox*>(w); combo && !combo->isEditable()) {
            faults.check(w, {}, p.color(QPalette::ButtonText), p.color(QPalette::Button));
        } else if (writesOnBase(w)) {
            faults.check(w, {}, p.color(QPalette::Text), p.color(QPalette::Base));
            if (auto* view = qobject_cast<QAbstractItemView*>(w)) checkItems(view, faults);
        } else if (auto* calendar = qobject_cast<QCalendarWidget*>(w)) {
            checkCalendar(calendar, faults);
        }
    }
    return faults.list;
}

// The look of the desktop for one test, and the one before it back after.
class DesktopLook {
  public:
    explicit DesktopLook(Look look)
        : palette_(QApplication::palette()), style_(QApplication::style()->name()) {
        useLook(look);
    }
    ~DesktopLook() {
        QApplication::setStyle(style_);
        QApplication::setPalette(palette_);
    }

  private:
    QPalette palette_;
    QString style_;
};

class WindowContrast : public ::testing::TestWithParam<Look> {};

TEST_P(WindowContrast, EveryTextOfEveryFilledWindowReadsAtTheAALevel) {
    const DesktopLook look(GetParam());
    {
        FilledProgram program;
        const QStringList faults = unreadable(program.main);
        EXPECT_TRUE(faults.isEmpty()) << "MainWindow: " << faults.join(", ").toStdString();
    }
    for (const FilledWindow& row : filledWindows()) {
        FilledProgram program;
        QWidget* window = program.open(row);
        ASSERT_NE(window, nullptr) << row.window;
        const QStringList faults = unreadable(window);
        EXPECT_TRUE(faults.isEmpty()) << row.window << ": " << faults.join(", ").toStdString();
    }
}

// The windows a menu entry does not fill: the calendars, the about box and the
// patient's dialog.
TEST_P(WindowContrast, TheCalendarsAndDialogsRead) {
    const DesktopLook look(GetParam());
    FilledProgram program;
    WindowRegistry& windows = program.fake.windows();
    const std::pair<const char*, std::function<QWidget*()>> opened[] = {
        {"Form6", [&]() -> QWidget* { return &windows.open<DatePickerWindow>(); }},
        {"MAPStart", [&]() -> QWidget* { return &windows.open<PretermStartCalendar>(); }},
        {"MAPLmp", [&]() -> QWidget* { return &windows.open<PretermLmpCalendar>(); }},
        {"About",
         [&]() -> QWidget* {
             auto* about = new AboutBox(program.main);
             about->setAttribute(Qt::WA_DeleteOnClose);
             return about;
         }},
        {"Patient",
         [&]() -> QWidget* {
             auto* dialog =
                 new PatientDialog(windows.patient(), program.fake.messages, program.main);
             dialog->setAttribute(Qt::WA_DeleteOnClose);
             return dialog;
         }},
    };
    for (const auto& [name, open] : opened) {
        QWidget* window = open();
        ASSERT_NE(window, nullptr) << name;
        window->show();
        QApplication::processEvents();
        const QStringList faults = unreadable(window);
        EXPECT_TRUE(faults.isEmpty()) << name << ": " << faults.join(", ").toStdString();
        window->close();
    }
}

// A scan the growth chart cannot place is told in red beside the table,
// readable on either desktop.
TEST_P(WindowContrast, TheFaultOfAnUnplacedScanReads) {
    const DesktopLook look(GetParam());
    for (const FilledWindow& row : filledWindows()) {
        const QString name = QString::fromLatin1(row.window);
        if (name != "Form7" && name != "Form4") continue;
        FilledProgram program;
        QWidget* window = program.open(row);
        ASSERT_NE(window, nullptr) << row.window;
        auto* table = control<QTableWidget>(*window, "TblEchos");
        ASSERT_NE(table, nullptr) << row.window;
        table->setItem(0, 0, new QTableWidgetItem("31/02/2009")); // no such day
        table->setItem(0, 1, new QTableWidgetItem("40"));
        auto* fault = control<QLabel>(*window, "LblSerieErreurs");
        ASSERT_NE(fault, nullptr) << row.window;
        ASSERT_TRUE(fault->isVisibleTo(window)) << row.window;
        const QStringList faults = unreadable(window);
        EXPECT_TRUE(faults.isEmpty()) << row.window << ": " << faults.join(", ").toStdString();
    }
}

TEST_P(WindowContrast, TheHelpAndItsFoundWordsRead) {
    const DesktopLook look(GetParam());
    HelpWindow help;
    ASSERT_TRUE(help.load(QStringLiteral(TOVIMAR_SOURCE_DIR "/data/TOVIMAR.HLP")));
    help.show();
    help.search(QStringLiteral("terme"));
    QApplication::processEvents();
    QStringList faults = unreadable(&help);
    auto* text = help.findChild<QTextEdit*>(QStringLiteral("HelpText"));
    ASSERT_NE(text, nullptr);
    ASSERT_FALSE(text->extraSelections().isEmpty());
    for (const QTextEdit::ExtraSelection& mark : text->extraSelections()) {
        const QTextCharFormat& f = mark.format;
        const QColor fg = f.foreground().style() == Qt::NoBrush
                              ? text->palette().color(QPalette::Text)
                              : f.foreground().color();
        if (contrastRatio(fg, f.background().color()) < kAA)
            faults << "mot trouvé " + fg.name() + " sur " + f.background().color().name();
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join(", ").toStdString();
}

// Paper is white whatever the desktop: the help prints its text black and its
// links dark blue, even when the page on screen took a dark desktop's colours.
TEST_P(WindowContrast, TheHelpPrintsReadablyOnWhitePaper) {
    const DesktopLook look(GetParam());
    HelpWindow help;
    ASSERT_TRUE(help.load(QStringLiteral(TOVIMAR_SOURCE_DIR "/data/TOVIMAR.HLP")));
    auto* text = help.findChild<QTextEdit*>(QStringLiteral("HelpText"));
    ASSERT_NE(text, nullptr);
    const std::unique_ptr<QTextDocument> paper = paperCopy(*text->document());
    EXPECT_EQ(paper->toPlainText(), text->document()->toPlainText());
    QStringList faults;
    int links = 0;
    for (QTextBlock block = paper->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (!f.isValid() || f.text().trimmed().isEmpty()) continue;
            links += f.charFormat().isAnchor();
            const QBrush ink = f.charFormat().foreground();
            // Without a colour of its own, a text prints black.
            const QColor colour = ink.style() == Qt::NoBrush ? QColor(Qt::black) : ink.color();
            if (contrastRatio(colour, Qt::white) < kAA)
                faults << "« " + f.text().left(30) + " » " + colour.name();
        }
    EXPECT_GT(links, 0); // the contents page is made of links
    EXPECT_TRUE(faults.isEmpty()) << faults.join(", ").toStdString();
}

// A colour of our own is moved only as far as needed, towards black on a light
// background and towards white on a dark one, and keeps its hue.
TEST(ReadableColour, MovesTowardsWhatReadsAndKeepsItsHue) {
    const struct {
        QColor text, background;
        bool kept;
    } cases[] = {
        {QColor(0x00, 0x00, 0x80), QColor(0xE0, 0xE0, 0xE0), true},  // navy on grey reads
        {QColor(0xFF, 0x00, 0x00), QColor(0xFF, 0xFF, 0xFF), false}, // pure red: 4:1
        {QColor(0x00, 0x00, 0xFF), QColor(0x35, 0x35, 0x35), false}, // blue on dark: 1.4:1
        {QColor(0x00, 0x80, 0x00), QColor(0x35, 0x35, 0x35), false},
        {QColor(0x80, 0x00, 0x00), QColor(0x2A, 0x2A, 0x2A), false},
        {QColor(0x00, 0x00, 0x00), QColor(0x35, 0x35, 0x35), false},
    };
    for (const auto& c : cases) {
        const QColor moved = readableOn(c.text, c.background);
        const std::string which =
            c.text.name().toStdString() + " sur " + c.background.name().toStdString();
        EXPECT_GE(contrastRatio(moved, c.background), kAA) << which;
        if (c.kept) {
            EXPECT_EQ(moved, c.text) << which;
            continue;
        }
        const bool dark =
            contrastRatio(Qt::white, c.background) > contrastRatio(Qt::black, c.background);
        // Lighter on a dark background, darker on a light one, channel by channel.
        for (auto channel : {&QColor::red, &QColor::green, &QColor::blue}) {
            EXPECT_TRUE(dark ? (moved.*channel)() >= (c.text.*channel)()
                             : (moved.*channel)() <= (c.text.*channel)())
                << which;
        }
        // The strongest channel stays the strongest (red stays red, blue stays blue).
        if (c.text != QColor(Qt::black)) {
            const int strongest = std::max({c.text.red(), c.text.green(), c.text.blue()});
            for (auto channel : {&QColor::red, &QColor::green, &QColor::blue}) {
                if ((c.text.*channel)() == strongest) {
                    EXPECT_EQ((moved.*channel)(),
                              std::max({moved.red(), moved.green(), moved.blue()}))
                        << which;
                }
            }
        }
    }
}

// A desktop that turns dark at night (or light in the morning) while a window
// is open: a text of our own colour follows it; one given back to the desktop
// stays the desktop's.
TEST_P(WindowContrast, ATintedTextFollowsTheDesktopWhenItChanges) {
    const Look before = GetParam() == Look::Dark ? Look::Light : Look::Dark;
    const DesktopLook look(before);
    QWidget window;
    auto* band = new QLabel(QStringLiteral("10 ème à 50 ème Percentile"), &window);
    auto* late = new QLabel(QStringLiteral("13 Semaines A."), &window);
    tintText(band, QColor(0x00, 0x00, 0xFF));
    tintText(late, QColor(0xFF, 0x00, 0x00));
    tintText(late, QColor()); // back to the desktop's colours, as a row no longer late
    late->setPalette(QPalette());
    window.show();
    useLook(GetParam());
    QApplication::processEvents();
    EXPECT_GE(contrastRatio(band->palette().color(QPalette::WindowText), drawnBehind(band)), kAA);
    EXPECT_EQ(late->palette().color(QPalette::WindowText),
              lookPalette(GetParam()).color(QPalette::WindowText));
}

INSTANTIATE_TEST_SUITE_P(ClairEtSombre, WindowContrast, ::testing::ValuesIn(kLooks),
                         [](const ::testing::TestParamInfo<Look>& info) {
                             return info.param == Look::Dark ? std::string("Sombre")
                                                             : std::string("Clair");
                         });

} // namespace
