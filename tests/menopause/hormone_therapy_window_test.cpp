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

#include "support/fake_platform.h"
#include "support/sqlite_fixture.h"

namespace tovimar {
namespace {

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
        for (QLabel* l : {w->LblOE, w->LblDosage, w->LblVoie, w->LblLabo_Oe, w->LblPoso_E, w->LblPg,
                          w->LblDosage_P, w->LblLabo_Pg, w->LblPoso_Pg, w->LblAutre,
                          w->LblLabo_Autre, w->LblPoso, w->LblNote_Oe, w->LblNote_Pg})
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
    EXPECT_EQ(w->CmbSpe_OEPg_R->count(), 3);
    EXPECT_EQ(w->CmbSpe_OEPg_SR->count(), 8);
    EXPECT_EQ(w->CmbSpe_OEPg_R->findText("CLIMENE"), -1);
    EXPECT_EQ(w->CmbSpe_OE_R->count(), 11);
    EXPECT_EQ(items(w->CmbSpe_OE_R), items(w->CmbSpe_OE_SR));
    EXPECT_EQ(items(w->CmbSpe_Pg_R), items(w->CmbSpe_Pg_SR));
    EXPECT_EQ(w->CmbSpe_Pg_R->count(), 6);
    EXPECT_EQ(w->CmbTTT_Autres->count(), 5);
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             w->Frame13, w->Frame14, w->Frame15, w->Frame16, w->Frame17, w->CmbTTT_Autres})
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    for (QRadioButton* option : {w->OptTT_Regles, w->OptTT_SsRegles, w->OptTTT_Autres}) {
        EXPECT_TRUE(option->isVisible());
        EXPECT_FALSE(option->isChecked());
    }
    EXPECT_TRUE(w->LblPoso->isVisible());
    w->Aide->trigger();
    EXPECT_EQ(fake.help.topics, std::vector<int>{125});
}

TEST_F(TherapyWindowTest, AFamilyShowsItsPanelsAndAFormItsLists) {
    testing::copyShippedDatabase("VESTRA.mdb", fake.folder());
    open();
    click(w->OptTT_Regles);
    EXPECT_TRUE(w->Frame13->isVisible());
    EXPECT_FALSE(w->Frame14->isVisible());
    EXPECT_TRUE(w->Frame15->isVisible());
    EXPECT_TRUE(w->Frame16->isVisible());
    EXPECT_FALSE(w->Frame17->isVisible());
    EXPECT_EQ(w->Frame16->title(), "Progesterone");

    click(w->OptSpe_Comb_R);
    EXPECT_TRUE(w->OptSpe_Comb_R->isChecked());
    EXPECT_TRUE(w->CmbSpe_OEPg_R->isVisible());
    EXPECT_FALSE(w->CmbSpe_OE_R->isVisible());
    click(w->OptSpe_OEPg_R);
    EXPECT_FALSE(w->CmbSpe_OEPg_R->isVisible());
    EXPECT_TRUE(w->CmbSpe_OE_R->isVisible());
    EXPECT_TRUE(w->CmbSpe_Pg_R->isVisible());

    click(w->OptTT_SsRegles);
    EXPECT_FALSE(w->Frame13->isVisible());
    EXPECT_TRUE(w->Frame14->isVisible());

    click(w->OptTTT_Autres);
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{w->Frame13, w->Frame14, w->Frame15, w->Frame16})
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    EXPECT_TRUE(w->Frame17->isVisible());
    EXPECT_TRUE(w->CmbTTT_Autres->isVisible());
}

TEST_F(TherapyWindowTest, ACombinedSpecialityShowsItsWholeComposition) {
    testing::copyShippedDatabase("VESTRA.mdb", fake.folder());
    open();
    click(w->OptTT_SsRegles);
    click(w->OptSpe_Comb_SR);
    choose(w->CmbSpe_OEPg_SR, "DUOVA 1 mg/2,5 mg");
    EXPECT_EQ(w->Frame15->title(), "DUOVA 1 mg/2,5 mg");
    EXPECT_EQ(w->Frame16->title(), "DUOVA 1 mg/2,5 mg");
    EXPECT_EQ(w->Frame16->accessibleName(), "Progesterone : DUOVA 1 mg/2,5 mg");
    EXPECT_EQ(w->LblOE->text(), "Valérate d'estradiol");
    EXPECT_EQ(w->LblDosage->text(), "1 mg");
    EXPECT_EQ(w->LblVoie->text(), "Orale");
    EXPECT_EQ(w->LblLabo_Oe->text(), "Orion Corporation");
    EXPECT_EQ(w->LblPg->text(), "Acétate de médroxyprogestérone");
    EXPECT_EQ(w->LblDosage_P->text(), "2,5 mg");
    EXPECT_EQ(w->LblLabo_Pg->text(), "Orion Corporation");
    EXPECT_TRUE(w->LblPoso->text().startsWith("Combiné continu"));

    // Another family empties what was shown.
    click(w->OptTT_Regles);
    EXPECT_EQ(details(), QStringList(14));
    EXPECT_EQ(w->Frame15->title(), "Oestrogène");
    EXPECT_EQ(w->CmbSpe_OEPg_SR->currentIndex(), -1);
}

