#include "radio/state/options.h"

#include "model/decimal_number.h"
#include "radio/memory/memory.h"
#include "radio/memory/memory_layout.h"
#include "radio/state/tone_list.h"

namespace talvo {
namespace {

namespace L = layout;
using Form = SettingPlace::Form;

constexpr SettingPlace ByteAt(std::size_t address, int readLimit = 256, int readDefault = -1) {
    return {
        .form = Form::Byte, .address = address, .readLimit = readLimit, .readDefault = readDefault};
}
constexpr SettingPlace BitsAt(std::size_t address, int shift, int width) {
    return {.form = Form::Bits, .address = address, .shift = shift, .width = width};
}
constexpr SettingPlace WrittenBitsAt(std::size_t address, int shift, int width) {
    return {.form = Form::Bits, .address = address, .shift = shift, .width = width, .read = false};
}
constexpr SettingPlace ToneAt(std::size_t address) {
    return {.form = Form::Tone, .address = address};
}
constexpr SettingPlace At(Form form, std::size_t address, std::size_t size = 0) {
    return {.form = form, .address = address, .size = size};
}

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
         DisplayModes(), 0, false, true, ByteAt(L::kADisplayMode, 2, 1)},
        {"BDisplayMode", TALVO_TEXT("Options", "B Display Mode:"), A::FunctionLeft, false,
         DisplayModes(), 1, true, true, ByteAt(L::kBDisplayMode, 2, 0)},
        {"Beep", TALVO_TEXT("Options", "Beep:"), A::FunctionLeft, false, OffOn(), 1, false, true,
         BitsAt(L::kFunctionBits, 0, 1)},
        {"KeyLock",
         TALVO_TEXT("Options", "Key Lock:"),
         A::FunctionLeft,
         false,
         {TALVO_TEXT("Options", "Lock"), TALVO_TEXT("Options", "Normal")},
         1,
         false,
         true,
         BitsAt(L::kFunctionBits, 3, 1)},
        {"ScanMode",
         TALVO_TEXT("Options", "Scan Mode:"),
         A::FunctionLeft,
         false,
         {TALVO_TEXT("Options", "Carrier"), TALVO_TEXT("Options", "Time")},
         1,
         true,
         true,
         BitsAt(L::kFunctionBits, 6, 1)},
        {"KeyLockMode",
         TALVO_TEXT("Options", "KeyLock Mode:"),
         A::FunctionLeft,
         false,
         {Same("K+S"), Same("PTT"), Same("KEY"), Same("ALL")},
         0,
         false,
         true,
         BitsAt(L::kKeyBits, 0, 2)},
        {"RadioSearchMode",
         TALVO_TEXT("Options", "Radio Search Mode:"),
         A::FunctionLeft,
         false,
         {TALVO_TEXT("Options", "Manual"), TALVO_TEXT("Options", "Auto")},
         0,
         true,
         true,
         BitsAt(L::kFunctionBits, 7, 1)},
        {"RadioMonitorsSignal",
         TALVO_TEXT("Options", "Radio Monitors Signal:"),
         A::FunctionLeft,
         false,
         {TALVO_TEXT3("Options", "Off", "closed"), TALVO_TEXT3("Options", "On", "opened")},
         1,
         false,
         true,
         BitsAt(L::kFunctionBits, 4, 1)},
        {"SquelchTailElimination", TALVO_TEXT("Options", "SquelchTail Elimination:"),
         A::FunctionLeft, false, OffOn(), 1, true, true, BitsAt(L::kKeyBits, 5, 1)},
        {"AutoPowerOff", TALVO_TEXT("Options", "Auto Power-Off:"), A::FunctionLeft, false,
         WithUnit(TALVO_TEXT("Options", "Off"), 15, TALVO_TEXT("Options", "%1 Hour")), 0, false,
         true, ByteAt(L::kAutoPowerOff, 16, 0)},
        {"OpenDisplayMode",
         TALVO_TEXT("Options", "Open Display Mode:"),
         A::FunctionLeft,
         false,
         {Same("OFF"), Same("DC"), Same("MSG")},
         1,
         false,
         true,
         ByteAt(L::kOpenDisplayMode, 3, 1)},
        {"ChannelNameEditable",
         TALVO_TEXT("Options", "Channel Name Editable:"),
         A::FunctionLeft,
         false,
         {TALVO_TEXT3("Options", "On", "enabled"), TALVO_TEXT3("Options", "Off", "disabled")},
         1,
         false,
         true,
         ByteAt(L::kChannelNameEditable, 2, 0)},

