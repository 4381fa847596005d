#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace talvo::radio {

// Transfer steps run from 1 to 196 in both directions.
inline constexpr int kFirstStep = 1;
inline constexpr int kLastStep = 196;
// Blocks a read moves: one reply in each of steps 3..195.
inline constexpr int kReadBlocks = kLastStep - 3;

// Read: the block requested on leaving step 2..194, i.e. the block whose reply step + 1 expects.
std::uint16_t ReadRequestAddress(int step);
// Read: the block a reply in step 3..195 must carry: (step - 3) x 16, 0xC00 last.
std::uint16_t ReadReplyAddress(int step);

// Write: what goes out when step 3..195 is acknowledged. Steps 127 and 128 carry the power
// calibration blocks 0x7E0 / 0x7F0 only in debug mode, otherwise a lone acknowledge byte; the
// blocks 0x7C0 and 0x7D0 are never sent.
struct WritePlace {
    std::optional<std::uint16_t> block;  // empty: the single byte 0x06
};
WritePlace WritePlaceForStep(int step, bool debugMode);

// The whole block order of each direction.
std::vector<std::uint16_t> ReadBlockSequence();
std::vector<std::uint16_t> WriteBlockSequence(bool debugMode);

}  // namespace talvo::radio
