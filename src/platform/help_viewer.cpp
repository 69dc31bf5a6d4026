// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help_viewer.h"

namespace tovimar {

QString helpAnchor(int topic) {
    return topic == HelpViewer::kContents ? QStringLiteral("sommaire")
                                          : QStringLiteral("sujet-%1").arg(topic);
}

} // namespace tovimar
