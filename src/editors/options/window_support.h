#pragma once

#include <QString>
#include <functional>
#include <string>
#include <string_view>

#include "model/language.h"

class QComboBox;
class QLineEdit;
class QWidget;

namespace talvo {

// Small helpers shared by the settings windows (optional features, FM, debug, DTMF).

// The language a window writes its texts in when it is created: the current one, or Chinese
// for a flag that is no language (the language procedure then leaves those texts alone).
inline Language CreationLanguage(Language lang) {
    return IsKnownLanguage(lang) ? lang : kChinese;
}

// Writes entries 0..count-1 of `list` in place, so its selected index and typed text stay;
// an entry at the index just past the last one is appended. Emits no change signal.
void RelabelEntries(QComboBox* list, int count, const std::function<QString(int)>& entry);

// A window closed by the user is only hidden: its MDI frame when it sits in one, else itself.
void HideWindowHost(QWidget* window);
// Widens (and heightens) the child window that holds `window` in a scroll area until the
// layout's minimum fits without scrolling, as far as the main window's area allows: longer
// words (another language, the other page) then never hide fields behind a scroll bar.
void GrowFrameToContents(QWidget* window);

// Passes everything typed or pasted into `edit` through `filter` (one character at a time
// semantics: a dropped character vanishes, a changed one is replaced), keeping the cursor.
void InstallTextFilter(QLineEdit* edit, std::function<std::string(std::string_view)> filter);

enum class EnterKey {
    RunsCheck,  // Enter runs the leave check at once and is eaten
    Dropped,    // Enter is eaten and does nothing
};
// Runs `check` whenever `edit` loses the focus, and on Enter when asked.
void InstallLeaveCheck(QLineEdit* edit, EnterKey enter, std::function<void()> check);
// Eats Enter in `widget` without running anything.
void DropEnterKey(QWidget* widget);

// Calls `onClick` on every left-button press on `widget` (captions and message lines).
void InstallClickHandler(QWidget* widget, std::function<void()> onClick);

// Twips (1/1440 inch) as pixels at 96 dots per inch.
constexpr int Twips(int twips) {
    return (twips + 7) / 15;
}

}  // namespace talvo
