#pragma once

#include <string>

#include "model/language.h"
#include "model/options.h"

namespace talvo {

// The labels of the history's steps, in both languages ("Channel 12: RX frequency").

// An edit of one cell of the channel grid (column 1..10).
Bilingual ChannelEditLabel(int channel, int column);
// An edit of a whole channel or of several ("Channel 12", "Channels 3-7").
Bilingual ChannelsLabel(int first, int last);
// An edit of a setting of the optional-features window, named by its caption.
Bilingual OptionsEditLabel(ListId id);
Bilingual OptionsEditLabel(TextId id);
Bilingual OptionsEditLabel(CheckId id);
// An edit in another window: "<window>: <what>", both given in both languages.
Bilingual WindowEditLabel(const Bilingual& window, const Bilingual& what);
// "Open <file name>".
Bilingual OpenFileLabel(const std::string& fileName);
// The loads without a file.
const Bilingual& ReadLabel();
const Bilingual& NewLabel();
// Unsaved changes a program left behind, taken back at start.
const Bilingual& RecoveredLabel();
// A change of the band list ("Band: <entry>").
Bilingual BandLabel(int index);

}  // namespace talvo
