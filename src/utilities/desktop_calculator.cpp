#include "utilities/desktop_calculator.h"

#include <QProcess>
#include <QStandardPaths>

namespace tovimar {

const QStringList& desktopCalculators() {
    static const QStringList names = {
        QStringLiteral("gnome-calculator"),
        QStringLiteral("kcalc"),
        QStringLiteral("galculator"),
        QStringLiteral("mate-calc"),
        QStringLiteral("qalculate-gtk"),
        QStringLiteral("qalculate-qt"),
        QStringLiteral("xcalc"),
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

bool startDesktopCalculator() {
    const QString program = findDesktopCalculator();
    return !program.isEmpty() && QProcess::startDetached(program, {});
}

} // namespace tovimar
