#pragma once
// The ovarian response score of Pr Parinaud, graded before an IVF stimulation:
// four criterion points (age, body-mass index, FSH, LH/FSH ratio) add up to a
// total from -2 to 6; a high total means a poor expected response. The total
// picks a response class, a line of advice and the starting dose of
// recombinant FSH for each of the two stimulation protocols.

#include <optional>
#include <string>

namespace tovimar {

// Body-mass index: weight (kg) / (height (cm) / 100)^2, rounded to 1 decimal,
// halves to even. Nothing when the quotient is undefined (a height of 0) or
// not finite, so that no such value is ever shown.
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
