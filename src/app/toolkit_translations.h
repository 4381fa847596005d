#pragma once

#include "model/language.h"

namespace talvo {

// The toolkit's own texts (file dialog buttons and labels, the child windows' system menu, a
// text field's context menu) in the program's language: Chinese loads the toolkit's Chinese
// catalogue, English (or a catalogue that is not installed) leaves its built-in English texts.
// The program's own captions are not touched. Returns whether the Chinese catalogue is in use.
bool UseToolkitLanguage(LanguageFlagValue lang);

}  // namespace talvo
