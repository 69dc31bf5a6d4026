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
#include "support/controls.h"
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
    type(control<QLineEdit>(w, "DateDGf3"), "01/02/2010");
    EXPECT_EQ(control<QLineEdit>(w, "DateJourF3")->text(), "15/03/2010");
    EXPECT_EQ(control<QLineEdit>(w, "TxtNbrJours")->text(), "42");
    EXPECT_EQ(control<QLineEdit>(w, "SAF3")->text(), "8");
    EXPECT_EQ(control<QLineEdit>(w, "TxtNbrSA")->text(), "8");

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
        type(control<QLineEdit>(w, "DateJourF3"), c.scan);
        type(control<QLineEdit>(w, "DateDGf3"), c.start);
        EXPECT_EQ(control<QLineEdit>(w, "SAF3")->text(), c.weeks) << c.scan;
    }
    type(control<QLineEdit>(w, "DateJourF3"), "15/06/2007");
    type(control<QLineEdit>(w, "DateDGf3"), "01/02/2007");
    EXPECT_EQ(control<QLineEdit>(w, "TxtNbrJours")->text(), "134");
    // The scan day changed: the days follow it too.
    type(control<QLineEdit>(w, "DateJourF3"), "22/06/2007");
    EXPECT_EQ(control<QLineEdit>(w, "SAF3")->text(), "22");
    EXPECT_EQ(control<QLineEdit>(w, "TxtNbrJours")->text(), "141");
    // A date that is not one gives no age: none of the previous stays.
    type(control<QLineEdit>(w, "DateJourF3"), "31/02/2007");
    EXPECT_EQ(control<QLineEdit>(w, "SAF3")->text(), "");
    EXPECT_EQ(control<QLineEdit>(w, "TxtNbrJours")->text(), "");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST(BiometryWindow, AgeChangeShowsMediansMovesScrollBarsAndEmptiesMeasurements) {
    FakePlatform fake;
    auto& w = fake.windows().get<BiometryWindow>();
    type(control<QLineEdit>(w, "SAF3"), "20");
    type(control<QLineEdit>(w, "Bip"), "47");
    EXPECT_EQ(control<QLabel>(w, "LabelBip")->text(), "50 ème Percentile");
    type(control<QLineEdit>(w, "SAF3"), "21");
    EXPECT_EQ(control<QLineEdit>(w, "CBip")->text(), "50");
    EXPECT_EQ(control<QLineEdit>(w, "CCc")->text(), "184");
    EXPECT_EQ(control<QLineEdit>(w, "CCer")->text(), "21");
    EXPECT_EQ(control<QScrollBar>(w, "BipScroll")->value(), 50);
    EXPECT_EQ(control<QScrollBar>(w, "OrbScroll")->value(), 23);
    EXPECT_EQ(control<QLineEdit>(w, "Bip")->text(), "");
    EXPECT_EQ(control<QLabel>(w, "LabelBip")->text(), "");
    EXPECT_EQ(control<QLabel>(w, "Label22")->text(), "399 g");

    // Past the cerebellum's chart its median is emptied, its scroll bar stays.
    type(control<QLineEdit>(w, "SAF3"), "38");
    EXPECT_EQ(control<QLineEdit>(w, "CCer")->text(), "");
    EXPECT_EQ(control<QScrollBar>(w, "CerScroll")->value(), 21);
    type(control<QLineEdit>(w, "SAF3"), "42");
    for (QLineEdit* m : {control<QLineEdit>(w, "CBip"), control<QLineEdit>(w, "CCc"),
                         control<QLineEdit>(w, "CDat"), control<QLineEdit>(w, "CCa"),
                         control<QLineEdit>(w, "CFem"), control<QLineEdit>(w, "CPied"),
                         control<QLineEdit>(w, "CHum"), control<QLineEdit>(w, "CCer")})
        EXPECT_EQ(m->text(), "") << m->objectName().toStdString();
    EXPECT_EQ(control<QLabel>(w, "Label22")->text(), "");
    type(control<QLineEdit>(w, "SAF3"), "15");
    EXPECT_EQ(control<QLabel>(w, "Label22")->text(), "");

    // The age emptied: fields and medians emptied.
    type(control<QLineEdit>(w, "SAF3"), "30");
    type(control<QLineEdit>(w, "Fem"), "57");
    control<QLineEdit>(w, "SAF3")->clear();
    EXPECT_EQ(control<QLineEdit>(w, "Fem")->text(), "");
    EXPECT_EQ(control<QLineEdit>(w, "CFem")->text(), "");
    EXPECT_EQ(control<QLabel>(w, "LabelFem")->text(), "");

    // The age field refuses letters, the comma and the minus sign.
    type(control<QLineEdit>(w, "SAF3"), "2a,-4");
    EXPECT_EQ(control<QLineEdit>(w, "SAF3")->text(), "24");
}

