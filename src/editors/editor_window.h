#pragma once

#include <QCloseEvent>
#include <QEvent>
#include <QWidget>

#include "document/document.h"
#include "radio/state/program_state.h"

namespace talvo {

// An editor window: a view over the document, shown as a child of the main window. It reads
// the state through state() and changes it only through the document, which tells every window
// what changed. It is created once at start-up and lives for the run; the user's close only
// hides it.
class EditorWindow : public QWidget {
    Q_OBJECT
  public:
    EditorWindow(Document& document, QWidget* parent)
        : QWidget(parent), document_(document), state_(document.state()) {}

    // Writes the texts of state().language into every caption and list entry. Lists are
    // rewritten in place so their selected indexes survive. Other flag values change nothing.
    // Called on every language change (see ui/language_change.h).
    virtual void applyLanguage() = 0;
    // Shows what the model holds (after a decode, New, or any change made outside the window).
    virtual void loadFromModel() = 0;

    const ProgramState& state() const { return state_; }
    Document& document() { return document_; }

  protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::LanguageChange) applyLanguage();
        QWidget::changeEvent(event);
    }

    Document& document_;
    const ProgramState& state_;
};

}  // namespace talvo
