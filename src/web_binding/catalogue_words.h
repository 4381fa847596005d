#pragma once

// The catalogues the page hands over (translations/*.ts as catalogues.json) and the words of the
// core's messages in them.
#include <emscripten/val.h>

#include <string>

#include "model/text.h"

namespace talvo::web {

// Adds or replaces the catalogue of language `code`: [context, source, disambiguation, form,
// ...] per message.
void AddCatalogue(const std::string& code, const emscripten::val& entries);
// The words of a text in language `code`, as the desktop's translator finds them.
TextWords WordsIn(const std::string& code);
std::string Say(const Message& message, const std::string& code);
// "en" first, then the loaded catalogues' codes in alphabetical order.
emscripten::val Languages();
// The words of any catalogued text (the page's own labels are the desktop's).
std::string WordsOf(const std::string& context, const std::string& source, const std::string& lang);
// A language's name in that language.
std::string LanguageOwnName(const std::string& code);

}  // namespace talvo::web