        {"SquelchLevel", TALVO_TEXT("Options", "Squelch Level:"), A::FunctionRight, false,
         Numbered(0, 9), 5, false, true, ByteAt(L::kSquelchLevel, 10, 5)},
        {"BatterySave", TALVO_TEXT("Options", "Battery Save:"), A::FunctionRight, false, OffOn(), 1,
         false, true, BitsAt(L::kFunctionBits, 2, 1)},
        {"TimeOutTimer", TALVO_TEXT("Options", "Time-out Timer:"), A::FunctionRight, false,
         WithUnit(TALVO_TEXT3("Options", "Off", "closed"), 7, TALVO_TEXT("Options", "%1 Minute")),
         2, false, true, ByteAt(L::kTimeOutTimer, 8, 2)},
        {"RogerBeep", TALVO_TEXT("Options", "Roger Beep:"), A::FunctionRight, false, OnOff(), 0,
         true, true, BitsAt(L::kKeyBits, 2, 1)},
        {"MainChannel",
         TALVO_TEXT("Options", "Main Channel:"),
         A::FunctionRight,
         false,
         {TALVO_TEXT("Options", "B Group"), TALVO_TEXT("Options", "A Group")},
         1,
         false,
         true,
         BitsAt(L::kKeyBits, 4, 1)},
        {"BacklightMode",
         TALVO_TEXT("Options", "Backlight Mode:"),
         A::FunctionRight,
         false,
         {Same("OFF"), Same("KEY"), Same("CONT")},
         1,
         false,
         true,
         BitsAt(L::kKeyBits, 6, 2)},
        {"PowerOnPassword", TALVO_TEXT("Options", "Power-On Password:"), A::FunctionRight, false,
         OnOff(), 1, true, true, BitsAt(L::kKeyBits, 3, 1)},
        {"DualStandby", TALVO_TEXT("Options", "Dual Standby:"), A::FunctionRight, false, OffOn(), 0,
         false, true, BitsAt(L::kFunctionBits, 1, 1)},
        {"MemoryChannelDisplayMode",
         TALVO_TEXT("Options", "Memory Channel display Mode:"),
         A::FunctionRight,
         false,
         {TALVO_TEXT("Options", "Channel"), TALVO_TEXT("Options", "Frequency")},
         1,
         true,
         true,
         ByteAt(L::kMemoryChannelDisplayMode, 2, 1)},

        {"VoxSwitch", TALVO_TEXT("Options", "VOX Swith:"), A::Vox, false, OffOn(), 1, false, true,
         BitsAt(L::kVoxBits, 0, 1)},
        {"VoxGainLevel", TALVO_TEXT("Options", "VOX Gain Level:"), A::Vox, false, Numbered(1, 8), 1,
         false, true, BitsAt(L::kVoxBits, 5, 3)},
        {"VoxDelayTime",
         TALVO_TEXT("Options", "VOX Delay Time(s):"),
         A::Vox,
         false,
         {Same("1 S"), Same("2 S"), Same("3 S"), Same("4 S")},
         1,
         false,
         true,
         BitsAt(L::kVoxBits, 3, 2)},

        {"AVfoQtDqtDec",
         TALVO_TEXT("Options", "QT/DQT Dec:"),
         A::VfoA,
         true,
         {},
         0,
         false,
         true,
         ToneAt(L::kVfoA + L::kVfoRxTone)},
        {"AVfoQtDqtEnc",
         TALVO_TEXT("Options", "QT/DQT Enc:"),
         A::VfoA,
         true,
         {},
         0,
         false,
         true,
         ToneAt(L::kVfoA + L::kVfoTxTone)},
        {"AVfoPower", TALVO_TEXT("Options", "Power:"), A::VfoA, false, VfoPower(), 1, false, true,
         BitsAt(L::kVfoA + L::kVfoFlags, 0, 2)},
        {"AVfoOffsetFrequency", TALVO_TEXT("Options", "Offset Frequency:"), A::VfoA, false,
         OffsetDirection(), 1, false, true, ByteAt(L::kVfoA + L::kVfoShiftDirection)},
        {"AVfoWideNarrow", TALVO_TEXT("Options", "Wide/Narrow:"), A::VfoA, false, WideNarrow(), 1,
         false, true, BitsAt(L::kVfoA + L::kVfoFlags, 4, 1)},
        {"AVfoBusyChannelLock", TALVO_TEXT("Options", "Busy Channel Lock:"), A::VfoA, false,
         BusyLock(), 1, false, true, BitsAt(L::kVfoA + L::kVfoFlags, 2, 1)},
        {"AVfoAddScan", TALVO_TEXT("Options", "Add Scan:"), A::VfoA, false, AddScan(), 1, false,
         true, BitsAt(L::kVfoA + L::kVfoFlags, 3, 1)},
        {"AVfoTxProhibit", TALVO_TEXT("Options", "TX Prohibit:"), A::VfoA, false, OnOff(), 1, false,
         true, BitsAt(L::kVfoA + L::kVfoFlags, 5, 1)},
        {"AStepFrequency", TALVO_TEXT("Options", "A Step Frequency:"), A::VfoA, false, Steps(), 4,
         false, true, ByteAt(L::kAStepFrequency, 8, 1)},

