// The radio-wide settings as values: every value the window can hold comes back from its own
// text and from the bytes the encoder writes for it.
#include <gtest/gtest.h>

#include <random>

#include "radio/codecs/decode.h"
#include "radio/codecs/encode.h"
#include "radio/state/program_state.h"

namespace talvo {
namespace {

ProgramState RandomSettings(std::mt19937& rng) {
    auto pick = [&rng](int low, int high) { return std::uniform_int_distribution(low, high)(rng); };
    ProgramState state = StartupState(kEnglish);
    OptionalFeatures& o = state.options;
    for (std::size_t i = 0; i < kListCount; ++i) {
        const auto id = static_cast<ListId>(i);
        const SettingPlace& place = Info(id).place;
        if (place.form == SettingPlace::Form::None || !place.read) continue;
        int limit = ListSize(id) - 1;
        if (place.form == SettingPlace::Form::Byte) limit = std::min(limit, place.readLimit - 1);
        if (place.form == SettingPlace::Form::Bits) limit = std::min(limit, (1 << place.width) - 1);
        o[id] = pick(0, limit);
    }
    for (std::size_t slot = 0; slot < 2; ++slot) {
        if (pick(0, 3) == 0) {
            o.channelNumber[slot].reset();
        } else {
            o.channelNumber[slot] = static_cast<std::uint8_t>(pick(0, 128));
        }
        o.vfoFrequency[slot] = Frequency::FromDigits(static_cast<std::uint32_t>(rng()));
        o.vfoOffset[slot] = static_cast<std::uint32_t>(pick(0, 99'999'999));
    }
    o.characters[0] = std::string(static_cast<std::size_t>(pick(0, 6)), 'A' + pick(0, 25));
    o.characters[1] = std::to_string(pick(0, 9999));
    o[CheckId::ProhibitVoxInReceiving] = true;  // always written set
    for (std::size_t k = 0; k < kFmChannelCount; ++k) {
        if (pick(0, 2) == 0) continue;
        state.fm.channel[k] = 8700 + 10 * pick(0, 210);
        state.fmWindow.cell[k] = state.fm.channel[k];
    }
    state.fm.vfo = 8700 + 10 * pick(0, 210);
    return state;
}

TEST(SettingsValues, ComeBackFromTheirTextsAndTheirBytes) {
    std::mt19937 rng(20261210);
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE(round);
        ProgramState state = RandomSettings(rng);
        OptionalFeatures fromText = DefaultOptionalFeatures();
        for (std::size_t i = 0; i < kTextCount; ++i) {
            const auto id = static_cast<TextId>(i);
            SetCheckedSettingText(fromText, id, SettingText(state.options, id));
            EXPECT_EQ(SettingText(fromText, id), SettingText(state.options, id)) << Info(id).name;
        }
        EXPECT_EQ(fromText.channelNumber, state.options.channelNumber);
        EXPECT_EQ(fromText.vfoFrequency, state.options.vfoFrequency);
        EXPECT_EQ(fromText.vfoOffset, state.options.vfoOffset);
        EXPECT_EQ(fromText.characters, state.options.characters);

        EncodeImage(state);
        ProgramState decoded = StartupState(kChinese);
        decoded.RadioImage = state.EncodedImage;
        DecodeImage(decoded);
        EXPECT_EQ(decoded.options, state.options);
        EXPECT_EQ(decoded.fm.channel, state.fm.channel);
        EXPECT_EQ(decoded.fm.vfo, state.fm.vfo);
    }
}

}  // namespace
}  // namespace talvo
