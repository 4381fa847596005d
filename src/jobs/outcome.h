#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "model/status.h"

namespace talvo::jobs {

// The transfers a job is made of, in the order they can run.
enum class Stage {
    None,      // before the first transfer
    Identify,  // wake-up and identification only
    Read,      // a read for its own sake (read, verify)
    Backup,    // the read that keeps what the radio held before a write
    Decision,  // a checked write waits for the go-ahead
    Write,
    ReadBack,  // the read after a write, compared with what was sent
};

// Why the radio's answers did not fit the exchange.
enum class Fault {
    None,
    WrongIdentification,  // it answered the wake-up, but not with this radio's identification
    UnexpectedReply,      // it answered, but not what the step waits for
};

// How a job ended: one of a closed set, the same for the window, talvo-cli and the fleet.
struct Outcome {
    enum class Kind {
        Success,
        TimedOut,        // the radio stopped answering at `stage`/`step`
        Refused,         // the radio answered a written block without an acknowledge
        ProtocolFault,   // the radio answered, but not as the exchange goes; `fault` says how
        PortError,       // the line could not be opened or failed; `reason`, `detail` say why
        Cancelled,       // the user stopped the job
        VerifyMismatch,  // the radio does not hold what it should: `firstAddress`, `count`
    };
    Kind kind = Kind::Success;
    Stage stage = Stage::None;
    int step = 0;  // the protocol step 1..196 the transfer stood at
    Status reason = Status::Ok;
    std::string detail;  // the port's own words for a port error
    Fault fault = Fault::None;
    std::size_t firstAddress = 0;
    std::size_t count = 0;
    // A write that stopped: the last block it had sent (empty: none was sent).
    std::optional<std::uint16_t> lastBlockSent;

    bool ok() const { return kind == Kind::Success; }
};

// How programming one radio of a fleet ended. Scripts read these by name from the report
// (fleet/fleet_outcome.h): the set is fixed.
enum class FleetOutcome {
    Verified,      // written and read back the same
    VerifyFailed,  // written, but the radio does not hold what was written
    NoRadio,       // nothing answered the wake-up
    WrongRadio,    // something answered, but not with this radio's identification
    Timeout,       // the radio stopped answering during the run
    Refused,       // the radio refused a written block
    PortError,     // the port could not be opened or failed
    Cancelled,     // the user stopped the run
};

inline constexpr FleetOutcome kAllFleetOutcomes[] = {
    FleetOutcome::Verified,   FleetOutcome::VerifyFailed, FleetOutcome::NoRadio,
    FleetOutcome::WrongRadio, FleetOutcome::Timeout,      FleetOutcome::Refused,
    FleetOutcome::PortError,  FleetOutcome::Cancelled};

}  // namespace talvo::jobs
