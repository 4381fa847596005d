#include "web_binding/print_binding.h"

#include <emscripten/bind.h>

#include "rules/printout.h"
#include "web_binding/catalogue_words.h"
#include "web_binding/js_values.h"

namespace talvo::web {
namespace {

using emscripten::val;

const char* KindName(PrintoutKind kind) {
    switch (kind) {
        case PrintoutKind::NewPage:
            return "newPage";
        case PrintoutKind::Title:
            return "title";
        case PrintoutKind::Heading:
            return "heading";
        case PrintoutKind::LineFeed:
            return "lineFeed";
        case PrintoutKind::Row:
            return "row";
        case PrintoutKind::Grid:
            break;
    }
    return "grid";
}

}  // namespace

val PrintoutOf(const Document& doc, const std::string& lang) {
    val elements = val::array();
    for (const PrintoutElement& e : PrintoutElements(doc.state(), WordsIn(lang))) {
        val element = val::object();
        element.set("kind", KindName(e.kind));
        element.set("text", e.text);
        element.set("value", e.value);
        elements.call<void>("push", element);
    }
    return elements;
}

val PrintoutGridOf(const Document& doc, const std::string& lang) {
    const PrintoutGrid grid = ChannelGridPrintout(doc.state(), WordsIn(lang));
    val out = val::object();
    out.set("header", Strings(grid.header));
    val rows = val::array();
    for (const auto& row : grid.rows) rows.call<void>("push", Strings(row));
    out.set("rows", rows);
    out.set("columnTwips", val::array(grid.columnTwips));
    return out;
}

EMSCRIPTEN_BINDINGS(talvo_print) {
    emscripten::function("printout", &PrintoutOf);
    emscripten::function("printoutGrid", &PrintoutGridOf);
}

}  // namespace talvo::web
