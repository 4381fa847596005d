#include "radio/state/power.h"

namespace talvo {

const Text& PowerFrameCaption(int slider) {
    static const std::array<Text, 3> captions = {{TALVO_TEXT("Power", "High Power Grades"),
                                                  TALVO_TEXT("Power", "Middle Power Grades"),
                                                  TALVO_TEXT("Power", "Low Power Grades")}};
    return captions[static_cast<std::size_t>(((slider % 3) + 3) % 3)];
}

}  // namespace talvo
