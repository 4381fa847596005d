#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "cli/file_arguments.h"
#include "model/program_state.h"
#include "model/status.h"

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

// Opens `device` and reads the radio's memory into `image`, running an event loop until the
// transfer ends. `image` changes only when the read succeeds. Shows a progress bar on stderr
// when it is a terminal.
Status ReadRadio(const QString& device, ImageBytes& image);

// Opens `device` and writes to the radio; `encodeAfterWakeUp` builds the image to send right
// after the wake-up has gone out.
Status WriteRadio(const QString& device, bool debugMode,
                  const std::function<const ImageBytes&()>& encodeAfterWakeUp);

// ExitOk for a transfer that succeeded; otherwise prints its one stderr line and returns
// ExitCommunication.
int TransferExit(Status status, const QString& device, LanguageFlagValue lang);

}  // namespace talvo::cli
