#pragma once

#include <array>
#include <span>

#include "model/language.h"

namespace talvo {

// Where a text of the main window goes.
enum class MainTextTarget { WindowTitle, StatusPanel2, MenuText, ToolTip, Label };

// One text of the main window: the object it belongs to (by object name), what it sets, and
// its two languages.
struct MainText {
    const char* object;
    MainTextTarget target;
    Text text;
};

// Every text of the main window, in the order the language procedure writes them.
std::span<const MainText> MainWindowTexts();

// The band list and the port list move with the band label's length (twips; 15 per pixel).
struct ListPlacement {
    const char* object;
    // Chinese, then English (and every further language, placed as English).
    std::array<int, 2> left;
    int top;
    int width;
};
std::span<const ListPlacement> MainListPlacements();

inline constexpr int kTwipsPerPixel = 15;

}  // namespace talvo
