// SPDX-License-Identifier: GPL-3.0-or-later
// The biometry window driven as a practitioner does after a scan: dates,
// age, measurements with their bands, weights, ratios, customised centile
// and the report.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "biometry/biometry_window.h"
#include "biometry/plotting_window.h"
#include "support/fake_platform.h"
#include "support/typing.h"
#include "ui/controls.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

void type(QLineEdit* field, const QString& text) {
    field->clear();
    typeText(field, text);
}

QColor textColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

const QString kShepard = QStringLiteral(
    "Il faut au moins une valeur pour le Bip et la Circonf. abdominale pour l'estimation selon "
    "Shephard.");
const QString kDudley = QStringLiteral(
    "Il faut au moins une valeur pour la Circonf. Céphalique, la Circonf. abdominale et le fémur "
    "pour l'estimation selon Dudley.");

} // namespace

TEST(BiometryWindow, DatesGiveTheAgeAndTheDays) {
    FakePlatform fake;
    auto& w = fake.windows().get<BiometryWindow>();
    EXPECT_EQ(w.objectName(), "Form3");
    // The scan day empty: typing the start fills it with today (15/03/2010).
    type(w.DateDGf3, "01/02/2010");
    EXPECT_EQ(w.DateJourF3->text(), "15/03/2010");
    EXPECT_EQ(w.TxtNbrJours->text(), "42");
    EXPECT_EQ(w.SAF3->text(), "8");
    EXPECT_EQ(w.TxtNbrSA->text(), "8");

    struct Case {
        const char* start;
        const char* scan;
        const char* weeks;
    } cases[] = {
        {"01/02/2007", "15/06/2007", "21"}, // 134 days: 19 weeks and 1 day
        {"01/02/2007", "18/06/2007", "22"}, // 137 days: r = 4 rounds up
        {"01/02/2007", "17/06/2007", "21"}, // 136 days: r = 3 rounds down
        {"01/02/2007", "29/01/2007", "2"},  // 3 days before the start
    };
    for (const auto& c : cases) {
        type(w.DateJourF3, c.scan);
        type(w.DateDGf3, c.start);
        EXPECT_EQ(w.SAF3->text(), c.weeks) << c.scan;
    }
    type(w.DateJourF3, "15/06/2007");
    type(w.DateDGf3, "01/02/2007");
    EXPECT_EQ(w.TxtNbrJours->text(), "134");
    // The scan day changed: the days follow it too.
    type(w.DateJourF3, "22/06/2007");
    EXPECT_EQ(w.SAF3->text(), "22");
    EXPECT_EQ(w.TxtNbrJours->text(), "141");
    // A date that is not one gives no age: none of the previous stays.
    type(w.DateJourF3, "31/02/2007");
    EXPECT_EQ(w.SAF3->text(), "");
    EXPECT_EQ(w.TxtNbrJours->text(), "");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST(BiometryWindow, AgeChangeShowsMediansMovesScrollBarsAndEmptiesMeasurements) {
    FakePlatform fake;
    auto& w = fake.windows().get<BiometryWindow>();
    type(w.SAF3, "20");
    type(w.Bip, "47");
    EXPECT_EQ(w.LabelBip->text(), "50 ème Percentile");
    type(w.SAF3, "21");
    EXPECT_EQ(w.CBip->text(), "50");
    EXPECT_EQ(w.CCc->text(), "184");
    EXPECT_EQ(w.CCer->text(), "21");
    EXPECT_EQ(w.BipScroll->value(), 50);
    EXPECT_EQ(w.OrbScroll->value(), 23);
    EXPECT_EQ(w.Bip->text(), "");
    EXPECT_EQ(w.LabelBip->text(), "");
    EXPECT_EQ(w.Label22->text(), "399 g");

    // Past the cerebellum's chart its median is emptied, its scroll bar stays.
    type(w.SAF3, "38");
    EXPECT_EQ(w.CCer->text(), "");
    EXPECT_EQ(w.CerScroll->value(), 21);
    type(w.SAF3, "42");
    for (QLineEdit* m : {w.CBip, w.CCc, w.CDat, w.CCa, w.CFem, w.CPied, w.CHum, w.CCer})
        EXPECT_EQ(m->text(), "") << m->objectName().toStdString();
    EXPECT_EQ(w.Label22->text(), "");
    type(w.SAF3, "15");
    EXPECT_EQ(w.Label22->text(), "");

    // The age emptied: fields and medians emptied.
    type(w.SAF3, "30");
    type(w.Fem, "57");
    w.SAF3->clear();
    EXPECT_EQ(w.Fem->text(), "");
    EXPECT_EQ(w.CFem->text(), "");
    EXPECT_EQ(w.LabelFem->text(), "");

    // The age field refuses letters, the comma and the minus sign.
    type(w.SAF3, "2a,-4");
    EXPECT_EQ(w.SAF3->text(), "24");
}

TEST(BiometryWindow, APastedAgeThatIsNotWholeLeavesNothingOfThePreviousAge) {
    FakePlatform fake;
    auto& w = fake.windows().get<BiometryWindow>();
    type(w.SAF3, "20");
    type(w.Fem, "32");
    ASSERT_FALSE(w.Label22->text().isEmpty());
    w.SAF3->setText("22,5");
    EXPECT_EQ(w.Fem->text(), "");
    EXPECT_EQ(w.CBip->text(), "");
    EXPECT_EQ(w.Label22->text(), "");
    type(w.SAF3, "");
    w.SAF3->setText("20");
    EXPECT_EQ(w.CBip->text(), "47");
    w.SAF3->setText("douze");
    EXPECT_EQ(w.CBip->text(), "");
    w.SAF3->setText("99999999999999999999"); // beyond any week: no median, no crash
    EXPECT_EQ(w.CBip->text(), "");
}

TEST(BiometryWindow, BandsAsTheValueIsTyped) {
    FakePlatform fake;
    auto& w = fake.windows().get<BiometryWindow>();
    type(w.SAF3, "20");
    type(w.Bip, "41");
    EXPECT_EQ(w.LabelBip->text(), "< 3 ème Percentile");
    EXPECT_EQ(textColour(w.LabelBip), kReadableRed);
    EXPECT_EQ(w.LabelBip->font().pointSizeF(), 10);
    type(w.Bip, "53");
    EXPECT_EQ(w.LabelBip->text(), "> 97 ème Percentile");
    EXPECT_EQ(textColour(w.LabelBip), QColor(0, 0, 0xFF));
    EXPECT_EQ(w.LabelBip->font().pointSizeF(), 8);
    type(w.Hum, "36");
    EXPECT_EQ(w.LabelHum->text(), "> 97,5 ème Percentile");
    EXPECT_EQ(textColour(w.LabelHum), kReadableRed);
    // A pasted text that is not a number: an empty caption.
    w.Bip->setText("quarante");
    EXPECT_EQ(w.LabelBip->text(), "");
    // A value beyond 16 bits: the highest band.
    w.Bip->setText("123456789");
    EXPECT_EQ(w.LabelBip->text(), "> 97 ème Percentile");
    // A scroll bar writes its position into the field.
    w.FemurScroll->setSliderPosition(33); // as a drag moves it
    EXPECT_EQ(w.Fem->text(), "33");
    EXPECT_EQ(w.LabelFem->text(), "50 ème Percentile");
    // Emptying a field empties its band, even without an age.
    w.SAF3->setText("20");
    type(w.Cc, "175");
    w.SAF3->blockSignals(true);
    w.SAF3->clear();
    w.SAF3->blockSignals(false);
    w.Cc->clear();
    EXPECT_EQ(w.LabelCc->text(), "");
}

TEST(BiometryWindow, WeightsAndTheirMessages) {
    FakePlatform fake;
    auto& w = fake.windows().get<BiometryWindow>();
    type(w.SAF3, "36");
    type(w.Bip, "90");
    type(w.CA, "330");
    type(w.Cc, "320");
    type(w.Fem, "72");
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    EXPECT_EQ(w.TxtPoids1->text(), "2999 g");
    EXPECT_EQ(w.TxtPoids2->text(), "2998 g");
    EXPECT_EQ(w.TxtPoidsF->text(), "2998");
    EXPECT_EQ(w.TxtPoids0->text(), "2900 g");
    EXPECT_TRUE(fake.messages.shown.isEmpty());

    // A changed measurement empties the estimates.
    type(w.Fem, "72,5");
    EXPECT_EQ(w.TxtPoids0->text(), "");
    EXPECT_EQ(w.TxtPoids2->text(), "");
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    EXPECT_EQ(w.TxtPoids2->text(), "3015 g");
    EXPECT_EQ(w.TxtPoids0->text(), "2920 g");

    // Without the BPD: the Shepard message, Dudley still computed.
    w.Bip->clear();
    type(w.Fem, "72");
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    EXPECT_EQ(fake.messages.shown, QStringList{kShepard});
    EXPECT_EQ(w.TxtPoids0->text(), "2900 g");
    EXPECT_EQ(w.TxtPoids1->text(), "");
    EXPECT_EQ(w.TxtPoids2->text(), "");

    // Nothing filled: both messages, one after the other.
    fake.messages.shown.clear();
    for (QLineEdit* f : {w.CA, w.Cc, w.Fem})
        f->clear();
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    EXPECT_EQ(fake.messages.shown, (QStringList{kShepard, kDudley}));

    // A pasted non-number: no garbage weight, a French message.
    fake.messages.shown.clear();
    w.Bip->setText("90");
    w.CA->setText("trois cents");
    w.Cc->setText("320");
    w.Fem->setText("72");
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    EXPECT_EQ(w.TxtPoids0->text(), "");
    EXPECT_EQ(w.TxtPoids1->text(), "");
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown[0].contains("pas un nombre"));
}

