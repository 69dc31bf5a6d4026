// SPDX-License-Identifier: GPL-3.0-or-later
#include "menopause/hormone_therapy_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "support/controls.h"
#include "support/fake_platform.h"
#include "support/sqlite_fixture.h"

namespace tovimar {
namespace {

using testing::control;
using testing::FakePlatform;

const QString kConnectionFault = "Mauvaise connection avec la base de données VESTRA.MDB";

QStringList items(const QComboBox* list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->itemText(i);
    return names;
}

// Clicks an option on its round mark, once the window has laid out what the
// last click showed.
void click(QRadioButton* option) {
    QApplication::processEvents();
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

// Chooses an entry of a list from the keyboard, as a user does.
void choose(QComboBox* list, const QString& name) {
    list->setFocus();
    const int index = list->findText(name);
    ASSERT_GE(index, 0) << name.toStdString();
    list->setCurrentIndex(index);
    emit list->activated(index);
}

class TherapyWindowTest : public ::testing::Test {
  protected:
    void open() {
        w = new HormoneTherapyWindow(fake.windows());
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->show();
    }
    void TearDown() override { delete w; }
    QStringList details() const {
        QStringList texts;
        for (QLabel* l : {control<QLabel>(*w, "LblOE"), control<QLabel>(*w, "LblDosage"),
                          control<QLabel>(*w, "LblVoie"), control<QLabel>(*w, "LblLabo_Oe"),
                          control<QLabel>(*w, "LblPoso_E"), control<QLabel>(*w, "LblPg"),
                          control<QLabel>(*w, "LblDosage_P"), control<QLabel>(*w, "LblLabo_Pg"),
                          control<QLabel>(*w, "LblPoso_Pg"), control<QLabel>(*w, "LblAutre"),
                          control<QLabel>(*w, "LblLabo_Autre"), control<QLabel>(*w, "LblPoso"),
                          control<QLabel>(*w, "LblNote_Oe"), control<QLabel>(*w, "LblNote_Pg")})
            texts << l->text();
        return texts;
    }

    FakePlatform fake;
    HormoneTherapyWindow* w = nullptr;
};

TEST_F(TherapyWindowTest, OpensWithTheListsOfMarketedSpecialitiesAndOnlyTheFamiliesShown) {
    testing::copyShippedDatabase("VESTRA.mdb", fake.folder());
    open();
    EXPECT_EQ(w->objectName(), "Form60");
    EXPECT_EQ(w->windowTitle(), "THS");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    // The specialities no longer marketed are left out (4 with periods, 2 without, 1 other).
    EXPECT_EQ(control<QComboBox>(*w, "CmbSpe_OEPg_R")->count(), 3);
    EXPECT_EQ(control<QComboBox>(*w, "CmbSpe_OEPg_SR")->count(), 8);
    EXPECT_EQ(control<QComboBox>(*w, "CmbSpe_OEPg_R")->findText("CLIMENE"), -1);
    EXPECT_EQ(control<QComboBox>(*w, "CmbSpe_OE_R")->count(), 11);
    EXPECT_EQ(items(control<QComboBox>(*w, "CmbSpe_OE_R")),
              items(control<QComboBox>(*w, "CmbSpe_OE_SR")));
    EXPECT_EQ(items(control<QComboBox>(*w, "CmbSpe_Pg_R")),
              items(control<QComboBox>(*w, "CmbSpe_Pg_SR")));
    EXPECT_EQ(control<QComboBox>(*w, "CmbSpe_Pg_R")->count(), 6);
    EXPECT_EQ(control<QComboBox>(*w, "CmbTTT_Autres")->count(), 5);
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             control<QGroupBox>(*w, "Frame13"), control<QGroupBox>(*w, "Frame14"),
             control<QGroupBox>(*w, "Frame15"), control<QGroupBox>(*w, "Frame16"),
             control<QGroupBox>(*w, "Frame17"), control<QComboBox>(*w, "CmbTTT_Autres")})
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    for (QRadioButton* option :
         {control<QRadioButton>(*w, "OptTT_Regles"), control<QRadioButton>(*w, "OptTT_SsRegles"),
          control<QRadioButton>(*w, "OptTTT_Autres")}) {
        EXPECT_TRUE(option->isVisible());
        EXPECT_FALSE(option->isChecked());
    }
    EXPECT_TRUE(control<QLabel>(*w, "LblPoso")->isVisible());
    control<QAction>(*w, "Aide")->trigger();
    EXPECT_EQ(fake.help.topics, std::vector<int>{125});
}

TEST_F(TherapyWindowTest, AFamilyShowsItsPanelsAndAFormItsLists) {
    testing::copyShippedDatabase("VESTRA.mdb", fake.folder());
    open();
    click(control<QRadioButton>(*w, "OptTT_Regles"));
    EXPECT_TRUE(control<QGroupBox>(*w, "Frame13")->isVisible());
    EXPECT_FALSE(control<QGroupBox>(*w, "Frame14")->isVisible());
    EXPECT_TRUE(control<QGroupBox>(*w, "Frame15")->isVisible());
    EXPECT_TRUE(control<QGroupBox>(*w, "Frame16")->isVisible());
    EXPECT_FALSE(control<QGroupBox>(*w, "Frame17")->isVisible());
    EXPECT_EQ(control<QGroupBox>(*w, "Frame16")->title(), "Progesterone");

    click(control<QRadioButton>(*w, "OptSpe_Comb_R"));
    EXPECT_TRUE(control<QRadioButton>(*w, "OptSpe_Comb_R")->isChecked());
    EXPECT_TRUE(control<QComboBox>(*w, "CmbSpe_OEPg_R")->isVisible());
    EXPECT_FALSE(control<QComboBox>(*w, "CmbSpe_OE_R")->isVisible());
    click(control<QRadioButton>(*w, "OptSpe_OEPg_R"));
    EXPECT_FALSE(control<QComboBox>(*w, "CmbSpe_OEPg_R")->isVisible());
    EXPECT_TRUE(control<QComboBox>(*w, "CmbSpe_OE_R")->isVisible());
    EXPECT_TRUE(control<QComboBox>(*w, "CmbSpe_Pg_R")->isVisible());

    click(control<QRadioButton>(*w, "OptTT_SsRegles"));
    EXPECT_FALSE(control<QGroupBox>(*w, "Frame13")->isVisible());
    EXPECT_TRUE(control<QGroupBox>(*w, "Frame14")->isVisible());

    click(control<QRadioButton>(*w, "OptTTT_Autres"));
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             control<QGroupBox>(*w, "Frame13"), control<QGroupBox>(*w, "Frame14"),
             control<QGroupBox>(*w, "Frame15"), control<QGroupBox>(*w, "Frame16")})
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    EXPECT_TRUE(control<QGroupBox>(*w, "Frame17")->isVisible());
    EXPECT_TRUE(control<QComboBox>(*w, "CmbTTT_Autres")->isVisible());
}

