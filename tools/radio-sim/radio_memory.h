#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace talvo::radiosim {

// The radio's memory as the virtual radio keeps it: the 3,072 configuration bytes and the
// 48 bytes above them that the last write blocks reach.
inline constexpr std::size_t kMemorySize = 0xC30;
inline constexpr std::size_t kConfigSize = 0xC00;
using Memory = std::array<std::uint8_t, kMemorySize>;

// A memory holding a plausible configuration: named channels on both bands with tones,
// settings, both VFOs, FM presets and power levels.
Memory SampleMemory();

// A .dat file: 48-byte header starting "QDF-7K", then bytes 0x000..0xBFF. Bytes above 0xBFF
// are set to 0xFF on loading. Returns an error text, empty on success.
std::string LoadDatFile(const std::string& path, Memory& memory);
std::string SaveDatFile(const std::string& path, const Memory& memory);
// All 0xC30 bytes, no header.
std::string SaveRawFile(const std::string& path, const Memory& memory);

}  // namespace talvo::radiosim
