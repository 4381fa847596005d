#include <cstdio>

#include "cli/command.h"
#include "cli/command_help.h"
#include "cli/file_arguments.h"
#include "cli/json_state.h"
#include "image/data_file.h"
#include "lang/catalogue.h"

namespace talvo::cli {
namespace {

int RunDecode(const QStringList& args) {
    FileArguments parsed;
    if (const auto usage = ParseFileArguments("decode", args, 1, parsed)) return *usage;
    ProgramState state = StartupState(parsed.lang);
    const QString& file = parsed.files[0];
    if (const Status s = OpenDataFile(state, LocalPath(file), WordsIn(state.LanguageFlag));
        s != Status::Ok) {
        return FileFailure(s, parsed.lang, file);
    }
    const std::string json = StateToJson(state);
    if (std::fwrite(json.data(), 1, json.size(), stdout) != json.size() ||
        std::fflush(stdout) != 0) {
        std::fprintf(stderr, "talvo-cli: the output cannot be written\n");
        return ExitFile;
    }
    return ExitOk;
}

const CommandRegistration kDecode("decode",
                                  {"print a .dat file as the program would load it, as JSON "
                                   "(FILE.dat [--lang en|zh|es])",
                                   RunDecode});
const HelpRegistration kDecodeHelp(
    "decode",
    "usage: talvo-cli decode FILE.dat [--lang en|zh|es]\n\n"
    "Starts from a freshly started program (English unless --lang zh or es), opens FILE.dat\n"
    "as the Open command does and prints the resulting state as one JSON object: Band,\n"
    "FreqText, OptionIndex, OptionText, ChannelName, Options, FmChannelText, FmVfo,\n"
    "PresentChannel, FmDisplayMode, FmStepFrequency, PowerGrades. A name, display or password\n"
    "byte b is the character U+00bb.\n\n"
    "exit status: 0 success, 2 usage error, 3 the file cannot be read, is no data file or is\n"
    "too short\n");

}  // namespace
}  // namespace talvo::cli
