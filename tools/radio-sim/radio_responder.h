#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "radio_memory.h"

namespace talvo::radiosim {

// Ways the virtual radio can misbehave. Counters are 1-based; 0 switches a fault off.
struct Faults {
    bool silent = false;      // never answer
    int stopAfterFrames = 0;  // answer this many frames, then nothing
    bool wrongIdentification = false;
    int identificationLength = 8;   // 7 or 9 bytes instead of 8
    int nakWrittenBlock = 0;        // answer the N-th written block with 0x15 (and drop it)
    int wrongAddressReadBlock = 0;  // echo the next block's address in the N-th block reply
    int shortReadBlock = 0;         // cut the N-th block reply to 19 bytes
    int strayBeforeAck = 0;         // send 0x55 just before the N-th acknowledge
    int corruptWrittenBlock = 0;    // store the N-th written block with its 8th byte inverted
    int dropWrittenBlock = 0;       // acknowledge the N-th written block but do not store it
    int cutWrittenBlock = 0;        // at the N-th written block the line goes dead until the
                                    // next "PROGRAM"
    // Not a fault: a behaviour a radio may well have. Every "E" gets 0x06, also one that comes
    // while no session runs (the second "E" that ends a read).
    bool answerEveryEnd = false;
};

// The radio's side of the programming exchange, one received byte at a time:
// "PROGRAM" -> 0x06; then 0x02 -> "RQZ-DW" + 2 bytes; 0x06 -> 0x06; "R" hi lo 0x10 ->
// "W" hi lo 0x10 + 16 bytes; "W" hi lo 0x10 + 16 bytes -> stored, 0x06; "E" -> 0x06 and back
// to waiting for "PROGRAM". Anything else is ignored.
// What one programming session (from "PROGRAM" to "E") did, known when its "E" arrived.
struct SessionEnd {
    bool wroteAll = false;  // the last block a write sends (0xC20) was stored
    bool readAll = false;   // the last block a read asks for (0xC00) was sent
};

class RadioResponder {
  public:
    RadioResponder(Memory& memory, const Faults& faults) : memory_(memory), faults_(faults) {}

    // The bytes to send back after `byte` arrived (usually none).
    std::vector<std::uint8_t> take(std::uint8_t byte);

    int framesSeen() const { return frames_; }
    // The last take() answered an "E".
    bool answeredEnd() const { return answeredEnd_; }

    // The last two bytes of the identification (the first six name the model).
    void setIdentificationTail(std::array<std::uint8_t, 2> tail) { tail_ = tail; }
    // The session that ended with the last "E", once; empty when none ended since.
    std::optional<SessionEnd> takeSessionEnd() { return std::exchange(ended_, std::nullopt); }

  private:
    std::vector<std::uint8_t> answer();  // a whole frame is in pending_
    std::vector<std::uint8_t> ack();
    std::vector<std::uint8_t> identification() const;
    std::vector<std::uint8_t> readBlock();
    std::vector<std::uint8_t> writeBlock();

    Memory& memory_;
    Faults faults_;
    bool programming_ = false;
    std::vector<std::uint8_t> pending_;
    int frames_ = 0;
    int readBlocks_ = 0;
    int writtenBlocks_ = 0;
    int acks_ = 0;
    bool answeredEnd_ = false;
    std::array<std::uint8_t, 2> tail_ = {0x01, 0x50};
    SessionEnd session_;
    std::optional<SessionEnd> ended_;
};

}  // namespace talvo::radiosim
