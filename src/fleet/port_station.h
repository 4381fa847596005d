#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "fleet/fleet_outcome.h"
#include "fleet/fleet_report.h"
#include "jobs/outcome.h"

namespace talvo::fleet {

// How a finished job looks in the report: the outcome of the fixed set, and where the radio
// differs for a failed verify.
FleetOutcome FleetOutcomeOf(const jobs::Outcome& outcome);
std::optional<RadioRecord::Difference> DifferencesOf(const jobs::Outcome& outcome);
// Bytes 7 and 8 of what the radio sent as its identification (empty: fewer came).
std::optional<std::array<std::uint8_t, 2>> IdentTail(
    const std::vector<std::uint8_t>& identification);

// What one port of a fleet does next, driven by the 50 ms ticks and the ends of its jobs.
//
// A single run programs the radio on the cable once (the checked write checks the
// identification first). A station waits for a radio by polling (wake-up and identification
// only, closed with "E", no more often than every kPollTicks), programs it, then polls until it
// is gone, so a radio left on the cable is never programmed twice, and waits for the next.
class PortStation {
  public:
    static constexpr int kPollTicks = 40;  // 2 s of 50 ms ticks between the starts of two polls

    enum class Next { Nothing, Poll, Program };
    enum class Phase { WaitingForRadio, Polling, Programming, WaitingForDeparture, Done };

    explicit PortStation(bool station) : station_(station) {}

    // What to start now (the port is idle). `mayProgram` is false while no per-radio row is
    // free: a station then does not look for a radio, a single run ends.
    Next next(bool mayProgram);
    void tick() { ++sincePoll_; }

    // A poll ended. Returns the outcome to record when it is one (a wrong radio found while
    // waiting, or the port failing); nothing when the poll only tells that no radio is there
    // or that the programmed one is still attached.
    std::optional<FleetOutcome> polled(const jobs::Outcome& outcome);
    // The radio's checked write ended. Returns whether it concerns a radio: a station whose
    // radio was taken off between the poll that found it and the write (nobody answered the
    // write's own identification) just waits for the next one, with nothing to report.
    bool programmed(const jobs::Outcome& outcome);
    // The user cancelled, or the port cannot go on.
    void stop() { phase_ = Phase::Done; }

    Phase phase() const { return phase_; }
    bool station() const { return station_; }

  private:
    bool station_;
    Phase phase_ = Phase::WaitingForRadio;
    bool departing_ = false;      // polls wait for the radio on the cable to go
    bool found_ = false;          // a poll found a radio to program
    int sincePoll_ = kPollTicks;  // the first poll goes out at once
};

}  // namespace talvo::fleet
