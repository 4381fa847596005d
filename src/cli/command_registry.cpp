#include <algorithm>

#include "cli/cli_texts.h"
#include "cli/command.h"
#include "cli/command_help.h"

namespace talvo::cli {

// Function-local statics: command files register themselves during static initialisation,
// in an order across files that nothing may depend on.
std::map<std::string, Command>& Commands() {
    static std::map<std::string, Command> commands;
    return commands;
}

std::map<std::string, HelpText>& CommandHelp() {
    static std::map<std::string, HelpText> help;
    return help;
}

std::string Summary(const Command& command) {
    return Say(command.summary, {WithShippedLanguages(command.synopsis)});
}

std::string CommandTable(const std::map<std::string, Command>& commands, std::size_t width) {
    std::size_t longest = 0;
    for (const auto& entry : commands) longest = std::max(longest, entry.first.size());
    const std::size_t column = 2 + longest + 2;
    std::string out;
    for (const auto& [name, command] : commands) {
        std::string line = "  " + name + std::string(column - 2 - name.size(), ' ');
        const std::vector<std::string> lines =
            WrapWords(Summary(command), width > column ? width - column : 1);
        for (const std::string& words : lines) {
            out += line + words + "\n";
            line.assign(column, ' ');
        }
        if (lines.empty()) out += line + "\n";
    }
    return out;
}

}  // namespace talvo::cli
