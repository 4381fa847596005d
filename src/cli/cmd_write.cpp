// talvo-cli write (--port N | --device PATH) FILE.dat [--debug-mode] [--verify] [--backup FILE]
//                [--lang en|zh|es]

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <optional>

#include "cli/cli_texts.h"
#include "cli/command.h"
#include "cli/command_help.h"
#include "cli/radio_transfer.h"
#include "jobs/checked_write_job.h"
#include "lang/catalogue.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/encode.h"
#include "run/write_decision.h"

namespace talvo::cli {

namespace {

int RunWrite(const QStringList& arguments) {
    RadioArguments radio;
    if (const auto exit = ParseRadioArguments("write", arguments, 1,
                                              {{"--backup"}, {"--debug-mode", "--verify"}}, radio))
        return *exit;
    const FileArguments& args = radio.args;
    const QString& file = args.files[0];

    // As the program does: start-up state, the file opened into it, then the write.
    ProgramState state = StartupState(args.lang);
    if (const Status opened = OpenDataFile(state, LocalPath(file)); opened != Status::Ok)
        return FileFailure(opened, args.lang, file);
    state.hidden.debug.unlocked = args.flags.contains("--debug-mode");
    const bool debug = state.hidden.DebugMode();

    const QString backup = args.has("--backup") ? args.values.at("--backup") : QString();
    if (!backup.isEmpty()) {
        // Fail before talking to the radio when the backup could never be written.
        const QFileInfo target(backup);
        if (!target.absoluteDir().exists() || target.isDir())
            return FileFailure(Status::CannotWrite, args.lang, backup);
    }

    Radio link(radio.device, args.lang);
    const bool verify = args.flags.contains("--verify");
    if (backup.isEmpty() && !verify) {
        // The plain write: the image is built right after the wake-up, as the program does.
        jobs::WriteJob job({.debugMode = debug}, [&state]() -> const ImageBytes& {
            EncodeImage(state);
            return state.EncodedImage;
        });
        return TransferExit(link.run(job), radio.device, args.lang);
    }

    EncodeImage(state);
    jobs::CheckedWriteOptions options;
    options.write.debugMode = debug;
    options.backupFirst = !backup.isEmpty();
    options.readBack = verify;
    jobs::CheckedWriteJob job(state.EncodedImage, options);
    std::optional<run::BackupStep> backupStep;
    const jobs::Outcome outcome = link.run(job, [&] {
        // What the radio holds now, safe on disk before anything is written.
        run::PruneBackups();
        backupStep = run::KeepBackupThenDecide(job, {}, backup);
    });
    if (backupStep && backupStep->folderCopy && backupStep->folderCopy->status != Status::Ok)
        WarnNoBackup(*backupStep->folderCopy, args.lang);
    if (backupStep && !backupStep->mayWrite())
        return FileFailure(backupStep->kept.status, args.lang, backup);
    return TransferExit(outcome, radio.device, args.lang);
}

const CommandRegistration kWrite(
    "write",
    {TALVO_TEXT("CliHelp", "write a data file to the radio (%1)"),
     "(--port N | --device PATH) FILE.dat [--debug-mode] [--verify] [--backup FILE]", RunWrite});

const HelpRegistration kWriteHelp("write", [] {
    return UsageLines(
               "talvo-cli write (--port N | --device PATH) FILE.dat [--debug-mode] "
               "[--verify]\n          [--backup FILE] [--lang en|zh|es]") +
           "\n" +
           Paragraph(TALVO_TEXT(
               "CliHelp",
               "Opens FILE.dat as the program's Open command does and writes it to the radio.")) +
           RadioOptionsHelp() +
           DebugModeHelp(
               TALVO_TEXT("CliHelp", "also write the power calibration blocks %1 and %2")) +
           OptionRows(
               17,
               {{"--verify", TALVO_TEXT("CliHelp",
                                        "afterwards read the radio back and compare every written "
                                        "byte")},
                {"--backup FILE", TALVO_TEXT("CliHelp",
                                             "first read the radio and save what it holds to FILE "
                                             "(nothing is\nwritten when that fails); a copy also "
                                             "goes to the backups folder")}}) +
           Paragraph(
               TALVO_TEXT("CliHelp", "A progress bar is shown on stderr when it is a terminal.")) +
           ExitStatusLine(
               TALVO_TEXT("CliHelp",
                          "exit status: %1 written (and verified), %2 usage, %3 file cannot be "
                          "opened or the backup\ncannot be saved, %4 communication error or the "
                          "radio does not hold what was written\n(the first differing address "
                          "is named), %5 stopped by Ctrl+C"),
               {ExitOk, ExitUsage, ExitFile, ExitCommunication, ExitInterrupted});
});

}  // namespace

}  // namespace talvo::cli
