#include "fleet/fleet_outcome.h"

namespace talvo::fleet {

std::string_view OutcomeName(FleetOutcome outcome) {
    switch (outcome) {
        case FleetOutcome::Verified:
            return "verified";
        case FleetOutcome::VerifyFailed:
            return "verify-failed";
        case FleetOutcome::NoRadio:
            return "no-radio";
        case FleetOutcome::WrongRadio:
            return "wrong-radio";
        case FleetOutcome::Timeout:
            return "timeout";
        case FleetOutcome::Refused:
            return "refused";
        case FleetOutcome::PortError:
            return "port-error";
        case FleetOutcome::Cancelled:
            return "cancelled";
    }
    return "port-error";
}

std::optional<FleetOutcome> OutcomeFromName(std::string_view name) {
    for (const FleetOutcome o : kAllOutcomes) {
        if (OutcomeName(o) == name) return o;
    }
    return std::nullopt;
}

}  // namespace talvo::fleet
