#include "model/channel_lists.h"

namespace talvo {

const std::array<Bilingual, kGridColumns>& ChannelGridHeaders() {
    static const std::array<Bilingual, kGridColumns> headers = {{
        {"频道", "CH"},
        {"接收频率", "RXFreq"},
        {"发射频率", "TXFreq"},
        {"接收亚音频", "QT/DQT Dec"},
        {"发射亚音频", "QT/DQT Enc"},
        {"功率", "Power"},
        {"繁忙信道锁定", "Busy Lock"},
        {"扫描添加", "Add Scan"},
        {"宽窄带", "Band"},
        {"发射禁止", "TX Prohibit"},
        {"频道名称", "Channel Name"},
    }};
    return headers;
}

const std::array<int, kGridColumns>& ChannelGridColumnTwips() {
    static const std::array<int, kGridColumns> widths = {600,  1100, 1100, 1200, 1200, 640,
                                                         1400, 900,  700,  1250, 1400};
    return widths;
}

const std::vector<Bilingual>& ChannelColumnList(int column) {
    static const std::vector<Bilingual> power = {{"低", "Low"}, {"高", "High"}, {"中", "Middle"}};
    static const std::vector<Bilingual> busy = {{"载波", "Carry"}, {"关", "Off"}};
    static const std::vector<Bilingual> scan = {{"禁止", "Off"}, {"使能", "On"}};
    static const std::vector<Bilingual> band = {{"窄带", "Narror"}, {"宽带", "wide"}};
    static const std::vector<Bilingual> txProhibit = {{"开", "On"}, {"关", "Off"}};
    static const std::vector<Bilingual> name = {{"开", "On"}, {"关", "Off"}};
    static const std::vector<Bilingual> none;
    switch (column) {
        case kColPower: return power;
        case kColBusyLock: return busy;
        case kColAddScan: return scan;
        case kColBand: return band;
        case kColTxProhibit: return txProhibit;
        case kColName: return name;
        default: return none;
    }
}

std::string ChannelColumnEntry(int column, int index, LanguageFlagValue lang) {
    if (column < kColPower || column > kColTxProhibit) return {};
    const auto& list = ChannelColumnList(column);
    if (index < 0 || index >= static_cast<int>(list.size())) return {};
    return list[static_cast<std::size_t>(index)].pick(lang);
}

const std::array<NewChannelDefault, 7>& NewChannelDefaults() {
    static const std::array<NewChannelDefault, 7> defaults = {{
        {{"关闭", "Off"}, 0},
        {{"关闭", "Off"}, 0},
        {{"高", "High"}, 1},
        {{"关", "Off"}, 1},
        {{"使能", "On"}, 1},
        {{"宽带", "Wide"}, 1},
        {{"关", "Off"}, 1},
    }};
    return defaults;
}

}  // namespace talvo
