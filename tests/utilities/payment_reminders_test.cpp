// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/payment_reminders.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace tovimar;

namespace {

VbDate on(int year, int month, int day) {
    return VbDate::fromYmd(year, month, day).value();
}

std::string warning(const std::string& line1, const std::string& line2) {
    return line1 + "\r\n\r\n" + line2;
}

const std::string kSecretary5 = "Plus que 5 jours pour payer les charges de la Secrétaire";
const std::string kSecretary3 = "Plus que 3 jours pour payer les charges de la Secrétaire";
const std::string kSecretaryToday =
    "Aujourd'hui dernier délai pour payer les charges de la Secrétaire";
const std::string kUrssaf5 = "Plus que 5 jours pour payer vos cotisations URSSAF";
const std::string kUrssaf3 = "Plus que 3 jours pour payer vos cotisations URSSAF";
const std::string kUrssafToday = "Aujourd'hui dernier délai pour payer vos cotisations URSSAF";

struct Case {
    int day;
    int month;
    std::string text;
};

const std::vector<Case>& allReminders() {
    static const std::vector<Case> cases = {
        {10, 1, warning(kSecretary5, "(Dernier délai le 15 Janvier)")},
        {13, 1, warning(kSecretary3, "(Dernier délai le 15 Janvier)")},
        {15, 1, warning("ATTENTION", kSecretaryToday)},
        {10, 2, warning(kUrssaf5, "(Dernier délai le 15 Février)")},
        {13, 2, warning(kUrssaf3, "(Dernier délai le 15 Février)")},
        {15, 2, warning("ATTENTION", kUrssafToday)},
        {10, 4, warning(kSecretary5, "(Dernier délai le 15 Avril)")},
        {13, 4, warning(kSecretary3, "(Dernier délai le 15 Avril)")},
        {15, 4, warning("ATTENTION", kSecretaryToday)},
        {10, 5, warning(kUrssaf5, "(Dernier délai le 15 Mai)")},
        {13, 5, warning(kUrssaf3, "(Dernier délai le 15 Mai)")},
        {15, 5, warning("ATTENTION", kUrssafToday)},
        {10, 7, warning(kSecretary5, "(Dernier délai le 15 Juillet)")},
        {13, 7, warning(kSecretary3, "(Dernier délai le 15 Juillet)")},
        {15, 7, warning("ATTENTION", kSecretaryToday)},
        {10, 8, warning(kUrssaf5, "(Dernier délai le 15 Aout)")},
        {13, 8, warning(kUrssaf3, "(Dernier délai le 15 Aout)")},
        {15, 8, warning("ATTENTION", kUrssafToday)},
        {10, 10, warning(kSecretary5, "(Dernier délai le 15 Octobre)")},
        {13, 10, warning(kSecretary3, "(Dernier délai le 15 Octobre)")},
        {15, 10, warning("ATTENTION", kSecretaryToday)},
        {10, 11, warning(kUrssaf5, "(Dernier délai le 15 Novembre)")},
        {13, 11, warning(kUrssaf3, "(Dernier délai le 15 Novembre)")},
        {15, 11, warning("ATTENTION", kUrssafToday)},
    };
    return cases;
}

} // namespace

TEST(PaymentReminder, EachDeadlineDayGivesItsWarning) {
    ASSERT_EQ(allReminders().size(), 24u);
    for (int year : {2024, 2026}) {
        for (const Case& c : allReminders()) {
            SCOPED_TRACE(std::to_string(c.day) + "/" + std::to_string(c.month) + "/" +
                         std::to_string(year));
            const auto got = RAPPEL_ECHEANCES(on(year, c.month, c.day));
            ASSERT_TRUE(got.has_value());
            EXPECT_EQ(*got, c.text);
        }
    }
}

TEST(PaymentReminder, WarningIsTwoLinesAroundAnEmptyLine) {
    const auto january = RAPPEL_ECHEANCES(on(2026, 1, 10));
    ASSERT_TRUE(january.has_value());
    EXPECT_EQ(*january, "Plus que 5 jours pour payer les charges de la Secrétaire\r\n"
                        "\r\n"
                        "(Dernier délai le 15 Janvier)");

    const auto november = RAPPEL_ECHEANCES(on(2026, 11, 15));
    ASSERT_TRUE(november.has_value());
    EXPECT_EQ(*november, "ATTENTION\r\n"
                         "\r\n"
                         "Aujourd'hui dernier délai pour payer vos cotisations URSSAF");
}

TEST(PaymentReminder, OtherDaysGiveNoWarning) {
    const std::vector<std::pair<int, int>> quietDays = {
        {11, 1}, {14, 2}, {10, 3}, {15, 12}, // neither a reminder day nor a reminder month
        {9, 1},  {12, 1}, {14, 1}, {16, 1},  // around the January deadline
        {15, 3}, {13, 6}, {10, 9}, {10, 12}, // months without a payment
        {1, 10}, {1, 11}, {3, 10}, {5, 10},  // day and month swapped: 0110 is not 1001
    };
    for (const auto& [day, month] : quietDays) {
        SCOPED_TRACE(std::to_string(day) + "/" + std::to_string(month));
        EXPECT_FALSE(RAPPEL_ECHEANCES(on(2026, month, day)).has_value());
    }
}

TEST(PaymentReminder, SundayDeadlineStillWarns) {
    // Day 1 of the count, 31/12/1899, was a Sunday; 15/02/2026 is one too.
    const VbDate sunday = on(2026, 2, 15);
    ASSERT_EQ(sunday.serial() % 7, 1);
    const auto got = RAPPEL_ECHEANCES(sunday);
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(*got, warning("ATTENTION", kUrssafToday));
}

TEST(PaymentReminder, AYearHasExactlyTwentyFourWarningDays) {
    std::set<std::pair<int, int>> expected;
    for (const Case& c : allReminders())
        expected.insert({c.day, c.month});

    std::set<std::pair<int, int>> warned;
    int count = 0;
    for (VbDate d = on(2026, 1, 1); d <= on(2026, 12, 31); d = d.plusDays(1)) {
        if (RAPPEL_ECHEANCES(d)) {
            ++count;
            warned.insert({d.day(), d.month()});
        }
    }
    EXPECT_EQ(count, 24);
    EXPECT_EQ(warned, expected);
}
