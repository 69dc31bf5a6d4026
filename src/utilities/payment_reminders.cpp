// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/payment_reminders.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace tovimar {
namespace {

struct Reminder {
    std::string_view key; // day on two digits, then month on two digits
    std::string_view line1;
    std::string_view line2;
};

constexpr std::string_view kSecretary5 = "Plus que 5 jours pour payer les charges de la Secrétaire";
constexpr std::string_view kSecretary3 = "Plus que 3 jours pour payer les charges de la Secrétaire";
constexpr std::string_view kSecretaryToday =
    "Aujourd'hui dernier délai pour payer les charges de la Secrétaire";
constexpr std::string_view kUrssaf5 = "Plus que 5 jours pour payer vos cotisations URSSAF";
constexpr std::string_view kUrssaf3 = "Plus que 3 jours pour payer vos cotisations URSSAF";
constexpr std::string_view kUrssafToday =
    "Aujourd'hui dernier délai pour payer vos cotisations URSSAF";
constexpr std::string_view kAttention = "ATTENTION";

constexpr std::array<Reminder, 24> kReminders{{
    {"1001", kSecretary5, "(Dernier délai le 15 Janvier)"},
    {"1301", kSecretary3, "(Dernier délai le 15 Janvier)"},
    {"1501", kAttention, kSecretaryToday},
    {"1002", kUrssaf5, "(Dernier délai le 15 Février)"},
    {"1302", kUrssaf3, "(Dernier délai le 15 Février)"},
    {"1502", kAttention, kUrssafToday},
    {"1004", kSecretary5, "(Dernier délai le 15 Avril)"},
    {"1304", kSecretary3, "(Dernier délai le 15 Avril)"},
    {"1504", kAttention, kSecretaryToday},
    {"1005", kUrssaf5, "(Dernier délai le 15 Mai)"},
    {"1305", kUrssaf3, "(Dernier délai le 15 Mai)"},
    {"1505", kAttention, kUrssafToday},
    {"1007", kSecretary5, "(Dernier délai le 15 Juillet)"},
    {"1307", kSecretary3, "(Dernier délai le 15 Juillet)"},
    {"1507", kAttention, kSecretaryToday},
    {"1008", kUrssaf5, "(Dernier délai le 15 Aout)"},
    {"1308", kUrssaf3, "(Dernier délai le 15 Aout)"},
    {"1508", kAttention, kUrssafToday},
    {"1010", kSecretary5, "(Dernier délai le 15 Octobre)"},
    {"1310", kSecretary3, "(Dernier délai le 15 Octobre)"},
    {"1510", kAttention, kSecretaryToday},
    {"1011", kUrssaf5, "(Dernier délai le 15 Novembre)"},
    {"1311", kUrssaf3, "(Dernier délai le 15 Novembre)"},
    {"1511", kAttention, kUrssafToday},
}};

} // namespace

std::optional<std::string> RAPPEL_ECHEANCES(VbDate today) {
    const YearMonthDay ymd = today.ymd();
    char key[8];
    std::snprintf(key, sizeof key, "%02d%02d", ymd.day, ymd.month);
    const std::string_view wanted(key);

    for (const Reminder& r : kReminders) {
        if (r.key != wanted) continue;
        std::string text(r.line1);
        text += "\r\n\r\n";
        text += r.line2;
        return text;
    }
    return std::nullopt;
}

} // namespace tovimar
