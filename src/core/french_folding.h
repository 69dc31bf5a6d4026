// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The key a French reader sorts and compares town names by: accents and case
// ignored (É with E, Œ as OE, ß as SS), hyphens and apostrophes read as
// blanks, runs of blanks as one. "Saint-Étienne", "SAINT ETIENNE" and
// "saint  étienne" share the key "SAINT ETIENNE", and a typed "E" comes
// before "ÉPINAL" instead of after "Z" as raw bytes would.

#include <string>
#include <string_view>

namespace tovimar {

// The folded key of a UTF-8 text: ASCII capitals, digits and punctuation, one
// blank between words, no leading blank (a trailing one is kept, so that
// "SAINT " sorts after "SAINT" and before "SAINTE"). Letters outside the Latin
// alphabet are kept as they are; a byte that is not UTF-8 is kept as it is.
std::string foldFrenchText(std::string_view utf8);

// The folded key of a town name, which also reads the ways people and the
// postal directory abbreviate one: "ST", "STE", "SAINT" and "SAINTE" are one
// word (SAINT), and "S/" is "SUR". "st etienne", "ST-ÉTIENNE" and
// "Saint-Étienne" share the key "SAINT ETIENNE"; "Châlons s/Marne" reads
// "CHALONS SUR MARNE". The towns are stored under this key and searched by it.
std::string foldTownName(std::string_view utf8);

} // namespace tovimar
