// SPDX-License-Identifier: GPL-3.0-or-later
#include "dating/ultrasound_dating.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace tovimar;
using Kind = UltrasoundOutcome::Kind;

namespace {

VbDate d(const char* text) {
    auto date = readFrenchDate(text);
    EXPECT_TRUE(date) << text;
    return date.value_or(VbDate());
}

// A function, not a global: dates must not be read before the program has started.
VbDate today() {
    return d("15/06/2010");
}

const std::string kEnterAValue = "Veuillez entrer une valeur pour calculer le début de grossesse.";
const std::string kChoose =
    "Choisissez le calcul, soit par le Sac, soit par le LCC, soit par le Bip et Fémur.";
const std::string kChooseLeSac =
    "Choisissez le calcul, soit par leSac, soit par le LCC, soit par le Bip et Fémur.";
const std::string kNotToday =
    "La date de l'échographie n'est pas la date d'aujourd'hui, n'est ce pas ?";
const std::string kBadDate = "Veuillez saisir la date de l'échographie selon le format JJ/MM/AAAA.";
const std::string kUseCrl = "Veuillez calculer le début de grossesse à partir du CRL.";
const std::string kUseLcc = "Veuillez calculer le début de grossesse à partir du LCC.";
const std::string kOutside = "Le début de grossesse calculé tombe hors du calendrier (années 100 à "
                             "9999) : vérifiez les valeurs saisies.";

// One press of the button: the fields, then what the program answers.
struct Case {
    const char* name;
    UltrasoundFields fields;
    int situation;
    Kind kind;
    std::string message;             // Refused
    std::optional<std::string> semA; // Dated
    const char* start;               // Dated
    std::vector<std::string> notices;
};

void check(const Case& c) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ultrasoundDatingCase(c.fields), c.situation);
    const UltrasoundOutcome out = DATATION_ECHOGRAPHIQUE(c.fields, today());
    EXPECT_EQ(out.kind, c.kind);
    EXPECT_EQ(out.notices, c.notices);
    if (c.kind == Kind::Refused) {
        EXPECT_EQ(out.message, c.message);
    }
    if (c.kind == Kind::Dated) {
        EXPECT_EQ(out.semA, c.semA);
        EXPECT_EQ(out.start.toText(), c.start);
    }
}

UltrasoundFields fields(const char* sac, const char* crl, const char* bip, const char* fem,
                        const char* semA, const char* dateX) {
    return {sac, crl, bip, fem, semA, dateX};
}

Case refusedCase(const char* name, UltrasoundFields f, int situation, std::string message,
                 std::vector<std::string> notices = {}) {
    return {name, std::move(f), situation, Kind::Refused, std::move(message), {}, "", notices};
}

Case datedCase(const char* name, UltrasoundFields f, int situation, std::optional<std::string> semA,
               const char* start, std::vector<std::string> notices = {}) {
    return {name, std::move(f), situation, Kind::Dated, "", std::move(semA), start, notices};
}

} // namespace

TEST(UltrasoundDating, SacGivesDaysOfAmenorrhoea) {
    const Case cases[] = {
        refusedCase("sac 2", fields("2", "", "", "", "", ""), 2, "Valeur du Sac trop petite"),
        refusedCase("sac 0", fields("0", "", "", "", "", ""), 2, "Valeur du Sac trop petite"),
        refusedCase("sac 41", fields("41", "", "", "", "", ""), 2,
                    "Valeur du Sac trop élevée, Calculez l 'âge gestationnel à l'aide du LCC ou du "
                    "Fémur et du Bip"),
        datedCase("sac 3: 28 days", fields("3", "", "", "", "", ""), 2, "4", "01/06/2010"),
        datedCase("sac 40: 56 days", fields("40", "", "", "", "", ""), 2, "8", "04/05/2010"),
        datedCase("sac 10 on 01/03/2010: 37 days", fields("10", "", "", "", "", "01/03/2010"), 2,
                  "5,2", "06/02/2010", {kNotToday}),
        // The sac too small is said before anything about the date.
        refusedCase("sac 2, date not a date", fields("2", "", "", "", "", "hier"), 2,
                    "Valeur du Sac trop petite"),
    };
    for (const Case& c : cases)
        check(c);
}

