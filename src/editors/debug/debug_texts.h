#pragma once

#include <array>

#include "model/language.h"

namespace talvo {

// Texts of the debug window that the model does not hold (frame captions are in radio/state/power.h).
struct DebugWindowTexts {
    Text title{TALVO_TEXT("DebugTexts", "Debugging")};
    std::array<Text, 2> tabs{
        {TALVO_TEXT("DebugTexts", "A Power Grades"), TALVO_TEXT("DebugTexts", "B Power Grades")}};
    Text lowEnd{TALVO_TEXT("DebugTexts", "Low")};
    Text highEnd{TALVO_TEXT("DebugTexts", "High")};
};

const DebugWindowTexts& DebugTexts();

}  // namespace talvo
