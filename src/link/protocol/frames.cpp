#include "link/protocol/frames.h"

namespace talvo::link {

namespace {

void PutHeader(Frame& frame, std::uint8_t mark, std::uint16_t address) {
    frame.push_back(mark);
    frame.push_back(static_cast<std::uint8_t>(address >> 8));
    frame.push_back(static_cast<std::uint8_t>(address & 0xFF));
    frame.push_back(kBlockLength);
}

}  // namespace

Frame ReadRequest(std::uint16_t address) {
    Frame frame;
    frame.reserve(4);
    PutHeader(frame, kReadMark, address);
    return frame;
}

Frame WriteBlock(std::uint16_t address, const ImageBytes& image) {
    Frame frame;
    frame.reserve(kBlockFrameSize);
    PutHeader(frame, kBlockMark, address);
    for (std::size_t k = 0; k < kBlockDataSize; ++k) {
        const std::size_t at = std::size_t{address} + k;
        frame.push_back(at < image.size() ? image[at] : 0x00);
    }
    return frame;
}

}  // namespace talvo::link
