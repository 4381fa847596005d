#pragma once

#include <QLocale>

#include "model/language.h"

namespace talvo {

// The toolkit's own texts (file dialog buttons and labels, the child windows' system menu, a
// text field's context menu) in the language shown: Chinese loads the toolkit's Chinese
// catalogue, a further language ("es") its own, English (or a catalogue that is not
// installed) leaves its built-in English texts. The toolkit's default locale (file types, sizes
// and dates in the file dialogs) follows the language too: see ToolkitLocale. The program's own
// captions are not touched. Returns whether a toolkit catalogue is in use.
bool UseToolkitLanguage(Language lang);

// The locale of `lang`: Chinese (China) for Chinese; a further language's own locale; for English
// the system's own locale when it is an English one (or the plain C locale), else English (United
// States).
QLocale ToolkitLocale(Language lang);

}  // namespace talvo
