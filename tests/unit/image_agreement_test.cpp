#include <gtest/gtest.h>

#include "catalogue_words.h"
#include "image_samples.h"
#include "radio/codecs/decode.h"
#include "radio/codecs/encode.h"
#include "radio/memory/memory_layout.h"

namespace talvo {
namespace {

namespace L = layout;

ImageBytes Reencoded(const ImageBytes& image, Language lang = kEnglish) {
    ProgramState state = StartupState(lang);
    state.RadioImage = image;
    DecodeImage(state);
    EncodeImage(state);
    return state.EncodedImage;
}

void ExpectSameConfiguration(const ImageBytes& expected, const ImageBytes& actual) {
    int reported = 0;
    for (std::size_t a = 0; a < L::kConfigBytes && reported < 10; ++a) {
        if (expected[a] != actual[a]) {
            ++reported;
            ADD_FAILURE() << "byte 0x" << std::hex << a << ": expected 0x" << int(expected[a])
                          << ", got 0x" << int(actual[a]);
        }
    }
}

TEST(DecodeEncodeAgreement, ImagesInTheEditorsRangesComeBackUnchanged) {
    samples::ValidImageMaker maker(20240601);
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        const ImageBytes image = maker.make();
        ExpectSameConfiguration(image, Reencoded(image, round % 2 == 0 ? kEnglish : kChinese));
    }
}

TEST(DecodeEncodeAgreement, ListedDifferences) {
    samples::ValidImageMaker maker(7);
    const ImageBytes valid = maker.make();
    struct Case {
        const char* what;
        std::size_t address;
        std::uint8_t stored;
        std::uint8_t written;
    };
    const std::vector<Case> cases = {
        // A group bits 6 and 7 come from Scramble and Companding, both at "1" by default.
        {"A group VFO flags", L::kVfoA + 12, 0x01, 0xC1},
        {"B group VFO flags", L::kVfoB + 12, 0x02, 0xC2},
        {"constant 0x701", L::kAlwaysOne, 0x33, 0x01},
        {"bit 5 of 0x706", L::kFunctionBits, 0x00, 0x20},
        {"bits 1 and 2 of 0x708", L::kVoxBits, 0x00, 0x06},
        {"identification", L::kIdentification + 2, 'X', 'Z'},
        {"filler", 0x6A0, 0x00, 0xFF},
        {"filler after the password", 0x750, 0x12, 0xFF},
        {"fill byte 0x7A3", L::kFmFill7A3, 0x00, 0xFF},
        {"VFO fill byte", L::kVfoB + 15, 0x00, 0xFF},
        {"zero byte after the B group power", L::kPowerBZero, 0x77, 0x00},
        {"squelch above its limit", L::kSquelchLevel, 10, 5},
        {"time-out above its limit", L::kTimeOutTimer, 0xFF, 2},
        {"step above its limit", L::kBStepFrequency, 9, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ImageBytes image = valid;
        image[c.address] = c.stored;
        ImageBytes expected = image;
        expected[c.address] = c.written;
        ExpectSameConfiguration(expected, Reencoded(image));
    }
}

TEST(DecodeEncodeAgreement, ChannelDifferences) {
    ImageBytes image = samples::Filled(0xFF);
    // Channel 1: erased first byte over plausible data -> 13 FF.
    samples::PutFrequency(image, L::ChannelRecord(1) + 4, "145.00000");
    image[L::ChannelRecord(1) + 12] = 0xC5;
    // Channel 2: an unknown receive tone code -> "Off"; flags bits 6-7 rewritten as 1.
    samples::PutFrequency(image, L::ChannelRecord(2), "145.00000");
    image[L::ChannelRecord(2) + 8] = 0x12;
    image[L::ChannelRecord(2) + 9] = 0x34;
    image[L::ChannelRecord(2) + 12] = 0x03;  // power value 3 is kept
    // 0x708 with bit 2 clear: shown unticked, written 1.
    image[L::kVoxBits] = 0x00;
    const ImageBytes e = Reencoded(image);
    for (std::size_t i = 0; i < 13; ++i) EXPECT_EQ(e[L::ChannelRecord(1) + i], 0xFF) << i;
    EXPECT_EQ(e[L::ChannelRecord(2) + 8], 0xFF);
    EXPECT_EQ(e[L::ChannelRecord(2) + 9], 0xFF);
    EXPECT_EQ(e[L::ChannelRecord(2) + 12], 0xC3);
    EXPECT_EQ(e[L::kVoxBits], 0x06);
}

TEST(DecodeEncodeAgreement, ArbitraryBytesKeepWhatTheDecoderReadsWhereItCan) {
    // Frequencies of any digits (also non-decimal ones) and names of any bytes other than FF
    // survive, whatever else the image holds.
    std::mt19937 rng(99);
    for (int round = 0; round < 20; ++round) {
        ImageBytes image;
        for (auto& b : image) b = static_cast<std::uint8_t>(rng());
        const ImageBytes e = Reencoded(image);
        for (int n = 1; n <= 128; ++n) {
            const std::size_t base = L::ChannelRecord(n);
            if (image[base] == 0xFF) continue;
            for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(e[base + i], image[base + i]);
            if (image[base + 4] != 0xFF) {
                for (std::size_t i = 4; i < 8; ++i) EXPECT_EQ(e[base + i], image[base + i]);
            }
            EXPECT_EQ(e[base + 12] & 0x3F, image[base + 12] & 0x3F);
        }
        for (const std::size_t vfo : {L::kVfoA, L::kVfoB}) {
            for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(e[vfo + i], image[vfo + i]);
        }
        for (std::size_t s = 0; s < 3; ++s) {
            EXPECT_EQ(e[L::kPowerA + s], image[L::kPowerA + s]);
            EXPECT_EQ(e[L::kPowerB + s], image[L::kPowerB + s]);
        }
        EXPECT_EQ(e[L::kFmPresentChannel], image[L::kFmPresentChannel]);
    }
}

}  // namespace
}  // namespace talvo
