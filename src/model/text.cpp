#include "model/text.h"

namespace talvo {
namespace {

TextRenderer g_renderer = nullptr;

}  // namespace

void SetTextRenderer(TextRenderer renderer) {
    g_renderer = renderer;
}

std::string Text::words(LanguageFlagValue lang) const {
    if (g_renderer != nullptr) {
        std::string w = g_renderer(*this, lang);
        if (!w.empty()) return w;
    }
    return source;
}

std::string Message::words(LanguageFlagValue lang) const {
    if (isLiteral()) return finish ? finish(literal) : literal;
    std::vector<std::string> filled;
    filled.reserve(args.size());
    for (const Message& a : args) filled.push_back(a.words(lang));
    std::string w = FillArguments(text.words(lang), filled);
    return finish ? finish(std::move(w)) : w;
}

std::string Words(const Text& text, LanguageFlagValue lang, const std::vector<std::string>& args) {
    return FillArguments(text.words(lang), args);
}

std::string FillArguments(const std::string& pattern, const std::vector<std::string>& args) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < args.size()) {
                out += args[n];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

}  // namespace talvo