TEST(UltrasoundDating, CrownRumpLengthGivesDaysAndReplacesTypedWeeks) {
    const Case cases[] = {
        datedCase("crl 45: 79 days", fields("", "45", "", "", "", ""), 6, "11,2", "11/04/2010"),
        datedCase("crl 45 over typed weeks", fields("", "45", "", "", "7", ""), 6, "11,2",
                  "11/04/2010"),
        datedCase("crl 1: 32 days", fields("", "1", "", "", "", ""), 6, "4,4", "28/05/2010"),
        datedCase("crl 85: 102 days", fields("", "85", "", "", "", ""), 6, "14,4", "19/03/2010"),
        datedCase("crl 45 on 01/03/2010", fields("", "45", "", "", "", "01/03/2010"), 6, "11,2",
                  "26/12/2009", {kNotToday}),
        refusedCase("crl 86", fields("", "86", "", "", "", ""), 6,
                    "Valeur de LCC trop élevée, Calculez l 'âge gestationnel à l'aide du Fémur et "
                    "du Bip"),
        refusedCase("crl 0 has no entry", fields("", "0", "", "", "", ""), 6, kEnterAValue),
        refusedCase("crl 000", fields("", "000", "", "", "", ""), 6, kEnterAValue),
    };
    for (const Case& c : cases)
        check(c);
}

TEST(UltrasoundDating, DiameterOrFemurAloneGiveWholeWeeks) {
    const Case cases[] = {
        datedCase("bip 93 alone", fields("", "", "93", "", "", ""), 7, "40", "22/09/2009"),
        datedCase("bip 26", fields("", "", "26", "", "", ""), 7, "14", "23/03/2010"),
        datedCase("bip 50 over typed weeks", fields("", "", "50", "", "30", "01/03/2010"), 7, "21",
                  "19/10/2009"),
        refusedCase("bip 25", fields("", "", "25", "", "", ""), 7, kUseCrl),
        refusedCase("bip 94 alone", fields("", "", "94", "", "", ""), 7,
                    "Valeur de Bip d'un enfant à terme voire plus."),
        datedCase("femur 13", fields("", "", "", "13", "", ""), 8, "15", "16/03/2010"),
        datedCase("femur 80", fields("", "", "", "80", "", ""), 8, "41", "15/09/2009"),
        datedCase("femur 60", fields("", "", "", "60", "", ""), 8, "31", "24/11/2009"),
        refusedCase("femur 12", fields("", "", "", "12", "", ""), 8, kUseCrl),
        refusedCase("femur 81", fields("", "", "", "81", "", ""), 8,
                    "Valeur de Fémur d'un enfant à terme, voire plus."),
    };
    for (const Case& c : cases)
        check(c);
}

TEST(UltrasoundDating, DiameterAndFemurAveragedAndTruncated) {
    const Case cases[] = {
        datedCase("93 and 60: (41 + 31) / 2", fields("", "", "93", "60", "", ""), 9, "36",
                  "20/10/2009"),
        datedCase("50 and 41: (21 + 23) / 2", fields("", "", "50", "41", "", ""), 9, "22",
                  "26/01/2010"),
        datedCase("50 and 43: (21 + 24) / 2 truncated", fields("", "", "50", "43", "", ""), 9, "22",
                  "26/01/2010"),
        datedCase("95 and 80", fields("", "", "95", "80", "", ""), 9, "41", "15/09/2009"),
        datedCase("typed weeks replaced", fields("", "", "50", "41", "3", ""), 9, "22",
                  "26/01/2010"),
        refusedCase("bip 25", fields("", "", "25", "60", "", ""), 9, kUseLcc),
        refusedCase("bip 96", fields("", "", "96", "60", "", ""), 9,
                    "Valeur de Bip d'un enfant à terme, voire plus."),
        refusedCase("femur 12", fields("", "", "50", "12", "", ""), 9, kUseLcc),
        refusedCase("femur 81", fields("", "", "50", "81", "", ""), 9,
                    "Valeur de Fémur d'un enfant à terme voire plus."),
        // The diameter is judged first.
        refusedCase("bip 96 and femur 5", fields("", "", "96", "5", "", ""), 9,
                    "Valeur de Bip d'un enfant à terme, voire plus."),
    };
    for (const Case& c : cases)
        check(c);
}

TEST(UltrasoundDating, TypedWeeksWithOrWithoutTheUltrasoundDate) {
    const Case cases[] = {
        datedCase("12 weeks on 01/03/2010", fields("", "", "", "", "12", "01/03/2010"), 3,
                  std::nullopt, "21/12/2009"),
        datedCase("12 weeks today", fields("", "", "", "", "12", ""), 15, std::nullopt,
                  "06/04/2010"),
        datedCase("2 weeks today: the start is today", fields("", "", "", "", "2", ""), 15,
                  std::nullopt, "15/06/2010"),
        datedCase("leading zeros", fields("", "", "", "", "012", ""), 15, std::nullopt,
                  "06/04/2010"),
    };
    for (const Case& c : cases)
        check(c);
}

