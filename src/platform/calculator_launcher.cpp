// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/calculator_launcher.h"

#include <QCursor>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace tovimar {
namespace {

// The busy pointer of one start: it goes when the calculator's window takes
// the focus from the program, or when the time is up, whichever comes first.
class BusyPointer : public QObject {
  public:
    explicit BusyPointer(int milliseconds) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
        QTimer::singleShot(milliseconds, this, &BusyPointer::end);
        connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
                [this](Qt::ApplicationState state) {
                    if (state != Qt::ApplicationActive) end();
                });
    }
    ~BusyPointer() override { restore(); }

  private:
    void end() {
        restore();
        deleteLater();
    }
    void restore() {
        if (shown_) QGuiApplication::restoreOverrideCursor();
        shown_ = false;
    }
    bool shown_ = true;
};

} // namespace

const QStringList& desktopCalculators() {
    static const QStringList names = {
        QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
        QStringLiteral("mate-calc"),        QStringLiteral("galculator"),
        QStringLiteral("xfce4-calculator"), QStringLiteral("qalculate-gtk"),
        QStringLiteral("qalculate-qt"),     QStringLiteral("xcalc"),
    };
    return names;
}

QString findDesktopCalculator() {
    for (const QString& name : desktopCalculators()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty()) return path;
    }
    return {};
}

SystemCalculatorLauncher::SystemCalculatorLauncher(int busyMilliseconds)
    : busyMilliseconds_(busyMilliseconds) {}

CalculatorLauncher::Result SystemCalculatorLauncher::start() {
    const QString program = findDesktopCalculator();
    if (program.isEmpty()) return {Outcome::NoneInstalled, {}};
    // The pointer turns busy before the start, which may itself take a moment.
    auto* busy = new BusyPointer(busyMilliseconds_);
    QProcess process;
    process.setProgram(program);
    process.setArguments({});
    // Its output is not ours to show; it stays out of the program's terminal.
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (!process.startDetached()) {
        delete busy;
        return {Outcome::Failed, program};
    }
    return {Outcome::Started, program};
}

} // namespace tovimar
