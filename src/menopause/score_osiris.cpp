// SPDX-License-Identifier: GPL-3.0-or-later
#include "menopause/score_osiris.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/french_number.h"

namespace tovimar {

namespace {

bool within(const OsirisLimit& limit, double value) {
    // A NaN fails both comparisons and is refused too.
    return value >= limit.minimum && value <= limit.maximum;
}

std::string refusal(const OsirisLimit& limit) {
    return std::string(limit.field) + " doit être compris entre " +
           formatFrenchNumber(limit.minimum) + " et " + formatFrenchNumber(limit.maximum) + " " +
           limit.unit + ".";
}

} // namespace

std::string osirisRefusal(double age, double weightKg) {
    if (!within(kOsirisAgeLimit, age)) return refusal(kOsirisAgeLimit);
    if (!within(kOsirisWeightLimit, weightKg)) return refusal(kOsirisWeightLimit);
    return {};
}

std::optional<OsirisScore> SCORE_OSIRIS(double age, double weightKg, bool hormoneTherapy,
                                        bool fracture) {
    if (!osirisRefusal(age, weightKg).empty()) return std::nullopt;
    const double weightTerm = (2 * weightKg) / 10;
    const double ageTerm = (2 * age) / 10;
    OsirisScore s;
    s.raw = weightTerm - ageTerm + (hormoneTherapy ? 2 : 0) - (fracture ? 2 : 0);
    if (!std::isfinite(s.raw)) return std::nullopt;
    s.score = roundHalfEven(s.raw, 0);
    s.risk = osirisRisk(s.score);
    s.bar = static_cast<int>(std::clamp(6 - s.score, 0.0, 13.0));
    return s;
}

OsirisRisk osirisRisk(double score) {
    if (score > 1) return OsirisRisk::Light;
    if (score < -3) return OsirisRisk::Serious;
    return OsirisRisk::Intermediate;
}

namespace {

OsirisCommentLine line(std::string text, std::optional<unsigned> rgb = std::nullopt,
                       bool bold = false, bool underline = false) {
    return {std::move(text), rgb, bold, underline};
}

} // namespace

OsirisAdvice osirisAdvice(OsirisRisk risk) {
    constexpr unsigned kBlue = 0x0000FF, kGreen = 0x00C000, kRed = 0xFF0000;
    switch (risk) {
    case OsirisRisk::Light:
        return {"Risque léger",
                0x00FF00,
                1,
                {line("Risque d'ostéoporose léger.", kBlue),
                 line("Prise en charge de l'ostéoporose non indiquée."),
                 line("Ostéodensitométrie non indiquée."), line("Traitement inutile.")}};
    case OsirisRisk::Intermediate:
        return {"Risque intermédiaire",
                0xFFFF00,
                3,
                {line("Risque d'ostéoporose intermediaire.", kGreen),
                 line("Le score ne nous permet pas de décider de la conduite à tenir."),
                 line("L'OSTEODENSITOMETRIE est donc fortement indiquée.", kRed, true),
                 line("Traitement à discuter fonction des résultats.")}};
    case OsirisRisk::Serious:
        break;
    }
    return {"Risque sérieux",
            0xFF0000,
            2,
            {line("Risque d'ostéoporose sérieux.", kRed, true),
             line("La prise en charge de l'ostéoporose est fortement indiquée."),
             line("Ostéodensitométrie est ici diagnostique et pronostique."),
             line("Patiente à confier aux rhumatologues.", std::nullopt, false, true)}};
}

int osirisAgeFromBirth(VbDate birth, VbDate today) {
    return today.year() - birth.year();
}

} // namespace tovimar
