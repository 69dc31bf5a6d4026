// SPDX-License-Identifier: GPL-3.0-or-later
// The letter to the patient printed from the trisomy 21 window: the threshold
// it judges by, when it is refused, its figures, and the bands of the 2018
// thresholds.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "dating/term_settings_window.h"
#include "support/controls.h"
#include "support/fake_platform.h"
#include "t21/t21_consultation.h"
#include "t21/t21_risk_window.h"
#include "ui/window_registry.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

QStringList letterLines(Consultation& c) {
    return c.fake.reports.printers.empty() ? QStringList() : c.fake.reports.last().lines();
}

TEST(T21RiskWindow, LetterUsesTheThresholdTheEditorShows) {
    Consultation c;
    T21RiskWindow& w = c.w;
    c.fill("35", "", "", "");
    c.calculate();
    c.fake.prompt.answer = "Zoé Lefèvre";
    control<QAction>(w, "MnuImprimer")->trigger();
    EXPECT_EQ(c.fake.prompt.asked, QStringList{"Saisissez le Nom et prénom de la Patiente."});
    ASSERT_EQ(c.fake.reports.printers.size(), 1u);
    EXPECT_EQ(c.fake.reports.modes.back(), PrintMode::ChoosePrinter);
    // The file's default name says whose letter it is.
    EXPECT_EQ(c.fake.reports.names.back(), "Risque de trisomie 21 - Zoé Lefèvre");
    const QStringList low = letterLines(c);
    EXPECT_TRUE(low.contains("Madame Zoé Lefèvre, 35 ans"));
    EXPECT_TRUE(low.join('\n').contains(
        "Ce risque est considéré comme faible car inferieur à 1/250. Bien que faible ce "));
    EXPECT_FALSE(low.join('\n').contains("APRES EXAMEN"));
    EXPECT_TRUE(c.fake.reports.last().ended());

    // The threshold typed in the editor, not saved: N = T gives the high-risk advice.
    auto& editor = c.fake.windows().open<TermSettingsWindow>();
    control<QLineEdit>(editor, "TxtRisqueLim")->setText("347");
    control<QAction>(w, "MnuImprimer")->trigger();
    ASSERT_EQ(c.fake.reports.printers.size(), 2u);
    const QStringList high = letterLines(c);
    EXPECT_TRUE(high.join('\n').contains(
        "Ce risque est considéré comme relativement élevé mais cela ne signifie en aucun "));

    // A sign ticked: the after-scan section.
    c.tick(2, true);
    control<QAction>(w, "MnuImprimer")->trigger();
    const QString withSign = letterLines(c).join('\n');
    EXPECT_TRUE(withSign.contains("  - APRES EXAMEN ECHOGRAPHIQUE MORPHOLOGIQUE"));
    EXPECT_TRUE(withSign.contains("est estimé à 1/231."));
}

TEST(T21RiskWindow, NoLetterWithoutARiskOrAThreshold) {
    Consultation c;
    T21RiskWindow& w = c.w;
    control<QAction>(w, "MnuImprimer")
        ->trigger(); // nothing calculated yet: the letter asks for the calculation
    EXPECT_TRUE(c.fake.prompt.asked.isEmpty());
    EXPECT_TRUE(c.fake.reports.printers.empty());
    EXPECT_EQ(c.fake.messages.shown,
              QStringList{"Calculez d'abord le risque (bouton « Calcule ») : la lettre imprime "
                          "les risques affichés."});
    c.fake.messages.shown.clear();

    c.fill("35", "", "", "");
    c.calculate();
    auto& editor = c.fake.windows().open<TermSettingsWindow>();
    control<QLineEdit>(editor, "TxtRisqueLim")->setText("40000");
    control<QAction>(w, "MnuImprimer")->trigger();
    EXPECT_TRUE(c.fake.prompt.asked.isEmpty());
    EXPECT_TRUE(c.fake.reports.printers.empty());
    EXPECT_TRUE(c.fake.messages.shown.isEmpty());
}

