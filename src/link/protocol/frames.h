#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "radio/memory/memory.h"
#include "radio/state/program_state.h"

namespace talvo::link {

// Bytes of the serial exchange with the radio. Frames carry no checksum and no escaping;
// addresses are 16 bits, high byte first.
inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kIdentifyRequest = 0x02;
inline constexpr std::uint8_t kEnd = 0x45;        // "E"
inline constexpr std::uint8_t kReadMark = 0x52;   // "R"
inline constexpr std::uint8_t kBlockMark = 0x57;  // "W"
inline constexpr std::uint8_t kBlockLength = 0x10;

inline constexpr std::size_t kBlockDataSize = kBlockSize;
inline constexpr std::size_t kBlockFrameSize = 4 + kBlockDataSize;
inline constexpr std::size_t kIdentificationSize = 8;

inline constexpr std::array<std::uint8_t, 7> kWakeUp = {'P', 'R', 'O', 'G', 'R', 'A', 'M'};
// The first six bytes of the radio's identification; the last two are not examined.
inline constexpr std::string_view kIdentificationPrefix = kIdentificationText;

using Frame = std::vector<std::uint8_t>;

// "R" hi lo 0x10.
Frame ReadRequest(std::uint16_t address);

// "W" hi lo 0x10 + the 16 image bytes from `address`; bytes past the image's end are 0x00.
Frame WriteBlock(std::uint16_t address, const ImageBytes& image);

}  // namespace talvo::link
