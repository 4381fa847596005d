#include "cli/cli_texts.h"
#include "cli/command.h"
#include "cli/command_help.h"
#include "cli/file_arguments.h"
#include "lang/catalogue.h"
#include "radio/codecs/data_file.h"

namespace talvo::cli {
namespace {

int RunResave(const QStringList& args) {
    FileArguments parsed;
    if (const auto usage = ParseFileArguments("resave", args, 2, parsed)) return *usage;
    ProgramState state = StartupState(parsed.lang);
    const QString& in = parsed.files[0];
    const QString& out = parsed.files[1];
    if (const Status s = OpenDataFile(state, LocalPath(in)); s != Status::Ok) {
        return FileFailure(s, parsed.lang, in);
    }
    if (const Status s = SaveDataFile(state, LocalPath(out)); s != Status::Ok) {
        return FileFailure(s, parsed.lang, out);
    }
    return ExitOk;
}

const CommandRegistration kResave(
    "resave",
    {TALVO_TEXT("CliHelp", "open a .dat file and save it again as the program would (%1)"),
     "IN.dat OUT.dat [--lang en|zh|es]", RunResave});
const HelpRegistration kResaveHelp("resave", [] {
    return UsageLines("talvo-cli resave IN.dat OUT.dat [--lang en|zh|es]") + "\n" +
           Paragraph(TALVO_TEXT("CliHelp",
                                "Starts from a freshly started program, opens IN.dat as the Open "
                                "command does and saves\n"
                                "OUT.dat as the Save command does (exactly 3,120 bytes, replaced "
                                "atomically).")) +
           "\n" +
           ExitStatusLine(TALVO_TEXT("CliHelp",
                                     "exit status: %1 success, %2 usage error, %3 a file cannot "
                                     "be read or written, is no data\nfile or is too short"),
                          {ExitOk, ExitUsage, ExitFile});
});

}  // namespace
}  // namespace talvo::cli
