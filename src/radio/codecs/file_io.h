#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "model/status.h"

namespace talvo {

// Reads a whole file, or its first `maxBytes` bytes. FileNotFound when it does not exist
// (nothing is created), CannotRead for any other failure (a folder, a device, an I/O error).
Status ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& out,
                     std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

// Writes `bytes` to a temporary file in the target's folder, flushes it to disk and renames it
// over the target, so a failure never leaves a half-written or stale-tailed file. An existing
// target keeps its permissions. CannotWrite on failure (the temporary file is removed).
Status WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace talvo
