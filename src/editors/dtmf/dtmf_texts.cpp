#include "editors/dtmf/dtmf_texts.h"

#include "lang/catalogue.h"

namespace talvo {

std::string FirstDigitDelayEntry(int i, Language lang) {
    return Words(DtmfTexts().delayEntry, lang, {std::to_string(i * 200)});
}

}  // namespace talvo
