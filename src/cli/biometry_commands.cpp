// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "biometry/biometry_measures.h"
#include "biometry/customised_centile.h"
#include "biometry/fetal_weight.h"
#include "biometry/percentile_band.h"
#include "biometry/plausible_measures.h"
#include "biometry/reference_charts.h"
#include "cli/command_table.h"
#include "core/french_number.h"

namespace tovimar::cli {
namespace {

// "" or "-" stands for an empty field.
std::string fieldArg(const std::vector<std::string>& args, std::size_t i) {
    const std::string& text = args.at(i);
    return text == "-" ? std::string() : text;
}

Measure measureArg(const std::vector<std::string>& args, std::size_t i) {
    if (const auto m = measureFromFieldName(args.at(i))) return *m;
    throw UsageError("« " + args[i] +
                     " » n'est pas une mesure : Orb, Bip, Cc, Dat, CA, Fem, Pied, Hum ou Cer.");
}

// The measurement fields a weight needs: nothing when one is empty (the window
// then says which fields it needs); a French message when one is not a number.
std::optional<std::vector<double>> measurementArgs(const std::vector<std::string>& args,
                                                   const std::vector<std::string>& names) {
    std::vector<double> values;
    bool missing = false;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (fieldArg(args, i).empty())
            missing = true;
        else
            values.push_back(numberArg(args, i, names[i]));
    }
    if (missing) return std::nullopt;
    return values;
}

// The first measurement a fetus cannot have, told as the window tells it.
std::optional<std::string> implausible(const std::vector<double>& values,
                                       const std::vector<Measure>& measures) {
    for (std::size_t i = 0; i < values.size() && i < measures.size(); ++i)
        if (auto m = implausibleMeasureMessage(measures[i], values[i])) return m;
    return std::nullopt;
}

Result message(std::string_view text) {
    Result r;
    r.text = std::string(text);
    r.field("message", r.text);
    return r;
}

Result grams(std::optional<long long> weight, const char* tooLarge) {
    Result r;
    if (!weight) {
        r.text = tooLarge;
        r.field("message", r.text);
        return r;
    }
    r.text = gramsText(*weight);
    r.field("texte", r.text).number("poids_g", std::to_string(*weight));
    return r;
}

constexpr const char* kTooLarge = "Mesures trop grandes : aucun poids ne peut être estimé.";

Result bandCommand(const std::vector<std::string>& a) {
    const BandLabel label = BANDE_CENTILE(measureArg(a, 0), fieldArg(a, 1), fieldArg(a, 2));
    const std::string style = label.emphasised ? "rouge 10" : "bleu 8";
    Result r;
    r.text = (label.keep ? std::string("(inchangé)") : label.caption) + "\n" + style;
    r.number("inchange", label.keep ? "true" : "false");
    if (!label.keep) r.field("legende", label.caption);
    r.field("style", style);
    return r;
}

Result mediansCommand(const std::vector<std::string>& a) {
    const long long week = wholeArg(a, 0, "semaines d'aménorrhée");
    const auto medians = MEDIANES_SA(week < -1000 || week > 1000 ? -1 : static_cast<int>(week));
    Result r;
    for (Measure m : kMeasuresOnScreen) {
        const std::string name(measureFieldName(m));
        const auto median = medians[measureIndex(m)];
        if (!r.text.empty()) r.text += "\n";
        r.text += median ? name + " " + std::to_string(*median) : name;
        r.number(name, median ? std::to_string(*median) : "null");
    }
    return r;
}

Result customisedCommand(const std::vector<std::string>& a) {
    const std::vector<std::string> names = {"jours", "poids de la mère", "taille de la mère",
                                            "poids foetal"};
    std::vector<double> values;
    bool missing = false;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (fieldArg(a, i).empty())
            missing = true;
        else
            values.push_back(numberArg(a, i, names[i]));
    }
    auto position = [&](std::size_t i, const char* name) {
        const long long p = wholeArg(a, i, name);
        return p < -1 || p > 100 ? -1 : static_cast<int>(p); // outside the lists: none
    };
    const int sex = position(4, "sexe");
    const int ethnic = position(5, "ethnie");
    const int parity = position(6, "parité");
    Result r;
    // An empty field: the window stops without a word, its labels unchanged.
    if (missing) return r;
    const CustomisedCentile c =
        CENTILE_GARDOSI(values[0], values[1], values[2], values[3], sex, ethnic, parity);
    switch (c.status) {
    case CustomisedCentile::Status::BadInput:
        return r;
    case CustomisedCentile::Status::OutOfRange:
        return message(kCustomisedRangeMessage);
    case CustomisedCentile::Status::Computed:
        break;
    }
    const std::string colours = c.alarm ? "blanc sur rouge" : "noir sur orange";
    r.text = std::to_string(c.expectedWeight) + "g\n" + std::to_string(c.centile) + "\n" + colours;
    r.field("poids_attendu", std::to_string(c.expectedWeight) + "g")
        .number("centile", std::to_string(c.centile))
        .field("couleurs", colours);
    return r;
}

} // namespace