TEST_F(TherapyWindowTest, AnOestrogenAndAProgestogenShowSideBySideUntilTheFamilyChanges) {
    testing::copyShippedDatabase("VESTRA.mdb", fake.folder());
    open();
    click(w->OptTT_Regles);
    click(w->OptSpe_OEPg_R);
    choose(w->CmbSpe_OE_R, "DERMESTRIL");
    choose(w->CmbSpe_Pg_R, w->CmbSpe_Pg_R->itemText(0));
    EXPECT_EQ(w->Frame15->title(), "DERMESTRIL");
    EXPECT_EQ(w->LblVoie->text(), "Transdermique");
    EXPECT_FALSE(w->LblPoso_E->text().isEmpty());
    EXPECT_EQ(w->Frame16->title(), w->CmbSpe_Pg_R->itemText(0));
    EXPECT_FALSE(w->LblPg->text().isEmpty());
    EXPECT_FALSE(w->LblPoso_Pg->text().isEmpty());
    EXPECT_EQ(w->LblOE->text(), "Estradiol") << "the oestrogen stays";

    click(w->OptTT_SsRegles);
    EXPECT_EQ(details(), QStringList(14));
    EXPECT_EQ(w->Frame16->title(), "Progesterone");
}

TEST_F(TherapyWindowTest, AnOtherTreatmentShowsItsMoleculeLaboratoryAndPosology) {
    testing::copyShippedDatabase("VESTRA.mdb", fake.folder());
    open();
    click(w->OptTTT_Autres);
    choose(w->CmbTTT_Autres, "EVISTA 60 mg");
    EXPECT_FALSE(w->LblAutre->text().isEmpty());
    EXPECT_EQ(w->LblLabo_Autre->text(), "Daiichi Sankyo Europe GmbH");
    EXPECT_FALSE(w->LblPoso->text().isEmpty());
    EXPECT_TRUE(w->LblOE->text().isEmpty());
}

TEST_F(TherapyWindowTest, TheNoteOfASpecialityShowsInEachOfItsPanels) {
    testing::copyShippedDatabase("VESTRA.mdb", fake.folder());
    open();
    click(w->OptTT_Regles);
    click(w->OptSpe_OEPg_R);
    choose(w->CmbSpe_OE_R, "VIVELLEDOT");
    EXPECT_EQ(w->LblNote_Oe->text(),
              "VIVELLEDOT 100 µg/24 h : retiré du marché le 10/09/2021 (Doctissimo).");
    EXPECT_TRUE(w->LblNote_Oe->isVisible());
    choose(w->CmbSpe_Pg_R, "LUTENYL 3,75 mg");
    EXPECT_TRUE(w->LblNote_Pg->text().startsWith("Risque de méningiome"));
    EXPECT_TRUE(w->LblNote_Pg->isVisible());
    // A speciality without a note empties its panel's note only.
    choose(w->CmbSpe_Pg_R, "UTROGESTAN");
    EXPECT_EQ(w->LblNote_Pg->text(), "");
    EXPECT_FALSE(w->LblNote_Oe->text().isEmpty());

    click(w->OptTT_SsRegles);
    click(w->OptSpe_Comb_SR);
    choose(w->CmbSpe_OEPg_SR, "CLIMASTON 0,5 mg/2,5 mg");
    EXPECT_EQ(w->LblNote_Oe->text(), "Non remboursé (Top Santé : taux 0 %, prix libre).");
    EXPECT_EQ(w->LblNote_Pg->text(), w->LblNote_Oe->text());
    choose(w->CmbSpe_OEPg_SR, "ACTIVELLE");
    EXPECT_EQ(w->LblNote_Oe->text(), "");
    EXPECT_EQ(w->LblNote_Pg->text(), "");
}

TEST_F(TherapyWindowTest, AFamilyChosenAgainLeavesNothingOfTheOneBeforeEvenHidden) {
    testing::copyShippedDatabase("VESTRA.mdb", fake.folder());
    open();
    click(w->OptTTT_Autres);
    choose(w->CmbTTT_Autres, "EVISTA 60 mg");
    click(w->OptTT_Regles);
    click(w->OptSpe_Comb_R);
    choose(w->CmbSpe_OEPg_R, "DIVINA");
    EXPECT_FALSE(w->LblOE->text().isEmpty());
    click(w->OptTTT_Autres);
    // As a fresh window choosing "Autre": no speciality chosen, every detail empty.
    EXPECT_EQ(details(), QStringList(14));
    EXPECT_EQ(w->CmbTTT_Autres->currentIndex(), -1);
    EXPECT_EQ(w->Frame15->title(), "Oestrogène");
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
    EXPECT_EQ(items(w->CmbSpe_OE_R), (QStringList{"A", "B", "L'ŒSTRO"}));
    EXPECT_EQ(items(w->CmbSpe_OE_SR), (QStringList{"A", "B", "L'ŒSTRO"}));
    click(w->OptTT_Regles);
    click(w->OptSpe_OEPg_R);
    choose(w->CmbSpe_OE_R, "A");
    EXPECT_EQ(w->Frame15->title(), "A");
    EXPECT_EQ(w->LblOE->text(), "Estradiol");
    EXPECT_EQ(w->LblLabo_Oe->text(), "Lab A");
    EXPECT_TRUE(w->LblDosage->text().isEmpty());
    EXPECT_TRUE(w->LblVoie->text().isEmpty());
    EXPECT_TRUE(w->LblPoso_E->text().isEmpty());
    choose(w->CmbSpe_OE_R, "L'ŒSTRO");
    EXPECT_EQ(w->LblPoso_E->text(), "r");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(TherapyWindowTest, WithoutTheFileTheConnectionMessageShowsOnceAndTheListsStayEmpty) {
    open();
    EXPECT_EQ(fake.messages.shown, QStringList{kConnectionFault});
    for (QComboBox* list : {w->CmbSpe_OEPg_R, w->CmbSpe_OEPg_SR, w->CmbSpe_OE_R, w->CmbSpe_OE_SR,
                            w->CmbSpe_Pg_R, w->CmbSpe_Pg_SR, w->CmbTTT_Autres})
        EXPECT_EQ(list->count(), 0);
    EXPECT_FALSE(QFile::exists(fake.folder() + "/VESTRA.mdb"));
}

} // namespace
} // namespace tovimar
