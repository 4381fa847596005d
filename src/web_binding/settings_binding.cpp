#include "web_binding/settings_binding.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <array>
#include <variant>
#include <vector>

#include "radio/state/band.h"
#include "radio/state/power.h"
#include "rules/channel_table.h"
#include "rules/dtmf_filter.h"
#include "rules/fm_checks.h"
#include "rules/hidden_sequence.h"
#include "rules/options_checks.h"
#include "rules/printout.h"
#include "rules/relock_clicks.h"
#include "rules/window_texts.h"
#include "web_binding/catalogue_words.h"
#include "web_binding/js_values.h"

namespace talvo::web {
namespace {

using emscripten::val;

// The page's own words, where the desktop has none for the same thing.
struct WebTexts {
    Text unlocked{TALVO_TEXT("WebSettings", "Hidden mode unlocked.")};
    Text locked{TALVO_TEXT("WebSettings", "Hidden mode locked again.")};
    Text printPage{TALVO_TEXT("WebSettings", "Print or save as PDF from the browser.")};
    Text updated{TALVO_TEXT("WebSettings", "A new version is kept; reload the page to use it.")};
};
const WebTexts& Web() {
    static const WebTexts texts;
    return texts;
}

template <typename Flags>
val Bools(const Flags& flags) {
    val array = val::array();
    for (const bool on : flags) array.call<void>("push", on);
    return array;
}
bool Valid(int id, std::size_t count) {
    return id >= 0 && static_cast<std::size_t>(id) < count;
}

const char* AreaName(OptionsArea area) {
    switch (area) {
        case OptionsArea::FunctionLeft:
            return "functionLeft";
        case OptionsArea::FunctionRight:
            return "functionRight";
        case OptionsArea::Vox:
            return "vox";
        case OptionsArea::VfoA:
            return "vfoA";
        case OptionsArea::VfoB:
            return "vfoB";
        case OptionsArea::HiddenA:
            break;
    }
    return "hidden";
}

// The window's fields in the order it lays them out: the VOX frame, the function page (left
// column, then right), the VFO frames.
using Field = std::variant<ListId, TextId, CheckId>;
std::vector<Field> LaidOut() {
    std::vector<Field> order;
    const auto lists = [&order](OptionsArea area) {
        for (std::size_t i = 0; i < kListCount; ++i) {
            if (Info(static_cast<ListId>(i)).area == area)
                order.emplace_back(static_cast<ListId>(i));
        }
    };
    lists(OptionsArea::Vox);
    order.emplace_back(CheckId::AllowToCancelOperating);
    order.emplace_back(CheckId::ProhibitVoxInReceiving);
    lists(OptionsArea::FunctionLeft);
    for (const Field f : std::initializer_list<Field>{
             TextId::AChannelNumber, TextId::BChannelNumber, ListId::SquelchLevel,
             ListId::BatterySave, ListId::TimeOutTimer, ListId::RogerBeep, ListId::MainChannel,
             ListId::BacklightMode, ListId::PowerOnPassword, TextId::DisplayCharacter,
             TextId::PowerOnPasswordDigits, ListId::DualStandby,
             ListId::MemoryChannelDisplayMode}) {
        order.push_back(f);
    }
    order.emplace_back(TextId::AVfoFrequency);
    order.emplace_back(TextId::AVfoOffsetData);
    lists(OptionsArea::VfoA);
    order.emplace_back(TextId::BVfoFrequency);
    order.emplace_back(TextId::BVfoOffsetData);
    lists(OptionsArea::VfoB);
    return order;
}

// What every field's description starts with: its kind, id, name and caption.
template <class Id, class FieldInfo>
val Described(const char* kind, Id id, const FieldInfo& info, const TextWords& words) {
    val f = val::object();
    f.set("kind", kind);
    f.set("id", static_cast<int>(id));
    f.set("name", info.name);
    f.set("caption", words(info.caption));
    return f;
}

val Describe(ListId id, const TextWords& words) {
    const ListInfo& info = Info(id);
    val f = Described("list", id, info, words);
    f.set("area", AreaName(info.area));
    std::vector<std::string> entries;
    for (int i = 0; i < ListSize(id); ++i) entries.push_back(Compose(ListEntry(id, i), words));
    f.set("entries", Strings(entries));
    f.set("editable", info.editable);
    f.set("shown", info.shown);
    const auto hidden = FindHiddenCaption(id);
    f.set("hiddenMode", hidden ? static_cast<int>(hidden->sequence) : -1);
    return f;
}

val Describe(TextId id, const TextWords& words) {
    const TextInfo& info = Info(id);
    val f = Described("text", id, info, words);
    f.set("area", AreaName(info.area));
    f.set("maxLength", info.maxLength);
    f.set("enterChecks", EnterRunsLeaveCheck(id));
    f.set("shown", true);
    return f;
}

val Describe(CheckId id, const TextWords& words) {
    const CheckInfo& info = Info(id);
    val f = Described("check", id, info, words);
    f.set("area", "vox");
    // The window does not show its check boxes.
    f.set("shown", false);
    return f;
}

// The relock buttons' clicks: the page has one toolbar.
std::array<RelockClicks, kHiddenSequenceCount>& Relocks() {
    static std::array<RelockClicks, kHiddenSequenceCount> clicks{};
    return clicks;
}

// Bytes held one per character, as the page's UTF-8 and back: the fields' filters let nothing
// else through.
std::string Latin1(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
        } else if ((b & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
            const int c = ((b & 0x1F) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F);
            if (c < 0x100) out += static_cast<char>(c);
        } else {
            while (i + 1 < utf8.size() && (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80)
                ++i;
        }
    }
    return out;
}

}  // namespace

val SettingsTexts(const std::string& lang) {
    const TextWords words = WordsIn(lang);
    val t = val::object();
    const auto say = [&](const char* name, const Text& text) { t.set(name, words(text)); };
    const OptionsCaptions& o = OptionsWindowCaptions();
    say("optionsTitle", o.title);
    say("pageFunction", o.pageFunction);
    say("pageVfo", o.pageVfo);
    say("frameVox", o.frameVox);
    say("frameFunction", o.frameFunction);
    say("frameVfoA", o.frameVfoA);
    say("frameVfoB", o.frameVfoB);
    say("bandQuestion", BandChangeQuestion());
    say("bandTitle", BandChangeTitle());
    const FmWindowTexts& fm = FmTexts();
    say("fmTitle", fm.title);
    say("fmVfo", fm.vfoCaption);
    say("fmPresentChannel", fm.presentChannelCaption);
    say("fmDisplayMode", fm.displayModeCaption);
    say("fmHeaderChannel", fm.headerChannel);
    say("fmHeaderFrequency", fm.headerFrequency);
    say("ok", fm.ok);
    say("cancel", fm.cancel);
    say("fmRange", fm.rangeMessage);
    say("fmPresentNotWhole", fm.presentChannelNotWhole);
    std::vector<std::string> modes;
    for (const Text& m : FmDisplayModeList()) modes.push_back(words(m));
    t.set("fmDisplayModes", Strings(modes));
    const DtmfWindowTexts& d = DtmfTexts();
    say("dtmfTitle", d.title);
    say("dtmfRate", d.dtmfRate);
    say("dtmfDelay", d.firstDigitalDelay);
    say("dtmfAniStart", d.aniStartCode);
    say("dtmfAniEnd", d.aniEndCode);
    say("dtmfAniMode", d.aniModeCaption);
    std::vector<std::string> rates, delays, aniModes;
    for (const Text& r : d.dtmfRates) rates.push_back(words(r));
    for (int i = 0; i < kFirstDigitDelayCount; ++i) {
        delays.push_back(Compose(FirstDigitDelayMessage(i), words));
    }
    for (const Text& m : d.aniModes) aniModes.push_back(words(m));
    t.set("dtmfRates", Strings(rates));
    t.set("dtmfDelays", Strings(delays));
    t.set("dtmfAniModes", Strings(aniModes));
    const DebugWindowTexts& g = DebugTexts();
    say("debugTitle", g.title);
    say("debugTabA", g.tabs[0]);
    say("debugTabB", g.tabs[1]);
    say("debugLow", g.lowEnd);
    say("debugHigh", g.highEnd);
    std::vector<std::string> frames;
    for (int i = 0; i < 6; ++i) frames.push_back(words(PowerFrameCaption(i)));
    t.set("powerFrames", Strings(frames));
    const WebTexts& w = Web();
    say("unlocked", w.unlocked);
    say("locked", w.locked);
    say("printPage", w.printPage);
    say("updated", w.updated);
    return t;
}

val OptionFields(const std::string& lang) {
    const TextWords words = WordsIn(lang);
    val fields = val::array();
    for (const Field& f : LaidOut()) {
        fields.call<void>("push", std::visit([&](auto id) { return Describe(id, words); }, f));
    }
    // The A group's fields the window does not show, last.
    for (std::size_t i = 0; i < kListCount; ++i) {
        const auto id = static_cast<ListId>(i);
        if (Info(id).area == OptionsArea::HiddenA) fields.call<void>("push", Describe(id, words));
    }
    return fields;
}

val OptionValues(const Document& doc) {
    const OptionalFeatures& o = doc.state().options;
    val v = val::object();
    std::vector<int> lists(o.index.begin(), o.index.end());
    v.set("lists", val::array(lists));
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < kTextCount; ++i) {
        texts.push_back(BytesAsUtf8(SettingText(o, static_cast<TextId>(i))));
    }
    v.set("texts", Strings(texts));
    v.set("checks", Bools(o.check));
    return v;
}

