// Sorting, finding, column edits and series fills over many channels, on random images.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "catalogue_words.h"
#include "channel_view.h"
#include "image_samples.h"
#include "radio/codecs/decode.h"
#include "radio/state/state_parts.h"
#include "rules/channel_fill.h"
#include "rules/channel_filter.h"
#include "rules/channel_sort.h"
#include "rules/channel_table.h"
#include "rules/column_edit.h"

namespace talvo {
namespace {

ProgramState RandomState(unsigned seed, Language lang) {
    ProgramState state = StartupState(lang);
    state.RadioImage = samples::ValidImageMaker(seed).make();
    DecodeImage(state);
    return state;
}

std::vector<ChannelRecord> Records(const ChannelStores& stores) {
    std::vector<ChannelRecord> out;
    for (int ch = 1; ch <= kChannelCount; ++ch) out.push_back(TakeChannel(stores, ch));
    return out;
}

ChannelList RandomChoice(std::mt19937& rng, int share) {
    ChannelList chosen;
    for (int ch = 1; ch <= kChannelCount; ++ch) {
        if (std::uniform_int_distribution<int>(0, 99)(rng) < share) chosen.push_back(ch);
    }
    return chosen;
}

// Sorting moves whole channels among the places it works over and nowhere else, in the
// column's order with the free channels last, and keeps equal values in their order.
TEST(ChannelSort, RandomImagesSortAsAPermutationOfThePlaces) {
    std::mt19937 rng(2026);
    for (unsigned seed = 1; seed <= 30; ++seed) {
        const ProgramState state = RandomState(seed, seed % 2 ? kEnglish : kChinese);
        const auto before = Records(state.channels);
        const int column = 1 + static_cast<int>(seed % 10);
        const SortOrder order = seed % 3 ? SortOrder::Ascending : SortOrder::Descending;
        const ChannelList places = SortPlaces(seed % 4 ? RandomChoice(rng, 30) : ChannelList{});
        ChannelStores sorted = state.channels;
        SortChannels(sorted, places, column, order);
        const auto after = Records(sorted);

        std::vector<ChannelRecord> was;
        std::vector<ChannelRecord> now;
        for (int ch = 1; ch <= kChannelCount; ++ch) {
            const auto i = static_cast<std::size_t>(ch - 1);
            if (std::binary_search(places.begin(), places.end(), ch)) {
                was.push_back(before[i]);
                now.push_back(after[i]);
            } else {
                ASSERT_EQ(after[i], before[i]) << "seed " << seed << " channel " << ch;
            }
        }
        // The same records, each channel whole.
        auto byBytes = [](const ChannelRecord& a, const ChannelRecord& b) {
            return std::tie(a.rx, a.tx, a.option, a.name, a.unlistedTone) <
                   std::tie(b.rx, b.tx, b.option, b.name, b.unlistedTone);
        };
        std::vector<ChannelRecord> a = was;
        std::vector<ChannelRecord> b = now;
        std::stable_sort(a.begin(), a.end(), byBytes);
        std::stable_sort(b.begin(), b.end(), byBytes);
        ASSERT_EQ(a, b) << "seed " << seed;

        // Free channels last; sorting again changes nothing (the order is total and stable).
        bool seenFree = false;
        for (const ChannelRecord& r : now) {
            if (IsFreeRecord(r)) seenFree = true;
            ASSERT_FALSE(seenFree && !IsFreeRecord(r)) << "seed " << seed;
        }
        ChannelStores again = sorted;
        EXPECT_FALSE(SortChannels(again, places, column, order)) << "seed " << seed;
    }
}

// The orders a user sees, column by column.
TEST(ChannelSort, ColumnOrders) {
    ProgramState state = StartupState(kEnglish);
    ChannelStores& s = state.channels;
    struct Row {
        const char* rx;
        const char* tx;
        int tone;
        int power;
        const char* name;
    };
    const std::vector<Row> rows = {
        {"440", "", 12, 1, "CH10"},       // 1
        {"145.5", "145.5", 0, 0, "CH2"},  // 2
        {"", "", 0, 0, ""},               // 3 free
        {"146", "146", 60, 2, ""},        // 4
        {"136", "136", 5, 1, "AB"},       // 5
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int ch = static_cast<int>(i) + 1;
        if (*rows[i].rx == 0) continue;
        CommitFrequency(s, state.band, ch, kColRxFreq, rows[i].rx);
        if (*rows[i].tx == 0) s.at(ch).tx.reset();
        CommitOption(s, ch, kColQtDqtDec, rows[i].tone);
        CommitOption(s, ch, kColPower, rows[i].power);
        StoreName(s, ch, rows[i].name);
    }
    const ChannelList five = {1, 2, 3, 4, 5};
    struct Case {
        int column;
        SortOrder order;
        std::vector<std::string> names;  // of places 1..5 after the sort ("-" free)
    };
    const std::vector<Case> cases = {
        {kColRxFreq, SortOrder::Ascending, {"AB", "CH2", "", "CH10", "-"}},
        {kColRxFreq, SortOrder::Descending, {"CH10", "", "CH2", "AB", "-"}},
        // No transmit frequency: after the others in either order.
        {kColTxFreq, SortOrder::Descending, {"", "CH2", "AB", "CH10", "-"}},
        {kColQtDqtDec, SortOrder::Ascending, {"CH2", "AB", "CH10", "", "-"}},
        // Low, Middle, High (list order is Low, High, Middle).
        {kColPower, SortOrder::Ascending, {"CH2", "", "CH10", "AB", "-"}},
        // Digits as numbers; no name after the names.
        {kColName, SortOrder::Ascending, {"AB", "CH2", "CH10", "", "-"}},
        {kColName, SortOrder::Descending, {"CH10", "CH2", "AB", "", "-"}},
    };
    for (const Case& c : cases) {
        ChannelStores sorted = s;
        SortChannels(sorted, five, c.column, c.order);
        std::vector<std::string> names;
        for (int ch = 1; ch <= 5; ++ch) {
            names.push_back(sorted.isFree(ch) ? "-" : sorted.at(ch).name);
        }
        EXPECT_EQ(names, c.names) << "column " << c.column;
    }
    // One chosen channel or none: the whole table, free channels moved to its end.
    EXPECT_EQ(SortPlaces({4}).size(), std::size_t{kChannelCount});
    ChannelStores all = s;
    SortChannels(all, SortPlaces({}), kColRxFreq, SortOrder::Ascending);
    for (int ch = 1; ch <= 4; ++ch) EXPECT_FALSE(all.isFree(ch));
    EXPECT_TRUE(all.isFree(5));
}

// Finding: every cell's text (any part of it, in either case) finds its channel, and every
// channel found shows the text.
TEST(ChannelFilter, RandomImagesFindWhatTheRowsShow) {
    std::mt19937 rng(7);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    for (unsigned seed = 1; seed <= 10; ++seed) {
        ProgramState state = RandomState(seed, seed % 2 ? kEnglish : kChinese);
        for (int probe = 0; probe < 200; ++probe) {
            const int ch = 1 + pick(kChannelCount);
            const int col = kColRxFreq + pick(kColName - kColRxFreq);  // the name column apart
            const std::string& text = CellText(state.channels, ch, col);
            if (text.empty()) continue;
            // A whole UTF-8 word or an ASCII slice of it.
            std::string needle = text;
            if (std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; })) {
                const auto from = static_cast<std::size_t>(pick(static_cast<int>(text.size())));
                needle = text.substr(
                    from, 1 + static_cast<std::size_t>(pick(static_cast<int>(text.size() - from))));
                for (char& c : needle) c = pick(2) ? static_cast<char>(std::tolower(c)) : c;
            }
            const ChannelList found =
                ChannelsShowingText(state.channels, needle, WordsIn(kEnglish));
            ASSERT_TRUE(std::binary_search(found.begin(), found.end(), ch))
                << "seed " << seed << " needle " << needle;
            for (int f : found)
                ASSERT_TRUE(ChannelShowsText(state.channels, f, needle, WordsIn(kEnglish)));
        }
    }
}

