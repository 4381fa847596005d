#pragma once

#include <string>

#include "model/language.h"

namespace talvo {

// The closed set of reasons an operation can fail for. Each front end turns them into the
// user's language in one place.
enum class Status {
    Ok,
    FileNotFound,      // open: the named file does not exist
    CannotRead,        // open: the file exists but cannot be read
    CannotWrite,       // save: the file or its folder cannot be written
    WrongFileType,     // open: the signature is not "QDF-7K"
    Truncated,         // open: shorter than a data file
    PortCannotOpen,    // the serial device does not exist or is held by another program
    PermissionDenied,  // the serial device exists but this user may not open it
    TimedOut,          // the radio stopped answering
    RefusedByRadio,    // the radio answered a written block without an acknowledge
};

// One line describing the failure; `subject` is the file or device.
Message StatusMessage(Status status, const std::string& subject = {});

}  // namespace talvo
