#include "model/power.h"

namespace talvo {

const Bilingual& PowerFrameCaption(int slider) {
    static const std::array<Bilingual, 3> captions = {{{"高功率等级", "High Power Grades"},
                                                       {"中功率等级", "Middle Power Grades"},
                                                       {"低功率等级", "Low Power Grades"}}};
    return captions[static_cast<std::size_t>(((slider % 3) + 3) % 3)];
}

}  // namespace talvo
