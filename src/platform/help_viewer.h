// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening the help at a topic: the seam between the windows and the help
// window (the kit's, or a test's fake).

#include <QString>

namespace tovimar {

class HelpViewer {
  public:
    static constexpr int kContents = 0;
    virtual ~HelpViewer() = default;
    // Opens the help at a topic number (40, 50, ...) or at the contents page.
    virtual void showTopic(int topic) = 0;
};

// The anchor of a topic in the help file: "sommaire" or "sujet-40".
QString helpAnchor(int topic);

} // namespace tovimar
