#include "editors/debug/debug_window.h"

namespace talvo {

// Minimal body until the debug window is built.
DebugWindow::DebugWindow(ProgramState& state, QWidget* parent) : EditorWindow(state, parent) {}
void DebugWindow::applyLanguage() {}
void DebugWindow::loadFromModel() {}
void DebugWindow::setSlidersEnabled(bool) {}

}  // namespace talvo
