#include <gtest/gtest.h>

#include "catalogue_words.h"
#include "channel_view.h"
#include "radio/state/channel_lists.h"
#include "radio/state/options.h"
#include "radio/state/program_state.h"
#include "radio/state/tone_list.h"

namespace talvo {
namespace {

// Every stored flag comes back as it was: 0 and 1 as Chinese and English, any other value as a
// code that is no language; every further language is stored as 1.
TEST(Language, StoredFlagsComeBackAsTheyWere) {
    for (int f = -32768; f <= 32767; ++f) {
        const auto flag = static_cast<LanguageFlagValue>(f);
        const Language lang = LanguageOfFlag(flag);
        ASSERT_EQ(LanguageFlagOf(lang), flag);
        ASSERT_EQ(IsKnownLanguage(lang), f == 0 || f == 1);
    }
    EXPECT_EQ(LanguageOfFlag(0), kChinese);
    EXPECT_EQ(LanguageOfFlag(1), kEnglish);
    EXPECT_EQ(LanguageFlagOf(Language("es")), 1);
}

TEST(ToneList, EntriesFollowListOrderAndLanguageOnlyForOff) {
    EXPECT_EQ(Render(ToneName(0), kChinese), "关闭");
    EXPECT_EQ(Render(ToneName(0), kEnglish), "Off");
    EXPECT_EQ(Render(ToneName(1), kEnglish), "67.0");
    EXPECT_EQ(Render(ToneName(50), kEnglish), "254.1");
    EXPECT_EQ(Render(ToneName(51), kChinese), "D017N");
    EXPECT_EQ(Render(ToneName(52), kEnglish), "D023N");
    EXPECT_EQ(Render(ToneName(157), kEnglish), "D754N");
    EXPECT_EQ(Render(ToneName(158), kEnglish), "D017I");
    EXPECT_EQ(Render(ToneName(264), kEnglish), "D754I");
    EXPECT_EQ(Render(ToneName(265), kEnglish), "");
    EXPECT_EQ(Render(ToneName(-1), kEnglish), "");
}

TEST(OptionalFeatures, WindowDefaultsAndListTexts) {
    const OptionalFeatures o = DefaultOptionalFeatures();
    EXPECT_EQ(o[ListId::ADisplayMode], 0);
    EXPECT_EQ(o[ListId::BDisplayMode], 1);
    EXPECT_EQ(o[ListId::SquelchLevel], 5);
    EXPECT_EQ(o[ListId::TimeOutTimer], 2);
    EXPECT_EQ(o[ListId::AStepFrequency], 4);
    EXPECT_EQ(o[ListId::AVfoCallTone], 4);
    EXPECT_EQ(SettingText(o, TextId::AVfoFrequency), "136.00000");
    EXPECT_EQ(SettingText(o, TextId::BVfoFrequency), "400.00000");
    EXPECT_EQ(SettingText(o, TextId::AVfoOffsetData), "10.00000");
    EXPECT_FALSE(o[CheckId::AllowToCancelOperating]);
    EXPECT_EQ(ListSize(ListId::AutoPowerOff), 16);
    EXPECT_EQ(Render(ListEntry(ListId::AutoPowerOff, 3), kEnglish), "3 Hour");
    EXPECT_EQ(Render(ListEntry(ListId::AutoPowerOff, 3), kChinese), "3 小时");
    EXPECT_EQ(Render(ListEntry(ListId::TimeOutTimer, 7), kEnglish), "7 Minute");
    EXPECT_EQ(Render(ListEntry(ListId::TimeOutTimer, 0), kChinese), "关闭");
    EXPECT_EQ(ListSize(ListId::BVfoQtDqtEnc), kToneCount);
    EXPECT_EQ(Render(ListEntry(ListId::AVfoQtDqtDec, 0), kChinese), "关闭");
    EXPECT_EQ(Render(ListEntry(ListId::VoxGainLevel, 0), kEnglish), "1");
    EXPECT_EQ(Render(ListEntry(ListId::SquelchLevel, 9), kEnglish), "9");
}

TEST(OptionalFeatures, ListWithoutSelectionShowsNoEntry) {
    OptionalFeatures o = DefaultOptionalFeatures();
    o[ListId::ScanMode] = -1;
    EXPECT_EQ(Render(o.displayed(ListId::ScanMode), kEnglish), "");
    EXPECT_EQ(Render(o.displayed(ListId::MainChannel), kEnglish), "A Group");
}

TEST(ChannelStores, ClearNOEmptiesRowAndStores) {
    ProgramState s = StartupState();
    s.channels.at(5).rx = FrequencyOrNone("145.00000");
    s.channels.at(5).tx = FrequencyOrNone("145.60000");
    s.channels.at(5).option[2] = 2;
    s.channels.at(5).name = "ABC";
    ClearNO(s.channels, 5);
    EXPECT_TRUE(s.channels.isFree(5));
    EXPECT_EQ(FrequencyText(s.channels.at(5).tx), "");
    EXPECT_EQ(s.channels.at(5).option[2], 0);
    EXPECT_EQ(CellText(s.channels, 5, 5), "");
    EXPECT_EQ(s.channels.at(5).name, "");
    EXPECT_EQ(CellText(s.channels, 5, kColName), "");
    ClearNO(s.channels, 0);  // out of range: nothing happens
    ClearNO(s.channels, 129);
}

TEST(BandState, LimitsLowerInclusiveUpperExclusive) {
    BandState b;
    auto mhz = [](const char* text) { return DecimalNumber::Leading(text); };
    ASSERT_TRUE(b.select(0));
    EXPECT_TRUE(b.contains(mhz("136.0")));
    EXPECT_TRUE(b.contains(mhz("174.995")));
    EXPECT_FALSE(b.contains(mhz("174.996")));
    EXPECT_FALSE(b.contains(mhz("175.0")));
    EXPECT_FALSE(b.contains(mhz("399.99999")));
    EXPECT_TRUE(b.contains(mhz("470.995")));
    EXPECT_FALSE(b.contains(mhz("470.996")));
    ASSERT_TRUE(b.select(1));
    EXPECT_TRUE(b.contains(mhz("145.99999")));
    EXPECT_FALSE(b.contains(mhz("146.0")));
    EXPECT_FALSE(b.select(5));
    EXPECT_FALSE(b.select(255));
    EXPECT_EQ(b.index, 1);
    EXPECT_EQ(b.BandAHigh, 14'600'000);
}

TEST(StartupState, PowerGradesAndFmRecord) {
    const ProgramState s = StartupState(kChinese);
    EXPECT_EQ(s.language, kChinese);
    EXPECT_EQ(s.powerGrades, (PowerGrades{218, 218, 116, 218, 218, 116}));
    EXPECT_EQ(s.fm.PresentChannel, 0);
    EXPECT_EQ(s.fmWindow.presentChannel, 0);
    EXPECT_EQ(s.dtmf.FirstDigitalDelay, 6);
    EXPECT_EQ(s.band.index, 0);
    for (auto b : s.EncodedImage) ASSERT_EQ(b, 0);
}

}  // namespace
}  // namespace talvo
