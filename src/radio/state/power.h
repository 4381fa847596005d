#pragma once

#include <array>

#include "model/language.h"

namespace talvo {

// The six transmit power calibration values, slider order: A high, A middle, A low,
// B high, B middle, B low. Each 0..255.
using PowerGrades = std::array<int, 6>;
inline constexpr PowerGrades kPowerGradesAtStart = {218, 218, 116, 218, 218, 116};

// Frame captions of sliders 0..5 (the same three captions on each tab).
const Text& PowerFrameCaption(int slider);

}  // namespace talvo
