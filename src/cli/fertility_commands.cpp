#include "cli/command_table.h"

namespace tovimar::cli {

void addFertilityCommands(CommandTable& table) {
    (void)table;
}

} // namespace tovimar::cli
