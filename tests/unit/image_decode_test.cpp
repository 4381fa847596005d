#include <gtest/gtest.h>

#include "catalogue_words.h"
#include "channel_view.h"
#include "image_samples.h"
#include "radio/codecs/decode.h"
#include "radio/memory/memory_layout.h"

namespace talvo {
namespace {

namespace L = layout;
using samples::Filled;
using samples::PutFrequency;

ProgramState Decoded(const ImageBytes& image, Language lang = kEnglish) {
    ProgramState state = StartupState(lang);
    state.RadioImage = image;
    DecodeImage(state);
    return state;
}

TEST(DecodeImage, ErasedImageGivesEmptyChannelsAndDefaults) {
    ProgramState state = StartupState(kEnglish);
    state.band.select(2);
    state.options[ListId::BacklightMode] = 0;
    state.options[ListId::AVfoOffsetFrequency] = 2;
    state.fm.DisplayMode = 1;
    state.channels.at(6).rx = FrequencyOrNone("145.00000");
    state.channels.at(6).name = "OLD";
    state.RadioImage = Filled(0xFF);
    DecodeImage(state);

    const auto& ch = state.channels;
    for (int n = 1; n <= 128; ++n) {
        EXPECT_TRUE(ch.isFree(n)) << n;
        EXPECT_EQ(ch.at(n).name, "") << n;
        for (int c = 1; c <= 10; ++c) EXPECT_EQ(CellText(ch, n, c), "") << n << "," << c;
    }
    const OptionalFeatures& o = state.options;
    // Settings with a read limit take their read default.
    EXPECT_EQ(o[ListId::ADisplayMode], 1);
    EXPECT_EQ(o[ListId::AStepFrequency], 1);
    EXPECT_EQ(o[ListId::BDisplayMode], 0);
    EXPECT_EQ(o[ListId::SquelchLevel], 5);
    EXPECT_EQ(o[ListId::OpenDisplayMode], 1);
    EXPECT_EQ(o[ListId::MemoryChannelDisplayMode], 1);
    EXPECT_EQ(o[ListId::AutoPowerOff], 0);
    EXPECT_EQ(o[ListId::BStepFrequency], 1);
    EXPECT_EQ(o[ListId::ChannelNameEditable], 0);
    EXPECT_EQ(o[ListId::TimeOutTimer], 2);
    EXPECT_EQ(SettingText(o, TextId::AChannelNumber), "");
    EXPECT_EQ(SettingText(o, TextId::BChannelNumber), "");
    // Bit fields at their all-ones value; the backlight has no value 3 and keeps its own.
    for (ListId id : {ListId::Beep, ListId::DualStandby, ListId::BatterySave, ListId::KeyLock,
                      ListId::RadioMonitorsSignal, ListId::ScanMode, ListId::RadioSearchMode,
                      ListId::RogerBeep, ListId::PowerOnPassword, ListId::MainChannel,
                      ListId::SquelchTailElimination, ListId::VoxSwitch}) {
        EXPECT_EQ(o[id], 1) << Info(id).name;
    }
    EXPECT_EQ(o[ListId::KeyLockMode], 3);
    EXPECT_EQ(o[ListId::VoxDelayTime], 3);
    EXPECT_EQ(o[ListId::VoxGainLevel], 7);
    EXPECT_EQ(o[ListId::BacklightMode], 0);
    EXPECT_TRUE(o[CheckId::ProhibitVoxInReceiving]);
    EXPECT_EQ(state.band.index, 2);
    EXPECT_EQ(state.band.BandBLow, 46'000'000);
    // VFOs are never empty; erased tones read as "Off"; power 3 and direction 255 do not exist.
    EXPECT_EQ(SettingText(o, TextId::AVfoFrequency), "FFF.FFFFF");
    EXPECT_EQ(SettingText(o, TextId::BVfoFrequency), "FFF.FFFFF");
    EXPECT_EQ(SettingText(o, TextId::AVfoOffsetData), "0.00000");
    EXPECT_EQ(o[ListId::AVfoQtDqtDec], 0);
    EXPECT_EQ(o[ListId::BVfoQtDqtEnc], 0);
    EXPECT_EQ(o[ListId::AVfoPower], 1);
    EXPECT_EQ(o[ListId::AVfoOffsetFrequency], 2);
    EXPECT_EQ(o[ListId::AVfoTxProhibit], 1);
    EXPECT_EQ(SettingText(o, TextId::DisplayCharacter), "");
    EXPECT_EQ(SettingText(o, TextId::PowerOnPasswordDigits), "");
    for (int k = 0; k < 25; ++k) {
        EXPECT_EQ(FmFrequencyText(state.fm.channel[static_cast<std::size_t>(k)]), "");
        EXPECT_EQ(FmFrequencyText(state.fmWindow.cell[static_cast<std::size_t>(k)]), "");
    }
    EXPECT_EQ(FmFrequencyText(state.fm.vfo), "");
    EXPECT_EQ(state.fm.PresentChannel, 255);
    EXPECT_EQ(state.fmWindow.presentChannel, 255);
    EXPECT_EQ(state.fm.DisplayMode, 1);
    EXPECT_EQ(state.powerGrades, (PowerGrades{255, 255, 255, 255, 255, 255}));
}

TEST(DecodeImage, ZeroImageGivesChannelsAtTheFirstEntries) {
    const ProgramState state = Decoded(Filled(0x00), kChinese);
    const auto& ch = state.channels;
    EXPECT_EQ(FrequencyText(ch.at(1).rx), "000.00000");
    EXPECT_EQ(FrequencyText(ch.at(128).tx), "000.00000");
    // 00 00 is no tone of the list: the text stays, the index is "Off".
    EXPECT_EQ(ch.at(1).option[0], 0);
    EXPECT_EQ(CellText(ch, 1, kColQtDqtDec, kChinese), "00.0");
    EXPECT_EQ(CellText(ch, 1, kColPower, kChinese), "低");
    EXPECT_EQ(CellText(ch, 1, kColBusyLock, kChinese), "载波");
    EXPECT_EQ(CellText(ch, 1, kColBand, kChinese), "窄带");
    EXPECT_EQ(ch.at(1).name, std::string(8, '\0'));
    EXPECT_EQ(SettingText(state.options, TextId::AChannelNumber), "0");
    EXPECT_EQ(state.options[ListId::BacklightMode], 0);
    EXPECT_FALSE(state.options[CheckId::ProhibitVoxInReceiving]);
    EXPECT_EQ(state.band.index, 0);
    EXPECT_EQ(SettingText(state.options, TextId::AVfoFrequency), "000.00000");
    EXPECT_EQ(FmFrequencyText(state.fm.channel[24]), "87.00");
    EXPECT_EQ(FmFrequencyText(state.fm.vfo), "87.00");
    EXPECT_EQ(FmFrequencyText(state.fmWindow.vfo), "87.00");
    EXPECT_EQ(SettingText(state.options, TextId::DisplayCharacter), std::string(6, '\0'));
}

TEST(DecodeImage, ChannelRecordsFillStoresAndGrid) {
    ImageBytes image = Filled(0xFF);
    const std::size_t c1 = L::ChannelRecord(1);
    PutFrequency(image, c1, "145.12500");
    PutFrequency(image, c1 + 4, "145.72500");
    image[c1 + 8] = 0x70;  // 67.0
    image[c1 + 9] = 0x06;
    image[c1 + 10] = 0x23;  // D023N
    image[c1 + 11] = 0x80;
    image[c1 + 12] = 0b11010110;  // middle power, busy off, scan off, wide, TX prohibit on
    // Channel 2: erased first byte, everything else plausible -> empty, but its name stays.
    const std::size_t c2 = L::ChannelRecord(2);
    PutFrequency(image, c2 + 4, "146.00000");
    image[c2 + 8] = 0x70;
    image[c2 + 9] = 0x06;
    image[c2 + 12] = 0xC0;
    for (std::size_t k = 0; k < 3; ++k)
        image[L::NameRecord(2) + k] = static_cast<std::uint8_t>("ABC"[k]);
    // Channel 128: no transmit frequency, inverted DCS, an unknown code, power value 3.
    const std::size_t c128 = L::ChannelRecord(128);
    PutFrequency(image, c128, "438.50000");
    image[c128 + 8] = 0x54;
    image[c128 + 9] = 0xC7;
    image[c128 + 10] = 0x12;
    image[c128 + 11] = 0x34;
    image[c128 + 12] = 0xFF;
    image[L::NameRecord(128)] = 0x80;
    image[L::NameRecord(128) + 2] = 0x5A;

    ProgramState state = StartupState(kEnglish);
    state.channels.at(2).rx = FrequencyOrNone("150.00000");
    state.RadioImage = image;
    DecodeImage(state);
    const auto& ch = state.channels;

    EXPECT_EQ(FrequencyText(ch.at(1).rx), "145.12500");
    EXPECT_EQ(FrequencyText(ch.at(1).tx), "145.72500");
    const std::array<int, 7> index1 = {1, 52, 2, 1, 0, 1, 0};
    const std::array<const char*, 7> text1 = {"67.0", "D023N", "Middle", "Off",
                                              "Off",  "wide",  "On"};
    for (std::size_t s = 0; s < 7; ++s) {
        EXPECT_EQ(ch.at(1).option[s], index1[s]) << s;
        EXPECT_EQ(CellText(ch, 1, (s) + 3), text1[s]) << s;
        EXPECT_EQ(CellText(ch, 1, static_cast<int>(s) + 3), text1[s]) << s;
    }
    EXPECT_EQ(CellText(ch, 1, kColRxFreq), "145.12500");
    EXPECT_EQ(CellText(ch, 1, kColTxFreq), "145.72500");

    EXPECT_TRUE(ch.isFree(2));
    EXPECT_EQ(FrequencyText(ch.at(2).tx), "");
    EXPECT_EQ(CellText(ch, 2, 5), "");
    EXPECT_EQ(CellText(ch, 2, kColTxFreq), "");
    EXPECT_EQ(ch.at(2).name, "ABC");
    EXPECT_EQ(CellText(ch, 2, kColName), "ABC");

    EXPECT_EQ(FrequencyText(ch.at(128).tx), "");
    EXPECT_EQ(ch.at(128).option[0], 264);
    EXPECT_EQ(CellText(ch, 128, 3), "D754I");
    EXPECT_EQ(ch.at(128).option[1], 0);
    EXPECT_EQ(CellText(ch, 128, 4), "341.2");
    EXPECT_EQ(CellText(ch, 128, kColQtDqtEnc), "341.2");
    EXPECT_EQ(ch.at(128).option[2], 3);
    EXPECT_EQ(CellText(ch, 128, kColPower), "");
    EXPECT_EQ(ch.at(128).name, "\x80Z");
}

TEST(DecodeImage, ErasedToneTextFollowsTheLanguage) {
    ImageBytes image = Filled(0xFF);
    PutFrequency(image, L::ChannelRecord(3), "145.00000");
    image[L::ChannelRecord(3) + 12] = 0xC0;
    const ProgramState zh = Decoded(image, kChinese);
    EXPECT_EQ(CellText(zh.channels, 3, 3, kChinese), "关闭");
    EXPECT_EQ(CellText(zh.channels, 3, kColQtDqtEnc, kChinese), "关闭");
    EXPECT_EQ(CellText(zh.channels, 3, kColTxProhibit, kChinese), "开");
    const ProgramState en = Decoded(image, kEnglish);
    EXPECT_EQ(CellText(en.channels, 3, 4), "Off");
    EXPECT_EQ(CellText(en.channels, 3, kColAddScan), "Off");
}

TEST(DecodeImage, ReadLimitsFallBackToDefaults) {
    struct Case {
        std::size_t address;
        std::uint8_t byte;
        ListId id;
        int expected;
    };
    const std::vector<Case> cases = {
        {L::kSquelchLevel, 10, ListId::SquelchLevel, 5},
        {L::kSquelchLevel, 9, ListId::SquelchLevel, 9},
        {L::kTimeOutTimer, 8, ListId::TimeOutTimer, 2},
        {L::kTimeOutTimer, 7, ListId::TimeOutTimer, 7},
        {L::kAutoPowerOff, 16, ListId::AutoPowerOff, 0},
        {L::kAutoPowerOff, 15, ListId::AutoPowerOff, 15},
        {L::kADisplayMode, 2, ListId::ADisplayMode, 1},
        {L::kBDisplayMode, 2, ListId::BDisplayMode, 0},
        {L::kBDisplayMode, 1, ListId::BDisplayMode, 1},
        {L::kOpenDisplayMode, 3, ListId::OpenDisplayMode, 1},
        {L::kOpenDisplayMode, 2, ListId::OpenDisplayMode, 2},
        {L::kBStepFrequency, 8, ListId::BStepFrequency, 1},
        {L::kAStepFrequency, 7, ListId::AStepFrequency, 7},
        {L::kChannelNameEditable, 2, ListId::ChannelNameEditable, 0},
        {L::kMemoryChannelDisplayMode, 0, ListId::MemoryChannelDisplayMode, 0},
        {L::kVfoA + 14, 2, ListId::AVfoOffsetFrequency, 2},
        {L::kVfoB + 14, 0, ListId::BVfoOffsetFrequency, 0},
        {L::kVfoB + 14, 3, ListId::BVfoOffsetFrequency, 1},  // no such entry: keeps the default
        {L::kKeyBits, 0x80, ListId::BacklightMode, 2},
        {L::kKeyBits, 0x02, ListId::KeyLockMode, 2},
        {L::kVoxBits, 0b10110000, ListId::VoxGainLevel, 5},
        {L::kVoxBits, 0b10110000, ListId::VoxDelayTime, 2},
        {L::kFunctionBits, 0x40, ListId::ScanMode, 1},
        {L::kFunctionBits, 0x40, ListId::RadioSearchMode, 0},
    };
    for (const auto& c : cases) {
        ImageBytes image = Filled(0xFF);
        image[c.address] = c.byte;
        EXPECT_EQ(Decoded(image).options[c.id], c.expected)
            << Info(c.id).name << " from 0x" << std::hex << static_cast<int>(c.byte);
    }
}

TEST(DecodeImage, ChannelNumbersAndCharacterFields) {
    ImageBytes image = Filled(0xFF);
    image[L::kAChannelNumber] = 128;
    image[L::kBChannelNumber] = 129;
    const std::uint8_t display[6] = {'A', 0xFF, 'B', '-', 0xFF, '1'};
    for (std::size_t k = 0; k < 6; ++k) image[L::kDisplayCharacter + k] = display[k];
    image[L::kPassword + 1] = '7';
    image[L::kPassword + 3] = 0xE9;
    const ProgramState state = Decoded(image);
    EXPECT_EQ(SettingText(state.options, TextId::AChannelNumber), "128");
    EXPECT_EQ(SettingText(state.options, TextId::BChannelNumber), "");
    EXPECT_EQ(SettingText(state.options, TextId::DisplayCharacter), "AB-1");
    EXPECT_EQ(SettingText(state.options, TextId::PowerOnPasswordDigits), "7\xE9");
}

TEST(DecodeImage, VfoRecords) {
    ImageBytes image = Filled(0xFF);
    PutFrequency(image, L::kVfoA, "145.50000");
    PutFrequency(image, L::kVfoA + 4, "000.60000");
    image[L::kVfoA + 8] = 0x41;  // 254.1
    image[L::kVfoA + 9] = 0x25;
    image[L::kVfoA + 12] =
        0b00101010;  // power middle, busy carry, add scan on, narrow, TX prohibit off
    image[L::kVfoA + 14] = 0;
    PutFrequency(image, L::kVfoB, "438.50000");
    image[L::kVfoB + 10] = 0x17;  // D017I
    image[L::kVfoB + 11] = 0xC0;
    image[L::kVfoB + 12] = 0x00;
    ProgramState state = StartupState(kEnglish);
    state.options[ListId::AVfoScramble] = 0;
    state.options[ListId::AVfoCompanding] = 0;
    state.RadioImage = image;
    DecodeImage(state);
    const OptionalFeatures& o = state.options;
    EXPECT_EQ(SettingText(o, TextId::AVfoFrequency), "145.50000");
    EXPECT_EQ(SettingText(o, TextId::AVfoOffsetData), "0.60000");
    EXPECT_EQ(o[ListId::AVfoQtDqtDec], 50);
    EXPECT_EQ(o[ListId::AVfoQtDqtEnc], 0);
    EXPECT_EQ(o[ListId::AVfoPower], 2);
    EXPECT_EQ(o[ListId::AVfoBusyChannelLock], 0);
    EXPECT_EQ(o[ListId::AVfoAddScan], 1);
    EXPECT_EQ(o[ListId::AVfoWideNarrow], 0);
    EXPECT_EQ(o[ListId::AVfoTxProhibit], 1);
    EXPECT_EQ(o[ListId::AVfoOffsetFrequency], 0);
    // Bits 6 and 7 of the A group flags are never read.
    EXPECT_EQ(o[ListId::AVfoScramble], 0);
    EXPECT_EQ(o[ListId::AVfoCompanding], 0);
    EXPECT_EQ(SettingText(o, TextId::BVfoFrequency), "438.50000");
    EXPECT_EQ(o[ListId::BVfoQtDqtEnc], 158);
    EXPECT_EQ(o[ListId::BVfoPower], 0);
}

TEST(DecodeImage, FmRecordAndWindowFields) {
    ImageBytes image = Filled(0xFF);
    const std::uint8_t channels[][2] = {{0x00, 0xD2}, {0x00, 0xD3}, {0x00, 0x73}, {0x01, 0x00}};
    for (std::size_t k = 0; k < 4; ++k) {
        image[L::kFmChannels + 2 * k] = channels[k][0];
        image[L::kFmChannels + 2 * k + 1] = channels[k][1];
    }
    image[L::kFmPresentChannel] = 16;
    image[L::kFmDisplayMode] = 1;
    image[L::kFmStepFrequency] = 2;
    image[L::kFmVfo] = 0x00;
    image[L::kFmVfo + 1] = 0x0A;
    const ProgramState state = Decoded(image);
    const std::array<const char*, 4> texts = {"108.00", "", "98.50", ""};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(FmFrequencyText(state.fm.channel[k]), texts[k]);
        EXPECT_EQ(FmFrequencyText(state.fmWindow.cell[k]), texts[k]);
    }
    EXPECT_EQ(state.fm.PresentChannel, 16);
    EXPECT_EQ(state.fmWindow.presentChannel, 16);
    EXPECT_EQ(state.fm.DisplayMode, 1);
    EXPECT_EQ(state.fmWindow.displayMode, 1);
    EXPECT_EQ(state.fm.StepFrequency, 2);
    EXPECT_EQ(state.fmWindow.stepFrequency, 2);
    EXPECT_EQ(FmFrequencyText(state.fm.vfo), "88.00");
    EXPECT_EQ(FmFrequencyText(state.fmWindow.vfo), "88.00");
}

TEST(DecodeImage, PowerGradesBandAndFieldsOutsideTheImage) {
    ImageBytes image = Filled(0xFF);
    const std::uint8_t grades[6] = {10, 20, 30, 40, 50, 60};
    for (std::size_t s = 0; s < 3; ++s) {
        image[L::kPowerA + s] = grades[s];
        image[L::kPowerB + s] = grades[s + 3];
    }
    image[L::kBand] = 3;
    ProgramState state = StartupState(kEnglish);
    state.options[CheckId::AllowToCancelOperating] = true;
    state.options[ListId::AVfoCallTone] = 2;
    state.dtmf.AniStartCode = "123";
    state.RadioImage = image;
    DecodeImage(state);
    EXPECT_EQ(state.powerGrades, (PowerGrades{10, 20, 30, 40, 50, 60}));
    EXPECT_EQ(state.band.index, 3);
    EXPECT_EQ(state.band.BandBHigh, 24'599'501);
    EXPECT_TRUE(state.options[CheckId::AllowToCancelOperating]);
    EXPECT_EQ(state.options[ListId::AVfoCallTone], 2);
    EXPECT_EQ(state.dtmf.AniStartCode, "123");
}

}  // namespace
}  // namespace talvo
