#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace talvo {

// The facts of this radio that every part of the program shares.

// Radio addresses 0x000..0xC00; 0x000..0xBFF is the configuration memory.
inline constexpr std::size_t kImageSize = 0xC01;
inline constexpr std::size_t kConfigSize = 0xC00;
using ImageBytes = std::array<std::uint8_t, kImageSize>;

// The memory travels over the cable in blocks of 16 bytes.
inline constexpr std::size_t kBlockSize = 16;

// Memory channels, numbered 1..128.
inline constexpr int kChannelCount = 128;

// The model's name: stored at 0x710 and the first six bytes of its answer to a wake-up.
inline constexpr std::string_view kIdentificationText = "RQZ-DW";

}  // namespace talvo
