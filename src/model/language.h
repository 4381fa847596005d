#pragma once

#include <cstdint>

namespace talvo {

// Program-wide language selector: 0 Chinese, 1 English. Any other value is kept as it is
// but makes the caption procedure change nothing.
using LanguageFlagValue = std::int16_t;
inline constexpr LanguageFlagValue kChinese = 0;
inline constexpr LanguageFlagValue kEnglish = 1;

inline bool IsKnownLanguage(LanguageFlagValue lang) {
    return lang == kChinese || lang == kEnglish;
}

}  // namespace talvo

// Every text a person reads is a Text (model/text.h).
#include "model/text.h"  // IWYU pragma: export
