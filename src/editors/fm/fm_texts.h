#pragma once

#include "model/language.h"

namespace talvo {

// Texts of the FM channel window that the model does not hold.
struct FmWindowTexts {
    Text title{TALVO_TEXT("FmTexts", "FM Channel Set")};
    Text vfoCaption{TALVO_TEXT("FmTexts", "FM VFO:")};
    Text presentChannelCaption{TALVO_TEXT("FmTexts", "Present Channel:")};
    Text displayModeCaption{TALVO_TEXT("FmTexts", "FM Display Mode:")};
    // Shown in Chinese only: never relabelled.
    Text stepCaption{TALVO_TEXT("FmTexts", "收音机步进频率:")};
    Text headerChannel{TALVO_TEXT("FmTexts", "Channel")};
    Text headerFrequency{TALVO_TEXT("FmTexts", "Frequency(MHz)")};
    // Entry 1 of the display-mode list as the window creates it, before the first relabelling.
    Text displayModeFrequencyAtLoad{TALVO_TEXT("FmTexts", "Frequency(MHz)")};
    Text ok{TALVO_TEXT("FmTexts", "OK")};
    Text cancel{TALVO_TEXT("FmTexts", "Cancel")};
    Text rangeMessage{
        TALVO_TEXT("FmTexts", "Beyond the scope of frequency(87-107.9), please input again.")};
    Text presentChannelNotWhole{TALVO_TEXT(
        "FmTexts", "The present channel must be a whole number (1-25), please input again.")};
    Text attention{TALVO_TEXT("FmTexts", "Attention")};
};

const FmWindowTexts& FmTexts();

}  // namespace talvo
