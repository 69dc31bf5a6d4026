// SPDX-License-Identifier: GPL-3.0-or-later
// The trisomy 21 window used as in a first-trimester consultation: its fields,
// risks and colours, the signs, a new patient, its menus and the conduct.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "dating/term_settings_window.h"
#include "support/controls.h"
#include "support/fake_platform.h"
#include "t21/t21_about_window.h"
#include "t21/t21_consultation.h"
#include "t21/t21_risk_window.h"
#include "ui/controls.h"
#include "ui/window_registry.h"
#include "utilities/practice_options_window.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

TEST(T21RiskWindow, OpensEmptyWithItsPictures) {
    Consultation c;
    T21RiskWindow& w = c.w;
    EXPECT_EQ(w.objectName(), "Form12");
    EXPECT_EQ(w.windowTitle(), "Risque de trisomie 21");
    EXPECT_EQ(control<QLineEdit>(w, "TxtDatEcho")->text(), "15/03/2010");
    for (QLineEdit* f : {control<QLineEdit>(w, "TxtDateNaiss"), control<QLineEdit>(w, "TxtAgeMat"),
                         control<QLineEdit>(w, "TxtLCC"), control<QLineEdit>(w, "TxtNC"),
                         control<QLineEdit>(w, "TxtRiskSero")})
        EXPECT_EQ(f->text(), "") << f->objectName().toStdString();
    for (QGroupBox* f : {control<QGroupBox>(w, "Frame5"), control<QGroupBox>(w, "Frame6"),
                         control<QGroupBox>(w, "Frame7"), control<QGroupBox>(w, "Frame8"),
                         control<QGroupBox>(w, "Frame9"), control<QGroupBox>(w, "Frame10"),
                         control<QGroupBox>(w, "Frame11"), control<QGroupBox>(w, "Frame12"),
                         control<QGroupBox>(w, "Frame13"), control<QGroupBox>(w, "Frame15")})
        EXPECT_FALSE(c.shown(f)) << f->objectName().toStdString();
    for (QLabel* img :
         {control<QLabel>(w, "ImgAge"), control<QLabel>(w, "ImgCN"), control<QLabel>(w, "ImgSero"),
          control<QLabel>(w, "ImgInt"), control<QLabel>(w, "ImgEchoMorph")}) {
        EXPECT_TRUE(c.shown(img)) << img->objectName().toStdString();
        EXPECT_FALSE(img->pixmap().isNull()) << img->objectName().toStdString();
    }
    EXPECT_FALSE(c.shown(control<QLabel>(w, "LblCoef")));
    EXPECT_FALSE(c.shown(control<QLabel>(w, "LblSignes")));
    EXPECT_FALSE(c.shown(control<QLabel>(w, "LblRGlobal")));
    ASSERT_EQ(control<QListWidget>(w, "List1")->count(), 8);
    EXPECT_EQ(control<QListWidget>(w, "List1")->item(0)->text(), "OPN présents au 1er trimestre");
    EXPECT_EQ(control<QListWidget>(w, "List1")->item(7)->text(), "Pyelectasie");
    EXPECT_EQ(control<QPushButton>(w, "CmdCalcule")->text(), "&Calcule");
    EXPECT_EQ(control<QPushButton>(w, "CmdEfface")->text(), "&Nouvelle Patiente");
    EXPECT_EQ(control<QPushButton>(w, "Command1")->text(), "&Quitter");
    EXPECT_EQ(control<QGroupBox>(w, "Frame1")->title(), "Risque lié à l'AGE");
    EXPECT_EQ(control<QGroupBox>(w, "Frame3")->title(), "RISQUE SEROLOGIQUE (HT21)");
    EXPECT_EQ(control<QGroupBox>(w, "Frame14")->title(),
              "Risque Intégré après Echographie Morphologique (Avant 20 SA)");
}

