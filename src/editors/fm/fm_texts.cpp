#include "editors/fm/fm_texts.h"

namespace talvo {

const FmWindowTexts& FmTexts() {
    static const FmWindowTexts texts;
    return texts;
}

}  // namespace talvo
