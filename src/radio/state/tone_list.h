#pragma once

#include <cstdint>
#include <string>

#include "model/language.h"

namespace talvo {

// The 265-entry tone list shared by every tone field: index 0 "Off" (follows the language),
// 1..50 CTCSS tones, 51..157 DCS codes with "N", 158..264 the same codes with "I".
inline constexpr int kToneCount = 265;
inline constexpr int kCtcssCount = 50;
inline constexpr int kDcsCount = 107;
inline constexpr int kFirstDcsNormal = 1 + kCtcssCount;                // 51
inline constexpr int kFirstDcsInverted = 1 + kCtcssCount + kDcsCount;  // 158

// Entry `index` (0..264): "Off" as a text, the others as they read in every language; an empty
// literal for an index outside the list.
Message ToneName(int index);

// Entry `index` 1..264, the same in every language (a reference that lives as long as the
// program); index 0 and indexes outside the list give an empty text.
const std::string& FixedToneText(int index);

// Low and high byte of a tone code -> its text ("67.0", "D023N", "D754I"; a code the list
// does not have gives a text no entry has).
std::string DecodeTone(std::uint8_t low, std::uint8_t high);

// The "Off" entry.
const Text& ToneOffText();

// The 50 CTCSS texts ("67.0" ...) and the 107 DCS code digit triples ("017" ...), in list order.
const char* CtcssText(int i);
const char* DcsDigits(int i);

}  // namespace talvo