TEST(T21RiskWindow, LetterBeyondA16BitRiskAndWithTheMeasurementUsed) {
    Consultation c;
    T21RiskWindow& w = c.w;
    c.fill("35", "60", "1,2", "10000");
    c.tick(1, true);
    c.calculate();
    EXPECT_EQ(control<QLabel>(w, "LblRGlobal")->text(), "216580");
    control<QAction>(w, "MnuImprimer")->trigger();
    const QString letter = letterLines(c).join('\n');
    EXPECT_TRUE(letter.contains("est estimé à 1/216580."));
    EXPECT_TRUE(letter.contains("La mesure de la clarté nucale est de 1,2 mm"));
    EXPECT_TRUE(letter.contains("  - RISQUE INTEGRE"));
    // Typed after the calculation: the risks go, and no letter prints figures of
    // another measurement; the letter asks for the calculation first.
    const auto printed = c.fake.reports.printers.size();
    c.type(control<QLineEdit>(w, "TxtNC"), "3,5");
    EXPECT_EQ(control<QLabel>(w, "LblRGlobal")->text(), "");
    EXPECT_EQ(control<QLabel>(w, "LblRiskIntT")->text(), "");
    c.fake.messages.shown.clear();
    control<QAction>(w, "MnuImprimer")->trigger();
    EXPECT_EQ(c.fake.reports.printers.size(), printed);
    ASSERT_EQ(c.fake.messages.shown.size(), 1);
    EXPECT_TRUE(c.fake.messages.shown[0].startsWith("Calculez d'abord le risque"));
}

const QByteArray kOptions2018 =
    "\"\",\"DUPONT\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"2018\"\r\n";

// Under the 2018 thresholds the letter states the risk at testing and the
// paragraph of its band, for risks at and around each edge.
TEST(T21RiskWindow, LetterUnderThe2018ThresholdsGivesTheBandsParagraph) {
    Consultation c;
    T21RiskWindow& w = c.w;
    c.fake.writeFile("options.tvx", kOptions2018);
    c.fill("35", "", "", "");
    struct Case {
        const char* n;
        const char* opening;
    };
    for (const Case& k : {Case{"50", "Ce risque est de 1/50 ou plus"},
                          Case{"51", "Ce risque est compris entre 1/51 et 1/1000"},
                          Case{"1000", "Ce risque est compris entre 1/51 et 1/1000"},
                          Case{"1001", "Ce risque est inférieur à 1/1000"}}) {
        c.type(control<QLineEdit>(w, "TxtRiskComb"), k.n);
        c.calculate();
        control<QAction>(w, "MnuImprimer")->trigger();
        const QString letter = letterLines(c).join('\n');
        EXPECT_TRUE(letter.contains(QStringLiteral("Au moment du dépistage : 1/") + k.n)) << k.n;
        EXPECT_TRUE(letter.contains(
            QStringLiteral("Le risque combiné de trisomie 21 au moment du dépistage est estimé "
                           "à 1/") +
            k.n + "."))
            << k.n;
        EXPECT_TRUE(letter.contains(QString::fromUtf8(k.opening))) << k.n << letter.toStdString();
        EXPECT_FALSE(letter.contains("inferieur à 1/250")) << k.n;
        EXPECT_TRUE(letter.contains("DUPONT")) << k.n; // the letterhead of the same file
    }
    // Age alone: no combined risk to judge, and the letter says so.
    c.type(control<QLineEdit>(w, "TxtRiskComb"), "");
    c.calculate();
    control<QAction>(w, "MnuImprimer")->trigger();
    EXPECT_TRUE(letterLines(c).join('\n').contains("Aucun risque combiné au moment du dépistage"));

    // Back to the single threshold: the laboratory's risk against 1/250.
    c.chooseConduct(ScreeningStrategy::SingleThreshold);
    c.type(control<QLineEdit>(w, "TxtRiskComb"), "250");
    c.calculate();
    control<QAction>(w, "MnuImprimer")->trigger();
    const QString single = letterLines(c).join('\n');
    EXPECT_TRUE(single.contains("est estimé à 1/250.")) << single.toStdString();
    EXPECT_TRUE(single.contains("Ce risque est considéré comme relativement élevé"));
}

} // namespace
