// SPDX-License-Identifier: GPL-3.0-or-later
// The OSIRIS window: its opening state, the score at every change, the
// sliders, the date of birth and the information messages.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <gtest/gtest.h>

#include "menopause/osiris_window.h"
#include "support/controls.h"
#include "support/fake_platform.h"
#include "support/typing.h"
#include "ui/controls.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

void retype(QLineEdit* field, const QString& text) {
    field->clear();
    typeText(field, text);
}

QColor background(const QLabel* label) {
    return label->palette().color(QPalette::Window);
}

TEST(OsirisWindow, OpensWithTheValuesOfFiftyYearsAndSixtyKilos) {
    FakePlatform fake;
    OsirisWindow w(fake.windows());
    EXPECT_EQ(w.objectName(), "osiris");
    EXPECT_EQ(w.windowTitle(), "Score Osiris (OS Index RISk)");
    EXPECT_EQ(control<QLineEdit>(w, "TxtAge")->text(), "50");
    EXPECT_EQ(control<QLineEdit>(w, "TxtPds")->text(), "60");
    EXPECT_EQ(control<QSlider>(w, "SliderAge")->value(), 50);
    EXPECT_EQ(control<QSlider>(w, "SliderPds")->value(), 60);
    EXPECT_EQ(control<QProgressBar>(w, "ProgressBar1")->value(), 4);
    EXPECT_EQ(control<QLabel>(w, "LblScore2")->text(), "2");
    EXPECT_EQ(background(control<QLabel>(w, "LblScore2")), QColor(0x00, 0xFF, 0x00));
    EXPECT_EQ(control<QLabel>(w, "LblScore")->text(), "Score Osiris");
    EXPECT_EQ(w.pictureIndex(), 4);
    EXPECT_FALSE(control<QLabel>(w, "Image1")->pixmap().isNull());
    EXPECT_EQ(control<QLabel>(w, "LblCommenta")->text(), "SCORE OSIRIS");
    EXPECT_EQ(control<QLabel>(w, "LblCommentb")->text(), "Saisissez l'âge en années");
    EXPECT_EQ(control<QLabel>(w, "LblCommentc")->text(), "Saisissez le poids en kilos");
    EXPECT_EQ(control<QLabel>(w, "LblCommentd")->text(),
              "Cochez si prise de THS et ou antécédent de fracture");
}

TEST(OsirisWindow, EveryChangeRecomputesTheScoreClassAndAdvice) {
    struct Case {
        const char *age, *weight;
        bool ths, fracture;
        const char* score;
        int bar, picture;
        QColor back;
        const char* lineA;
        QColor colourA;
        bool boldA, boldC, underlineD;
    } cases[] = {
        {"63", "60", false, false, "-1", 7, 3, QColor(0xFF, 0xFF, 0x00),
         "Risque d'ostéoporose intermediaire.", QColor(0x00, 0xC0, 0x00), false, true, false},
        {"75", "55", false, false, "-4", 10, 2, kReadableRed, "Risque d'ostéoporose sérieux.",
         kReadableRed, true, false, true},
        // Exactly -3 and exactly 1: intermediate, as "Entre +1 et -3 évaluer par la DMO".
        {"70", "55", true, true, "-3", 9, 3, QColor(0xFF, 0xFF, 0x00),
         "Risque d'ostéoporose intermediaire.", QColor(0x00, 0xC0, 0x00), false, true, false},
        {"55", "60", false, false, "1", 5, 3, QColor(0xFF, 0xFF, 0x00),
         "Risque d'ostéoporose intermediaire.", QColor(0x00, 0xC0, 0x00), false, true, false},
        {"52,4", "60", false, false, "2", 4, 1, QColor(0x00, 0xFF, 0x00),
         "Risque d'ostéoporose léger.", QColor(0x00, 0x00, 0xFF), false, false, false},
        {"77,6", "60", false, false, "-4", 10, 2, kReadableRed, "Risque d'ostéoporose sérieux.",
         kReadableRed, true, false, true},
        {"50", "67,5", false, false, "4", 2, 1, QColor(0x00, 0xFF, 0x00),
         "Risque d'ostéoporose léger.", QColor(0x00, 0x00, 0xFF), false, false, false},
        {"90", "30", false, true, "-14", 13, 2, kReadableRed, "Risque d'ostéoporose sérieux.",
         kReadableRed, true, false, true},
    };
    for (const auto& c : cases) {
        FakePlatform fake;
        OsirisWindow w(fake.windows());
        retype(control<QLineEdit>(w, "TxtAge"), c.age);
        retype(control<QLineEdit>(w, "TxtPds"), c.weight);
        if (c.ths) QTest::mouseClick(control<QCheckBox>(w, "ChkTHS"), Qt::LeftButton);
        if (c.fracture) QTest::mouseClick(control<QCheckBox>(w, "ChkFract"), Qt::LeftButton);
        EXPECT_EQ(control<QLabel>(w, "LblScore2")->text(), c.score) << c.age << " " << c.weight;
        EXPECT_EQ(control<QLabel>(w, "LblScore")->text(), QString("Score Osiris = ") + c.score);
        EXPECT_EQ(control<QProgressBar>(w, "ProgressBar1")->value(), c.bar) << c.score;
        EXPECT_EQ(w.pictureIndex(), c.picture) << c.score;
        EXPECT_EQ(background(control<QLabel>(w, "LblScore2")), c.back) << c.score;
        EXPECT_EQ(control<QLabel>(w, "LblCommenta")->text(), c.lineA);
        // The line's colour, darkened where needed to read on the window (AA).
        const QColor window = w.palette().color(QPalette::Window);
        EXPECT_EQ(control<QLabel>(w, "LblCommenta")->palette().color(QPalette::WindowText),
                  readableOn(c.colourA, window))
            << c.score;
        EXPECT_GE(
            contrastRatio(control<QLabel>(w, "LblCommenta")->palette().color(QPalette::WindowText),
                          window),
            4.5);
        EXPECT_GE(
            contrastRatio(control<QLabel>(w, "LblScore2")->palette().color(QPalette::WindowText),
                          c.back),
            4.5);
        EXPECT_EQ(control<QLabel>(w, "LblCommenta")->font().bold(), c.boldA) << c.score;
        EXPECT_EQ(control<QLabel>(w, "LblCommentc")->font().bold(), c.boldC) << c.score;
        EXPECT_EQ(control<QLabel>(w, "LblCommentd")->font().underline(), c.underlineD) << c.score;
    }
}

