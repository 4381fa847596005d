#pragma once

// The printout as the page shows it for the browser's Print and Save as PDF: the same elements
// in the same words as the desktop's print preview and talvo-cli print (rules/printout).
#include <emscripten/val.h>

#include <string>

#include "web_binding/web_document.h"

namespace talvo::web {

// [{kind, text, value}] in order ("newPage", "title", "heading", "lineFeed", "row", "grid"),
// the words in `lang`.
emscripten::val PrintoutOf(const Document& doc, const std::string& lang);
// The channel grid of the printout: {header, rows, columnTwips}.
emscripten::val PrintoutGridOf(const Document& doc, const std::string& lang);

}  // namespace talvo::web
