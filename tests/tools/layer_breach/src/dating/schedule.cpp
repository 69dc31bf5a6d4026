// SPDX-License-Identifier: GPL-3.0-or-later
#include <QString>
#include "core/date.h"
