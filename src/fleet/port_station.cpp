#include "fleet/port_station.h"

namespace talvo::fleet {

namespace {

using Kind = jobs::Outcome::Kind;

// Nothing at all came back to the wake-up.
bool NobodyThere(const jobs::Outcome& o) {
    return o.kind == Kind::TimedOut && o.step <= 1;
}

}  // namespace

FleetOutcome FleetOutcomeOf(const jobs::Outcome& o) {
    switch (o.kind) {
        case Kind::Success:
            return FleetOutcome::Verified;
        case Kind::VerifyMismatch:
            return FleetOutcome::VerifyFailed;
        case Kind::TimedOut:
            // Silence to the very first wake-up: no radio. A radio that answered an earlier
            // transfer of the job and then fell silent timed out.
            return NobodyThere(o) &&
                           (o.stage == jobs::Stage::Identify || o.stage == jobs::Stage::Backup)
                       ? FleetOutcome::NoRadio
                       : FleetOutcome::Timeout;
        case Kind::ProtocolFault:
            // Something answered the wake-up, but not as this radio does.
            if (o.fault == jobs::Fault::WrongIdentification || o.stage == jobs::Stage::Identify)
                return FleetOutcome::WrongRadio;
            return FleetOutcome::Timeout;
        case Kind::Refused:
            return FleetOutcome::Refused;
        case Kind::PortError:
            return FleetOutcome::PortError;
        case Kind::Cancelled:
            return FleetOutcome::Cancelled;
    }
    return FleetOutcome::PortError;
}

std::optional<RadioRecord::Difference> DifferencesOf(const jobs::Outcome& o) {
    if (o.kind != Kind::VerifyMismatch) return std::nullopt;
    return RadioRecord::Difference{o.firstAddress, o.count};
}

std::optional<std::array<std::uint8_t, 2>> IdentTail(const std::vector<std::uint8_t>& id) {
    if (id.size() < 8) return std::nullopt;
    return std::array<std::uint8_t, 2>{id[6], id[7]};
}

PortStation::Next PortStation::next(bool mayProgram) {
    switch (phase_) {
        case Phase::Polling:
        case Phase::Programming:
        case Phase::Done:
            return Next::Nothing;
        case Phase::WaitingForRadio:
        case Phase::WaitingForDeparture:
            break;
    }
    if (!station_ || found_) {
        found_ = false;
        if (!mayProgram) {
            if (!station_) phase_ = Phase::Done;
            // A station keeps the radio it found waiting until a row is free again.
            else
                found_ = true;
            return Next::Nothing;
        }
        phase_ = Phase::Programming;
        return Next::Program;
    }
    if (phase_ == Phase::WaitingForRadio && !mayProgram) return Next::Nothing;
    if (sincePoll_ < kPollTicks) return Next::Nothing;
    sincePoll_ = 0;
    phase_ = Phase::Polling;
    return Next::Poll;
}

std::optional<FleetOutcome> PortStation::polled(const jobs::Outcome& o) {
    if (phase_ != Phase::Polling) return std::nullopt;
    if (o.kind == Kind::PortError) {
        phase_ = Phase::Done;
        return FleetOutcome::PortError;
    }
    if (o.kind == Kind::Cancelled) {
        phase_ = Phase::Done;
        return std::nullopt;
    }
    if (NobodyThere(o)) {
        // The cable is empty: a programmed radio has gone; wait for the next.
        departing_ = false;
        phase_ = Phase::WaitingForRadio;
        return std::nullopt;
    }
    if (departing_) {
        // Whatever answers, the radio is still on the cable.
        phase_ = Phase::WaitingForDeparture;
        return std::nullopt;
    }
    if (o.ok()) {
        found_ = true;
        phase_ = Phase::WaitingForRadio;
        return std::nullopt;
    }
    // Not this model (or not answering as one): never written, reported once, and waited out.
    departing_ = true;
    phase_ = Phase::WaitingForDeparture;
    return FleetOutcomeOf(o);
}

bool PortStation::programmed(const jobs::Outcome& o) {
    if (phase_ != Phase::Programming) return false;
    if (!station_) {
        phase_ = Phase::Done;
        return true;
    }
    if (NobodyThere(o) && o.stage == jobs::Stage::Identify) {
        phase_ = Phase::WaitingForRadio;
        return false;
    }
    departing_ = true;
    sincePoll_ = 0;
    phase_ = Phase::WaitingForDeparture;
    return true;
}

}  // namespace talvo::fleet
