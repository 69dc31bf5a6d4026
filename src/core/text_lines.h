// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of the program break their lines with CR (the proverbs) or CR LF
// (the reminders); screens and terminals want LF.

#include <string>
#include <string_view>

namespace tovimar {

// CR LF and lone CR become LF.
std::string toLineFeeds(std::string_view text);

} // namespace tovimar