TEST_F(TherapyWindowTest, ACombinedSpecialityShowsItsWholeComposition) {
    testing::copyShippedDatabase("VESTRA.mdb", fake.folder());
    open();
    click(control<QRadioButton>(*w, "OptTT_SsRegles"));
    click(control<QRadioButton>(*w, "OptSpe_Comb_SR"));
    choose(control<QComboBox>(*w, "CmbSpe_OEPg_SR"), "DUOVA 1 mg/2,5 mg");
    EXPECT_EQ(control<QGroupBox>(*w, "Frame15")->title(), "DUOVA 1 mg/2,5 mg");
    EXPECT_EQ(control<QGroupBox>(*w, "Frame16")->title(), "DUOVA 1 mg/2,5 mg");
    EXPECT_EQ(control<QGroupBox>(*w, "Frame16")->accessibleName(),
              "Progesterone : DUOVA 1 mg/2,5 mg");
    EXPECT_EQ(control<QLabel>(*w, "LblOE")->text(), "Valérate d'estradiol");
    EXPECT_EQ(control<QLabel>(*w, "LblDosage")->text(), "1 mg");
    EXPECT_EQ(control<QLabel>(*w, "LblVoie")->text(), "Orale");
    EXPECT_EQ(control<QLabel>(*w, "LblLabo_Oe")->text(), "Orion Corporation");
    EXPECT_EQ(control<QLabel>(*w, "LblPg")->text(), "Acétate de médroxyprogestérone");
    EXPECT_EQ(control<QLabel>(*w, "LblDosage_P")->text(), "2,5 mg");
    EXPECT_EQ(control<QLabel>(*w, "LblLabo_Pg")->text(), "Orion Corporation");
    EXPECT_TRUE(control<QLabel>(*w, "LblPoso")->text().startsWith("Combiné continu"));

    // Another family empties what was shown.
    click(control<QRadioButton>(*w, "OptTT_Regles"));
    EXPECT_EQ(details(), QStringList(14));
    EXPECT_EQ(control<QGroupBox>(*w, "Frame15")->title(), "Oestrogène");
    EXPECT_EQ(control<QComboBox>(*w, "CmbSpe_OEPg_SR")->currentIndex(), -1);
}

