#pragma once

#include <array>

#include "model/language.h"

namespace talvo {

// Texts of the debug window that the model does not hold (frame captions are in model/power.h).
struct DebugWindowTexts {
    Bilingual title{"调试", "Debugging"};
    std::array<Bilingual, 2> tabs{
        {{"A组功率等级", "A Power Grades"}, {"B组功率等级", "B Power Grades"}}};
    Bilingual lowEnd{"低", "Low"};
    Bilingual highEnd{"高", "High"};
};

const DebugWindowTexts& DebugTexts();

}  // namespace talvo
