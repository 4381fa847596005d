// talvo-cli restore (--port N | --device PATH) BACKUP.dat [--debug-mode] [--lang en|zh|es]

#include "cli/cli_texts.h"
#include "cli/command.h"
#include "cli/command_help.h"
#include "cli/radio_transfer.h"
#include "jobs/transfer_jobs.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/file_io.h"

namespace talvo::cli {

namespace {

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

const CommandRegistration kRestore(
    "restore",
    {TALVO_TEXT("CliHelp", "write a backup back to the radio byte for byte and verify it (%1)"),
     "(--port N | --device PATH) BACKUP.dat [--debug-mode]", RunRestore});

const HelpRegistration kRestoreHelp("restore", [] {
    return UsageLines(
               "talvo-cli restore (--port N | --device PATH) BACKUP.dat [--debug-mode] "
               "[--lang en|zh|es]") +
           "\n" +
           Paragraph(TALVO_TEXT(
               "CliHelp",
               "Writes the bytes of a data file to the radio exactly as they are in the file (a\n"
               "backup taken by a read goes back unchanged; `write` instead opens the file and "
               "builds\n"
               "the image as the program does), then reads the radio back and compares every "
               "written\n"
               "byte.")) +
           RadioOptionsHelp() +
           DebugModeHelp(
               TALVO_TEXT("CliHelp", "also write the power calibration blocks %1 and %2")) +
           ExitStatusLine(
               TALVO_TEXT("CliHelp",
                          "exit status: %1 restored and verified, %2 usage, %3 file cannot be "
                          "opened, %4 communication\nerror or the radio does not hold what was "
                          "written (the first differing address is\nnamed), %5 stopped by Ctrl+C"),
               {ExitOk, ExitUsage, ExitFile, ExitCommunication, ExitInterrupted});
});

}  // namespace

}  // namespace talvo::cli
