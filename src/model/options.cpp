#include "model/options.h"

#include "model/tone_list.h"

namespace talvo {
namespace {

using E = std::vector<Bilingual>;

Bilingual Same(const char* t) {
    return {t, t};
}

E OffOn() {
    return {{"关", "Off"}, {"开", "On"}};
}
E OnOff() {
    return {{"开", "On"}, {"关", "Off"}};
}

E Numbered(int from, int to) {
    E e;
    for (int i = from; i <= to; ++i) e.push_back(Same(std::to_string(i).c_str()));
    return e;
}

E WithUnit(const Bilingual& off, int count, const char* zhUnit, const char* enUnit) {
    E e{off};
    for (int i = 1; i <= count; ++i) {
        e.push_back({std::to_string(i) + zhUnit, std::to_string(i) + enUnit});
    }
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
    return {{"频率", "Frequency"}, {"频率与频道", "Freq & Channel"}};
}
E VfoPower() {
    return {{"低", "Low"}, {"高", "High"}, {"中", "Middle"}};
}
E OffsetDirection() {
    return {{"+异频", "Plus Shift(+)"}, {"-异频", "Minus Shift(-)"}, {"无异频", "Turn Off"}};
}
E WideNarrow() {
    return {{"窄带", "Narrow"}, {"宽带", "Wide"}};
}
E BusyLock() {
    return {{"载波", "Carry"}, {"关", "Off"}};
}
E AddScan() {
    return {{"禁止", "Off"}, {"使能", "On"}};
}

using A = OptionsArea;

const std::array<ListInfo, kListCount>& ListTable() {
    static const std::array<ListInfo, kListCount> table = {{
        {"ADisplayMode",
         "Combo1",
         {"A组显式模式:", "A Display Mode:"},
         A::FunctionLeft,
         false,
         DisplayModes(),
         0,
         false,
         true},
        {"BDisplayMode",
         "Combo17",
         {"B组显式模式:", "B Display Mode:"},
         A::FunctionLeft,
         false,
         DisplayModes(),
         1,
         true,
         true},
        {"Beep", "Combo7", {"提示音:", "Beep:"}, A::FunctionLeft, false, OffOn(), 1, false, true},
        {"KeyLock",
         "Combo9",
         {"按键锁:", "Key Lock:"},
         A::FunctionLeft,
         false,
         {{"上锁", "Lock"}, {"正常", "Normal"}},
         1,
         false,
         true},
        {"ScanMode",
         "ComboMod",
         {"扫描模式:", "Scan Mode:"},
         A::FunctionLeft,
         false,
         {{"载波", "Carrier"}, {"时间", "Time"}},
         1,
         true,
         true},
        {"KeyLockMode",
         "Combo18",
         {"锁键模式:", "KeyLock Mode:"},
         A::FunctionLeft,
         false,
         {Same("K+S"), Same("PTT"), Same("KEY"), Same("ALL")},
         0,
         false,
         true},
        {"RadioSearchMode",
         "Combo13",
         {"收音机搜台模式:", "Radio Search Mode:"},
         A::FunctionLeft,
         false,
         {{"手动", "Manual"}, {"自动", "Auto"}},
         0,
         true,
         true},
        {"RadioMonitorsSignal",
         "Combo6",
         {"收音机监听信号:", "Radio Monitors Signal:"},
         A::FunctionLeft,
         false,
         {{"关闭", "Off"}, {"打开", "On"}},
         1,
         false,
         true},
        {"SquelchTailElimination",
         "Combo20",
         {"尾音消除:", "SquelchTail Elimination:"},
         A::FunctionLeft,
         false,
         OffOn(),
         1,
         true,
         true},
        {"AutoPowerOff",
         "Combo35",
         {"自动关机:", "Auto Power-Off:"},
         A::FunctionLeft,
         false,
         WithUnit({"关", "Off"}, 15, " 小时", " Hour"),
         0,
         false,
         true},
        {"OpenDisplayMode",
         "Combo32",
         {"开机信息显示方式:", "Open Display Mode:"},
         A::FunctionLeft,
         false,
         {Same("OFF"), Same("DC"), Same("MSG")},
         1,
         false,
         true},
        {"ChannelNameEditable",
         "Combo11",
         {"自命名频道名称:", "Channel Name Editable:"},
         A::FunctionLeft,
         false,
         {{"使能", "On"}, {"禁止", "Off"}},
         1,
         false,
         true},

        {"SquelchLevel",
         "Combo5",
         {"静噪等级:", "Squelch Level:"},
         A::FunctionRight,
         false,
         Numbered(0, 9),
         5,
         false,
         true},
        {"BatterySave",
         "Combo8",
         {"省电:", "Battery Save:"},
         A::FunctionRight,
         false,
         OffOn(),
         1,
         false,
         true},
        {"TimeOutTimer",
         "Combo19",
         {"发射超时:", "Time-out Timer:"},
         A::FunctionRight,
         false,
         WithUnit({"关闭", "Off"}, 7, " 分钟", " Minute"),
         2,
         false,
         true},
        {"RogerBeep",
         "Combo16",
         {"通话结束提示音:", "Roger Beep:"},
         A::FunctionRight,
         false,
         OnOff(),
         0,
         true,
         true},
        {"MainChannel",
         "Combo33",
         {"主频道:", "Main Channel:"},
         A::FunctionRight,
         false,
         {{"B组", "B Group"}, {"A组", "A Group"}},
         1,
         false,
         true},
        {"BacklightMode",
         "Combo21",
         {"背光灯方式:", "Backlight Mode:"},
         A::FunctionRight,
         false,
         {Same("OFF"), Same("KEY"), Same("CONT")},
         1,
         false,
         true},
        {"PowerOnPassword",
         "Combo2",
         {"开机密码设定:", "Power-On Password:"},
         A::FunctionRight,
         false,
         OnOff(),
         1,
         true,
         true},
        {"DualStandby",
         "Combo10",
         {"双频待机:", "Dual Standby:"},
         A::FunctionRight,
         false,
         OffOn(),
         0,
         false,
         true},
        {"MemoryChannelDisplayMode",
         "Combo34",
         {"记忆频道显示模式:", "Memory Channel display Mode:"},
         A::FunctionRight,
         false,
         {{"频道", "Channel"}, {"频率", "Frequency"}},
         1,
         true,
         true},

        {"VoxSwitch",
         "Combo31",
         {"VOX 开关:", "VOX Swith:"},
         A::Vox,
         false,
         OffOn(),
         1,
         false,
         true},
        {"VoxGainLevel",
         "Combo14",
         {"VOX增益电平:", "VOX Gain Level:"},
         A::Vox,
         false,
         Numbered(1, 8),
         1,
         false,
         true},
        {"VoxDelayTime",
         "Combo15",
         {"VOX延迟时间(秒):", "VOX Delay Time(s):"},
         A::Vox,
         false,
         {Same("1 S"), Same("2 S"), Same("3 S"), Same("4 S")},
         1,
         false,
         true},

        {"AVfoQtDqtDec",
         "Combo22",
         {"接收亚音频:", "QT/DQT Dec:"},
         A::VfoA,
         true,
         {},
         0,
         false,
         true},
        {"AVfoQtDqtEnc",
         "Combo23",
         {"发射亚音频:", "QT/DQT Enc:"},
         A::VfoA,
         true,
         {},
         0,
         false,
         true},
        {"AVfoPower", "Combo24", {"功率:", "Power:"}, A::VfoA, false, VfoPower(), 1, false, true},
        {"AVfoOffsetFrequency",
         "Combo30",
         {"异频:", "Offset Frequency:"},
         A::VfoA,
         false,
         OffsetDirection(),
         1,
         false,
         true},
        {"AVfoWideNarrow",
         "Combo27",
         {"宽窄带:", "Wide/Narrow:"},
         A::VfoA,
         false,
         WideNarrow(),
         1,
         false,
         true},
        {"AVfoBusyChannelLock",
         "Combo25",
         {"繁忙信道锁定:", "Busy Channel Lock:"},
         A::VfoA,
         false,
         BusyLock(),
         1,
         false,
         true},
        {"AVfoAddScan",
         "Combo26",
         {"扫描添加:", "Add Scan:"},
         A::VfoA,
         false,
         AddScan(),
         1,
         false,
         true},
        {"AVfoTxProhibit",
         "Combo28",
         {"发射禁止:", "TX Prohibit:"},
         A::VfoA,
         false,
         OnOff(),
         1,
         false,
         true},
        {"AStepFrequency",
         "Combo3",
         {"A组步进频率:", "A Step Frequency:"},
         A::VfoA,
         false,
         Steps(),
         4,
         false,
         true},

        {"BVfoQtDqtDec",
         "Combo46",
         {"接收亚音频:", "QT/DQT Dec:"},
         A::VfoB,
         true,
         {},
         0,
         false,
         true},
        {"BVfoQtDqtEnc",
         "Combo47",
         {"发射亚音频:", "QT/DQT Enc:"},
         A::VfoB,
         true,
         {},
         0,
         false,
         true},
        {"BVfoPower", "Combo48", {"功率:", "Power:"}, A::VfoB, false, VfoPower(), 1, false, true},
        {"BVfoOffsetFrequency",
         "Combo49",
         {"异频:", "Offset Frequency:"},
         A::VfoB,
         false,
         OffsetDirection(),
         1,
         false,
         true},
        {"BVfoWideNarrow",
         "Combo50",
         {"宽窄带:", "Wide/Narrow:"},
         A::VfoB,
         false,
         WideNarrow(),
         1,
         false,
         true},
        {"BVfoBusyChannelLock",
         "Combo51",
         {"繁忙信道锁定:", "Busy Channel Lock:"},
         A::VfoB,
         false,
         BusyLock(),
         1,
         false,
         true},
        {"BVfoAddScan",
         "Combo52",
         {"扫描添加:", "Add Scan:"},
         A::VfoB,
         false,
         AddScan(),
         1,
         false,
         true},
        {"BVfoTxProhibit",
         "Combo53",
         {"发射禁止:", "TX Prohibit:"},
         A::VfoB,
         false,
         OnOff(),
         1,
         false,
         true},
        {"BStepFrequency",
         "Combo36",
         {"B组步进频率:", "B Step Frequency:"},
         A::VfoB,
         false,
         Steps(),
         4,
         false,
         true},

        {"AVfoScramble",
         "Combo12",
         {"扰频:", "Scramble:"},
         A::HiddenA,
         false,
         {{"使能", "On"}, {"禁止", "Off"}},
         1,
         false,
         false},
        {"AVfoCompanding",
         "Combo29",
         {"压扩:", "Companding:"},
         A::HiddenA,
         false,
         {{"禁止", "Off"}, {"使能", "On"}},
         1,
         false,
         false},
        // Shown in Chinese only: its caption and entries are never relabelled.
        {"AVfoCallTone",
         "Combo4",
         Same("呼叫音:"),
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
        {"AChannelNumber",
         "Text6",
         {"A组当前频道数:", "A Channel Number:"},
         A::FunctionRight,
         "1",
         kNoLengthLimit},
        {"BChannelNumber",
         "Text2",
         {"B组当前频道数:", "B Channel Number:"},
         A::FunctionRight,
         "1",
         kNoLengthLimit},
        {"DisplayCharacter",
         "Text31",
         {"开机显示字符:", "Display Character:"},
         A::FunctionRight,
         "",
         6},
        {"PowerOnPasswordDigits",
         "Text1",
         {"4位开机密码:", "Power-On Password:"},
         A::FunctionRight,
         "",
         4},
        {"AVfoFrequency", "Text20", {"全频频率:", "Frequency:"}, A::VfoA, "136.00000", 9},
        {"AVfoOffsetData", "Text21", {"异频数:", "Offset Data:"}, A::VfoA, "10", 8},
        {"BVfoFrequency", "Text3", {"全频频率:", "Frequency:"}, A::VfoB, "400.00000", 9},
        {"BVfoOffsetData", "Text4", {"异频数:", "Offset Data:"}, A::VfoB, "10", 8},
    }};
    return table;
}

const std::array<CheckInfo, kCheckCount>& CheckTable() {
    static const std::array<CheckInfo, kCheckCount> table = {{
        {"AllowToCancelOperating", "Check12", {"允许取消操作", "Allow to Cancel Operating"}},
        {"ProhibitVoxInReceiving", "Check13", {"接收时禁止VOX", "Prohibit VOX in the receiving"}},
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

std::string ListEntry(ListId id, int index, LanguageFlagValue lang) {
    const ListInfo& info = Info(id);
    if (index < 0 || index >= ListSize(id)) return {};
    if (info.toneList) return ToneName(index, lang);
    return info.entries[static_cast<std::size_t>(index)].pick(lang);
}

std::string OptionalFeatures::displayed(ListId id, LanguageFlagValue lang) const {
    const int i = (*this)[id];
    if (i < 0) return typed[static_cast<std::size_t>(id)];
    return ListEntry(id, i, lang);
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
