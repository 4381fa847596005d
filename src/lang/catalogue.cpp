#include "lang/catalogue.h"

#include <QDir>
#include <QTranslator>
#include <map>
#include <memory>

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
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("talvo_") + code, QString::fromLatin1(kResourceFolder))) {
        translator.reset();
    }
    return loaded.emplace(code, std::move(translator)).first->second.get();
}

QString& Further() {
    static QString code = QStringLiteral("en");
    return code;
}

}  // namespace

QStringList ShippedLanguages() {
    QStringList codes;
    const QStringList files =
        QDir(QString::fromLatin1(kResourceFolder))
            .entryList({QStringLiteral("talvo_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& f : files) codes << f.mid(6, f.size() - 9);
    codes.removeAll(QStringLiteral("en"));
    codes.prepend(QStringLiteral("en"));
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
    return true;
}

QString FurtherLanguage() {
    return Further();
}

QString Tr(const Text& text, LanguageFlagValue lang) {
    const QString code = lang == kChinese ? QStringLiteral("zh") : Further();
    if (code != QLatin1String("en")) {
        if (QTranslator* t = Catalogue(code)) {
            const QString words = t->translate(text.context, text.source, text.disambiguation);
            if (!words.isEmpty()) return words;
        }
    }
    return QString::fromUtf8(text.source);
}

QString Tr(const Message& message, LanguageFlagValue lang) {
    return QString::fromStdString(message.words(lang));
}

std::string RenderText(const Text& text, LanguageFlagValue lang) {
    return Tr(text, lang).toStdString();
}

}  // namespace talvo
