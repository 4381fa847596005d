#pragma once

#include <chrono>
#include <optional>

#include "radio_responder.h"

namespace talvo::radiosim {

// When a radio is on the end of the cable. A radio that is not there answers nothing: what
// the program sends is lost.
struct PresenceOptions {
    enum class Leave {
        Never,
        AfterWrite,     // right after a session that wrote every block
        AfterReadBack,  // after the first complete read that follows such a write
    };
    int arriveAfterMs = 0;
    Leave leave = Leave::Never;
    // After a radio left, the next one (fresh memory) arrives this much later; < 0: none does.
    int nextAfterMs = -1;
    // How many radios arrive in all; 0: no limit.
    int radios = 0;
};

// Follows the arrivals and departures over time. Time comes in from outside, so a test can
// drive it without waiting.
class RadioPresence {
  public:
    using Clock = std::chrono::steady_clock;
    enum class Change { None, Arrived, Left };

    RadioPresence(const PresenceOptions& options, Clock::time_point start);

    // Moves to `now`: Arrived when a radio came to the cable since the last call.
    Change update(Clock::time_point now);
    // A session of the attached radio ended at `now`: Left when that makes the radio go.
    Change sessionEnded(const SessionEnd& session, Clock::time_point now);

    bool attached() const { return attached_; }
    // 1 for the first radio; 0 before any arrived. Stays on a radio after it left.
    int radioNumber() const { return number_; }
    // When update() next has something to do; empty when nothing will change by itself.
    std::optional<Clock::time_point> nextChange() const { return nextArrival_; }

  private:
    PresenceOptions options_;
    bool attached_ = false;
    bool written_ = false;
    int number_ = 0;
    std::optional<Clock::time_point> nextArrival_;
};

}  // namespace talvo::radiosim
