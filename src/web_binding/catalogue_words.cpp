#include "web_binding/catalogue_words.h"

#include <map>
#include <tuple>
#include <vector>

#include "web_binding/js_values.h"

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

}  // namespace

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

namespace {

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
}  // namespace

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

}  // namespace talvo::web
