#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue_words.h"
#include "radio/codecs/codecs.h"
#include "radio/state/tone_list.h"

namespace talvo {
namespace {

using Bytes4 = std::array<std::uint8_t, 4>;

TEST(PackedFrequency, PacksDigitPairsLeastSignificantFirst) {
    struct Case {
        const char* text;
        Bytes4 bytes;
    };
    const std::vector<Case> cases = {
        {"145.12500", {0x00, 0x25, 0x51, 0x14}},
        {"136.00000", {0x00, 0x00, 0x60, 0x13}},
        {"470.99500", {0x00, 0x95, 0x09, 0x47}},
        {"FFF.FFFFF", {0xFF, 0xFF, 0xFF, 0xFF}},  // an erased VFO frequency goes back unchanged
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto packed = PackFrequency(c.text);
        ASSERT_TRUE(packed.has_value());
        EXPECT_EQ(*packed, c.bytes);
        EXPECT_EQ(UnpackFrequency(c.bytes), c.text);
        EXPECT_EQ(PickDigitPair(c.text, 1), c.bytes[3]);
        EXPECT_EQ(PickDigitPair(c.text, 4), c.bytes[0]);
    }
}

TEST(PackedFrequency, AnyFourBytesSurviveUnpackAndPack) {
    for (int v = 0; v < 256; ++v) {
        const auto b = static_cast<std::uint8_t>(v);
        const Bytes4 bytes = {b, static_cast<std::uint8_t>(255 - v), 0x0A, b};
        EXPECT_EQ(PackFrequency(UnpackFrequency(bytes)), bytes) << v;
    }
}

TEST(PackedFrequency, DigitPairsThatAreNotHexadecimalDoNotFit) {
    EXPECT_FALSE(PackFrequency("").has_value());
    EXPECT_FALSE(PackFrequency("145.1").has_value());
    EXPECT_FALSE(PickDigitPair("145.1", 3).has_value());
    EXPECT_FALSE(PickDigitPair("145.1", 4).has_value());  // ".1"
    EXPECT_EQ(PickDigitPair("145.1", 2), 0x51);
    EXPECT_FALSE(PickDigitPair("x45.12500", 1).has_value());
    EXPECT_FALSE(PickDigitPair("145.12500", 0).has_value());
    EXPECT_FALSE(PickDigitPair("145.12500", 5).has_value());
}

TEST(PackedFrequency, OffsetsAreReadAsNumbers) {
    EXPECT_EQ(UnpackOffset(Bytes4{0x00, 0x00, 0x06, 0x00}), 60'000u);
    EXPECT_EQ(UnpackOffset(Bytes4{0x00, 0x95, 0x99, 0x09}), 9'999'500u);
    EXPECT_EQ(UnpackOffset(Bytes4{0x00, 0x00, 0xA0, 0x01}), 100'000u);  // 01A.00000: 1
    EXPECT_EQ(UnpackOffset(Bytes4{0xFF, 0xFF, 0xFF, 0xFF}), 0u);
}

TEST(ToneCodes, DecodeAndEncodeEveryListEntry) {
    struct Case {
        std::uint8_t low, high;
        const char* text;
        int index;
    };
    const std::vector<Case> cases = {
        {0x70, 0x06, "67.0", 1},    {0x41, 0x25, "254.1", 50},  {0x00, 0x10, "100.0", 13},
        {0x23, 0x80, "D023N", 52},  {0x03, 0x87, "D703N", 150}, {0x54, 0xC7, "D754I", 264},
        {0x17, 0xC0, "D017I", 158},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DecodeTone(c.low, c.high), c.text);
        EXPECT_EQ(FindTone(c.text), c.index);
        EXPECT_EQ(EncodeTone(c.text), TwoDigitHex(c.low) + TwoDigitHex(c.high));
    }
    // Every entry of the list goes through its code and back.
    for (int i = 1; i < kToneCount; ++i) {
        const std::string code = EncodeTone(Render(ToneName(i), kEnglish));
        ASSERT_EQ(code.size(), 4u) << i;
        const auto low = ParseHexPair(code.substr(0, 2));
        const auto high = ParseHexPair(code.substr(2, 2));
        ASSERT_TRUE(low && high) << i;
        EXPECT_EQ(FindTone(DecodeTone(*low, *high)), i);
    }
}

TEST(ToneCodes, CodeTableAgreesWithTheTextSearchForEveryCode) {
    for (int code = 0; code < 65536; ++code) {
        const auto low = static_cast<std::uint8_t>(code & 0xFF);
        const auto high = static_cast<std::uint8_t>(code >> 8);
        ASSERT_EQ(FindToneCode(low, high), FindTone(DecodeTone(low, high))) << code;
    }
}

TEST(ToneCodes, InvalidCodesAndUnknownTextsReadAsOff) {
    EXPECT_EQ(DecodeTone(0xFF, 0xFF), "FFF.F");
    EXPECT_EQ(DecodeTone(0x05, 0x00), "00.5");
    EXPECT_EQ(FindTone("FFF.F"), 0);
    EXPECT_EQ(FindTone("67"), 0);
    EXPECT_EQ(FindTone(""), 0);
    // The "Off" entry matches only in its own language.
    EXPECT_EQ(FindTone("Off"), 0);
    EXPECT_EQ(FindTone("关闭"), 0);
    // Texts that are not tones still give four characters or fewer, never a crash.
    EXPECT_EQ(EncodeTone(""), "00");
    EXPECT_EQ(EncodeTone("N"), "8");
}

// The code of an FM frequency typed as text, as the window takes it.
std::optional<std::array<std::uint8_t, 2>> FmCode(std::string_view text) {
    const FmFrequency hundredths = FmFrequencyFromText(text);
    return hundredths ? EncodeFmFrequency(*hundredths) : std::nullopt;
}

TEST(FmFrequency, EncodesTenthsAboveEightySevenMostSignificantFirst) {
    struct Case {
        const char* text;
        std::optional<std::array<std::uint8_t, 2>> bytes;
    };
    const std::vector<Case> cases = {
        {"98.5", std::array<std::uint8_t, 2>{0x00, 0x73}},
        {"87.3", std::array<std::uint8_t, 2>{0x00, 0x03}},
        {"87.00", std::array<std::uint8_t, 2>{0x00, 0x00}},
        {"108.00", std::array<std::uint8_t, 2>{0x00, 0xD2}},
        {"87.25", std::array<std::uint8_t, 2>{0x00, 0x02}},  // 2.5: half to even
        {"87.35", std::array<std::uint8_t, 2>{0x00, 0x03}},  // 3.4999...: below the half
        {"6640.5", std::array<std::uint8_t, 2>{0xFF, 0xFF}},
        {"6640.6", std::nullopt},  // beyond two bytes
        {"86.9", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FmCode(c.text), c.bytes);
    }
}

// An exact half (hundredths digit 5) goes the way the earlier binary arithmetic took it: by
// the tenths digit from 86.95 to 112.55, beyond that as that arithmetic gives.
TEST(FmFrequency, HalvesGoTheWayTheyAlwaysWent) {
    const std::string up = "14679";  // tenths digits whose halves go up
    for (int tenths = 869; tenths <= 1125; ++tenths) {
        const std::string text =
            std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "5";
        const int below = tenths - 870;
        const bool goesUp = up.find(static_cast<char>('0' + tenths % 10)) != std::string::npos;
        const int code = below + (goesUp ? 1 : 0);
        const auto bytes = FmCode(text);
        if (code < 0) {
            EXPECT_FALSE(bytes.has_value()) << text;
        } else {
            EXPECT_EQ(bytes, (std::array<std::uint8_t, 2>{static_cast<std::uint8_t>(code >> 8),
                                                          static_cast<std::uint8_t>(code & 0xFF)}))
                << text;
        }
    }
    auto code = [](const char* text) {
        const auto b = FmCode(text);
        return b ? (*b)[0] * 256 + (*b)[1] : -1;
    };
    EXPECT_EQ(code("112.65"), 257);
    EXPECT_EQ(code("113.45"), 264);
    EXPECT_EQ(code("113.55"), 266);
    EXPECT_EQ(code("200.05"), 1130);
    EXPECT_EQ(code("6640.45"), 65534);
    EXPECT_EQ(code("6640.55"), -1);
}

TEST(FmFrequency, DecodesTwoDecimalsAndEmptiesBeyondTheBand) {
    EXPECT_EQ(FmFrequencyText(DecodeFmFrequency(0x00, 0x73)), "98.50");
    EXPECT_EQ(FmFrequencyText(DecodeFmFrequency(0x00, 0x00)), "87.00");
    EXPECT_EQ(FmFrequencyText(DecodeFmFrequency(0x00, 0xD2)), "108.00");
    EXPECT_EQ(DecodeFmFrequency(0x00, 0xD3), std::nullopt);
    EXPECT_EQ(DecodeFmFrequency(0x01, 0x00), std::nullopt);
    EXPECT_EQ(DecodeFmFrequency(0xFF, 0xFF), std::nullopt);
    for (unsigned v = 0; v <= 210; ++v) {
        const std::string text =
            FmFrequencyText(DecodeFmFrequency(0, static_cast<std::uint8_t>(v)));
        EXPECT_EQ(FmCode(text), (std::array<std::uint8_t, 2>{0, static_cast<std::uint8_t>(v)}))
            << text;
    }
}

TEST(RoundTwoDecimals, KeepsTwoDecimalsWithTheSecondZeroOrFive) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"100", "100.00"},  {"98.5", "98.50"},   {"98.57", "98.55"},
        {"98.54", "98.50"}, {"98.", "98.00"},    {"98.4567", "98.45"},
        {"88.56", "88.55"}, {"107.9", "107.90"}, {"1.2.3", "1.20"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(RoundTwoDecimals(in), out) << in;
}

TEST(SnapToRaster, MovesDownToTheNearerRasterPoint) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"145.12600", "145.12500"},
        {"145.00700", "145.00625"},
        {"145.00625", "145.00625"},
        {"145.00500", "145.00500"},
        {"145.00624", "145.00500"},
        {"145.0031", "145.00000"},
        {"145.013", "145.01250"},
        {"145.0125", "145.01250"},
        {"145.005", "145.00500"},
        {"136", "136.00000"},
        {"145.1234567", "145.12000"},
        {"438.5", "438.50000"},
        {"", ".00000"},
        {"1.2.3", "1.2.300"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(SnapToRaster(in), out) << in;
}

TEST(CharacterCodes, NamesAreAlwaysSixteenDigits) {
    EXPECT_EQ(ChannelCode("AB"), "4142FFFFFFFFFFFF");
    EXPECT_EQ(ChannelCode(""), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(ChannelCode("ABCDEFGHI"), "4142434445464748");
    // Characters below 0x10 keep their leading zero, so nothing after them shifts.
    EXPECT_EQ(ChannelCode(std::string("\x01Z\x00", 3)), "015A00FFFFFFFFFF");
    EXPECT_EQ(ChannelCode("\xFE"), "FEFFFFFFFFFFFFFF");

    const std::array<std::uint8_t, 8> stored = {0x41, 0xFF, 0x42, 0x00, 0x80, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(DecodeCharacters(stored), std::string("AB\x00\x80", 4));
    EXPECT_EQ(StripFillers("A\xFF"
                           "B\xFF"),
              "AB");
}

TEST(HexUtilities, NumbersBitsAndPairs) {
    EXPECT_EQ(HexToNumber("FF"), 255);
    EXPECT_EQ(HexToNumber("1a"), 26);
    EXPECT_EQ(HexToNumber("1G"), 16);  // a character that is no digit counts 0
    EXPECT_EQ(HexToNumber(""), 0);
    EXPECT_EQ(HexToBits("A5"), "10100101");
    EXPECT_EQ(HexToBits("0"), "0000");
    EXPECT_EQ(BitsToHex("11111"), "1F");
    EXPECT_EQ(BitsToHex("11101110"), "EE");
    EXPECT_EQ(BitsToHex(""), "");
    EXPECT_EQ(TwoDigitHex(0x0A), "0A");
    EXPECT_EQ(ParseHexPair("0a"), 0x0A);
    EXPECT_FALSE(ParseHexPair("0").has_value());
    EXPECT_FALSE(ParseHexPair("0g").has_value());
    EXPECT_FALSE(ParseHexPair("-1").has_value());
}

TEST(NumberText, ReadsTheLeadingNumberLikeTheEditorsDo) {
    auto value = [](std::string_view text) { return DecimalNumber::Leading(text); };
    auto units = [](std::int64_t u, int decimals) { return DecimalNumber::FromUnits(u, decimals); };
    EXPECT_EQ(value("145.125"), units(145125, 3));
    EXPECT_EQ(value("  12.5abc"), units(125, 1));
    EXPECT_EQ(value("1.2.3"), units(12, 1));
    EXPECT_EQ(value(".5"), units(5, 1));
    EXPECT_EQ(value("-7"), units(-7, 0));
    EXPECT_EQ(value("abc"), units(0, 0));
    EXPECT_EQ(value(""), units(0, 0));
    EXPECT_GT(value(std::string(400, '9')), units(DecimalNumber::kUnitsLimit, 0));
    EXPECT_TRUE(IsNumeric("007"));
    EXPECT_TRUE(IsNumeric(".5"));
    EXPECT_FALSE(IsNumeric("."));
    EXPECT_FALSE(IsNumeric(""));
    EXPECT_FALSE(IsNumeric("x1"));

    auto fixed = [&](std::string_view text, int decimals) { return value(text).fixed(decimals); };
    EXPECT_EQ(fixed("0.6", 5), "0.60000");
    EXPECT_EQ(fixed("145.0031", 5), "145.00310");
    EXPECT_EQ(fixed("0.125", 2), "0.13");
    EXPECT_EQ(fixed("1.005", 2), "1.01");
    EXPECT_EQ(fixed("99.9999999", 5), "100.00000");
    EXPECT_EQ(fixed("2.5", 0), "3");
    EXPECT_EQ(fixed("-0.000001", 2), "0.00");
    EXPECT_EQ(fixed("-1.5", 1), "-1.5");
}

}  // namespace
}  // namespace talvo
