// talvo-cli read (--port N | --device PATH) --out FILE.dat [--lang en|zh|es]

#include <QDir>
#include <QFileInfo>

#include "cli/cli_texts.h"
#include "cli/command.h"
#include "cli/command_help.h"
#include "cli/radio_transfer.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/file_io.h"

namespace talvo::cli {

namespace {

int RunRead(const QStringList& arguments) {
    RadioArguments radio;
    if (const auto exit = ParseRadioArguments("read", arguments, 0, {{"--out"}, {}}, radio))
        return *exit;
    const FileArguments& args = radio.args;
    if (!args.has("--out"))
        return UsageError("read", TALVO_TEXT("CliUsage", "%1 is missing"), {"--out FILE.dat"});
    const QString out = args.values.at("--out");
    // Fail before talking to the radio when the file could never be written.
    const QFileInfo target(out);
    if (!target.absoluteDir().exists() || target.isDir())
        return FileFailure(Status::CannotWrite, args.lang, out);

    ImageBytes image{};
    if (const auto outcome = ReadRadio(radio.device, image, args.lang); !outcome.ok())
        return TransferExit(outcome, radio.device, args.lang);
    KeepBackup(image, args.lang);
    // The file appears only now, complete, or not at all.
    if (const Status saved = WriteFileAtomically(LocalPath(out), SerializeDataFile(image));
        saved != Status::Ok) {
        return FileFailure(saved, args.lang, out);
    }
    return ExitOk;
}

const CommandRegistration kRead("read",
                                {TALVO_TEXT("CliHelp",
                                            "read the radio's memory into a data file (%1)"),
                                 "(--port N | --device PATH) --out FILE.dat", RunRead});

const HelpRegistration kReadHelp("read", [] {
    return UsageLines(
               "talvo-cli read (--port N | --device PATH) --out FILE.dat [--lang en|zh|es]") +
           "\n" +
           Paragraph(TALVO_TEXT(
               "CliHelp",
               "Reads the radio's memory over the serial line and stores it as a .dat file.")) +
           RadioOptionsHelp() +
           OptionRows(17, {{"--out FILE", TALVO_TEXT("CliHelp",
                                                     "the data file; it is written only when the "
                                                     "whole read succeeded")}}) +
           Paragraph(TALVO_TEXT(
               "CliHelp",
               "A copy is also kept in the backups folder ($XDG_DATA_HOME/talvo/backups).")) +
           Paragraph(
               TALVO_TEXT("CliHelp", "A progress bar is shown on stderr when it is a terminal.")) +
           ExitStatusLine(TALVO_TEXT("CliHelp",
                                     "exit status: %1 read and saved, %2 usage, %3 file cannot be "
                                     "written, %4 communication error, %5 stopped by Ctrl+C "
                                     "(nothing is saved)"),
                          {ExitOk, ExitUsage, ExitFile, ExitCommunication, ExitInterrupted});
});

}  // namespace

}  // namespace talvo::cli
