// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/desktop_calculator.h"

#include <QFileInfo>

#include "platform/calculator_launcher.h"
#include "platform/messages.h"
#include "platform/platform.h"

namespace tovimar {

void openDesktopCalculator(const Platform& platform) {
    const auto result = platform.calculator.start();
    switch (result.outcome) {
    case CalculatorLauncher::Outcome::Started:
        break;
    case CalculatorLauncher::Outcome::NoneInstalled:
        platform.messages.inform(
            QStringLiteral("Aucune calculatrice n'est installée sur cet ordinateur. "
                           "Celle de votre bureau (gnome-calculator, kcalc, mate-calc, "
                           "galculator ou xcalc) peut être installée depuis la logithèque."));
        break;
    case CalculatorLauncher::Outcome::Failed:
        platform.messages.inform(QStringLiteral("La calculatrice ") +
                                 QFileInfo(result.program).fileName() +
                                 QStringLiteral(" n'a pas pu être lancée."));
        break;
    }
}

} // namespace tovimar
