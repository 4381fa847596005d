#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "radio/state/fm.h"

namespace talvo {

// Input rules of the FM channel window.

// Key filter of the channel cell editor and of the FM VFO field: digits and "." only.
std::optional<char> FilterFmKey(char c);
std::string FilterFmText(std::string_view text);

// The range a typed FM frequency must lie in, both ends included, in tenths of a MHz.
inline constexpr std::int64_t kFmLowestTenthMHz = 870;
inline constexpr std::int64_t kFmHighestTenthMHz = 1079;

enum class FmEntry {
    Empty,       // nothing typed: the channel (or VFO) becomes empty
    Accepted,    // in range: `text` is the rounded frequency
    OutOfRange,  // a number outside 87..107.9: the range message is shown
    NotNumber,   // not a number: the old text stays
};

struct FmEntryCheck {
    FmEntry outcome;
    std::string text;  // the rounded frequency when Accepted, else empty
};

// The check of a typed FM frequency, used when a cell editor or the VFO field is left.
FmEntryCheck CheckFmEntry(std::string_view text);

// The present channel text read as a 16-bit whole number (blanks around it and a sign allowed);
// nullopt when it is not a whole number in that range.
std::optional<std::int16_t> ParsePresentChannel(std::string_view text);

// OK of the FM window: copies the window's fields into the record. False, and nothing copied,
// while the present channel typed is no whole number.
bool CopyFmWindowToRecord(const FmWindowFields& fields, FmChannels& record);

}  // namespace talvo
