#pragma once

#include <string>
#include <string_view>

namespace talvo::cli {

// A JSON string literal (with quotes) of a byte text: byte b is the character U+00bb, so any
// byte sequence gives valid JSON. Control characters are escaped.
std::string JsonFromBytes(std::string_view bytes);

// A JSON string literal of a UTF-8 text; a byte that is not part of a valid UTF-8 sequence is
// taken as U+00bb, so the result is valid JSON whatever the input.
std::string JsonFromUtf8(std::string_view text);

}  // namespace talvo::cli
