#include "lang/catalogue.h"

#include <QDir>
#include <QTranslator>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <unordered_map>

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

// TALVO_LANG=pseudo (tests) shows the pseudo-language where English would show.
QString& Further() {
    static QString code =
        qgetenv("TALVO_LANG") == "pseudo" ? QStringLiteral("pseudo") : QStringLiteral("en");
    return code;
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
// [0] Chinese, [1] the further language.
std::array<WordCache, 2>& Caches() {
    static std::array<WordCache, 2> caches;
    return caches;
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

bool SetFurtherLanguage(const QString& code) {
    if (code == QLatin1String("zh") || !ShippedLanguages().contains(code)) return false;
    Further() = code;
    Caches()[1].clear();
    return true;
}

QString FurtherLanguage() {
    return Further();
}

void RestoreFurtherLanguage(const QString& stored) {
    if (Further() == QLatin1String("pseudo")) return;
    if (stored.isEmpty() || !SetFurtherLanguage(stored)) SetFurtherLanguage(QStringLiteral("en"));
}

QString ShownLanguage(LanguageFlagValue lang) {
    return lang == kChinese ? QStringLiteral("zh") : Further();
}

QString Tr(const Text& text, LanguageFlagValue lang) {
    return QString::fromStdString(RenderText(text, lang));
}

QString Tr(const Message& message, LanguageFlagValue lang) {
    return QString::fromStdString(Render(message, lang));
}

std::string Render(const Message& message, LanguageFlagValue lang) {
    return Compose(message, WordsIn(lang));
}

std::string Words(const Text& text, LanguageFlagValue lang, const std::vector<std::string>& args) {
    return FillArguments(RenderText(text, lang), args);
}

TextWords WordsIn(LanguageFlagValue lang) {
    return [lang](const Text& text) { return RenderText(text, lang); };
}

std::string RenderText(const Text& text, LanguageFlagValue lang) {
    const bool chinese = lang == kChinese;
    if (text.plural) {
        // The form depends on the count, so these words are not kept.
        const QString code = chinese ? QStringLiteral("zh") : Further();
        QTranslator* t = code == QLatin1String("en") ? nullptr : Catalogue(code);
        const QString words =
            t ? t->translate(text.context, text.source, text.disambiguation, text.count)
              : QString();
        return words.isEmpty() ? EnglishWords(text) : FillCount(words.toStdString(), text.count);
    }
    if (!chinese && Further() == QLatin1String("en")) return text.source;
    WordCache& cache = Caches()[chinese ? 0 : 1];
    const Key key{text.context, text.source, text.disambiguation};
    if (auto it = cache.find(key); it != cache.end()) return it->second;
    return cache.emplace(key, LookUp(text, chinese ? QStringLiteral("zh") : Further()))
        .first->second;
}

}  // namespace talvo
