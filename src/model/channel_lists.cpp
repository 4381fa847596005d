#include "model/channel_lists.h"

namespace talvo {

const std::array<Text, kGridColumns>& ChannelGridHeaders() {
    static const std::array<Text, kGridColumns> headers = {{
        TALVO_TEXT("ChannelLists", "CH"),
        TALVO_TEXT("ChannelLists", "RXFreq"),
        TALVO_TEXT("ChannelLists", "TXFreq"),
        TALVO_TEXT("ChannelLists", "QT/DQT Dec"),
        TALVO_TEXT("ChannelLists", "QT/DQT Enc"),
        TALVO_TEXT("ChannelLists", "Power"),
        TALVO_TEXT("ChannelLists", "Busy Lock"),
        TALVO_TEXT("ChannelLists", "Add Scan"),
        TALVO_TEXT("ChannelLists", "Band"),
        TALVO_TEXT("ChannelLists", "TX Prohibit"),
        TALVO_TEXT("ChannelLists", "Channel Name"),
    }};
    return headers;
}

const std::array<int, kGridColumns>& ChannelGridColumnTwips() {
    static const std::array<int, kGridColumns> widths = {600,  1100, 1100, 1200, 1200, 640,
                                                         1400, 900,  700,  1250, 1400};
    return widths;
}

const std::vector<Text>& ChannelColumnList(int column) {
    static const std::vector<Text> power = {TALVO_TEXT("ChannelLists", "Low"),
                                            TALVO_TEXT("ChannelLists", "High"),
                                            TALVO_TEXT("ChannelLists", "Middle")};
    static const std::vector<Text> busy = {TALVO_TEXT("ChannelLists", "Carry"),
                                           TALVO_TEXT("ChannelLists", "Off")};
    static const std::vector<Text> scan = {TALVO_TEXT3("ChannelLists", "Off", "scan"),
                                           TALVO_TEXT("ChannelLists", "On")};
    static const std::vector<Text> band = {TALVO_TEXT("ChannelLists", "Narror"),
                                           TALVO_TEXT("ChannelLists", "wide")};
    static const std::vector<Text> txProhibit = {TALVO_TEXT3("ChannelLists", "On", "switch"),
                                                 TALVO_TEXT("ChannelLists", "Off")};
    static const std::vector<Text> name = {TALVO_TEXT3("ChannelLists", "On", "switch"),
                                           TALVO_TEXT("ChannelLists", "Off")};
    static const std::vector<Text> none;
    switch (column) {
        case kColPower:
            return power;
        case kColBusyLock:
            return busy;
        case kColAddScan:
            return scan;
        case kColBand:
            return band;
        case kColTxProhibit:
            return txProhibit;
        case kColName:
            return name;
        default:
            return none;
    }
}

Message ChannelColumnEntry(int column, int index) {
    if (column < kColPower || column > kColTxProhibit) return Message::Literal({});
    const auto& list = ChannelColumnList(column);
    if (index < 0 || index >= static_cast<int>(list.size())) return Message::Literal({});
    return list[static_cast<std::size_t>(index)];
}

const std::array<NewChannelDefault, 7>& NewChannelDefaults() {
    static const std::array<NewChannelDefault, 7> defaults = {{
        {TALVO_TEXT3("ChannelLists", "Off", "tone"), 0},
        {TALVO_TEXT3("ChannelLists", "Off", "tone"), 0},
        {TALVO_TEXT("ChannelLists", "High"), 1},
        {TALVO_TEXT("ChannelLists", "Off"), 1},
        {TALVO_TEXT("ChannelLists", "On"), 1},
        {TALVO_TEXT("ChannelLists", "Wide"), 1},
        {TALVO_TEXT("ChannelLists", "Off"), 1},
    }};
    return defaults;
}

}  // namespace talvo
