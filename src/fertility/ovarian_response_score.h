// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ovarian response score of Pr Parinaud, graded before an IVF stimulation:
// four criterion points (age, body-mass index, FSH, LH/FSH ratio) add up to a
// total from -2 to 6; a high total means a poor expected response. The total
// picks a response class, a line of advice and the starting dose of
// recombinant FSH for each of the two stimulation protocols.

#include <optional>
#include <string>

namespace tovimar {

// The weights and heights a woman can plausibly have. They are wide on
// purpose, so that no real patient falls outside: the lightest adults of
// severe anorexia weigh about 20 kg, the heaviest patients a clinic weighs
// under 400 kg; the shortest adult women, of primordial dwarfism, measure
// about 60 cm, the tallest under 2,50 m. Outside them the figure is a slip
// (a height typed in metres, 1,70 for 170 cm, gave a BMI of 242 214,5).
struct FertilityLimit {
    const char* field;    // as the message names it
    const char* included; // "compris" or "comprise", agreeing with the field
    double minimum, maximum;
    const char* unit;
};
inline constexpr FertilityLimit kFertilityWeightLimit{"Le poids", "compris", 15, 400, "kg"};
inline constexpr FertilityLimit kFertilityHeightLimit{"La taille", "comprise", 50, 250, "cm"};
// No woman is treated for fertility before puberty, and the oldest mothers
// after IVF were about 74: an age outside is a slip (a year typed for an age).
inline constexpr FertilityLimit kFertilityAgeLimit{"L'âge", "compris", 15, 80, "ans"};

// The message refusing a value outside its limits, or an empty text:
// "L'âge doit être compris entre 15 et 80 ans."
std::string limitRefusal(const FertilityLimit& limit, double value);

// The message refusing a weight or a height outside its limits (the weight
// named first), or an empty text when both are plausible:
// "La taille doit être comprise entre 50 et 250 cm."
std::string bmiRefusal(double weightKg, double heightCm);

// Body-mass index: weight (kg) / (height (cm) / 100)^2, rounded to 1 decimal,
// halves to even. Nothing when the weight or the height is outside its limits
// (bmiRefusal says why) or the quotient is not finite, so that no such value
// is ever shown.
std::optional<double> IMC(double weightKg, double heightCm);

// LH / FSH rounded to 2 decimals, halves to even; nothing for an FSH of 0 or
// a quotient that is not finite.
std::optional<double> RAPPORT_LH_FSH(double lh, double fsh);

struct OvarianResponsePoints {
    int age = 0;
    int bmi = 0;
    int fsh = 0;
    int lhFsh = 0;
};

struct OvarianResponseVerdict {
    OvarianResponsePoints points;
    int total = 0;
    std::string responseClass; // LblRepond
    std::string advice;        // LblDemar, begins with a blank
    bool agonistPanelShown = false;
    bool antagonistPanelShown = false;
    std::string agonistDose; // LblStimAgo
    // LblStimAnta; a hyper-responder gets no antagonist dose and the label
    // keeps whatever it showed.
    std::optional<std::string> antagonistDose;
};

// `age` is the age as typed (its whole part counts), `bmi` and `lhFsh` the
// values as displayed (already rounded), `fsh` the FSH as typed.
OvarianResponseVerdict SCORE_RO(double age, double bmi, double lhFsh, double fsh);

// What the two dose labels show before the first score.
inline constexpr const char* kInitialAgonistDose = "Démarrer à 150 UI de FSRr";
inline constexpr const char* kInitialAntagonistDose = "Démarrer à J2 avec 150 UI de FSHr";

} // namespace tovimar
