// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/public_holidays_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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

TEST(PublicHolidaysWindow, OpensOnTodayAndItsYear) {
    FakePlatform fake;
    fake.setToday("15/03/2010");
    PublicHolidaysWindow w(fake.windows());
    EXPECT_EQ(w.objectName(), "Form35");
    EXPECT_EQ(w.windowTitle(), "Les jours feriés de l'année");
    EXPECT_EQ(control<QLineEdit>(w, "Text1")->text(), "15/03/2010");
    EXPECT_EQ(control<QLabel>(w, "Label3")->text(), "est un lundi ");
    ASSERT_EQ(control<QListWidget>(w, "List1")->count(), 101);
    EXPECT_EQ(control<QListWidget>(w, "List1")->item(0)->text(), "1960");
    EXPECT_EQ(control<QListWidget>(w, "List1")->item(100)->text(), "2060");
    ASSERT_NE(control<QListWidget>(w, "List1")->currentItem(), nullptr);
    EXPECT_EQ(control<QListWidget>(w, "List1")->currentItem()->text(), "2010");
    EXPECT_EQ(control<QLabel>(w, "Label2_0")->text(),
              "Le jour de l'an est le vendredi 01 janvier 2010");
    EXPECT_EQ(control<QLabel>(w, "Label2_1")->text(),
              "Le lundi de Pâques est le lundi 05 avril 2010");
    EXPECT_EQ(control<QLabel>(w, "Label2_4")->text(), "L'ascension est le jeudi 13 mai 2010");
    EXPECT_EQ(control<QLabel>(w, "Label2_5")->text(),
              "Le lundi de pentecote est le lundi 24 mai 2010");
    EXPECT_EQ(control<QLabel>(w, "Label2_10")->text(), "Noël est le samedi 25 décembre 2010");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST(PublicHolidaysWindow, ChoosingAYearFromTheKeyboardListsItsHolidays) {
    FakePlatform fake;
    fake.setToday("01/06/2050");
    PublicHolidaysWindow w(fake.windows());
    w.show();
    control<QListWidget>(w, "List1")->setFocus();
    QTest::keyClick(control<QListWidget>(w, "List1"),
                    Qt::Key_End); // 2100: past the short Easter rule's years
    EXPECT_EQ(control<QListWidget>(w, "List1")->currentItem()->text(), "2100");
    EXPECT_EQ(control<QLabel>(w, "Label2_1")->text(),
              "Le lundi de Pâques est le lundi 29 mars 2100");
    QTest::keyClick(control<QListWidget>(w, "List1"), Qt::Key_Home);
    EXPECT_EQ(control<QListWidget>(w, "List1")->currentItem()->text(), "2000");
    EXPECT_EQ(control<QLabel>(w, "Label2_1")->text(),
              "Le lundi de Pâques est le lundi 24 avril 2000");
    EXPECT_EQ(control<QLabel>(w, "Label2_3")->text(), "La victoire 1945 est le lundi 08 mai 2000");
}

TEST(PublicHolidaysWindow, TheWeekdayFollowsTheTypedDateOrIsEmpty) {
    FakePlatform fake;
    PublicHolidaysWindow w(fake.windows());
    w.show();
    control<QLineEdit>(w, "Text1")->selectAll();
    typeText(control<QLineEdit>(w, "Text1"), "14/07/2010");
    EXPECT_EQ(control<QLabel>(w, "Label3")->text(), "est un mercredi ");

    // Letters are not typed; an impossible day shows no weekday, not the last one.
    control<QLineEdit>(w, "Text1")->selectAll();
    typeText(control<QLineEdit>(w, "Text1"), "31/02/2011x");
    EXPECT_EQ(control<QLineEdit>(w, "Text1")->text(), "31/02/2011");
    EXPECT_EQ(control<QLabel>(w, "Label3")->text(), "");

    // Pasted text that is no date shows none either.
    control<QLineEdit>(w, "Text1")->setText("14/07/2010");
    QApplication::clipboard()->setText(QStringLiteral("le 1er mai\n2010 \"'; DROP"));
    control<QLineEdit>(w, "Text1")->selectAll();
    QTest::keyClick(control<QLineEdit>(w, "Text1"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(control<QLabel>(w, "Label3")->text(), "");
    control<QLineEdit>(w, "Text1")->selectAll();
    typeText(control<QLineEdit>(w, "Text1"), "1/5/26");
    EXPECT_EQ(control<QLabel>(w, "Label3")->text(), "est un vendredi ");
}

TEST(PublicHolidaysWindow, HelpAndClosing) {
    FakePlatform fake;
    PublicHolidaysWindow w(fake.windows());
    w.show();
    control<QAction>(w, "Aide")->trigger();
    EXPECT_EQ(fake.help.topics, std::vector<int>{141});
    control<QPushButton>(w, "Command1")->click();
    EXPECT_FALSE(w.isVisible());

    PublicHolidaysWindow again(fake.windows());
    again.show();
    control<QAction>(again, "Quitter")->trigger();
    EXPECT_FALSE(again.isVisible());

    PublicHolidaysWindow third(fake.windows());
    third.show();
    QTest::keyClick(&third, Qt::Key_Escape);
    EXPECT_FALSE(third.isVisible());
}

TEST(PublicHolidaysWindow, ControlsAreNamedAndReadable) {
    FakePlatform fake;
    PublicHolidaysWindow w(fake.windows());
    w.show();
    EXPECT_EQ(control<QPushButton>(w, "Command1")->text(), "&Fermer");
    EXPECT_EQ(control<QPushButton>(w, "Command1")->accessibleName(), "Fermer");
    EXPECT_EQ(control<QLabel>(w, "Label1")->buddy(), control<QListWidget>(w, "List1"));
    EXPECT_EQ(control<QLabel>(w, "Label4")->buddy(), control<QLineEdit>(w, "Text1"));
    EXPECT_EQ(control<QListWidget>(w, "List1")->accessibleName(), "Selectionnez l'année");
    for (std::size_t i = 0; i < kHolidayCount; ++i)
        EXPECT_NE(control<QLabel>(w, QStringLiteral("Label2_%1").arg(i).toUtf8().constData()),
                  nullptr);
    EXPECT_EQ(nextTabStop(control<QLineEdit>(w, "Text1")), control<QListWidget>(w, "List1"));
    EXPECT_EQ(nextTabStop(control<QListWidget>(w, "List1")), control<QPushButton>(w, "Command1"));
    EXPECT_FALSE(control<QLabel>(w, "Image1")->pixmap().isNull());
}

} // namespace
} // namespace tovimar
