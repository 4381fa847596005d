#include "app/toolkit_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace talvo {
namespace {

// The catalogue of the toolkit's Chinese texts, owned by the application; installed while the
// language is Chinese.
struct Catalogue {
    QPointer<QTranslator> translator;
    bool installed = false;
};

Catalogue& ChineseCatalogue() {
    static Catalogue catalogue;
    if (!catalogue.translator) {
        catalogue.translator = new QTranslator(QCoreApplication::instance());
        catalogue.installed = false;
    }
    return catalogue;
}

}  // namespace

QLocale ToolkitLocale(LanguageFlagValue lang) {
    if (lang == kChinese) return QLocale(QLocale::Chinese, QLocale::China);
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::English || system.language() == QLocale::C) return system;
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

bool UseToolkitLanguage(LanguageFlagValue lang) {
    if (!QCoreApplication::instance()) return false;
    if (IsKnownLanguage(lang)) QLocale::setDefault(ToolkitLocale(lang));
    Catalogue& zh = ChineseCatalogue();
    const bool wanted = lang == kChinese;
    if (wanted && zh.translator->isEmpty() &&
        !zh.translator->load(QStringLiteral("qtbase_zh_CN"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;  // not installed: the toolkit's texts stay English
    }
    if (wanted != zh.installed) {
        if (wanted) {
            QCoreApplication::installTranslator(zh.translator);
        } else {
            QCoreApplication::removeTranslator(zh.translator);
        }
        zh.installed = wanted;
    }
    return wanted;
}

}  // namespace talvo
