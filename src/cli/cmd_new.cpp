#include "cli/cli_texts.h"
#include "cli/command.h"
#include "cli/command_help.h"
#include "cli/file_arguments.h"
#include "radio/codecs/data_file.h"

namespace talvo::cli {
namespace {

int RunNew(const QStringList& args) {
    FileArguments parsed;
    if (const auto usage = ParseFileArguments("new", args, 1, parsed)) return *usage;
    ProgramState state = StartupState(parsed.lang);
    const QString& out = parsed.files[0];
    if (const Status s = SaveDataFile(state, LocalPath(out)); s != Status::Ok) {
        return FileFailure(s, parsed.lang, out);
    }
    return ExitOk;
}

const CommandRegistration kNew(
    "new", {TALVO_TEXT("CliHelp", "save the configuration of a freshly started program (%1)"),
            "OUT.dat [--lang en|zh|es]", RunNew});
const HelpRegistration kNewHelp("new", [] {
    return UsageLines("talvo-cli new OUT.dat [--lang en|zh|es]") + "\n" +
           Paragraph(TALVO_TEXT(
               "CliHelp",
               "Saves the configuration of a freshly started program to OUT.dat as the Save "
               "command does:\n"
               "no channels, the optional features at their defaults, no FM channels, the power "
               "levels at\n"
               "their start values. --lang only chooses the language of error messages.")) +
           "\n" +
           ExitStatusLine(TALVO_TEXT("CliHelp",
                                     "exit status: %1 success, %2 usage error, %3 the file cannot "
                                     "be written"),
                          {ExitOk, ExitUsage, ExitFile});
});

}  // namespace
}  // namespace talvo::cli
