#pragma once

#include "editors/editor_window.h"

namespace talvo {

// "Optional Features" (Form3): radio-wide settings, both VFO records, the hidden modes.
class OptionsWindow : public EditorWindow {
    Q_OBJECT
public:
    OptionsWindow(ProgramState& state, QWidget* parent = nullptr);
    void applyLanguage() override;
    void loadFromModel() override;

signals:
    // A caption click found hidden sequence `sequence` unlocked (0 AnMaMode, 1 DebugMode,
    // 2 FMMaMode): the main window applies its effect (again).
    void hiddenModeEffect(int sequence);
};

}  // namespace talvo
