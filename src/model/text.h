#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/language.h"

namespace talvo {

// A text a person reads, as its English source and the catalogue context it belongs to; the
// words of a language come from the catalogue (translations/talvo_<code>.ts) through the
// renderer the front end installs. The macros mark the texts for lupdate (aliases of
// QT_TRANSLATE_NOOP and QT_TRANSLATE_NOOP3); `disambiguation` tells apart one English source
// with different translations in one context.
struct Text {
    const char* context = "";
    const char* source = "";
    const char* disambiguation = nullptr;

    // The words in `lang`: 0 Chinese, anything else the further language shown (English when
    // none), through the renderer; the English source when no renderer is installed.
    std::string words(LanguageFlagValue lang) const;
};

#define TALVO_TEXT(context, source) (::talvo::Text{context, source, nullptr})
#define TALVO_TEXT3(context, source, disambiguation) \
    (::talvo::Text{context, source, disambiguation})

// Looks up a text's words; returns an empty text when the catalogue has none for it.
using TextRenderer = std::string (*)(const Text& text, LanguageFlagValue lang);
// Installed once by each program at start (and by tests); null removes it.
void SetTextRenderer(TextRenderer renderer);

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

    std::string words(LanguageFlagValue lang) const;
    bool isLiteral() const { return text.source == nullptr; }

    Text text;
    std::vector<Message> args;
    std::string literal;
    // Applied to the finished words (a caption without its colon), when set.
    std::string (*finish)(std::string) = nullptr;
};

// The words of `text` in `lang` with "%1".."%9" replaced by `args`.
std::string Words(const Text& text, LanguageFlagValue lang,
                  const std::vector<std::string>& args = {});

// Replaces "%1".."%9" in `pattern` by `args`; a marker without an argument stays as it is.
std::string FillArguments(const std::string& pattern, const std::vector<std::string>& args);

}  // namespace talvo
