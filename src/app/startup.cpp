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
#include <memory>

#include "app/images.h"
#include "app/main_window.h"
#include "app/splash_window.h"
#include "app/window_registry.h"
#include "platform/clock.h"
#include "platform/help_viewer.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/report_destination.h"
#include "platform/settings_folder.h"
#include "platform/text_prompt.h"

namespace tovimar {
namespace {

constexpr int kSplashMilliseconds = 4000;

// Ends the program once the window has painted itself.
class QuitAfterPaint : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};

} // namespace

int runProgram(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kApplicationTitle);
    QApplication::setOrganizationName(QStringLiteral("Tovimar"));
    QApplication::setWindowIcon(QIcon(picture("app_icon.svg", {64, 64})));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    // Qt's own buttons in French: Oui, Non, Annuler.
    QTranslator qtFrench;
    if (qtFrench.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFrench);

    const QStringList arguments = QApplication::arguments();
    const QString programDir = programFolderFromArguments(arguments);
    SettingsFolder settings(programDir, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    MessageBoxes messages;
    InputDialogPrompt prompt;
    SystemClock clock;
    HelpWindowViewer help(programDir + QStringLiteral("/TOVIMAR.HLP"), messages);
    QSettings memory; // the user's own choices, such as the folder of PDF pages
    PrinterDestination reports(memory);
    Platform platform{messages, prompt, clock, settings, help, reports};
    WindowRegistry windows(platform);

    std::unique_ptr<SplashWindow> splash;
    QElapsedTimer sinceSplash;
    if (!arguments.contains(QStringLiteral("--sans-accueil"))) {
        splash = std::make_unique<SplashWindow>();
        sinceSplash.start();
        splash->show();
        QApplication::processEvents();
    }

    MainWindow main(windows);
    QuitAfterPaint quitAfterPaint;
    if (arguments.contains(QStringLiteral("--quitter-apres-affichage"))) main.installEventFilter(&quitAfterPaint);

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
