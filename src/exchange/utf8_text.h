#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace talvo {

// One character of UTF-8 text: its code point and its length in bytes. A byte that starts no
// complete sequence is one invalid character of one byte.
struct Utf8Char {
    char32_t code = 0;
    std::size_t size = 1;
    bool valid = true;
};
Utf8Char NextUtf8(std::string_view text, std::size_t at);

// `text` as it can be shown on one line: control characters (C0, DEL, C1) and bytes that are
// no valid UTF-8 become escapes ("\n", "\t", "\r", "\x00"), a backslash stays as it is.
// Nothing is cut: every byte is shown.
std::string VisibleText(std::string_view text);

}  // namespace talvo
