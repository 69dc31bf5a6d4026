#include "cli/command_table.h"

namespace tovimar::cli {

void addObstetricsCommands(CommandTable& table) {
    (void)table;
}

} // namespace tovimar::cli
