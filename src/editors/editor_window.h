#pragma once

#include <QCloseEvent>
#include <QWidget>

#include "model/program_state.h"

namespace talvo {

// An editor window: a view over the program state, shown as a child of the main window.
// It is created once at start-up and lives for the run; the user's close only hides it.
class EditorWindow : public QWidget {
    Q_OBJECT
public:
    EditorWindow(ProgramState& state, QWidget* parent) : QWidget(parent), state_(state) {}

    // Writes the texts of state().LanguageFlag into every caption and list entry. Lists are
    // rewritten in place so their selected indexes survive. Other flag values change nothing.
    virtual void applyLanguage() = 0;
    // Shows what the model holds (after a decode, New, or any change made outside the window).
    virtual void loadFromModel() = 0;

    ProgramState& state() { return state_; }
    const ProgramState& state() const { return state_; }

protected:
    ProgramState& state_;
};

}  // namespace talvo
