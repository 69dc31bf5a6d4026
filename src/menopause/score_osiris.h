// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The OSIRIS osteoporosis index (OSteoporosis Index of RISk) of a
// post-menopausal woman: 2 x weight / 10 - 2 x age / 10, plus 2 under hormone
// replacement therapy, minus 2 after a fracture; rounded to a whole number.
// A low score means a high risk.

#include <array>
#include <optional>
#include <string>

#include "core/vb_date.h"

namespace tovimar {

enum class OsirisRisk { Light, Intermediate, Serious };

struct OsirisScore {
    double raw = 0;   // before rounding
    double score = 0; // a whole number, halves to even (2,5 -> 2; 3,5 -> 4)
    OsirisRisk risk = OsirisRisk::Light;
    int bar = 0; // 6 - score, held to 0..13: a longer bar, a higher risk
};

// The values a woman's age and weight can plausibly take. They are wide on
// purpose, so that no real patient falls outside: the oldest documented
// human lived 122 years, and a menopause, premature ovarian insufficiency
// included, does not come before 15; the lightest adults of severe anorexia
// weigh about 20 kg, the heaviest patients a clinic weighs under 400 kg.
// Outside them the figure is a slip of the keyboard (600 for 60, -1, 10^20),
// and a score computed from it would mislead.
struct OsirisLimit {
    const char* field; // as the message names it: "L'âge", "Le poids"
    double minimum, maximum;
    const char* unit;
};
inline constexpr OsirisLimit kOsirisAgeLimit{"L'âge", 15, 125, "ans"};
inline constexpr OsirisLimit kOsirisWeightLimit{"Le poids", 15, 400, "kilos"};

// The message refusing an age or a weight outside its limits (the age named
// first), or an empty text when both are plausible:
// "Le poids doit être compris entre 15 et 400 kilos."
std::string osirisRefusal(double age, double weightKg);

// Nothing when the age or the weight is outside its limits (osirisRefusal
// says why) or not a finite number.
std::optional<OsirisScore> SCORE_OSIRIS(double age, double weightKg, bool hormoneTherapy,
                                        bool fracture);

// The published interpretation: score > 1: light; score < -3: serious; from
// -3 to 1, both included: intermediate, to be assessed by densitometry.
OsirisRisk osirisRisk(double score);

// One line of advice and how it is drawn.
struct OsirisCommentLine {
    std::string text;
    std::optional<unsigned> rgb; // nothing: the window's text colour
    bool bold = false;
    bool underline = false;
};

struct OsirisAdvice {
    std::string className;    // "Risque léger", "Risque intermédiaire", "Risque sérieux"
    unsigned scoreBackground; // RGB behind the score
    int picture;              // 1 gymnast, 2 woman with a cane, 3 woman on a swing
    std::array<OsirisCommentLine, 4> lines;
};

OsirisAdvice osirisAdvice(OsirisRisk risk);

// The age from a date of birth: calendar years between the two dates, the
// day and month of birth playing no part.
int osirisAgeFromBirth(VbDate birth, VbDate today);

} // namespace tovimar