TEST_F(TherapyWindowTest, AnOestrogenAndAProgestogenShowSideBySideUntilTheFamilyChanges) {
    testing::copyShippedDatabase("VESTRA.mdb", fake.folder());
    open();
    click(control<QRadioButton>(*w, "OptTT_Regles"));
    click(control<QRadioButton>(*w, "OptSpe_OEPg_R"));
    choose(control<QComboBox>(*w, "CmbSpe_OE_R"), "DERMESTRIL");
    choose(control<QComboBox>(*w, "CmbSpe_Pg_R"),
           control<QComboBox>(*w, "CmbSpe_Pg_R")->itemText(0));
    EXPECT_EQ(control<QGroupBox>(*w, "Frame15")->title(), "DERMESTRIL");
    EXPECT_EQ(control<QLabel>(*w, "LblVoie")->text(), "Transdermique");
    EXPECT_FALSE(control<QLabel>(*w, "LblPoso_E")->text().isEmpty());
    EXPECT_EQ(control<QGroupBox>(*w, "Frame16")->title(),
              control<QComboBox>(*w, "CmbSpe_Pg_R")->itemText(0));
    EXPECT_FALSE(control<QLabel>(*w, "LblPg")->text().isEmpty());
    EXPECT_FALSE(control<QLabel>(*w, "LblPoso_Pg")->text().isEmpty());
    EXPECT_EQ(control<QLabel>(*w, "LblOE")->text(), "Estradiol") << "the oestrogen stays";

    click(control<QRadioButton>(*w, "OptTT_SsRegles"));
    EXPECT_EQ(details(), QStringList(14));
    EXPECT_EQ(control<QGroupBox>(*w, "Frame16")->title(), "Progesterone");
}

TEST_F(TherapyWindowTest, AnOtherTreatmentShowsItsMoleculeLaboratoryAndPosology) {
    testing::copyShippedDatabase("VESTRA.mdb", fake.folder());
    open();
    click(control<QRadioButton>(*w, "OptTTT_Autres"));
    choose(control<QComboBox>(*w, "CmbTTT_Autres"), "EVISTA 60 mg");
    EXPECT_FALSE(control<QLabel>(*w, "LblAutre")->text().isEmpty());
    EXPECT_EQ(control<QLabel>(*w, "LblLabo_Autre")->text(), "Daiichi Sankyo Europe GmbH");
    EXPECT_FALSE(control<QLabel>(*w, "LblPoso")->text().isEmpty());
    EXPECT_TRUE(control<QLabel>(*w, "LblOE")->text().isEmpty());
}

TEST_F(TherapyWindowTest, TheNoteOfASpecialityShowsInEachOfItsPanels) {
    testing::copyShippedDatabase("VESTRA.mdb", fake.folder());
    open();
    click(control<QRadioButton>(*w, "OptTT_Regles"));
    click(control<QRadioButton>(*w, "OptSpe_OEPg_R"));
    choose(control<QComboBox>(*w, "CmbSpe_OE_R"), "VIVELLEDOT");
    EXPECT_EQ(control<QLabel>(*w, "LblNote_Oe")->text(),
              "VIVELLEDOT 100 µg/24 h : retiré du marché le 10/09/2021 (Doctissimo).");
    EXPECT_TRUE(control<QLabel>(*w, "LblNote_Oe")->isVisible());
    choose(control<QComboBox>(*w, "CmbSpe_Pg_R"), "LUTENYL 3,75 mg");
    EXPECT_TRUE(control<QLabel>(*w, "LblNote_Pg")->text().startsWith("Risque de méningiome"));
    EXPECT_TRUE(control<QLabel>(*w, "LblNote_Pg")->isVisible());
    // A speciality without a note empties its panel's note only.
    choose(control<QComboBox>(*w, "CmbSpe_Pg_R"), "UTROGESTAN");
    EXPECT_EQ(control<QLabel>(*w, "LblNote_Pg")->text(), "");
    EXPECT_FALSE(control<QLabel>(*w, "LblNote_Oe")->text().isEmpty());

    click(control<QRadioButton>(*w, "OptTT_SsRegles"));
    click(control<QRadioButton>(*w, "OptSpe_Comb_SR"));
    choose(control<QComboBox>(*w, "CmbSpe_OEPg_SR"), "CLIMASTON 0,5 mg/2,5 mg");
    EXPECT_EQ(control<QLabel>(*w, "LblNote_Oe")->text(),
              "Non remboursé (Top Santé : taux 0 %, prix libre).");
    EXPECT_EQ(control<QLabel>(*w, "LblNote_Pg")->text(), control<QLabel>(*w, "LblNote_Oe")->text());
    choose(control<QComboBox>(*w, "CmbSpe_OEPg_SR"), "ACTIVELLE");
    EXPECT_EQ(control<QLabel>(*w, "LblNote_Oe")->text(), "");
    EXPECT_EQ(control<QLabel>(*w, "LblNote_Pg")->text(), "");
}

