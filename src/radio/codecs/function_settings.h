#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "radio/memory/memory_layout.h"

namespace talvo {

// What the encoder writes around the settings whose places the options table holds.

// Bits that the encoder always sets and the decoder never reads.
inline constexpr std::uint8_t kFunctionBitsConstant = 0x20;  // bit 5 of the function bits
inline constexpr std::uint8_t kVoxBitsConstant = 0x06;       // bits 1 and 2 of the VOX bits
inline constexpr std::uint8_t kVfoBFlagsConstant = 0xC0;     // group B has no hidden settings

// Power calibration byte of each slider 0..5.
inline constexpr std::array<std::size_t, 6> kPowerGradeAddress = {
    layout::kPowerA, layout::kPowerA + 1, layout::kPowerA + 2,
    layout::kPowerB, layout::kPowerB + 1, layout::kPowerB + 2};

}  // namespace talvo
