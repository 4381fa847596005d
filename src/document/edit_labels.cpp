#include "document/edit_labels.h"

#include <array>

#include "model/band.h"
#include "model/channel_lists.h"

namespace talvo {
namespace {

const Bilingual kOptionsWindow{"可选功能", "Optional features"};

// Column names of the channel grid as the history names them (the grid's headers are terse).
const std::array<Bilingual, kGridColumns - 1>& ColumnNames() {
    static const std::array<Bilingual, kGridColumns - 1> names = {{
        {"接收频率", "RX frequency"},
        {"发射频率", "TX frequency"},
        {"接收亚音", "RX tone"},
        {"发射亚音", "TX tone"},
        {"功率", "Power"},
        {"繁忙锁定", "Busy lock"},
        {"扫描添加", "Add scan"},
        {"宽窄带", "Wide/narrow"},
        {"禁止发射", "TX prohibit"},
        {"名称", "Name"},
    }};
    return names;
}

// A caption without its closing colon (either width).
std::string Bare(std::string text) {
    for (const std::string colon : {":", "："}) {
        if (text.size() >= colon.size() &&
            text.compare(text.size() - colon.size(), colon.size(), colon) == 0) {
            text.resize(text.size() - colon.size());
        }
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

Bilingual AreaPrefix(OptionsArea area) {
    const OptionsCaptions& c = OptionsWindowCaptions();
    if (area == OptionsArea::VfoA || area == OptionsArea::HiddenA) return c.frameVfoA;
    if (area == OptionsArea::VfoB) return c.frameVfoB;
    return {};
}

Bilingual CaptionLabel(const Bilingual& caption, OptionsArea area) {
    const Bilingual prefix = AreaPrefix(area);
    Bilingual what{Bare(caption.zh), Bare(caption.en)};
    if (!prefix.en.empty()) {
        what.zh = prefix.zh + " " + what.zh;
        what.en = prefix.en + " " + what.en;
    }
    return WindowEditLabel(kOptionsWindow, what);
}

}  // namespace

Bilingual ChannelEditLabel(int channel, int column) {
    const Bilingual whole = ChannelsLabel(channel, channel);
    if (column < 1 || column >= kGridColumns) return whole;
    const Bilingual& name = ColumnNames()[static_cast<std::size_t>(column - 1)];
    return {whole.zh + ": " + name.zh, whole.en + ": " + name.en};
}

Bilingual ChannelsLabel(int first, int last) {
    if (first == last) {
        const std::string n = std::to_string(first);
        return {"信道 " + n, "Channel " + n};
    }
    const std::string range = std::to_string(first) + "-" + std::to_string(last);
    return {"信道 " + range, "Channels " + range};
}

Bilingual OptionsEditLabel(ListId id) {
    return CaptionLabel(Info(id).caption, Info(id).area);
}

Bilingual OptionsEditLabel(TextId id) {
    return CaptionLabel(Info(id).caption, Info(id).area);
}

Bilingual OptionsEditLabel(CheckId id) {
    return CaptionLabel(Info(id).caption, OptionsArea::FunctionLeft);
}

Bilingual WindowEditLabel(const Bilingual& window, const Bilingual& what) {
    return {window.zh + ": " + what.zh, window.en + ": " + what.en};
}

Bilingual OpenFileLabel(const std::string& fileName) {
    return {"打开 " + fileName, "Open " + fileName};
}

const Bilingual& ReadLabel() {
    static const Bilingual label{"从电台读频", "Read from radio"};
    return label;
}

const Bilingual& NewLabel() {
    static const Bilingual label{"新建", "New"};
    return label;
}

const Bilingual& RecoveredLabel() {
    static const Bilingual label{"恢复未保存的更改", "Restore unsaved changes"};
    return label;
}

Bilingual BandLabel(int index) {
    const auto& table = BandTable();
    const std::string entry =
        index >= 0 && index < kBandCount ? table[static_cast<std::size_t>(index)].text : "";
    return {"频段: " + entry, "Band: " + entry};
}

}  // namespace talvo
