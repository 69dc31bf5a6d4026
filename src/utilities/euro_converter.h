// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Euros and French francs at the fixed rate of 6,55957 francs to the euro.
//
// The conversion is exact decimal arithmetic on the digits typed: the typed
// amount times 6,55957 (or divided by it) is computed without any loss, then
// rounded once, to the nearest centime, a half going away from zero, as the
// regulation on the introduction of the euro requires (500 € -> 3279,785 ->
// 3279,79 F; 3788,25 F -> 577,51498... -> 577,51 €).

#include <string>
#include <string_view>

namespace tovimar {

// The largest amount the fields take has this many digits before the comma.
inline constexpr int kConverterIntegerDigits = 12;

// The francs for a typed amount of euros, in its shortest form with a decimal
// comma ("6,56"); empty when the text is not a number or has more than 12
// digits before the comma. A full stop typed for the comma reads as one.
std::string EUROFRANCS2(std::string_view euros);

// The euros for a typed amount of francs; the same rules.
std::string FRANCEUROS2(std::string_view francs);

} // namespace tovimar