TEST(ChannelFilter, WordsNamesAndCase) {
    ProgramState state = StartupState(kChinese);
    ChannelStores& s = state.channels;
    CommitFrequency(s, state.band, 1, kColRxFreq, "446.00625");
    CommitFrequency(s, state.band, 2, kColRxFreq, "145.5");
    StoreName(s, 2, "pmr1");
    CommitOption(s, 2, kColPower, 0);
    CommitFrequency(s, state.band, 3, kColRxFreq, "146");
    s.at(3).name = "\xE9T";  // a name read from a radio: one byte per character
    struct Case {
        std::string text;
        ChannelList found;
    };
    const std::vector<Case> cases = {
        {"446.006", {1}}, {"  446.006 ", {1}}, {"PMR", {2}},       {"Pmr1", {2}},
        {"低", {2}},      {"高", {1, 3}},      {"\xC3\xA9t", {3}},  // é in UTF-8 finds the byte E9
        {"xyz", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChannelsShowingText(s, c.text, WordsIn(kChinese)), c.found) << c.text;
    }
    EXPECT_EQ(ChannelsShowingText(s, "", WordsIn(kChinese)).size(), std::size_t{kChannelCount});
}

// A column edit over random choices on random images: exactly the chosen channels that can
// take the value take it (each holds what typing it gives), the others are reported with
// their reason and stay whole, and no other channel changes.
TEST(ColumnEdit, RandomImagesChangeExactlyTheChannelsThatAccept) {
    std::mt19937 rng(99);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const std::vector<std::string> frequencies = {"145.0031", "440",   "470.996", "",
                                                  "136",      "1.2.3", "174.995"};
    const std::vector<std::string> names = {"abc", "CH 1", "TOOLONG", "", "A{B", "#Z9"};
    for (unsigned seed = 1; seed <= 40; ++seed) {
        const Language lang = seed % 2 ? kEnglish : kChinese;
        const ProgramState state = RandomState(seed, lang);
        const ChannelList chosen = RandomChoice(rng, 40);
        ColumnValue value;
        value.column = 1 + pick(10);
        if (value.column <= kColTxFreq) {
            value.text = frequencies[static_cast<std::size_t>(pick(7))];
        } else if (value.column == kColName) {
            value.text = names[static_cast<std::size_t>(pick(6))];
        } else {
            value.index = value.column <= kColQtDqtEnc ? pick(265) : pick(2);
        }
        ChannelStores after = state.channels;
        const ColumnEditResult result = ApplyColumnValue(after, state.band, chosen, value);

        std::map<int, EditRefusal> refused;
        for (const ChannelRefusal& r : result.refused) refused[r.channel] = r.reason;
        ChannelList reported = result.changed;
        reported.insert(reported.end(), result.unchanged.begin(), result.unchanged.end());
        for (const auto& [ch, reason] : refused) reported.push_back(ch);
        std::sort(reported.begin(), reported.end());
        ASSERT_EQ(reported, chosen) << "seed " << seed;

        for (int ch = 1; ch <= kChannelCount; ++ch) {
            const ChannelRecord was = TakeChannel(state.channels, ch);
            const ChannelRecord now = TakeChannel(after, ch);
            const bool isChosen = std::binary_search(chosen.begin(), chosen.end(), ch);
            if (!isChosen || refused.count(ch)) {
                ASSERT_EQ(now, was) << "seed " << seed << " channel " << ch;
                continue;
            }
            // Typing the value into this one channel gives the same channel.
            ChannelStores typed = state.channels;
            if (value.column <= kColTxFreq) {
                CommitFrequency(typed, state.band, ch, value.column, value.text);
            } else if (value.column == kColName) {
                StoreName(typed, ch, value.text == "abc" ? "ABC" : value.text);
            } else {
                const std::string word =
                    value.column <= kColQtDqtEnc
                        ? Render(ToneName(value.index), lang)
                        : Render(EntryWord(*FieldOfColumn(value.column), value.index), lang);
                CommitOption(typed, ch, value.column, value.index);
            }
            ASSERT_EQ(now, TakeChannel(typed, ch)) << "seed " << seed << " channel " << ch;
            const bool listed =
                std::binary_search(result.changed.begin(), result.changed.end(), ch);
            ASSERT_EQ(listed, !(now == was));
        }
        // The reasons: a free channel takes nothing but a receive frequency; a frequency
        // refuses only outside the band; a name only when typing could not give it.
        for (const auto& [ch, reason] : refused) {
            if (reason == EditRefusal::FreeChannel) {
                EXPECT_TRUE(state.channels.isFree(ch));
                EXPECT_NE(value.column, kColRxFreq);
            } else if (reason == EditRefusal::OutOfBand) {
                EXPECT_TRUE(BandCheckedFrequency(state.band, value.text).empty());
            } else {
                EXPECT_EQ(value.column, kColName);
                EXPECT_TRUE(value.text == "CH 1" || value.text == "TOOLONG" || value.text == "A{B");
            }
        }
    }
}

