#include "compare/change_list.h"

#include <cstdio>

#include "image/decode.h"
#include "model/band.h"
#include "model/channel_lists.h"
#include "model/options.h"
#include "model/power.h"

namespace talvo::compare {

namespace {

// A caption without its closing colon ("Beep:" -> "Beep").
std::string Name(const Text& caption, LanguageFlagValue lang) {
    std::string text = caption.words(lang);
    for (const std::string colon : {":", "："}) {
        if (text.size() >= colon.size() &&
            text.compare(text.size() - colon.size(), colon.size(), colon) == 0) {
            text.resize(text.size() - colon.size());
        }
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// The frame a setting sits in, for the settings whose captions repeat across frames.
std::string AreaPrefix(OptionsArea area, LanguageFlagValue lang) {
    const OptionsCaptions& c = OptionsWindowCaptions();
    switch (area) {
        case OptionsArea::VfoA:
        case OptionsArea::HiddenA:
            return c.frameVfoA.words(lang) + " / ";
        case OptionsArea::VfoB:
            return c.frameVfoB.words(lang) + " / ";
        case OptionsArea::Vox:
            return c.frameVox.words(lang) + " / ";
        default:
            return {};
    }
}

class Collector {
  public:
    explicit Collector(std::vector<Change>& out) : out_(out) {}
    void add(Change::Area area, Change::Kind kind, int channel, std::string field,
             const std::string& before, const std::string& after) {
        if (kind == Change::Kind::Changed && before == after) return;
        out_.push_back({area, kind, channel, std::move(field), before, after});
    }

  private:
    std::vector<Change>& out_;
};

void CompareChannels(const ProgramState& a, const ProgramState& b, LanguageFlagValue lang,
                     Collector& out) {
    const auto& headers = ChannelGridHeaders();
    for (int ch = 1; ch <= kChannelCount; ++ch) {
        const bool was = !a.channels.isFree(ch);
        const bool is = !b.channels.isFree(ch);
        if (!was && !is) continue;
        const Change::Kind kind =
            was && is ? Change::Kind::Changed : (is ? Change::Kind::Added : Change::Kind::Removed);
        for (int col = 1; col < kGridColumns; ++col) {
            const std::string& before = was ? a.channels.cell(ch, col) : std::string();
            const std::string& after = is ? b.channels.cell(ch, col) : std::string();
            if (kind != Change::Kind::Changed && before.empty() && after.empty()) continue;
            out.add(Change::Area::Channel, kind, ch,
                    headers[static_cast<std::size_t>(col)].words(lang), before, after);
        }
    }
}

void CompareSettings(const ProgramState& a, const ProgramState& b, LanguageFlagValue lang,
                     Collector& out) {
    for (std::size_t i = 0; i < kListCount; ++i) {
        const auto id = static_cast<ListId>(i);
        const ListInfo& info = Info(id);
        out.add(Change::Area::Setting, Change::Kind::Changed, 0,
                AreaPrefix(info.area, lang) + Name(info.caption, lang),
                a.options.displayed(id, lang), b.options.displayed(id, lang));
    }
    for (std::size_t i = 0; i < kTextCount; ++i) {
        const auto id = static_cast<TextId>(i);
        const TextInfo& info = Info(id);
        out.add(Change::Area::Setting, Change::Kind::Changed, 0,
                AreaPrefix(info.area, lang) + Name(info.caption, lang), a.options[id],
                b.options[id]);
    }
    const std::string on = TALVO_TEXT("ChangeList", "on").words(lang);
    const std::string off = TALVO_TEXT("ChangeList", "off").words(lang);
    for (std::size_t i = 0; i < kCheckCount; ++i) {
        const auto id = static_cast<CheckId>(i);
        out.add(Change::Area::Setting, Change::Kind::Changed, 0, Name(Info(id).caption, lang),
                a.options[id] ? on : off, b.options[id] ? on : off);
    }
    const auto bandText = [](const BandState& band) -> std::string {
        const auto& table = BandTable();
        if (band.index < 0 || band.index >= static_cast<int>(table.size())) return {};
        return table[static_cast<std::size_t>(band.index)].text;
    };
    out.add(Change::Area::Setting, Change::Kind::Changed, 0,
            TALVO_TEXT("ChangeList", "Band").words(lang), bandText(a.band), bandText(b.band));
}

void CompareFm(const ProgramState& a, const ProgramState& b, LanguageFlagValue lang,
               Collector& out) {
    for (int n = 1; n <= kFmChannelCount; ++n) {
        const auto slot = static_cast<std::size_t>(n - 1);
        out.add(Change::Area::Fm, Change::Kind::Changed, n,
                TALVO_TEXT("ChangeList", "FM channel ").words(lang) + std::to_string(n),
                a.fm.FmChannelText[slot], b.fm.FmChannelText[slot]);
    }
    out.add(Change::Area::Fm, Change::Kind::Changed, 0,
            TALVO_TEXT("ChangeList", "FM VFO").words(lang), a.fm.Vfo, b.fm.Vfo);
    out.add(Change::Area::Fm, Change::Kind::Changed, 0,
            TALVO_TEXT("ChangeList", "FM present channel").words(lang),
            std::to_string(a.fm.PresentChannel), std::to_string(b.fm.PresentChannel));
    const auto modeText = [lang](int index) -> std::string {
        const auto& list = FmDisplayModeList();
        if (index < 0 || index >= static_cast<int>(list.size())) return std::to_string(index);
        return list[static_cast<std::size_t>(index)].words(lang);
    };
    out.add(Change::Area::Fm, Change::Kind::Changed, 0,
            TALVO_TEXT("ChangeList", "FM display mode").words(lang), modeText(a.fm.DisplayMode),
            modeText(b.fm.DisplayMode));
    const auto stepText = [](int index) -> std::string {
        const auto& list = FmStepList();
        if (index < 0 || index >= static_cast<int>(list.size())) return std::to_string(index);
        return list[static_cast<std::size_t>(index)];
    };
    out.add(Change::Area::Fm, Change::Kind::Changed, 0,
            TALVO_TEXT("ChangeList", "FM step").words(lang), stepText(a.fm.StepFrequency),
            stepText(b.fm.StepFrequency));
}

void ComparePower(const ProgramState& a, const ProgramState& b, LanguageFlagValue lang,
                  Collector& out) {
    for (int slider = 0; slider < 6; ++slider) {
        const std::string group = slider < 3 ? TALVO_TEXT("ChangeList", "A band ").words(lang)
                                             : TALVO_TEXT("ChangeList", "B band ").words(lang);
        const auto i = static_cast<std::size_t>(slider);
        out.add(Change::Area::Power, Change::Kind::Changed, 0,
                group + PowerFrameCaption(slider).words(lang), std::to_string(a.powerGrades[i]),
                std::to_string(b.powerGrades[i]));
    }
}

}  // namespace

ProgramState DecodedState(const ImageBytes& image, LanguageFlagValue lang) {
    ProgramState state = StartupState(lang);
    state.RadioImage = image;
    DecodeImage(state);
    return state;
}

std::vector<Change> CompareStates(const ProgramState& before, const ProgramState& after,
                                  LanguageFlagValue lang) {
    std::vector<Change> changes;
    Collector out(changes);
    CompareChannels(before, after, lang, out);
    CompareSettings(before, after, lang, out);
    CompareFm(before, after, lang, out);
    ComparePower(before, after, lang, out);
    return changes;
}

std::vector<Change> CompareImages(const ImageBytes& before, const ImageBytes& after,
                                  LanguageFlagValue lang) {
    return CompareStates(DecodedState(before, lang), DecodedState(after, lang), lang);
}

}  // namespace talvo::compare
