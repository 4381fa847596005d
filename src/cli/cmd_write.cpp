// talvo-cli write (--port N | --device PATH) FILE.dat [--debug-mode] [--verify] [--backup FILE]
//                [--lang en|zh|es]

#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "cli/command.h"
#include "cli/command_help.h"
#include "cli/radio_transfer.h"
#include "image/data_file.h"
#include "image/encode.h"
#include "image/file_io.h"
#include "jobs/checked_write_job.h"
#include "lang/catalogue.h"

namespace talvo::cli {

namespace {

constexpr char kUsage[] =
    "usage: talvo-cli write (--port N | --device PATH) FILE.dat [--debug-mode] [--verify]\n"
    "                 [--backup FILE] [--lang en|zh|es]\n";

int RunWrite(const QStringList& arguments) {
    RadioArguments radio;
    if (const auto exit = ParseRadioArguments("write", arguments, 1,
                                              {{"--backup"}, {"--debug-mode", "--verify"}}, radio))
        return *exit;
    const FileArguments& args = radio.args;
    const QString& file = args.files[0];

    // As the program does: start-up state, the file opened into it, then the write.
    ProgramState state = StartupState(args.lang);
    if (const Status opened = OpenDataFile(state, LocalPath(file), WordsIn(state.LanguageFlag));
        opened != Status::Ok)
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
    int saveFailure = ExitOk;
    const jobs::Outcome outcome = link.run(job, [&] {
        // What the radio holds now, safe on disk before anything is written.
        KeepBackup(job.backup(), args.lang);
        if (const Status saved =
                WriteFileAtomically(LocalPath(backup), SerializeDataFile(job.backup()));
            saved != Status::Ok) {
            saveFailure = FileFailure(saved, args.lang, backup);
            job.decline();
            return;
        }
        job.proceed();
    });
    if (saveFailure != ExitOk) return saveFailure;
    return TransferExit(outcome, radio.device, args.lang);
}

const CommandRegistration kWrite("write", {"write a data file to the radio "
                                           "((--port N | --device PATH) FILE.dat [--debug-mode] "
                                           "[--verify] [--backup FILE])",
                                           RunWrite});

const HelpRegistration kWriteHelp(
    "write",
    std::string(kUsage) +
        "\nOpens FILE.dat as the program's Open command does and writes it to the radio.\n" +
        kRadioOptionsHelp +
        "  --debug-mode   also write the power calibration blocks 0x7E0 and 0x7F0\n"
        "  --verify       afterwards read the radio back and compare every written byte\n"
        "  --backup FILE  first read the radio and save what it holds to FILE (nothing is\n"
        "                 written when that fails); a copy also goes to the backups folder\n"
        "A progress bar is shown on stderr when it is a terminal.\n"
        "exit status: 0 written (and verified), 2 usage, 3 file cannot be opened or the backup\n"
        "cannot be saved, 4 communication error or the radio does not hold what was written\n"
        "(the first differing address is named), 130 stopped by Ctrl+C\n");

}  // namespace

}  // namespace talvo::cli
