#pragma once

#include <cstdint>
#include <optional>

#include "model/frequency.h"

namespace talvo {

// The exchange counts frequencies in whole hertz; a channel holds them as 10 Hz digits.

// `frequency` in hertz; nullopt when a digit is above 9 (the memory of a damaged image).
inline std::optional<std::int64_t> HzOf(const Frequency& frequency) {
    const auto units = frequency.tenHz();
    if (!units) return std::nullopt;
    return std::int64_t{*units} * 10;
}

// `hz`, a whole multiple of 10 below 1000 MHz, as a channel holds it.
inline Frequency FrequencyOfHz(std::int64_t hz) {
    return Frequency::FromTenHz(static_cast<std::uint32_t>(hz / 10));
}

}  // namespace talvo
