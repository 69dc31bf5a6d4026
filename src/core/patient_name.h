// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The patient's name as the letters print it after their own "Madame".

#include <string>
#include <string_view>

namespace tovimar {

// The name typed, without the blanks around it and without a civility typed
// before it ("Madame", "Mme", "Mme.", "Mademoiselle", "Mlle", "Melle", in any
// case), which the letters already write: "Mme Dupont" gives "Dupont". A name
// that is nothing but a civility is kept as typed.
std::string withoutCivility(std::string_view name);

} // namespace tovimar
