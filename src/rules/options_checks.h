#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/decimal_number.h"
#include "radio/state/options.h"

namespace talvo {

// Input rules of the optional-features window's text fields.

// Key filter: the character a typed `c` becomes in `field`, or nullopt when it is dropped.
std::optional<char> FilterOptionsKey(TextId field, char c);
// The key filter applied to every character of `text` (typed or pasted at once).
std::string FilterOptionsText(TextId field, std::string_view text);
// True for the fields whose Enter key runs the leave check (the others drop Enter).
bool EnterRunsLeaveCheck(TextId field);

// Channel numbers while typing: a number value above 128 becomes "128"; else unchanged.
std::string ChannelNumberWhileTyping(std::string_view text);
// Channel numbers on leaving: the whole-number part of the number value, empty below 1.
std::string ChannelNumberOnLeave(std::string_view text);
// VFO frequency on leaving: in range (A 136 <= f < 174, B 400 <= f < 470) snapped to the
// raster with five decimals; otherwise the group's start text.
std::string VfoFrequencyOnLeave(TextId field, std::string_view text);
// VFO offset on leaving: capped at 99.995, snapped to the raster, shortest decimal text.
std::string OffsetDataOnLeave(std::string_view text);
// The leave check of `field` (the text unchanged for fields without one).
std::string OptionsLeaveCheck(TextId field, std::string_view text);

// Stores what `text` typed into `field` stands for: the value the field holds once the
// window's checks (the channel number clamp and the leave check) have run on it. The window
// stores on every key, so a file saved while a field is being typed in gets the value the
// field will show when it is left.
void StoreSettingText(OptionalFeatures& options, TextId field, std::string_view text);

// The leading number of `text` in plain form: integer digits without leading zeros, then the
// decimals if there is a point ("0438.5x" gives "438.5", "" gives "0").
std::string LeadingNumberText(std::string_view text);
// The shortest decimal text of a number with at most five decimals (10 -> "10", 12.5 -> "12.5").
std::string ShortestDecimalText(const DecimalNumber& value);

}  // namespace talvo