        {"BVfoQtDqtDec",
         TALVO_TEXT("Options", "QT/DQT Dec:"),
         A::VfoB,
         true,
         {},
         0,
         false,
         true,
         ToneAt(L::kVfoB + L::kVfoRxTone)},
        {"BVfoQtDqtEnc",
         TALVO_TEXT("Options", "QT/DQT Enc:"),
         A::VfoB,
         true,
         {},
         0,
         false,
         true,
         ToneAt(L::kVfoB + L::kVfoTxTone)},
        {"BVfoPower", TALVO_TEXT("Options", "Power:"), A::VfoB, false, VfoPower(), 1, false, true,
         BitsAt(L::kVfoB + L::kVfoFlags, 0, 2)},
        {"BVfoOffsetFrequency", TALVO_TEXT("Options", "Offset Frequency:"), A::VfoB, false,
         OffsetDirection(), 1, false, true, ByteAt(L::kVfoB + L::kVfoShiftDirection)},
        {"BVfoWideNarrow", TALVO_TEXT("Options", "Wide/Narrow:"), A::VfoB, false, WideNarrow(), 1,
         false, true, BitsAt(L::kVfoB + L::kVfoFlags, 4, 1)},
        {"BVfoBusyChannelLock", TALVO_TEXT("Options", "Busy Channel Lock:"), A::VfoB, false,
         BusyLock(), 1, false, true, BitsAt(L::kVfoB + L::kVfoFlags, 2, 1)},
        {"BVfoAddScan", TALVO_TEXT("Options", "Add Scan:"), A::VfoB, false, AddScan(), 1, false,
         true, BitsAt(L::kVfoB + L::kVfoFlags, 3, 1)},
        {"BVfoTxProhibit", TALVO_TEXT("Options", "TX Prohibit:"), A::VfoB, false, OnOff(), 1, false,
         true, BitsAt(L::kVfoB + L::kVfoFlags, 5, 1)},
        {"BStepFrequency", TALVO_TEXT("Options", "B Step Frequency:"), A::VfoB, false, Steps(), 4,
         false, true, ByteAt(L::kBStepFrequency, 8, 1)},

        {"AVfoScramble",
         TALVO_TEXT("Options", "Scramble:"),
         A::HiddenA,
         false,
         {TALVO_TEXT3("Options", "On", "enabled"), TALVO_TEXT3("Options", "Off", "disabled")},
         1,
         false,
         false,
         WrittenBitsAt(L::kVfoA + L::kVfoFlags, 6, 1)},
        {"AVfoCompanding",
         TALVO_TEXT("Options", "Companding:"),
         A::HiddenA,
         false,
         {TALVO_TEXT3("Options", "Off", "disabled"), TALVO_TEXT3("Options", "On", "enabled")},
         1,
         false,
         false,
         WrittenBitsAt(L::kVfoA + L::kVfoFlags, 7, 1)},
        // Shown in Chinese only: its caption and entries are never relabelled.
        {"AVfoCallTone",
         TALVO_TEXT("Options", "呼叫音:"),
         A::HiddenA,
         false,
         {Same("关闭"), Same("TONE1"), Same("TONE2"), Same("TONE3"), Same("TONE4"), Same("TONE5")},
         4,
         false,
         false,
         SettingPlace{}},
    }};
    return table;
}

