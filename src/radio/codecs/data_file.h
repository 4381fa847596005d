#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "model/status.h"
#include "radio/state/program_state.h"

namespace talvo {

inline constexpr std::size_t kDataFileSize = 3120;
inline constexpr std::size_t kDataFileHeaderSize = 48;

// The 3,120-byte file: header ("QDF-7K", FF x4, "V0100", FF x33) then image 0x000..0xBFF.
std::array<std::uint8_t, kDataFileSize> SerializeDataFile(const ImageBytes& image);

// Checks the signature (WrongFileType) and the length (Truncated); on success copies the image
// bytes into 0x000..0xBFF of `image` (0xC00 keeps its value). On failure `image` is unchanged.
Status ParseDataFile(std::span<const std::uint8_t> file, ImageBytes& image);

// Open: read the file, parse into RadioImage, suppress the band question, decode. On any
// failure the state is unchanged.
Status OpenDataFile(ProgramState& state, const std::string& path);

// Save: encode, then write the file atomically (exactly 3,120 bytes).
Status SaveDataFile(ProgramState& state, const std::string& path);

}  // namespace talvo
