#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "cli/file_arguments.h"
#include "jobs/job.h"
#include "model/status.h"
#include "radio/state/program_state.h"
#include "run/read_backups.h"

namespace talvo::cli {

// The help lines of the options every radio command takes, in the tool's language.
std::string RadioOptionsHelp();
// The help line of --debug-mode: `text` names the two calibration blocks as "%1" and "%2".
std::string DebugModeHelp(const Text& text);

// The arguments of a radio command and the device they name.
struct RadioArguments {
    FileArguments args;
    QString device;
};

// Parses the arguments of a radio command: exactly one of `--port N` (1..16, through the
// port-number rule and TALVO_PORT_<n>) or `--device PATH`, plus `extra` and `fileCount` file
// names. On failure prints one line on stderr and returns the exit status: ExitUsage for bad
// arguments, ExitCommunication when the port number names no device on this computer.
std::optional<int> ParseRadioArguments(const char* command, const QStringList& args, int fileCount,
                                       const CommandOptions& extra, RadioArguments& out);

// The radio behind one serial device, for one or more jobs in a row. Each job runs an event
// loop until it ends and shows a progress bar per stage on stderr when that is a terminal.
// While the radio is in use, Ctrl+C cancels the running job (the radio gets the closing "E")
// instead of killing the program.
class Radio {
  public:
    explicit Radio(const QString& device, Language lang = kEnglish);
    ~Radio();
    Radio(const Radio&) = delete;
    Radio& operator=(const Radio&) = delete;

    // Runs `job` to its end. `decide` is called when a checked write waits for the go-ahead.
    jobs::Outcome run(jobs::Job& job, const std::function<void()>& decide = {});

  private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

// Runs a read of the radio behind `device`; `image` changes only when it succeeds.
jobs::Outcome ReadRadio(const QString& device, ImageBytes& image, Language lang);

// Keeps a successful read as a backup (see run/read_backups.h), pruning old ones first;
// a backup that cannot be written only gets a warning on stderr.
void KeepBackup(const ImageBytes& image, Language lang);
// The warning on stderr when a backup could not be kept (nothing when it was).
void WarnNoBackup(const run::SavedBackup& saved, Language lang);

// ExitOk for a job that succeeded; otherwise prints its one stderr line and returns
// ExitInterrupted for a cancelled job (Ctrl+C) and ExitCommunication for every other ending.
int TransferExit(const jobs::Outcome& outcome, const QString& device, Language lang);

}  // namespace talvo::cli
