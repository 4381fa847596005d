#include "editors/dtmf/dtmf_window.h"

namespace talvo {

// Minimal body until the DTMF window is built.
DtmfWindow::DtmfWindow(ProgramState& state, QWidget* parent) : EditorWindow(state, parent) {}
void DtmfWindow::applyLanguage() {}
void DtmfWindow::loadFromModel() {}
void DtmfWindow::StartForm() { talvo::StartForm(state_.dtmf); }

}  // namespace talvo