TEST(T21RiskWindow, ScrollBarsAndTypingWriteTheFields) {
    Consultation c;
    T21RiskWindow& w = c.w;
    // Each bar dragged by the user.
    control<QScrollBar>(w, "ScrCN")->setSliderPosition(23);
    EXPECT_EQ(control<QLineEdit>(w, "TxtNC")->text(), "2,3");
    control<QScrollBar>(w, "ScrCN")->setSliderPosition(0);
    EXPECT_EQ(control<QLineEdit>(w, "TxtNC")->text(), "0");
    control<QScrollBar>(w, "ScrAgeMat")->setSliderPosition(60);
    EXPECT_EQ(control<QLineEdit>(w, "TxtAgeMat")->text(), "60");
    control<QScrollBar>(w, "ScrRSero")->setSliderPosition(250);
    EXPECT_EQ(control<QLineEdit>(w, "TxtRiskSero")->text(), "250");
    control<QScrollBar>(w, "ScrLCC")->setSliderPosition(45);
    EXPECT_EQ(control<QLineEdit>(w, "TxtLCC")->text(), "45");
    EXPECT_EQ(control<QLabel>(w, "LblAgeGesta")->text(), "11,1 S.A.");

    c.type(control<QLineEdit>(w, "TxtNC"), "2.3");
    EXPECT_EQ(control<QLineEdit>(w, "TxtNC")->text(), "2,3");
    c.type(control<QLineEdit>(w, "TxtAgeMat"), "35.5");
    EXPECT_EQ(control<QLineEdit>(w, "TxtAgeMat")->text(), "35,5");
    c.type(control<QLineEdit>(w, "TxtLCC"), "120");
    EXPECT_EQ(control<QLabel>(w, "LblAgeGesta")->text(), "");
}

TEST(T21RiskWindow, AgeFromTheBirthDate) {
    Consultation c;
    T21RiskWindow& w = c.w;
    c.type(control<QLineEdit>(w, "TxtDatEcho"), "10/03/2010");
    c.type(control<QLineEdit>(w, "TxtDateNaiss"), "15/06/1975");
    EXPECT_EQ(control<QLineEdit>(w, "TxtAgeMat")->text(), "35");
    c.type(control<QLineEdit>(w, "TxtDateNaiss"), "31/12/1980");
    c.type(control<QLineEdit>(w, "TxtDatEcho"), "02/01/2010");
    EXPECT_EQ(control<QLineEdit>(w, "TxtAgeMat")->text(),
              "30"); // unchanged by the examination date alone
    control<QLineEdit>(w, "TxtDatEcho")->setText("bientôt");
    c.type(control<QLineEdit>(w, "TxtDateNaiss"), "01/01/1970");
    EXPECT_EQ(control<QLineEdit>(w, "TxtAgeMat")->text(), "30");
    // The same year: an age of 0, which the calculation refuses as no age.
    c.type(control<QLineEdit>(w, "TxtDatEcho"), "10/03/2010");
    c.type(control<QLineEdit>(w, "TxtDateNaiss"), "01/01/2010");
    EXPECT_EQ(control<QLineEdit>(w, "TxtAgeMat")->text(), "0");
    c.calculate();
    EXPECT_EQ(c.fake.messages.shown, QStringList{"Il faut renseigner sur l'âge maternel."});
}

