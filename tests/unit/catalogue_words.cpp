// The core's tests read the Chinese catalogue without Qt: a small reader of the .ts file that
// the programs compile into their .qm catalogue.
#include "catalogue_words.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <tuple>
#include <vector>

#include "model/text.h"

namespace talvo {
namespace {

using Key = std::tuple<std::string, std::string, std::string>;  // context, source, comment

std::string Unescape(std::string s) {
    static const std::pair<const char*, const char*> kEntities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [from, to] : kEntities) {
        for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + 1)) {
            s.replace(at, std::strlen(from), to);
        }
    }
    return s;
}

// The contents of each <name ...>...</name> element of `xml`, in order (an element written
// <name/> is empty). Plain searching: a regular expression recurses per character and runs
// out of stack on long messages.
std::vector<std::string> Elements(const std::string& xml, const std::string& name) {
    std::vector<std::string> out;
    const std::string open = "<" + name;
    const std::string close = "</" + name + ">";
    std::size_t at = xml.find(open);
    while (at != std::string::npos) {
        const std::size_t after = at + open.size();
        if (after >= xml.size() ||
            !(xml[after] == '>' || std::isspace(static_cast<unsigned char>(xml[after])) ||
              xml[after] == '/')) {
            at = xml.find(open, after);
            continue;
        }
        const std::size_t start = xml.find('>', after);
        if (start == std::string::npos) break;
        if (xml[start - 1] == '/') {
            out.emplace_back();
            at = xml.find(open, start);
            continue;
        }
        const std::size_t end = xml.find(close, start + 1);
        if (end == std::string::npos) break;
        out.push_back(xml.substr(start + 1, end - start - 1));
        at = xml.find(open, end + close.size());
    }
    return out;
}

std::string Element(const std::string& xml, const char* name) {
    const std::vector<std::string> all = Elements(xml, name);
    return all.empty() ? std::string() : Unescape(all.front());
}

std::map<Key, std::string> ReadCatalogue(const std::string& path) {
    std::ifstream in(path);
    std::stringstream all;
    all << in.rdbuf();
    const std::string xml = all.str();
    std::map<Key, std::string> words;
    for (const std::string& block : Elements(xml, "context")) {
        const std::string name = Element(block, "name");
        for (const std::string& msg : Elements(block, "message")) {
            words[{name, Element(msg, "source"), Element(msg, "comment")}] =
                Element(msg, "translation");
        }
    }
    return words;
}

const std::map<Key, std::string>& Catalogue(const std::string& code) {
    static std::map<std::string, std::map<Key, std::string>> read;
    auto it = read.find(code);
    if (it == read.end()) {
        it = read.emplace(code, ReadCatalogue(TALVO_TRANSLATIONS_DIR "/talvo_" + code + ".ts"))
                 .first;
    }
    return it->second;
}

const std::map<Key, std::string>& Chinese() {
    return Catalogue("zh");
}

std::string LookUp(const std::map<Key, std::string>& words, const Text& text) {
    const auto it =
        words.find({text.context, text.source, text.disambiguation ? text.disambiguation : ""});
    if (it == words.end() || it->second.empty()) return EnglishWords(text);
    if (!text.plural) return it->second;
    // The shipped languages have at most two forms: one, and the rest.
    const std::vector<std::string> forms = Elements(it->second, "numerusform");
    const std::size_t form = forms.size() > 1 && text.count != 1 ? 1 : 0;
    return forms.empty() ? EnglishWords(text) : FillCount(forms[form], text.count);
}

TEST(CatalogueWords, TheChineseCatalogueIsRead) {
    EXPECT_GT(Chinese().size(), 400u);
}

}  // namespace

TextWords WordsOfCatalogue(const std::string& code) {
    if (code == "en") return [](const Text& text) { return EnglishWords(text); };
    const auto& words = Catalogue(code);
    return [&words](const Text& text) { return LookUp(words, text); };
}

std::vector<std::string> ShippedCatalogues() {
    std::vector<std::string> codes{"en"};
    for (const auto& entry : std::filesystem::directory_iterator(TALVO_TRANSLATIONS_DIR)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("talvo_", 0) == 0 && entry.path().extension() == ".ts") {
            codes.push_back(name.substr(6, name.size() - 9));
        }
    }
    return codes;
}

TextWords WordsIn(Language lang) {
    return WordsOfCatalogue(lang == kChinese ? "zh" : "en");
}

std::string Render(const Message& message, Language lang) {
    return Compose(message, WordsIn(lang));
}
}  // namespace talvo
