#include "radio/state/options.h"

#include "radio/state/tone_list.h"

namespace talvo {
namespace {

using E = std::vector<Message>;

// Shown as it is in every language.
Message Same(const std::string& t) {
    return Message::Literal(t);
}

E OffOn() {
    return {TALVO_TEXT("Options", "Off"), TALVO_TEXT("Options", "On")};
}
E OnOff() {
    return {TALVO_TEXT("Options", "On"), TALVO_TEXT("Options", "Off")};
}

E Numbered(int from, int to) {
    E e;
    for (int i = from; i <= to; ++i) e.push_back(Same(std::to_string(i)));
    return e;
}

E WithUnit(const Text& off, int count, const Text& unit) {
    E e{off};
    for (int i = 1; i <= count; ++i) e.push_back(Message(unit, {Same(std::to_string(i))}));
    return e;
}

E Steps() {
    E e;
    for (const char* s : {"5K", "6.25K", "10K", "12.5K", "25K", "37.5K", "50K", "100K"}) {
        e.push_back(Same(s));
    }
    return e;
}

E DisplayModes() {
    return {TALVO_TEXT("Options", "Frequency"), TALVO_TEXT("Options", "Freq & Channel")};
}
E VfoPower() {
    return {TALVO_TEXT("Options", "Low"), TALVO_TEXT("Options", "High"),
            TALVO_TEXT("Options", "Middle")};
}
E OffsetDirection() {
    return {TALVO_TEXT("Options", "Plus Shift(+)"), TALVO_TEXT("Options", "Minus Shift(-)"),
            TALVO_TEXT("Options", "Turn Off")};
}
E WideNarrow() {
    return {TALVO_TEXT("Options", "Narrow"), TALVO_TEXT("Options", "Wide")};
}
E BusyLock() {
    return {TALVO_TEXT("Options", "Carry"), TALVO_TEXT("Options", "Off")};
}
E AddScan() {
    return {TALVO_TEXT3("Options", "Off", "disabled"), TALVO_TEXT3("Options", "On", "enabled")};
}

using A = OptionsArea;

const std::array<ListInfo, kListCount>& ListTable() {
    static const std::array<ListInfo, kListCount> table = {{
        {"ADisplayMode", TALVO_TEXT("Options", "A Display Mode:"), A::FunctionLeft, false,
         DisplayModes(), 0, false, true},
        {"BDisplayMode", TALVO_TEXT("Options", "B Display Mode:"), A::FunctionLeft, false,
         DisplayModes(), 1, true, true},
        {"Beep", TALVO_TEXT("Options", "Beep:"), A::FunctionLeft, false, OffOn(), 1, false, true},
        {"KeyLock",
         TALVO_TEXT("Options", "Key Lock:"),
         A::FunctionLeft,
         false,
         {TALVO_TEXT("Options", "Lock"), TALVO_TEXT("Options", "Normal")},
         1,
         false,
         true},
        {"ScanMode",
         TALVO_TEXT("Options", "Scan Mode:"),
         A::FunctionLeft,
         false,
         {TALVO_TEXT("Options", "Carrier"), TALVO_TEXT("Options", "Time")},
         1,
         true,
         true},
        {"KeyLockMode",
         TALVO_TEXT("Options", "KeyLock Mode:"),
         A::FunctionLeft,
         false,
         {Same("K+S"), Same("PTT"), Same("KEY"), Same("ALL")},
         0,
         false,
         true},
        {"RadioSearchMode",
         TALVO_TEXT("Options", "Radio Search Mode:"),
         A::FunctionLeft,
         false,
         {TALVO_TEXT("Options", "Manual"), TALVO_TEXT("Options", "Auto")},
         0,
         true,
         true},
        {"RadioMonitorsSignal",
         TALVO_TEXT("Options", "Radio Monitors Signal:"),
         A::FunctionLeft,
         false,
         {TALVO_TEXT3("Options", "Off", "closed"), TALVO_TEXT3("Options", "On", "opened")},
         1,
         false,
         true},
        {"SquelchTailElimination", TALVO_TEXT("Options", "SquelchTail Elimination:"),
         A::FunctionLeft, false, OffOn(), 1, true, true},
        {"AutoPowerOff", TALVO_TEXT("Options", "Auto Power-Off:"), A::FunctionLeft, false,
         WithUnit(TALVO_TEXT("Options", "Off"), 15, TALVO_TEXT("Options", "%1 Hour")), 0, false,
         true},
        {"OpenDisplayMode",
         TALVO_TEXT("Options", "Open Display Mode:"),
         A::FunctionLeft,
         false,
         {Same("OFF"), Same("DC"), Same("MSG")},
         1,
         false,
         true},
        {"ChannelNameEditable",
         TALVO_TEXT("Options", "Channel Name Editable:"),
         A::FunctionLeft,
         false,
         {TALVO_TEXT3("Options", "On", "enabled"), TALVO_TEXT3("Options", "Off", "disabled")},
         1,
         false,
         true},

        {"SquelchLevel", TALVO_TEXT("Options", "Squelch Level:"), A::FunctionRight, false,
         Numbered(0, 9), 5, false, true},
        {"BatterySave", TALVO_TEXT("Options", "Battery Save:"), A::FunctionRight, false, OffOn(), 1,
         false, true},
        {"TimeOutTimer", TALVO_TEXT("Options", "Time-out Timer:"), A::FunctionRight, false,
         WithUnit(TALVO_TEXT3("Options", "Off", "closed"), 7, TALVO_TEXT("Options", "%1 Minute")),
         2, false, true},
        {"RogerBeep", TALVO_TEXT("Options", "Roger Beep:"), A::FunctionRight, false, OnOff(), 0,
         true, true},
        {"MainChannel",
         TALVO_TEXT("Options", "Main Channel:"),
         A::FunctionRight,
         false,
         {TALVO_TEXT("Options", "B Group"), TALVO_TEXT("Options", "A Group")},
         1,
         false,
         true},
        {"BacklightMode",
         TALVO_TEXT("Options", "Backlight Mode:"),
         A::FunctionRight,
         false,
         {Same("OFF"), Same("KEY"), Same("CONT")},
         1,
         false,
         true},
        {"PowerOnPassword", TALVO_TEXT("Options", "Power-On Password:"), A::FunctionRight, false,
         OnOff(), 1, true, true},
        {"DualStandby", TALVO_TEXT("Options", "Dual Standby:"), A::FunctionRight, false, OffOn(), 0,
         false, true},
        {"MemoryChannelDisplayMode",
         TALVO_TEXT("Options", "Memory Channel display Mode:"),
         A::FunctionRight,
         false,
         {TALVO_TEXT("Options", "Channel"), TALVO_TEXT("Options", "Frequency")},
         1,
         true,
         true},

        {"VoxSwitch", TALVO_TEXT("Options", "VOX Swith:"), A::Vox, false, OffOn(), 1, false, true},
        {"VoxGainLevel", TALVO_TEXT("Options", "VOX Gain Level:"), A::Vox, false, Numbered(1, 8), 1,
         false, true},
        {"VoxDelayTime",
         TALVO_TEXT("Options", "VOX Delay Time(s):"),
         A::Vox,
         false,
         {Same("1 S"), Same("2 S"), Same("3 S"), Same("4 S")},
         1,
         false,
         true},

        {"AVfoQtDqtDec", TALVO_TEXT("Options", "QT/DQT Dec:"), A::VfoA, true, {}, 0, false, true},
        {"AVfoQtDqtEnc", TALVO_TEXT("Options", "QT/DQT Enc:"), A::VfoA, true, {}, 0, false, true},
        {"AVfoPower", TALVO_TEXT("Options", "Power:"), A::VfoA, false, VfoPower(), 1, false, true},
        {"AVfoOffsetFrequency", TALVO_TEXT("Options", "Offset Frequency:"), A::VfoA, false,
         OffsetDirection(), 1, false, true},
        {"AVfoWideNarrow", TALVO_TEXT("Options", "Wide/Narrow:"), A::VfoA, false, WideNarrow(), 1,
         false, true},
        {"AVfoBusyChannelLock", TALVO_TEXT("Options", "Busy Channel Lock:"), A::VfoA, false,
         BusyLock(), 1, false, true},
        {"AVfoAddScan", TALVO_TEXT("Options", "Add Scan:"), A::VfoA, false, AddScan(), 1, false,
         true},
        {"AVfoTxProhibit", TALVO_TEXT("Options", "TX Prohibit:"), A::VfoA, false, OnOff(), 1, false,
         true},
        {"AStepFrequency", TALVO_TEXT("Options", "A Step Frequency:"), A::VfoA, false, Steps(), 4,
         false, true},

        {"BVfoQtDqtDec", TALVO_TEXT("Options", "QT/DQT Dec:"), A::VfoB, true, {}, 0, false, true},
        {"BVfoQtDqtEnc", TALVO_TEXT("Options", "QT/DQT Enc:"), A::VfoB, true, {}, 0, false, true},
        {"BVfoPower", TALVO_TEXT("Options", "Power:"), A::VfoB, false, VfoPower(), 1, false, true},
        {"BVfoOffsetFrequency", TALVO_TEXT("Options", "Offset Frequency:"), A::VfoB, false,
         OffsetDirection(), 1, false, true},
        {"BVfoWideNarrow", TALVO_TEXT("Options", "Wide/Narrow:"), A::VfoB, false, WideNarrow(), 1,
         false, true},
        {"BVfoBusyChannelLock", TALVO_TEXT("Options", "Busy Channel Lock:"), A::VfoB, false,
         BusyLock(), 1, false, true},
        {"BVfoAddScan", TALVO_TEXT("Options", "Add Scan:"), A::VfoB, false, AddScan(), 1, false,
         true},
        {"BVfoTxProhibit", TALVO_TEXT("Options", "TX Prohibit:"), A::VfoB, false, OnOff(), 1, false,
         true},
        {"BStepFrequency", TALVO_TEXT("Options", "B Step Frequency:"), A::VfoB, false, Steps(), 4,
         false, true},

        {"AVfoScramble",
         TALVO_TEXT("Options", "Scramble:"),
         A::HiddenA,
         false,
         {TALVO_TEXT3("Options", "On", "enabled"), TALVO_TEXT3("Options", "Off", "disabled")},
         1,
         false,
         false},
        {"AVfoCompanding",
         TALVO_TEXT("Options", "Companding:"),
         A::HiddenA,
         false,
         {TALVO_TEXT3("Options", "Off", "disabled"), TALVO_TEXT3("Options", "On", "enabled")},
         1,
         false,
         false},
        // Shown in Chinese only: its caption and entries are never relabelled.
        {"AVfoCallTone",
         TALVO_TEXT("Options", "呼叫音:"),
         A::HiddenA,
         false,
         {Same("关闭"), Same("TONE1"), Same("TONE2"), Same("TONE3"), Same("TONE4"), Same("TONE5")},
         4,
         false,
         false},
    }};
    return table;
}

const std::array<TextInfo, kTextCount>& TextTable() {
    static const std::array<TextInfo, kTextCount> table = {{
        // The channel numbers have no length limit of their own: the clamp to "128" bounds the
        // value,
        // and leading zeros typed first must not block the digits that follow.
        {"AChannelNumber", TALVO_TEXT("Options", "A Channel Number:"), A::FunctionRight, "1",
         kNoLengthLimit},
        {"BChannelNumber", TALVO_TEXT("Options", "B Channel Number:"), A::FunctionRight, "1",
         kNoLengthLimit},
        {"DisplayCharacter", TALVO_TEXT("Options", "Display Character:"), A::FunctionRight, "", 6},
        {"PowerOnPasswordDigits", TALVO_TEXT3("Options", "Power-On Password:", "4 digits"),
         A::FunctionRight, "", 4},
        {"AVfoFrequency", TALVO_TEXT("Options", "Frequency:"), A::VfoA, "136.00000", 9},
        {"AVfoOffsetData", TALVO_TEXT("Options", "Offset Data:"), A::VfoA, "10", 8},
        {"BVfoFrequency", TALVO_TEXT("Options", "Frequency:"), A::VfoB, "400.00000", 9},
        {"BVfoOffsetData", TALVO_TEXT("Options", "Offset Data:"), A::VfoB, "10", 8},
    }};
    return table;
}

const std::array<CheckInfo, kCheckCount>& CheckTable() {
    static const std::array<CheckInfo, kCheckCount> table = {{
        {"AllowToCancelOperating", TALVO_TEXT("Options", "Allow to Cancel Operating")},
        {"ProhibitVoxInReceiving", TALVO_TEXT("Options", "Prohibit VOX in the receiving")},
    }};
    return table;
}

}  // namespace

const ListInfo& Info(ListId id) {
    return ListTable()[static_cast<std::size_t>(id)];
}
const TextInfo& Info(TextId id) {
    return TextTable()[static_cast<std::size_t>(id)];
}
const CheckInfo& Info(CheckId id) {
    return CheckTable()[static_cast<std::size_t>(id)];
}

int ListSize(ListId id) {
    const ListInfo& info = Info(id);
    return info.toneList ? kToneCount : static_cast<int>(info.entries.size());
}

Message ListEntry(ListId id, int index) {
    const ListInfo& info = Info(id);
    if (index < 0 || index >= ListSize(id)) return Message::Literal({});
    if (info.toneList) return ToneName(index);
    return info.entries[static_cast<std::size_t>(index)];
}

Message OptionalFeatures::displayed(ListId id) const {
    const int i = (*this)[id];
    if (i < 0) return Message::Literal(typed[static_cast<std::size_t>(id)]);
    return ListEntry(id, i);
}

OptionalFeatures DefaultOptionalFeatures() {
    OptionalFeatures o;
    for (std::size_t i = 0; i < kListCount; ++i) o.index[i] = ListTable()[i].defaultIndex;
    for (std::size_t i = 0; i < kTextCount; ++i) o.text[i] = TextTable()[i].defaultText;
    o.check.fill(false);
    return o;
}

const OptionsCaptions& OptionsWindowCaptions() {
    static const OptionsCaptions captions;
    return captions;
}

}  // namespace talvo
