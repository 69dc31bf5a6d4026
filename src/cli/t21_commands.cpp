// SPDX-License-Identifier: GPL-3.0-or-later
// The trisomy 21 risk from the command line: the model's functions one by
// one, and the whole screen as a practitioner fills it.
#include <array>
#include <cmath>

#include "cli/command_table.h"
#include "core/french_number.h"
#include "t21/patient_letter.h"
#include "t21/risk_calculation.h"
#include "t21/risk_model.h"
#include "t21/screening_conduct.h"
#include "t21/ultrasound_signs.h"

namespace tovimar::cli {
namespace {

bool yesNoArg(const std::vector<std::string>& args, std::size_t i, const std::string& name) {
    if (args.at(i) == "oui") return true;
    if (args.at(i) == "non") return false;
    throw UsageError("« " + args[i] + " » : " + name + " vaut oui ou non.");
}

// The ticked signs: eight characters 0/1 in list order, or "-" for none.
std::array<bool, kSignCount> signsArg(const std::vector<std::string>& args, std::size_t i) {
    std::array<bool, kSignCount> ticked{};
    const std::string& text = args.at(i);
    if (text == "-") return ticked;
    if (text.size() != kSignCount || text.find_first_not_of("01") != std::string::npos)
        throw UsageError("« " + text +
                         " » : les signes échographiques s'écrivent avec huit chiffres 0 ou 1 "
                         "dans l'ordre de la liste (00100000 : fémur court), ou - pour aucun.");
    for (std::size_t k = 0; k < kSignCount; ++k)
        ticked[k] = text[k] == '1';
    return ticked;
}

// A field of the screen: "" or "-" stands for an empty field.
std::string fieldArg(const std::vector<std::string>& args, std::size_t i) {
    return args.at(i) == "-" ? std::string() : args[i];
}

// The field's text as typing leaves it: a full stop typed in a decimal field
// becomes a comma.
std::string typedDecimal(std::string text) {
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

Result oneLine(const std::string& text, const std::string& field) {
    Result r;
    r.text = text;
    r.field(field, text);
    return r;
}

double finiteOrRefuse(double value, const std::string& what) {
    if (!std::isfinite(value))
        throw UsageError("« " + what + " » : valeur hors du domaine du calcul.");
    return value;
}

Result ageTerm(const std::vector<std::string>& a) {
    const double age = numberArg(a, 0, "âge");
    const AgeTermRisk risk = ODDS_AGETERME(age, yesNoArg(a, 1, "atcd_t21"));
    finiteOrRefuse(risk.n, a[0]);
    if (risk.n < 1) throw UsageError("« " + a[0] + " » : âge hors du domaine du calcul.");
    Result r = oneLine(riskText(risk.n), "LblAgeT");
    r.number("N", jsonNumber(risk.n))
        .number("probabilite", jsonNumber(risk.probability))
        .number("cote", jsonNumber(risk.odds))
        .number("rouge", isHighRisk(risk.n) ? "true" : "false");
    return r;
}

Result crlAge(const std::vector<std::string>& a) {
    const std::optional<CrlGestationalAge> age = AGE_GESTA_LCC(a.at(0));
    Result r;
    if (!age) {
        r.number("LblAgeGesta", "null");
        return r;
    }
    r.text = age->display();
    r.field("LblAgeGesta", r.text)
        .field("sa", age->weeksDays)
        .number("jours", std::to_string(age->days));
    return r;
}

Result relativeRisk(const std::vector<std::string>& a) {
    const double weeks = numberArg(a, 0, "sa");
    if (weeks <= 0) throw UsageError("« " + a[0] + " » : l'âge gestationnel doit être positif.");
    const double rr = finiteOrRefuse(RISK_RELATIF(weeks), a[0]);
    Result r = oneLine(t21NumberText(roundHalfEven(rr, 3)), "LblRisqRelatif");
    r.number("risque_relatif", jsonNumber(rr));
    return r;
}

Result median(const std::vector<std::string>& a) {
    const double median = finiteOrRefuse(MEDIANE_CN(numberArg(a, 0, "lcc")), a[0]);
    Result r = oneLine(t21NumberText(roundHalfEven(median, 1)) + " mm", "LblMedCn");
    r.number("mediane_mm", jsonNumber(median));
    return r;
}

Result likelihoodRatio(const std::vector<std::string>& a) {
    const double mom = numberArg(a, 0, "mom");
    if (mom <= 0)
        throw UsageError("« " + a[0] + " » : le multiple de la médiane doit être positif.");
    const double ratio = finiteOrRefuse(RAP_VRAIS(mom), a[0]);
    Result r = oneLine(t21NumberText(ratio), "LblRapVrai");
    r.number("rapport", jsonNumber(ratio));
    return r;
}

T21Screen tickAll(T21Screen screen, const std::array<bool, kSignCount>& ticked) {
    // The signs are ticked one after the other, in list order.
    for (std::size_t k = 0; k < kSignCount; ++k)
        if (ticked[k]) screen = tickSign(std::move(screen), k, true);
    return screen;
}

Result afterScan(const std::vector<std::string>& a) {
    const double n = numberArg(a, 0, "N");
    if (n < 1) throw UsageError("« " + a[0] + " » : un risque 1/N demande N d'au moins 1.");
    T21Screen screen = tickAll({}, signsArg(a, 1));
    // The base risk stands where the age risk at term would.
    screen.state.ageTermN = n;
    screen.results.ageAtTerm = riskText(n);
    screen = CALCULE_ECHO(std::move(screen));
    Result r = oneLine(screen.results.afterMorphologyScan, "LblRiskEcho");
    r.number("N", jsonNumber(screen.state.afterScanN))
        .number("coefficient", jsonNumber(screen.state.markerCoefficient))
        .number("rouge", isHighRisk(screen.state.afterScanN) ? "true" : "false");
    return r;
}

Result coefficient(const std::vector<std::string>& a) {
    const double c = markerCoefficient(signFactors(signsArg(a, 0)));
    const std::optional<std::string> text = coefficientText(c);
    Result r;
    if (text) r.text = *text;
    r.field("LblCoef", r.text).number("coefficient", jsonNumber(c));
    return r;
}

Result explanation(const std::vector<std::string>& a) {
    const long long index = wholeArg(a, 0, "indice");
    const std::optional<std::string> text =
        index < 0 ? std::nullopt : signExplanation(static_cast<std::size_t>(index));
    if (!text) throw UsageError("« " + a[0] + " » : les signes sont numérotés de 0 à 7.");
    const UltrasoundSign& item = kUltrasoundSigns[static_cast<std::size_t>(index)];
    const std::string sign = item.explanation, source = item.source;
    Result r;
    r.text = sign + "\n" + source;
    r.field("ligne1", sign).field("ligne2", source);
    return r;
}

Result wholeScreen(const std::vector<std::string>& a) {
    const bool previous = yesNoArg(a, 1, "atcd_t21");
    const std::array<bool, kSignCount> ticked = signsArg(a, 5);
    // A window just opened: reset, the CRL entered in one change, the signs ticked.
    T21Screen screen = resetT21Screen({});
    const std::string crl = fieldArg(a, 3);
    const std::string gaDisplay = enterCrl(screen.state, crl);
    screen = tickAll(std::move(screen), ticked);
    T21Inputs in;
    in.age = typedDecimal(fieldArg(a, 0));
    in.previousTrisomy21 = previous;
    in.serum = typedDecimal(fieldArg(a, 2));
    in.crl = crl;
    in.nt = typedDecimal(fieldArg(a, 4));
    const T21Calculation calc = calculateT21Risk(std::move(screen), in);
    const T21Slots& s = calc.screen.results;
    const T21RedResults red = redResults(calc.screen);
    const std::optional<std::string> coef = coefficientText(calc.screen.state.markerCoefficient);

    Result r;
    const std::string message = failureMessage(calc.failure);
    if (!message.empty()) r.text += message + "\n";
    r.field("message", message);
    auto line = [&](const char* name, const std::string& text, bool isRed = false) {
        if (!text.empty())
            r.text += std::string(name) + "=" + text + (isRed ? " (rouge)" : "") + "\n";
        r.field(name, text);
        if (isRed) r.number(std::string(name) + "_rouge", "true");
    };
    line("LblAgeGesta", gaDisplay);
    line("LblAgeT", s.ageAtTerm, red.ageAtTerm);
    line("Frame12", s.ageAtScanCaption);
    line("LblAge", s.ageAtScan, red.ageAtScan);
    line("LblRCNT", s.nuchalAtTerm, red.nuchalAtTerm);
    line("Frame8", s.nuchalAtScanCaption);
    line("LblRCN", s.nuchalAtScan, red.nuchalAtScan);
    line("LblMedCn", s.nuchalMedian);
    line("LblMultMed", s.nuchalMultipleOfMedian);
    line("LblRisqRelatif", s.relativeRisk);
    line("LblRapVrai", s.likelihoodRatio);
    line("LblRiskSero", s.serumAtTesting, red.serumAtTesting);
    line("LblRiskSeroT", s.serumAtTerm, red.serumAtTerm);
    line("LblRiskInt", s.integratedAtTesting, red.integratedAtTesting);
    line("LblRiskIntT", s.integratedAtTerm, red.integratedAtTerm);
    line("LblCoef", coef.value_or(std::string()));
    line("LblRiskEcho", s.afterMorphologyScan, red.afterMorphologyScan);
    line("LblRGlobal", s.afterMorphologyScanN);
    if (!r.text.empty()) r.text.pop_back();
    return r;
}

std::string hexColour(std::uint32_t rgb) {
    static const char* const hex = "0123456789ABCDEF";
    std::string text = "#";
    for (int shift = 20; shift >= 0; shift -= 4)
        text += hex[(rgb >> shift) & 0xF];
    return text;
}

// The conduct line of the trisomy 21 window for a combined risk 1/N (the
// laboratory's field), a nuchal translucency ("" or - for none) and the
// strategy: 2018, or seuil=T for the single threshold T of the term settings.
Result conduct(const std::vector<std::string>& a) {
    const std::string nText = typedDecimal(a.at(0));
    const std::optional<double> n = t21Number(nText);
    if (!n)
        throw UsageError("« " + a[0] +
                         " » : N s'écrit par le nombre N du risque 1/N (1/250 : 250).");
    const std::string ntText = typedDecimal(fieldArg(a, 1));
    std::optional<double> nt;
    if (!ntText.empty()) {
        nt = t21Number(ntText);
        if (!nt)
            throw UsageError(
                "« " + a[1] +
                " » : la clarté nucale s'écrit en mm (2,5), ou \"\" ou - sans mesure.");
    }
    const std::string& strategyText = a.at(2);
    ScreeningStrategy strategy = ScreeningStrategy::Thresholds2018;
    long long threshold = 0;
    if (strategyText.rfind("seuil=", 0) == 0) {
        const std::optional<long long> t = letterThreshold(strategyText.substr(6));
        if (!t)
            throw UsageError("« " + strategyText +
                             " » : le seuil s'écrit seuil=N, N entier de -32768 à 32767 "
                             "(seuil=250).");
        strategy = ScreeningStrategy::SingleThreshold;
        threshold = *t;
    } else if (strategyText != "2018") {
        throw UsageError("« " + strategyText +
                         " » : la stratégie s'écrit 2018 (seuils de 1/50 et 1/1000) ou seuil=N "
                         "(seuil unique des réglages du terme, seuil=250).");
    }

    // What the window says of such fields: their messages, and no conduct.
    Result r;
    if (*n < T21Limits::kSerumNMin || *n > T21Limits::kSerumNMax) {
        r.text = failureMessage(T21Failure::CombinedUnreadable);
        r.field("message", r.text);
        return r;
    }
    if (nt && *nt <= 0) {
        r.text = failureMessage(T21Failure::NuchalTranslucencyMissing);
        r.field("message", r.text);
        return r;
    }
    if (nt && *nt > T21Limits::kNuchalMax) {
        r.text = failureMessage(T21Failure::NuchalTranslucencyImplausible);
        r.field("message", r.text);
        return r;
    }
    const double whole = roundHalfEven(*n);
    const std::optional<ConductBand> band = conductBand(whole, nt, strategy, threshold);
    // A risk is always given here, so there is always a band.
    r.text = conductSentence(*band, threshold);
    static const char* const names[] = {
        "caryotype",    "caryotype_clarte_nucale", "dpni",
        "aucun_examen", "au_dessus_du_seuil",      "au_dessous_du_seuil"};
    const ConductColours colours = conductColours(*band);
    r.field("LblConduite", r.text)
        .field("bande", names[static_cast<int>(*band)])
        .number("N", jsonNumber(whole))
        .field("couleur_texte", hexColour(colours.text))
        .field("couleur_fond", hexColour(colours.background));
    return r;
}

} // namespace

void addT21Commands(CommandTable& t) {
    t.push_back({"ODDS_AGETERME",
                 {"âge", "atcd_t21"},
                 "risque de trisomie 21 à terme lié à l'âge maternel (ATCD de T21 : oui/non)",
                 ageTerm});
    t.push_back({"AGE_GESTA_LCC",
                 {"lcc"},
                 "âge gestationnel d'après la LCC en mm (rien au-delà de 85 mm)",
                 crlAge});
    t.push_back({"RISK_RELATIF",
                 {"sa"},
                 "risque relatif de trisomie 21 à l'âge gestationnel (12,3 : 12 SA et 3 jours) "
                 "par rapport au terme",
                 relativeRisk});
    t.push_back(
        {"MEDIANE_CN", {"lcc"}, "clarté nucale médiane (attendue) pour une LCC en mm", median});
    t.push_back({"RAP_VRAIS",
                 {"mom"},
                 "rapport de vraisemblance d'une clarté nucale en multiple de la médiane",
                 likelihoodRatio});
    t.push_back({"CALCULE_ECHO",
                 {"N", "marqueurs"},
                 "risque après échographie morphologique pour un risque 1/N et les signes cochés "
                 "(huit chiffres 0/1 dans l'ordre de la liste, - pour aucun)",
                 afterScan});
    t.push_back({"COEFFICIENT_RISQUE",
                 {"marqueurs"},
                 "coefficient de risque des signes échographiques cochés (rien quand il vaut 1)",
                 coefficient});
    t.push_back({"EXPLICATION_SIGNE",
                 {"indice"},
                 "explication d'un signe échographique (0 à 7) et sa source",
                 explanation});
    t.push_back({"RISQUE_T21",
                 {"âge", "atcd_t21", "sérum", "lcc", "cn", "marqueurs"},
                 "fenêtre Risque de trisomie 21 remplie puis « Calcule » : le message éventuel et "
                 "chaque résultat affiché (champ vide : \"\" ou -)",
                 wholeScreen});
    t.push_back({"CONDUITE_T21",
                 {"N", "clarte_nucale", "strategie"},
                 "conduite à tenir pour un risque combiné 1/N et une clarté nucale en mm (\"\" ou "
                 "- sans mesure), selon la stratégie 2018 (1/50 et 1/1000) ou seuil=N (seuil "
                 "unique des réglages du terme)",
                 conduct});
}

} // namespace tovimar::cli
