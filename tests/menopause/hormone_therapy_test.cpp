// SPDX-License-Identifier: GPL-3.0-or-later
#include "menopause/hormone_therapy.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "support/sqlite_fixture.h"

namespace tovimar {
namespace {

using F = TherapyField;

TEST(HormoneTherapyCatalogue, ListsTheMarketedSpecialitiesOfTheShippedFileInAlphabeticalOrder) {
    QTemporaryDir dir;
    const HormoneTherapyCatalogue catalogue(testing::copyShippedDatabase("VESTRA.mdb", dir.path()));
    // 40 rows, of which 7 are no longer marketed: 4 with periods, 2 without, 1 other.
    const std::pair<TherapyKind, int> counts[] = {{TherapyKind::CombinedWithPeriods, 3},
                                                  {TherapyKind::CombinedWithoutPeriods, 8},
                                                  {TherapyKind::Oestrogen, 11},
                                                  {TherapyKind::Progestogen, 6},
                                                  {TherapyKind::Other, 5}};
    for (const auto& [kind, count] : counts) {
        const auto names = catalogue.names(kind);
        ASSERT_TRUE(names.has_value());
        EXPECT_EQ(names->size(), count);
        QStringList sorted = *names;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(*names, sorted);
    }
    EXPECT_EQ(catalogue.names(TherapyKind::CombinedWithPeriods)->first(), "CLIMASTON 1 mg/10 mg");

    // Every speciality shows every value its kind reads.
    for (const auto& [kind, count] : counts) {
        const QStringList names = catalogue.names(kind).value_or(QStringList{});
        for (const QString& name : names) {
            const auto row = catalogue.speciality(kind, name);
            ASSERT_TRUE(row.has_value()) << name.toStdString();
            const std::size_t expected = kind == TherapyKind::Oestrogen     ? 6
                                         : kind == TherapyKind::Progestogen ? 5
                                         : kind == TherapyKind::Other       ? 3
                                                                            : 10;
            std::size_t values = 0;
            for (const TherapyText& t : therapyTexts(kind, *row))
                if (t.field != F::OestrogenNote && t.field != F::ProgestogenNote) ++values;
            EXPECT_EQ(values, expected) << name.toStdString();
        }
    }
}

TEST(HormoneTherapyCatalogue, TheShippedFileOffersNoWithdrawnSpecialityAndShowsEachNote) {
    QTemporaryDir dir;
    const HormoneTherapyCatalogue catalogue(testing::copyShippedDatabase("VESTRA.mdb", dir.path()));
    const QStringList withPeriods = catalogue.names(TherapyKind::CombinedWithPeriods).value();
    const QStringList withoutPeriods = catalogue.names(TherapyKind::CombinedWithoutPeriods).value();
    for (const char* withdrawn : {"CLIMENE", "NAEMIS", "NOVOFEMME", "TRISEQUENS"})
        EXPECT_FALSE(withPeriods.contains(withdrawn)) << withdrawn;
    for (const char* withdrawn : {"ANGELIQ 1 mg/2 mg", "CLIMODIENE 2 mg/2 mg"})
        EXPECT_FALSE(withoutPeriods.contains(withdrawn)) << withdrawn;
    EXPECT_FALSE(catalogue.names(TherapyKind::Other)->contains("DUAVIVE 0,45 mg/20 mg"));
    // A range with one strength withdrawn stays offered, with its note.
    const QStringList oestrogens = catalogue.names(TherapyKind::Oestrogen).value();
    for (const char* range : {"VIVELLEDOT", "OESCLIM", "THAISSEPT"})
        EXPECT_TRUE(oestrogens.contains(range)) << range;
    const auto vivelle = catalogue.speciality(TherapyKind::Oestrogen, "VIVELLEDOT");
    ASSERT_TRUE(vivelle);
    EXPECT_EQ(
        therapyTexts(TherapyKind::Oestrogen, *vivelle).back(),
        (TherapyText{F::OestrogenNote,
                     "VIVELLEDOT 100 µg/24 h : retiré du marché le 10/09/2021 (Doctissimo)."}));
    // The meningioma warning of a progestogen shows in its panel.
    const auto lutenyl = catalogue.speciality(TherapyKind::Progestogen, "LUTENYL 3,75 mg");
    ASSERT_TRUE(lutenyl);
    const auto lutenylTexts = therapyTexts(TherapyKind::Progestogen, *lutenyl);
    EXPECT_EQ(lutenylTexts.back().field, F::ProgestogenNote);
    EXPECT_TRUE(lutenylTexts.back().text.startsWith("Risque de méningiome"));
    // Every note of kinds 1 to 4 that is not a withdrawal is shown, in each panel of the kind.
    for (TherapyKind kind : {TherapyKind::CombinedWithPeriods, TherapyKind::CombinedWithoutPeriods,
                             TherapyKind::Oestrogen, TherapyKind::Progestogen}) {
        const QStringList names = catalogue.names(kind).value_or(QStringList{});
        ASSERT_FALSE(names.isEmpty());
        for (const QString& name : names) {
            const auto row = catalogue.speciality(kind, name);
            ASSERT_TRUE(row);
            const QString note = row->value("AUTRES").toString();
            EXPECT_FALSE(noLongerMarketed(note)) << name.toStdString();
            int notes = 0;
            for (const TherapyText& t : therapyTexts(kind, *row))
                if (t.field == F::OestrogenNote || t.field == F::ProgestogenNote) {
                    EXPECT_EQ(t.text, note) << name.toStdString();
                    ++notes;
                }
            const int panels =
                kind == TherapyKind::Oestrogen || kind == TherapyKind::Progestogen ? 1 : 2;
            EXPECT_EQ(notes, note.isEmpty() ? 0 : panels) << name.toStdString();
        }
    }
}

TEST(HormoneTherapyCatalogue, WhatANoteSaysOfTheMarketing) {
    const struct {
        const char* note;
        bool withdrawn;
    } cases[] = {
        {"N'est plus commercialisé : retiré du marché le 20/03/2024 (Doctissimo).", true},
        {"N’est plus commercialisé depuis le 07/10/2022 (Santé Magazine).", true},
        {"  n'est PLUS commercialise (date non trouvée).", true},
        {"Retiré du marché le 01/01/2020.", true},
        {"Estrogènes conjugués 0,45 mg + bazédoxifène 20 mg (présentation supprimée le "
         "30/11/2017 selon Santé Magazine)",
         true},
        {"VIVELLEDOT 100 µg/24 h : retiré du marché le 10/09/2021 (Doctissimo).", false},
        {"Laboratoire d'après la BIAM (fiche de 2001), non confirmé depuis. THAISSEPT 75 µg/24 h "
         "retiré du marché le 18/11/2015 (Doctissimo).",
         false},
        {"Risque de méningiome : dose et durée les plus faibles possibles.", false},
        {"Non remboursé (Top Santé : taux 0 %, prix libre).", false},
        {"Raloxifène (chlorhydrate) 60 mg", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(noLongerMarketed(QString::fromUtf8(c.note)), c.withdrawn) << c.note;
}

// A small file of our own shows the order, the lookups and the empty values.
class SmallCatalogue : public ::testing::Test {
  protected:
    void SetUp() override {
        path = dir.filePath("VESTRA.mdb");
        ASSERT_TRUE(testing::runSql(
            path,
            {"CREATE TABLE SPECIALITES (NUMSPE INTEGER, NOMSPE TEXT, ESTRO TEXT, DOSAGE TEXT, "
             "VOIE TEXT, LABO TEXT, PROGES TEXT, DOSAGE_P TEXT, POSO TEXT, POSO_E TEXT, "
             "POSO_PG TEXT, AUTRES TEXT)",
             "INSERT INTO SPECIALITES (NUMSPE, NOMSPE, ESTRO, DOSAGE, VOIE, LABO, POSO_E) VALUES "
             "(3, 'B', 'Estradiol', '1 mg', 'Orale', 'Lab B', '1 par jour'), "
             "(3, 'A', 'Estradiol', NULL, 'Cutanée', 'Lab A', '1 dose par jour'), "
             "(3, 'Écran', 'Estradiol', '2 mg', 'Orale', 'Lab E', 'x'), "
             "(3, 'L''ŒSTRO', 'Estradiol', '2 mg', 'Orale', 'Lab O', 'y')",
             "INSERT INTO SPECIALITES (NUMSPE, NOMSPE, PROGES, DOSAGE_P, LABO, POSO_PG) VALUES "
             "(4, 'P', 'Progestérone', '100 mg', 'Lab P', '12 jours par mois')",
             "INSERT INTO SPECIALITES (NUMSPE, NOMSPE, ESTRO, LABO, DOSAGE, VOIE, PROGES, "
             "DOSAGE_P, POSO) VALUES (1, 'C', 'E2', 'Lab C', '2 mg', 'Orale', 'Pg', '10 mg', "
             "'Cyclique')",
             "INSERT INTO SPECIALITES (NUMSPE, NOMSPE, AUTRES, LABO, POSO) VALUES "
             "(5, 'R', 'Raloxifène 60 mg', 'Lab R', '1 par jour'), "
             "(5, 'S', 'Bazédoxifène (présentation supprimée en 2017)', 'Lab S', '1 par jour')",
             // Notes: a withdrawal, a warning, and a warning on a row stopped by an empty value.
             "INSERT INTO SPECIALITES (NUMSPE, NOMSPE, ESTRO, DOSAGE, VOIE, LABO, PROGES, "
             "DOSAGE_P, POSO, AUTRES) VALUES "
             "(1, 'D', 'E2', '1 mg', 'Orale', 'Lab D', 'Pg', '5 mg', 'Cyclique', "
             "'N''est plus commercialisé depuis 2020.'), "
             "(1, 'E', 'E2', '1 mg', 'Orale', 'Lab E', 'Pg', '5 mg', 'Cyclique', "
             "'À prendre le soir.')",
             "INSERT INTO SPECIALITES (NUMSPE, NOMSPE, PROGES, DOSAGE_P, LABO, POSO_PG, AUTRES) "
             "VALUES (4, 'M', 'Chlormadinone', NULL, 'Lab M', 'x', 'Risque de méningiome.')"}));
    }
    QTemporaryDir dir;
    QString path;
};

TEST_F(SmallCatalogue, NamesSortAsAFrenchReaderExpects) {
    const HormoneTherapyCatalogue catalogue(path);
    EXPECT_EQ(catalogue.names(TherapyKind::Oestrogen), (QStringList{"A", "B", "Écran", "L'ŒSTRO"}));
    EXPECT_EQ(catalogue.names(TherapyKind::CombinedWithoutPeriods), QStringList{});
}

TEST_F(SmallCatalogue, EachKindShowsItsColumnsInOrderAndStopsAtAnEmptyValue) {
    const HormoneTherapyCatalogue catalogue(path);
    EXPECT_EQ(
        therapyTexts(TherapyKind::Oestrogen, *catalogue.speciality(TherapyKind::Oestrogen, "B")),
        (std::vector<TherapyText>{{F::OestrogenTitle, "B"},
                                  {F::Oestrogen, "Estradiol"},
                                  {F::OestrogenLab, "Lab B"},
                                  {F::Dosage, "1 mg"},
                                  {F::Route, "Orale"},
                                  {F::OestrogenPosology, "1 par jour"}}));
    // No dosage: the name, molecule and laboratory show; route and posology stay empty.
    EXPECT_EQ(
        therapyTexts(TherapyKind::Oestrogen, *catalogue.speciality(TherapyKind::Oestrogen, "A")),
        (std::vector<TherapyText>{
            {F::OestrogenTitle, "A"}, {F::Oestrogen, "Estradiol"}, {F::OestrogenLab, "Lab A"}}));
    EXPECT_EQ(therapyTexts(TherapyKind::Progestogen,
                           *catalogue.speciality(TherapyKind::Progestogen, "P")),
              (std::vector<TherapyText>{{F::ProgestogenTitle, "P"},
                                        {F::Progestogen, "Progestérone"},
                                        {F::ProgestogenDosage, "100 mg"},
                                        {F::ProgestogenLab, "Lab P"},
                                        {F::ProgestogenPosology, "12 jours par mois"}}));
    EXPECT_EQ(therapyTexts(TherapyKind::CombinedWithPeriods,
                           *catalogue.speciality(TherapyKind::CombinedWithPeriods, "C")),
              (std::vector<TherapyText>{{F::OestrogenTitle, "C"},
                                        {F::Oestrogen, "E2"},
                                        {F::OestrogenLab, "Lab C"},
                                        {F::Dosage, "2 mg"},
                                        {F::Route, "Orale"},
                                        {F::ProgestogenTitle, "C"},
                                        {F::Progestogen, "Pg"},
                                        {F::ProgestogenDosage, "10 mg"},
                                        {F::ProgestogenLab, "Lab C"},
                                        {F::Posology, "Cyclique"}}));
    EXPECT_EQ(therapyTexts(TherapyKind::Other, *catalogue.speciality(TherapyKind::Other, "R")),
              (std::vector<TherapyText>{{F::OtherMolecule, "Raloxifène 60 mg"},
                                        {F::OtherLab, "Lab R"},
                                        {F::Posology, "1 par jour"}}));
}

TEST_F(SmallCatalogue, WithdrawnSpecialitiesAreNotListedAndNotesShowInEachPanel) {
    const HormoneTherapyCatalogue catalogue(path);
    EXPECT_EQ(catalogue.names(TherapyKind::CombinedWithPeriods), (QStringList{"C", "E"}));
    EXPECT_EQ(catalogue.names(TherapyKind::Other), QStringList{"R"});
    EXPECT_EQ(catalogue.names(TherapyKind::Progestogen), (QStringList{"M", "P"}));
    // A combined speciality's note shows in both panels, after everything else.
    const auto e = therapyTexts(TherapyKind::CombinedWithPeriods,
                                *catalogue.speciality(TherapyKind::CombinedWithPeriods, "E"));
    ASSERT_EQ(e.size(), 12u);
    EXPECT_EQ(e[10], (TherapyText{F::OestrogenNote, "À prendre le soir."}));
    EXPECT_EQ(e[11], (TherapyText{F::ProgestogenNote, "À prendre le soir."}));
    // A warning shows even when an empty value stops the rest.
    EXPECT_EQ(therapyTexts(TherapyKind::Progestogen,
                           *catalogue.speciality(TherapyKind::Progestogen, "M")),
              (std::vector<TherapyText>{{F::ProgestogenTitle, "M"},
                                        {F::Progestogen, "Chlormadinone"},
                                        {F::ProgestogenNote, "Risque de méningiome."}}));
}

TEST_F(SmallCatalogue, ANameIsLookedUpWithinItsKindAsTyped) {
    const HormoneTherapyCatalogue catalogue(path);
    EXPECT_TRUE(catalogue.speciality(TherapyKind::Oestrogen, "L'ŒSTRO").has_value());
    EXPECT_FALSE(catalogue.speciality(TherapyKind::Progestogen, "B").has_value()) << "other kind";
    EXPECT_FALSE(catalogue.speciality(TherapyKind::Oestrogen, "b").has_value());
    EXPECT_FALSE(catalogue.speciality(TherapyKind::Oestrogen, "' OR 1=1 --").has_value());
}

TEST(HormoneTherapyCatalogueFaults, AMissingOrForeignFileReadsAsNothing) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("VESTRA.mdb");
    const HormoneTherapyCatalogue absent(missing);
    EXPECT_FALSE(absent.names(TherapyKind::Oestrogen).has_value());
    EXPECT_FALSE(absent.speciality(TherapyKind::Oestrogen, "A").has_value());
    EXPECT_FALSE(QFileInfo::exists(missing));

    const QString other = dir.filePath("other.mdb");
    ASSERT_TRUE(testing::runSql(other, {"CREATE TABLE SPECIALITES (NUM INTEGER, NOM TEXT)"}));
    const HormoneTherapyCatalogue wrongColumns(other);
    EXPECT_FALSE(wrongColumns.names(TherapyKind::Oestrogen).has_value());
}

} // namespace
} // namespace tovimar
