#pragma once

#include <map>
#include <string>

namespace talvo::cli {

// Detailed help of a command, printed by `talvo-cli COMMAND --help`. A command without an
// entry shows its one-line summary instead.
std::map<std::string, std::string>& CommandHelp();

struct HelpRegistration {
    HelpRegistration(const std::string& name, std::string text) {
        CommandHelp()[name] = std::move(text);
    }
};

}  // namespace talvo::cli
