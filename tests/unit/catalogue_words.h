#pragma once

// The core's tests render its messages without Qt: Chinese from the catalogue's source file
// (translations/talvo_zh.ts), any other language as the English source, as the programs do
// when English is shown.
#include <string>
#include <vector>

#include "model/language.h"
#include "model/text.h"

namespace talvo {

TextWords WordsIn(Language lang);
// The words of the shipped catalogue translations/talvo_<code>.ts ("en": the sources).
TextWords WordsOfCatalogue(const std::string& code);
// "en" and the code of every translations/talvo_<code>.ts.
std::vector<std::string> ShippedCatalogues();
std::string Render(const Message& message, Language lang);

}  // namespace talvo
