#pragma once

#include <optional>
#include <string_view>

namespace talvo::fleet {

// How programming one radio ended. Scripts read these names from the report: the set and the
// names are fixed.
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

inline constexpr FleetOutcome kAllOutcomes[] = {FleetOutcome::Verified,  FleetOutcome::VerifyFailed,
                                                FleetOutcome::NoRadio,   FleetOutcome::WrongRadio,
                                                FleetOutcome::Timeout,   FleetOutcome::Refused,
                                                FleetOutcome::PortError, FleetOutcome::Cancelled};

// "verified", "verify-failed", "no-radio", ...
std::string_view OutcomeName(FleetOutcome outcome);
std::optional<FleetOutcome> OutcomeFromName(std::string_view name);

}  // namespace talvo::fleet