TEST(BiometryWindow, RatiosAndTheirStaleValues) {
    FakePlatform fake;
    auto& w = fake.windows().get<BiometryWindow>();
    type(w.SAF3, "24");
    type(w.Pied, "45");
    type(w.Fem, "40");
    type(w.Orb, "20");
    type(w.Bip, "50");
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    EXPECT_EQ(w.FemPied->text(), "1,13");
    EXPECT_EQ(w.DioBip->text(), "0,40");
    // The humerus leaves them; any other measure, the inter-orbital included, empties them.
    type(w.Hum, "40");
    EXPECT_EQ(w.FemPied->text(), "1,13");
    type(w.Orb, "21");
    EXPECT_EQ(w.FemPied->text(), "");
    EXPECT_EQ(w.DioBip->text(), "");
    // A femur of 0 mm is no measurement: its ratio stays empty, the message names
    // it with its plausible range, and the other ratio is shown.
    type(w.Fem, "0");
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    EXPECT_EQ(w.FemPied->text(), "");
    EXPECT_EQ(w.DioBip->text(), "0,42");
    EXPECT_EQ(fake.messages.shown,
              QStringList{"Fémur : 0 mm n'est pas une mesure possible chez un foetus (plus de 0 "
                          "et au plus 110 mm). Le calcul qui en dépend n'est pas fait."});
    fake.messages.shown.clear();
    w.Pied->clear();
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    EXPECT_EQ(fake.messages.shown,
              QStringList{"Veuillez saisir une valeur pour Pied, Fémur, Orbites et Bip"});
}

