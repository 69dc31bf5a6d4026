#include "cli/command_table.h"

namespace tovimar::cli {

void addMenopauseCommands(CommandTable& table) {
    (void)table;
}

} // namespace tovimar::cli
