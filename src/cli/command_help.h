#pragma once

#include <functional>
#include <map>
#include <string>

#include "cli/command.h"

namespace talvo::cli {

// Detailed help of a command, printed by `talvo-cli COMMAND --help` in the tool's language
// (made when asked, after --lang was read). A command without an entry shows its one-line
// summary instead.
using HelpText = std::function<std::string()>;
std::map<std::string, HelpText>& CommandHelp();

struct HelpRegistration {
    HelpRegistration(const std::string& name, HelpText text) {
        CommandHelp()[name] = std::move(text);
    }
};

// A command's one-line summary with its synopsis, in the tool's language.
std::string Summary(const Command& command);

// The commands of the tool's --help: one entry per command, every summary starting in the same
// column (two spaces past the longest name), wrapped to `width` columns (see WrapWords) with
// continuation lines indented to that column.
std::string CommandTable(const std::map<std::string, Command>& commands, std::size_t width);

}  // namespace talvo::cli