TEST(BiometryWindow, CustomisedCentile) {
    FakePlatform fake;
    auto& w = fake.windows().get<BiometryWindow>();
    EXPECT_EQ(w.CmbSexe->currentText(), "Féminin");
    EXPECT_EQ(w.CmbEthnie->currentText(), "Européenne");
    EXPECT_EQ(w.CmbParite->currentText(), "");
    type(w.TxtNbrJours, "238");
    EXPECT_EQ(w.TxtNbrSA->text(), "36");
    type(w.TxtPds, "64");
    type(w.TxtTaille, "163");
    type(w.TxtPoidsF, "2502");
    w.CmbParite->setCurrentIndex(0);
    QTest::mouseClick(w.Command3, Qt::LeftButton);
    EXPECT_EQ(w.LblPdsCustom->text(), "2661g");
    EXPECT_EQ(w.LblCentile->text(), "29");
    EXPECT_EQ(w.LblCentile->palette().color(QPalette::Window), QColor(0xFF, 0xC0, 0x80));

    // Typed text never adds an entry; text naming no entry counts as none (four or more).
    w.CmbParite->setEditText("12");
    EXPECT_EQ(w.CmbParite->count(), 10);
    type(w.TxtPoidsF, "1500");
    QTest::mouseClick(w.Command3, Qt::LeftButton);
    EXPECT_EQ(w.LblPdsCustom->text(), "2788g");
    EXPECT_EQ(w.LblCentile->text(), "0");
    EXPECT_EQ(w.LblCentile->palette().color(QPalette::Window), kReadableRed);
    EXPECT_GE(contrastRatio(Qt::white, kReadableRed), 4.5);
    EXPECT_EQ(w.LblCentile->palette().color(QPalette::WindowText), QColor(Qt::white));

    // An input changed: the centile of the previous inputs goes at once.
    w.TxtPds->clear();
    EXPECT_EQ(w.LblCentile->text(), "");
    EXPECT_EQ(w.LblPdsCustom->text(), "");
    EXPECT_FALSE(w.LblCentile->autoFillBackground());
    // An empty field: no centile, and a message saying what is needed.
    QTest::mouseClick(w.Command3, Qt::LeftButton);
    EXPECT_EQ(w.LblCentile->text(), "");
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown[0].contains("poids (kg) et la taille (cm) de la mère"));
    fake.messages.shown.clear();

    // Before 24 weeks of amenorrhoea: both results emptied and a message.
    type(w.TxtPds, "64");
    type(w.TxtNbrJours, "140");
    EXPECT_EQ(w.TxtNbrSA->text(), "22");
    QTest::mouseClick(w.Command3, Qt::LeftButton);
    EXPECT_EQ(w.LblPdsCustom->text(), "");
    EXPECT_EQ(w.LblCentile->text(), "");
    EXPECT_EQ(fake.messages.shown,
              QStringList{"Le centile customisé se calcule de 24 à 42 semaines d'aménorrhée."});

    QTest::mouseClick(w.Command4, Qt::LeftButton);
    for (QLineEdit* f : {w.TxtNbrJours, w.TxtNbrSA, w.TxtPds, w.TxtTaille, w.TxtPoidsF})
        EXPECT_EQ(f->text(), "");
    EXPECT_EQ(w.CmbSexe->currentIndex(), -1);
    EXPECT_EQ(w.CmbEthnie->currentText(), "");
}