TEST(T21RiskWindow, EverySourceOfRisk) {
    Consultation c;
    T21RiskWindow& w = c.w;
    c.fill("35", "60", "1,5", "1000");
    EXPECT_EQ(control<QLabel>(w, "LblAgeGesta")->text(), "12,2 S.A.");
    c.calculate();
    EXPECT_TRUE(c.fake.messages.shown.isEmpty());
    EXPECT_EQ(control<QLabel>(w, "LblAgeT")->text(), "1/347");
    EXPECT_EQ(control<QLabel>(w, "LblAge")->text(), "1/245");
    EXPECT_EQ(control<QGroupBox>(w, "Frame12")->title(), "Risque à 12,2 SA");
    EXPECT_EQ(control<QLabel>(w, "LblRCNT")->text(), "1/1723");
    EXPECT_EQ(control<QLabel>(w, "LblRCN")->text(), "1/1219");
    EXPECT_EQ(control<QGroupBox>(w, "Frame8")->title(), "Risque à 12,2 SA");
    EXPECT_EQ(control<QLabel>(w, "LblMedCn")->text(), "1,6 mm");
    EXPECT_EQ(control<QLabel>(w, "LblMultMed")->text(), "0,961");
    EXPECT_EQ(control<QLabel>(w, "LblRisqRelatif")->text(), "1,419");
    EXPECT_EQ(control<QLabel>(w, "LblRapVrai")->text(), "0,201");
    EXPECT_EQ(control<QLabel>(w, "LblRiskSero")->text(), "1/1000");
    EXPECT_EQ(control<QLabel>(w, "LblRiskSeroT")->text(), "1/1270");
    EXPECT_EQ(control<QLabel>(w, "LblRiskInt")->text(), "1/4970");
    EXPECT_EQ(control<QLabel>(w, "LblRiskIntT")->text(), "1/6312");
    EXPECT_EQ(control<QLabel>(w, "LblRiskEcho")->text(), "1/6312");
    EXPECT_EQ(control<QLabel>(w, "LblRGlobal")->text(), "6312");
    for (QGroupBox* f : {control<QGroupBox>(w, "Frame5"), control<QGroupBox>(w, "Frame6"),
                         control<QGroupBox>(w, "Frame7"), control<QGroupBox>(w, "Frame8"),
                         control<QGroupBox>(w, "Frame9"), control<QGroupBox>(w, "Frame10"),
                         control<QGroupBox>(w, "Frame11"), control<QGroupBox>(w, "Frame12"),
                         control<QGroupBox>(w, "Frame13")})
        EXPECT_TRUE(c.shown(f)) << f->objectName().toStdString();
    for (QLabel* img : {control<QLabel>(w, "ImgAge"), control<QLabel>(w, "ImgCN"),
                        control<QLabel>(w, "ImgSero"), control<QLabel>(w, "ImgInt")})
        EXPECT_FALSE(c.shown(img)) << img->objectName().toStdString();
    EXPECT_FALSE(c.shown(control<QGroupBox>(w, "Frame15"))); // no sign ticked
    for (QLabel* l : {control<QLabel>(w, "LblAgeT"), control<QLabel>(w, "LblRCNT"),
                      control<QLabel>(w, "LblRiskSero"), control<QLabel>(w, "LblRiskIntT"),
                      control<QLabel>(w, "LblRiskEcho")})
        EXPECT_FALSE(c.red(l)) << l->objectName().toStdString();
    EXPECT_EQ(control<QLabel>(w, "LblAgeT")
                  ->palette()
                  .color(control<QLabel>(w, "LblAgeT")->foregroundRole()),
              QColor(0, 0, 0x40));
    EXPECT_EQ(control<QLabel>(w, "LblAgeT")
                  ->palette()
                  .color(control<QLabel>(w, "LblAgeT")->backgroundRole()),
              QColor(0xE0, 0xE0, 0xE0));
}

