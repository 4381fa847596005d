#include "model/fm.h"

namespace talvo {

const std::array<Bilingual, 2>& FmDisplayModeList() {
    static const std::array<Bilingual, 2> list = {{{"频道", "Channel"}, {"频率", "Frequency"}}};
    return list;
}

const std::array<const char*, 3>& FmStepList() {
    static const std::array<const char*, 3> list = {"50K", "100K", "200K"};
    return list;
}

}  // namespace talvo