TEST(BiometryWindow, DaysAndWeeksFollowEachOtherWithoutRewritingTheTypedField) {
    FakePlatform fake;
    auto& w = fake.windows().get<BiometryWindow>();
    type(w.TxtNbrJours, "143");
    EXPECT_EQ(w.TxtNbrSA->text(), "22,4");
    type(w.TxtNbrSA, "22.5"); // a typed full stop becomes a comma
    EXPECT_EQ(w.TxtNbrSA->text(), "22,5");
    EXPECT_EQ(w.TxtNbrJours->text(), "143,5");
    w.TxtNbrSA->clear();
    typeText(w.TxtNbrSA, "22,");
    EXPECT_EQ(w.TxtNbrSA->text(), "22,");
    EXPECT_EQ(w.TxtNbrJours->text(), "140");
    w.SaGScroll->setSliderPosition(30);
    EXPECT_EQ(w.TxtNbrSA->text(), "30");
    EXPECT_EQ(w.TxtNbrJours->text(), "196");
    // Days that are no number give no weeks, and none of the earlier days stay.
    w.TxtNbrJours->setText("cent");
    EXPECT_EQ(w.TxtNbrSA->text(), "");
    // Weeks emptied by the user give no days either.
    w.TxtNbrJours->setText("196");
    w.TxtNbrSA->selectAll();
    QTest::keyClick(w.TxtNbrSA, Qt::Key_Backspace);
    EXPECT_EQ(w.TxtNbrJours->text(), "");
}

