#include "model/language.h"

#include <charconv>

namespace talvo {

LanguageFlagValue LanguageFlagOf(Language lang) {
    if (lang == kChinese) return 0;
    if (IsKnownLanguage(lang)) return 1;
    // No language: the flag it was read from.
    const std::string_view code = lang.code();
    LanguageFlagValue flag = 1;
    const auto [end, error] = std::from_chars(code.data(), code.data() + code.size(), flag);
    return error == std::errc() && end == code.data() + code.size() ? flag : 1;
}

Language LanguageOfFlag(LanguageFlagValue flag) {
    if (flag == 0) return kChinese;
    if (flag == 1) return kEnglish;
    return Language(std::to_string(flag));
}

}  // namespace talvo
