#pragma once

#include <array>
#include <cstddef>

#include "radio/memory/memory_layout.h"
#include "radio/state/options.h"

namespace talvo {

// A function setting stored as a whole byte. The decoder takes a byte below `readLimit` as the
// list index and sets `readDefault` otherwise; the encoder writes the list index.
struct ByteSetting {
    std::size_t address;
    ListId id;
    int readLimit;
    int readDefault;
};

inline constexpr std::array<ByteSetting, 10> kByteSettings = {{
    {layout::kADisplayMode, ListId::ADisplayMode, 2, 1},
    {layout::kAStepFrequency, ListId::AStepFrequency, 8, 1},
    {layout::kBDisplayMode, ListId::BDisplayMode, 2, 0},
    {layout::kSquelchLevel, ListId::SquelchLevel, 10, 5},
    {layout::kOpenDisplayMode, ListId::OpenDisplayMode, 3, 1},
    {layout::kMemoryChannelDisplayMode, ListId::MemoryChannelDisplayMode, 2, 1},
    {layout::kAutoPowerOff, ListId::AutoPowerOff, 16, 0},
    {layout::kBStepFrequency, ListId::BStepFrequency, 8, 1},
    {layout::kChannelNameEditable, ListId::ChannelNameEditable, 2, 0},
    {layout::kTimeOutTimer, ListId::TimeOutTimer, 8, 2},
}};

// A list setting held in `width` bits from bit `shift` of a byte; every bit pattern is read.
struct BitSetting {
    std::size_t address;
    ListId id;
    int shift;
    int width;
};

inline constexpr std::array<BitSetting, 16> kBitSettings = {{
    {layout::kFunctionBits, ListId::Beep, 0, 1},
    {layout::kFunctionBits, ListId::DualStandby, 1, 1},
    {layout::kFunctionBits, ListId::BatterySave, 2, 1},
    {layout::kFunctionBits, ListId::KeyLock, 3, 1},
    {layout::kFunctionBits, ListId::RadioMonitorsSignal, 4, 1},
    {layout::kFunctionBits, ListId::ScanMode, 6, 1},
    {layout::kFunctionBits, ListId::RadioSearchMode, 7, 1},
    {layout::kKeyBits, ListId::KeyLockMode, 0, 2},
    {layout::kKeyBits, ListId::RogerBeep, 2, 1},
    {layout::kKeyBits, ListId::PowerOnPassword, 3, 1},
    {layout::kKeyBits, ListId::MainChannel, 4, 1},
    {layout::kKeyBits, ListId::SquelchTailElimination, 5, 1},
    // Written with every index above 1 as 2 (see the encoder).
    {layout::kKeyBits, ListId::BacklightMode, 6, 2},
    {layout::kVoxBits, ListId::VoxSwitch, 0, 1},
    {layout::kVoxBits, ListId::VoxDelayTime, 3, 2},
    {layout::kVoxBits, ListId::VoxGainLevel, 5, 3},
}};

// Bits that the encoder always sets and the decoder never reads.
inline constexpr std::uint8_t kFunctionBitsConstant = 0x20;  // bit 5 of 0x706
inline constexpr std::uint8_t kVoxBitsConstant = 0x06;       // bits 1 and 2 of 0x708
inline constexpr int kProhibitVoxBit = 2;                    // of 0x708, read into the check box

// The settings of one VFO record, group A or B.
struct VfoSettings {
    std::size_t address;
    TextId frequency;
    TextId offsetData;
    ListId rxTone;
    ListId txTone;
    ListId shiftDirection;
    // Flags byte bits 0-5: power (two bits), busy lock, add scan, wide/narrow, TX prohibit.
    std::array<BitSetting, 5> flags;
};

inline constexpr std::array<VfoSettings, 2> kVfoSettings = {{
    {layout::kVfoA,
     TextId::AVfoFrequency,
     TextId::AVfoOffsetData,
     ListId::AVfoQtDqtDec,
     ListId::AVfoQtDqtEnc,
     ListId::AVfoOffsetFrequency,
     {{{0, ListId::AVfoPower, 0, 2},
       {0, ListId::AVfoBusyChannelLock, 2, 1},
       {0, ListId::AVfoAddScan, 3, 1},
       {0, ListId::AVfoWideNarrow, 4, 1},
       {0, ListId::AVfoTxProhibit, 5, 1}}}},
    {layout::kVfoB,
     TextId::BVfoFrequency,
     TextId::BVfoOffsetData,
     ListId::BVfoQtDqtDec,
     ListId::BVfoQtDqtEnc,
     ListId::BVfoOffsetFrequency,
     {{{0, ListId::BVfoPower, 0, 2},
       {0, ListId::BVfoBusyChannelLock, 2, 1},
       {0, ListId::BVfoAddScan, 3, 1},
       {0, ListId::BVfoWideNarrow, 4, 1},
       {0, ListId::BVfoTxProhibit, 5, 1}}}},
}};

// Power calibration byte of each slider 0..5.
inline constexpr std::array<std::size_t, 6> kPowerGradeAddress = {
    layout::kPowerA, layout::kPowerA + 1, layout::kPowerA + 2,
    layout::kPowerB, layout::kPowerB + 1, layout::kPowerB + 2};

}  // namespace talvo
