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

// Nothing when the score would not be finite (an age or weight too large to
// compute with).
std::optional<OsirisScore> SCORE_OSIRIS(double age, double weightKg, bool hormoneTherapy,
                                        bool fracture);

// Score >= 1: light; score <= -3: serious; in between: intermediate.
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
