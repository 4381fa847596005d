#pragma once

#include <array>
#include <cstddef>

#include "radio/memory/memory.h"

namespace talvo::layout {

// Where every value of the radio's 3,072-byte configuration memory lives.

inline constexpr std::size_t kConfigBytes = kConfigSize;

// 128 channel records of 13 bytes; channel n starts at 13 x (n - 1).
inline constexpr std::size_t kChannels = 0x000;
inline constexpr std::size_t kChannelRecordSize = 13;
inline constexpr std::size_t kChannelRecordCount = kChannelCount;
inline constexpr std::size_t kChRxFrequency = 0;  // 4 packed bytes; +0 = FF marks an empty channel
inline constexpr std::size_t kChTxFrequency = 4;  // 4 packed bytes; +4 = FF: none
inline constexpr std::size_t kChRxTone = 8;       // low, high
inline constexpr std::size_t kChTxTone = 10;      // low, high
inline constexpr std::size_t kChFlags = 12;
constexpr std::size_t ChannelRecord(int channel) {
    return kChannels + kChannelRecordSize * static_cast<std::size_t>(channel - 1);
}

inline constexpr std::size_t kChannelFiller = 0x680;

// Function settings.
inline constexpr std::size_t kFunctionSettings = 0x700;
inline constexpr std::size_t kADisplayMode = 0x700;
inline constexpr std::size_t kAlwaysOne = 0x701;
inline constexpr std::size_t kAStepFrequency = 0x702;
inline constexpr std::size_t kBDisplayMode = 0x703;
inline constexpr std::size_t kSquelchLevel = 0x704;
inline constexpr std::size_t kAChannelNumber = 0x705;
inline constexpr std::size_t kFunctionBits = 0x706;
inline constexpr std::size_t kKeyBits = 0x707;
inline constexpr std::size_t kVoxBits = 0x708;
inline constexpr std::size_t kOpenDisplayMode = 0x709;
inline constexpr std::size_t kMemoryChannelDisplayMode = 0x70A;
inline constexpr std::size_t kBChannelNumber = 0x70B;
inline constexpr std::size_t kAutoPowerOff = 0x70C;
inline constexpr std::size_t kBStepFrequency = 0x70D;
inline constexpr std::size_t kChannelNameEditable = 0x70E;
inline constexpr std::size_t kTimeOutTimer = 0x70F;
inline constexpr std::size_t kIdentification = 0x710;  // "RQZ-DW"
inline constexpr std::size_t kIdentificationSize = kIdentificationText.size();
inline constexpr std::size_t kBand = 0x716;
inline constexpr std::size_t kFill717 = 0x717;
inline constexpr std::size_t kDisplayCharacter = 0x718;
inline constexpr std::size_t kDisplayCharacterSize = 6;
inline constexpr std::size_t kFill71E = 0x71E;  // two bytes
inline constexpr std::size_t kFunctionSettingsSize = 0x20;

// VFO records of groups A and B; offsets from the record start.
inline constexpr std::size_t kVfoA = 0x720;
inline constexpr std::size_t kVfoB = 0x730;
inline constexpr std::size_t kVfoRecordSize = 16;
inline constexpr std::size_t kVfoFrequency = 0;
inline constexpr std::size_t kVfoOffsetData = 4;
inline constexpr std::size_t kVfoRxTone = 8;
inline constexpr std::size_t kVfoTxTone = 10;
inline constexpr std::size_t kVfoFlags = 12;
inline constexpr std::size_t kVfoFill13 = 13;
inline constexpr std::size_t kVfoShiftDirection = 14;
inline constexpr std::size_t kVfoFill15 = 15;

inline constexpr std::size_t kPassword = 0x740;
inline constexpr std::size_t kPasswordSize = 4;
inline constexpr std::size_t kPasswordFiller = 0x744;

// 25 FM channels of 2 bytes, most significant byte first.
inline constexpr std::size_t kFmChannels = 0x760;
inline constexpr std::size_t kFmChannelCount = 25;
inline constexpr std::size_t kFmUnused = 0x792;  // neither read nor written

inline constexpr std::size_t kFmState = 0x7A0;
inline constexpr std::size_t kFmPresentChannel = 0x7A0;
inline constexpr std::size_t kFmDisplayMode = 0x7A1;
inline constexpr std::size_t kFmStepFrequency = 0x7A2;
inline constexpr std::size_t kFmFill7A3 = 0x7A3;
inline constexpr std::size_t kFmVfo = 0x7A4;  // 2 bytes, most significant first
inline constexpr std::size_t kFmStateFiller = 0x7A6;

// Power calibration: B group high/middle/low then a zero byte; A group high/middle/low.
inline constexpr std::size_t kPowerB = 0x7E0;
inline constexpr std::size_t kPowerBZero = 0x7E3;
inline constexpr std::size_t kPowerBFiller = 0x7E4;
inline constexpr std::size_t kPowerA = 0x7F0;
inline constexpr std::size_t kPowerAFiller = 0x7F3;

// Channel names, 8 bytes each.
inline constexpr std::size_t kNames = 0x800;
inline constexpr std::size_t kNameSize = 8;
constexpr std::size_t NameRecord(int channel) {
    return kNames + kNameSize * static_cast<std::size_t>(channel - 1);
}

struct Region {
    std::size_t start;
    std::size_t size;
    bool fillerFF;  // written FF by the encoder, never read
};

// The whole memory, region by region, in address order.
inline constexpr std::array<Region, 16> kRegions = {{
    {kChannels, kChannelRecordSize* kChannelRecordCount, false},
    {kChannelFiller, 0x80, true},
    {kFunctionSettings, kFunctionSettingsSize, false},
    {kVfoA, kVfoRecordSize, false},
    {kVfoB, kVfoRecordSize, false},
    {kPassword, kPasswordSize, false},
    {kPasswordFiller, 0x1C, true},
    {kFmChannels, 2 * kFmChannelCount, false},
    {kFmUnused, 0x0E, false},
    {kFmState, 6, false},
    {kFmStateFiller, 0x3A, true},
    {kPowerB, 4, false},
    {kPowerBFiller, 0x0C, true},
    {kPowerA, 3, false},
    {kPowerAFiller, 0x0D, true},
    {kNames, kNameSize* kChannelRecordCount, false},
}};

constexpr bool RegionsTileTheMemory() {
    std::size_t next = 0;
    for (const Region& r : kRegions) {
        if (r.start != next || r.size == 0) return false;
        next = r.start + r.size;
    }
    return next == kConfigBytes;
}
static_assert(RegionsTileTheMemory(), "regions must follow each other without gap or overlap");

static_assert(ChannelRecord(128) + kChannelRecordSize == kChannelFiller);
static_assert(kIdentification + kIdentificationSize == kBand);
static_assert(kDisplayCharacter + kDisplayCharacterSize == kFill71E);
static_assert(kFill71E + 2 == kVfoA);
static_assert(kVfoA + kVfoRecordSize == kVfoB);
static_assert(kFmChannels + 2 * kFmChannelCount == kFmUnused);
static_assert(kFmVfo + 2 == kFmStateFiller);
static_assert(NameRecord(128) + kNameSize == kConfigBytes);

}  // namespace talvo::layout
