#include "compare/byte_compare.h"

#include <array>

namespace talvo::compare {

namespace {

// Each block once, in address order, so a block listed twice is not counted twice.
template <typename Visit>
void ForEachConfigByte(std::span<const std::uint16_t> blocks, Visit visit) {
    std::array<bool, kConfigSize / kBlockSize> seen{};
    for (const std::uint16_t block : blocks) {
        const std::size_t index = block / kBlockSize;
        if (block % kBlockSize != 0 || index >= seen.size()) continue;
        seen[index] = true;
    }
    for (std::size_t index = 0; index < seen.size(); ++index) {
        if (!seen[index]) continue;
        for (std::size_t k = 0; k < kBlockSize; ++k) visit(index * kBlockSize + k);
    }
}

}  // namespace

ByteDifference CompareBlocks(const ImageBytes& expected, const ImageBytes& actual,
                             std::span<const std::uint16_t> blocks) {
    ByteDifference difference;
    ForEachConfigByte(blocks, [&](std::size_t address) {
        if (expected[address] == actual[address]) return;
        if (difference.count == 0) difference.firstAddress = address;
        ++difference.count;
    });
    return difference;
}

ImageBytes OverlayBlocks(const ImageBytes& base, const ImageBytes& written,
                         std::span<const std::uint16_t> blocks) {
    ImageBytes result = base;
    ForEachConfigByte(blocks, [&](std::size_t address) { result[address] = written[address]; });
    return result;
}

}  // namespace talvo::compare
