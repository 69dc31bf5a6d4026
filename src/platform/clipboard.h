// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's clipboard, where "Copier les résultats" puts a window's
// results as plain text for the practitioner's record software.

#include <QString>

namespace tovimar {

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString& text) = 0;
};

// The system clipboard (and, on X11, the selection pasted by the middle button).
class SystemClipboard : public Clipboard {
  public:
    void setText(const QString& text) override;
};

} // namespace tovimar
