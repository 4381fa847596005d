#include <gtest/gtest.h>

#include "rules/fm_checks.h"

namespace talvo {
namespace {

TEST(FmEntryCheck, RangeRoundingAndNonNumbers) {
    struct Case {
        const char* typed;
        FmEntry outcome;
        const char* text;
    };
    for (const Case& c : {
             Case{"107.9", FmEntry::Accepted, "107.90"},
             Case{"87", FmEntry::Accepted, "87.00"},
             Case{"88.56", FmEntry::Accepted, "88.55"},
             Case{"88.54", FmEntry::Accepted, "88.50"},
             Case{"100.", FmEntry::Accepted, "100.00"},
             Case{"098.5", FmEntry::Accepted, "98.50"},
             Case{"108", FmEntry::OutOfRange, ""},
             Case{"86.9", FmEntry::OutOfRange, ""},
             Case{"107.91", FmEntry::OutOfRange, ""},
             Case{"107.90000000000000001", FmEntry::OutOfRange, ""},
             Case{"86.99999999999999999", FmEntry::OutOfRange, ""},
             Case{"", FmEntry::Empty, ""},
             Case{".", FmEntry::NotNumber, ""},
             Case{"98.5.1", FmEntry::NotNumber, ""},
             Case{"9x", FmEntry::NotNumber, ""},
         }) {
        const FmEntryCheck check = CheckFmEntry(c.typed);
        EXPECT_EQ(check.outcome, c.outcome) << c.typed;
        EXPECT_EQ(check.text, c.text) << c.typed;
    }
    EXPECT_EQ(FilterFmText("9a8.5-"), "98.5");
}

TEST(PresentChannel, OnlyWholeSixteenBitNumbersAreTaken) {
    struct Case {
        const char* text;
        std::optional<std::int16_t> value;
    };
    for (const Case& c : {
             Case{"16", 16},
             Case{" 7 ", 7},
             Case{"0", 0},
             Case{"-3", -3},
             Case{"+25", 25},
             Case{"32767", 32767},
             Case{"-32768", -32768},
             Case{"32768", std::nullopt},
             Case{"99999999999", std::nullopt},
             Case{"1.5", std::nullopt},
             Case{"abc", std::nullopt},
             Case{"", std::nullopt},
             Case{"-", std::nullopt},
             Case{"1 2", std::nullopt},
         }) {
        EXPECT_EQ(ParsePresentChannel(c.text), c.value) << c.text;
    }
}

}  // namespace
}  // namespace talvo
