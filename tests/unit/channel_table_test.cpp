#include "rules/channel_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue_words.h"
#include "channel_view.h"
#include "radio/state/channel_lists.h"
#include "radio/state/program_state.h"

namespace talvo {
namespace {

BandState Band(int index) {
    BandState band;
    band.select(index);
    return band;
}

struct BandCase {
    int band;
    const char* typed;
    const char* stored;  // empty: refused
};

TEST(ChannelTableFrequency, BandLimitsRasterAndMalformedEntries) {
    const std::vector<BandCase> cases = {
        // lower limits inclusive, upper limits exclusive
        {0, "136", "136.00000"},
        {0, "174.995", "174.99500"},
        {0, "174.996", ""},
        {0, "175", ""},
        {0, "399.99999", ""},
        {0, "400", "400.00000"},
        {0, "470.995", "470.99500"},
        {0, "470.996", ""},
        {0, "135.99999", ""},
        {1, "145.99999", "145.99500"},
        {1, "146", ""},
        {1, "440", ""},
        {3, "245.995", "245.99500"},
        {3, "246", ""},
        {4, "526.995", "526.99500"},
        // snapped down to the nearer of the 5 kHz and 6.25 kHz points below
        {0, "145.0031", "145.00000"},
        {0, "145.013", "145.01250"},
        {0, "145.0125", "145.01250"},
        {0, "145.005", "145.00500"},
        {0, "145.007", "145.00625"},
        {0, "145.", "145.00000"},
        {0, "0145.5", "145.50000"},
        // rounded to 10 Hz, half up, before the raster; the band sees the value as typed
        {0, "145.006244", "145.00500"},
        {0, "145.006245", "145.00625"},
        {0, "174.995005", "174.99500"},
        {0, "174.99500999999999999", "174.99500"},
        {0, "135.99999999999999999", ""},
        // not one number
        {0, "145.1.2", ""},
        {0, "1.45.5", ""},
        {0, ".", ""},
        {0, "", ""},
    };
    for (const BandCase& c : cases) {
        EXPECT_EQ(BandCheckedFrequency(Band(c.band), c.typed), c.stored)
            << "band " << c.band << " typed " << c.typed;
    }
}

TEST(ChannelTableFrequency, FreeRowGetsDefaultsInEachLanguage) {
    struct LangCase {
        Language lang;
        std::vector<std::string> texts;  // columns 3..9
    };
    const std::vector<LangCase> cases = {
        {kChinese, {"关闭", "关闭", "高", "关", "使能", "宽带", "关"}},
        {kEnglish, {"Off", "Off", "High", "Off", "On", "Wide", "Off"}},
    };
    for (const LangCase& c : cases) {
        ProgramState s = StartupState(c.lang);
        EXPECT_EQ(CommitFrequency(s.channels, s.band, 7, kColRxFreq, "145.5"),
                  FrequencyCommit::Created);
        EXPECT_EQ(CellText(s.channels, 7, 1), "145.50000");
        EXPECT_EQ(CellText(s.channels, 7, 2), "145.50000");
        EXPECT_EQ(FrequencyText(s.channels.at(7).rx), "145.50000");
        EXPECT_EQ(FrequencyText(s.channels.at(7).tx), "145.50000");
        const std::vector<int> indexes = {0, 0, 1, 1, 1, 1, 1};
        for (int col = 3; col <= 9; ++col) {
            const auto k = static_cast<std::size_t>(col - 3);
            EXPECT_EQ(CellText(s.channels, 7, col, c.lang), c.texts[k]) << "column " << col;
            EXPECT_EQ(s.channels.at(7).option[k], indexes[k]) << "column " << col;
        }
        EXPECT_EQ(CellText(s.channels, 7, 10), "");
        EXPECT_EQ(s.channels.at(7).name, "");
        // neighbours untouched
        EXPECT_TRUE(s.channels.isFree(6));
        EXPECT_TRUE(s.channels.isFree(8));
    }
}

ProgramState WithChannel(int ch) {
    ProgramState s = StartupState(kEnglish);
    CommitFrequency(s.channels, s.band, ch, kColRxFreq, "145.5");
    CommitFrequency(s.channels, s.band, ch, kColTxFreq, "146.1");
    CommitOption(s.channels, ch, kColQtDqtDec, 1);
    CommitOption(s.channels, ch, kColPower, 2);
    StoreName(s.channels, ch, "ABC");
    return s;
}

TEST(ChannelTableFrequency, ExistingChannelChangesOnlyTheEditedFrequency) {
    ProgramState s = WithChannel(3);
    EXPECT_EQ(CommitFrequency(s.channels, s.band, 3, kColRxFreq, "150"), FrequencyCommit::Stored);
    EXPECT_EQ(CellText(s.channels, 3, 1), "150.00000");
    EXPECT_EQ(FrequencyText(s.channels.at(3).rx), "150.00000");
    EXPECT_EQ(CellText(s.channels, 3, 2), "146.10000");
    EXPECT_EQ(FrequencyText(s.channels.at(3).tx), "146.10000");
    EXPECT_EQ(CellText(s.channels, 3, 3), "67.0");
    EXPECT_EQ(s.channels.at(3).option[0], 1);
    EXPECT_EQ(CellText(s.channels, 3, 5), "Middle");
    EXPECT_EQ(s.channels.at(3).option[2], 2);
    EXPECT_EQ(s.channels.at(3).name, "ABC");

    // refused and empty transmit entries leave everything as it was
    const ChannelStores before = s.channels;
    EXPECT_EQ(CommitFrequency(s.channels, s.band, 3, kColTxFreq, "300"), FrequencyCommit::Refused);
    EXPECT_EQ(CommitFrequency(s.channels, s.band, 3, kColRxFreq, "1.2.3"),
              FrequencyCommit::Refused);
    EXPECT_EQ(CommitFrequency(s.channels, s.band, 3, kColTxFreq, ""), FrequencyCommit::Unchanged);
    EXPECT_TRUE(s.channels == before);
}

TEST(ChannelTableFrequency, ClearingReceiveFrequencyDeletesTheWholeChannel) {
    ProgramState s = WithChannel(3);
    EXPECT_EQ(CommitFrequency(s.channels, s.band, 3, kColRxFreq, ""), FrequencyCommit::Deleted);
    EXPECT_TRUE(s.channels.isFree(3));
    for (int col = 1; col <= 10; ++col) EXPECT_EQ(CellText(s.channels, 3, col), "") << col;
    EXPECT_EQ(FrequencyText(s.channels.at(3).tx), "");
    EXPECT_EQ(s.channels.at(3).name, "");
    for (std::size_t k = 0; k < 8; ++k) {
        EXPECT_EQ(s.channels.at(3).option[k], 0);
        EXPECT_EQ(CellText(s.channels, 3, (k) + 3), "");
    }
}

TEST(ChannelTableEditing, FreeRowOpensOnReceiveFrequency) {
    ProgramState s = WithChannel(3);
    EXPECT_EQ(EditorColumn(s.channels, 4, 7), 1);
    EXPECT_EQ(EditorColumn(s.channels, 4, 10), 1);
    EXPECT_EQ(EditorColumn(s.channels, 3, 7), 7);
    EXPECT_EQ(EditorColumn(s.channels, 3, 10), 10);
    EXPECT_EQ(EditorColumn(s.channels, 3, 0), 0);
    EXPECT_EQ(EditorColumn(s.channels, 129, 1), 0);
}

TEST(ChannelTableEditing, NamesDropFillersAndEmptyNameClearsCell) {
    ProgramState s = WithChannel(3);
    StoreName(s.channels, 3,
              "AB\xff"
              "C");
    EXPECT_EQ(s.channels.at(3).name, "ABC");
    StoreName(s.channels, 3, "");
    EXPECT_EQ(s.channels.at(3).name, "");
    EXPECT_EQ(CellText(s.channels, 3, 10), "");
}

TEST(ChannelTableRefresh, WordsFollowTheLanguageShownAndValuesStay) {
    ProgramState s = WithChannel(3);
    CommitFrequency(s.channels, s.band, 5, kColRxFreq, "150");  // defaults, "Wide"
    CommitOption(s.channels, 5, kColQtDqtEnc, 264);
    // a free channel whose name came from the radio
    s.channels.at(10).name = "FREE";
    const std::vector<std::string> zh = {"关闭", "D754I", "高", "关", "使能", "宽带", "关"};
    const std::vector<std::string> fresh = {"Off", "D754I", "High", "Off", "On", "Wide", "Off"};
    for (int col = 3; col <= 9; ++col) {
        const auto k = static_cast<std::size_t>(col - 3);
        EXPECT_EQ(CellText(s.channels, 5, col, kChinese), zh[k]) << col;
        EXPECT_EQ(CellText(s.channels, 5, col, kEnglish), fresh[k]) << col;
    }
    EXPECT_EQ(CellText(s.channels, 3, 4, kChinese), "关闭");
    EXPECT_EQ(CellText(s.channels, 3, 5, kChinese), "中");
    EXPECT_EQ(CellText(s.channels, 3, 5, kEnglish), "Middle");
    EXPECT_EQ(CellText(s.channels, 10, 10), "FREE");

    // Drawn afresh, the new channel's band column reads as the list has it; nothing else moves.
    const ChannelStores before = s.channels;
    ForgetShownWords(s.channels);
    EXPECT_EQ(CellText(s.channels, 5, kColBand, kEnglish), "wide");
    ChannelStores expected = before;
    for (int ch : {3, 5}) expected.at(ch).bandShowsNewChannelWord = false;  // both typed in
    EXPECT_TRUE(s.channels == expected);
}

TEST(ChannelTableRefresh, StartFormEmptiesEveryChannel) {
    ProgramState s = WithChannel(1);
    CommitFrequency(s.channels, s.band, 128, kColRxFreq, "440");
    StartForm(s.channels);
    const ChannelStores empty = StartupState(kEnglish).channels;
    EXPECT_TRUE(s.channels == empty);
}

struct EntryCase {
    EntryKind kind;
    std::u32string before;
    std::u32string after;
    std::u32string text;
    std::size_t cursor;
};

TEST(ChannelTableEntry, TypingAndPasteFilters) {
    using K = EntryKind;
    const std::vector<EntryCase> cases = {
        {K::Name, U"AB", U"ABc", U"ABC", 3},
        {K::Name, U"", U"abc", U"ABC", 3},            // pasted
        {K::Name, U"ABCDE", U"ABCDEF", U"ABCDE", 5},  // no sixth character
        {K::Name, U"AB", U"AB ", U"AB", 2},           // no space
        {K::Name, U"AB", U"A!B", U"AB", 1},           // "!" (33) dropped
        {K::Name, U"", U"#z{~", U"#Z", 2},            // 35 kept, 123 and 126 dropped
        {K::Name, U"AB", U"A中B", U"AB", 1},
        {K::Name, U"", U"a b-c-d-e", U"AB-C-", 5},  // filtered, then cut at the limit
        {K::Name, U"ABC", U"AC", U"AC", 1},         // deletions always pass
        // a decoded name longer than the limit keeps its characters and cannot grow
        {K::Name, U"A B\u00e9CDEF", U"A B\u00e9CDEFG", U"A B\u00e9CDEF", 8},
        {K::Name, U"A B\u00e9CDEF", U"A B\u00e9CDEG", U"A B\u00e9CDEG", 8},
        {K::Name, U"A B\u00e9CDEF", U"A B\u00e9CDE", U"A B\u00e9CDE", 7},
        {K::Frequency, U"145", U"145.", U"145.", 4},
        {K::Frequency, U"145", U"145a", U"145", 3},
        {K::Frequency, U"", U" 14-5.5x", U"145.5", 5},
        {K::Frequency, U"145.12500", U"145.125001", U"145.12500", 9},
        {K::Frequency, U"", U"1234567890", U"123456789", 9},
    };
    for (const EntryCase& c : cases) {
        const FilteredEntry out = FilterEntry(c.kind, c.before, c.after);
        EXPECT_TRUE(out.text == c.text) << "case " << (&c - cases.data());
        EXPECT_EQ(out.cursor, c.cursor) << "case " << (&c - cases.data());
    }
}

}  // namespace
}  // namespace talvo
