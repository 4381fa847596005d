// The Qt-free core as the browser page sees it (and the parity test under Node): a document
// holding one program state, the catalogues the page hands over, and the core's own functions
// behind them. Nothing here decides anything about the radio: every rule, codec and word comes
// from the core and translations/*.ts.
#include <emscripten/bind.h>

#include <string>

#include "radio/fields/channel_fields.h"
#include "radio/state/program_state.h"
#include "web_binding/catalogue_words.h"
#include "web_binding/web_document.h"

namespace talvo::web {
namespace {

std::string ColumnHeaderText(int column, const std::string& lang) {
    if (column < 0 || column >= kGridColumns) return {};
    return WordsIn(lang)(ColumnHeader(column));
}

int ChannelCount() {
    return kChannelCount;
}

int ColumnCount() {
    return kGridColumns;
}

}  // namespace

EMSCRIPTEN_BINDINGS(talvo_core) {
    using namespace emscripten;
    function("addCatalogue", &AddCatalogue);
    function("languages", &Languages);
    function("languageName", &LanguageOwnName);
    function("words", &WordsOf);
    function("channelCount", &ChannelCount);
    function("columnCount", &ColumnCount);
    function("columnHeader", &ColumnHeaderText);
    class_<Document>("Document")
        .constructor<>()
        .function("open", &Document::open)
        .function("save", &Document::save)
        .function("decodeImage", &Document::decodeImage)
        .function("encodeImage", &Document::encodeImage)
        .function("json", &Document::json)
        .function("cell", &Document::cell)
        .function("csv", &Document::csv)
        .function("csvNotes", &Document::csvNotes)
        .function("undo", &Document::undo)
        .function("redo", &Document::redo)
        .function("canUndo", &Document::canUndo)
        .function("canRedo", &Document::canRedo)
        .function("modified", &Document::modified)
        .function("revision", &Document::revision)
        .function("markSaved", &Document::markSaved)
        .function("startNew", &Document::startNew);
}

}  // namespace talvo::web
