// SPDX-License-Identifier: GPL-3.0-or-later
#include "dating/ultrasound_dating.h"

#include <utility>

#include "dating/pregnancy_dating.h"
#include "dating/ultrasound_tables.h"

namespace tovimar {
namespace {

constexpr const char* kEnterAValue =
    "Veuillez entrer une valeur pour calculer le début de grossesse.";
constexpr const char* kChooseOne =
    "Choisissez le calcul, soit par le Sac, soit par le LCC, soit par le Bip et Fémur.";
// The CRL-and-femur variant has always been written without the space.
constexpr const char* kChooseOneCrlFemur =
    "Choisissez le calcul, soit par leSac, soit par le LCC, soit par le Bip et Fémur.";
constexpr const char* kSacTooSmall = "Valeur du Sac trop petite";
constexpr const char* kSacTooHigh = "Valeur du Sac trop élevée, Calculez l 'âge gestationnel à "
                                    "l'aide du LCC ou du Fémur et du Bip";
constexpr const char* kCrlTooHigh =
    "Valeur de LCC trop élevée, Calculez l 'âge gestationnel à l'aide du Fémur et du Bip";
constexpr const char* kNotToday =
    "La date de l'échographie n'est pas la date d'aujourd'hui, n'est ce pas ?";
// Diameter or femur alone.
constexpr const char* kUseCrlAlone = "Veuillez calculer le début de grossesse à partir du CRL.";
constexpr const char* kBipTooHighAlone = "Valeur de Bip d'un enfant à terme voire plus.";
constexpr const char* kFemurTooHighAlone = "Valeur de Fémur d'un enfant à terme, voire plus.";
// Diameter and femur together.
constexpr const char* kUseCrlCombined = "Veuillez calculer le début de grossesse à partir du LCC.";
constexpr const char* kBipTooHighCombined = "Valeur de Bip d'un enfant à terme, voire plus.";
constexpr const char* kFemurTooHighCombined = "Valeur de Fémur d'un enfant à terme voire plus.";

constexpr const char* kBadExamDate =
    "Veuillez saisir la date de l'échographie selon le format JJ/MM/AAAA.";
constexpr const char* kOutsideCalendar =
    "Le début de grossesse calculé tombe hors du calendrier (années 100 à 9999) : "
    "vérifiez les valeurs saisies.";

// Longer digit strings read as this value: far beyond every chart and every
// date, and still safe to multiply by 7.
constexpr long long kSaturated = 1'000'000'000'000'000;

bool filled(const std::string& text) {
    return !text.empty();
}

UltrasoundOutcome refused(std::string message, std::vector<std::string> notices = {}) {
    UltrasoundOutcome out;
    out.kind = UltrasoundOutcome::Kind::Refused;
    out.notices = std::move(notices);
    out.message = std::move(message);
    return out;
}

// A whole number read from a field, or the message refusing the field's text.
struct WholeField {
    long long value = 0;
    std::string refusal;
};

WholeField readWhole(const std::string& text, const char* label, const char* unit) {
    WholeField out;
    for (char c : text) {
        if (c < '0' || c > '9') {
            out.refusal = std::string("Le champ « ") + label +
                          " » doit contenir un nombre entier " + unit + ".";
            return out;
        }
        out.value = out.value >= kSaturated / 10 ? kSaturated : out.value * 10 + (c - '0');
    }
    return out;
}

WholeField readMillimetres(const std::string& text, const char* label) {
    return readWhole(text, label, "de millimètres");
}

WholeField readWeeks(const std::string& text) {
    return readWhole(text, "Sem. d'amenorrhée", "de semaines");
}

// The date of the ultrasound: today when the field is empty.
std::optional<VbDate> examDate(const UltrasoundFields& f, VbDate today) {
    if (!filled(f.dateX)) return today;
    return readFrenchDate(f.dateX);
}

// The start of pregnancy as a day count; refused outside 01/01/0100 - 31/12/9999.
UltrasoundOutcome dated(long long startSerial, std::optional<std::string> semA,
                        std::vector<std::string> notices) {
    static const long long first = VbDate::fromYmd(100, 1, 1)->serial();
    static const long long last = VbDate::fromYmd(9999, 12, 31)->serial();
    if (startSerial < first || startSerial > last)
        return refused(kOutsideCalendar, std::move(notices));
    UltrasoundOutcome out;
    out.kind = UltrasoundOutcome::Kind::Dated;
    out.notices = std::move(notices);
    out.semA = std::move(semA);
    out.start = VbDate(static_cast<int>(startSerial));
    return out;
}

// Sac and CRL give days of amenorrhoea: the weeks are written w,d and the
// start of pregnancy is 14 days after the LMP the days point to.
UltrasoundOutcome daysResult(int days, const UltrasoundFields& f, VbDate today) {
    const auto exam = examDate(f, today);
    if (!exam) return refused(kBadExamDate);
    std::vector<std::string> notices;
    if (filled(f.dateX)) notices.push_back(kNotToday);
    return dated(static_cast<long long>(exam->serial()) - days + 14,
                 weeksDaysText(days / 7, days % 7), std::move(notices));
}

// Diameter and femur give whole weeks of amenorrhoea, the start of pregnancy
// being at 2 weeks.
UltrasoundOutcome weeksResult(int weeks, const UltrasoundFields& f, VbDate today) {
    const auto exam = examDate(f, today);
    if (!exam) return refused(kBadExamDate);
    return dated(static_cast<long long>(exam->serial()) - (weeks - 2) * 7LL, std::to_string(weeks),
                 {});
}

UltrasoundOutcome sacDating(const UltrasoundFields& f, VbDate today) {
    const WholeField s = readMillimetres(f.sac, "Sac");
    if (!s.refusal.empty()) return refused(s.refusal);
    if (s.value < 3) return refused(kSacTooSmall);
    const auto days = sacDays(s.value);
    if (!days) return refused(kSacTooHigh);
    return daysResult(*days, f, today);
}

UltrasoundOutcome crlDating(const UltrasoundFields& f, VbDate today) {
    const WholeField c = readMillimetres(f.crl, "LCC");
    if (!c.refusal.empty()) return refused(c.refusal);
    if (c.value > 85) return refused(kCrlTooHigh);
    const auto days = crlDays(c.value);
    if (!days) return refused(kEnterAValue); // 0 mm: nothing to date from
    return daysResult(*days, f, today);
}

UltrasoundOutcome biparietalDating(const UltrasoundFields& f, VbDate today) {
    const WholeField b = readMillimetres(f.bip, "Bip");
    if (!b.refusal.empty()) return refused(b.refusal);
    if (b.value < 26) return refused(kUseCrlAlone);
    const auto weeks = biparietalWeeks(b.value, false);
    if (!weeks) return refused(kBipTooHighAlone);
    return weeksResult(*weeks, f, today);
}

UltrasoundOutcome femurDating(const UltrasoundFields& f, VbDate today) {
    const WholeField m = readMillimetres(f.fem, "Fém.");
    if (!m.refusal.empty()) return refused(m.refusal);
    if (m.value < 13) return refused(kUseCrlAlone);
    const auto weeks = femurWeeks(m.value);
    if (!weeks) return refused(kFemurTooHighAlone);
    return weeksResult(*weeks, f, today);
}

// The diameter is checked before the femur; the two ages are averaged and
// truncated to whole weeks.
UltrasoundOutcome combinedDating(const UltrasoundFields& f, VbDate today) {
    const WholeField b = readMillimetres(f.bip, "Bip");
    if (!b.refusal.empty()) return refused(b.refusal);
    const WholeField m = readMillimetres(f.fem, "Fém.");
    if (!m.refusal.empty()) return refused(m.refusal);
    if (b.value < 26) return refused(kUseCrlCombined);
    const auto wb = biparietalWeeks(b.value, true);
    if (!wb) return refused(kBipTooHighCombined);
    if (m.value < 13) return refused(kUseCrlCombined);
    const auto wf = femurWeeks(m.value);
    if (!wf) return refused(kFemurTooHighCombined);
    return weeksResult((*wb + *wf) / 2, f, today);
}

// Weeks typed with the date of the ultrasound: the LMP is that many weeks
// before the ultrasound, the start of pregnancy 14 days after the LMP. The
// weeks stay as typed.
UltrasoundOutcome weeksAtExam(const UltrasoundFields& f) {
    const WholeField w = readWeeks(f.semA);
    if (!w.refusal.empty()) return refused(w.refusal);
    const auto exam = readFrenchDate(f.dateX);
    if (!exam) return refused(kBadExamDate);
    return dated(static_cast<long long>(exam->serial()) - 7 * w.value + 14, std::nullopt, {});
}

// Weeks typed alone: they are the age today.
UltrasoundOutcome weeksToday(const UltrasoundFields& f, VbDate today) {
    const WholeField w = readWeeks(f.semA);
    if (!w.refusal.empty()) return refused(w.refusal);
    return dated(static_cast<long long>(today.serial()) - (w.value - 2) * 7, std::nullopt, {});
}

} // namespace

int ultrasoundDatingCase(const UltrasoundFields& f) {
    const bool sac = filled(f.sac), crl = filled(f.crl), bip = filled(f.bip), fem = filled(f.fem),
               semA = filled(f.semA), date = filled(f.dateX);
    if (sac && semA) return 1;
    if (sac && !fem && !bip && !crl) return 2;
    if (semA && date && !sac && !fem && !bip && !crl) return 3;
    if (date && !sac && !fem && !bip && !crl && !semA) return 4;
    if (!sac && !fem && !bip && !semA && !crl && !date) return 5;
    if (crl && !sac && !fem && !bip) return 6;
    if (bip && !fem && !sac && !crl) return 7;
    if (fem && !bip && !sac && !crl) return 8;
    if (bip && fem && !sac && !crl) return 9;
    if (crl && bip) return 10;
    if (crl && fem) return 11;
    if (crl && sac) return 12;
    if (bip && sac) return 13;
    if (fem && sac) return 14;
    // Every other combination has been taken: only the weeks are filled.
    return 15;
}

UltrasoundOutcome DATATION_ECHOGRAPHIQUE(const UltrasoundFields& f, VbDate today) {
    switch (ultrasoundDatingCase(f)) {
    case 1: {
        UltrasoundOutcome out;
        out.kind = UltrasoundOutcome::Kind::ClearDating;
        return out;
    }
    case 2:
        return sacDating(f, today);
    case 3:
        return weeksAtExam(f);
    case 4: // the date alone gives nothing to look up
    case 5:
        return refused(kEnterAValue);
    case 6:
        return crlDating(f, today);
    case 7:
        return biparietalDating(f, today);
    case 8:
        return femurDating(f, today);
    case 9:
        return combinedDating(f, today);
    case 10:
        return refused(kChooseOne);
    case 11:
        return refused(kChooseOneCrlFemur);
    case 12:
    case 13:
    case 14:
        return refused(kChooseOne);
    default:
        return weeksToday(f, today);
    }
}

} // namespace tovimar