const std::array<TextInfo, kTextCount>& TextTable() {
    static const std::array<TextInfo, kTextCount> table = {{
        // The channel numbers have no length limit of their own: the clamp to "128" bounds the
        // value,
        // and leading zeros typed first must not block the digits that follow.
        {"AChannelNumber", TALVO_TEXT("Options", "A Channel Number:"), A::FunctionRight, "1",
         kNoLengthLimit, 0, At(Form::ChannelNumber, L::kAChannelNumber)},
        {"BChannelNumber", TALVO_TEXT("Options", "B Channel Number:"), A::FunctionRight, "1",
         kNoLengthLimit, 1, At(Form::ChannelNumber, L::kBChannelNumber)},
        {"DisplayCharacter", TALVO_TEXT("Options", "Display Character:"), A::FunctionRight, "", 6,
         0, At(Form::Characters, L::kDisplayCharacter, L::kDisplayCharacterSize)},
        {"PowerOnPasswordDigits", TALVO_TEXT3("Options", "Power-On Password:", "4 digits"),
         A::FunctionRight, "", 4, 1, At(Form::Characters, L::kPassword, L::kPasswordSize)},
        {"AVfoFrequency", TALVO_TEXT("Options", "Frequency:"), A::VfoA, "136.00000", 9, 0,
         At(Form::Frequency, L::kVfoA + L::kVfoFrequency)},
        {"AVfoOffsetData", TALVO_TEXT("Options", "Offset Data:"), A::VfoA, "10", 8, 0,
         At(Form::Offset, L::kVfoA + L::kVfoOffsetData)},
        {"BVfoFrequency", TALVO_TEXT("Options", "Frequency:"), A::VfoB, "400.00000", 9, 1,
         At(Form::Frequency, L::kVfoB + L::kVfoFrequency)},
        {"BVfoOffsetData", TALVO_TEXT("Options", "Offset Data:"), A::VfoB, "10", 8, 1,
         At(Form::Offset, L::kVfoB + L::kVfoOffsetData)},
    }};
    return table;
}

const std::array<CheckInfo, kCheckCount>& CheckTable() {
    static const std::array<CheckInfo, kCheckCount> table = {{
        {"AllowToCancelOperating", TALVO_TEXT("Options", "Allow to Cancel Operating"), {}},
        {"ProhibitVoxInReceiving", TALVO_TEXT("Options", "Prohibit VOX in the receiving"),
         BitsAt(L::kVoxBits, 2, 1)},
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
    return ListEntry(id, (*this)[id]);
}

std::string SettingText(const OptionalFeatures& options, TextId id) {
    const TextInfo& info = Info(id);
    const auto slot = static_cast<std::size_t>(info.slot);
    switch (info.place.form) {
        case Form::ChannelNumber: {
            const auto& n = options.channelNumber[slot];
            return n ? std::to_string(*n) : std::string();
        }
        case Form::Frequency:
            return options.vfoFrequency[slot].text();
        case Form::Offset:
            return DecimalNumber::FromUnits(options.vfoOffset[slot], 5).fixed(5);
        default:
            return options.characters[slot];
    }
}

void SetCheckedSettingText(OptionalFeatures& options, TextId id, std::string_view text) {
    const TextInfo& info = Info(id);
    const auto slot = static_cast<std::size_t>(info.slot);
    switch (info.place.form) {
        case Form::ChannelNumber: {
            if (text.empty()) {
                options.channelNumber[slot].reset();
                return;
            }
            // The radio has 128 channels: a larger number is channel 128, as typing makes it.
            const DecimalNumber value = DecimalNumber::Leading(text);
            if (value.negative()) return;
            const DecimalNumber::Units whole = value.units(0);
            const bool beyond = whole.saturated || whole.units > kChannelCount;
            options.channelNumber[slot] =
                static_cast<std::uint8_t>(beyond ? kChannelCount : whole.units);
            return;
        }
        case Form::Frequency:
            if (const auto f = Frequency::FromText(text)) options.vfoFrequency[slot] = *f;
            return;
        case Form::Offset: {
            const DecimalNumber value = DecimalNumber::Leading(text);
            const DecimalNumber::Units units = value.units(5);
            if (!value.negative() && !units.saturated && units.units < 100'000'000) {
                options.vfoOffset[slot] = static_cast<std::uint32_t>(units.units);
            }
            return;
        }
        default:
            options.characters[slot] = std::string(text);
            return;
    }
}

OptionalFeatures DefaultOptionalFeatures() {
    OptionalFeatures o;
    for (std::size_t i = 0; i < kListCount; ++i) o.index[i] = ListTable()[i].defaultIndex;
    for (std::size_t i = 0; i < kTextCount; ++i) {
        SetCheckedSettingText(o, static_cast<TextId>(i), TextTable()[i].defaultText);
    }
    o.check.fill(false);
    return o;
}

const OptionsCaptions& OptionsWindowCaptions() {
    static const OptionsCaptions captions;
    return captions;
}

}  // namespace talvo
