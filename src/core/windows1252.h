// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows-1252, the code page of the settings files, to and from UTF-8.

#include <string>
#include <string_view>
#include <vector>

namespace tovimar {

std::string windows1252ToUtf8(std::string_view bytes);
// Characters that Windows-1252 cannot hold become '?'.
std::string utf8ToWindows1252(std::string_view utf8);
// Those characters, as UTF-8, in order (a byte that is not UTF-8 is given as U+FFFD).
std::vector<std::string> unrepresentableInWindows1252(std::string_view utf8);

} // namespace tovimar
