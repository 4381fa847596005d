// talvo-cli restore (--port N | --device PATH) BACKUP.dat [--debug-mode] [--lang en|zh|es]

#include "cli/command.h"
#include "cli/command_help.h"
#include "cli/radio_transfer.h"
#include "image/data_file.h"
#include "image/file_io.h"
#include "jobs/transfer_jobs.h"

namespace talvo::cli {

namespace {

constexpr char kUsage[] =
    "usage: talvo-cli restore (--port N | --device PATH) BACKUP.dat [--debug-mode] "
    "[--lang en|zh|es]\n";

int RunRestore(const QStringList& arguments) {
    RadioArguments radio;
    if (const auto exit =
            ParseRadioArguments("restore", arguments, 1, {{}, {"--debug-mode"}}, radio))
        return *exit;
    const FileArguments& args = radio.args;
    const QString& file = args.files[0];

    // The file's bytes as they are: a backup goes back exactly as it was read.
    std::vector<std::uint8_t> bytes;
    ImageBytes image{};
    Status loaded = ReadFileBytes(LocalPath(file), bytes, kDataFileSize + 1);
    if (loaded == Status::Ok) loaded = ParseDataFile(bytes, image);
    if (loaded != Status::Ok) return FileFailure(loaded, args.lang, file);
    const bool debug = args.flags.contains("--debug-mode");

    Radio link(radio.device, args.lang);
    jobs::RestoreJob job(image, {.debugMode = debug});
    return TransferExit(link.run(job), radio.device, args.lang);
}

const CommandRegistration kRestore("restore", {"write a backup back to the radio byte for byte "
                                               "and verify it ((--port N | --device PATH) "
                                               "BACKUP.dat [--debug-mode])",
                                               RunRestore});

const HelpRegistration kRestoreHelp(
    "restore",
    std::string(kUsage) +
        "\nWrites the bytes of a data file to the radio exactly as they are in the file (a\n"
        "backup taken by a read goes back unchanged; `write` instead opens the file and builds\n"
        "the image as the program does), then reads the radio back and compares every written\n"
        "byte.\n" +
        kRadioOptionsHelp +
        "  --debug-mode   also write the power calibration blocks 0x7E0 and 0x7F0\n"
        "exit status: 0 restored and verified, 2 usage, 3 file cannot be opened, 4 communication\n"
        "error or the radio does not hold what was written (the first differing address is\n"
        "named), 130 stopped by Ctrl+C\n");

}  // namespace

}  // namespace talvo::cli
