#include "radio/state/program_state.h"

namespace talvo {

ProgramState StartupState(Language lang) {
    ProgramState s;
    s.language = lang;
    s.band.PreviousBandIndex = 0;
    s.band.select(0);
    StartForm(s.dtmf);
    s.fmWindow.presentChannel = s.fm.PresentChannel;
    return s;
}

}  // namespace talvo