TEST(BiometryWindow, APastedAgeThatIsNotWholeLeavesNothingOfThePreviousAge) {
    FakePlatform fake;
    auto& w = fake.windows().get<BiometryWindow>();
    type(control<QLineEdit>(w, "SAF3"), "20");
    type(control<QLineEdit>(w, "Fem"), "32");
    ASSERT_FALSE(control<QLabel>(w, "Label22")->text().isEmpty());
    control<QLineEdit>(w, "SAF3")->setText("22,5");
    EXPECT_EQ(control<QLineEdit>(w, "Fem")->text(), "");
    EXPECT_EQ(control<QLineEdit>(w, "CBip")->text(), "");
    EXPECT_EQ(control<QLabel>(w, "Label22")->text(), "");
    type(control<QLineEdit>(w, "SAF3"), "");
    control<QLineEdit>(w, "SAF3")->setText("20");
    EXPECT_EQ(control<QLineEdit>(w, "CBip")->text(), "47");
    control<QLineEdit>(w, "SAF3")->setText("douze");
    EXPECT_EQ(control<QLineEdit>(w, "CBip")->text(), "");
    control<QLineEdit>(w, "SAF3")->setText(
        "99999999999999999999"); // beyond any week: no median, no crash
    EXPECT_EQ(control<QLineEdit>(w, "CBip")->text(), "");
}

TEST(BiometryWindow, BandsAsTheValueIsTyped) {
    FakePlatform fake;
    auto& w = fake.windows().get<BiometryWindow>();
    type(control<QLineEdit>(w, "SAF3"), "20");
    type(control<QLineEdit>(w, "Bip"), "41");
    EXPECT_EQ(control<QLabel>(w, "LabelBip")->text(), "< 3 ème Percentile");
    EXPECT_EQ(textColour(control<QLabel>(w, "LabelBip")), kReadableRed);
    EXPECT_EQ(control<QLabel>(w, "LabelBip")->font().pointSizeF(), 10);
    type(control<QLineEdit>(w, "Bip"), "53");
    EXPECT_EQ(control<QLabel>(w, "LabelBip")->text(), "> 97 ème Percentile");
    EXPECT_EQ(textColour(control<QLabel>(w, "LabelBip")), QColor(0, 0, 0xFF));
    EXPECT_EQ(control<QLabel>(w, "LabelBip")->font().pointSizeF(), 8);
    type(control<QLineEdit>(w, "Hum"), "36");
    EXPECT_EQ(control<QLabel>(w, "LabelHum")->text(), "> 97,5 ème Percentile");
    EXPECT_EQ(textColour(control<QLabel>(w, "LabelHum")), kReadableRed);
    // A pasted text that is not a number: an empty caption.
    control<QLineEdit>(w, "Bip")->setText("quarante");
    EXPECT_EQ(control<QLabel>(w, "LabelBip")->text(), "");
    // A value beyond 16 bits: the highest band.
    control<QLineEdit>(w, "Bip")->setText("123456789");
    EXPECT_EQ(control<QLabel>(w, "LabelBip")->text(), "> 97 ème Percentile");
    // A scroll bar writes its position into the field.
    control<QScrollBar>(w, "FemurScroll")->setSliderPosition(33); // as a drag moves it
    EXPECT_EQ(control<QLineEdit>(w, "Fem")->text(), "33");
    EXPECT_EQ(control<QLabel>(w, "LabelFem")->text(), "50 ème Percentile");
    // Emptying a field empties its band, even without an age.
    control<QLineEdit>(w, "SAF3")->setText("20");
    type(control<QLineEdit>(w, "Cc"), "175");
    control<QLineEdit>(w, "SAF3")->blockSignals(true);
    control<QLineEdit>(w, "SAF3")->clear();
    control<QLineEdit>(w, "SAF3")->blockSignals(false);
    control<QLineEdit>(w, "Cc")->clear();
    EXPECT_EQ(control<QLabel>(w, "LabelCc")->text(), "");
}

