#include "document/edit_labels.h"

#include <array>

#include "radio/fields/channel_fields.h"
#include "radio/state/band.h"

namespace talvo {
namespace {

const Text kOptionsWindow{TALVO_TEXT("EditLabels", "Optional features")};

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

Message AreaPrefix(OptionsArea area) {
    const OptionsCaptions& c = OptionsWindowCaptions();
    if (area == OptionsArea::VfoA || area == OptionsArea::HiddenA) return c.frameVfoA;
    if (area == OptionsArea::VfoB) return c.frameVfoB;
    return Message::Literal({});
}

Message CaptionLabel(const Text& caption, OptionsArea area) {
    const Message prefix = AreaPrefix(area);
    Message what = BareCaption(caption);
    if (!prefix.isLiteral()) what = Message(TALVO_TEXT("EditLabels", "%1 %2"), {prefix, what});
    return WindowEditLabel(kOptionsWindow, what);
}

}  // namespace

Message ChannelEditLabel(int channel, int column) {
    Message whole = ChannelsLabel(channel, channel);
    const ChannelField* field = FieldOfColumn(column);
    if (!field) return whole;
    return Message(TALVO_TEXT("EditLabels", "%1: %2"), {std::move(whole), field->label});
}

Message ChannelsLabel(int first, int last) {
    if (first == last) {
        return Message(TALVO_TEXT("EditLabels", "Channel %1"),
                       {Message::Literal(std::to_string(first))});
    }
    const std::string range = std::to_string(first) + "-" + std::to_string(last);
    return Message(TALVO_TEXT("EditLabels", "Channels %1"), {Message::Literal(range)});
}

Message OptionsEditLabel(ListId id) {
    return CaptionLabel(Info(id).caption, Info(id).area);
}

Message OptionsEditLabel(TextId id) {
    return CaptionLabel(Info(id).caption, Info(id).area);
}

Message OptionsEditLabel(CheckId id) {
    return CaptionLabel(Info(id).caption, OptionsArea::FunctionLeft);
}

Message WindowEditLabel(const Message& window, const Message& what) {
    return Message(TALVO_TEXT("EditLabels", "%1: %2"), {window, what});
}

Message BareCaption(const Text& caption) {
    Message m(caption);
    m.finish = &Bare;
    return m;
}

Message OpenFileLabel(const std::string& fileName) {
    return Message(TALVO_TEXT("EditLabels", "Open %1"), {Message::Literal(fileName)});
}

const Message& ReadLabel() {
    static const Message label{TALVO_TEXT("EditLabels", "Read from radio")};
    return label;
}

const Message& NewLabel() {
    static const Message label{TALVO_TEXT("EditLabels", "New")};
    return label;
}

const Message& RecoveredLabel() {
    static const Message label{TALVO_TEXT("EditLabels", "Restore unsaved changes")};
    return label;
}

Message BandLabel(int index) {
    const auto& table = BandTable();
    const std::string entry =
        index >= 0 && index < kBandCount ? table[static_cast<std::size_t>(index)].text : "";
    return Message(TALVO_TEXT("EditLabels", "Band: %1"), {Message::Literal(entry)});
}

}  // namespace talvo