void SetOptionList(Document& doc, int id, int index) {
    const ChangeStep step(doc, "option-list:" + std::to_string(id));
    if (!Valid(id, kListCount)) return;
    const auto list = static_cast<ListId>(id);
    if (index < -1 || index >= ListSize(list) || (index == -1 && !Info(list).editable)) return;
    doc.state().options[list] = index;
}

void SetOptionCheck(Document& doc, int id, bool on) {
    const ChangeStep step(doc, "option-check:" + std::to_string(id));
    if (Valid(id, kCheckCount)) doc.state().options[static_cast<CheckId>(id)] = on;
}

std::string TypeOptionText(Document& doc, int id, const std::string& text) {
    const ChangeStep step(doc, "option-text:" + std::to_string(id));
    if (!Valid(id, kTextCount)) return {};
    const auto field = static_cast<TextId>(id);
    std::string shown = FilterOptionsText(field, Latin1(text));
    shown.resize(
        std::min<std::size_t>(shown.size(), static_cast<std::size_t>(Info(field).maxLength)));
    if (field == TextId::AChannelNumber || field == TextId::BChannelNumber) {
        shown = ChannelNumberWhileTyping(shown);
    }
    StoreSettingText(doc.state().options, field, shown);
    return BytesAsUtf8(shown);
}

