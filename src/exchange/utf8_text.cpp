#include "exchange/utf8_text.h"

namespace talvo {

Utf8Char NextUtf8(std::string_view text, std::size_t at) {
    const auto b = static_cast<unsigned char>(text[at]);
    const int extra = b < 0x80           ? 0
                      : (b >> 5) == 0x6  ? 1
                      : (b >> 4) == 0xE  ? 2
                      : (b >> 3) == 0x1E ? 3
                                         : -1;
    Utf8Char out;
    if (extra < 0) {
        out.code = b;
        out.valid = false;
        return out;
    }
    char32_t cp = extra == 0 ? b : extra == 1 ? b & 0x1F : extra == 2 ? b & 0x0F : b & 0x07;
    for (int k = 1; k <= extra; ++k) {
        const std::size_t i = at + static_cast<std::size_t>(k);
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) >> 6) != 2) {
            out.code = b;
            out.valid = false;
            return out;
        }
        cp = (cp << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are no UTF-8 either.
    static constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kLeast[extra] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
        out.code = b;
        out.valid = false;
        return out;
    }
    out.code = cp;
    out.size = 1 + static_cast<std::size_t>(extra);
    return out;
}

std::string VisibleText(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Char c = NextUtf8(text, i);
        const bool control = c.code < 0x20 || c.code == 0x7F || (c.code >= 0x80 && c.code < 0xA0);
        if (c.valid && !control) {
            out.append(text.substr(i, c.size));
        } else if (c.valid && c.code == '\n') {
            out += "\\n";
        } else if (c.valid && c.code == '\r') {
            out += "\\r";
        } else if (c.valid && c.code == '\t') {
            out += "\\t";
        } else {
            // Each byte of the character, so the escapes name the file's very bytes.
            for (std::size_t k = 0; k < c.size; ++k) {
                const auto b = static_cast<unsigned char>(text[i + k]);
                out += "\\x";
                out.push_back(kHex[b >> 4]);
                out.push_back(kHex[b & 0xF]);
            }
        }
        i += c.size;
    }
    return out;
}

}  // namespace talvo
