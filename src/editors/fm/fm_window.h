#pragma once

#include "editors/editor_window.h"

namespace talvo {

// "FM Channel Set" (Form5): a working copy of the FM record with OK and Cancel.
class FmWindow : public EditorWindow {
    Q_OBJECT
public:
    FmWindow(ProgramState& state, QWidget* parent = nullptr);
    void applyLanguage() override;
    // Shows state().fmWindow (the window's fields), not the record.
    void loadFromModel() override;
};

}  // namespace talvo
