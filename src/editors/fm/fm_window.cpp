#include "editors/fm/fm_window.h"

namespace talvo {

// Minimal body until the FM window is built.
FmWindow::FmWindow(ProgramState& state, QWidget* parent) : EditorWindow(state, parent) {}
void FmWindow::applyLanguage() {}
void FmWindow::loadFromModel() {}

}  // namespace talvo
