#include "radio_presence.h"

namespace talvo::radiosim {

RadioPresence::RadioPresence(const PresenceOptions& options, Clock::time_point start)
    : options_(options), nextArrival_(start + std::chrono::milliseconds(options.arriveAfterMs)) {}

RadioPresence::Change RadioPresence::update(Clock::time_point now) {
    if (attached_ || !nextArrival_ || now < *nextArrival_) return Change::None;
    nextArrival_.reset();
    attached_ = true;
    written_ = false;
    ++number_;
    return Change::Arrived;
}

RadioPresence::Change RadioPresence::sessionEnded(const SessionEnd& session,
                                                  Clock::time_point now) {
    if (!attached_) return Change::None;
    using Leave = PresenceOptions::Leave;
    bool leaves = false;
    if (written_ && session.readAll && options_.leave == Leave::AfterReadBack) leaves = true;
    if (session.wroteAll) {
        written_ = true;
        if (options_.leave == Leave::AfterWrite) leaves = true;
    }
    if (!leaves) return Change::None;
    attached_ = false;
    const bool another = options_.radios == 0 || number_ < options_.radios;
    if (options_.nextAfterMs >= 0 && another)
        nextArrival_ = now + std::chrono::milliseconds(options_.nextAfterMs);
    return Change::Left;
}

}  // namespace talvo::radiosim
