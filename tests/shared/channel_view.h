#pragma once

// Tests read channels by the texts the grid shows and set them from such texts.

#include <optional>
#include <string>
#include <string_view>

#include "radio/fields/channel_fields.h"
#include "radio/state/channels.h"

namespace talvo {

TextWords WordsIn(Language lang);

// What cell (`channel`, `column`) shows in `lang`.
inline std::string CellText(const ChannelStores& stores, int channel, int column,
                            Language lang = kEnglish) {
    return ChannelCellText(stores.at(channel), column, WordsIn(lang));
}

// "145.12500" as a frequency; nothing for an empty text.
inline std::optional<Frequency> FrequencyOrNone(std::string_view text) {
    return text.empty() ? std::nullopt : Frequency::FromText(text);
}

}  // namespace talvo
