#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "radio/state/program_state.h"

namespace talvo::compare {

// Where two images differ inside a set of 16-byte blocks: the lowest differing address and
// how many bytes differ. Only the configuration memory (0x000..0xBFF) is looked at: above it no
// image byte carries anything.
struct ByteDifference {
    std::size_t firstAddress = 0;
    std::size_t count = 0;

    bool same() const { return count == 0; }
};

ByteDifference CompareBlocks(const ImageBytes& expected, const ImageBytes& actual,
                             std::span<const std::uint16_t> blocks);

// `base` with the configuration bytes of `blocks` taken from `written`: what the radio holds
// after a write of `written` that stored every block.
ImageBytes OverlayBlocks(const ImageBytes& base, const ImageBytes& written,
                         std::span<const std::uint16_t> blocks);

}  // namespace talvo::compare
