#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/frequency.h"
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

// Where a setting is kept in the radio's memory.
struct SettingPlace {
    enum class Form : std::uint8_t {
        None,           // kept by the program only
        Byte,           // a whole byte: read as the index below `readLimit`, else `readDefault`
        Bits,           // `width` bits from bit `shift`
        Tone,           // a tone code, low byte first; erased for "Off"
        ChannelNumber,  // one byte; FF for none
        Frequency,      // eight packed digits, least significant pair first
        Offset,         // eight packed digits read as a number
        Characters,     // `size` bytes, one per character, FF after the text
    };
    Form form = Form::None;
    std::size_t address = 0;
    int shift = 0;
    int width = 0;
    int readLimit = 256;
    int readDefault = -1;  // -1: the setting keeps its value
    std::size_t size = 0;
    bool read = true;  // false: written from the setting, never read back
};

struct ListInfo {
    const char* name;  // the setting's name ("ADisplayMode")
    Text caption;
    OptionsArea area;
    bool toneList;                 // entries are the shared tone list
    std::vector<Message> entries;  // empty when toneList
    int defaultIndex;              // set when the window is first loaded
    bool editable;                 // accepts typed text (index -1)
    bool shown;                    // false for the three hidden A group fields
    SettingPlace place;
};

// A text field's largest length when typing sets no limit of its own.
inline constexpr int kNoLengthLimit = 32767;

struct TextInfo {
    const char* name;
    Text caption;
    OptionsArea area;
    const char* defaultText;
    int maxLength;  // the most characters typing may produce
    int slot;       // which of the two values of its kind (group A or B; display, password)
    SettingPlace place;
};

struct CheckInfo {
    const char* name;
    Text caption;
    SettingPlace place;  // read only: the encoder writes a constant there
};

const ListInfo& Info(ListId id);
const TextInfo& Info(TextId id);
const CheckInfo& Info(CheckId id);

// Number of entries of a list setting.
int ListSize(ListId id);
// Entry `index`; an empty literal when there is no such entry.
Message ListEntry(ListId id, int index);

// Values of every field of the optional-features window. The two-slot arrays hold group A
// and B (see TextInfo::slot).
struct OptionalFeatures {
    // List entry indexes; -1 while an editable list shows typed text that is no entry.
    std::array<int, kListCount> index{};
    std::array<std::optional<std::uint8_t>, 2> channelNumber;  // none: no channel set
    std::array<Frequency, 2> vfoFrequency;
    std::array<std::uint32_t, 2> vfoOffset{};  // in 10 Hz units
    // The display character and the password digits, one byte per character as stored.
    std::array<std::string, 2> characters;
    std::array<bool, kCheckCount> check{};

    int& operator[](ListId id) { return index[static_cast<std::size_t>(id)]; }
    int operator[](ListId id) const { return index[static_cast<std::size_t>(id)]; }
    bool& operator[](CheckId id) { return check[static_cast<std::size_t>(id)]; }
    bool operator[](CheckId id) const { return check[static_cast<std::size_t>(id)]; }

    bool operator==(const OptionalFeatures&) const = default;

    // The entry the field shows; an empty literal at index -1.
    Message displayed(ListId id) const;
};

// A text field's value as the window shows it: the channel number in digits (empty for none),
// the VFO frequency as "145.12500", the offset with five decimals, the characters as stored.
std::string SettingText(const OptionalFeatures& options, TextId id);
// Sets a text field from a text its checks have passed (rules/options_checks): a channel
// number above 128 is 128; any other text that is no value of the field leaves it as it was.
void SetCheckedSettingText(OptionalFeatures& options, TextId id, std::string_view text);

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
