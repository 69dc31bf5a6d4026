#pragma once
// Euros and French francs at the fixed rate of 6,55957 francs to the euro.
//
// Amounts are counts of ten-thousandths, as the former currency fields were:
// the typed amount is rounded to 4 decimals, converted and rounded again to 4
// decimals, then shown to 2 decimals; every rounding sends a half to the even
// neighbour (1 € -> 6,5596 -> 6,56 F; 100 F -> 15,2449 -> 15,24 €).

#include <string>
#include <string_view>

namespace tovimar {

// The largest amount the fields take has this many digits before the comma.
inline constexpr int kConverterIntegerDigits = 12;

// The francs for a typed amount of euros, in its shortest form with a decimal
// comma ("6,56"); empty when the text is not a number or has more than 12
// digits before the comma once rounded.
std::string EUROFRANCS2(std::string_view euros);

// The euros for a typed amount of francs; the same rules.
std::string FRANCEUROS2(std::string_view francs);

} // namespace tovimar
