#include "t21/risk_window.h"
#include "dating/editor_window.h"
