#include "radio/state/fm.h"

namespace talvo {

const std::array<Text, 2>& FmDisplayModeList() {
    static const std::array<Text, 2> list = {
        {TALVO_TEXT("Fm", "Channel"), TALVO_TEXT("Fm", "Frequency")}};
    return list;
}

const std::array<const char*, 3>& FmStepList() {
    static const std::array<const char*, 3> list = {"50K", "100K", "200K"};
    return list;
}

}  // namespace talvo
