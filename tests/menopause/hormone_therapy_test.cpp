#include "menopause/hormone_therapy.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "support/sqlite_fixture.h"

namespace tovimar {
namespace {

using F = TherapyField;

TEST(HormoneTherapyCatalogue, ListsEveryKindOfTheShippedFileInAlphabeticalOrder) {
    QTemporaryDir dir;
    const HormoneTherapyCatalogue catalogue(testing::copyShippedDatabase("VESTRA.mdb", dir.path()));
    const std::pair<TherapyKind, int> counts[] = {{TherapyKind::CombinedWithPeriods, 7},
                                                  {TherapyKind::CombinedWithoutPeriods, 10},
                                                  {TherapyKind::Oestrogen, 11},
                                                  {TherapyKind::Progestogen, 6},
                                                  {TherapyKind::Other, 6}};
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
            EXPECT_EQ(therapyTexts(kind, *row).size(), expected) << name.toStdString();
        }
    }
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
             "(5, 'R', 'Raloxifène 60 mg', 'Lab R', '1 par jour')"}));
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
