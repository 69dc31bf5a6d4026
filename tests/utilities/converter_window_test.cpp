// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/converter_window.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "support/controls.h"
#include "support/fake_platform.h"
#include "support/typing.h"

namespace tovimar {
namespace {

using testing::control;
using testing::FakePlatform;
using testing::typeText;

// The next control Tab reaches.
QWidget* nextTabStop(QWidget* from) {
    QWidget* w = from->nextInFocusChain();
    while (w != from && !((w->focusPolicy() & Qt::TabFocus) && w->isEnabled()))
        w = w->nextInFocusChain();
    return w;
}

void paste(QLineEdit* field, const QString& text) {
    QApplication::clipboard()->setText(text);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

TEST(ConverterWindow, ConvertsAsTheAmountIsTyped) {
    FakePlatform fake;
    ConverterWindow w(fake.windows());
    EXPECT_EQ(w.objectName(), "Form25");
    EXPECT_EQ(w.windowTitle(), "Convertisseur € / F");
    w.show();

    struct Step {
        QString typed;
        QString francs;
    };
    const Step steps[] = {{"1", "6,56"}, {".", "6,56"}, {"5", "9,84"}, {"0", "9,84"}};
    QString euros;
    for (const Step& s : steps) {
        typeText(control<QLineEdit>(w, "Text1"), s.typed);
        euros += s.typed == "." ? "," : s.typed;
        EXPECT_EQ(control<QLineEdit>(w, "Text1")->text(),
                  euros); // the typed amount is never rewritten
        EXPECT_EQ(control<QLineEdit>(w, "Text2")->text(), s.francs) << euros.toStdString();
    }

    QTest::keyClick(control<QLineEdit>(w, "Text1"), Qt::Key_Backspace);
    QTest::keyClick(control<QLineEdit>(w, "Text1"), Qt::Key_Backspace);
    QTest::keyClick(control<QLineEdit>(w, "Text1"), Qt::Key_Backspace);
    EXPECT_EQ(control<QLineEdit>(w, "Text1")->text(), "1");
    EXPECT_EQ(control<QLineEdit>(w, "Text2")->text(), "6,56");
    QTest::keyClick(control<QLineEdit>(w, "Text1"), Qt::Key_Backspace);
    EXPECT_EQ(control<QLineEdit>(w, "Text2")->text(),
              ""); // an empty amount empties the other field

    control<QLineEdit>(w, "Text2")->selectAll();
    typeText(control<QLineEdit>(w, "Text2"), "100");
    EXPECT_EQ(control<QLineEdit>(w, "Text1")->text(), "15,24");
    EXPECT_EQ(control<QLineEdit>(w, "Text2")->text(), "100");
}

TEST(ConverterWindow, KeysThatAreNotPartOfAnAmountAreDropped) {
    FakePlatform fake;
    ConverterWindow w(fake.windows());
    w.show();
    typeText(control<QLineEdit>(w, "Text1"), "a-1 2€e");
    EXPECT_EQ(control<QLineEdit>(w, "Text1")->text(), "12");
    EXPECT_EQ(control<QLineEdit>(w, "Text2")->text(), "78,71");

    // A comma alone, or a second comma, is no amount.
    control<QLineEdit>(w, "Text1")->clear();
    typeText(control<QLineEdit>(w, "Text1"), ",");
    EXPECT_EQ(control<QLineEdit>(w, "Text2")->text(), "");
    typeText(control<QLineEdit>(w, "Text1"), "5,");
    EXPECT_EQ(control<QLineEdit>(w, "Text1")->text(), ",5,");
    EXPECT_EQ(control<QLineEdit>(w, "Text2")->text(), "");
}

TEST(ConverterWindow, AtMostTwelveDigitsBeforeTheComma) {
    FakePlatform fake;
    ConverterWindow w(fake.windows());
    w.show();
    typeText(control<QLineEdit>(w, "Text1"), "9999999999999");
    EXPECT_EQ(control<QLineEdit>(w, "Text1")->text(), "999999999999");
    EXPECT_EQ(control<QLineEdit>(w, "Text2")->text(), "6559569999993,44");
    typeText(control<QLineEdit>(w, "Text1"), ",9999");
    EXPECT_EQ(control<QLineEdit>(w, "Text2")->text(), "6559570000000");
    // Typing in front of a full amount is refused too; after the comma it is not.
    control<QLineEdit>(w, "Text1")->setCursorPosition(0);
    typeText(control<QLineEdit>(w, "Text1"), "1");
    EXPECT_EQ(control<QLineEdit>(w, "Text1")->text(), "999999999999,9999");
    // Replacing a selection counts what remains.
    control<QLineEdit>(w, "Text1")->selectAll();
    typeText(control<QLineEdit>(w, "Text1"), "2");
    EXPECT_EQ(control<QLineEdit>(w, "Text1")->text(), "2");
    EXPECT_EQ(control<QLineEdit>(w, "Text2")->text(), "13,12");
}

TEST(ConverterWindow, PastedTextIsReadSafely) {
    FakePlatform fake;
    ConverterWindow w(fake.windows());
    w.show();
    typeText(control<QLineEdit>(w, "Text1"), "1");
    paste(control<QLineEdit>(w, "Text1"), QStringLiteral("12 345,6 €"));
    EXPECT_EQ(control<QLineEdit>(w, "Text2")->text(), "");
    paste(control<QLineEdit>(w, "Text1"), QStringLiteral("1234567890123456"));
    EXPECT_EQ(control<QLineEdit>(w, "Text2")->text(), ""); // beyond what the fields hold
    paste(control<QLineEdit>(w, "Text1"), QStringLiteral("61476"));
    EXPECT_EQ(control<QLineEdit>(w, "Text2")->text(), "403256,13");
    paste(control<QLineEdit>(w, "Text2"), QStringLiteral("1,2,3"));
    EXPECT_EQ(control<QLineEdit>(w, "Text1")->text(), "");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST(ConverterWindow, EachAmountIsRoundedOnceToTheCentimeAsTovimarCalcPrintsIt) {
    FakePlatform fake;
    ConverterWindow w(fake.windows());
    w.show();
    // 577,51498... F, not 577,5150 rounded again; 3 279,785 exactly: the half goes up.
    const struct {
        QLineEdit* field;
        QLineEdit* other;
        const char *typed, *shown;
    } cases[] = {
        {control<QLineEdit>(w, "Text2"), control<QLineEdit>(w, "Text1"), "3788,25", "577,51"},
        {control<QLineEdit>(w, "Text2"), control<QLineEdit>(w, "Text1"), "3788.25", "577,51"},
        {control<QLineEdit>(w, "Text1"), control<QLineEdit>(w, "Text2"), "500", "3279,79"},
        {control<QLineEdit>(w, "Text1"), control<QLineEdit>(w, "Text2"), "-500", "-3279,79"},
        {control<QLineEdit>(w, "Text1"), control<QLineEdit>(w, "Text2"), "35", "229,58"},
    };
    for (const auto& c : cases) {
        c.field->clear();
        paste(c.field, QString::fromUtf8(c.typed));
        EXPECT_EQ(c.other->text(), c.shown) << c.typed;
    }
    // A pasted full stop is the comma for the digit limit too: decimals can follow.
    control<QLineEdit>(w, "Text1")->clear();
    paste(control<QLineEdit>(w, "Text1"), QStringLiteral("999999999999.5"));
    control<QLineEdit>(w, "Text1")->end(false);
    typeText(control<QLineEdit>(w, "Text1"), "5");
    EXPECT_EQ(control<QLineEdit>(w, "Text1")->text(), "999999999999.55");
    EXPECT_EQ(control<QLineEdit>(w, "Text2")->text(), "6559569999997,05");
}

TEST(ConverterWindow, ClearEmptiesBothAndReturnsToTheEuros) {
    FakePlatform fake;
    ConverterWindow w(fake.windows());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    control<QLineEdit>(w, "Text2")->setFocus();
    typeText(control<QLineEdit>(w, "Text2"), "100");
    control<QPushButton>(w, "Command1")->click();
    EXPECT_EQ(control<QLineEdit>(w, "Text1")->text(), "");
    EXPECT_EQ(control<QLineEdit>(w, "Text2")->text(), "");
    EXPECT_TRUE(control<QLineEdit>(w, "Text1")->hasFocus());
    EXPECT_EQ(control<QPushButton>(w, "Command1")->accessibleName(), "Effacer");
    EXPECT_FALSE(control<QPushButton>(w, "Command1")->icon().isNull());
}

TEST(ConverterWindow, TheCalculatorButtonStartsTheDesktopsCalculator) {
    FakePlatform fake;
    ConverterWindow w(fake.windows());
    w.show();
    EXPECT_EQ(control<QPushButton>(w, "Command2")->accessibleName(), "Calculatrice");
    control<QPushButton>(w, "Command2")->click();
    EXPECT_EQ(fake.calculator.starts, 1);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_TRUE(w.isVisible());
}

TEST(ConverterWindow, WithoutACalculatorTheButtonSaysSoInFrench) {
    using Outcome = CalculatorLauncher::Outcome;
    struct Case {
        CalculatorLauncher::Result answer;
        QString message;
    };
    const Case cases[] = {
        {{Outcome::NoneInstalled, {}},
         "Aucune calculatrice n'est installée sur cet ordinateur. Celle de votre bureau "
         "(gnome-calculator, kcalc, mate-calc, galculator ou xcalc) peut être installée "
         "depuis la logithèque."},
        {{Outcome::Failed, "/usr/bin/kcalc"}, "La calculatrice kcalc n'a pas pu être lancée."},
    };
    for (const Case& c : cases) {
        FakePlatform fake;
        ConverterWindow w(fake.windows());
        w.show();
        fake.calculator.answer = c.answer;
        control<QPushButton>(w, "Command2")->click();
        EXPECT_EQ(fake.messages.shown, QStringList{c.message});
        EXPECT_TRUE(w.isVisible());
    }
}

TEST(ConverterWindow, QuitterAndEscapeClose) {
    FakePlatform fake;
    ConverterWindow w(fake.windows());
    w.show();
    EXPECT_EQ(control<QLabel>(w, "Label1")->buddy(), control<QLineEdit>(w, "Text1"));
    EXPECT_EQ(control<QLabel>(w, "Label2")->buddy(), control<QLineEdit>(w, "Text2"));
    EXPECT_EQ(control<QLineEdit>(w, "Text1")->accessibleName(), "€uros");
    EXPECT_EQ(nextTabStop(control<QLineEdit>(w, "Text1")), control<QLineEdit>(w, "Text2"));
    control<QPushButton>(w, "Command3")->click();
    EXPECT_FALSE(w.isVisible());
    ConverterWindow again(fake.windows());
    again.show();
    QTest::keyClick(&again, Qt::Key_Escape);
    EXPECT_FALSE(again.isVisible());
}

} // namespace
} // namespace tovimar
