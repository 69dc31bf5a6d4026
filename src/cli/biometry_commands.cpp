#include "cli/command_table.h"

namespace tovimar::cli {

void addBiometryCommands(CommandTable& table) {
    (void)table;
}

} // namespace tovimar::cli
