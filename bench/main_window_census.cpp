// SPDX-License-Identifier: GPL-3.0-or-later
// Counts the widgets of the main window by kind, its list entries and its
// menu entries, and gives its size, so that the plain baseline window of the
// start-up benchmark holds as many of each in as large a window, built directly.
// It also names the typefaces its widgets show beside the desktop's own
// (face=DejaVu_Serif/italic...), for the baseline's variant with the same faces.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QSettings>
#include <cstdio>
#include <map>
#include <set>
#include <string>

#include "app/main_window.h"
#include "platform/calculator_launcher.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/report_destination.h"
#include "platform/settings_folder.h"
#include "platform/text_prompt.h"
#include "ui/help_window.h"
#include "ui/window_registry.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    using namespace tovimar;
    SettingsFolder settings(QCoreApplication::applicationDirPath() + "/..", QString());
    MessageBoxes messages;
    InputDialogPrompt prompt;
    SystemClock clock;
    HelpWindowViewer help(QString(), messages);
    QSettings memory(QDir::tempPath() + "/tovimar-census.ini", QSettings::IniFormat);
    PrinterDestination reports(memory);
    SystemCalculatorLauncher calculator;
    SystemClipboard clipboard;
    Platform platform{messages, prompt, clock, settings, help, reports, calculator, clipboard};
    WindowRegistry windows(platform);
    MainWindow window(windows);
    // Qt's own inner widgets (viewports, inner scroll bars) come with their owners.
    std::map<std::string, int> kinds;
    std::set<std::string> faces;
    const QFont desktop = QApplication::font();
    int entries = 0;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->objectName().startsWith("qt_") ||
            (w->parentWidget() && w->parentWidget()->objectName().startsWith("qt_")))
            continue;
        const char* kind = "QWidget";
        for (const char* k : {"QLineEdit", "QLabel", "QListWidget", "QGroupBox", "QScrollBar",
                              "QCheckBox", "QPushButton", "QToolButton", "QMenuBar", "QMenu"})
            if (w->inherits(k)) kind = k;
        if (auto* list = qobject_cast<QListWidget*>(w)) entries += list->count();
        ++kinds[kind];
        const QFont f = w->font();
        if (f.family() != desktop.family() || f.bold() || f.italic())
            faces.insert(QString(f.family()).replace(' ', '_').toStdString() +
                         (f.bold() ? "/bold" : "") + (f.italic() ? "/italic" : ""));
    }
    int actions = 0;
    for (QAction* a : window.findChildren<QAction*>())
        if (!a->menu()) ++actions;
    for (const auto& [kind, count] : kinds)
        std::printf("%s=%d ", kind.c_str(), count);
    for (const std::string& face : faces)
        std::printf("face=%s ", face.c_str());
    // The window's own size: the area the first paint covers.
    const QSize size = window.size();
    std::printf("entries=%d actions=%d width=%d height=%d\n", entries, actions, size.width(),
                size.height());
    return 0;
}
