// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window_results.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "app/main_window.h"

namespace tovimar {

ResultsText mainWindowResults(const MainWindow& w) {
    ResultsText t;
    t.title = QStringLiteral("Grossesse : terme et calendrier du suivi");
    t.inputsOf({w.DateDR, w.DateDG});
    t.inputsOf({w.DateX, w.Sac, w.CRL, w.Bip, w.Fem});
    t.result(w.SemA, QStringLiteral("Datation échographique, semaines d'aménorrhée"));
    t.resultsOf({w.DateAP, w.NbreSA, w.NbreMois, w.NbreJours, w.LblCentDate});
    t.resultPairs(w.findChild<QListWidget*>(QStringLiteral("ListePNLibelles")), w.ListePN);
    t.result(w.LblEcho1T);
    t.resultPairs(w.findChild<QListWidget*>(QStringLiteral("ListeUSLibelles")), w.ListeUS);
    t.resultsOf({w.DatesHT21_1T, w.DatesHT21_2T, w.LblAnesth});
    // The leave with what it was computed for.
    if (w.ListeCONGE->count() > 0) {
        t.input(w.NbrEnf, QStringLiteral("Nombre d'enfants"));
        t.tick(w.Gemell, QStringLiteral("Grossesse gémellaire"));
        t.tick(w.Triple, QStringLiteral("Grossesse triple"));
        t.resultPairs(w.findChild<QListWidget*>(QStringLiteral("ListeCONGELibelles")),
                      w.ListeCONGE);
    }
    return t;
}

} // namespace tovimar
