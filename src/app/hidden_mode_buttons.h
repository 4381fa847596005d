#pragma once

#include <QObject>
#include <array>
#include <functional>

#include "rules/relock_clicks.h"

class QAction;

namespace talvo {

class DebugWindow;
struct ProgramState;

// The toolbar buttons of the hidden modes (0 AnMaMode, 1 DebugMode, 2 FMMaMode): a button shows
// once its mode is unlocked in the optional-features window, and two clicks on it within a
// second lock the mode again. The debug mode also switches the debug window's sliders; the
// FM mode makes the FM entry of the Edit menu available.
class HiddenModeButtons : public QObject {
    Q_OBJECT
  public:
    // Seconds since midnight, with fractions.
    using Clock = std::function<double()>;
    using DebugWindowSource = std::function<DebugWindow*()>;

    // Connects the buttons' clicks; the buttons start hidden.
    HiddenModeButtons(ProgramState& state, const std::array<QAction*, 3>& buttons, QAction* fmEntry,
                      DebugWindowSource debugWindow, QObject* parent);

    void setClock(Clock clock) { clock_ = std::move(clock); }
    // Mode `mode` was unlocked (again): its button shows with its icon.
    void unlock(int mode);
    // A click on the button of `mode`.
    void click(int mode);

  private:
    ProgramState& state_;
    std::array<QAction*, 3> buttons_;
    QAction* fmEntry_;
    DebugWindowSource debugWindow_;
    Clock clock_;
    std::array<RelockClicks, 3> clicks_{};
};

}  // namespace talvo
