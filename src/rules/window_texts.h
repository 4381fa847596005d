#pragma once

// Texts of the FM, DTMF and debug windows that the model does not hold: the desktop's windows
// and the browser page show the same.
#include <array>
#include <string>

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

// Texts of the DTMF window. Its colons are the full-width "：".
struct DtmfWindowTexts {
    // The same in both languages and never relabelled, like the "ANI：" caption.
    Text title{TALVO_TEXT("DtmfTexts", "DTMF(双音多频)")};
    Text aniModeCaption{TALVO_TEXT("DtmfTexts", "ANI：")};
    Text pageAutodial{TALVO_TEXT("DtmfTexts", "Auto-dialing Memory")};
    Text pageOther{TALVO_TEXT("DtmfTexts", "Other Features")};
    std::array<Text, 8> autodialCaptions{{
        TALVO_TEXT("DtmfTexts", "First Autodial Memory"),
        TALVO_TEXT("DtmfTexts", "Second Autodial Memory"),
        TALVO_TEXT("DtmfTexts", "Third Autodial Memory"),
        TALVO_TEXT("DtmfTexts", "Fourth Autodial Memory"),
        TALVO_TEXT("DtmfTexts", "Fifth Autodial Memory"),
        TALVO_TEXT("DtmfTexts", "Sixth Autodial Memory"),
        TALVO_TEXT("DtmfTexts", "Seventh Autodial Memory"),
        TALVO_TEXT("DtmfTexts", "Eight Autodial Memory"),
    }};
    Text aniStartCode{TALVO_TEXT("DtmfTexts", "ANI Start Code：")};
    Text aniEndCode{TALVO_TEXT("DtmfTexts", "ANI End Code：")};
    Text ownCode{TALVO_TEXT("DtmfTexts", "Own Code：")};
    Text dtmfRate{TALVO_TEXT("DtmfTexts", "DTMF Rate：")};
    Text firstDigitalDelay{TALVO_TEXT("DtmfTexts", "First Digital Delay：")};
    Text groupCallCode{TALVO_TEXT("DtmfTexts", "Group Call Code：")};
    std::array<Text, 3> aniModes{{TALVO_TEXT("DtmfTexts", "Start Send"),
                                  TALVO_TEXT("DtmfTexts", "End Send"),
                                  TALVO_TEXT("DtmfTexts", "Both")}};
    std::array<Text, 2> dtmfRates{
        {TALVO_TEXT("DtmfTexts", "Fast"), TALVO_TEXT("DtmfTexts", "Slow")}};
    // Entry 0 of the group call list; the others are the same in both languages.
    Text groupCallEmpty{TALVO_TEXT("DtmfTexts", "Empty")};
    std::array<const char*, 6> groupCallCodes{"*", "#", "A", "B", "C", "D"};
    // The first-digit-delay list as the window creates it; the first relabelling replaces
    // these and grows the list to ten entries of 200 ms steps.
    std::array<const char*, 8> delaysAtCreation{"0",    "200",  "400",  "800",
                                                "1600", "3200", "6400", "12800"};
    Text delayEntry{TALVO_TEXT("DtmfTexts", "%1MS")};  // %1: the delay in milliseconds
};

const DtmfWindowTexts& DtmfTexts();

inline constexpr int kFirstDigitDelayCount = 10;
// Entry `i` of the relabelled first-digit-delay list: i x 200 followed by the unit.
Message FirstDigitDelayMessage(int i);

// Texts of the debug window that the model does not hold (frame captions are in
// radio/state/power.h).
struct DebugWindowTexts {
    Text title{TALVO_TEXT("DebugTexts", "Debugging")};
    std::array<Text, 2> tabs{
        {TALVO_TEXT("DebugTexts", "A Power Grades"), TALVO_TEXT("DebugTexts", "B Power Grades")}};
    Text lowEnd{TALVO_TEXT("DebugTexts", "Low")};
    Text highEnd{TALVO_TEXT("DebugTexts", "High")};
};

const DebugWindowTexts& DebugTexts();

}  // namespace talvo
