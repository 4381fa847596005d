#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "exchange/channel_paste.h"
#include "exchange/channel_text_form.h"
#include "radio/state/program_state.h"
#include "rules/channel_clip_form.h"
#include "rules/channel_table.h"

namespace talvo {
namespace {

std::vector<std::string> English(const std::vector<Message>& lines) {
    std::vector<std::string> words;
    for (const Message& line : lines) words.push_back(Compose(line, {}));
    return words;
}

struct GridPasteTest : ::testing::Test {
    void SetUp() override {
        band = StartupState().band;
        for (int ch : {1, 2, 3, 10}) {
            ASSERT_EQ(CommitFrequency(stores, band, ch, kColRxFreq, ch == 3 ? "438.5" : "145.5"),
                      FrequencyCommit::Created);
            StoreName(stores, ch, "C" + std::to_string(ch));
        }
    }
    ChannelStores stores;
    BandState band;
};

// Whatever is pasted, and however, channels outside the rows shown never change, the channels
// pasted hold what fits the band, and a paste that says nothing fits or nothing is there
// changes nothing at all.
TEST_F(GridPasteTest, PasteKeepsHiddenRowsAndRefusalsUnchanged) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        ChannelList shown;
        for (int ch = 1; ch <= kChannelCount; ++ch) {
            if (random() % 4 != 0) shown.push_back(ch);
        }
        if (shown.empty()) continue;
        const int at = shown[random() % shown.size()];
        const ChannelList from = NormalizedChannels(
            {1 + static_cast<int>(random() % 12), 1 + static_cast<int>(random() % 12)});
        const bool own = random() % 2 == 0;
        const std::optional<CopiedChannels> copied =
            own ? std::optional(CopyChannels(stores, from)) : std::nullopt;
        const std::string text = ChannelsAsText(stores, band, from);
        const GridPaste paste = PasteIntoGrid(stores, band, at, shown, copied, text);
        if (paste.pasted.empty()) {
            EXPECT_EQ(paste.after, stores) << round;
        }
        std::vector<bool> inShown(kChannelCount + 1, false);
        for (int ch : shown) inShown[static_cast<std::size_t>(ch)] = true;
        for (int ch = 1; ch <= kChannelCount; ++ch) {
            if (!inShown[static_cast<std::size_t>(ch)]) {
                EXPECT_EQ(paste.after.at(ch), stores.at(ch)) << round << " channel " << ch;
            }
        }
        for (int ch : paste.pasted) EXPECT_TRUE(FitsBand(band, paste.after.at(ch))) << ch;
    }
}

TEST_F(GridPasteTest, PasteTellsWhatItCouldNotDo) {
    const ChannelList all = AllChannels();
    // Nothing a channel list is made of.
    EXPECT_EQ(English(PasteIntoGrid(stores, band, 5, all, std::nullopt, "hello").lines),
              std::vector<std::string>{"The clipboard holds no channels"});
    EXPECT_EQ(English(PasteIntoGrid(stores, band, 5, all, std::nullopt, std::nullopt).lines),
              std::vector<std::string>{"The clipboard holds no channels"});

    // Two channels from channel 128 on: past the table, or past the rows the find box shows.
    const CopiedChannels two = CopyChannels(stores, {1, 2});
    GridPaste paste = PasteIntoGrid(stores, band, 128, all, two, std::nullopt);
    EXPECT_EQ(English(paste.lines),
              std::vector<std::string>{"The channels do not fit below channel 128: nothing was "
                                       "pasted"});
    EXPECT_EQ(paste.after, stores);
    paste = PasteIntoGrid(stores, band, 20, {1, 20, 50}, two, std::nullopt);
    EXPECT_EQ(paste.pasted, (ChannelList{20, 50}));
    paste = PasteIntoGrid(stores, band, 50, {1, 20, 50}, two, std::nullopt);
    EXPECT_EQ(English(paste.lines),
              std::vector<std::string>{"The channels do not fit into the rows shown below: "
                                       "nothing was pasted"});

    // Rows of text: one outside the band keeps its target as it was and is named; one the
    // import refuses for another reason is reported on its own line.
    const std::string text = ChannelsAsText(stores, band, {1}) + "2\tLOW\t50.000000" +
                             std::string(18, '\t') + "\n3\tODD\t145.600000\n";
    paste = PasteIntoGrid(stores, band, 20, all, std::nullopt, text);
    EXPECT_EQ(
        English(paste.lines),
        (std::vector<std::string>{"Beyond the scope of frequency band", "Channels not pasted: 21",
                                  "line 4: refused: the row has 3 cells, the header 21"}));
    EXPECT_EQ(paste.after.at(21), stores.at(21));
    EXPECT_EQ(paste.after.at(20).name, "C1");
    EXPECT_EQ(paste.pasted, (ChannelList{20}));
}

TEST_F(GridPasteTest, InsertNamesWhyNoFreeChannelCanBeMade) {
    ChannelStores full = stores;
    for (int ch = 100; ch <= kChannelCount; ++ch) {
        ASSERT_NE(CommitFrequency(full, band, ch, kColRxFreq, "145.5"), FrequencyCommit::Refused);
    }
    ChannelStores after = full;
    const auto at = [&](int ch, const ChannelList& shown) {
        after = full;
        const auto refusal = InsertIntoGrid(after, ch, shown);
        return refusal ? Compose(*refusal, {}) : std::string();
    };
    EXPECT_EQ(at(128, AllChannels()), "Channel 128 is in use: no free channel can be inserted");
    EXPECT_EQ(at(100, AllChannels()),
              "Channels 100 to 128 are all in use: no free channel can be inserted");
    EXPECT_EQ(after, full);
    EXPECT_EQ(at(3, {3, 10, 100}),
              "No row shown from here on holds a free channel: clear the find box to insert one");
    // A free channel further on takes the pushed channels: channel 3 becomes free.
    EXPECT_EQ(at(3, AllChannels()), "");
    EXPECT_TRUE(after.isFree(3));
    EXPECT_EQ(after.at(4).name, "C3");
}

}  // namespace
}  // namespace talvo
