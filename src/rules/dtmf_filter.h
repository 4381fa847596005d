#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace talvo {

// Key filter of every DTMF text field: a lower-case letter becomes upper case, then only
// "0".."9", "A".."D", "*" and "#" are kept; nullopt drops the character.
std::optional<char> FilterDtmfKey(char c);
// The key filter applied to every character of `text`.
std::string FilterDtmfText(std::string_view text);

}  // namespace talvo