TEST(T21RiskWindow, HighRisksAreRedOnTheUnroundedN) {
    Consultation c;
    T21RiskWindow& w = c.w;
    c.fill("40", "", "", "199,6");
    c.calculate();
    EXPECT_EQ(control<QLabel>(w, "LblAgeT")->text(), "1/97");
    EXPECT_TRUE(c.red(control<QLabel>(w, "LblAgeT")));
    EXPECT_EQ(control<QLabel>(w, "LblAgeT")
                  ->palette()
                  .color(control<QLabel>(w, "LblAgeT")->foregroundRole()),
              QColor(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(control<QLabel>(w, "LblRiskSero")->text(), "1/200");
    EXPECT_TRUE(c.red(control<QLabel>(w, "LblRiskSero")));
    EXPECT_FALSE(c.red(control<QLabel>(w, "LblRiskSeroT"))); // 253.5
    // The same text 1/200, from an N above 200: back to grey.
    c.type(control<QLineEdit>(w, "TxtRiskSero"), "200,4");
    c.calculate();
    EXPECT_EQ(control<QLabel>(w, "LblRiskSero")->text(), "1/200");
    EXPECT_FALSE(c.red(control<QLabel>(w, "LblRiskSero")));
}

TEST(T21RiskWindow, FailuresAreToldAndTheRestIsComputed) {
    Consultation c;
    T21RiskWindow& w = c.w;
    c.fill("35", "44", "1,5", "");
    c.calculate();
    ASSERT_EQ(c.fake.messages.shown.size(), 1);
    EXPECT_TRUE(c.fake.messages.shown[0].startsWith(
        "Vous devez respecter la technique de calcul mise au point par NICOLAIDES et ses "
        "collaborateurs. Pour le calcul"));
    EXPECT_EQ(control<QLabel>(w, "LblAgeT")->text(), "1/347");
    EXPECT_FALSE(c.shown(control<QGroupBox>(w, "Frame13")));
    EXPECT_TRUE(c.shown(control<QLabel>(w, "ImgCN")));

    c.fake.messages.shown.clear();
    c.fill("50,5", "60", "1,5", "1000");
    c.calculate();
    EXPECT_EQ(c.fake.messages.shown, QStringList{"L'âge maternel doit être inférieur à 50 ans."});

    // Pasted text in every field: messages, never a garbage risk.
    c.fake.messages.shown.clear();
    c.type(control<QLineEdit>(w, "TxtAgeMat"), "35");
    control<QLineEdit>(w, "TxtLCC")->setText("soixante");
    control<QLineEdit>(w, "TxtNC")->setText("1,5 mm");
    control<QLineEdit>(w, "TxtRiskSero")->setText("1/1000");
    c.calculate();
    EXPECT_EQ(c.fake.messages.shown,
              QStringList{"Il faut une mesure correcte de la CLARTE NUCALE pour obtenir le risque "
                          "lié à la clarté nucale et le risque intégré."});
    EXPECT_EQ(control<QLabel>(w, "LblRiskEcho")->text(), "1/347");
    EXPECT_EQ(control<QLabel>(w, "LblRCNT")->text(), "");
    EXPECT_EQ(control<QLabel>(w, "LblRiskIntT")->text(), "");
}

TEST(T21RiskWindow, SignsChangeTheAfterScanRisk) {
    Consultation c;
    T21RiskWindow& w = c.w;
    c.fill("35", "", "", "");
    c.calculate();
    // The list's current row is another sign: the factor is the ticked one's.
    control<QListWidget>(w, "List1")->setCurrentRow(0);
    c.tick(2, true);
    EXPECT_EQ(control<QLabel>(w, "LblCoef")->text(), "Coefficient de risque = 1,5");
    EXPECT_TRUE(c.shown(control<QLabel>(w, "LblCoef")));
    EXPECT_TRUE(c.shown(control<QGroupBox>(w, "Frame15")));
    EXPECT_EQ(control<QLabel>(w, "LblRiskEcho")->text(), "1/231");
    c.tick(2, false);
    EXPECT_FALSE(c.shown(control<QLabel>(w, "LblCoef")));
    EXPECT_FALSE(c.shown(control<QGroupBox>(w, "Frame15")));
    EXPECT_EQ(control<QLabel>(w, "LblRiskEcho")->text(), "1/347");

    // The space bar on the current sign ticks it.
    control<QListWidget>(w, "List1")->setFocus();
    control<QListWidget>(w, "List1")->setCurrentRow(6);
    QTest::keyClick(control<QListWidget>(w, "List1"), Qt::Key_Space);
    EXPECT_EQ(control<QListWidget>(w, "List1")->item(6)->checkState(), Qt::Checked);
    EXPECT_EQ(control<QLabel>(w, "LblCoef")->text(), "Coefficient de risque = 146");
    EXPECT_EQ(control<QLabel>(w, "LblRiskEcho")->text(), "1/2");
    EXPECT_TRUE(c.red(control<QLabel>(w, "LblRiskEcho")));

    // Selecting a sign explains it in place of the picture.
    const QRect second =
        control<QListWidget>(w, "List1")->visualItemRect(control<QListWidget>(w, "List1")->item(4));
    QTest::mouseClick(control<QListWidget>(w, "List1")->viewport(), Qt::LeftButton, {},
                      second.center());
    EXPECT_TRUE(c.shown(control<QLabel>(w, "LblSignes")));
    EXPECT_FALSE(c.shown(control<QLabel>(w, "ImgEchoMorph")));
    EXPECT_EQ(control<QLabel>(w, "LblSignes")->text(),
              "Foyer hyperéchogènique intra-cardiaque à T2, multiplie le risque par 1,8\n"
              " Nyberg JUM, 20:1053-1063' 2001");
}

TEST(T21RiskWindow, NewPatientClearsEverything) {
    Consultation c;
    T21RiskWindow& w = c.w;
    c.fill("35", "60", "1,5", "1000");
    control<QCheckBox>(w, "Check1")->setChecked(true);
    c.type(control<QLineEdit>(w, "TxtDateNaiss"), "15/06/1975");
    c.calculate();
    c.tick(0, true);
    c.tick(3, true);
    control<QListWidget>(w, "List1")->setCurrentRow(3);
    QTest::mouseClick(control<QPushButton>(w, "CmdEfface"), Qt::LeftButton);

    for (int i = 0; i < control<QListWidget>(w, "List1")->count(); ++i)
        EXPECT_EQ(control<QListWidget>(w, "List1")->item(i)->checkState(), Qt::Unchecked);
    for (QLineEdit* f : {control<QLineEdit>(w, "TxtDateNaiss"), control<QLineEdit>(w, "TxtAgeMat"),
                         control<QLineEdit>(w, "TxtLCC"), control<QLineEdit>(w, "TxtNC"),
                         control<QLineEdit>(w, "TxtRiskSero")})
        EXPECT_EQ(f->text(), "") << f->objectName().toStdString();
    EXPECT_FALSE(control<QCheckBox>(w, "Check1")->isChecked());
    for (QGroupBox* f : {control<QGroupBox>(w, "Frame5"), control<QGroupBox>(w, "Frame6"),
                         control<QGroupBox>(w, "Frame7"), control<QGroupBox>(w, "Frame8"),
                         control<QGroupBox>(w, "Frame9"), control<QGroupBox>(w, "Frame10"),
                         control<QGroupBox>(w, "Frame11"), control<QGroupBox>(w, "Frame12"),
                         control<QGroupBox>(w, "Frame13"), control<QGroupBox>(w, "Frame15")})
        EXPECT_FALSE(c.shown(f)) << f->objectName().toStdString();
    for (QLabel* l : {control<QLabel>(w, "LblAgeT"), control<QLabel>(w, "LblAge"),
                      control<QLabel>(w, "LblRCNT"), control<QLabel>(w, "LblRiskEcho"),
                      control<QLabel>(w, "LblRGlobal"), control<QLabel>(w, "LblAgeGesta")})
        EXPECT_EQ(l->text(), "") << l->objectName().toStdString();
    EXPECT_FALSE(c.shown(control<QLabel>(w, "LblSignes")));
    EXPECT_TRUE(c.shown(control<QLabel>(w, "ImgEchoMorph")));
    EXPECT_EQ(control<QGroupBox>(w, "Frame12")->title(), "");
    EXPECT_EQ(w.screen().state.markerCoefficient, 1);

    // No gestational age in use any more.
    c.type(control<QLineEdit>(w, "TxtAgeMat"), "35");
    c.calculate();
    EXPECT_EQ(control<QLabel>(w, "LblAge")->text(), "");
    EXPECT_EQ(control<QLabel>(w, "LblRiskEcho")->text(), "1/347");
}

TEST(T21RiskWindow, MenusOpenTheirWindows) {
    Consultation c;
    T21RiskWindow& w = c.w;
    ASSERT_TRUE(control<QMenuBar>(w, "MenuBar"));
    QStringList titles;
    for (QAction* a : control<QMenuBar>(w, "MenuBar")->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&Imprimer", "&Options", "&Copier les résultats", "&Aide",
                                   "A &propos"}));

    control<QAction>(w, "MnuAide")->trigger();
    EXPECT_EQ(c.fake.help.topics, std::vector<int>{70});

    control<QAction>(w, "MnuAPropos")->trigger();
    auto* about = c.fake.windows().existing<T21AboutWindow>();
    ASSERT_TRUE(about);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), "A propos du calcul de risque");
    EXPECT_TRUE(control<QPlainTextEdit>(*about, "Text1")->isReadOnly());
    EXPECT_TRUE(control<QPlainTextEdit>(*about, "Text1")->toPlainText().contains("Cuckle"));
    EXPECT_TRUE(control<QPlainTextEdit>(*about, "Text1")->toPlainText().contains("10. "));
    EXPECT_EQ(control<QPushButton>(*about, "Command1")->text(), "Fermer");

    control<QAction>(w, "MnuEntete")->trigger();
    auto* options = c.fake.windows().existing<PracticeOptionsWindow>();
    ASSERT_TRUE(options);
    EXPECT_TRUE(options->isVisible());

    control<QAction>(w, "MnuSeuil")->trigger();
    auto* editor = c.fake.windows().existing<TermSettingsWindow>();
    ASSERT_TRUE(editor);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(w.isVisible()); // nothing blocks the risk window
}

