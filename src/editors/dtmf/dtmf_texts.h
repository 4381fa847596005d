#pragma once

// The DTMF window's texts are the core's, shared with the browser page.
#include <string>

#include "rules/window_texts.h"

namespace talvo {

// Entry `i` of the relabelled first-digit-delay list: i x 200 followed by the unit.
std::string FirstDigitDelayEntry(int i, Language lang);

}  // namespace talvo
