// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Our drawings of how each charted measure is taken: the section, with two
// yellow crosses and a dotted line, or a dotted ellipse for a circumference.
// One ordered list serves the plotting window and the chart viewer.

#include <QString>

#include "biometry/biometry_measures.h"

namespace tovimar {

// The illustration of a charted measure, as a resource path to an SVG drawing;
// empty for a measure without a chart.
QString illustrationPath(Measure m);

} // namespace tovimar
