// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The charts that turn an early ultrasound measurement into an age of
// pregnancy. The gestational sac and the crown-rump length give days of
// amenorrhoea, one entry per whole millimetre; the biparietal diameter and
// the femur length give whole weeks of amenorrhoea by ranges. No
// interpolation: a measurement outside a chart has no value (nullopt).

#include <optional>

namespace tovimar {

// Gestational sac diameter, 3 to 40 mm -> days of amenorrhoea.
std::optional<int> sacDays(long long mm);

// Crown-rump length (LCC), 1 to 85 mm -> days of amenorrhoea.
std::optional<int> crlDays(long long mm);

// Biparietal diameter -> weeks of amenorrhoea. Alone: 26 to 93 mm, 92-93
// giving 40 weeks. Used together with a femur length the chart goes on to
// 95 mm: 92 gives 40 weeks and 93 to 95 give 41.
std::optional<int> biparietalWeeks(long long mm, bool withFemur);

// Femur length, 13 to 80 mm -> weeks of amenorrhoea.
std::optional<int> femurWeeks(long long mm);

} // namespace tovimar
