#include <gtest/gtest.h>

#include "rules/options_checks.h"

namespace talvo {
namespace {

struct Case {
    const char* input;
    const char* expected;
};

TEST(ChannelNumberCheck, ClampsWhileTypingAndNormalisesOnLeaving) {
    for (const Case& c :
         {Case{"200", "128"}, Case{"129", "128"}, Case{"128", "128"}, Case{"12", "12"},
          Case{"", ""}, Case{"999", "128"}, Case{"128.00000000000000001", "128"}}) {
        EXPECT_EQ(ChannelNumberWhileTyping(c.input), c.expected) << c.input;
    }
    for (const Case& c : {Case{"007", "7"}, Case{"0", ""}, Case{"", ""}, Case{"000", ""},
                          Case{"1", "1"}, Case{"128", "128"}, Case{"12.9", "12"},
                          Case{"0.99999999999999999", ""}, Case{"5000000000", "1000000000"}}) {
        EXPECT_EQ(ChannelNumberOnLeave(c.input), c.expected) << c.input;
    }
}

TEST(VfoFrequencyCheck, InRangeIsSnappedOutOfRangeIsReset) {
    for (const Case& c :
         {Case{"174", "136.00000"}, Case{"136", "136.00000"}, Case{"135.99999", "136.00000"},
          Case{"145.0031", "145.00000"}, Case{"145.013", "145.01250"},
          Case{"173.99999", "173.99500"}, Case{"", "136.00000"}, Case{"400", "136.00000"}}) {
        EXPECT_EQ(VfoFrequencyOnLeave(TextId::AVfoFrequency, c.input), c.expected) << c.input;
    }
    for (const Case& c :
         {Case{"470", "400.00000"}, Case{"399.99999", "400.00000"}, Case{"438.5", "438.50000"},
          Case{"400", "400.00000"}, Case{"469.99999", "469.99500"}, Case{"145", "400.00000"}}) {
        EXPECT_EQ(VfoFrequencyOnLeave(TextId::BVfoFrequency, c.input), c.expected) << c.input;
    }
}

TEST(VfoFrequencyCheck, LeadingZerosAndSecondPointNeverReachThePackedText) {
    // The packed form needs exactly three integer digits.
    EXPECT_EQ(VfoFrequencyOnLeave(TextId::BVfoFrequency, "0438.5"), "438.50000");
    EXPECT_EQ(VfoFrequencyOnLeave(TextId::AVfoFrequency, "140.1.2"), "140.10000");
}

TEST(OffsetDataCheck, CappedSnappedAndShortest) {
    for (const Case& c : {Case{"150", "99.995"}, Case{"99.996", "99.995"}, Case{"10", "10"},
                          Case{"12.5", "12.5"}, Case{"0.6", "0.6"}, Case{"10.0031", "10"},
                          Case{"010", "10"}, Case{"", "0"}, Case{"5.00700", "5.00625"}}) {
        EXPECT_EQ(OffsetDataOnLeave(c.input), c.expected) << c.input;
    }
}

TEST(OptionsKeyFilter, EachFieldKeepsOnlyItsCharacters) {
    struct FilterCase {
        TextId field;
        const char* typed;
        const char* kept;
    };
    for (const FilterCase& c : {
             FilterCase{TextId::DisplayCharacter, "ab-1%*# z", "AB-1*#Z"},
             FilterCase{TextId::AChannelNumber, "1a2.", "12"},
             FilterCase{TextId::PowerOnPasswordDigits, "12a3*", "123"},
             FilterCase{TextId::BVfoFrequency, "43x8.5-", "438.5"},
             FilterCase{TextId::AVfoOffsetData, "0.6e", "0.6"},
             FilterCase{TextId::DisplayCharacter, "\xe4\xb8\xad", ""},  // multi-byte text
         }) {
        EXPECT_EQ(FilterOptionsText(c.field, c.typed), c.kept) << c.typed;
    }
    EXPECT_FALSE(EnterRunsLeaveCheck(TextId::DisplayCharacter));
    EXPECT_FALSE(EnterRunsLeaveCheck(TextId::PowerOnPasswordDigits));
    EXPECT_TRUE(EnterRunsLeaveCheck(TextId::BChannelNumber));
}

TEST(OptionsLeaveCheck, FieldsWithoutCheckKeepTheirText) {
    EXPECT_EQ(OptionsLeaveCheck(TextId::DisplayCharacter, "AB-1"), "AB-1");
    EXPECT_EQ(OptionsLeaveCheck(TextId::PowerOnPasswordDigits, "0"), "0");
    EXPECT_EQ(OptionsLeaveCheck(TextId::AChannelNumber, "0"), "");
}

}  // namespace
}  // namespace talvo
