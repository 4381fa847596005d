#include "cli/command.h"
#include "cli/command_help.h"

namespace talvo::cli {

// Function-local statics: command files register themselves during static initialisation,
// in an order across files that nothing may depend on.
std::map<std::string, Command>& Commands() {
    static std::map<std::string, Command> commands;
    return commands;
}

std::map<std::string, std::string>& CommandHelp() {
    static std::map<std::string, std::string> help;
    return help;
}

}  // namespace talvo::cli