TEST(UltrasoundDating, NothingToComputeOrMixedMeasurements) {
    const Case cases[] = {
        refusedCase("nothing filled", fields("", "", "", "", "", ""), 5, kEnterAValue),
        refusedCase("date alone", fields("", "", "", "", "", "01/03/2010"), 4, kEnterAValue),
        refusedCase("text alone in the date", fields("", "", "", "", "", "abc"), 4, kEnterAValue),
        refusedCase("crl and bip", fields("", "45", "50", "", "", ""), 10, kChoose),
        refusedCase("crl, bip and femur", fields("", "45", "50", "41", "", ""), 10, kChoose),
        refusedCase("crl, bip and sac", fields("10", "45", "50", "", "", ""), 10, kChoose),
        refusedCase("crl and femur", fields("", "45", "", "41", "", ""), 11, kChooseLeSac),
        refusedCase("crl, femur and sac", fields("10", "45", "", "41", "", ""), 11, kChooseLeSac),
        refusedCase("crl and sac", fields("10", "45", "", "", "", ""), 12, kChoose),
        refusedCase("bip and sac", fields("10", "", "50", "", "", ""), 13, kChoose),
        refusedCase("bip, femur and sac", fields("10", "", "50", "41", "", ""), 13, kChoose),
        refusedCase("femur and sac", fields("10", "", "", "41", "", "01/03/2010"), 14, kChoose),
        // Mixed measurements are refused before their texts are read.
        refusedCase("crl and bip, garbage", fields("", "x", "y", "", "", ""), 10, kChoose),
    };
    for (const Case& c : cases)
        check(c);
}

TEST(UltrasoundDating, SacAndWeeksBothFilledClearTheDating) {
    for (const UltrasoundFields& f :
         {fields("10", "", "", "", "5,2", ""), fields("10", "45", "50", "41", "12", "hier"),
          fields("abc", "", "", "", "xyz", "")}) {
        EXPECT_EQ(ultrasoundDatingCase(f), 1);
        const UltrasoundOutcome out = DATATION_ECHOGRAPHIQUE(f, today());
        EXPECT_EQ(out.kind, Kind::ClearDating);
        EXPECT_TRUE(out.notices.empty());
    }
}

TEST(UltrasoundDating, SecondPressAfterASacDatingClears) {
    UltrasoundFields f = fields("10", "", "", "", "", "");
    const UltrasoundOutcome first = DATATION_ECHOGRAPHIQUE(f, today());
    ASSERT_EQ(first.kind, Kind::Dated);
    ASSERT_TRUE(first.semA);
    f.semA = *first.semA; // the window writes the result back into the weeks field
    EXPECT_EQ(DATATION_ECHOGRAPHIQUE(f, today()).kind, Kind::ClearDating);
}

TEST(UltrasoundDating, EveryCombinationOfFilledFieldsHasOneSituation) {
    for (int mask = 0; mask < 64; ++mask) {
        UltrasoundFields f;
        if (mask & 1) f.sac = "10";
        if (mask & 2) f.crl = "45";
        if (mask & 4) f.bip = "50";
        if (mask & 8) f.fem = "41";
        if (mask & 16) f.semA = "12";
        if (mask & 32) f.dateX = "01/03/2010";
        const int situation = ultrasoundDatingCase(f);
        SCOPED_TRACE("mask " + std::to_string(mask) + ", situation " + std::to_string(situation));
        EXPECT_GE(situation, 1);
        EXPECT_LE(situation, 15);
        EXPECT_EQ(situation == 15, mask == 16); // the weeks alone, no date
        EXPECT_EQ(situation == 1, (mask & 1) && (mask & 16));
        const UltrasoundOutcome out = DATATION_ECHOGRAPHIQUE(f, today());
        if (out.kind == Kind::Refused) {
            EXPECT_FALSE(out.message.empty());
        }
        // With these valid values only a lone sac, CRL, diameter, femur or the weeks date.
        const bool datable = situation == 2 || situation == 3 ||
                             (situation >= 6 && situation <= 9) || situation == 15;
        EXPECT_EQ(out.kind == Kind::Dated, datable);
    }
}

TEST(UltrasoundDating, UltrasoundDateThatIsNotADateChangesNothing) {
    const Case cases[] = {
        refusedCase("crl with a word", fields("", "45", "", "", "", "hier"), 6, kBadDate),
        refusedCase("sac with 31/02", fields("10", "", "", "", "", "31/02/2010"), 2, kBadDate),
        refusedCase("bip with dashes", fields("", "", "50", "", "", "01-03-2010"), 7, kBadDate),
        refusedCase("femur with a blank", fields("", "", "", "41", "", " "), 8, kBadDate),
        refusedCase("combined", fields("", "", "50", "41", "", "32/01/2010"), 9, kBadDate),
        refusedCase("weeks", fields("", "", "", "", "12", "01/03"), 3, kBadDate),
        // The measurement's own range messages come first.
        refusedCase("crl too high first", fields("", "86", "", "", "", "hier"), 6,
                    "Valeur de LCC trop élevée, Calculez l 'âge gestationnel à l'aide du Fémur et "
                    "du Bip"),
        refusedCase("femur too small first", fields("", "", "", "5", "", "hier"), 8, kUseCrl),
    };
    for (const Case& c : cases)
        check(c);
}