TEST_F(TherapyWindowTest, AFamilyChosenAgainLeavesNothingOfTheOneBeforeEvenHidden) {
    testing::copyShippedDatabase("VESTRA.mdb", fake.folder());
    open();
    click(control<QRadioButton>(*w, "OptTTT_Autres"));
    choose(control<QComboBox>(*w, "CmbTTT_Autres"), "EVISTA 60 mg");
    click(control<QRadioButton>(*w, "OptTT_Regles"));
    click(control<QRadioButton>(*w, "OptSpe_Comb_R"));
    choose(control<QComboBox>(*w, "CmbSpe_OEPg_R"), "DIVINA");
    EXPECT_FALSE(control<QLabel>(*w, "LblOE")->text().isEmpty());
    click(control<QRadioButton>(*w, "OptTTT_Autres"));
    // As a fresh window choosing "Autre": no speciality chosen, every detail empty.
    EXPECT_EQ(details(), QStringList(14));
    EXPECT_EQ(control<QComboBox>(*w, "CmbTTT_Autres")->currentIndex(), -1);
    EXPECT_EQ(control<QGroupBox>(*w, "Frame15")->title(), "Oestrogène");
}

TEST_F(TherapyWindowTest, OwnFileSortsNamesAndStopsAtAnEmptyValue) {
    ASSERT_TRUE(testing::runSql(
        fake.folder() + "/VESTRA.mdb",
        {"CREATE TABLE SPECIALITES (NUMSPE INTEGER, NOMSPE TEXT, ESTRO TEXT, DOSAGE TEXT, "
         "VOIE TEXT, LABO TEXT, PROGES TEXT, DOSAGE_P TEXT, POSO TEXT, POSO_E TEXT, "
         "POSO_PG TEXT, AUTRES TEXT)",
         "INSERT INTO SPECIALITES (NUMSPE, NOMSPE, ESTRO, DOSAGE, VOIE, LABO, POSO_E) VALUES "
         "(3, 'B', 'Estradiol', '1 mg', 'Orale', 'Lab B', 'p'), "
         "(3, 'A', 'Estradiol', NULL, 'Cutanée', 'Lab A', 'q'), "
         "(3, 'L''ŒSTRO', 'Estradiol', '2 mg', 'Orale', 'Lab O', 'r')"}));
    open();
    EXPECT_EQ(items(control<QComboBox>(*w, "CmbSpe_OE_R")), (QStringList{"A", "B", "L'ŒSTRO"}));
    EXPECT_EQ(items(control<QComboBox>(*w, "CmbSpe_OE_SR")), (QStringList{"A", "B", "L'ŒSTRO"}));
    click(control<QRadioButton>(*w, "OptTT_Regles"));
    click(control<QRadioButton>(*w, "OptSpe_OEPg_R"));
    choose(control<QComboBox>(*w, "CmbSpe_OE_R"), "A");
    EXPECT_EQ(control<QGroupBox>(*w, "Frame15")->title(), "A");
    EXPECT_EQ(control<QLabel>(*w, "LblOE")->text(), "Estradiol");
    EXPECT_EQ(control<QLabel>(*w, "LblLabo_Oe")->text(), "Lab A");
    EXPECT_TRUE(control<QLabel>(*w, "LblDosage")->text().isEmpty());
    EXPECT_TRUE(control<QLabel>(*w, "LblVoie")->text().isEmpty());
    EXPECT_TRUE(control<QLabel>(*w, "LblPoso_E")->text().isEmpty());
    choose(control<QComboBox>(*w, "CmbSpe_OE_R"), "L'ŒSTRO");
    EXPECT_EQ(control<QLabel>(*w, "LblPoso_E")->text(), "r");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(TherapyWindowTest, WithoutTheFileTheConnectionMessageShowsOnceAndTheListsStayEmpty) {
    open();
    EXPECT_EQ(fake.messages.shown, QStringList{kConnectionFault});
    for (QComboBox* list :
         {control<QComboBox>(*w, "CmbSpe_OEPg_R"), control<QComboBox>(*w, "CmbSpe_OEPg_SR"),
          control<QComboBox>(*w, "CmbSpe_OE_R"), control<QComboBox>(*w, "CmbSpe_OE_SR"),
          control<QComboBox>(*w, "CmbSpe_Pg_R"), control<QComboBox>(*w, "CmbSpe_Pg_SR"),
          control<QComboBox>(*w, "CmbTTT_Autres")})
        EXPECT_EQ(list->count(), 0);
    EXPECT_FALSE(QFile::exists(fake.folder() + "/VESTRA.mdb"));
}

} // namespace
} // namespace tovimar