std::string LeaveOptionText(Document& doc, int id, const std::string& text) {
    const ChangeStep step(doc, "option-text:" + std::to_string(id));
    if (!Valid(id, kTextCount)) return {};
    const auto field = static_cast<TextId>(id);
    const std::string checked = OptionsLeaveCheck(field, TypeOptionText(doc, id, text));
    StoreSettingText(doc.state().options, field, checked);
    return BytesAsUtf8(checked);
}

int ClickCaption(Document& doc, int listId, double msecsSinceMidnight) {
    if (!Valid(listId, kListCount)) return -1;
    const auto slot = FindHiddenCaption(static_cast<ListId>(listId));
    if (!slot) return -1;
    HiddenModeSequence& sequence = SequenceState(doc.state().hidden, slot->sequence);
    const long now = WholeSecondsSinceMidnight(static_cast<long long>(msecsSinceMidnight));
    return RegisterHiddenClick(sequence, slot->slot, now) ? static_cast<int>(slot->sequence) : -1;
}

val HiddenModesOf(const Document& doc) {
    const HiddenModes& h = doc.state().hidden;
    return Bools(std::array<bool, 3>{h.AnMaMode(), h.DebugMode(), h.FMMaMode()});
}

bool ClickRelock(Document& doc, int mode, double secondsSinceMidnight) {
    if (mode < 0 || mode >= kHiddenSequenceCount) return false;
    if (!Relocks()[static_cast<std::size_t>(mode)].click(secondsSinceMidnight)) return false;
    RelockHiddenSequence(SequenceState(doc.state().hidden, static_cast<HiddenSequence>(mode)));
    return true;
}

