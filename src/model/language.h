#pragma once

#include <cstdint>
#include <string>

namespace talvo {

// Program-wide language selector: 0 Chinese, 1 English. Any other value is kept as it is
// but makes the caption procedure change nothing.
using LanguageFlagValue = std::int16_t;
inline constexpr LanguageFlagValue kChinese = 0;
inline constexpr LanguageFlagValue kEnglish = 1;

// One text in both languages. Texts that are the same in both languages carry it twice.
struct Bilingual {
    std::string zh;
    std::string en;

    // Callers choose by the flag at the moment of showing: 0 gives Chinese, anything else English.
    const std::string& pick(LanguageFlagValue lang) const { return lang == kChinese ? zh : en; }
};

inline bool IsKnownLanguage(LanguageFlagValue lang) { return lang == kChinese || lang == kEnglish; }

}  // namespace talvo
