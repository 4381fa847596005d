#pragma once

#include "model/language.h"

class QEvent;

namespace talvo {

// The language the windows show. A language switch records it and sends one
// QEvent::LanguageChange to every window; each window then writes its own texts again in its
// changeEvent, reading the language from here (or from the state it shows, which holds the
// same flag). A window created later writes them in this language when it is made.
Language WindowLanguage();

// Records `lang` as shown and delivers one QEvent::LanguageChange, synchronously, to every
// widget: each window without a parent gets it, and a widget passes it on to its children,
// hidden ones and child windows (dialogs, menus) included. The event the toolkit posts when
// its own translations change is dropped, so no window retranslates twice. A flag that is no
// language changes nothing.
void AnnounceLanguage(Language lang);

// For a window's changeEvent: true for the language-change event, with `lang` set to the
// language now shown.
bool TakeLanguage(const QEvent* event, Language& lang);

}  // namespace talvo