namespace {

// The band selector: the user opening the list arms the question; a choice asks first when
// the band says so; OK empties the channel table with the change.
val BandEntries() {
    std::vector<std::string> texts;
    for (const BandEntry& e : BandTable()) texts.emplace_back(e.text);
    return Strings(texts);
}
int BandIndex(const Document& doc) {
    return doc.state().band.index;
}
void BandListOpened(Document& doc) {
    BandState& band = doc.state().band;
    band.PreviousBandIndex = band.index;
    band.BandPromptSuppressed = false;
}
bool BandAsks(const Document& doc, int index) {
    return doc.state().band.asksBefore(index);
}
// Selects `index` (emptying the channel table when `clearChannels`); later changes ask nothing
// until the list is opened again.
void ChooseBand(Document& doc, int index, bool clearChannels) {
    const ChangeStep step(doc, {});
    ProgramState& s = doc.state();
    if (s.band.select(index) && clearChannels) ClearGrid(s.channels);
    s.band.BandPromptSuppressed = true;
}

// The FM window's working copy and its OK.
val FmValues(const Document& doc) {
    const FmWindowFields& f = doc.state().fmWindow;
    val v = val::object();
    std::vector<std::string> cells;
    for (const FmFrequency& c : f.cell) cells.push_back(FmFrequencyText(c));
    v.set("cells", Strings(cells));
    v.set("vfo", FmFrequencyText(f.vfo));
    v.set("present", f.presentChannel ? std::to_string(*f.presentChannel) : std::string());
    v.set("displayMode", f.displayMode);
    return v;
}
const char* OutcomeName(FmEntry outcome) {
    switch (outcome) {
        case FmEntry::Empty:
            return "empty";
        case FmEntry::Accepted:
            return "accepted";
        case FmEntry::OutOfRange:
            return "outOfRange";
        case FmEntry::NotNumber:
            break;
    }
    return "notNumber";
}
std::string FilterFm(const std::string& text) {
    return FilterFmText(text);
}
// A channel cell left after typing `text`: the outcome; an empty or accepted entry is stored.
std::string EnterFmCell(Document& doc, int channel, const std::string& text) {
    const ChangeStep step(doc, "fm");
    if (channel < 1 || channel > kFmChannelCount) return "notNumber";
    const FmEntryCheck check = CheckFmEntry(FilterFmText(text));
    auto& cell = doc.state().fmWindow.cell[static_cast<std::size_t>(channel - 1)];
    if (check.outcome == FmEntry::Empty) cell.reset();
    if (check.outcome == FmEntry::Accepted) cell = FmFrequencyFromText(check.text);
    return OutcomeName(check.outcome);
}
// The FM VFO typed into: stored as what it stands for once left (a text that is no number
// leaves the value as it was).
void TypeFmVfo(Document& doc, const std::string& text) {
    const ChangeStep step(doc, "fm");
    const FmEntryCheck check = CheckFmEntry(FilterFmText(text));
    if (check.outcome != FmEntry::NotNumber) {
        doc.state().fmWindow.vfo = FmFrequencyFromText(check.text);
    }
}
// The FM VFO left: the outcome and the text the field then shows.
val LeaveFmVfo(Document& doc, const std::string& text) {
    const ChangeStep step(doc, "fm");
    const std::string typed = FilterFmText(text);
    const FmEntryCheck check = CheckFmEntry(typed);
    TypeFmVfo(doc, typed);
    val v = val::object();
    v.set("outcome", OutcomeName(check.outcome));
    v.set("text", check.outcome == FmEntry::Accepted     ? check.text
                  : check.outcome == FmEntry::OutOfRange ? std::string()
                                                         : typed);
    return v;
}
void TypeFmPresent(Document& doc, const std::string& text) {
    const ChangeStep step(doc, "fm");
    doc.state().fmWindow.presentChannel = ParsePresentChannel(text);
}
void SetFmDisplayMode(Document& doc, int index) {
    const ChangeStep step(doc, "fm");
    if (index >= 0 && index < static_cast<int>(FmDisplayModeList().size())) {
        doc.state().fmWindow.displayMode = index;
    }
}
bool AcceptFm(Document& doc) {
    const ChangeStep step(doc, "fm");
    ProgramState& s = doc.state();
    return CopyFmWindowToRecord(s.fmWindow, s.fm);
}

// DTMF: the other-features page, as the desktop window shows it.
constexpr std::size_t kDtmfTextLength = 16;
val DtmfValues(const Document& doc) {
    const DtmfSettings& d = doc.state().dtmf;
    val v = val::object();
    v.set("rate", d.DtmfRate);
    v.set("delay", d.FirstDigitalDelay);
    v.set("aniMode", d.AniMode);
    v.set("aniStart", d.AniStartCode);
    v.set("aniEnd", d.AniEndCode);
    return v;
}
// A DTMF text typed: the text the field shows (filtered, at most 16 characters), stored.
std::string TypeDtmfText(Document& doc, const std::string& field, const std::string& text) {
    const ChangeStep step(doc, "dtmf-text:" + field);
    std::string kept = FilterDtmfText(text).substr(0, kDtmfTextLength);
    DtmfSettings& d = doc.state().dtmf;
    if (field == "aniStart") d.AniStartCode = kept;
    if (field == "aniEnd") d.AniEndCode = kept;
    return kept;
}
void SetDtmfList(Document& doc, const std::string& field, int index) {
    const ChangeStep step(doc, "dtmf-list:" + field);
    DtmfSettings& d = doc.state().dtmf;
    if (field == "rate" && index >= 0 && index < 2) d.DtmfRate = index;
    if (field == "delay" && index >= 0 && index < kFirstDigitDelayCount)
        d.FirstDigitalDelay = index;
    if (field == "aniMode" && index >= 0 && index < 3) d.AniMode = index;
}

// The power calibration sliders.
val PowerGradesOf(const Document& doc) {
    const PowerGrades& g = doc.state().powerGrades;
    return val::array(std::vector<int>(g.begin(), g.end()));
}
void SetPowerGrade(Document& doc, int slider, int value) {
    const ChangeStep step(doc, "power:" + std::to_string(slider));
    if (slider < 0 || slider >= 6) return;
    doc.state().powerGrades[static_cast<std::size_t>(slider)] = std::clamp(value, 0, 255);
}

}  // namespace

