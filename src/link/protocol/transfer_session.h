#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "link/protocol/frames.h"
#include "link/protocol/reply_buffer.h"
#include "model/status.h"
#include "radio/memory/block_plan.h"
#include "radio/state/program_state.h"

namespace talvo::link {

// Identify: the wake-up and the identification only, then "E", as a transfer that is broken off
// ends; nothing of the memory moves.
enum class Direction { Read, Write, Identify };

using Identification = std::array<std::uint8_t, kIdentificationSize>;

struct TransferEvent {
    enum class Kind {
        Progress,   // a receive event during a transfer; `step` is the step before it advances
        Finished,   // the closing "E" went out; a read has committed its image
        Failed,     // "E" went out, the transfer is over; `reason` says why
        Cancelled,  // the user stopped it; "E" went out
    };
    Kind kind;
    int step = 0;
    Status reason = Status::Ok;
};

// The lock-step read and write exchange with the radio, without I/O and without a clock:
// received bytes go in through feed(), the 50 ms transfer timer through tick(); frames to send
// and events come out through the two callbacks given at construction. The receive threshold
// (1 or 20 bytes) is a value the port side applies: it delivers waiting bytes only once that
// many have arrived.
//
// Callbacks run inside start*/feed/tick after the session's own state is updated, so an event
// handler may start the next transfer.
class TransferSession {
  public:
    using SendFn = std::function<void(std::span<const std::uint8_t>)>;
    using EventFn = std::function<void(const TransferEvent&)>;

    static constexpr int kTickMs = 50;
    // The transfer fails on the 12th tick without an accepted reply.
    static constexpr int kTimeoutTicks = 12;

    TransferSession(SendFn send, EventFn event);

    // Sends the wake-up. The radio's blocks are collected in a scratch copy of `destination`
    // and copied into it only when the read finishes; a failed read leaves it untouched.
    // `destination` must outlive the transfer. False (nothing sent) while a transfer runs.
    bool startRead(ImageBytes& destination);

    // Sends the wake-up, then calls `encodeAfterWakeUp` (which rebuilds and returns the image
    // to send) before any reply is looked at. False (nothing sent) while a transfer runs.
    bool startWrite(bool debugMode, const std::function<const ImageBytes&()>& encodeAfterWakeUp);

    // Sends the wake-up; finishes once the radio has sent this radio's identification. False
    // (nothing sent) while a transfer runs.
    bool startIdentify();

    // Bytes the port delivered. Ignored while no transfer runs.
    void feed(std::span<const std::uint8_t> bytes);

    // One tick of the 50 ms transfer timer.
    void tick();

    // The user stops the transfer: "E" goes out and it ends as cancelled. Nothing happens
    // while no transfer runs.
    void cancel();

    bool active() const { return active_; }
    Direction direction() const { return direction_; }
    int step() const { return step_; }
    int idleTicks() const { return idleTicks_; }
    std::size_t receiveThreshold() const { return threshold_; }
    std::string replyText() const { return reply_.hexText(); }
    // What arrived since the last accepted reply (kept after a transfer ended).
    std::span<const std::uint8_t> replyBytes() const { return reply_.bytes(); }
    // The same without the acknowledges in front (late answers to an earlier "E").
    std::span<const std::uint8_t> replyAfterLeadingAcks() const {
        return reply_.afterLeadingAcks();
    }
    // The radio answered the wake-up in this transfer (or the last one).
    bool wokeUp() const { return wokeUp_; }
    // The identification the radio sent in this transfer (or the last one); empty until then.
    const std::optional<Identification>& identification() const { return identification_; }
    bool debugMode() const { return debugMode_; }

    // Blocks received (read) or sent (write) so far, and how many the transfer moves.
    int blocksDone() const { return blocksDone_; }
    int blocksTotal() const;

  private:
    void begin(Direction direction);
    void accept();
    void stepWakeUp();  // step 1 of every direction
    void keepIdentification();
    void stepRead();
    void requestBlock(std::uint16_t address);  // read: the request, then wait for 20 bytes
    void stepWrite();
    void finish();
    void fail(Status reason);
    void end(TransferEvent event);
    void send(std::span<const std::uint8_t> bytes) { send_(bytes); }
    void sendByte(std::uint8_t byte) { send_(std::span<const std::uint8_t>(&byte, 1)); }

    SendFn send_;
    EventFn event_;

    bool active_ = false;
    Direction direction_ = Direction::Read;
    int step_ = radio::kFirstStep;
    int idleTicks_ = 0;
    std::size_t threshold_ = 1;
    bool debugMode_ = false;
    bool wokeUp_ = false;
    std::optional<Identification> identification_;
    // Read: a block request is out and its reply has not been accepted yet.
    bool awaitingBlock_ = false;
    int blocksDone_ = 0;
    ReplyBuffer reply_;

    ImageBytes* destination_ = nullptr;
    ImageBytes scratch_{};  // read: blocks as they arrive; write: the image being sent
};

}  // namespace talvo::link