TEST(BiometryWindow, MainWindowPushesAndClosingOnlyHides) {
    FakePlatform fake;
    auto& w = fake.windows().open<BiometryWindow>();
    w.setWeeksOfAmenorrhoea(12);
    w.setStartOfPregnancy("15/12/2009");
    EXPECT_EQ(w.DateDGf3->text(), "15/12/2009");
    EXPECT_EQ(w.DateJourF3->text(), "15/03/2010");
    EXPECT_EQ(w.SAF3->text(), "15");
    w.setStartOfPregnancy("pas une date"); // no age of the previous start stays
    EXPECT_EQ(w.SAF3->text(), "");
    w.setStartOfPregnancy("15/12/2009");
    EXPECT_EQ(w.SAF3->text(), "15");
    w.clearWeeks();
    EXPECT_EQ(w.SAF3->text(), "");
    type(w.Orb, "20");
    w.close();
    EXPECT_FALSE(w.isVisible());
    ASSERT_EQ(fake.windows().existing<BiometryWindow>(), &w);
    EXPECT_EQ(w.Orb->text(), "20");
    QTest::mouseClick(w.QuitterF3, Qt::LeftButton);
    EXPECT_EQ(fake.windows().existing<BiometryWindow>(), &w);
}

TEST(BiometryWindow, ReportPrintsTheWindowsTextsUnderTheScanDay) {
    FakePlatform fake;
    auto& w = fake.windows().get<BiometryWindow>();
    type(w.DateJourF3, "15/06/2007");
    type(w.DateDGf3, "01/02/2007");
    type(w.Bip, "50");
    type(w.Pied, "");
    fake.prompt.answer = "Zoé Lefèvre";
    QTest::mouseClick(w.Imprimer, Qt::LeftButton);
    ASSERT_EQ(fake.reports.modes.size(), 1u);
    EXPECT_EQ(fake.reports.modes[0], PrintMode::CurrentPrinter);
    EXPECT_EQ(fake.prompt.asked, QStringList{"Saisissez le Nom et prénom de la Patiente."});
    const QStringList lines = fake.reports.last().lines();
    EXPECT_TRUE(lines.contains("Madame Zoé Lefèvre"));
    EXPECT_TRUE(lines.contains("Début de grossesse le 01/02/2007 soit 21 semaines d'amenorrhée."));
    // The scan day, not today (15/03/2010).
    EXPECT_TRUE(lines.contains("Valeurs biométriques mesurées le 15/06/2007."));
    EXPECT_TRUE(
        lines.contains("  - Diamètre Bipariétal : 50 mm.  (50 ème Percentile). Moy = 50 mm."));
    EXPECT_TRUE(lines.contains("  - Longueur du Pied :  mm.  (). Moy = 35 mm."));
    EXPECT_TRUE(lines.contains("Poids théorique pour l'âge de la grossesse : 399 g"));
    EXPECT_TRUE(fake.reports.last().ended());

    // The menu prints with the printer choice; without a scan day, today's date. The
    // name typed is the consultation's: it is not asked again.
    w.DateJourF3->clear();
    fake.prompt.answer.clear();
    w.menu->actions()[1]->trigger();
    EXPECT_EQ(fake.reports.modes.back(), PrintMode::ChoosePrinter);
    EXPECT_EQ(fake.reports.last().choosePrinterCalls(), 1);
    EXPECT_EQ(fake.prompt.asked.size(), 1);
    EXPECT_TRUE(fake.reports.last().lines().contains("Madame Zoé Lefèvre"));
    EXPECT_TRUE(
        fake.reports.last().lines().contains("Valeurs biométriques mesurées le 15/03/2010."));

    w.menu->actions().last()->trigger(); // "Aide", after "Copier les résultats"
    EXPECT_EQ(fake.help.topics, std::vector<int>{40});
}

TEST(BiometryWindow, EveryControlHasAFrenchName) {
    FakePlatform fake;
    auto& w = fake.windows().get<BiometryWindow>();
    for (QWidget* c : w.findChildren<QWidget*>()) {
        if (!c->focusPolicy() || c->objectName().isEmpty() || c->objectName().startsWith("qt_"))
            continue;
        if (qobject_cast<QLineEdit*>(c) || qobject_cast<QPushButton*>(c) ||
            qobject_cast<QScrollBar*>(c) || qobject_cast<QComboBox*>(c)) {
            EXPECT_FALSE(c->accessibleName().isEmpty()) << c->objectName().toStdString();
        }
    }
}