TEST(BiometryWindow, WeightsAndTheirMessages) {
    FakePlatform fake;
    auto& w = fake.windows().get<BiometryWindow>();
    type(control<QLineEdit>(w, "SAF3"), "36");
    type(control<QLineEdit>(w, "Bip"), "90");
    type(control<QLineEdit>(w, "CA"), "330");
    type(control<QLineEdit>(w, "Cc"), "320");
    type(control<QLineEdit>(w, "Fem"), "72");
    QTest::mouseClick(control<QPushButton>(w, "Command2"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>(w, "TxtPoids1")->text(), "2999 g");
    EXPECT_EQ(control<QLineEdit>(w, "TxtPoids2")->text(), "2998 g");
    EXPECT_EQ(control<QLineEdit>(w, "TxtPoidsF")->text(), "2998");
    EXPECT_EQ(control<QLineEdit>(w, "TxtPoids0")->text(), "2900 g");
    EXPECT_TRUE(fake.messages.shown.isEmpty());

    // A changed measurement empties the estimates.
    type(control<QLineEdit>(w, "Fem"), "72,5");
    EXPECT_EQ(control<QLineEdit>(w, "TxtPoids0")->text(), "");
    EXPECT_EQ(control<QLineEdit>(w, "TxtPoids2")->text(), "");
    QTest::mouseClick(control<QPushButton>(w, "Command2"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>(w, "TxtPoids2")->text(), "3015 g");
    EXPECT_EQ(control<QLineEdit>(w, "TxtPoids0")->text(), "2920 g");

    // Without the BPD: the Shepard message, Dudley still computed.
    control<QLineEdit>(w, "Bip")->clear();
    type(control<QLineEdit>(w, "Fem"), "72");
    QTest::mouseClick(control<QPushButton>(w, "Command2"), Qt::LeftButton);
    EXPECT_EQ(fake.messages.shown, QStringList{kShepard});
    EXPECT_EQ(control<QLineEdit>(w, "TxtPoids0")->text(), "2900 g");
    EXPECT_EQ(control<QLineEdit>(w, "TxtPoids1")->text(), "");
    EXPECT_EQ(control<QLineEdit>(w, "TxtPoids2")->text(), "");

    // Nothing filled: both messages, one after the other.
    fake.messages.shown.clear();
    for (QLineEdit* f :
         {control<QLineEdit>(w, "CA"), control<QLineEdit>(w, "Cc"), control<QLineEdit>(w, "Fem")})
        f->clear();
    QTest::mouseClick(control<QPushButton>(w, "Command2"), Qt::LeftButton);
    EXPECT_EQ(fake.messages.shown, (QStringList{kShepard, kDudley}));

    // A pasted non-number: no garbage weight, a French message.
    fake.messages.shown.clear();
    control<QLineEdit>(w, "Bip")->setText("90");
    control<QLineEdit>(w, "CA")->setText("trois cents");
    control<QLineEdit>(w, "Cc")->setText("320");
    control<QLineEdit>(w, "Fem")->setText("72");
    QTest::mouseClick(control<QPushButton>(w, "Command2"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>(w, "TxtPoids0")->text(), "");
    EXPECT_EQ(control<QLineEdit>(w, "TxtPoids1")->text(), "");
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown[0].contains("pas un nombre"));
}

TEST(BiometryWindow, RatiosAndTheirStaleValues) {
    FakePlatform fake;
    auto& w = fake.windows().get<BiometryWindow>();
    type(control<QLineEdit>(w, "SAF3"), "24");
    type(control<QLineEdit>(w, "Pied"), "45");
    type(control<QLineEdit>(w, "Fem"), "40");
    type(control<QLineEdit>(w, "Orb"), "20");
    type(control<QLineEdit>(w, "Bip"), "50");
    QTest::mouseClick(control<QPushButton>(w, "Command1"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>(w, "FemPied")->text(), "1,13");
    EXPECT_EQ(control<QLineEdit>(w, "DioBip")->text(), "0,40");
    // The humerus leaves them; any other measure, the inter-orbital included, empties them.
    type(control<QLineEdit>(w, "Hum"), "40");
    EXPECT_EQ(control<QLineEdit>(w, "FemPied")->text(), "1,13");
    type(control<QLineEdit>(w, "Orb"), "21");
    EXPECT_EQ(control<QLineEdit>(w, "FemPied")->text(), "");
    EXPECT_EQ(control<QLineEdit>(w, "DioBip")->text(), "");
    // A femur of 0 mm is no measurement: its ratio stays empty, the message names
    // it with its plausible range, and the other ratio is shown.
    type(control<QLineEdit>(w, "Fem"), "0");
    QTest::mouseClick(control<QPushButton>(w, "Command1"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>(w, "FemPied")->text(), "");
    EXPECT_EQ(control<QLineEdit>(w, "DioBip")->text(), "0,42");
    EXPECT_EQ(fake.messages.shown,
              QStringList{"Fémur : 0 mm n'est pas une mesure possible chez un foetus (plus de 0 "
                          "et au plus 110 mm). Le calcul qui en dépend n'est pas fait."});
    fake.messages.shown.clear();
    control<QLineEdit>(w, "Pied")->clear();
    QTest::mouseClick(control<QPushButton>(w, "Command1"), Qt::LeftButton);
    EXPECT_EQ(fake.messages.shown,
              QStringList{"Veuillez saisir une valeur pour Pied, Fémur, Orbites et Bip"});
}

TEST(BiometryWindow, CustomisedCentile) {
    FakePlatform fake;
    auto& w = fake.windows().get<BiometryWindow>();
    EXPECT_EQ(control<QComboBox>(w, "CmbSexe")->currentText(), "Féminin");
    EXPECT_EQ(control<QComboBox>(w, "CmbEthnie")->currentText(), "Européenne");
    EXPECT_EQ(control<QComboBox>(w, "CmbParite")->currentText(), "");
    type(control<QLineEdit>(w, "TxtNbrJours"), "238");
    EXPECT_EQ(control<QLineEdit>(w, "TxtNbrSA")->text(), "36");
    type(control<QLineEdit>(w, "TxtPds"), "64");
    type(control<QLineEdit>(w, "TxtTaille"), "163");
    type(control<QLineEdit>(w, "TxtPoidsF"), "2502");
    control<QComboBox>(w, "CmbParite")->setCurrentIndex(0);
    QTest::mouseClick(control<QPushButton>(w, "Command3"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(w, "LblPdsCustom")->text(), "2661g");
    EXPECT_EQ(control<QLabel>(w, "LblCentile")->text(), "29");
    EXPECT_EQ(control<QLabel>(w, "LblCentile")->palette().color(QPalette::Window),
              QColor(0xFF, 0xC0, 0x80));

    // Typed text never adds an entry; text naming no entry counts as none (four or more).
    control<QComboBox>(w, "CmbParite")->setEditText("12");
    EXPECT_EQ(control<QComboBox>(w, "CmbParite")->count(), 10);
    type(control<QLineEdit>(w, "TxtPoidsF"), "1500");
    QTest::mouseClick(control<QPushButton>(w, "Command3"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(w, "LblPdsCustom")->text(), "2788g");
    EXPECT_EQ(control<QLabel>(w, "LblCentile")->text(), "0");
    EXPECT_EQ(control<QLabel>(w, "LblCentile")->palette().color(QPalette::Window), kReadableRed);
    EXPECT_GE(contrastRatio(Qt::white, kReadableRed), 4.5);
    EXPECT_EQ(control<QLabel>(w, "LblCentile")->palette().color(QPalette::WindowText),
              QColor(Qt::white));

    // An input changed: the centile of the previous inputs goes at once.
    control<QLineEdit>(w, "TxtPds")->clear();
    EXPECT_EQ(control<QLabel>(w, "LblCentile")->text(), "");
    EXPECT_EQ(control<QLabel>(w, "LblPdsCustom")->text(), "");
    // Its box is again the empty result box of a fresh window.
    {
        FakePlatform other;
        const QLabel* fresh = control<QLabel>(other.windows().get<BiometryWindow>(), "LblCentile");
        const QLabel* emptied = control<QLabel>(w, "LblCentile");
        EXPECT_EQ(emptied->autoFillBackground(), fresh->autoFillBackground());
        EXPECT_EQ(emptied->palette().color(emptied->backgroundRole()),
                  fresh->palette().color(fresh->backgroundRole()));
        EXPECT_EQ(emptied->palette().color(QPalette::WindowText),
                  fresh->palette().color(QPalette::WindowText));
    }
    // An empty field: no centile, and a message saying what is needed.
    QTest::mouseClick(control<QPushButton>(w, "Command3"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(w, "LblCentile")->text(), "");
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown[0].contains("poids (kg) et la taille (cm) de la mère"));
    fake.messages.shown.clear();

    // Before 24 weeks of amenorrhoea: both results emptied and a message.
    type(control<QLineEdit>(w, "TxtPds"), "64");
    type(control<QLineEdit>(w, "TxtNbrJours"), "140");
    EXPECT_EQ(control<QLineEdit>(w, "TxtNbrSA")->text(), "22");
    QTest::mouseClick(control<QPushButton>(w, "Command3"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(w, "LblPdsCustom")->text(), "");
    EXPECT_EQ(control<QLabel>(w, "LblCentile")->text(), "");
    EXPECT_EQ(fake.messages.shown,
              QStringList{"Le centile customisé se calcule de 24 à 42 semaines d'aménorrhée."});

    QTest::mouseClick(control<QPushButton>(w, "Command4"), Qt::LeftButton);
    for (QLineEdit* f : {control<QLineEdit>(w, "TxtNbrJours"), control<QLineEdit>(w, "TxtNbrSA"),
                         control<QLineEdit>(w, "TxtPds"), control<QLineEdit>(w, "TxtTaille"),
                         control<QLineEdit>(w, "TxtPoidsF")})
        EXPECT_EQ(f->text(), "");
    EXPECT_EQ(control<QComboBox>(w, "CmbSexe")->currentIndex(), -1);
    EXPECT_EQ(control<QComboBox>(w, "CmbEthnie")->currentText(), "");
}

TEST(BiometryWindow, DaysAndWeeksFollowEachOtherWithoutRewritingTheTypedField) {
    FakePlatform fake;
    auto& w = fake.windows().get<BiometryWindow>();
    type(control<QLineEdit>(w, "TxtNbrJours"), "143");
    EXPECT_EQ(control<QLineEdit>(w, "TxtNbrSA")->text(), "22,4");
    type(control<QLineEdit>(w, "TxtNbrSA"), "22.5"); // a typed full stop becomes a comma
    EXPECT_EQ(control<QLineEdit>(w, "TxtNbrSA")->text(), "22,5");
    EXPECT_EQ(control<QLineEdit>(w, "TxtNbrJours")->text(), "143,5");
    control<QLineEdit>(w, "TxtNbrSA")->clear();
    typeText(control<QLineEdit>(w, "TxtNbrSA"), "22,");
    EXPECT_EQ(control<QLineEdit>(w, "TxtNbrSA")->text(), "22,");
    EXPECT_EQ(control<QLineEdit>(w, "TxtNbrJours")->text(), "140");
    control<QScrollBar>(w, "SaGScroll")->setSliderPosition(30);
    EXPECT_EQ(control<QLineEdit>(w, "TxtNbrSA")->text(), "30");
    EXPECT_EQ(control<QLineEdit>(w, "TxtNbrJours")->text(), "196");
    // Days that are no number give no weeks, and none of the earlier days stay.
    control<QLineEdit>(w, "TxtNbrJours")->setText("cent");
    EXPECT_EQ(control<QLineEdit>(w, "TxtNbrSA")->text(), "");
    // Weeks emptied by the user give no days either.
    control<QLineEdit>(w, "TxtNbrJours")->setText("196");
    control<QLineEdit>(w, "TxtNbrSA")->selectAll();
    QTest::keyClick(control<QLineEdit>(w, "TxtNbrSA"), Qt::Key_Backspace);
    EXPECT_EQ(control<QLineEdit>(w, "TxtNbrJours")->text(), "");
}

TEST(BiometryWindow, MainWindowPushesAndClosingKeepsTheExamination) {
    FakePlatform fake;
    auto& w = fake.windows().open<BiometryWindow>();
    w.setWeeksOfAmenorrhoea(12);
    w.setStartOfPregnancy("15/12/2009");
    EXPECT_EQ(control<QLineEdit>(w, "DateDGf3")->text(), "15/12/2009");
    EXPECT_EQ(control<QLineEdit>(w, "DateJourF3")->text(), "15/03/2010");
    EXPECT_EQ(control<QLineEdit>(w, "SAF3")->text(), "15");
    w.setStartOfPregnancy("pas une date"); // no age of the previous start stays
    EXPECT_EQ(control<QLineEdit>(w, "SAF3")->text(), "");
    w.setStartOfPregnancy("15/12/2009");
    EXPECT_EQ(control<QLineEdit>(w, "SAF3")->text(), "15");
    w.clearWeeks();
    EXPECT_EQ(control<QLineEdit>(w, "SAF3")->text(), "");

    // Closed by "Quitter", by its menu or by Escape, the window goes; opened
    // again, it shows what was typed and computed, and tells nothing again.
    type(control<QLineEdit>(w, "SAF3"), "30");
    type(control<QLineEdit>(w, "Bip"), "80");
    type(control<QLineEdit>(w, "Cc"), "300");
    type(control<QLineEdit>(w, "CA"), "2000"); // implausible: told on the press
    type(control<QLineEdit>(w, "Fem"), "60");
    QTest::mouseClick(control<QPushButton>(w, "Command2"), Qt::LeftButton);
    ASSERT_FALSE(fake.messages.shown.isEmpty());
    type(control<QLineEdit>(w, "CA"), "280");
    QTest::mouseClick(control<QPushButton>(w, "Command2"), Qt::LeftButton);
    const QStringList told = fake.messages.shown;
    const QString dudley = control<QLineEdit>(w, "TxtPoids0")->text();
    ASSERT_FALSE(dudley.isEmpty());
    control<QComboBox>(w, "CmbParite")->setEditText("12");

    const auto closeBy = [&](const char* how) {
        auto* shown = fake.windows().existing<BiometryWindow>();
        if (QLatin1String(how) == "button")
            QTest::mouseClick(control<QPushButton>(*shown, "QuitterF3"), Qt::LeftButton);
        else if (QLatin1String(how) == "menu")
            control<QMenuBar>(*shown, "menuBiometrie")->actions().first()->trigger();
        else
            QTest::keyClick(shown, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(fake.windows().existing<BiometryWindow>(), nullptr) << how;
        return &fake.windows().open<BiometryWindow>();
    };
    w.move(w.pos() + QPoint(37, 23));
    const QPoint place = w.pos();
    for (const char* how : {"button", "menu", "Escape"}) {
        BiometryWindow* again = closeBy(how);
        EXPECT_EQ(again->pos(), place) << how;
        EXPECT_EQ(control<QLineEdit>(*again, "SAF3")->text(), "30") << how;
        EXPECT_EQ(control<QLineEdit>(*again, "CA")->text(), "280") << how;
        EXPECT_EQ(control<QLineEdit>(*again, "TxtPoids0")->text(), dudley) << how;
        EXPECT_EQ(control<QComboBox>(*again, "CmbParite")->currentText(), "12") << how;
        EXPECT_EQ(fake.messages.shown, told) << how;
    }

    // A new consultation forgets it.
    fake.windows().renew({});
    auto& fresh = fake.windows().open<BiometryWindow>();
    EXPECT_EQ(control<QLineEdit>(fresh, "SAF3")->text(), "");
    EXPECT_EQ(control<QLineEdit>(fresh, "CA")->text(), "");
}

TEST(BiometryWindow, ReportPrintsTheWindowsTextsUnderTheScanDay) {
    FakePlatform fake;
    auto& w = fake.windows().get<BiometryWindow>();
    type(control<QLineEdit>(w, "DateJourF3"), "15/06/2007");
    type(control<QLineEdit>(w, "DateDGf3"), "01/02/2007");
    type(control<QLineEdit>(w, "Bip"), "50");
    type(control<QLineEdit>(w, "Pied"), "");
    fake.prompt.answer = "Zoé Lefèvre";
    QTest::mouseClick(control<QPushButton>(w, "Imprimer"), Qt::LeftButton);
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
    control<QLineEdit>(w, "DateJourF3")->clear();
    fake.prompt.answer.clear();
    control<QMenuBar>(w, "menuBiometrie")->actions()[1]->trigger();
    EXPECT_EQ(fake.reports.modes.back(), PrintMode::ChoosePrinter);
    EXPECT_EQ(fake.reports.last().choosePrinterCalls(), 1);
    EXPECT_EQ(fake.prompt.asked.size(), 1);
    EXPECT_TRUE(fake.reports.last().lines().contains("Madame Zoé Lefèvre"));
    EXPECT_TRUE(
        fake.reports.last().lines().contains("Valeurs biométriques mesurées le 15/03/2010."));

    control<QMenuBar>(w, "menuBiometrie")
        ->actions()
        .last()
        ->trigger(); // "Aide", after "Copier les résultats"
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
