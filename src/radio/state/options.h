#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "model/language.h"

namespace talvo {

// Every list setting of the optional-features window. The value of a list setting is the
// 0-based index of its entry; -1 means no entry is selected (text typed into an editable list).
enum class ListId : int {
    // function settings, left column
    ADisplayMode,
    BDisplayMode,
    Beep,
    KeyLock,
    ScanMode,
    KeyLockMode,
    RadioSearchMode,
    RadioMonitorsSignal,
    SquelchTailElimination,
    AutoPowerOff,
    OpenDisplayMode,
    ChannelNameEditable,
    // function settings, right column
    SquelchLevel,
    BatterySave,
    TimeOutTimer,
    RogerBeep,
    MainChannel,
    BacklightMode,
    PowerOnPassword,
    DualStandby,
    MemoryChannelDisplayMode,
    // VOX frame
    VoxSwitch,
    VoxGainLevel,
    VoxDelayTime,
    // A group VFO
    AVfoQtDqtDec,
    AVfoQtDqtEnc,
    AVfoPower,
    AVfoOffsetFrequency,
    AVfoWideNarrow,
    AVfoBusyChannelLock,
    AVfoAddScan,
    AVfoTxProhibit,
    AStepFrequency,
    // B group VFO
    BVfoQtDqtDec,
    BVfoQtDqtEnc,
    BVfoPower,
    BVfoOffsetFrequency,
    BVfoWideNarrow,
    BVfoBusyChannelLock,
    BVfoAddScan,
    BVfoTxProhibit,
    BStepFrequency,
    // A group fields that are not shown
    AVfoScramble,
    AVfoCompanding,
    AVfoCallTone,
    Count
};

enum class TextId : int {
    AChannelNumber,
    BChannelNumber,
    DisplayCharacter,
    PowerOnPasswordDigits,
    AVfoFrequency,
    AVfoOffsetData,
    BVfoFrequency,
    BVfoOffsetData,
    Count
};

enum class CheckId : int { AllowToCancelOperating, ProhibitVoxInReceiving, Count };

inline constexpr std::size_t kListCount = static_cast<std::size_t>(ListId::Count);
inline constexpr std::size_t kTextCount = static_cast<std::size_t>(TextId::Count);
inline constexpr std::size_t kCheckCount = static_cast<std::size_t>(CheckId::Count);

// Where a setting sits in the window.
enum class OptionsArea { FunctionLeft, FunctionRight, Vox, VfoA, VfoB, HiddenA };

struct ListInfo {
    const char* name;  // the setting's name ("ADisplayMode")
    Text caption;
    OptionsArea area;
    bool toneList;                 // entries are the shared tone list
    std::vector<Message> entries;  // empty when toneList
    int defaultIndex;              // set when the window is first loaded
    bool editable;                 // accepts typed text (index -1)
    bool shown;                    // false for the three hidden A group fields
};

// A text field's largest length when typing sets no limit of its own.
inline constexpr int kNoLengthLimit = 32767;

struct TextInfo {
    const char* name;
    Text caption;
    OptionsArea area;
    const char* defaultText;
    int maxLength;  // the most characters typing may produce
};

struct CheckInfo {
    const char* name;
    Text caption;
};

const ListInfo& Info(ListId id);
const TextInfo& Info(TextId id);
const CheckInfo& Info(CheckId id);

// Number of entries of a list setting.
int ListSize(ListId id);
// Entry `index`; an empty literal when there is no such entry.
Message ListEntry(ListId id, int index);

// Values of every field of the optional-features window.
struct OptionalFeatures {
    std::array<int, kListCount> index{};
    // The text typed into an editable list; meaningful only while its index is -1.
    std::array<std::string, kListCount> typed;
    std::array<std::string, kTextCount> text;
    std::array<bool, kCheckCount> check{};

    int& operator[](ListId id) { return index[static_cast<std::size_t>(id)]; }
    int operator[](ListId id) const { return index[static_cast<std::size_t>(id)]; }
    std::string& operator[](TextId id) { return text[static_cast<std::size_t>(id)]; }
    const std::string& operator[](TextId id) const { return text[static_cast<std::size_t>(id)]; }
    bool& operator[](CheckId id) { return check[static_cast<std::size_t>(id)]; }
    bool operator[](CheckId id) const { return check[static_cast<std::size_t>(id)]; }

    bool operator==(const OptionalFeatures&) const = default;

    // What the field displays: the entry, or the typed text at index -1.
    Message displayed(ListId id) const;
};

// The values the window sets when it is first loaded.
OptionalFeatures DefaultOptionalFeatures();

// Captions of the window that belong to no field.
struct OptionsCaptions {
    Text title{TALVO_TEXT("Options", "Optional Features")};
    Text pronunciationMode{TALVO_TEXT("Options", "Pronunciation mode:")};
    Text pageFunction{TALVO_TEXT("Options", "Function Set")};
    Text pageVfo{TALVO_TEXT("Options", "VFO")};
    Text frameVox{TALVO_TEXT("Options", "VOX")};
    Text frameFunction{TALVO_TEXT("Options", "Function Set")};
    Text frameVfoA{TALVO_TEXT("Options", "A Group VFO")};
    Text frameVfoB{TALVO_TEXT("Options", "B Group VFO")};
};
const OptionsCaptions& OptionsWindowCaptions();

}  // namespace talvo
