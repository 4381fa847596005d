#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace talvo {

// The language a person reads, as its code: "zh", "en", "es", ... Which codes have words is the
// catalogues' business (src/lang); a code that is no language (a stored flag value this program
// does not know, kept as its digits) shows nothing and changes nothing.
class Language {
  public:
    static constexpr std::size_t kMaxCode = 7;

    constexpr Language() : Language("en") {}
    // A longer code is cut to kMaxCode characters.
    constexpr explicit Language(std::string_view code) {
        for (std::size_t i = 0; i < code.size() && i < kMaxCode; ++i) code_[i] = code[i];
    }

    constexpr std::string_view code() const {
        std::size_t n = 0;
        while (n < kMaxCode && code_[n] != '\0') ++n;
        return {code_.data(), n};
    }
    std::string str() const { return std::string(code()); }

    friend constexpr bool operator==(const Language&, const Language&) = default;

  private:
    std::array<char, kMaxCode + 1> code_{};
};

inline constexpr Language kChinese{"zh"};
inline constexpr Language kEnglish{"en"};

// A language's code is lower-case letters; anything else stands for no language.
constexpr bool IsKnownLanguage(Language lang) {
    const std::string_view code = lang.code();
    if (code.empty()) return false;
    for (const char c : code) {
        if (c < 'a' || c > 'z') return false;
    }
    return true;
}

// The language byte the stored settings and the program's clipboard form carry: 0 Chinese, 1
// English or any further language (whose code the settings keep beside it); any other value is
// no language this program knows and is kept as it is.
using LanguageFlagValue = std::int16_t;
LanguageFlagValue LanguageFlagOf(Language lang);
// The language of a stored flag: Chinese for 0, English for 1, else the flag as its digits.
Language LanguageOfFlag(LanguageFlagValue flag);

}  // namespace talvo

// Every text a person reads is a Text (model/text.h).
#include "model/text.h"  // IWYU pragma: export
