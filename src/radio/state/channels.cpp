#include "radio/state/channels.h"

namespace talvo {

void ClearNO(ChannelStores& stores, int channel) {
    if (channel < 1 || channel > kChannelCount) return;
    stores.at(channel) = Channel{};
}

void ClearGrid(ChannelStores& stores) {
    for (int ch = 1; ch <= kChannelCount; ++ch) ClearNO(stores, ch);
}

void ForgetShownWords(Channel& channel) {
    channel.bandShowsNewChannelWord = false;
    channel.unlistedTone = {};
}

void ForgetShownWords(ChannelStores& stores) {
    for (Channel& c : stores.channels) ForgetShownWords(c);
}

}  // namespace talvo
