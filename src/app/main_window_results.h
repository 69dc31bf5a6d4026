// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Copier les résultats" of the main window: the pregnancy's dates as typed,
// its term and age, the follow-up schedule and the leave as shown.

#include "ui/results_text.h"

namespace tovimar {

class MainWindow;

ResultsText mainWindowResults(const MainWindow& window);

} // namespace tovimar
