#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "cli/file_arguments.h"
#include "link/protocol/transfer_outcome.h"
#include "model/program_state.h"
#include "model/status.h"

namespace talvo::link {
class SerialLine;
class TransferDriver;
}  // namespace talvo::link

namespace talvo::cli {

// The help lines of the options every radio command takes.
inline constexpr char kRadioOptionsHelp[] =
    "  --port N       port number 1..16 (see docs/serial-ports.md; TALVO_PORT_<N>=/dev/...\n"
    "                 chooses the device of a number)\n"
    "  --device PATH  the serial device itself\n"
    "  --lang en|zh   the language of the messages\n";

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

// The radio behind one serial device, for one or more transfers in a row. Each transfer runs
// an event loop until it ends and shows a progress bar on stderr when that is a terminal.
class Radio {
  public:
    explicit Radio(const QString& device);
    ~Radio();
    Radio(const Radio&) = delete;
    Radio& operator=(const Radio&) = delete;

    // Reads the radio's memory into `image`, which changes only when the read succeeds.
    link::TransferOutcome read(ImageBytes& image, const char* label = "Reading");
    // Writes; `encodeAfterWakeUp` builds the image to send right after the wake-up went out.
    link::TransferOutcome write(bool debugMode,
                                const std::function<const ImageBytes&()>& encodeAfterWakeUp);

  private:
    link::TransferOutcome run(const char* label,
                              const std::function<bool(link::TransferDriver&)>& start);

    struct Parts;
    std::unique_ptr<Parts> parts_;
};

// Reads as Radio::read does on a line opened for it.
link::TransferOutcome ReadRadio(const QString& device, ImageBytes& image);

// Keeps a successful read as a backup (see link/port/read_backups.h), pruning old ones first;
// a backup that cannot be written only gets a warning on stderr.
void KeepBackup(const ImageBytes& image, LanguageFlagValue lang);

// ExitOk for a transfer that succeeded; otherwise prints its one stderr line and returns
// ExitCommunication.
int TransferExit(const link::TransferOutcome& outcome, const QString& device,
                 LanguageFlagValue lang);

}  // namespace talvo::cli
