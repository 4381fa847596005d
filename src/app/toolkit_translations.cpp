#include "app/toolkit_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QMap>
#include <QPointer>
#include <QTranslator>

#include "lang/catalogue.h"

namespace talvo {
namespace {

// The toolkit's catalogues loaded so far, by name, owned by the application; one at a time is
// installed.
struct Catalogues {
    QMap<QString, QPointer<QTranslator>> loaded;
    QString installed;
};

Catalogues& ToolkitCatalogues() {
    static Catalogues catalogues;
    return catalogues;
}

// The toolkit's catalogue of `lang`: Chinese (China) for Chinese, a further language's own;
// none for English.
QString CatalogueName(Language lang) {
    if (lang == kChinese) return QStringLiteral("qtbase_zh_CN");
    const QString code = CodeOf(lang);
    if (lang == kEnglish || !ShippedLanguages().contains(code)) return {};
    return QStringLiteral("qtbase_") + code;
}

// The loaded catalogue `name`; null when it is not installed on this system.
QTranslator* Load(const QString& name) {
    QPointer<QTranslator>& t = ToolkitCatalogues().loaded[name];
    if (!t) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            delete translator;
            return nullptr;
        }
        t = translator;
    }
    return t;
}

}  // namespace

QLocale ToolkitLocale(Language lang) {
    if (lang == kChinese) return QLocale(QLocale::Chinese, QLocale::China);
    if (lang != kEnglish && ShippedLanguages().contains(CodeOf(lang))) return QLocale(CodeOf(lang));
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::English || system.language() == QLocale::C) return system;
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

bool UseToolkitLanguage(Language lang) {
    if (!QCoreApplication::instance()) return false;
    if (IsKnownLanguage(lang)) QLocale::setDefault(ToolkitLocale(lang));
    Catalogues& catalogues = ToolkitCatalogues();
    QString wanted = CatalogueName(lang);
    QTranslator* translator = wanted.isEmpty() ? nullptr : Load(wanted);
    if (!translator) wanted.clear();  // not installed: the toolkit's texts stay English
    if (wanted != catalogues.installed) {
        if (QTranslator* old = catalogues.loaded.value(catalogues.installed))
            QCoreApplication::removeTranslator(old);
        if (translator) QCoreApplication::installTranslator(translator);
        catalogues.installed = wanted;
    }
    return translator != nullptr;
}

}  // namespace talvo
