#pragma once

#include <QString>

#include "model/language.h"

namespace talvo {

// The path of the help file of `lang` ("HB27.CHM" / "HB27E.CHM") beside the program; empty for
// a flag that is no language.
QString HelpFilePath(Language lang);
// Opens the help file of `lang` with the desktop's viewer; a missing file shows nothing.
void ShowHelpFile(Language lang);

}  // namespace talvo
