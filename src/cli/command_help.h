#pragma once

#include <map>
#include <string>

#include "cli/command.h"

namespace talvo::cli {

// Detailed help of a command, printed by `talvo-cli COMMAND --help`. A command without an
// entry shows its one-line summary instead.
std::map<std::string, std::string>& CommandHelp();

struct HelpRegistration {
    HelpRegistration(const std::string& name, std::string text) {
        CommandHelp()[name] = std::move(text);
    }
};

// The commands of the tool's --help: one entry per command, every summary starting in the same
// column (two spaces past the longest name), wrapped at word ends to `width` columns with
// continuation lines indented to that column.
std::string CommandTable(const std::map<std::string, Command>& commands, std::size_t width);

}  // namespace talvo::cli
