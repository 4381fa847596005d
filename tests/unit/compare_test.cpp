#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "catalogue_words.h"
#include "channel_view.h"
#include "compare/byte_compare.h"
#include "compare/change_list.h"
#include "image_samples.h"
#include "radio/codecs/encode.h"
#include "radio/fields/channel_fields.h"

namespace talvo::compare {
namespace {

// `base` decoded, changed by `edit`, encoded over a copy of `base`.
ImageBytes Edited(const ImageBytes& base, const std::function<void(ProgramState&)>& edit) {
    ProgramState state = DecodedState(base);
    edit(state);
    state.EncodedImage = base;
    EncodeImage(state);
    return state.EncodedImage;
}

int FirstChannel(const ProgramState& state, bool used) {
    for (int ch = 1; ch <= kChannelCount; ++ch)
        if (state.channels.isFree(ch) != used) return ch;
    return 0;
}

struct OneField {
    const char* what;
    std::function<void(ProgramState&)> edit;
    Change::Area area;
    std::string field;
    std::string before, after;  // empty: not checked
};

// One field of each kind changed: exactly one change, named, old and new as the windows
// show them; in both languages one line.
TEST(ChangeList, ImagesThatDifferInOneFieldOfEachKind) {
    for (const unsigned seed : {1u, 7u, 42u}) {
        const ImageBytes base = samples::ValidImageMaker(seed).make();
        const ProgramState before = DecodedState(base);
        const int used = FirstChannel(before, true);
        ASSERT_GT(used, 0);
        const auto u = static_cast<std::size_t>(used - 1);
        const int oldPower = before.channels.at((u) + 1).option[2];
        const int newPower = (oldPower + 1) % 3;
        const int oldBeep = before.options[ListId::Beep];
        const int oldGrade = before.powerGrades[4];
        const std::vector<OneField> cases = {
            {"channel column",
             [&](ProgramState& s) {
                 s.channels.at((u) + 1).option[2] = static_cast<std::int16_t>(newPower);
             },
             Change::Area::Channel, "Power",
             Render(EntryWord(*FieldOfColumn(kColPower), oldPower), kEnglish),
             Render(EntryWord(*FieldOfColumn(kColPower), newPower), kEnglish)},
            {"channel name", [&](ProgramState& s) { s.channels.at((u) + 1).name = "ZQX9"; },
             Change::Area::Channel, "Channel Name", "", "ZQX9"},
            {"setting", [&](ProgramState& s) { s.options[ListId::Beep] = 1 - oldBeep; },
             Change::Area::Setting, "Beep", Render(ListEntry(ListId::Beep, oldBeep), kEnglish),
             Render(ListEntry(ListId::Beep, 1 - oldBeep), kEnglish)},
            {"FM channel",
             [&](ProgramState& s) {
                 s.fm.channel[2] = before.fm.channel[2] == 10110 ? 9990 : 10110;
                 s.fmWindow.cell[2] = s.fm.channel[2];
             },
             Change::Area::Fm, "FM channel 3", "", ""},
            {"power grade", [&](ProgramState& s) { s.powerGrades[4] = (oldGrade + 9) % 256; },
             Change::Area::Power, "B band Middle Power Grades", std::to_string(oldGrade),
             std::to_string((oldGrade + 9) % 256)},
        };
        for (const OneField& c : cases) {
            SCOPED_TRACE(std::string(c.what) + " seed " + std::to_string(seed));
            const ImageBytes after = Edited(base, c.edit);
            const auto changes = CompareImages(base, after, WordsIn(kEnglish));
            ASSERT_EQ(changes.size(), 1u) << ChangeLines(changes, WordsIn(kEnglish)).back();
            EXPECT_EQ(changes[0].area, c.area);
            EXPECT_EQ(changes[0].kind, Change::Kind::Changed);
            EXPECT_EQ(Render(changes[0].field, kEnglish), c.field);
            const std::string was = Render(changes[0].before, kEnglish);
            const std::string is = Render(changes[0].after, kEnglish);
            if (!c.before.empty()) {
                EXPECT_EQ(was, c.before);
            }
            if (!c.after.empty()) {
                EXPECT_EQ(is, c.after);
            }
            EXPECT_NE(was, is);
            if (c.area == Change::Area::Channel) {
                EXPECT_EQ(changes[0].channel, used);
            }
            for (const Language lang : {kEnglish, kChinese}) {
                const auto lines =
                    ChangeLines(CompareImages(base, after, WordsIn(lang)), WordsIn(lang));
                ASSERT_EQ(lines.size(), 2u);  // the titles and the change
                EXPECT_NE(lines[1].find("→"), std::string::npos) << lines[1];
            }
        }
        EXPECT_TRUE(CompareImages(base, base, WordsIn(kEnglish)).empty());
        EXPECT_EQ(ChangeLines({}, WordsIn(kEnglish)), std::vector<std::string>{"No change"});
        EXPECT_EQ(ChangeLines({}, WordsIn(kChinese)), std::vector<std::string>{"无变化"});
    }
}

// A channel that appears or disappears is named on each of its lines, with its values.
TEST(ChangeList, ChannelsAddedAndRemoved) {
    const ImageBytes base = samples::ValidImageMaker(5).make();
    const ProgramState before = DecodedState(base);
    const int freeChannel = FirstChannel(before, false);
    const int usedChannel = FirstChannel(before, true);
    ASSERT_GT(freeChannel, 0);
    const ImageBytes added = Edited(base, [&](ProgramState& s) {
        s.channels.at(freeChannel).rx = s.channels.at(freeChannel).tx =
            Frequency::FromText("145.52500");
    });
    const ImageBytes removed =
        Edited(base, [&](ProgramState& s) { s.channels.at(usedChannel).rx.reset(); });
    struct Case {
        const ImageBytes* after;
        int channel;
        Change::Kind kind;
    };
    for (const Case& c : {Case{&added, freeChannel, Change::Kind::Added},
                          Case{&removed, usedChannel, Change::Kind::Removed}}) {
        const auto changes = CompareImages(base, *c.after, WordsIn(kEnglish));
        ASSERT_FALSE(changes.empty());
        for (const Change& change : changes) {
            EXPECT_EQ(change.channel, c.channel);
            EXPECT_EQ(change.kind, c.kind);
        }
        const auto lines = ChangeLines(changes, WordsIn(kEnglish));
        ASSERT_EQ(lines.size(), changes.size() + 1);
        for (std::size_t i = 1; i < lines.size(); ++i) {
            EXPECT_EQ(
                lines[i].rfind("Channel " + std::to_string(c.channel) +
                                   (c.kind == Change::Kind::Added ? " (added)" : " (removed)"),
                               0),
                0u)
                << lines[i];
        }
    }
    const auto addedLines =
        ChangeLines(CompareImages(base, added, WordsIn(kEnglish)), WordsIn(kEnglish));
    EXPECT_TRUE(std::any_of(addedLines.begin(), addedLines.end(), [](const std::string& line) {
        return line.find("(empty)") != std::string::npos &&
               line.find(" → 145.52500") != std::string::npos;
    }));
}

// Any set of flipped bytes: the first flipped address inside the blocks and their number;
// bytes outside the blocks and above the configuration memory never count; an overlay of the
// blocks leaves nothing to find.
TEST(ByteCompare, FindsTheFirstDifferenceAndCountsThemInsideTheBlocksOnly) {
    std::mt19937 rng(11);
    std::vector<std::uint16_t> blocks;
    for (std::uint16_t a = 0; a < 0xC30; a += 16)
        if (a != 0x7C0 && a != 0x7D0) blocks.push_back(a);
    for (int round = 0; round < 200; ++round) {
        ImageBytes expected{};
        for (auto& b : expected) b = static_cast<std::uint8_t>(rng());
        ImageBytes actual = expected;
        std::size_t first = kImageSize, count = 0;
        const int flips = static_cast<int>(rng() % 6);
        std::vector<bool> flipped(kImageSize, false);
        for (int k = 0; k < flips; ++k) {
            const std::size_t at = rng() % kImageSize;
            if (flipped[at]) continue;
            flipped[at] = true;
            actual[at] ^= static_cast<std::uint8_t>(1 + rng() % 255);
            const bool counted = at < kConfigSize && (at < 0x7C0 || at >= 0x7E0);
            if (!counted) continue;
            ++count;
            first = std::min(first, at);
        }
        const ByteDifference d = CompareBlocks(expected, actual, blocks);
        ASSERT_EQ(d.count, count);
        if (count > 0) {
            ASSERT_EQ(d.firstAddress, first);
        }
        const ImageBytes overlaid = OverlayBlocks(actual, expected, blocks);
        ASSERT_TRUE(CompareBlocks(expected, overlaid, blocks).same());
        for (std::size_t a = 0x7C0; a < 0x7E0; ++a) ASSERT_EQ(overlaid[a], actual[a]);
    }
}

}  // namespace
}  // namespace talvo::compare
