#pragma once

#include <string>

#include "model/status.h"

namespace talvo::link {

// How a transfer ended: one of a closed set, the same for the window and talvo-cli.
struct TransferOutcome {
    enum class Kind {
        Success,
        TimedOut,   // the radio stopped answering; `step` is where the transfer stood
        Refused,    // the radio answered a written block without an acknowledge; `step` as above
        Cancelled,  // the user stopped the transfer
        PortError,  // the line could not be opened or failed; `reason` and `detail` say why
    };
    Kind kind = Kind::Success;
    int step = 0;
    // Ok, TimedOut, RefusedByRadio, or the port's PortCannotOpen / PermissionDenied.
    Status reason = Status::Ok;
    // The port's own words for a port error (empty otherwise).
    std::string detail;

    bool ok() const { return kind == Kind::Success; }

    static TransferOutcome Success() { return {}; }
    static TransferOutcome Cancelled(int step) { return {Kind::Cancelled, step, Status::Ok, {}}; }
    static TransferOutcome PortError(Status reason, std::string detail = {}) {
        return {Kind::PortError, 0, reason, std::move(detail)};
    }
};

}  // namespace talvo::link
