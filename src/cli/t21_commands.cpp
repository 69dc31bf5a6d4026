#include "cli/command_table.h"

namespace tovimar::cli {

void addT21Commands(CommandTable& table) {
    (void)table;
}

} // namespace tovimar::cli
