#pragma once

namespace talvo {

// The closed set of reasons an operation can fail for, carried as values; their words are in
// jobs/outcome_words.h.
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

}  // namespace talvo
