// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "app/main_window.h"

namespace tovimar {

ResultsText MainWindow::resultsText() const {
    ResultsText t;
    t.title = QStringLiteral("Grossesse : terme et calendrier du suivi");
    t.inputsOf({DateDR, DateDG});
    t.inputsOf({DateX, Sac, CRL, Bip, Fem});
    t.result(SemA, QStringLiteral("Datation échographique, semaines d'aménorrhée"));
    t.result(DateAP, QStringLiteral("Terme"));
    t.result(NbreSA, QStringLiteral("Âge gestationnel aujourd'hui"));
    t.result(NbreMois, QStringLiteral("Âge gestationnel aujourd'hui, en mois"));
    t.result(NbreJours, QStringLiteral("Âge gestationnel aujourd'hui, en jours"));
    t.result(LblCentDate);
    t.resultPairs(findChild<QListWidget*>(QStringLiteral("ListePNLibelles")), ListePN);
    t.result(LblEcho1T);
    t.resultPairs(findChild<QListWidget*>(QStringLiteral("ListeUSLibelles")), ListeUS);
    t.resultsOf({DatesHT21_1T, DatesHT21_2T, LblAnesth});
    // The leave with what it was computed for.
    if (ListeCONGE->count() > 0) {
        t.input(NbrEnf, QStringLiteral("Nombre d'enfants"));
        t.tick(Gemell, QStringLiteral("Grossesse gémellaire"));
        t.tick(Triple, QStringLiteral("Grossesse triple"));
        t.resultPairs(findChild<QListWidget*>(QStringLiteral("ListeCONGELibelles")), ListeCONGE);
    }
    // The conversions between weeks and dates, when one was asked for ("xx Sa
    // le..." is the prompt until a week is chosen).
    if (!TXTsa->text().startsWith(QLatin1String("xx")))
        t.result(QStringLiteral("Conversion"),
                 shownText(TXTsa) + QLatin1Char(' ') + shownText(DateSA));
    if (!shownText(SA).isEmpty())
        t.result(SA, QStringLiteral("Âge gestationnel le ") + shownText(DateSA));
    return t;
}

} // namespace tovimar
