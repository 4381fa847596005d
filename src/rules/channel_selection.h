#pragma once

#include <bitset>

#include "rules/channel_ops.h"

namespace talvo {

// The channels chosen on the channel-number column of the grid, the way lists choose: a click
// chooses one channel, Shift extends from the anchor, Ctrl adds or removes one, and dragging
// with the button held extends over the channels passed.
class ChannelSelection {
  public:
    // A press on channel `channel`.
    void press(int channel, bool shift, bool ctrl);
    // The pointer, button held, is over `channel`: the range from the anchor to it.
    void dragTo(int channel);
    // Shift with an arrow key: the range from the anchor (or from `from` when nothing is
    // chosen) to `to`.
    void extend(int from, int to);
    // Exactly `channels` (after an operation moved them); the first becomes the anchor.
    void set(const ChannelList& channels);
    void clear();

    bool empty() const { return chosen_.none(); }
    bool contains(int channel) const;
    ChannelList channels() const;

  private:
    using Bits = std::bitset<kChannelCount>;
    static Bits Range(int a, int b);

    Bits chosen_;
    Bits base_;  // what a drag adds its range to (or removes it from)
    bool dragAdds_ = true;
    int anchor_ = 0;
};

}  // namespace talvo
