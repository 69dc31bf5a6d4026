// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cause of a failed file operation in French, from the system's error
// number: what the user reads instead of the system's English text.

#include <string>

namespace tovimar {

// "le disque est plein", "le dossier est en lecture seule", "permission refusée"...
std::string frenchErrorCause(int errorNumber);

} // namespace tovimar