EMSCRIPTEN_BINDINGS(talvo_settings) {
    using emscripten::function;
    function("settingsTexts", &SettingsTexts);
    function("optionFields", &OptionFields);
    function("optionValues", &OptionValues);
    function("setOptionList", &SetOptionList);
    function("setOptionCheck", &SetOptionCheck);
    function("typeOptionText", &TypeOptionText);
    function("leaveOptionText", &LeaveOptionText);
    function("clickCaption", &ClickCaption);
    function("hiddenModes", &HiddenModesOf);
    function("clickRelock", &ClickRelock);
    function("bandEntries", &BandEntries);
    function("bandIndex", &BandIndex);
    function("bandListOpened", &BandListOpened);
    function("bandAsks", &BandAsks);
    function("chooseBand", &ChooseBand);
    function("fmValues", &FmValues);
    function("filterFm", &FilterFm);
    function("enterFmCell", &EnterFmCell);
    function("typeFmVfo", &TypeFmVfo);
    function("leaveFmVfo", &LeaveFmVfo);
    function("typeFmPresent", &TypeFmPresent);
    function("setFmDisplayMode", &SetFmDisplayMode);
    function("acceptFm", &AcceptFm);
    function("dtmfValues", &DtmfValues);
    function("typeDtmfText", &TypeDtmfText);
    function("setDtmfList", &SetDtmfList);
    function("powerGrades", &PowerGradesOf);
    function("setPowerGrade", &SetPowerGrade);
}

}  // namespace talvo::web
