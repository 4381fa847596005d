#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "model/program_state.h"
#include "model/status.h"

namespace talvo::cli {

// Where the radio is: `--port N` (1..16, through the port-number rule and TALVO_PORT_<n>) or
// `--device PATH`. Takes the option out of `args`; returns an error text, empty on success.
QString TakeRadioDevice(QStringList& args, QString& device);

// Opens `device` and reads the radio's memory into `image`, running an event loop until the
// transfer ends. `image` changes only when the read succeeds. Shows a progress bar on stderr
// when it is a terminal.
Status ReadRadio(const QString& device, ImageBytes& image);

// Opens `device` and writes to the radio; `encodeAfterWakeUp` builds the image to send right
// after the wake-up has gone out.
Status WriteRadio(const QString& device, bool debugMode,
                  const std::function<const ImageBytes&()>& encodeAfterWakeUp);

// Takes `--lang en|zh` (or `--lang=zh`) out of `args`; English when absent. Returns an error
// text, empty on success.
QString TakeLanguage(QStringList& args, LanguageFlagValue& lang);

// The stderr lines for a failed transfer.
void ReportTransferFailure(Status status, const QString& device, LanguageFlagValue lang);

}  // namespace talvo::cli
