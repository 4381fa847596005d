#pragma once

#include <string>

#include "model/language.h"
#include "radio/state/options.h"

namespace talvo {

// The labels of the history's steps, in both languages ("Channel 12: RX frequency").

// An edit of one cell of the channel grid (column 1..10).
Message ChannelEditLabel(int channel, int column);
// An edit of a whole channel or of several ("Channel 12", "Channels 3-7").
Message ChannelsLabel(int first, int last);
// An edit of a setting of the optional-features window, named by its caption.
Message OptionsEditLabel(ListId id);
Message OptionsEditLabel(TextId id);
Message OptionsEditLabel(CheckId id);
// An edit in another window: "<window>: <what>", both given in both languages.
Message WindowEditLabel(const Message& window, const Message& what);
// A caption as a step's label names it: without its closing colon (either width).
Message BareCaption(const Text& caption);
// "Open <file name>".
Message OpenFileLabel(const std::string& fileName);
// The loads without a file.
const Message& ReadLabel();
const Message& NewLabel();
// Unsaved changes a program left behind, taken back at start.
const Message& RecoveredLabel();
// A change of the band list ("Band: <entry>").
Message BandLabel(int index);

}  // namespace talvo
