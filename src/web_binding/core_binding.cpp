// The Qt-free core as the browser page sees it (and the parity test under Node): a document
// holding one program state, the catalogues the page hands over, and the core's own functions
// behind them. Nothing here decides anything about the radio: every rule, codec and word comes
// from the core and translations/*.ts.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "cli/json_state.h"
#include "exchange/channel_export.h"
#include "exchange/exchange_notes.h"
#include "exchange/utf8_text.h"
#include "jobs/outcome_words.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/decode.h"
#include "radio/codecs/encode.h"
#include "radio/codecs/file_io.h"
#include "radio/fields/channel_fields.h"
#include "radio/state/program_state.h"

namespace talvo::web {
namespace {

using emscripten::val;

// One catalogue: (context, source, disambiguation) -> the translation, or a plural text's forms.
using CatalogueKey = std::tuple<std::string, std::string, std::string>;
using Catalogue = std::map<CatalogueKey, std::vector<std::string>>;

std::map<std::string, Catalogue>& Catalogues() {
    static std::map<std::string, Catalogue> catalogues;
    return catalogues;
}

// `entries` is the array web/tools/catalogue.mjs writes for one translations/talvo_<code>.ts:
// [context, source, disambiguation, form, ...] per message.
void AddCatalogue(const std::string& code, const val& entries) {
    Catalogue& catalogue = Catalogues()[code];
    catalogue.clear();
    const auto count = entries["length"].as<unsigned>();
    for (unsigned i = 0; i < count; ++i) {
        const std::vector<std::string> e = emscripten::vecFromJSArray<std::string>(entries[i]);
        if (e.size() < 4) continue;
        catalogue[{e[0], e[1], e[2]}] = std::vector<std::string>(e.begin() + 3, e.end());
    }
}

// The forms of `text`, looked up as the desktop's translator does: with its disambiguation,
// then without it. nullptr when the catalogue has none.
const std::vector<std::string>* FormsOf(const Text& text, const std::string& code) {
    const auto found = Catalogues().find(code);
    if (found == Catalogues().end()) return nullptr;
    const Catalogue& catalogue = found->second;
    std::string disambiguation = text.disambiguation ? text.disambiguation : "";
    for (;;) {
        const auto it = catalogue.find({text.context, text.source, disambiguation});
        if (it != catalogue.end() && !it->second.empty() && !it->second[0].empty()) {
            return &it->second;
        }
        if (disambiguation.empty()) return nullptr;
        disambiguation.clear();
    }
}

// The shipped catalogues have one form (zh) or two, the first for one thing (es).
TextWords WordsIn(const std::string& code) {
    return [code](const Text& text) -> std::string {
        const std::vector<std::string>* forms = code == "en" ? nullptr : FormsOf(text, code);
        if (text.plural) {
            if (!forms) return EnglishWords(text);
            const std::size_t form = forms->size() > 1 && text.count != 1 ? 1 : 0;
            return FillCount((*forms)[form], text.count);
        }
        return forms ? (*forms)[0] : std::string(text.source);
    };
}

std::string Say(const Message& message, const std::string& code) {
    return Compose(message, WordsIn(code));
}

// A JavaScript array of strings.
val Strings(const std::vector<std::string>& strings) {
    val array = val::array();
    for (const std::string& s : strings) array.call<void>("push", s);
    return array;
}

// "en" first, then the loaded catalogues' codes in alphabetical order.
val Languages() {
    std::vector<std::string> codes{"en"};
    for (const auto& entry : Catalogues()) {
        if (entry.first != "en") codes.push_back(entry.first);
    }
    return Strings(codes);
}

// The words of any catalogued text (the page's own labels are the desktop's).
std::string WordsOf(const std::string& context, const std::string& source,
                    const std::string& lang) {
    return WordsIn(lang)(Text{context.c_str(), source.c_str(), nullptr});
}

std::string LanguageOwnName(const std::string& code) {
    if (code == "en") return "English";
    const std::vector<std::string>* name = FormsOf(TALVO_TEXT("Language", "English"), code);
    return name ? (*name)[0] : code;
}

std::vector<std::uint8_t> BytesOf(const val& array) {
    return emscripten::convertJSArrayToNumberVector<std::uint8_t>(array);
}

val Uint8Array(const std::uint8_t* bytes, std::size_t size) {
    // A copy: the view would move with the module's memory.
    return val(emscripten::typed_memory_view(size, bytes)).call<val>("slice");
}

// Name bytes (any byte but 0xFF) as characters U+0000..U+00FF, as the desktop grid shows them.
std::string BytesAsCharacters(const std::string& bytes) {
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

// Open and Save go through the core's own file functions, on the module's in-memory file
// system: the page's bytes are the file.
constexpr const char* kScratchFile = "/tmp/talvo-document.dat";

class Document {
  public:
    Document() : state_(StartupState()) {}

    // Opens a .dat file's bytes as the Open command does: empty on success, else the reason in
    // `lang` naming `fileName`; on failure the document stays as it was.
    std::string open(const val& bytes, const std::string& fileName, const std::string& lang) {
        const std::vector<std::uint8_t> file = BytesOf(bytes);
        Status status = WriteFileAtomically(kScratchFile, file);
        if (status == Status::Ok) status = OpenDataFile(state_, kScratchFile);
        if (status == Status::Ok) return {};
        return Say(StatusMessage(status, VisibleText(fileName)), lang);
    }

    // The 3,120-byte file the Save command writes (empty on a failure of the scratch file).
    val save() {
        std::vector<std::uint8_t> file;
        if (SaveDataFile(state_, kScratchFile) != Status::Ok ||
            ReadFileBytes(kScratchFile, file) != Status::Ok) {
            file.clear();
        }
        return Uint8Array(file.data(), file.size());
    }

    // Spreads a 3,072-byte memory image over the document; false (nothing changed) for any
    // other length.
    bool decodeImage(const val& bytes) {
        const std::vector<std::uint8_t> image = BytesOf(bytes);
        if (image.size() != kConfigSize) return false;
        std::copy(image.begin(), image.end(), state_.RadioImage.begin());
        DecodeImage(state_);
        return true;
    }

    // The 3,072-byte memory image the document encodes to.
    val encodeImage() {
        EncodeImage(state_);
        return Uint8Array(state_.EncodedImage.data(), kConfigSize);
    }

    // The state as `talvo-cli decode --lang` prints it.
    std::string json(const std::string& lang) const {
        return cli::StateToJson(state_, WordsIn(lang));
    }

    // The channel grid: row 0..127 is channel 1..128; column 0 its number, 1..10 its fields.
    std::string cell(int row, int column, const std::string& lang) const {
        if (row < 0 || row >= kChannelCount || column < 0 || column >= kGridColumns) return {};
        if (column == 0) return std::to_string(row + 1);
        const std::string text =
            ChannelCellText(state_.channels.at(row + 1), column, WordsIn(lang));
        return column == kColName ? BytesAsCharacters(text) : text;
    }

    // The channel CSV file of the used channels, and what some rows could not carry.
    std::string csv() const { return ExportChannelsCsv(state_.channels, state_.band).text; }
    val csvNotes(const std::string& lang) const {
        std::vector<std::string> lines;
        for (const ExchangeNote& note : ExportChannelsCsv(state_.channels, state_.band).notes) {
            lines.push_back(Say(NoteText(note), lang));
        }
        return Strings(lines);
    }

  private:
    ProgramState state_;
};

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
        .function("csvNotes", &Document::csvNotes);
}

}  // namespace talvo::web
