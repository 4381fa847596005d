#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/status.h"

namespace talvo {

// Reads a whole file. FileNotFound when it does not exist (nothing is created), CannotRead
// for any other failure.
Status ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& out);

// Writes `bytes` to a temporary file in the target's folder and renames it over the target,
// so a failure never leaves a half-written or stale-tailed file. CannotWrite on failure.
Status WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace talvo