TEST(UltrasoundDating, PastedTextThatIsNotAWholeNumberIsRefusedNamingTheField) {
    const std::string mm = " » doit contenir un nombre entier de millimètres.";
    const Case cases[] = {
        refusedCase("sac blank", fields(" 10", "", "", "", "", ""), 2, "Le champ « Sac" + mm),
        refusedCase("crl with its unit", fields("", "45 mm", "", "", "", ""), 6,
                    "Le champ « LCC" + mm),
        refusedCase("crl negative", fields("", "-5", "", "", "", ""), 6, "Le champ « LCC" + mm),
        refusedCase("bip letter O", fields("", "", "5O", "", "", ""), 7, "Le champ « Bip" + mm),
        refusedCase("femur decimal", fields("", "", "", "4,5", "", ""), 8, "Le champ « Fém." + mm),
        refusedCase("combined, bip", fields("", "", "5.0", "41", "", ""), 9, "Le champ « Bip" + mm),
        refusedCase("combined, femur", fields("", "", "50", "41\n", "", ""), 9,
                    "Le champ « Fém." + mm),
        refusedCase("weeks and days alone", fields("", "", "", "", "12,3", ""), 15,
                    "Le champ « Sem. d'amenorrhée » doit contenir un nombre entier de semaines."),
        refusedCase("weeks with the date", fields("", "", "", "", "+12", "01/03/2010"), 3,
                    "Le champ « Sem. d'amenorrhée » doit contenir un nombre entier de semaines."),
    };
    for (const Case& c : cases)
        check(c);
}

TEST(UltrasoundDating, HugeNumbersAreSimplyTooHigh) {
    const std::string huge(40, '9');
    const Case cases[] = {
        refusedCase("sac", fields(huge.c_str(), "", "", "", "", ""), 2,
                    "Valeur du Sac trop élevée, Calculez l 'âge gestationnel à l'aide du LCC ou du "
                    "Fémur et du Bip"),
        refusedCase("crl", fields("", huge.c_str(), "", "", "", ""), 6,
                    "Valeur de LCC trop élevée, Calculez l 'âge gestationnel à l'aide du Fémur et "
                    "du Bip"),
        refusedCase("crl just past the long range",
                    fields("", "18446744073709551617", "", "", "", ""), 6,
                    "Valeur de LCC trop élevée, Calculez l 'âge gestationnel à l'aide du Fémur et "
                    "du Bip"),
        refusedCase("bip", fields("", "", huge.c_str(), "", "", ""), 7,
                    "Valeur de Bip d'un enfant à terme voire plus."),
        refusedCase("femur", fields("", "", "", huge.c_str(), "", ""), 8,
                    "Valeur de Fémur d'un enfant à terme, voire plus."),
        refusedCase("combined", fields("", "", huge.c_str(), "41", "", ""), 9,
                    "Valeur de Bip d'un enfant à terme, voire plus."),
        refusedCase("weeks alone", fields("", "", "", "", huge.c_str(), ""), 15, kOutside),
        refusedCase("weeks with the date", fields("", "", "", "", huge.c_str(), "01/03/2010"), 3,
                    kOutside),
    };
    for (const Case& c : cases)
        check(c);
}

TEST(UltrasoundDating, StartOutsideTheCalendarIsRefused) {
    const Case cases[] = {
        refusedCase("999999 weeks", fields("", "", "", "", "999999", ""), 15, kOutside),
        refusedCase("weeks on 01/01/0100", fields("", "", "", "", "3", "01/01/0100"), 3, kOutside),
        datedCase("2 weeks on 01/01/0100", fields("", "", "", "", "2", "01/01/0100"), 3,
                  std::nullopt, "01/01/0100"),
        refusedCase("0 weeks on 31/12/9999", fields("", "", "", "", "0", "31/12/9999"), 3,
                    kOutside),
        datedCase("2 weeks on 31/12/9999", fields("", "", "", "", "2", "31/12/9999"), 3,
                  std::nullopt, "31/12/9999"),
        // The date was read, so the reminder about it has been shown already.
        refusedCase("sac on 01/01/0100", fields("40", "", "", "", "", "01/01/0100"), 2, kOutside,
                    {kNotToday}),
        refusedCase("bip on 10/01/0100", fields("", "", "50", "", "", "10/01/0100"), 7, kOutside),
    };
    for (const Case& c : cases)
        check(c);
}
