// talvo-cli write (--port N | --device PATH) FILE.dat [--debug-mode] [--lang en|zh]

#include "cli/command.h"
#include "cli/command_help.h"
#include "cli/radio_transfer.h"
#include "image/data_file.h"
#include "image/encode.h"

namespace talvo::cli {

namespace {

constexpr char kUsage[] =
    "usage: talvo-cli write (--port N | --device PATH) FILE.dat [--debug-mode] [--lang en|zh]\n";

int RunWrite(const QStringList& arguments) {
    RadioArguments radio;
    if (const auto exit = ParseRadioArguments("write", arguments, 1, {{}, {"--debug-mode"}}, radio))
        return *exit;
    const FileArguments& args = radio.args;
    const QString& file = args.files[0];

    // As the program does: start-up state, the file opened into it, then the write.
    ProgramState state = StartupState(args.lang);
    if (const Status opened = OpenDataFile(state, LocalPath(file)); opened != Status::Ok)
        return FileFailure(opened, args.lang, file);
    state.hidden.debug.unlocked = args.flags.contains("--debug-mode");

    const Status status =
        WriteRadio(radio.device, state.hidden.DebugMode(), [&state]() -> const ImageBytes& {
            EncodeImage(state);
            return state.EncodedImage;
        });
    return TransferExit(status, radio.device, args.lang);
}

const CommandRegistration kWrite("write", {"write a data file to the radio "
                                           "((--port N | --device PATH) FILE.dat [--debug-mode])",
                                           RunWrite});

const HelpRegistration kWriteHelp(
    "write",
    std::string(kUsage) +
        "\nOpens FILE.dat as the program's Open command does and writes it to the radio.\n" +
        kRadioOptionsHelp +
        "  --debug-mode   also write the power calibration blocks 0x7E0 and 0x7F0\n"
        "A progress bar is shown on stderr when it is a terminal.\n"
        "exit status: 0 written, 2 usage, 3 file cannot be opened, 4 communication error\n");

}  // namespace

}  // namespace talvo::cli
