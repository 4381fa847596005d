#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "model/language.h"
#include "model/text.h"

namespace talvo {

// The program's own catalogues (translations/talvo_<code>.ts, compiled into the program).
// English is the language of the source texts and needs none.

// Every language the program can show: "en" first, then the code of each catalogue built in
// ("zh", "es", ...) in alphabetical order.
QStringList ShippedLanguages();
// A language's name in its own words ("Español"), from its catalogue; the code when unknown.
QString LanguageOwnName(const QString& code);

// The code a shipped language goes by ("zh", "es"), and the language of a code: none when no
// catalogue of that code is built in.
QString CodeOf(Language lang);
std::optional<Language> ShippedLanguage(const QString& code);
// English, or the pseudo-language under TALVO_LANG=pseudo (tests): what a start shows where
// nothing else is chosen.
Language DefaultLanguage();
// The language a start begins with, from the stored flag and the code kept beside it: Chinese
// for 0; else the code when it names a shipped language besides Chinese, else the default.
Language StartLanguage(LanguageFlagValue flag, const QString& further);

// The words of `text` in `lang`, from its catalogue (English and a language without one: the
// source texts).
QString Tr(const Text& text, Language lang);
QString Tr(const Message& message, Language lang);

// The same as UTF-8, for the command line and the core's word parameters.
std::string RenderText(const Text& text, Language lang);
std::string Render(const Message& message, Language lang);
// The words of `text` in `lang` with "%1".."%9" replaced by `args`.
std::string Words(const Text& text, Language lang, const std::vector<std::string>& args = {});
// Every text's words in `lang`, for a core function that takes them.
TextWords WordsIn(Language lang);
// The words of every shipped language but English (whose words are the source texts), for
// reading what a person wrote in any of them.
std::vector<TextWords> WordsOfShippedLanguages();

}  // namespace talvo
