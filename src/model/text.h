#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace talvo {

// A text a person reads, as its English source and the catalogue context it belongs to; the
// words of a language come from the catalogue (translations/talvo_<code>.ts), which only the
// front ends read (src/lang): the core hands out texts and messages, never words. The macros mark
// the texts for lupdate (aliases of QT_TRANSLATE_NOOP and QT_TRANSLATE_NOOP3); `disambiguation`
// tells apart one English source with different translations in one context.
struct Text {
    const char* context = "";
    const char* source = "";
    const char* disambiguation = nullptr;
    // A text whose words depend on a count ("%n channels"): each catalogue holds one form per
    // plural class of its language, and `disambiguation` holds the English for a count of one.
    bool plural = false;
    int count = 0;  // what "%n" stands for and picks the form by
};

#define TALVO_TEXT(context, source) (::talvo::Text{context, source, nullptr})
#define TALVO_TEXT3(context, source, disambiguation) \
    (::talvo::Text{context, source, disambiguation})
// lupdate reads it as QT_TRANSLATE_N_NOOP3: the English for one is the entry's comment.
#define TALVO_PLURAL(context, source, one) (::talvo::Text{context, source, one, true})

// A text marked with TALVO_PLURAL, for `n` things.
inline Text Counted(Text text, int n) {
    text.count = n;
    return text;
}
// The English words of a counted text, its "%n" filled.
std::string EnglishWords(const Text& text);
// Replaces each "%n" in `words` by `n`.
std::string FillCount(const std::string& words, int n);

// The words of a text in the language a front end shows (never empty: the English source when
// the catalogue has none; an empty TextWords stands for the English sources). The core renders
// nothing itself: where it must put words into the state (the channel grid's list cells) or lay
// words out in columns, the caller passes them in.
using TextWords = std::function<std::string(const Text&)>;

// A text with its arguments, or a literal (data shown as it is: numbers, names, file names).
// "%1".."%9" in the text's words stand for the words of args[0]..args[8], each in the same
// language, so messages nest ("<window>: <what>").
struct Message {
    Message() = default;
    Message(const Text& t) : text(t) {}  // NOLINT: a text is a message without arguments
    Message(const Text& t, std::vector<Message> a) : text(t), args(std::move(a)) {}
    // Data, not translated.
    static Message Literal(std::string words) {
        Message m;
        m.text.source = nullptr;
        m.literal = std::move(words);
        return m;
    }
    // Messages joined by a pattern that needs no translation ("%1 / %2", "%1%2").
    static Message Join(std::string pattern, std::vector<Message> parts) {
        Message m = Literal(std::move(pattern));
        m.args = std::move(parts);
        return m;
    }

    bool isLiteral() const { return text.source == nullptr; }
    // An empty literal: no words at all.
    bool empty() const { return isLiteral() && literal.empty() && args.empty(); }

    Text text;
    std::vector<Message> args;
    std::string literal;
    // Applied to the finished words (a caption without its colon), when set.
    std::string (*finish)(std::string) = nullptr;
    // The arguments fill "{0}".."{9}" instead of "%1".."%9"; a marker without one is left out.
    bool braces = false;
};

// The messages one after another, as one.
Message Concat(std::vector<Message> parts);

// The words of `message` with each text's words from `words`: its arguments fill "%1".."%9",
// a literal stays as it is ("%1".."%9" in a literal with arguments are filled too, so data can
// join messages without a text of its own), then `finish` applies.
std::string Compose(const Message& message, const TextWords& words);

// Letters A-Z as a-z; every other byte as it is.
std::string AsciiLower(std::string_view text);

// The first of `count` entries whose words are `text` (letters A-Z in any case): in English
// first, then in each of `languages` in turn; nullopt when none is.
std::optional<int> EntryWithWords(int count, const std::function<Message(int)>& entry,
                                  std::string_view text, const std::vector<TextWords>& languages);

// Replaces "%1".."%9" in `pattern` by `args`; a marker without an argument stays as it is.
// FillBraces does the same for "{0}".."{9}", leaving out a marker without an argument.
std::string FillBraces(const std::string& pattern, const std::vector<std::string>& args);
std::string FillArguments(const std::string& pattern, const std::vector<std::string>& args);

}  // namespace talvo
