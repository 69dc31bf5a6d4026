// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The five short texts of the OSIRIS window's "A propos" menu: the entry's
// caption and the message it shows, lines separated by CR LF.

#include <array>
#include <string>

namespace tovimar {

struct OsirisAboutEntry {
    std::string caption;
    std::string message;
};

const std::array<OsirisAboutEntry, 5>& osirisAboutEntries();

} // namespace tovimar
