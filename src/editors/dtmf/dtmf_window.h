#pragma once

#include "editors/editor_window.h"

namespace talvo {

// "DTMF(双音多频)" (Form2). Its values stay in the program (state().dtmf).
class DtmfWindow : public EditorWindow {
    Q_OBJECT
public:
    DtmfWindow(ProgramState& state, QWidget* parent = nullptr);
    void applyLanguage() override;
    void loadFromModel() override;
    // New: puts the defaults back (AniEndCode keeps its text).
    void StartForm();
};

}  // namespace talvo
