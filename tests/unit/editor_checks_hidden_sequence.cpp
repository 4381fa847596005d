#include <gtest/gtest.h>

#include <set>

#include "rules/hidden_sequence.h"

namespace talvo {
namespace {

TEST(HiddenSequenceCaptions, NineDistinctShownCaptionsOfTheFunctionPage) {
    std::set<ListId> all;
    for (int s = 0; s < kHiddenSequenceCount; ++s) {
        const auto sequence = static_cast<HiddenSequence>(s);
        for (int slot = 0; slot < 3; ++slot) {
            const ListId id = HiddenSequenceCaptions(sequence)[static_cast<std::size_t>(slot)];
            all.insert(id);
            const OptionsArea area = Info(id).area;
            EXPECT_TRUE(area == OptionsArea::FunctionLeft || area == OptionsArea::FunctionRight);
            EXPECT_TRUE(Info(id).shown);
            const auto found = FindHiddenCaption(id);
            ASSERT_TRUE(found);
            EXPECT_EQ(found->sequence, sequence);
            EXPECT_EQ(found->slot, slot);
        }
    }
    EXPECT_EQ(all.size(), 9u);
    EXPECT_FALSE(FindHiddenCaption(ListId::MainChannel));
}

TEST(HiddenSequence, ThreeCaptionsWithinFiveSecondsUnlock) {
    HiddenModeSequence s;
    EXPECT_FALSE(RegisterHiddenClick(s, 2, 1000));
    EXPECT_FALSE(RegisterHiddenClick(s, 0, 1003));
    EXPECT_FALSE(RegisterHiddenClick(s, 0, 1004));  // the same caption twice counts once
    EXPECT_TRUE(RegisterHiddenClick(s, 1, 1005));
    EXPECT_TRUE(s.unlocked);
    // Every later click within the window applies the effect again.
    EXPECT_TRUE(RegisterHiddenClick(s, 0, 1005));
}

TEST(HiddenSequence, LateThirdClickRestartsTheCountFromItself) {
    HiddenModeSequence s;
    RegisterHiddenClick(s, 0, 500);
    RegisterHiddenClick(s, 1, 503);
    EXPECT_FALSE(RegisterHiddenClick(s, 2, 506));
    EXPECT_FALSE(s.unlocked);
    EXPECT_EQ(s.startSecond, 506);
    EXPECT_FALSE(RegisterHiddenClick(s, 0, 507));
    EXPECT_TRUE(RegisterHiddenClick(s, 1, 511));
}

TEST(HiddenSequence, UnlockedSequenceStaysUnlockedOnALateClick) {
    HiddenModeSequence s;
    for (int slot = 0; slot < 3; ++slot) RegisterHiddenClick(s, slot, 10);
    ASSERT_TRUE(s.unlocked);
    EXPECT_FALSE(RegisterHiddenClick(s, 0, 100));  // late: no effect for this click
    EXPECT_TRUE(s.unlocked);
    EXPECT_TRUE(RegisterHiddenClick(s, 1, 101));
    RelockHiddenSequence(s);
    EXPECT_FALSE(s.unlocked);
    EXPECT_EQ(s.clicked, (std::array<bool, 3>{}));
}

TEST(HiddenSequence, AnAttemptAcrossMidnightKeepsItsFewSeconds) {
    HiddenModeSequence s;
    RegisterHiddenClick(s, 0, kSecondsPerDay - 2);
    RegisterHiddenClick(s, 1, 0);
    EXPECT_TRUE(RegisterHiddenClick(s, 2, 2));

    // A click a long time after a start late in the day is not within the window.
    HiddenModeSequence late;
    RegisterHiddenClick(late, 0, kSecondsPerDay - 2);
    RegisterHiddenClick(late, 1, kSecondsPerDay - 1);
    EXPECT_FALSE(RegisterHiddenClick(late, 2, 600));
}

TEST(HiddenSequence, TimeOfDayToTheNearestSecond) {
    EXPECT_EQ(WholeSecondsSinceMidnight(1499), 1);
    EXPECT_EQ(WholeSecondsSinceMidnight(1500), 2);
    EXPECT_EQ(WholeSecondsSinceMidnight(86'399'600), 0);
}

}  // namespace
}  // namespace talvo
