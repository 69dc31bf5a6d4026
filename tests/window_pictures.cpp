// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of every window for a look at them by eye, on a light desktop and
// on a dark one: each window opened from its menu entry on a 1024×768 screen,
// driven to its fullest state (tests/support/filled_windows) and saved as
// NAME-clair.png and NAME-sombre.png; the main window, the calendar (Form6)
// and the help too.
//
//     build/tests/window_pictures [FOLDER]      (default: window-pictures)
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <clocale>
#include <cstdio>
#include <cstdlib>

#include "app/main_window.h"
#include "support/desktop_looks.h"
#include "support/filled_windows.h"
#include "ui/date_picker_window.h"
#include "ui/help_window.h"
#include "ui/window_registry.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

bool save(QWidget* window, const QDir& folder, const QString& name, Look look) {
    QApplication::processEvents();
    const QString file = folder.filePath(name + "-" + lookName(look) + ".png");
    if (!window->grab().save(file)) {
        std::fprintf(stderr, "window_pictures: %s could not be written\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // The users' locale, and a screen of 1024×768 without a display.
    if (!std::getenv("LC_ALL")) setenv("LC_ALL", "fr_FR.UTF-8", 1);
    std::setlocale(LC_ALL, "");
    QTemporaryDir scratch;
    const QString screen = scratch.filePath(QStringLiteral("screen.json"));
    {
        QFile config(screen);
        if (!config.open(QIODevice::WriteOnly)) return 1;
        config.write(R"({"screens": [{"name": "ecran", "x": 0, "y": 0, "width": 1024,
                        "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96,
                        "dpr": 1}]})");
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screen).toLocal8Bit());
    QApplication app(argc, argv);
    QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("window-pictures"));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "window_pictures: cannot make %s\n", qPrintable(folder.path()));
        return 1;
    }
    bool written = true;
    for (Look look : kLooks) {
        useLook(look);
        {
            FilledProgram program;
            written &= save(program.main, folder, QStringLiteral("MainWindow"), look);
        }
        for (const FilledWindow& row : filledWindows()) {
            FilledProgram program;
            QWidget* window = program.open(row);
            if (!window) {
                std::fprintf(stderr, "window_pictures: %s did not open\n", row.window);
                written = false;
                continue;
            }
            written &= save(window, folder, QString::fromLatin1(row.window), look);
        }
        {
            FilledProgram program;
            QWidget& calendar = program.fake.windows().open<DatePickerWindow>();
            written &= save(&calendar, folder, QStringLiteral("Form6"), look);
        }
        HelpWindow help;
        if (help.load(QStringLiteral(TOVIMAR_SOURCE_DIR "/data/TOVIMAR.HLP"))) {
            help.show();
            help.search(QStringLiteral("terme"));
            written &= save(&help, folder, QStringLiteral("Aide"), look);
        }
    }
    return written ? 0 : 1;
}
