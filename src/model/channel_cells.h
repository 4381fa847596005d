#pragma once

#include <string>

#include "model/channels.h"
#include "model/language.h"

namespace talvo {

// The word a list column (3..9) of `channel` shows: the list entry of its index, or the code
// of a tone the list does not have, or the new-channel word of the band column.
Message ChannelOptionWord(const Channel& channel, int column);

// What cell `column` (1..10) of `channel` shows: frequencies as "145.12500", list words, the
// name's bytes. A free channel shows only its name.
Message ChannelCell(const Channel& channel, int column);
// The same in the words of one language.
std::string ChannelCellText(const Channel& channel, int column, const TextWords& words);

}  // namespace talvo
