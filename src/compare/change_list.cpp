#include "compare/change_list.h"

#include <cstdio>

#include "radio/codecs/decode.h"
#include "radio/fields/channel_fields.h"
#include "radio/state/band.h"
#include "radio/state/channel_lists.h"
#include "radio/state/options.h"
#include "radio/state/power.h"

namespace talvo::compare {

namespace {

// A caption's words without the closing colon ("Beep:" -> "Beep").
std::string WithoutColon(std::string text) {
    for (const std::string colon : {":", "："}) {
        if (text.size() >= colon.size() &&
            text.compare(text.size() - colon.size(), colon.size(), colon) == 0) {
            text.resize(text.size() - colon.size());
        }
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

Message Name(const Text& caption) {
    Message m(caption);
    m.finish = &WithoutColon;
    return m;
}

// A setting's name, after the frame it sits in for the settings whose captions repeat across
// frames.
Message InArea(OptionsArea area, const Text& caption) {
    const OptionsCaptions& c = OptionsWindowCaptions();
    const auto framed = [&](const Text& frame) {
        return Message::Join("%1 / %2", {frame, Name(caption)});
    };
    switch (area) {
        case OptionsArea::VfoA:
        case OptionsArea::HiddenA:
            return framed(c.frameVfoA);
        case OptionsArea::VfoB:
            return framed(c.frameVfoB);
        case OptionsArea::Vox:
            return framed(c.frameVox);
        default:
            return Name(caption);
    }
}

Message Value(std::string words) {
    return Message::Literal(std::move(words));
}

class Collector {
  public:
    Collector(std::vector<Change>& out, const TextWords& words) : out_(out), words_(words) {}
    void add(Change::Area area, Change::Kind kind, int channel, Message field, Message before,
             Message after) {
        if (kind == Change::Kind::Changed && Compose(before, words_) == Compose(after, words_)) {
            return;
        }
        out_.push_back(
            {area, kind, channel, std::move(field), std::move(before), std::move(after)});
    }

  private:
    std::vector<Change>& out_;
    const TextWords& words_;
};

void CompareChannels(const ProgramState& a, const ProgramState& b, Collector& out) {
    for (int ch = 1; ch <= kChannelCount; ++ch) {
        const bool was = !a.channels.isFree(ch);
        const bool is = !b.channels.isFree(ch);
        if (!was && !is) continue;
        const Change::Kind kind =
            was && is ? Change::Kind::Changed : (is ? Change::Kind::Added : Change::Kind::Removed);
        for (const ChannelField& field : ChannelFields()) {
            const Message before = was ? ChannelCell(a.channels.at(ch), field.column) : Value({});
            const Message after = is ? ChannelCell(b.channels.at(ch), field.column) : Value({});
            if (kind != Change::Kind::Changed && before.empty() && after.empty()) continue;
            out.add(Change::Area::Channel, kind, ch, field.header, before, after);
        }
    }
}

void CompareSettings(const ProgramState& a, const ProgramState& b, Collector& out) {
    for (std::size_t i = 0; i < kListCount; ++i) {
        const auto id = static_cast<ListId>(i);
        const ListInfo& info = Info(id);
        out.add(Change::Area::Setting, Change::Kind::Changed, 0, InArea(info.area, info.caption),
                a.options.displayed(id), b.options.displayed(id));
    }
    for (std::size_t i = 0; i < kTextCount; ++i) {
        const auto id = static_cast<TextId>(i);
        const TextInfo& info = Info(id);
        out.add(Change::Area::Setting, Change::Kind::Changed, 0, InArea(info.area, info.caption),
                Value(SettingText(a.options, id)), Value(SettingText(b.options, id)));
    }
    const Text on = TALVO_TEXT("ChangeList", "on");
    const Text off = TALVO_TEXT("ChangeList", "off");
    for (std::size_t i = 0; i < kCheckCount; ++i) {
        const auto id = static_cast<CheckId>(i);
        out.add(Change::Area::Setting, Change::Kind::Changed, 0, Name(Info(id).caption),
                a.options[id] ? on : off, b.options[id] ? on : off);
    }
    const auto bandText = [](const BandState& band) -> std::string {
        const auto& table = BandTable();
        if (band.index < 0 || band.index >= static_cast<int>(table.size())) return {};
        return table[static_cast<std::size_t>(band.index)].text;
    };
    out.add(Change::Area::Setting, Change::Kind::Changed, 0, TALVO_TEXT("ChangeList", "Band"),
            Value(bandText(a.band)), Value(bandText(b.band)));
}

void CompareFm(const ProgramState& a, const ProgramState& b, Collector& out) {
    for (int n = 1; n <= kFmChannelCount; ++n) {
        const auto slot = static_cast<std::size_t>(n - 1);
        out.add(Change::Area::Fm, Change::Kind::Changed, n,
                Message::Join("%1%2",
                              {TALVO_TEXT("ChangeList", "FM channel "), Value(std::to_string(n))}),
                Value(FmFrequencyText(a.fm.channel[slot])),
                Value(FmFrequencyText(b.fm.channel[slot])));
    }
    out.add(Change::Area::Fm, Change::Kind::Changed, 0, TALVO_TEXT("ChangeList", "FM VFO"),
            Value(FmFrequencyText(a.fm.vfo)), Value(FmFrequencyText(b.fm.vfo)));
    out.add(Change::Area::Fm, Change::Kind::Changed, 0,
            TALVO_TEXT("ChangeList", "FM present channel"),
            Value(std::to_string(a.fm.PresentChannel)), Value(std::to_string(b.fm.PresentChannel)));
    const auto modeText = [](int index) -> Message {
        const auto& list = FmDisplayModeList();
        if (index < 0 || index >= static_cast<int>(list.size()))
            return Value(std::to_string(index));
        return list[static_cast<std::size_t>(index)];
    };
    out.add(Change::Area::Fm, Change::Kind::Changed, 0, TALVO_TEXT("ChangeList", "FM display mode"),
            modeText(a.fm.DisplayMode), modeText(b.fm.DisplayMode));
    const auto stepText = [](int index) -> Message {
        const auto& list = FmStepList();
        if (index < 0 || index >= static_cast<int>(list.size()))
            return Value(std::to_string(index));
        return Value(list[static_cast<std::size_t>(index)]);
    };
    out.add(Change::Area::Fm, Change::Kind::Changed, 0, TALVO_TEXT("ChangeList", "FM step"),
            stepText(a.fm.StepFrequency), stepText(b.fm.StepFrequency));
}

void ComparePower(const ProgramState& a, const ProgramState& b, Collector& out) {
    for (int slider = 0; slider < 6; ++slider) {
        const Text group =
            slider < 3 ? TALVO_TEXT("ChangeList", "A band ") : TALVO_TEXT("ChangeList", "B band ");
        const auto i = static_cast<std::size_t>(slider);
        out.add(Change::Area::Power, Change::Kind::Changed, 0,
                Message::Join("%1%2", {group, PowerFrameCaption(slider)}),
                Value(std::to_string(a.powerGrades[i])), Value(std::to_string(b.powerGrades[i])));
    }
}

}  // namespace

ProgramState DecodedState(const ImageBytes& image) {
    ProgramState state = StartupState();
    state.RadioImage = image;
    DecodeImage(state);
    return state;
}

std::vector<Change> CompareStates(const ProgramState& before, const ProgramState& after,
                                  const TextWords& words) {
    std::vector<Change> changes;
    Collector out(changes, words);
    CompareChannels(before, after, out);
    CompareSettings(before, after, out);
    CompareFm(before, after, out);
    ComparePower(before, after, out);
    return changes;
}

std::vector<Change> CompareImages(const ImageBytes& before, const ImageBytes& after,
                                  const TextWords& words) {
    return CompareStates(DecodedState(before), DecodedState(after), words);
}

}  // namespace talvo::compare
