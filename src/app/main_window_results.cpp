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
    t.result(w.DateAP, QStringLiteral("Terme"));
    t.result(w.NbreSA, QStringLiteral("Âge gestationnel aujourd'hui"));
    t.result(w.NbreMois, QStringLiteral("Âge gestationnel aujourd'hui, en mois"));
    t.result(w.NbreJours, QStringLiteral("Âge gestationnel aujourd'hui, en jours"));
    t.result(w.LblCentDate);
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
    // The conversions between weeks and dates, when one was asked for ("xx Sa
    // le..." is the prompt until a week is chosen).
    if (!w.TXTsa->text().startsWith(QLatin1String("xx")))
        t.result(QStringLiteral("Conversion"),
                 shownText(w.TXTsa) + QLatin1Char(' ') + shownText(w.DateSA));
    if (!shownText(w.SA).isEmpty())
        t.result(w.SA, QStringLiteral("Âge gestationnel le ") + shownText(w.DateSA));
    return t;
}

} // namespace tovimar
