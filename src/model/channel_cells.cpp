#include "model/channel_cells.h"

#include "model/tone_list.h"

namespace talvo {

Message ChannelOptionWord(const Channel& channel, int column) {
    if (column < kColQtDqtDec || column > kColTxProhibit) return Message::Literal({});
    const int index = channel.optionOf(column);
    if (column == kColQtDqtDec || column == kColQtDqtEnc) {
        const auto& unlisted =
            channel.unlistedTone[static_cast<std::size_t>(column - kColQtDqtDec)];
        if (index == 0 && unlisted) {
            return Message::Literal(DecodeTone(static_cast<std::uint8_t>(*unlisted & 0xFF),
                                               static_cast<std::uint8_t>(*unlisted >> 8)));
        }
        return ToneName(index);
    }
    if (column == kColBand && channel.bandShowsNewChannelWord) {
        const auto& fresh = NewChannelDefaults()[static_cast<std::size_t>(kColBand - kColQtDqtDec)];
        if (index == fresh.index) return fresh.text;
    }
    return ChannelColumnEntry(column, index);
}

Message ChannelCell(const Channel& channel, int column) {
    if (column == kColName) return Message::Literal(channel.name);
    if (channel.isFree()) return Message::Literal({});
    switch (column) {
        case kColRxFreq:
            return Message::Literal(channel.rx->text());
        case kColTxFreq:
            return Message::Literal(FrequencyText(channel.tx));
        default:
            return ChannelOptionWord(channel, column);
    }
}

std::string ChannelCellText(const Channel& channel, int column, const TextWords& words) {
    return Compose(ChannelCell(channel, column), words);
}

}  // namespace talvo
