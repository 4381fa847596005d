#include <algorithm>

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

std::string CommandTable(const std::map<std::string, Command>& commands, std::size_t width) {
    std::size_t longest = 0;
    for (const auto& entry : commands) longest = std::max(longest, entry.first.size());
    const std::size_t column = 2 + longest + 2;
    std::string out;
    for (const auto& [name, command] : commands) {
        std::string line = "  " + name + std::string(column - 2 - name.size(), ' ');
        std::size_t at = 0;
        const std::string& text = command.summary;
        while (at < text.size()) {
            // The words that fit; a word longer than the room gets a line of its own.
            std::size_t end = text.size();
            if (column + (end - at) > width) {
                const std::size_t room = width > column ? width - column : 1;
                end = text.rfind(' ', at + room);
                if (end == std::string::npos || end <= at) end = text.find(' ', at);
                if (end == std::string::npos) end = text.size();
            }
            line.append(text, at, end - at);
            out += line + "\n";
            line.assign(column, ' ');
            at = end;
            while (at < text.size() && text[at] == ' ') ++at;
        }
        if (text.empty()) out += line + "\n";
    }
    return out;
}

}  // namespace talvo::cli