TEST(T21RiskWindow, SaysTheSignsRatiosAreThoseOf2001) {
    Consultation c;
    const auto* line = control<QLabel>(c.w, "LblHistorique");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(), "Rapports de 2001, nettement revus à la baisse depuis (voir l'aide)");
    EXPECT_TRUE(line->isVisibleTo(&c.w));
}

QColor background(QLabel* label) {
    return label->palette().color(label->backgroundRole());
}

// The laboratory's combined risk, typed as it is, is the risk the conduct
// judges; its band is shown in words and colour beside it, by the strategy of
// the practice options; an edit empties it until the next "Calcule".
TEST(T21RiskWindow, TheConductJudgesTheLaboratorysCombinedRiskByTheStrategyInForce) {
    Consultation c;
    T21RiskWindow& w = c.w;
    EXPECT_EQ(control<QLineEdit>(w, "TxtRiskComb")->text(), "");
    EXPECT_EQ(control<QLabel>(w, "LblConduite")->text(), "");

    // The single threshold (no options file): the overall risk against 1/250.
    c.fill("35", "", "", "");
    c.calculate();
    EXPECT_EQ(control<QLabel>(w, "LblRisqueRetenu")->text(), "Risque retenu : 1/347");
    EXPECT_EQ(control<QLabel>(w, "LblConduite")->text(),
              "Risque inférieur à 1/250 : risque faible");

    c.chooseConduct(ScreeningStrategy::Thresholds2018);
    struct Case {
        const char* typed;
        const char* sentence;
        QColor background;
    };
    const Case cases[] = {
        {"50",
         "Risque de 1/50 ou plus : caryotype fœtal proposé d'emblée, DPNI possible si la "
         "patiente le préfère",
         kReadableRed},
        {"51", "Risque entre 1/51 et 1/1000 : DPNI proposé (ADN fœtal libre circulant)",
         QColor(0xFF, 0xE0, 0xA0)},
        {"1000", "Risque entre 1/51 et 1/1000 : DPNI proposé (ADN fœtal libre circulant)",
         QColor(0xFF, 0xE0, 0xA0)},
        {"1001", "Risque inférieur à 1/1000 : pas d'examen complémentaire",
         QColor(0xD8, 0xF0, 0xD8)},
    };
    for (const Case& k : cases) {
        c.type(control<QLineEdit>(w, "TxtRiskComb"), k.typed);
        EXPECT_EQ(control<QLabel>(w, "LblConduite")->text(), "")
            << k.typed; // typed: nothing judged yet
        c.calculate();
        EXPECT_EQ(control<QLabel>(w, "LblRisqueRetenu")->text(),
                  QStringLiteral("Risque combiné du laboratoire : 1/") + k.typed);
        EXPECT_EQ(control<QLabel>(w, "LblConduite")->text(), QString::fromUtf8(k.sentence))
            << k.typed;
        EXPECT_EQ(background(control<QLabel>(w, "LblConduite")), k.background) << k.typed;
        EXPECT_GE(contrastRatio(control<QLabel>(w, "LblConduite")
                                    ->palette()
                                    .color(control<QLabel>(w, "LblConduite")->foregroundRole()),
                                background(control<QLabel>(w, "LblConduite"))),
                  4.5)
            << k.typed;
    }
    // The program's own figures stay as they are.
    EXPECT_EQ(control<QLabel>(w, "LblAgeT")->text(), "1/347");

    // A nuchal translucency of 3.5 mm: a karyotype whatever the risk.
    c.type(control<QLineEdit>(w, "TxtLCC"), "60");
    c.type(control<QLineEdit>(w, "TxtNC"), "3,5");
    c.calculate();
    EXPECT_EQ(control<QLabel>(w, "LblConduite")->text(),
              "Clarté nucale de 3,5 mm ou plus : caryotype fœtal proposé quel que soit le risque");

    // A laboratory's risk no patient has: told, and not judged.
    c.type(control<QLineEdit>(w, "TxtNC"), "");
    c.type(control<QLineEdit>(w, "TxtLCC"), "");
    c.type(control<QLineEdit>(w, "TxtRiskComb"), "0,5");
    c.fake.messages.shown.clear();
    c.calculate();
    ASSERT_EQ(c.fake.messages.shown.size(), 1);
    EXPECT_TRUE(c.fake.messages.shown[0].startsWith("Le risque combiné du laboratoire s'écrit"));
    EXPECT_EQ(control<QLabel>(w, "LblConduite")->text(),
              ""); // age alone: no risk at testing for 2018

    // "Nouvelle Patiente" empties the field.
    control<QPushButton>(w, "CmdEfface")->click();
    EXPECT_EQ(control<QLineEdit>(w, "TxtRiskComb")->text(), "");
    EXPECT_EQ(control<QLabel>(w, "LblConduite")->text(), "");
}

} // namespace
