#include "radio/codecs/data_file.h"

#include <algorithm>
#include <vector>

#include "radio/codecs/codecs.h"
#include "radio/codecs/decode.h"
#include "radio/codecs/encode.h"
#include "radio/codecs/file_io.h"

namespace talvo {
namespace {

constexpr std::array<std::uint8_t, 6> kSignature = {'Q', 'D', 'F', '-', '7', 'K'};
constexpr std::array<std::uint8_t, 5> kVersion = {'V', '0', '1', '0', '0'};
constexpr std::size_t kVersionOffset = 10;

}  // namespace

std::array<std::uint8_t, kDataFileSize> SerializeDataFile(const ImageBytes& image) {
    std::array<std::uint8_t, kDataFileSize> file;
    file.fill(0xFF);
    std::copy(kSignature.begin(), kSignature.end(), file.begin());
    std::copy(kVersion.begin(), kVersion.end(), file.begin() + kVersionOffset);
    std::copy(image.begin(), image.begin() + kConfigSize, file.begin() + kDataFileHeaderSize);
    return file;
}

Status ParseDataFile(std::span<const std::uint8_t> file, ImageBytes& image) {
    // The signature test compares the hexadecimal text of the first six bytes.
    if (file.size() >= kSignature.size()) {
        std::string hex;
        for (std::size_t i = 0; i < kSignature.size(); ++i) hex += TwoDigitHex(file[i]);
        if (hex != "5144462D374B") return Status::WrongFileType;
    }
    // The format has no shorter file: taking part of an image would mix two configurations.
    // A file too short to hold a signature is reported as truncated as well.
    if (file.size() < kDataFileSize) return Status::Truncated;
    std::copy(file.begin() + kDataFileHeaderSize, file.begin() + kDataFileSize, image.begin());
    return Status::Ok;
}

Status OpenDataFile(ProgramState& state, const std::string& path) {
    std::vector<std::uint8_t> bytes;
    // Bytes after the image (left by an older program that did not shorten files) are ignored.
    const Status read = ReadFileBytes(path, bytes, kDataFileSize);
    if (read != Status::Ok) return read;
    const Status parsed = ParseDataFile(bytes, state.RadioImage);
    if (parsed != Status::Ok) return parsed;
    state.band.BandPromptSuppressed = true;
    DecodeImage(state);
    return Status::Ok;
}

Status SaveDataFile(ProgramState& state, const std::string& path) {
    EncodeImage(state);
    const auto file = SerializeDataFile(state.EncodedImage);
    return WriteFileAtomically(path, file);
}

}  // namespace talvo
