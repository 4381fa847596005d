#include "ui/language_change.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace talvo {
namespace {

Language& Shown() {
    static Language lang = kChinese;
    return lang;
}

}  // namespace

Language WindowLanguage() {
    return Shown();
}

void AnnounceLanguage(Language lang) {
    if (!IsKnownLanguage(lang)) return;
    Shown() = lang;
    // Installing or removing a translator posts the event to every window, and a second time
    // to each child window (a dialog) through its parent; one sent event replaces them all.
    QCoreApplication::removePostedEvents(nullptr, QEvent::LanguageChange);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->parentWidget()) continue;  // reached through its parent
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(w, &change);
    }
}

bool TakeLanguage(const QEvent* event, Language& lang) {
    if (event->type() != QEvent::LanguageChange) return false;
    lang = WindowLanguage();
    return true;
}

}  // namespace talvo
