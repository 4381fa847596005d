#include "model/text.h"

#include <iterator>

namespace talvo {

std::string FillCount(const std::string& words, int n) {
    std::string out;
    out.reserve(words.size() + 8);
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] == '%' && i + 1 < words.size() && words[i + 1] == 'n') {
            out += std::to_string(n);
            ++i;
        } else {
            out += words[i];
        }
    }
    return out;
}

std::string EnglishWords(const Text& text) {
    const bool one = text.plural && text.count == 1 && text.disambiguation;
    const std::string words = one ? text.disambiguation : text.source;
    return text.plural ? FillCount(words, text.count) : words;
}

std::string Compose(const Message& message, const TextWords& words) {
    std::string w;
    if (message.isLiteral()) {
        w = message.literal;
    } else {
        if (words) w = words(message.text);
        if (w.empty()) w = EnglishWords(message.text);
    }
    if (!message.args.empty()) {
        std::vector<std::string> filled;
        filled.reserve(message.args.size());
        for (const Message& a : message.args) filled.push_back(Compose(a, words));
        w = message.braces ? FillBraces(w, filled) : FillArguments(w, filled);
    }
    return message.finish ? message.finish(std::move(w)) : w;
}

Message Concat(std::vector<Message> parts) {
    constexpr std::size_t kMost = 9;  // "%1".."%9"
    if (parts.size() > kMost) {
        std::vector<Message> rest(std::make_move_iterator(parts.begin() + kMost - 1),
                                  std::make_move_iterator(parts.end()));
        parts.resize(kMost - 1);
        parts.push_back(Concat(std::move(rest)));
    }
    std::string pattern;
    for (std::size_t i = 1; i <= parts.size(); ++i) pattern += "%" + std::to_string(i);
    return Message::Join(std::move(pattern), std::move(parts));
}

std::string FillBraces(const std::string& pattern, const std::vector<std::string>& args) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}' &&
            pattern[i + 1] >= '0' && pattern[i + 1] <= '9') {
            const auto k = static_cast<std::size_t>(pattern[i + 1] - '0');
            if (k < args.size()) out += args[k];
            i += 2;
            continue;
        }
        out.push_back(pattern[i]);
    }
    return out;
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

std::string AsciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::optional<int> EntryWithWords(int count, const std::function<Message(int)>& entry,
                                  std::string_view text, const std::vector<TextWords>& languages) {
    const std::string wanted = AsciiLower(text);
    std::vector<TextWords> all{TextWords{}};  // empty: the English sources
    all.insert(all.end(), languages.begin(), languages.end());
    for (const TextWords& words : all) {
        for (int i = 0; i < count; ++i) {
            if (AsciiLower(Compose(entry(i), words)) == wanted) return i;
        }
    }
    return std::nullopt;
}

}  // namespace talvo
