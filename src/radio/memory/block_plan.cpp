#include "radio/memory/block_plan.h"

namespace talvo::radio {

namespace {

std::uint16_t Block(int index) {
    return static_cast<std::uint16_t>(index * 16);
}

}  // namespace

std::uint16_t ReadRequestAddress(int step) {
    return step <= 2 ? 0 : Block(step - 2);
}

std::uint16_t ReadReplyAddress(int step) {
    return Block(step - 3);
}

WritePlace WritePlaceForStep(int step, bool debugMode) {
    if (step <= 126) return {Block(step - 3)};
    if (step == 127) return debugMode ? WritePlace{0x7E0} : WritePlace{};
    if (step == 128) return debugMode ? WritePlace{0x7F0} : WritePlace{};
    return {Block(step - 1)};
}

std::vector<std::uint16_t> ReadBlockSequence() {
    std::vector<std::uint16_t> blocks;
    for (int step = 3; step <= 195; ++step) blocks.push_back(ReadReplyAddress(step));
    return blocks;
}

std::vector<std::uint16_t> WriteBlockSequence(bool debugMode) {
    std::vector<std::uint16_t> blocks;
    for (int step = 3; step <= 195; ++step) {
        if (const auto place = WritePlaceForStep(step, debugMode); place.block) {
            blocks.push_back(*place.block);
        }
    }
    return blocks;
}

}  // namespace talvo::radio
