#pragma once

#include <QStringList>
#include <functional>
#include <map>
#include <string>

#include "model/text.h"

namespace talvo::cli {

// Exit statuses of talvo-cli; other tools rely on them.
// ExitInterrupted: Ctrl+C stopped the command, as a shell reports a program ended by SIGINT.
enum ExitStatus {
    ExitOk = 0,
    ExitUsage = 2,
    ExitFile = 3,
    ExitCommunication = 4,
    ExitInterrupted = 130
};

// One subcommand: `run` gets the arguments after the command name and returns an exit status.
struct Command {
    Text summary;          // one line for the tool's --help; "%1" stands for the synopsis
    std::string synopsis;  // the arguments in short ("FILE.dat [--lang en|zh|es]")
    std::function<int(const QStringList& args)> run;
};

// Every command file registers itself here with a static CommandRegistration, so adding a
// command needs no edit anywhere else.
std::map<std::string, Command>& Commands();

struct CommandRegistration {
    CommandRegistration(const std::string& name, Command command) {
        Commands()[name] = std::move(command);
    }
};

}  // namespace talvo::cli
