// The core's tests read the Chinese catalogue without Qt: a small reader of the .ts file that
// the programs compile into their .qm catalogue.
#include "catalogue_words.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <tuple>

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

std::string Element(const std::string& xml, const char* name) {
    const std::regex re(std::string("<") + name + R"((?:\s[^>]*)?>([\s\S]*?)</)" + name + ">");
    std::smatch m;
    return std::regex_search(xml, m, re) ? Unescape(m[1].str()) : std::string();
}

std::map<Key, std::string> ReadCatalogue(const std::string& path) {
    std::ifstream in(path);
    std::stringstream all;
    all << in.rdbuf();
    const std::string xml = all.str();
    std::map<Key, std::string> words;
    const std::regex context(R"(<context>([\s\S]*?)</context>)");
    const std::regex message(R"(<message>([\s\S]*?)</message>)");
    for (std::sregex_iterator c(xml.begin(), xml.end(), context), end; c != end; ++c) {
        const std::string block = (*c)[1].str();
        const std::string name = Element(block, "name");
        for (std::sregex_iterator m(block.begin(), block.end(), message); m != end; ++m) {
            const std::string msg = (*m)[1].str();
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
    return it == words.end() || it->second.empty() ? std::string(text.source) : it->second;
}

TEST(CatalogueWords, TheChineseCatalogueIsRead) {
    EXPECT_GT(Chinese().size(), 400u);
}

}  // namespace

TextWords WordsOfCatalogue(const std::string& code) {
    if (code == "en") return [](const Text& text) { return std::string(text.source); };
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

TextWords WordsIn(LanguageFlagValue lang) {
    return WordsOfCatalogue(lang == kChinese ? "zh" : "en");
}

std::string Render(const Message& message, LanguageFlagValue lang) {
    return Compose(message, WordsIn(lang));
}
}  // namespace talvo
