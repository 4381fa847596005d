#include "rules/channel_selection.h"

#include <algorithm>

namespace talvo {
namespace {

bool Valid(int channel) {
    return channel >= 1 && channel <= kChannelCount;
}

}  // namespace

ChannelSelection::Bits ChannelSelection::Range(int a, int b) {
    Bits bits;
    for (int ch = std::min(a, b); ch <= std::max(a, b); ++ch) {
        if (Valid(ch)) bits.set(static_cast<std::size_t>(ch - 1));
    }
    return bits;
}

void ChannelSelection::press(int channel, bool shift, bool ctrl) {
    if (!Valid(channel)) return;
    const auto bit = static_cast<std::size_t>(channel - 1);
    dragAdds_ = true;
    if (shift && anchor_ != 0) {
        base_ = ctrl ? chosen_ : Bits{};
        chosen_ = base_ | Range(anchor_, channel);
        return;
    }
    if (ctrl) {
        base_ = chosen_;
        base_.reset(bit);
        chosen_.flip(bit);
        // A drag that starts by removing a channel removes the channels it passes.
        dragAdds_ = chosen_.test(bit);
    } else {
        base_.reset();
        chosen_.reset();
        chosen_.set(bit);
    }
    anchor_ = channel;
}

void ChannelSelection::dragTo(int channel) {
    if (!Valid(channel) || anchor_ == 0) return;
    chosen_ = dragAdds_ ? (base_ | Range(anchor_, channel)) : (base_ & ~Range(anchor_, channel));
}

void ChannelSelection::extend(int from, int to) {
    if (!Valid(from) || !Valid(to)) return;
    if (empty() || anchor_ == 0) anchor_ = from;
    base_.reset();
    dragAdds_ = true;
    chosen_ = Range(anchor_, to);
}

void ChannelSelection::set(const ChannelList& channels) {
    chosen_.reset();
    base_.reset();
    anchor_ = 0;
    for (int ch : NormalizedChannels(channels)) {
        chosen_.set(static_cast<std::size_t>(ch - 1));
        if (anchor_ == 0) anchor_ = ch;
    }
}

void ChannelSelection::clear() {
    set({});
}

bool ChannelSelection::contains(int channel) const {
    return Valid(channel) && chosen_.test(static_cast<std::size_t>(channel - 1));
}

ChannelList ChannelSelection::channels() const {
    ChannelList out;
    for (int ch = 1; ch <= kChannelCount; ++ch) {
        if (contains(ch)) out.push_back(ch);
    }
    return out;
}

}  // namespace talvo
