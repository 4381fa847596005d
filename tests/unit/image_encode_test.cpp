#include <gtest/gtest.h>

#include "channel_view.h"
#include "image_samples.h"
#include "radio/codecs/encode.h"
#include "radio/memory/memory_layout.h"
#include "rules/options_checks.h"

namespace talvo {
namespace {

namespace L = layout;

bool AllBytes(const ImageBytes& image, std::size_t from, std::size_t to, std::uint8_t value) {
    for (std::size_t a = from; a < to; ++a) {
        if (image[a] != value) return false;
    }
    return true;
}

TEST(EncodeImage, FreshProgramWritesErasedAreasAndDefaults) {
    ProgramState state = StartupState(kEnglish);
    state.RadioImage = samples::Filled(0x5A);  // never read by the encoder
    EncodeImage(state);
    const ImageBytes& e = state.EncodedImage;
    EXPECT_TRUE(AllBytes(e, 0x000, 0x700, 0xFF));  // channels and filler
    EXPECT_TRUE(AllBytes(e, L::kNames, 0xC00, 0xFF));
    EXPECT_TRUE(AllBytes(e, L::kFmChannels, L::kFmUnused, 0xFF));
    EXPECT_TRUE(AllBytes(e, L::kFmUnused, L::kFmState, 0x00));  // never written
    EXPECT_EQ(e[0xC00], 0x00);
    EXPECT_EQ(e[L::kFmVfo], 0xFF);
    EXPECT_EQ(e[L::kFmVfo + 1], 0xFF);

    const std::uint8_t function[0x20] = {
        0x00,       0x01, 0x04, 0x01, 0x05, 0x01, 0b01111101, 0b01111000,  // 0x700..0x707
        0b00101111, 0x01, 0x01, 0x01, 0x00, 0x04, 0x01,       0x02,        // 0x708..0x70F
        'R',        'Q',  'Z',  '-',  'D',  'W',  0x00,       0xFF,        // 0x710..0x717
        0xFF,       0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,       0xFF};
    for (std::size_t i = 0; i < 0x20; ++i) {
        EXPECT_EQ(e[0x700 + i], function[i]) << "0x" << std::hex << 0x700 + i;
    }
    const std::uint8_t vfoA[16] = {0x00, 0x00, 0x60, 0x13, 0x00,       0x00, 0x00, 0x01,
                                   0xFF, 0xFF, 0xFF, 0xFF, 0b11111101, 0xFF, 0x01, 0xFF};
    for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(e[L::kVfoA + i], vfoA[i]) << i;
    EXPECT_EQ(e[L::kVfoB + 3], 0x40);
    EXPECT_EQ(e[L::kVfoB + 12], 0b11111101);
    EXPECT_TRUE(AllBytes(e, L::kPassword, L::kFmChannels, 0xFF));
    EXPECT_EQ(e[L::kFmPresentChannel], 0);
    EXPECT_TRUE(AllBytes(e, L::kFmStateFiller, L::kPowerB, 0xFF));
    const std::uint8_t power[0x20] = {218,  218,  116,  0,    0xFF, 0xFF, 0xFF, 0xFF,
                                      0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                      218,  218,  116,  0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                      0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    for (std::size_t i = 0; i < 0x20; ++i) EXPECT_EQ(e[L::kPowerB + i], power[i]) << i;
}

TEST(EncodeImage, ChannelRecords) {
    ProgramState state = StartupState(kEnglish);
    auto& ch = state.channels;
    // Channel 1: receive only, both tones "Off", new-channel flags.
    ch.at(1).rx = FrequencyOrNone("145.12500");
    ch.at(1).option[2] = 1;
    for (std::size_t s = 3; s <= 6; ++s) ch.at(1).option[s] = 1;
    // Channel 2: everything set.
    ch.at(2).rx = FrequencyOrNone("438.50000");
    ch.at(2).tx = FrequencyOrNone("430.50000");
    ch.at(2).option[0] = 52;
    ch.at(2).option[1] = 1;
    ch.at(2).option[2] = 2;
    ch.at(2).option[5] = 1;
    // Channel 3: no receive frequency, stale values in the other fields.
    ch.at(3).tx = FrequencyOrNone("145.00000");
    ch.at(3).option[0] = 5;
    ch.at(3).option[2] = 1;
    ch.at(3).name = "AB";
    EncodeImage(state);
    const ImageBytes& e = state.EncodedImage;

    const std::uint8_t c1[13] = {0x00, 0x25, 0x51, 0x14, 0xFF, 0xFF, 0xFF,
                                 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFD};
    const std::uint8_t c2[13] = {0x00, 0x00, 0x85, 0x43, 0x00, 0x00, 0x05,
                                 0x43, 0x23, 0x80, 0x70, 0x06, 0xD2};
    for (std::size_t i = 0; i < 13; ++i) {
        EXPECT_EQ(e[L::ChannelRecord(1) + i], c1[i]) << i;
        EXPECT_EQ(e[L::ChannelRecord(2) + i], c2[i]) << i;
        EXPECT_EQ(e[L::ChannelRecord(3) + i], 0xFF) << i;
    }
    // The name is stored even for a free channel.
    EXPECT_EQ(e[L::NameRecord(3)], 'A');
    EXPECT_EQ(e[L::NameRecord(3) + 1], 'B');
    EXPECT_EQ(e[L::NameRecord(3) + 2], 0xFF);
}

TEST(EncodeImage, FunctionSettingBits) {
    ProgramState state = StartupState(kEnglish);
    OptionalFeatures& o = state.options;
    o[ListId::BacklightMode] = 2;  // "CONT": bit 7 set, bit 6 clear
    o[ListId::KeyLockMode] = 3;
    o[ListId::VoxGainLevel] = 7;
    o[ListId::VoxDelayTime] = 0;
    o[ListId::VoxSwitch] = 0;
    o[CheckId::ProhibitVoxInReceiving] = false;  // not consulted: the bit is always 1
    EncodeImage(state);
    EXPECT_EQ(state.EncodedImage[L::kKeyBits], 0b10111011);
    EXPECT_EQ(state.EncodedImage[L::kVoxBits], 0b11100110);
}

// A channel number is written as the field takes what is typed, also before it is left.
TEST(EncodeImage, ChannelNumbersAreWrittenAsTheFieldTakesThem) {
    ProgramState state = StartupState(kEnglish);
    for (const auto& [text, byte] :
         std::vector<std::pair<std::string, int>>{{"", 0xFF},
                                                  {"0", 0xFF},
                                                  {"007", 7},
                                                  {"128", 128},
                                                  {"200", 128},
                                                  {"99999999999", 128}}) {
        StoreSettingText(state.options, TextId::AChannelNumber, text);
        EncodeImage(state);
        EXPECT_EQ(state.EncodedImage[L::kAChannelNumber], byte) << text;
    }
}

TEST(EncodeImage, ValuesThatDoNotFitKeepTheEarlierBytes) {
    ProgramState state = StartupState(kEnglish);
    state.EncodedImage = samples::Filled(0x5A);
    OptionalFeatures& o = state.options;
    SetCheckedSettingText(o, TextId::BChannelNumber, "");
    o[ListId::BDisplayMode] = -1;  // text typed into an editable list
    o[ListId::ScanMode] = -1;
    o[ListId::RogerBeep] = -1;
    state.fm.PresentChannel = 300;
    state.fm.vfo = 8600;
    state.fm.channel[0] = 9900;
    state.fmWindow.cell[0] = 9900;
    state.fm.channel[1].reset();
    state.fmWindow.cell[1] = 9900;  // the cell decides; the empty record has no code
    state.powerGrades[0] = 256;
    EncodeImage(state);
    const ImageBytes& e = state.EncodedImage;
    EXPECT_EQ(e[L::kBChannelNumber], 0xFF);
    EXPECT_EQ(e[L::kBDisplayMode], 0x5A);
    // Only the bits of the settings without a selection keep their earlier content.
    EXPECT_EQ(e[L::kFunctionBits], (0x5A & 0x40) | 0b00111101);
    EXPECT_EQ(e[L::kKeyBits], (0x5A & 0x04) | 0b01111000);
    EXPECT_EQ(e[L::kFmPresentChannel], 0x5A);
    EXPECT_EQ(e[L::kFmVfo], 0x5A);
    EXPECT_EQ(e[L::kFmChannels], 0x00);
    EXPECT_EQ(e[L::kFmChannels + 1], 0x78);
    EXPECT_EQ(e[L::kFmChannels + 2], 0x5A);
    EXPECT_EQ(e[L::kFmChannels + 4], 0xFF);
    EXPECT_EQ(e[L::kPowerA], 0x5A);
    EXPECT_EQ(e[L::kPowerA + 1], 218);
}

TEST(EncodeImage, TextFieldsAndHiddenVfoSettings) {
    ProgramState state = StartupState(kEnglish);
    OptionalFeatures& o = state.options;
    SetCheckedSettingText(o, TextId::DisplayCharacter, "AB-1234");  // only six positions
    SetCheckedSettingText(o, TextId::PowerOnPasswordDigits, "12");
    SetCheckedSettingText(o, TextId::BChannelNumber, "16");
    SetCheckedSettingText(o, TextId::BVfoOffsetData, "0.6");
    o[ListId::BVfoQtDqtDec] = 264;
    o[ListId::AVfoScramble] = 0;  // "On"
    o[ListId::AVfoCompanding] = 1;
    state.fm.PresentChannel = 16;
    state.fm.vfo = 9850;
    state.channels.at(1).name = std::string("\x05Z", 2);
    EncodeImage(state);
    const ImageBytes& e = state.EncodedImage;
    const std::uint8_t display[6] = {'A', 'B', '-', '1', '2', '3'};
    for (std::size_t k = 0; k < 6; ++k) EXPECT_EQ(e[L::kDisplayCharacter + k], display[k]);
    EXPECT_EQ(e[L::kPassword], '1');
    EXPECT_EQ(e[L::kPassword + 1], '2');
    EXPECT_EQ(e[L::kPassword + 2], 0xFF);
    EXPECT_EQ(e[L::kBChannelNumber], 0x10);
    EXPECT_EQ(e[L::kVfoB + 5], 0x00);
    EXPECT_EQ(e[L::kVfoB + 6], 0x06);
    EXPECT_EQ(e[L::kVfoB + 8], 0x54);
    EXPECT_EQ(e[L::kVfoB + 9], 0xC7);
    EXPECT_EQ(e[L::kVfoA + 12] & 0xC0, 0x80);
    EXPECT_EQ(e[L::kFmPresentChannel], 0x10);
    EXPECT_EQ(e[L::kFmVfo], 0x00);
    EXPECT_EQ(e[L::kFmVfo + 1], 0x73);
    EXPECT_EQ(e[L::NameRecord(1)], 0x05);
    EXPECT_EQ(e[L::NameRecord(1) + 1], 'Z');
    EXPECT_EQ(e[L::NameRecord(1) + 2], 0xFF);
}

}  // namespace
}  // namespace talvo
