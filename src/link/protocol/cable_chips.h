#pragma once

#include <array>
#include <cstdint>

namespace talvo::link {

// The USB serial chips of the usual programming cables.
struct CableChip {
    std::uint16_t vendor;
    std::uint16_t product;
    const char* name;
};

inline constexpr std::array<CableChip, 4> kCableChips = {{{0x1a86, 0x7523, "CH340"},
                                                          {0x067b, 0x2303, "PL2303"},
                                                          {0x0403, 0x6001, "FTDI"},
                                                          {0x10c4, 0xea60, "CP210x"}}};

}  // namespace talvo::link
