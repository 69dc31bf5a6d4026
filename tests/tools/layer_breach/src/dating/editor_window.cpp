// SPDX-License-Identifier: GPL-3.0-or-later
#include "dating/editor_window.h"
#include "t21/risk_window.h"
#include "app/main.h"
