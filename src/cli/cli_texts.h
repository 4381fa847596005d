#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/language.h"

namespace talvo::cli {

// The language of the tool's own words (help, usage errors): English, or the pseudo-language of
// TALVO_LANG=pseudo, until a valid --lang chooses another.
Language ToolLanguage();

// The language of a --lang code ("zh", "en", "es", ...), which then is the tool's language;
// nullopt, changing nothing, for a code no catalogue has.
std::optional<Language> ChooseLanguage(const QString& code);

// The last valid --lang CODE (or --lang=CODE) before "--" anywhere in `args` is chosen, so that
// help and usage errors follow the language wherever on the line it was given.
void ChooseLanguageOf(const QStringList& args);

// The words of `text` in the tool's language with "%1".."%9" filled by `args`.
std::string Say(const Text& text, const std::vector<std::string>& args = {});

// The columns a terminal gives `text` (UTF-8): East Asian wide characters take two.
std::size_t DisplayWidth(const std::string& text);

// `text` in lines of at most `room` columns, broken at spaces and around wide characters (not
// before closing punctuation); a word longer than the room gets a line of its own.
std::vector<std::string> WrapWords(const std::string& text, std::size_t room);

// `synopsis` with its "en|zh|es" (how the commands' synopses write the choices of --lang) given
// as every shipped language: Chinese and English first, the further ones after them.
std::string WithShippedLanguages(std::string synopsis);

// "usage: " and the synopsis; the synopsis's further lines are indented by their own spaces
// plus the width of what stands before the synopsis in this language.
std::string UsageLines(const std::string& synopsis);

// A help paragraph: the text's words and a line end.
std::string Paragraph(const Text& text, const std::vector<std::string>& args = {});

// The "exit status: ..." sentence with the statuses filled in as "%1".."%9", and a line end.
std::string ExitStatusLine(const Text& text, const std::vector<int>& statuses);

// Option rows: "  --name ARG" and, from `column` on, the description, whose further lines start
// in that column too.
struct OptionRow {
    const char* option;
    Text text;
    std::vector<std::string> args = {};
};
std::string OptionRows(std::size_t column, const std::vector<OptionRow>& rows);

}  // namespace talvo::cli
