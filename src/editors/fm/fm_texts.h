#pragma once

#include "model/language.h"

namespace talvo {

// Texts of the FM channel window that the model does not hold.
struct FmWindowTexts {
    Bilingual title{"FM频道设置", "FM Channel Set"};
    Bilingual vfoCaption{"收音机全频频率:", "FM VFO:"};
    Bilingual presentChannelCaption{"当前收音机工作频道:", "Present Channel:"};
    Bilingual displayModeCaption{"显示模式:", "FM Display Mode:"};
    // Shown in Chinese only: never relabelled.
    const char* stepCaption = "收音机步进频率:";
    Bilingual headerChannel{"频道", "Channel"};
    Bilingual headerFrequency{"频率(MHz)", "Frequency(MHz)"};
    // Entry 1 of the display-mode list as the window creates it, before the first relabelling.
    Bilingual displayModeFrequencyAtLoad{"频率(MHz)", "Frequency(MHz)"};
    Bilingual ok{"确定", "OK"};
    Bilingual cancel{"取消", "Cancel"};
    Bilingual rangeMessage{"超出频率范围(87-107.9)，请重输。",
                           "Beyond the scope of frequency(87-107.9), please input again."};
    Bilingual presentChannelNotWhole{"当前收音机工作频道必须是整数(1-25)，请重输。",
                                     "The present channel must be a whole number (1-25), "
                                     "please input again."};
    Bilingual attention{"注意", "Attention"};
};

const FmWindowTexts& FmTexts();

}  // namespace talvo
