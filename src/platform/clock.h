// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Today, as the calculations take it: a parameter, never read inside them.

#include "core/vb_date.h"

namespace tovimar {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual VbDate today() const = 0;
};

class SystemClock : public Clock {
  public:
    VbDate today() const override;
};

} // namespace tovimar
