#pragma once

#include <cstdint>
#include <optional>

#include "jobs/job.h"

namespace talvo::jobs {

// Whether the next job on a line may send its wake-up at once, or must first wait for a quiet
// line (Job::start's settle ticks). Between jobs nobody ticks, so this works on times the caller
// reads from its own clock (milliseconds from any fixed start).
//
// The line is quiet once nothing has happened on it for kQuietMs: no byte arrived, no job ended
// (the radio may answer its "E" late), and it was not just taken up (another program may have
// left bytes on their way).
class LineQuiet {
  public:
    static constexpr std::int64_t kQuietMs = 150;

    // The line was taken up; until a job ran, nothing is known of what is still on its way.
    void opened(std::int64_t nowMs) { noise(nowMs); }
    // A byte arrived while no job listened.
    void heard(std::int64_t nowMs) { noise(nowMs); }
    void jobEnded(std::int64_t nowMs) { noise(nowMs); }

    // Ticks of quiet the next job waits for before its wake-up (0: send it at once).
    int settleTicks(std::int64_t nowMs) const {
        return lastNoise_ && nowMs - *lastNoise_ < kQuietMs ? Job::kSettleTicks : 0;
    }

  private:
    void noise(std::int64_t nowMs) { lastNoise_ = nowMs; }

    std::optional<std::int64_t> lastNoise_;
};

}  // namespace talvo::jobs
