#pragma once

#include <memory>

#include "app/main_window.h"
#include "document/document.h"
#include "document/recovery_keeper.h"
#include "radio/state/program_state.h"

namespace talvo {

class SerialLink;

// A running program: its document (which owns the state) and its main window.
struct Program {
    // First, so that it goes first when a program is replaced: the copy of a normal end is
    // removed before the document.
    std::unique_ptr<RecoveryKeeper> recovery;
    std::unique_ptr<Document> document;
    std::unique_ptr<MainWindow> window;
};

// The language a start begins with: the stored one, English when nothing is stored. A stored
// digit other than 0 and 1 (never written by this program) counts as 1: English, or the shipped
// language whose code is kept beside it.
Language StartupLanguage();

// The start-up sequence up to, but not including, showing the main window: power grades at
// their start values, the language from the store, the main window's load, the captions of
// the language.
Program StartProgram(std::unique_ptr<SerialLink> port);

// Shows the main window, offers the unsaved changes a program that ended without saving them
// left behind, then opens `file` (none when empty).
void ShowProgram(Program& program, const QString& file = {});

}  // namespace talvo
