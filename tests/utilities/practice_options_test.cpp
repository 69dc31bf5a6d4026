// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/practice_options.h"

#include <gtest/gtest.h>

using namespace tovimar;
using namespace std::string_literals;

namespace {

PracticeOptions sample() {
    PracticeOptions o;
    o.civility = "Docteur";
    o.lastName = "DUPONT";
    o.firstName = "Hélène";
    o.speciality = "Gynécologue-obstétricien";
    o.establishment = "Clinique de l'Espérance";
    o.address1 = "12, rue \"des Lilas\"";
    o.address2 = "";
    o.town = "Saint-Étienne, Cedex 2";
    o.department = "Loire";
    o.telephone = "04 77 00 00 00";
    return o;
}

} // namespace

TEST(PracticeOptions, FieldsAreWrittenInTheFileOrderAsOneWindows1252Line) {
    PracticeOptions o;
    o.civility = "1";
    o.lastName = "2";
    o.firstName = "3";
    o.speciality = "4";
    o.establishment = "5";
    o.address1 = "6";
    o.address2 = "7";
    o.town = "8";
    o.department = "9";
    o.telephone = "é";
    EXPECT_EQ(encodePracticeOptions(o),
              "\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\",\"8\",\"9\",\"\xe9\"\r\n");
    EXPECT_EQ(encodePracticeOptions(PracticeOptions{}),
              "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
}

TEST(PracticeOptions, RoundTripKeepsCommasQuotesApostrophesAndAccents) {
    const PracticeOptions o = sample();
    const std::string bytes = encodePracticeOptions(o);
    // The quote inside the address is doubled; the comma in the town stays inside its quotes.
    EXPECT_NE(bytes.find("\"12, rue \"\"des Lilas\"\"\""), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("\"Saint-\xc9tienne, Cedex 2\""), std::string::npos) << bytes;
    const PracticeOptionsReading back = readPracticeOptions(bytes);
    EXPECT_TRUE(back.complete);
    EXPECT_EQ(back.options, o);
}

TEST(PracticeOptions, ReadsTheShippedEmptyFile) {
    const PracticeOptionsReading r =
        readPracticeOptions("\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
    EXPECT_TRUE(r.complete);
    EXPECT_EQ(r.options, PracticeOptions{});
}

TEST(PracticeOptions, TheSecondOfTwoLinesIsInForce) {
    const PracticeOptionsReading r = readPracticeOptions(
        "\"Madame\",\"MARTIN\",\"Anne\",\"Sage-femme\",\"Maternit\xe9\",\"a\",\"b\",\"Lyon\","
        "\"Rh\xf4ne\",\"04\"\r\n"
        "\"Docteur\",\"DURAND\",\"Paul\",\"Gyn\xe9"
        "cologue\",\"CHU\",\"c\",\"d\",\"Nantes\",\"Loire-Atlantique\",\"02\"\r\n");
    EXPECT_TRUE(r.complete);
    EXPECT_EQ(r.options.civility, "Docteur");
    EXPECT_EQ(r.options.lastName, "DURAND");
    EXPECT_EQ(r.options.speciality, "Gynécologue");
    EXPECT_EQ(r.options.town, "Nantes");
    EXPECT_EQ(r.options.telephone, "02");
}

TEST(PracticeOptions, UnquotedValuesAreReadToTheNextCommaWithLeadingBlanksSkipped) {
    const PracticeOptionsReading r =
        readPracticeOptions("Docteur,  DUPONT ,Jean,,,,,Paris,  \"75\",0102\r\n");
    EXPECT_TRUE(r.complete);
    EXPECT_EQ(r.options.lastName, "DUPONT");
    EXPECT_EQ(r.options.town, "Paris");
    EXPECT_EQ(r.options.department, "75");
    EXPECT_EQ(r.options.telephone, "0102");
}

TEST(PracticeOptions, ABrokenFileIsNotCompleteAndKeepsTheFieldsReadBeforeTheFailure) {
    struct Case {
        const char* name;
        std::string bytes;
        PracticeOptions expected;
    };
    PracticeOptions firstThree;
    firstThree.civility = "Docteur";
    firstThree.lastName = "DUPONT";
    firstThree.firstName = "Jean";
    PracticeOptions firstNine = firstThree;
    firstNine.speciality = "Gyn";
    firstNine.establishment = "CHU";
    firstNine.address1 = "1 rue";
    firstNine.address2 = "BP 2";
    firstNine.town = "Lyon";
    firstNine.department = "Rhône";
    PracticeOptions firstTwo = firstThree;
    firstTwo.firstName.clear();
    const Case cases[] = {
        {"missing or empty", "", {}},
        {"three fields only", "\"Docteur\",\"DUPONT\",\"Jean\"\r\n", firstThree},
        {"nine fields",
         "\"Docteur\",\"DUPONT\",\"Jean\",\"Gyn\",\"CHU\",\"1 rue\",\"BP "
         "2\",\"Lyon\",\"Rh\xf4ne\"\r\n",
         firstNine},
        {"quote never closed", "\"Docteur\",\"DUPONT\",\"Jean, \"\"\r\n", firstTwo},
        {"binary", "\"Docteur\",\"DUPONT\",\x00\x01\x02\xff"s, {}},
    };
    for (const Case& c : cases) {
        const PracticeOptionsReading r = readPracticeOptions(c.bytes);
        EXPECT_FALSE(r.complete) << c.name;
        EXPECT_EQ(r.options, c.expected) << c.name;
    }
}

// The choice of conduct follows the ten texts on the same line; a file written
// before the choice existed (ten values a line) keeps the single threshold, and
// a file with the single threshold is written as it always was, so that an
// earlier copy of the program still reads it.
TEST(PracticeOptions, TheConductChoiceFollowsTheTextsAndOldFilesKeepTheSingleThreshold) {
    PracticeOptions o = sample();
    EXPECT_EQ(o.strategy, ScreeningStrategy::SingleThreshold); // the default
    const std::string ten = encodePracticeOptions(o);
    o.strategy = ScreeningStrategy::Thresholds2018;
    const std::string eleven = encodePracticeOptions(o);
    EXPECT_EQ(eleven, ten.substr(0, ten.size() - 2) + ",\"2018\"\r\n");
    const PracticeOptionsReading back = readPracticeOptions(eleven);
    EXPECT_TRUE(back.complete);
    EXPECT_EQ(back.options, o);

    struct Case {
        const char* name;
        std::string bytes;
        bool complete;
        ScreeningStrategy strategy;
        const char* lastName;
    };
    const std::string a = "\"1\",\"A\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"";
    const std::string b = "\"2\",\"B\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"";
    const Case cases[] = {
        {"an old file", a + "\r\n", true, ScreeningStrategy::SingleThreshold, "A"},
        {"old, two lines", a + "\r\n" + b + "\r\n", true, ScreeningStrategy::SingleThreshold, "B"},
        {"2018", a + ",\"2018\"\r\n", true, ScreeningStrategy::Thresholds2018, "A"},
        {"2018 unquoted, no line end", a + ",2018", true, ScreeningStrategy::Thresholds2018, "A"},
        {"single threshold written out", a + ",\"seuil\"\r\n", true,
         ScreeningStrategy::SingleThreshold, "A"},
        // Each line is a record: the last one is in force, with its own choice.
        {"2018 then old", a + ",\"2018\"\r\n" + b + "\r\n", true,
         ScreeningStrategy::SingleThreshold, "B"},
        {"old then 2018", a + "\r\n" + b + ",\"2018\"\r\n", true, ScreeningStrategy::Thresholds2018,
         "B"},
        {"two 2018 lines", a + ",\"2018\"\r\n" + b + ",\"2018\"\r\n", true,
         ScreeningStrategy::Thresholds2018, "B"},
        // A record spread over lines, as a hand-made file may have it: as before.
        {"one record over two lines", "\"1\",\"A\",\"\",\"\",\"\"\r\n\"\",\"\",\"\",\"\",\"\"\r\n",
         true, ScreeningStrategy::SingleThreshold, "A"},
        // A choice this program does not know: told, the letterhead kept.
        {"unknown choice", a + ",\"2030\"\r\n", false, ScreeningStrategy::SingleThreshold, "A"},
        {"empty choice", a + ",\"\"\r\n", false, ScreeningStrategy::SingleThreshold, "A"},
    };
    for (const Case& c : cases) {
        const PracticeOptionsReading r = readPracticeOptions(c.bytes);
        EXPECT_EQ(r.complete, c.complete) << c.name;
        EXPECT_EQ(r.options.strategy, c.strategy) << c.name;
        EXPECT_EQ(r.options.lastName, c.lastName) << c.name;
    }
}
