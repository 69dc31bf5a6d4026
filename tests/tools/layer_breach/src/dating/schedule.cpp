#include <QString>
#include "core/date.h"