TEST(OsirisWindow, ATickRemovedRecomputesAndPlainLinesTakeTheWindowTextColour) {
    FakePlatform fake;
    OsirisWindow w(fake.windows());
    retype(control<QLineEdit>(w, "TxtAge"), "75");
    retype(control<QLineEdit>(w, "TxtPds"), "55");
    EXPECT_EQ(control<QLabel>(w, "LblScore2")->text(), "-4");
    QTest::mouseClick(control<QCheckBox>(w, "ChkTHS"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(w, "LblScore2")->text(), "-2");
    EXPECT_EQ(control<QLabel>(w, "LblCommentc")->text(),
              "L'OSTEODENSITOMETRIE est donc fortement indiquée.");
    EXPECT_EQ(control<QLabel>(w, "LblCommentc")->palette().color(QPalette::WindowText),
              kReadableRed);
    QTest::mouseClick(control<QCheckBox>(w, "ChkTHS"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(w, "LblScore2")->text(), "-4");
    EXPECT_EQ(control<QLabel>(w, "LblCommentc")->text(),
              "Ostéodensitométrie est ici diagnostique et pronostique.");
    EXPECT_EQ(control<QLabel>(w, "LblCommentc")->palette().color(QPalette::WindowText),
              w.palette().color(QPalette::WindowText));
    EXPECT_FALSE(control<QLabel>(w, "LblCommentc")->font().bold());
}

TEST(OsirisWindow, TextThatIsNotANumberEmptiesEveryTraceOfTheEarlierScore) {
    FakePlatform fake;
    OsirisWindow w(fake.windows());
    retype(control<QLineEdit>(w, "TxtAge"), "75");
    retype(control<QLineEdit>(w, "TxtPds"), "55");
    EXPECT_EQ(control<QProgressBar>(w, "ProgressBar1")->value(), 10);
    for (const char* text : {"55 kg", "", "-"}) {
        control<QLineEdit>(w, "TxtPds")->setText(text);
        for (QLabel* l : {control<QLabel>(w, "LblScore"), control<QLabel>(w, "LblScore2"),
                          control<QLabel>(w, "LblCommenta"), control<QLabel>(w, "LblCommentb"),
                          control<QLabel>(w, "LblCommentc"), control<QLabel>(w, "LblCommentd")})
            EXPECT_TRUE(l->text().isEmpty()) << l->objectName().toStdString() << " " << text;
        // Neither the bar nor the picture nor the colour of a serious risk stays.
        EXPECT_EQ(control<QProgressBar>(w, "ProgressBar1")->value(), 0) << text;
        EXPECT_EQ(w.pictureIndex(), 4) << text;
        EXPECT_NE(background(control<QLabel>(w, "LblScore2")), kReadableRed) << text;
    }
    control<QLineEdit>(w, "TxtPds")->setText("55.5"); // a full stop reads as the comma
    EXPECT_EQ(control<QLabel>(w, "LblScore2")->text(), "-4");
    control<QLineEdit>(w, "TxtPds")->setText("55,5");
    EXPECT_EQ(control<QLabel>(w, "LblScore2")->text(), "-4");
}

TEST(OsirisWindow, AnImplausibleAgeOrWeightIsNamedWithItsLimitsAndGivesNoScore) {
    struct Case {
        const char *age, *weight, *message;
    } cases[] = {
        {"60", "-1", "Le poids doit être compris entre 15 et 400 kilos."},
        {"60", "600", "Le poids doit être compris entre 15 et 400 kilos."},
        {"100000000000000000000", "60", "L'âge doit être compris entre 15 et 125 ans."},
        {"2", "60", "L'âge doit être compris entre 15 et 125 ans."},
    };
    for (const auto& c : cases) {
        FakePlatform fake;
        OsirisWindow w(fake.windows());
        retype(control<QLineEdit>(w, "TxtAge"), "80"); // a serious risk first
        retype(control<QLineEdit>(w, "TxtPds"), "50");
        retype(control<QLineEdit>(w, "TxtAge"), c.age);
        retype(control<QLineEdit>(w, "TxtPds"), c.weight);
        EXPECT_EQ(control<QLabel>(w, "LblCommenta")->text(), c.message) << c.age << " " << c.weight;
        EXPECT_EQ(control<QLabel>(w, "LblCommenta")->palette().color(QPalette::WindowText),
                  kReadableRed);
        for (QLabel* l : {control<QLabel>(w, "LblScore"), control<QLabel>(w, "LblScore2"),
                          control<QLabel>(w, "LblCommentb"), control<QLabel>(w, "LblCommentc"),
                          control<QLabel>(w, "LblCommentd")})
            EXPECT_TRUE(l->text().isEmpty()) << l->objectName().toStdString();
        EXPECT_EQ(control<QProgressBar>(w, "ProgressBar1")->value(), 0);
        EXPECT_EQ(w.pictureIndex(), 4);
        EXPECT_TRUE(fake.messages.shown.isEmpty()); // no box while typing
    }
}

TEST(OsirisWindow, LegendsPlaceOneAndMinusThreeInTheIntermediateClass) {
    FakePlatform fake;
    OsirisWindow w(fake.windows());
    QStringList legends;
    for (const QLabel* l : w.findChildren<QLabel*>())
        if (l->text().startsWith("Risque ")) legends << l->text();
    EXPECT_TRUE(legends.contains("Risque léger\nScore > 1")) << legends.join('|').toStdString();
    EXPECT_TRUE(legends.contains("Risque intermédiaire\n1 >= Score >= -3"));
    EXPECT_TRUE(legends.contains("Risque sérieux\nScore < -3"));
}

TEST(OsirisWindow, SlidersWriteTheirValueButTypingDoesNotMoveThem) {
    FakePlatform fake;
    OsirisWindow w(fake.windows());
    QTest::keyClick(control<QSlider>(w, "SliderAge"), Qt::Key_PageUp);
    EXPECT_EQ(control<QLineEdit>(w, "TxtAge")->text(), "55");
    EXPECT_EQ(control<QLabel>(w, "LblScore2")->text(), "1");
    QTest::keyClick(control<QSlider>(w, "SliderPds"), Qt::Key_Left);
    EXPECT_EQ(control<QLineEdit>(w, "TxtPds")->text(), "59");
    EXPECT_EQ(control<QLabel>(w, "LblScore2")->text(), "1"); // 11,8 - 11 = 0,8
    retype(control<QLineEdit>(w, "TxtAge"), "82");
    EXPECT_EQ(control<QSlider>(w, "SliderAge")->value(), 55);
    QTest::keyClick(control<QSlider>(w, "SliderPds"), Qt::Key_End);
    EXPECT_EQ(control<QLineEdit>(w, "TxtPds")->text(), "150");
}

TEST(OsirisWindow, DateOfBirthSetsTheAgeTheSliderShowsItWithinItsRangeAFutureOneIsRefused) {
    FakePlatform fake;
    fake.setToday("02/01/2010");
    OsirisWindow w(fake.windows());
    typeText(control<QLineEdit>(w, "TxtDateNaiss"), "15/06/1950");
    EXPECT_EQ(control<QLineEdit>(w, "TxtAge")->text(), "60");
    EXPECT_EQ(control<QSlider>(w, "SliderAge")->value(), 60);
    EXPECT_EQ(control<QLabel>(w, "LblScore2")->text(), "0");
    retype(control<QLineEdit>(w, "TxtDateNaiss"), "15/06/1915"); // 95: beyond the slider
    EXPECT_EQ(control<QLineEdit>(w, "TxtAge")->text(), "95");
    EXPECT_EQ(control<QSlider>(w, "SliderAge")->value(), 90);
    EXPECT_EQ(control<QLabel>(w, "LblScore2")->text(), "-7");
    retype(control<QLineEdit>(w, "TxtDateNaiss"),
           "01/01/2030"); // in the future: an age of -20, refused
    EXPECT_EQ(control<QLineEdit>(w, "TxtAge")->text(), "-20");
    EXPECT_EQ(control<QSlider>(w, "SliderAge")->value(), 40);
    EXPECT_EQ(control<QLabel>(w, "LblScore2")->text(), "");
    EXPECT_EQ(control<QLabel>(w, "LblCommenta")->text(),
              "L'âge doit être compris entre 15 et 125 ans.");
    retype(control<QLineEdit>(w, "TxtDateNaiss"), "32/01/1950"); // not a date: nothing changes
    EXPECT_EQ(control<QLineEdit>(w, "TxtAge")->text(), "-20");
}

TEST(OsirisWindow, APropoMenuShowsTheFiveMessages) {
    FakePlatform fake;
    OsirisWindow w(fake.windows());
    auto* about = control<QMenu>(w, "APropos");
    ASSERT_TRUE(about);
    QStringList captions;
    for (QAction* a : about->actions()) {
        if (a->isSeparator()) continue;
        captions << a->text();
        a->trigger();
    }
    EXPECT_EQ(captions, QStringList({"But de l'outil", "Algorythme de calcul",
                                     "Methode de validation", "Bibliographie", "Interprétation"}));
    ASSERT_EQ(fake.messages.shown.size(), 5);
    EXPECT_EQ(fake.messages.shown[1], "Score OSIRIS =\n[ 2 x (Poids /10) ] - [2 x (Age/10) ] + "
                                      "[ 2(siTHS) ] - [ 2(Si Fracture) ]");
    EXPECT_TRUE(fake.messages.shown[3].startsWith("BIBLIOGRAPHIE\n"));
    EXPECT_TRUE(about->actions().last()->isSeparator());
}

TEST(OsirisWindow, AFractureTickedSaysDensitometryIsIndicatedWhateverTheScore) {
    FakePlatform fake;
    OsirisWindow w(fake.windows());
    const auto* line = control<QLabel>(w, "LblFracture");
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->text().contains("indication d'ostéodensitométrie, quel que soit le score"))
        << line->text().toStdString();
    EXPECT_FALSE(line->isVisibleTo(&w));
    // 60 years, 75 kilos and a fracture score 1: the fracture alone calls for densitometry.
    retype(control<QLineEdit>(w, "TxtAge"), "60");
    retype(control<QLineEdit>(w, "TxtPds"), "75");
    control<QCheckBox>(w, "ChkFract")->setChecked(true);
    EXPECT_EQ(control<QLabel>(w, "LblScore2")->text(), "1");
    EXPECT_TRUE(line->isVisibleTo(&w));
    control<QCheckBox>(w, "ChkFract")->setChecked(false);
    EXPECT_FALSE(line->isVisibleTo(&w));
}

TEST(OsirisWindow, EachScaleNumberStandsUnderItsTick) {
    FakePlatform fake;
    OsirisWindow w(fake.windows());
    w.resize(900, w.sizeHint().height());
    w.show();
    QApplication::processEvents();
    // Where the thumb stands at a value: its tick, which the number must be under.
    const auto thumbCentre = [](QSlider* slider, int value) {
        QStyleOptionSlider option;
        option.initFrom(slider);
        option.orientation = slider->orientation();
        option.minimum = slider->minimum();
        option.maximum = slider->maximum();
        option.sliderPosition = value;
        option.sliderValue = value;
        option.tickPosition = slider->tickPosition();
        const QRect thumb = slider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                            QStyle::SC_SliderHandle, slider);
        return slider->mapToGlobal(thumb.center()).x();
    };
    for (QSlider* slider : {control<QSlider>(w, "SliderAge"), control<QSlider>(w, "SliderPds")}) {
        int numbers = 0;
        for (int v = slider->minimum(); v <= slider->maximum(); v += 10) {
            auto* mark =
                slider->parentWidget()->findChild<QLabel*>(QStringLiteral("Graduation%1").arg(v));
            ASSERT_NE(mark, nullptr) << v;
            const int centre = mark->mapToGlobal(mark->rect().center()).x();
            // The first and last numbers may lean inwards to stay whole.
            const bool end = v == slider->minimum() || v + 10 > slider->maximum();
            EXPECT_LE(std::abs(centre - thumbCentre(slider, v)), end ? mark->width() / 2 + 1 : 2)
                << slider->objectName().toStdString() << " " << v;
            ++numbers;
        }
        EXPECT_GE(numbers, 6);
    }
}

} // namespace
