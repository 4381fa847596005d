// talvo-cli ports [--lang en|zh|es]

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "cli/cli_texts.h"
#include "cli/command.h"
#include "cli/command_help.h"
#include "cli/file_arguments.h"
#include "lang/catalogue.h"
#include "link/port/port_survey.h"

namespace talvo::cli {
namespace {

int RunPorts(const QStringList& arguments) {
    FileArguments args;
    if (const auto usage = ParseFileArguments("ports", arguments, 0, args)) return *usage;
    const auto env = [](const std::string& name) {
        const char* value = std::getenv(name.c_str());
        return value && *value ? std::optional<std::string>(value) : std::nullopt;
    };
    const auto ports = link::SurveyPorts(link::SystemRoots{}, link::CurrentUser(), env,
                                         static_cast<int>(::getpid()));
    std::fputs(link::FormatPortTable(ports, WordsIn(args.lang)).c_str(), stdout);
    return ExitOk;
}

const CommandRegistration kPorts(
    "ports", {TALVO_TEXT("CliHelp",
                         "list port numbers 1..16, the device each reaches and whether it can be "
                         "opened now (%1)"),
              "[--lang en|zh|es]", RunPorts});

const HelpRegistration kPortsHelp("ports", [] {
    return UsageLines("talvo-cli ports [--lang en|zh|es]") + "\n" +
           Paragraph(TALVO_TEXT(
               "CliHelp",
               "Lists the port numbers 1..16 as --port takes them: the device each number reaches "
               "now\n"
               "(TALVO_PORT_<N> first, then the serial devices present; see "
               "docs/serial-ports.md), what\n"
               "the device is (USB serial with its chip, built-in port, pseudo-terminal) and "
               "whether it\n"
               "can be opened now (yes, or why not: no permission, in use by a program, no "
               "hardware).")) +
           OptionRows(17, {{"--lang CODE",
                            TALVO_TEXT("CliHelp", "the language of the table: %1, %2 or %3"),
                            {"en", "zh", "es"}}}) +
           "\n" +
           ExitStatusLine(TALVO_TEXT("CliHelp", "exit status: %1 success, %2 usage error"),
                          {ExitOk, ExitUsage});
});

}  // namespace
}  // namespace talvo::cli
