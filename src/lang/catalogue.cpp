#include "lang/catalogue.h"

#include <QDir>
#include <QTranslator>
#include <functional>
#include <map>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

#include "lang/pseudo_language.h"

namespace talvo {
namespace {

constexpr const char* kResourceFolder = ":/i18n";

// One loaded translator per catalogue, kept for the life of the program.
std::map<QString, std::unique_ptr<QTranslator>>& Loaded() {
    static std::map<QString, std::unique_ptr<QTranslator>> loaded;
    return loaded;
}

QTranslator* Catalogue(const QString& code) {
    auto& loaded = Loaded();
    if (auto it = loaded.find(code); it != loaded.end()) return it->second.get();
    if (code == QLatin1String("pseudo")) {
        return loaded.emplace(code, std::make_unique<PseudoTranslator>()).first->second.get();
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("talvo_") + code, QString::fromLatin1(kResourceFolder))) {
        translator.reset();
    }
    return loaded.emplace(code, std::move(translator)).first->second.get();
}

bool PseudoRequested() {
    static const bool pseudo = qgetenv("TALVO_LANG") == "pseudo";
    return pseudo;
}

// Looked-up words by the text's own pointers: marked texts are literals that live as long as
// the program, and a window or the printout asks for the same few hundred texts many times.
struct Key {
    const char* context;
    const char* source;
    const char* disambiguation;
    bool operator==(const Key&) const = default;
};
struct KeyHash {
    std::size_t operator()(const Key& k) const {
        const std::hash<const void*> h;
        return h(k.context) ^ (h(k.source) * 31) ^ (h(k.disambiguation) * 131);
    }
};
using WordCache = std::unordered_map<Key, std::string, KeyHash>;
// One per language shown so far: a switch back and forth finds its words kept.
WordCache& CacheOf(Language lang) {
    static std::vector<std::pair<Language, std::unique_ptr<WordCache>>> caches;
    for (auto& [code, cache] : caches) {
        if (code == lang) return *cache;
    }
    return *caches.emplace_back(lang, std::make_unique<WordCache>()).second;
}

std::string LookUp(const Text& text, const QString& code) {
    if (QTranslator* t = Catalogue(code)) {
        const QString words = t->translate(text.context, text.source, text.disambiguation);
        if (!words.isEmpty()) return words.toStdString();
    }
    return text.source;
}

}  // namespace

QStringList ShippedLanguages() {
    // The catalogues are built into the program: one look is enough.
    static const QStringList codes = [] {
        QStringList found;
        const QStringList files =
            QDir(QString::fromLatin1(kResourceFolder))
                .entryList({QStringLiteral("talvo_*.qm")}, QDir::Files, QDir::Name);
        for (const QString& f : files) found << f.mid(6, f.size() - 9);
        found.removeAll(QStringLiteral("en"));
        found.prepend(QStringLiteral("en"));
        return found;
    }();
    return codes;
}

QString LanguageOwnName(const QString& code) {
    if (code == QLatin1String("en")) return QStringLiteral("English");
    if (QTranslator* t = Catalogue(code)) {
        // The catalogue's translation of its own language's name.
        const QString name = t->translate("Language", "English");
        if (!name.isEmpty()) return name;
    }
    return code;
}

QString CodeOf(Language lang) {
    return QString::fromLatin1(lang.code());
}

std::optional<Language> ShippedLanguage(const QString& code) {
    if (!ShippedLanguages().contains(code)) return std::nullopt;
    return Language(code.toStdString());
}

Language DefaultLanguage() {
    return PseudoRequested() ? Language("pseudo") : kEnglish;
}

Language StartLanguage(LanguageFlagValue flag, const QString& further) {
    const Language flagged = LanguageOfFlag(flag);
    if (flagged == kChinese) return kChinese;
    if (PseudoRequested()) return DefaultLanguage();
    const std::optional<Language> stored = ShippedLanguage(further);
    return stored && *stored != kChinese ? *stored : kEnglish;
}

QString Tr(const Text& text, Language lang) {
    return QString::fromStdString(RenderText(text, lang));
}

QString Tr(const Message& message, Language lang) {
    return QString::fromStdString(Render(message, lang));
}

std::string Render(const Message& message, Language lang) {
    return Compose(message, WordsIn(lang));
}

std::string Words(const Text& text, Language lang, const std::vector<std::string>& args) {
    return FillArguments(RenderText(text, lang), args);
}

TextWords WordsIn(Language lang) {
    return [lang](const Text& text) { return RenderText(text, lang); };
}

std::vector<TextWords> WordsOfShippedLanguages() {
    std::vector<TextWords> all;
    for (const QString& code : ShippedLanguages()) {
        if (code != QLatin1String("en")) all.push_back(WordsIn(Language(code.toStdString())));
    }
    return all;
}

std::string RenderText(const Text& text, Language lang) {
    if (text.plural) {
        // The form depends on the count, so these words are not kept.
        QTranslator* t = lang == kEnglish ? nullptr : Catalogue(CodeOf(lang));
        const QString words =
            t ? t->translate(text.context, text.source, text.disambiguation, text.count)
              : QString();
        return words.isEmpty() ? EnglishWords(text) : FillCount(words.toStdString(), text.count);
    }
    if (lang == kEnglish) return text.source;
    WordCache& cache = CacheOf(lang);
    const Key key{text.context, text.source, text.disambiguation};
    if (auto it = cache.find(key); it != cache.end()) return it->second;
    return cache.emplace(key, LookUp(text, CodeOf(lang))).first->second;
}

}  // namespace talvo
