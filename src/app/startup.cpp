// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QTranslator>
#include <cstdlib>
#include <functional>
#include <memory>
#include <utility>

#include "app/main_window.h"
#include "app/splash_window.h"
#include "app/window_links.h"
#include "platform/calculator_launcher.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/report_destination.h"
#include "platform/settings_folder.h"
#include "platform/text_prompt.h"
#include "ui/accessibility.h"
#include "ui/consultation_patient.h"
#include "ui/help_window.h"
#include "ui/pictures.h"
#include "ui/window_registry.h"

namespace tovimar {
namespace {

constexpr int kSplashMilliseconds = 4000;

// Ends the program as soon as the window and all its controls have been
// painted once: what start-up measurements time. The program stops there, as
// if killed, so that the measure is the start-up and not the tidying up.
class QuitAfterPaint : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        // The controls paint in the same pass as their window: once it is
        // over, the first queued call runs.
        if (event->type() == QEvent::Paint) QTimer::singleShot(0, [] { std::_Exit(0); });
        return false;
    }
};

// Runs some work once, right after the window's first paint: what the user
// does not see at once need not delay the window.
class AfterFirstPaint : public QObject {
  public:
    AfterFirstPaint(QWidget* window, std::function<void()> work) : work_(std::move(work)) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && work_) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, std::exchange(work_, nullptr));
        }
        return false;
    }

  private:
    std::function<void()> work_;
};

// Qt's own texts in French (Oui, Non, Annuler, the edit menus and dialogs).
void installQtFrench(QTranslator& translator) {
    if (translator.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);
}

} // namespace

int runProgram(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kApplicationTitle);
    QApplication::setOrganizationName(QStringLiteral("Tovimar"));
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("fr.tovimar.TovimarS"));
    // Lists to choose from are read by their purpose, in Qt's dialogs too.
    installAccessibleInterfaces();
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QTranslator qtFrench;

    const QStringList arguments = QApplication::arguments();
    const QString programDir = programFolderFromArguments(arguments);
    SettingsFolder settings(programDir,
                            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    MessageBoxes messages;
    InputDialogPrompt prompt;
    SystemClock clock;
    HelpWindowViewer help(programDir + QStringLiteral("/TOVIMAR.HLP"), messages);
    QSettings memory; // the user's own choices, such as the folder of PDF pages
    PrinterDestination reports(memory);
    SystemCalculatorLauncher calculator;
    SystemClipboard clipboard;
    Platform platform{messages, prompt, clock, settings, help, reports, calculator, clipboard};
    // The patient of the consultation, in memory only, outlives every window.
    ConsultationPatient patient;
    WindowRegistry windows(platform, &patient);
    linkToolWindows(windows);

    std::unique_ptr<SplashWindow> splash;
    QElapsedTimer sinceSplash;
    if (!arguments.contains(QStringLiteral("--sans-accueil"))) {
        installQtFrench(qtFrench);
        QApplication::setWindowIcon(QIcon(picture("app_icon")));
        splash = std::make_unique<SplashWindow>();
        sinceSplash.start();
        splash->show();
        QApplication::processEvents();
    }

    MainWindow main(windows);
    // Without the splash, the icon and Qt's French texts come just after the
    // first paint, long before any dialog can need them. (A message at
    // start-up has only its "OK", the same in French.)
    std::unique_ptr<AfterFirstPaint> later;
    if (!splash)
        later = std::make_unique<AfterFirstPaint>(&main, [&qtFrench] {
            installQtFrench(qtFrench);
            QApplication::setWindowIcon(QIcon(picture("app_icon")));
        });
    // Installed last, so it sees the first paint first.
    QuitAfterPaint quitAfterPaint;
    if (arguments.contains(QStringLiteral("--quitter-apres-affichage")))
        main.installEventFilter(&quitAfterPaint);

    if (splash) {
        const int remaining = std::max<qint64>(0, kSplashMilliseconds - sinceSplash.elapsed());
        QTimer::singleShot(remaining, &main, [&main, &splash] {
            splash->hide();
            main.show();
            splash.reset();
        });
    } else {
        main.show();
    }
    return QApplication::exec();
}

} // namespace tovimar
