#include "radio/state/dtmf.h"

namespace talvo {

void StartForm(DtmfSettings& dtmf) {
    dtmf.AniMode = 0;
    dtmf.DtmfRate = 0;
    dtmf.FirstDigitalDelay = 6;
    dtmf.GroupCallCode = 0;
    for (auto& m : dtmf.AutodialMemory) m.clear();
    dtmf.AniStartCode.clear();
    dtmf.OwnCode.clear();
}

}  // namespace talvo
