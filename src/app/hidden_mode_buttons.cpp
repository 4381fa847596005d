#include "app/hidden_mode_buttons.h"

#include <QAction>
#include <QTime>

#include "app/app_icons.h"
#include "editors/debug/debug_window.h"
#include "radio/state/program_state.h"

namespace talvo {
namespace {

double SecondsSinceMidnight() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

}  // namespace

HiddenModeButtons::HiddenModeButtons(ProgramState& state, const std::array<QAction*, 3>& buttons,
                                     QAction* fmEntry, DebugWindowSource debugWindow,
                                     QObject* parent)
    : QObject(parent),
      state_(state),
      buttons_(buttons),
      fmEntry_(fmEntry),
      debugWindow_(std::move(debugWindow)),
      clock_(SecondsSinceMidnight) {
    for (int mode = 0; mode < 3; ++mode) {
        QAction* button = buttons_[static_cast<std::size_t>(mode)];
        // Their icons are drawn when they first show.
        button->setVisible(false);
        connect(button, &QAction::triggered, this, [this, mode] { click(mode); });
    }
}

void HiddenModeButtons::click(int mode) {
    if (mode < 0 || mode > 2) return;
    const auto m = static_cast<std::size_t>(mode);
    if (!clicks_[m].click(clock_())) return;
    HiddenModes& h = state_.hidden;
    HiddenModeSequence& seq = mode == 0 ? h.anMa : mode == 1 ? h.debug : h.fmMa;
    seq.clicked = {};
    seq.unlocked = false;
    buttons_[m]->setVisible(false);
    if (mode == 1) debugWindow_()->setSlidersEnabled(false);
}

void HiddenModeButtons::unlock(int mode) {
    static constexpr AppIcon kIcons[] = {AppIcon::AnMa, AppIcon::Debug, AppIcon::FmMa};
    if (mode < 0 || mode > 2) return;
    QAction* button = buttons_[static_cast<std::size_t>(mode)];
    if (button->icon().isNull()) button->setIcon(MakeIcon(kIcons[mode]));
    button->setVisible(true);
    if (mode == 1) debugWindow_()->setSlidersEnabled(true);
    if (mode == 2) fmEntry_->setEnabled(true);
}

}  // namespace talvo
