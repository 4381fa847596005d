#include "editors/debug/debug_texts.h"

namespace talvo {

const DebugWindowTexts& DebugTexts() {
    static const DebugWindowTexts texts;
    return texts;
}

}  // namespace talvo
