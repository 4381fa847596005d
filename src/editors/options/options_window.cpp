#include "editors/options/options_window.h"

namespace talvo {

// Minimal body until the optional-features window is built.
OptionsWindow::OptionsWindow(ProgramState& state, QWidget* parent) : EditorWindow(state, parent) {}
void OptionsWindow::applyLanguage() {}
void OptionsWindow::loadFromModel() {}

}  // namespace talvo