TEST(ColumnEdit, ChannelRangesText) {
    const std::vector<std::pair<ChannelList, std::string>> cases = {
        {{}, ""},
        {{7}, "7"},
        {{1, 2}, "1, 2"},
        {{3, 1, 2, 5, 17, 18, 19, 128}, "1-3, 5, 17-19, 128"},
    };
    for (const auto& [list, text] : cases) EXPECT_EQ(ChannelRangesText(list), text);
}

// A series as the user asks for it, and its faults.
TEST(ChannelFill, SeriesAndTheirChecks) {
    ProgramState state = StartupState(kEnglish);  // band 136-174.995, 400-470.995 MHz
    ChannelStores& s = state.channels;
    CommitFrequency(s, state.band, 2, kColRxFreq, "145.5");
    StoreName(s, 2, "OLD");
    struct Case {
        const char* what;
        FillSeries series;
        ChannelList channels;
        FillProblem problem;
        std::vector<std::string> rows;  // "rx tx name" or "!reason"
    };
    auto series = [](bool rx, const char* start, const char* step, TxFill tx, const char* offset,
                     const char* pattern, int first) {
        FillSeries f;
        f.fillRx = rx;
        f.rxStartMhz = start;
        f.rxStepKhz = step;
        f.tx = tx;
        f.txOffsetMhz = offset;
        f.fillNames = *pattern != 0;
        f.namePattern = pattern;
        f.firstNumber = first;
        return f;
    };
    const std::vector<Case> cases = {
        {"PMR channels",
         series(true, "446.00625", "12.5", TxFill::SameAsRx, "", "PMR{n:02}", 1),
         {1, 2, 3},
         FillProblem::None,
         {"446.00625 446.00625 PMR01", "446.01875 446.01875 PMR02", "446.03125 446.03125 PMR03"}},
        {"a repeater offset and a descending step",
         series(true, "145.8", "-25", TxFill::Offset, "-0.6", "", 1),
         {5, 9},
         FillProblem::None,
         {"145.80000 145.20000 ", "145.77500 145.17500 "}},
        {"names only: a free channel refuses, a used one keeps its frequencies",
         series(false, "", "", TxFill::Keep, "", "ch{n}", 99),
         {1, 2},
         FillProblem::None,
         {"!free", "145.50000 145.50000 CH100"}},
        {"names too long for some channels",
         series(true, "440", "5", TxFill::Keep, "", "PMR{n}", 99),
         {1, 2},
         FillProblem::None,
         {"440.00000 440.00000 PMR99", "!long"}},
        {"the series runs out of the band",
         series(true, "470.975", "12.5", TxFill::Keep, "", "", 1),
         {1, 2, 3},
         FillProblem::None,
         {"470.97500 470.97500 ", "470.98750 145.50000 OLD", "!band"}},
        {"an offset out of the band",
         series(true, "174", "5", TxFill::Offset, "+1", "", 1),
         {1},
         FillProblem::None,
         {"!band"}},
        {"bad start",
         series(true, "4x6", "5", TxFill::Keep, "", "", 1),
         {1},
         FillProblem::BadStart,
         {}},
        {"bad step",
         series(true, "446", "", TxFill::Keep, "", "", 1),
         {1},
         FillProblem::BadStep,
         {}},
        {"bad offset",
         series(true, "446", "5", TxFill::Offset, "5..", "", 1),
         {1},
         FillProblem::BadOffset,
         {}},
        {"unknown field",
         series(false, "", "", TxFill::Keep, "", "A{x}", 1),
         {1},
         FillProblem::BadPattern,
         {}},
        {"a space",
         series(false, "", "", TxFill::Keep, "", "A {n}", 1),
         {1},
         FillProblem::BadPattern,
         {}},
        {"nothing",
         series(false, "", "", TxFill::Keep, "", "", 1),
         {1},
         FillProblem::NothingToFill,
         {}},
    };
    for (const Case& c : cases) {
        const FillPlan plan = PlanFill(s, state.band, c.channels, c.series);
        EXPECT_EQ(plan.problem, c.problem) << c.what;
        std::vector<std::string> rows;
        for (const FillRow& r : plan.rows) {
            if (r.refusal) {
                rows.push_back(*r.refusal == EditRefusal::FreeChannel ? "!free"
                               : *r.refusal == EditRefusal::OutOfBand ? "!band"
                                                                      : "!long");
            } else {
                rows.push_back(r.rx + " " + r.tx + " " + r.name);
            }
        }
        EXPECT_EQ(rows, c.rows) << c.what;

        // Applying gives exactly the preview, and refused channels stay whole.
        ChannelStores after = s;
        ApplyFill(after, state.band, plan);
        for (const FillRow& r : plan.rows) {
            const auto i = static_cast<std::size_t>(r.channel - 1);
            if (r.refusal) {
                EXPECT_EQ(TakeChannel(after, r.channel), TakeChannel(s, r.channel)) << c.what;
                continue;
            }
            EXPECT_EQ(FrequencyText(after.at((i) + 1).rx), r.rx) << c.what;
            EXPECT_EQ(FrequencyText(after.at((i) + 1).tx), r.tx) << c.what;
            EXPECT_EQ(after.at((i) + 1).name, r.name) << c.what;
            EXPECT_EQ(CellText(after, r.channel, kColRxFreq), r.rx) << c.what;
            EXPECT_EQ(CellText(after, r.channel, kColName), r.name) << c.what;
        }
    }
}

TEST(ChannelFill, ParseScaled) {
    const std::vector<std::tuple<const char*, int, std::optional<std::int64_t>>> cases = {
        {"12.5", 3, 12500},         {"-0.6", 6, -600000},        {"+5", 6, 5000000},
        {"6.25", 3, 6250},          {"446.00625", 6, 446006250}, {"1.00001", 3, std::nullopt},
        {"1.0000", 3, 1000},        {"", 3, std::nullopt},       {".", 3, std::nullopt},
        {"1.2.3", 3, std::nullopt}, {"1e3", 3, std::nullopt},    {"-", 3, std::nullopt},
    };
    for (const auto& [text, decimals, value] : cases) {
        EXPECT_EQ(ParseScaled(text, decimals), value) << text;
    }
}

}  // namespace
}  // namespace talvo
