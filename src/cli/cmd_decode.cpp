#include <cstdio>

#include "cli/cli_texts.h"
#include "cli/command.h"
#include "cli/command_help.h"
#include "cli/file_arguments.h"
#include "cli/json_state.h"
#include "lang/catalogue.h"
#include "radio/codecs/data_file.h"

namespace talvo::cli {
namespace {

int RunDecode(const QStringList& args) {
    FileArguments parsed;
    if (const auto usage = ParseFileArguments("decode", args, 1, parsed)) return *usage;
    ProgramState state = StartupState(parsed.lang);
    const QString& file = parsed.files[0];
    if (const Status s = OpenDataFile(state, LocalPath(file)); s != Status::Ok) {
        return FileFailure(s, parsed.lang, file);
    }
    const std::string json = StateToJson(state, WordsIn(parsed.lang));
    if (std::fwrite(json.data(), 1, json.size(), stdout) != json.size() ||
        std::fflush(stdout) != 0) {
        std::fprintf(stderr, "talvo-cli: %s\n",
                     Say(TALVO_TEXT("CliUsage", "the output cannot be written")).c_str());
        return ExitFile;
    }
    return ExitOk;
}

const CommandRegistration kDecode(
    "decode",
    {TALVO_TEXT("CliHelp", "print a .dat file as the program would load it, as JSON (%1)"),
     "FILE.dat [--lang en|zh|es]", RunDecode});
const HelpRegistration kDecodeHelp("decode", [] {
    return UsageLines("talvo-cli decode FILE.dat [--lang en|zh|es]") + "\n" +
           Paragraph(TALVO_TEXT(
               "CliHelp",
               "Starts from a freshly started program (English unless --lang zh or es), opens "
               "FILE.dat\n"
               "as the Open command does and prints the resulting state as one JSON object: Band,\n"
               "FreqText, OptionIndex, OptionText, ChannelName, Options, FmChannelText, FmVfo,\n"
               "PresentChannel, FmDisplayMode, FmStepFrequency, PowerGrades. A name, display or "
               "password\n"
               "byte b is the character U+00bb.")) +
           "\n" +
           ExitStatusLine(TALVO_TEXT("CliHelp",
                                     "exit status: %1 success, %2 usage error, %3 the file cannot "
                                     "be read, is no data file or is\ntoo short"),
                          {ExitOk, ExitUsage, ExitFile});
});

}  // namespace
}  // namespace talvo::cli
