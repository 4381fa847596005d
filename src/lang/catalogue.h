#pragma once

#include <QString>
#include <QStringList>
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

// The language that the flag's non-Chinese value shows: "en" (the source texts) or the code of
// a further catalogue. False, changing nothing, when `code` is not shipped or is "zh".
bool SetFurtherLanguage(const QString& code);
QString FurtherLanguage();
// The further language a start begins with: `stored` (the remembered code) when it is shipped,
// else English; the pseudo-language of TALVO_LANG=pseudo stays.
void RestoreFurtherLanguage(const QString& stored);
// The code of the language that `lang` shows: "zh" for Chinese, else FurtherLanguage().
QString ShownLanguage(LanguageFlagValue lang);

// The words of `text` in `lang` (0 Chinese, else the further language), from the catalogues.
QString Tr(const Text& text, LanguageFlagValue lang);
QString Tr(const Message& message, LanguageFlagValue lang);

// The same as UTF-8, for the command line and the core's word parameters.
std::string RenderText(const Text& text, LanguageFlagValue lang);
std::string Render(const Message& message, LanguageFlagValue lang);
// The words of `text` in `lang` with "%1".."%9" replaced by `args`.
std::string Words(const Text& text, LanguageFlagValue lang,
                  const std::vector<std::string>& args = {});
// Every text's words in `lang`, for a core function that takes them.
TextWords WordsIn(LanguageFlagValue lang);

}  // namespace talvo
