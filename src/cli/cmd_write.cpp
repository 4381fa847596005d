// talvo-cli write (--port N | --device PATH) FILE.dat [--debug-mode] [--lang en|zh]

#include <cstdio>

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
    QStringList args = arguments;
    QString device;
    LanguageFlagValue lang = kEnglish;
    QString error = TakeLanguage(args, lang);
    if (error.isEmpty()) error = TakeRadioDevice(args, device);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "talvo-cli write: %s\n%s", qPrintable(error), kUsage);
        return ExitUsage;
    }
    const bool debugMode = args.removeAll("--debug-mode") > 0;
    if (args.size() != 1 || args[0].isEmpty() || args[0].startsWith("--")) {
        std::fprintf(stderr, "%s", kUsage);
        return ExitUsage;
    }
    const std::string path = args[0].toStdString();

    // As the program does: start-up state, the file opened into it, then the write.
    ProgramState state = StartupState(lang);
    if (const Status opened = OpenDataFile(state, path); opened != Status::Ok) {
        std::fprintf(stderr, "talvo-cli: %s\n", StatusMessage(opened, lang, path).c_str());
        return ExitFile;
    }
    state.hidden.debug.unlocked = debugMode;

    const Status status =
        WriteRadio(device, state.hidden.DebugMode(), [&state]() -> const ImageBytes& {
            EncodeImage(state);
            return state.EncodedImage;
        });
    if (status != Status::Ok) {
        ReportTransferFailure(status, device, lang);
        return ExitCommunication;
    }
    return ExitOk;
}

const CommandRegistration kWrite("write", {"write a data file to the radio", RunWrite});

const HelpRegistration kWriteHelp(
    "write",
    std::string(kUsage) +
        "\nOpens FILE.dat as the program's Open command does and writes it to the radio.\n"
        "  --port N       port number 1..16 (see docs/serial-ports.md; TALVO_PORT_<N>=/dev/...\n"
        "                 chooses the device of a number)\n"
        "  --device PATH  the serial device itself\n"
        "  --debug-mode   also write the power calibration blocks 0x7E0 and 0x7F0\n"
        "A progress bar is shown on stderr when it is a terminal.\n"
        "exit status: 0 written, 2 usage, 3 file cannot be opened, 4 communication error\n");

}  // namespace

}  // namespace talvo::cli