void addBiometryCommands(CommandTable& t) {
    t.push_back({"BANDE_CENTILE",
                 {"mesure", "sa", "texte"},
                 "bande de percentile d'une mesure (Orb Bip Cc Dat CA Fem Pied Hum Cer) à un âge "
                 "en semaines, et son style",
                 bandCommand});
    t.push_back({"MEDIANES_SA",
                 {"semaines"},
                 "médianes des neuf mesures à un âge en semaines d'aménorrhée",
                 mediansCommand});
    t.push_back({"POIDS_HADLOCK",
                 {"cc", "ca", "fémur"},
                 "poids foetal estimé selon Hadlock (1985)",
                 [](const auto& a) {
                     const auto v = measurementArgs(
                         a, {"circonférence céphalique", "circonférence abdominale", "fémur"});
                     if (!v) return message(kDudleyFieldsMessage);
                     if (auto m = implausible(*v, {Measure::Cc, Measure::CA, Measure::Fem}))
                         return message(*m);
                     return grams(POIDS_HADLOCK((*v)[0], (*v)[1], (*v)[2]), kTooLarge);
                 }});
    t.push_back({"POIDS_SHEPHARD",
                 {"bip", "ca"},
                 "poids foetal estimé selon Shepard (1982)",
                 [](const auto& a) {
                     const auto v = measurementArgs(a, {"Bip", "circonférence abdominale"});
                     if (!v) return message(kShepardFieldsMessage);
                     if (auto m = implausible(*v, {Measure::Bip, Measure::CA})) return message(*m);
                     return grams(POIDS_SHEPHARD((*v)[0], (*v)[1]), kTooLarge);
                 }});
    t.push_back({"POIDS_DUDLEY",
                 {"cc", "ca", "fémur"},
                 "poids foetal estimé (formule présentée comme Dudley)",
                 [](const auto& a) {
                     const auto v = measurementArgs(
                         a, {"circonférence céphalique", "circonférence abdominale", "fémur"});
                     if (!v) return message(kDudleyFieldsMessage);
                     if (auto m = implausible(*v, {Measure::Cc, Measure::CA, Measure::Fem}))
                         return message(*m);
                     return grams(POIDS_DUDLEY((*v)[0], (*v)[1], (*v)[2]), kTooLarge);
                 }});
    t.push_back({"CENTILE_GARDOSI",
                 {"jours", "poids_mère", "taille_mère", "poids_foetal", "sexe", "ethnie", "parité"},
                 "poids customisé attendu et centile du poids foetal (Gardosi) ; sexe, ethnie et "
                 "parité : position dans la liste, -1 sans choix",
                 customisedCommand});
}

} // namespace tovimar::cli
