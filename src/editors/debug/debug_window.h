#pragma once

#include "editors/editor_window.h"

namespace talvo {

// "Debugging" (Form4): six power calibration sliders.
class DebugWindow : public EditorWindow {
    Q_OBJECT
public:
    DebugWindow(ProgramState& state, QWidget* parent = nullptr);
    void applyLanguage() override;
    void loadFromModel() override;
    void setSlidersEnabled(bool enabled);
};

}  // namespace talvo
