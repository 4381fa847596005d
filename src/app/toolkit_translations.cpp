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

bool UseToolkitLanguage(LanguageFlagValue lang) {
    if (!QCoreApplication::instance()) return false;
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
