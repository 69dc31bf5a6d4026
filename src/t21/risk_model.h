// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trisomy 21 risk model: the maternal-age risk, the gestational age from the
// crown-rump length (CRL), the nuchal translucency median and likelihood ratio,
// and the relative risk by gestation. Every risk is "1 in N", carried as N.

#include <optional>
#include <string>
#include <string_view>

namespace tovimar {

// The age risk at term (Cuckle): the probability p, N = 1/q rounded to a whole
// number, and the odds against, 1/q - 1 unrounded; q = p, raised by 0.0034 after
// a previous trisomy 21 pregnancy.
struct AgeTermRisk {
    double probability = 0; // p, without the previous pregnancy's increment
    double n = 0;           // rounded
    double odds = 0;        // not rounded
};
AgeTermRisk ODDS_AGETERME(double maternalAge, bool previousTrisomy21);

// The gestational age from the CRL (Robinson's formula as a day count):
// d = 8.052 * sqrt(CRL) + 23.73 days. Nothing when the text is not a number,
// when it is 86 mm or more, or negative.
struct CrlGestationalAge {
    int days = 0;
    std::string weeksDays; // w + d/10 with a comma: "11,1", "14"
    std::string display() const { return weeksDays + " S.A."; }
};
std::optional<CrlGestationalAge> AGE_GESTA_LCC(std::string_view crlText);

// The relative risk at a gestational age written w + d/10 (12.3 for 12 weeks
// and 3 days, read as 12.3 weeks), against the risk at term (Snijders).
double RISK_RELATIF(double weeksDays);

// The median (expected) nuchal translucency in mm for a CRL in mm (Nicolaides).
double MEDIANE_CN(double crl);

// The likelihood ratio of a nuchal translucency given as a multiple of the
// median, rounded to 3 decimals (Nicolaides: log-normal distributions of the
// affected and unaffected pregnancies).
double RAP_VRAIS(double multipleOfMedian);

// A risk of 1 in N is high at N <= 200 (the screen's fixed bound).
inline bool isHighRisk(double n) {
    return n <= 200;
}

// "1/" and N rounded half to even, without exponent or separator: "1/347".
std::string riskText(double n);
// A number in its shortest decimal form with a comma, never with an exponent.
std::string t21NumberText(double value);

// A field's number as the screen reads it: the French format, blanks around
// allowed; an empty text, a text that is not a number or a value too large to
// hold (a long string of digits) give nothing.
std::optional<double> t21Number(std::string_view text);

} // namespace tovimar
