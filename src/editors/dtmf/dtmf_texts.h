#pragma once

#include <array>
#include <string>

#include "model/language.h"

namespace talvo {

// Texts of the DTMF window. Its colons are the full-width "：".
struct DtmfWindowTexts {
    // The same in both languages and never relabelled, like the "ANI：" caption.
    const char* title = "DTMF(双音多频)";
    const char* aniModeCaption = "ANI：";
    Bilingual pageAutodial{"自动拔号存储器", "Auto-dialing Memory"};
    Bilingual pageOther{"其它功能", "Other Features"};
    std::array<Bilingual, 8> autodialCaptions{{
        {"第一组自动拔号存储器", "First Autodial Memory"},
        {"第二组自动拔号存储器", "Second Autodial Memory"},
        {"第三组自动拔号存储器", "Third Autodial Memory"},
        {"第四组自动拔号存储器", "Fourth Autodial Memory"},
        {"第五组自动拔号存储器", "Fifth Autodial Memory"},
        {"第六组自动拔号存储器", "Sixth Autodial Memory"},
        {"第七组自动拔号存储器", "Seventh Autodial Memory"},
        {"第八组自动拔号存储器", "Eight Autodial Memory"},
    }};
    Bilingual aniStartCode{"ANI开始码：", "ANI Start Code："};
    Bilingual aniEndCode{"ANI结束码：", "ANI End Code："};
    Bilingual ownCode{"自身码：", "Own Code："};
    Bilingual dtmfRate{"DTMF速率：", "DTMF Rate："};
    Bilingual firstDigitalDelay{"首位数码延迟：", "First Digital Delay："};
    Bilingual groupCallCode{"群呼码：", "Group Call Code："};
    std::array<Bilingual, 3> aniModes{
        {{"发射开始", "Start Send"}, {"发射结束", "End Send"}, {"两者", "Both"}}};
    std::array<Bilingual, 2> dtmfRates{{{"快", "Fast"}, {"慢", "Slow"}}};
    // Entry 0 of the group call list; the others are the same in both languages.
    Bilingual groupCallEmpty{"空", "Empty"};
    std::array<const char*, 6> groupCallCodes{"*", "#", "A", "B", "C", "D"};
    // The first-digit-delay list as the window creates it; the first relabelling replaces
    // these and grows the list to ten entries of 200 ms steps.
    std::array<const char*, 8> delaysAtCreation{"0",    "200",  "400",  "800",
                                                "1600", "3200", "6400", "12800"};
    Bilingual delayUnit{"毫秒", "MS"};
};

const DtmfWindowTexts& DtmfTexts();

inline constexpr int kFirstDigitDelayCount = 10;
// Entry `i` of the relabelled first-digit-delay list: i x 200 followed by the unit.
std::string FirstDigitDelayEntry(int i, LanguageFlagValue lang);

}  // namespace talvo
