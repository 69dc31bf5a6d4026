// SPDX-License-Identifier: GPL-3.0-or-later
// Every window fits a 1024×768 screen with its frame, in its fullest state:
// opened from the menu, a whole case typed, every panel shown and every result
// written; and nothing in it is cut or hidden behind a scroll bar.
// TOVIMAR_SCREENSHOTS=<folder> saves a picture of each window there.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextEdit>
#include <gtest/gtest.h>

#include "app/about_box.h"
#include "app/main_window.h"
#include "app/patient_dialog.h"
#include "obstetrics/preterm_labour_window.h"
#include "support/filled_windows.h"
#include "ui/date_picker_window.h"
#include "ui/help_window.h"
#include "ui/window_registry.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

// A window manager's frame as the offscreen platform cannot draw it: a title
// bar and a border on each side.
constexpr int kTitleBar = 32;
constexpr int kBorder = 8;
const QSize kScreen(1024, 768);

// The room a window takes on the screen with its frame, at the size it has
// and at the smallest size its layout allows.
QStringList tooLarge(QWidget* window) {
    QStringList faults;
    const QSize frame(2 * kBorder, kTitleBar + kBorder);
    const struct {
        const char* what;
        QSize size;
    } sizes[] = {{"montrée", window->size()}, {"minimale", window->minimumSizeHint()}};
    for (const auto& s : sizes) {
        const QSize onScreen = s.size + frame;
        if (onScreen.width() > kScreen.width() || onScreen.height() > kScreen.height())
            faults << QStringLiteral("taille %1 %2×%3 (%4×%5 avec le cadre)")
                          .arg(QString::fromUtf8(s.what))
                          .arg(s.size.width())
                          .arg(s.size.height())
                          .arg(onScreen.width())
                          .arg(onScreen.height());
    }
    return faults;
}

QString nameOf(QWidget* w) {
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) + " \"" +
                                           w->accessibleName() + "\""
                                     : w->objectName();
}

// What is cut in the window: a label narrower or shorter than its text, a
// button narrower than its caption, a scroll bar on a panel a layout could show whole.
QStringList cut(QWidget* window) {
    QStringList faults;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->window() != window) continue;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text().isEmpty() && label->pixmap().isNull()) continue;
            const QSize hint = label->sizeHint();
            const bool narrow = !label->wordWrap() && label->width() < hint.width();
            const bool shortened =
                label->height() <
                (label->wordWrap() ? label->heightForWidth(label->width()) : hint.height());
            if (narrow || shortened)
                faults << QStringLiteral("%1 coupé (%2×%3 pour %4×%5)")
                              .arg(nameOf(label))
                              .arg(label->width())
                              .arg(label->height())
                              .arg(hint.width())
                              .arg(label->wordWrap() ? label->heightForWidth(label->width())
                                                     : hint.height());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            // Its caption (without the access-key marker) and its icon, with a little margin.
            QString text = button->text();
            text.remove(QLatin1Char('&'));
            int needed = text.isEmpty() ? 0 : button->fontMetrics().horizontalAdvance(text) + 6;
            if (!button->icon().isNull())
                needed += button->iconSize().width() + (text.isEmpty() ? 0 : 4);
            if (button->width() < needed)
                faults << QStringLiteral("%1 coupé (%2 de large pour %3)")
                              .arg(nameOf(button))
                              .arg(button->width())
                              .arg(needed);
        } else if (auto* area = qobject_cast<QScrollArea*>(w)) {
            for (QScrollBar* bar : {area->horizontalScrollBar(), area->verticalScrollBar()})
                if (bar->isVisibleTo(window))
                    faults << QStringLiteral("%1 a une barre de défilement").arg(nameOf(area));
        }
    }
    return faults;
}

void screenshot(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("TOVIMAR_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    window->grab().save(folder + "/" + name + ".png");
}

class FilledWindowFits : public ::testing::TestWithParam<std::size_t> {};

TEST_P(FilledWindowFits, ASmallScreenWithItsFrameAndNothingCut) {
    const FilledWindow& row = filledWindows()[GetParam()];
    // As the menu opens it, when it opens this window itself...
    {
        FilledProgram program;
        if (QWidget* window = program.open({row.entry, row.window, [](QWidget&) {}})) {
            EXPECT_EQ(tooLarge(window).join(", ").toStdString(), "") << row.window << ", vide";
            EXPECT_EQ(cut(window).join("\n").toStdString(), "") << row.window << ", vide";
        }
    }
    // ... and filled.
    FilledProgram program;
    QWidget* window = program.open(row);
    ASSERT_NE(window, nullptr) << row.entry << " n'ouvre pas " << row.window;
    screenshot(window, QString::fromLatin1(row.window));
    EXPECT_EQ(tooLarge(window).join(", ").toStdString(), "") << row.window;
    EXPECT_EQ(cut(window).join("\n").toStdString(), "") << row.window;
    // Every page of a window in pages.
    for (QTabWidget* pages : window->findChildren<QTabWidget*>())
        for (int i = 1; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            QApplication::processEvents();
            const QString page = QString::fromLatin1(row.window) + ", " + pages->tabText(i);
            screenshot(window, QString::fromLatin1(row.window) + "-" + QString::number(i + 1));
            EXPECT_EQ(tooLarge(window).join(", ").toStdString(), "") << page.toStdString();
            EXPECT_EQ(cut(window).join("\n").toStdString(), "") << page.toStdString();
        }
    if (qEnvironmentVariableIsSet("TOVIMAR_SCREENSHOTS"))
        std::printf("%s : %d×%d, au moins %d×%d\n", row.window, window->width(), window->height(),
                    window->minimumSizeHint().width(), window->minimumSizeHint().height());
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, FilledWindowFits,
                         ::testing::Range<std::size_t>(0, filledWindows().size()),
                         [](const ::testing::TestParamInfo<std::size_t>& info) {
                             return std::string(filledWindows()[info.param].window);
                         });

TEST(MainWindowSize, FitsASmallScreenWithItsPlanningShown) {
    FilledProgram program;
    screenshot(program.main, "Form1");
    EXPECT_EQ(tooLarge(program.main).join(", ").toStdString(), "");
    EXPECT_EQ(cut(program.main).join("\n").toStdString(), "");
}

// The windows the menu table does not open by itself: the help, the about
// box, the patient's dialog and the calendars.
TEST(OtherWindowsSize, FitASmallScreenWithNothingCut) {
    FilledProgram program;
    HelpWindowViewer help(QStringLiteral(TOVIMAR_SOURCE_DIR "/data/TOVIMAR.HLP"),
                          program.fake.messages);
    help.showTopic(HelpViewer::kContents);
    AboutBox about(program.main);
    about.show();
    PatientDialog patient(program.fake.windows().patient(), program.fake.messages, program.main);
    patient.show();
    QLineEdit field;
    auto& picker = program.fake.windows().get<DatePickerWindow>();
    picker.openFor(&field, QStringLiteral("Début de grossesse"),
                   QStringLiteral("Calendrier du début de grossesse"));
    auto& start = program.fake.windows().get<PretermStartCalendar>();
    start.openFor(&field);
    QApplication::processEvents();
    for (QWidget* window :
         std::initializer_list<QWidget*>{help.window(), &about, &patient, &picker, &start}) {
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(window->isVisible()) << window->objectName().toStdString();
        screenshot(window, window->objectName());
        EXPECT_EQ(tooLarge(window).join(", ").toStdString(), "")
            << window->objectName().toStdString();
        EXPECT_EQ(cut(window).join("\n").toStdString(), "") << window->objectName().toStdString();
    }
}

} // namespace
