// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's own calculator, started from the program (the converter's
// "Calculatrice" button).

#include <QString>
#include <QStringList>

namespace tovimar {

class CalculatorLauncher {
  public:
    enum class Outcome {
        Started,
        NoneInstalled, // none of the usual calculators is on the PATH
        Failed         // found, but it would not start
    };
    struct Result {
        Outcome outcome = Outcome::Failed;
        QString program; // the calculator found, when one was
    };
    virtual ~CalculatorLauncher() = default;
    virtual Result start() = 0;
};

// The usual calculators of Linux desktops, in the order they are looked for:
// GNOME, KDE, MATE, Xfce and LXDE, Qalculate, then the X11 one (in English).
const QStringList& desktopCalculators();

// The first of them found in the folders of PATH; empty when there is none.
QString findDesktopCalculator();

// Starts the first calculator found, directly (never through a shell) and on
// its own: it lives on when the program ends. The mouse pointer shows that
// the program is busy until the calculator's window takes the focus from the
// program, or for `busyMilliseconds` at most (a calculator may be slow to
// show, and one started on another screen never takes the focus).
class SystemCalculatorLauncher : public CalculatorLauncher {
  public:
    explicit SystemCalculatorLauncher(int busyMilliseconds = 4000);
    Result start() override;

  private:
    int busyMilliseconds_;
};

} // namespace tovimar
