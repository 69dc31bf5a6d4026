// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/saint_of_the_day.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

using namespace tovimar;

namespace {

VbDate on(int year, int month, int day) {
    return VbDate::fromYmd(year, month, day).value();
}

std::vector<std::string> linesOf(const std::string& proverb) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    for (;;) {
        const auto cr = proverb.find('\r', start);
        lines.push_back(proverb.substr(start, cr - start));
        if (cr == std::string::npos) return lines;
        start = cr + 1;
    }
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += '\r';
        text += lines[i];
    }
    return text;
}

// Characters, not bytes: the texts are UTF-8 with accents.
std::size_t codePoints(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

bool isDocumentedGap(int day, int month) {
    return (day == 12 && month == 5) || (day == 20 && month == 9);
}

} // namespace

struct KnownEntry {
    int month;
    int day;
    const char* saint;
    std::vector<std::string> proverbLines; // empty: no proverb
};

TEST(SaintOfTheDay, FixedEntriesKeepTheirExactTexts) {
    const std::vector<KnownEntry> cases = {
        {1, 1, "Jour de l'an", {"Au jour de l'an,", "Les jours croissent d'un vol de faisan."}},
        {1, 2, "St Clair", {"St Clair porte quarantaine."}},
        {1,
         12,
         "Ste Tatania",
         {"Les 12 premiers jours de janvier", "Indiquent le temps qu'il fera",
          "Les 12 mois de l'année."}},
        {2, 2, "La Chandeleur", {"A la Chandeleur, verdure,", "A Pâques, neige forte et dure."}},
        {2, 29, "St Auguste", {"En l'année bissextile,", "Garde du blé pour l'an qui suit."}},
        {5, 12, "St Pancrace (2ème St de Glace)", {}},
        {8,
         18,
         "Ste Helène",
         {"A la Ste Hélène,", "La noix est pleine,", "Et le cerneau", "Se met dans l'eau."}},
        {9, 20, "", {}},
        {12, 25, "Noël", {"Qui prend le soleil à Noël,", "Souvent à Pâques se gèle."}},
        {12,
         31,
         "St Sylvestre",
         {"Pour la Saint Sylvestre,", "Les jours croissent d'un pas de maître."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.day) + "/" + std::to_string(c.month));
        const SaintOfTheDay got = SAINT_DU_JOUR(on(2024, c.month, c.day));
        EXPECT_EQ(got.saint, c.saint);
        EXPECT_EQ(got.proverb, joined(c.proverbLines));
    }
}

TEST(SaintOfTheDay, LeapDayAndTheDayAfterIt) {
    const SaintOfTheDay leap = SAINT_DU_JOUR(on(2024, 2, 29));
    EXPECT_EQ(leap.saint, "St Auguste");
    EXPECT_EQ(leap.proverb, "En l'année bissextile,\rGarde du blé pour l'an qui suit.");

    // 1 March is St Aubin whether or not the year had a 29 February, and
    // 28 February stays St Romain.
    for (int year : {1900, 2000, 2023, 2024, 2100}) {
        SCOPED_TRACE(year);
        EXPECT_EQ(SAINT_DU_JOUR(on(year, 3, 1)).saint, "St Aubin");
        EXPECT_EQ(SAINT_DU_JOUR(on(year, 2, 28)).saint, "St Romain");
    }
}

TEST(SaintOfTheDay, DayAndMonthAreNotConfused) {
    // 19/01 and 19/05: same day, different months.
    EXPECT_EQ(SAINT_DU_JOUR(on(2024, 1, 19)).saint, "Ste Prisca");
    EXPECT_EQ(SAINT_DU_JOUR(on(2024, 5, 19)).saint, "St Yves");
    // 1/10 and 10/01: the key is day then month.
    EXPECT_EQ(SAINT_DU_JOUR(on(2024, 10, 1)).saint, "St Remy");
    EXPECT_EQ(SAINT_DU_JOUR(on(2024, 1, 10)).saint, "St Guillaume");
}

TEST(SaintOfTheDay, EmptyDaysShowEmptyTexts) {
    const SaintOfTheDay pancrace = SAINT_DU_JOUR(on(2025, 5, 12));
    EXPECT_EQ(pancrace.saint, "St Pancrace (2ème St de Glace)");
    EXPECT_TRUE(pancrace.proverb.empty());

    const SaintOfTheDay blank = SAINT_DU_JOUR(on(2025, 9, 20));
    EXPECT_TRUE(blank.saint.empty());
    EXPECT_TRUE(blank.proverb.empty());
}

TEST(SaintOfTheDay, OddSpellingsAndRepeatedSaintsAreKept) {
    EXPECT_EQ(SAINT_DU_JOUR(on(2024, 5, 13)).saint, "St Servais (3ème St de Glace");
    EXPECT_EQ(SAINT_DU_JOUR(on(2024, 2, 4)).saint, "St Isidore");
    EXPECT_EQ(SAINT_DU_JOUR(on(2024, 4, 4)).saint, "St Isidore");
    EXPECT_EQ(SAINT_DU_JOUR(on(2024, 5, 3)).saint, "La Ste Croix");
    EXPECT_EQ(SAINT_DU_JOUR(on(2024, 9, 14)).saint, "La Ste Croix");
}

