// SPDX-License-Identifier: GPL-3.0-or-later
#include "biometry/illustrations.h"

#include <array>
#include <utility>

namespace tovimar {

QString illustrationPath(Measure m) {
    // In the order of the chart buttons: BPD, HC, transverse abdominal
    // diameter, AC, femur, foot, cerebellum.
    static const std::array<std::pair<Measure, const char*>, 7> list = {{
        {Measure::Bip, "echo_bip.svg"},
        {Measure::Cc, "echo_cc.svg"},
        {Measure::Dat, "echo_dat.svg"},
        {Measure::CA, "echo_ca.svg"},
        {Measure::Fem, "echo_fem.svg"},
        {Measure::Pied, "echo_pied.svg"},
        {Measure::Cer, "echo_cervelet.svg"},
    }};
    for (const auto& [measure, file] : list)
        if (measure == m) return QStringLiteral(":/illustrations/") + QLatin1String(file);
    return {};
}

} // namespace tovimar
