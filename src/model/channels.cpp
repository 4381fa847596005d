#include "model/channels.h"

namespace talvo {

void ClearNO(ChannelStores& stores, int channel) {
    if (channel < 1 || channel > kChannelCount) return;
    const auto i = static_cast<std::size_t>(channel - 1);
    for (auto& c : stores.Cell[i]) c.clear();
    for (auto& slot : stores.OptionIndex) slot[i] = 0;
    for (auto& slot : stores.OptionText) slot[i].clear();
    stores.ChannelName[i].clear();
    stores.FreqText[0][i].clear();
    stores.FreqText[1][i].clear();
}

void ClearGrid(ChannelStores& stores) {
    for (int ch = 1; ch <= kChannelCount; ++ch) ClearNO(stores, ch);
}

}  // namespace talvo