TEST(SaintOfTheDay, SaintsAcrossTheYear) {
    struct Case {
        int month;
        int day;
        const char* saint;
    };
    const std::vector<Case> cases = {
        {1, 4, "Ste Pharaïlde"},
        {1, 12, "Ste Tatania"},
        {1, 20, "St Sebastien"},
        {1, 21, "Ste Agnes"},
        {2, 8, "St Jean (de Matha)"},
        {2, 25, "St Roméo"},
        {3, 8, "St Jean (De Dieu)"},
        {3, 14, "Ste Mathilde (dite Mahaud)"},
        {3, 20, "Jour du PRINTEMPS"},
        {3, 31, "St Benjamin"},
        {4, 6, "St Prudence"},
        {4, 22, "Ste Opportune"},
        {4, 30, "St Ludovic"},
        {5, 6, "Pte St Jean"},
        {5, 10, "Ste Solange, St Antonin"},
        {5, 11, "St Mamert (1er St de Glace)"},
        {5, 31, "Ste Pétronille"},
        {6, 8, "St Medard"},
        {6, 21, "Jour de l'été"},
        {6, 29, "St Pierre, Paul"},
        {7, 15, "St Henri (le Boîteux)"},
        {7, 16, "Notre Dame du Mt Carmel"},
        {7, 18, "st Arnoul"},
        {7, 27, "Les 7 Dormants"},
        {8, 1, "St Pierre aux liens"},
        {8, 15, "Assomption"},
        {8, 18, "Ste Helène"},
        {9, 23, "Saint lin"},
        {9, 27, "St Côme et St Damien"},
        {10, 4, "St François d'Assises"},
        {10, 28, "St Simon, St Jude"},
        {10, 30, "St Bienvenue"},
        {11, 1, "la Toussaint"},
        {11, 2, "Jour des Défunts"},
        {11, 30, "St André"},
        {12, 16, "Ste Adelaïde"},
        {12, 19, "st Urbain"},
        {12, 28, "Sts Innocents"},
        {12, 30, "St Forannan"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.day) + "/" + std::to_string(c.month));
        EXPECT_EQ(SAINT_DU_JOUR(on(2024, c.month, c.day)).saint, c.saint);
    }
}

TEST(SaintOfTheDay, EveryDayOfALeapYearHasItsOwnWellFormedEntry) {
    const auto calendar = saintCalendar();
    ASSERT_EQ(calendar.size(), 366u);

    std::size_t row = 0;
    for (VbDate d = on(2024, 1, 1); d <= on(2024, 12, 31); d = d.plusDays(1), ++row) {
        const YearMonthDay ymd = d.ymd();
        SCOPED_TRACE(d.toText());
        const SaintOfTheDay got = SAINT_DU_JOUR(d);

        // The day finds its own row of the calendar.
        ASSERT_LT(row, calendar.size());
        EXPECT_EQ(got.saint, calendar[row].saint);
        EXPECT_EQ(got.proverb, calendar[row].proverb);

        if (isDocumentedGap(ymd.day, ymd.month)) {
            EXPECT_TRUE(got.proverb.empty());
            continue;
        }
        EXPECT_FALSE(got.saint.empty());
        ASSERT_FALSE(got.proverb.empty());
        EXPECT_EQ(got.proverb.find('\n'), std::string::npos);

        const std::vector<std::string> lines = linesOf(got.proverb);
        EXPECT_GE(lines.size(), 1u);
        EXPECT_LE(lines.size(), 4u);
        for (const std::string& line : lines) {
            EXPECT_FALSE(line.empty()) << "empty line in: " << got.proverb;
            // The label is small: one line must fit in it.
            EXPECT_LE(codePoints(line), 45u) << line;
        }
    }
    EXPECT_EQ(row, 366u);
}

TEST(SaintOfTheDay, TheYearDoesNotMatter) {
    for (int year : {1900, 1999, 2000, 2023, 2026, 2100}) {
        SCOPED_TRACE(year);
        for (VbDate d = on(year, 1, 1); d <= on(year, 12, 31); d = d.plusDays(1)) {
            const VbDate sameDayIn2024 = on(2024, d.month(), d.day());
            const SaintOfTheDay got = SAINT_DU_JOUR(d);
            const SaintOfTheDay expected = SAINT_DU_JOUR(sameDayIn2024);
            ASSERT_EQ(got.saint, expected.saint) << d.toText();
            ASSERT_EQ(got.proverb, expected.proverb) << d.toText();
        }
    }
}

TEST(SaintOfTheDay, NoTwoDaysShareAProverb) {
    // A saying copied onto a second day reads as a mistake in the table.
    std::map<std::string_view, std::string_view> seen;
    for (const SaintEntry& entry : saintCalendar()) {
        if (entry.proverb.empty()) continue;
        const auto [it, inserted] = seen.emplace(entry.proverb, entry.key);
        EXPECT_TRUE(inserted) << entry.key << " repeats " << it->second;
    }
}
