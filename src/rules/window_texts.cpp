#include "rules/window_texts.h"

namespace talvo {

const FmWindowTexts& FmTexts() {
    static const FmWindowTexts texts;
    return texts;
}

const DtmfWindowTexts& DtmfTexts() {
    static const DtmfWindowTexts texts;
    return texts;
}

Message FirstDigitDelayMessage(int i) {
    return Message(DtmfTexts().delayEntry, {Message::Literal(std::to_string(i * 200))});
}

const DebugWindowTexts& DebugTexts() {
    static const DebugWindowTexts texts;
    return texts;
}

}  // namespace talvo
