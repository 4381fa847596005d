#include "cli/json_text.h"

#include <cstdint>
#include <cstdio>

namespace talvo::cli {
namespace {

void AppendCodePoint(std::string& out, std::uint32_t cp) {
    if (cp == '"' || cp == '\\') {
        out += '\\';
        out += static_cast<char>(cp);
    } else if (cp < 0x20) {
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(cp));
        out += escape;
    } else if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else {
        // Only code points up to U+00FF arrive here.
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Length of a valid UTF-8 sequence of two or more bytes at `i`, or 0.
std::size_t Utf8SequenceLength(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    std::size_t length;
    std::uint32_t cp;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > s.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    // No overlong forms, no surrogates, nothing beyond U+10FFFF.
    if ((length == 3 && cp < 0x800) || (length == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0;
    }
    return length;
}

}  // namespace

std::string JsonFromBytes(std::string_view bytes) {
    std::string out = "\"";
    for (char c : bytes) AppendCodePoint(out, static_cast<unsigned char>(c));
    out += '"';
    return out;
}

std::string JsonFromUtf8(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            if (const std::size_t n = Utf8SequenceLength(text, i)) {
                out.append(text.substr(i, n));
                i += n;
                continue;
            }
        }
        AppendCodePoint(out, c);
        ++i;
    }
    out += '"';
    return out;
}

}  // namespace talvo::cli
