#include "rules/channel_ops.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "catalogue_words.h"
#include "channel_view.h"
#include "radio/state/program_state.h"
#include "rules/channel_clip_form.h"
#include "rules/channel_table.h"

namespace talvo {
namespace {

// A used channel whose every field says which channel it was made as, so a field left behind
// by an operation (or taken from a neighbour) shows up as a record made of two ids.
ChannelRecord Tagged(int id) {
    ChannelRecord r;
    const auto units = static_cast<std::uint32_t>((136 + id % 38) * 100'000 + id * 5);
    r.rx = Frequency::FromTenHz(units);
    r.tx = Frequency::FromTenHz(units + 1);
    for (std::size_t k = 0; k < r.option.size(); ++k) {
        r.option[k] = static_cast<std::int16_t>(k < 2 ? id % 265 : id % 2);
    }
    r.name = "N" + std::to_string(id) + std::string(1, '\xFF');
    r.bandShowsNewChannelWord = id % 3 == 0;
    if (id % 5 == 0) r.unlistedTone[1] = static_cast<std::uint16_t>(id * 257);
    return r;
}

// ids[ch - 1]: 0 for a free channel, else the id its tagged record was made with.
using Ids = std::vector<int>;

ChannelStores Make(const Ids& ids) {
    ChannelStores stores;
    for (int ch = 1; ch <= kChannelCount; ++ch) {
        if (ids[ch - 1] != 0) PutChannel(stores, ch, Tagged(ids[ch - 1]));
    }
    return stores;
}

// The ids the stores hold; -1 where a channel is neither free and empty nor one whole record.
Ids Read(const ChannelStores& stores) {
    Ids ids;
    for (int ch = 1; ch <= kChannelCount; ++ch) {
        const ChannelRecord r = TakeChannel(stores, ch);
        if (r == ChannelRecord{}) {
            ids.push_back(0);
            continue;
        }
        const int id = std::stoi(r.name.substr(1));
        ids.push_back(r == Tagged(id) ? id : -1);
    }
    return ids;
}

Ids Full() {
    Ids ids(kChannelCount);
    for (int i = 0; i < kChannelCount; ++i) ids[static_cast<std::size_t>(i)] = i + 1;
    return ids;
}

// The same operations on plain id lists, written the simple way.
namespace ref {
bool Insert(Ids& ids, int ch) {
    const auto free = std::find(ids.begin() + (ch - 1), ids.end(), 0);
    if (free == ids.end()) return false;
    ids.erase(free);
    ids.insert(ids.begin() + (ch - 1), 0);
    return true;
}
void DeleteUp(Ids& ids, const ChannelList& set) {
    Ids kept;
    for (int ch = 1; ch <= int(ids.size()); ++ch) {
        if (std::find(set.begin(), set.end(), ch) == set.end()) kept.push_back(ids[ch - 1]);
    }
    kept.resize(ids.size(), 0);
    ids = kept;
}
bool Move(Ids& ids, ChannelList& set, int step) {
    for (int ch : set) {
        if (ch + step < 1 || ch + step > int(ids.size())) return false;
    }
    // The members in their new order, then the others filling the remaining places.
    Ids out(ids.size(), -2);
    std::vector<bool> taken(ids.size(), false);
    for (int ch : set) {
        out[ch - 1 + step] = ids[ch - 1];
        taken[ch - 1] = true;
    }
    std::size_t next = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] != -2) continue;
        while (taken[next]) ++next;
        out[i] = ids[next++];
    }
    ids = out;
    for (int& ch : set) ch += step;
    return true;
}
}  // namespace ref

// The simple versions over the places `lane` only, as if they were the whole table: `set` and
// `op`'s channel numbers count places of the lane.
template <typename Op>
auto OnLane(Ids& ids, const ChannelList& lane, ChannelList& set, Op op) {
    Ids sub;
    for (int ch : lane) sub.push_back(ids[ch - 1]);
    for (int& ch : set) ch = int(std::find(lane.begin(), lane.end(), ch) - lane.begin()) + 1;
    const auto result = op(sub);
    for (std::size_t k = 0; k < lane.size(); ++k) ids[lane[k] - 1] = sub[k];
    for (int& ch : set) ch = lane[ch - 1];
    return result;
}

// Random operations on random tables, over the whole table or over random places (the rows a
// filter shows), match the simple versions on those places; every channel stays one whole
// record (no field left behind or mixed with a neighbour's) and no other channel changes.
TEST(ChannelOps, RandomOperationsMatchTheSimpleModelAndKeepChannelsWhole) {
    std::mt19937 rng(12);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 300; ++round) {
        Ids ids(kChannelCount, 0);
        const int density = pick(0, 4);  // 4: every channel used
        for (int i = 0; i < kChannelCount; ++i) {
            if (pick(0, 3) < density) ids[static_cast<std::size_t>(i)] = i + 1 + 1000 * round;
        }
        ChannelStores stores = Make(ids);
        for (int step = 0; step < 6; ++step) {
            ChannelList set;
            const int first = pick(0, 1) ? pick(1, 3) : pick(kChannelCount - 3, kChannelCount);
            for (int n = pick(1, 4); n > 0; --n)
                set.push_back(std::clamp(first + pick(-2, 6), 1, 128));
            set = NormalizedChannels(set);
            ChannelList lane = AllChannels();
            if (pick(0, 1)) {
                std::erase_if(lane, [&](int ch) {
                    return pick(0, 2) == 0 && !std::binary_search(set.begin(), set.end(), ch);
                });
            }
            ChannelList moved = set;
            ChannelList expectedMoved = set;
            ChannelList at = set;
            switch (pick(0, 4)) {
                case 0:
                    EXPECT_EQ(InsertFreeChannelBefore(stores, set.front(), lane),
                              OnLane(ids, lane, at,
                                     [&](Ids& sub) { return ref::Insert(sub, at.front()); }));
                    break;
                case 1:
                    DeleteAndMoveUp(stores, set, lane);
                    OnLane(ids, lane, at, [&](Ids& sub) {
                        ref::DeleteUp(sub, at);
                        return true;
                    });
                    break;
                case 2:
                    EXPECT_EQ(MoveChannelsUp(stores, moved, lane),
                              OnLane(ids, lane, expectedMoved,
                                     [&](Ids& sub) { return ref::Move(sub, expectedMoved, -1); }));
                    break;
                case 3:
                    EXPECT_EQ(MoveChannelsDown(stores, moved, lane),
                              OnLane(ids, lane, expectedMoved,
                                     [&](Ids& sub) { return ref::Move(sub, expectedMoved, +1); }));
                    break;
                default:
                    ClearChannels(stores, set);
                    for (int ch : set) ids[static_cast<std::size_t>(ch - 1)] = 0;
            }
            ASSERT_EQ(Read(stores), ids) << "round " << round << " step " << step;
            ASSERT_EQ(moved, expectedMoved);
        }
    }
}

TEST(ChannelOps, EdgesOfTheTable) {
    // Insert at the last free place of an otherwise full table, then the table is full.
    Ids ids = Full();
    ids[127] = 0;
    ChannelStores stores = Make(ids);
    ASSERT_TRUE(InsertFreeChannelBefore(stores, 1));
    EXPECT_EQ(Read(stores)[0], 0);
    EXPECT_EQ(Read(stores)[1], 1);
    EXPECT_EQ(Read(stores)[127], 127);

    // Every channel in use: Insert is refused anywhere and changes nothing.
    const ChannelStores full = Make(Full());
    for (int at : {1, 64, 128}) {
        ChannelStores s = full;
        EXPECT_FALSE(InsertFreeChannelBefore(s, at));
        EXPECT_EQ(Read(s), Full());
    }
    // Channel 128 in use and channel 50 free: an Insert above 50 moves the channels down into
    // it and leaves the rest in place; an Insert below it has no room.
    Ids holed = Full();
    holed[49] = 0;
    for (const auto& [at, accepted] :
         {std::pair{10, true}, {50, true}, {51, false}, {128, false}}) {
        ChannelStores s = Make(holed);
        EXPECT_EQ(InsertFreeChannelBefore(s, at), accepted) << at;
        const Ids ids = Read(s);
        for (int ch = 1; ch <= kChannelCount; ++ch) {
            const bool moved = accepted && ch > at && ch <= 50;
            const int expected = accepted && ch == at ? 0 : moved ? ch - 1 : holed[ch - 1];
            EXPECT_EQ(ids[static_cast<std::size_t>(ch - 1)], expected) << at << " " << ch;
        }
    }
    // Channels out of range are refused.
    ChannelStores s = Make(Ids(kChannelCount, 0));
    EXPECT_FALSE(InsertFreeChannelBefore(s, 0));
    EXPECT_FALSE(InsertFreeChannelBefore(s, 129));

    // Move up with channel 1 in the set, move down with 128: refused, nothing moves.
    for (const ChannelList& set : {ChannelList{1, 5}, ChannelList{127, 128}}) {
        ChannelStores t = full;
        ChannelList up = set;
        ChannelList down = set;
        if (set.front() == 1) {
            EXPECT_FALSE(MoveChannelsUp(t, up));
        } else {
            EXPECT_FALSE(MoveChannelsDown(t, down));
        }
        EXPECT_EQ(Read(t), Full());
        EXPECT_EQ(up, set);
        EXPECT_EQ(down, set);
    }

    // Delete and move up of channel 1 and 128 on a full table frees the last two.
    ChannelStores d = full;
    DeleteAndMoveUp(d, {128, 1});
    const Ids all = Full();
    Ids expected(all.begin() + 1, all.end() - 1);
    expected.resize(kChannelCount, 0);
    EXPECT_EQ(Read(d), expected);
}

BandState Band(int index) {
    BandState band;
    band.select(index);
    return band;
}

TEST(ChannelOps, PasteRefusesChannelsOutsideTheBandOneByOne) {
    ChannelStores stores = Make(Full());
    ChannelRecord vhf = TakeChannel(stores, 1);
    vhf.rx = Frequency::FromText("145.00000");
    vhf.tx = Frequency::FromText("144.00000");
    ChannelRecord uhf = vhf;
    uhf.rx = uhf.tx = Frequency::FromText("440.00000");  // upper limits are exclusive
    ChannelRecord splitOut = vhf;                        // receive in band, transmit outside it
    splitOut.tx = Frequency::FromText("150.00000");
    const std::vector<PasteItem> items = {{0, vhf}, {1, uhf}, {2, splitOut}, {4, ChannelRecord{}}};

    // Band 1 (144-146 and 430-440 MHz): 440 and the 150 MHz transmit frequency do not fit.
    const PasteResult result = PasteChannels(stores, Band(1), 10, items);
    EXPECT_FALSE(result.outOfRoom);
    EXPECT_EQ(result.pasted, (ChannelList{10, 14}));
    EXPECT_EQ(result.refused, (ChannelList{11, 12}));
    Ids ids = Read(stores);
    EXPECT_EQ(TakeChannel(stores, 10), vhf);
    EXPECT_EQ(ids[10], 11);
    EXPECT_EQ(ids[11], 12);
    EXPECT_EQ(ids[12], 13);  // between pasted places: untouched
    EXPECT_EQ(ids[13], 0);   // a free channel pasted frees its place

    // Items reaching past 128 paste nothing.
    const ChannelStores before = stores;
    EXPECT_TRUE(PasteChannels(stores, Band(0), 125, items).outOfRoom);
    EXPECT_EQ(Read(stores), Read(before));
}

TEST(ChannelOps, PasteFromTheOtherLanguageRendersItsWords) {
    ProgramState zh = StartupState(kChinese);
    CommitFrequency(zh.channels, zh.band, 3, kColRxFreq, "145.5");
    CommitOption(zh.channels, 3, kColPower, 2);
    const CopiedChannels copied = CopyChannels(zh.channels, {3});

    ProgramState en = StartupState(kEnglish);
    PasteChannels(en.channels, en.band, 7, copied.items);
    EXPECT_EQ(CellText(en.channels, 7, kColPower), "Middle");
    EXPECT_EQ(CellText(en.channels, 7, kColQtDqtDec), "Off");
    EXPECT_EQ(FrequencyText(en.channels.at(7).rx), "145.50000");

    // In the same language the copy arrives exactly as it was (the "Wide" of a new channel too).
    ProgramState zh2 = StartupState(kChinese);
    PasteChannels(zh2.channels, zh2.band, 7, copied.items);
    EXPECT_EQ(TakeChannel(zh2.channels, 7), TakeChannel(zh.channels, 3));
}

// The private clipboard form gives back every byte of every field, keeps the places, and
// refuses anything cut off, extended or altered into values no channel can hold.
TEST(ChannelClipForm, RoundTripsEveryByteAndRefusesDamagedCopies) {
    std::mt19937 rng(7);
    Ids ids(kChannelCount, 0);
    for (int ch : {1, 2, 5, 128}) ids[static_cast<std::size_t>(ch - 1)] = ch;
    ChannelStores stores = Make(ids);
    std::string allBytes;
    for (int b = 0; b < 256; ++b) allBytes.push_back(static_cast<char>(b));
    stores.at(5).name = allBytes;  // a name decoded from the radio may hold any byte

    const CopiedChannels copied = CopyChannels(stores, {128, 1, 2, 3, 5});
    ASSERT_EQ(copied.items.size(), 5U);
    EXPECT_EQ(copied.items.back().offset, 127);
    const std::string bytes = EncodeCopiedChannels(copied);
    const auto back = DecodeCopiedChannels(bytes);
    ASSERT_TRUE(back.has_value());
    ASSERT_EQ(back->items.size(), copied.items.size());
    for (std::size_t i = 0; i < copied.items.size(); ++i) {
        EXPECT_EQ(back->items[i].offset, copied.items[i].offset);
        EXPECT_EQ(back->items[i].record, copied.items[i].record);
    }

    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        EXPECT_FALSE(DecodeCopiedChannels(bytes.substr(0, cut))) << cut;
    }
    EXPECT_FALSE(DecodeCopiedChannels(bytes + "x"));
    EXPECT_FALSE(DecodeCopiedChannels("Location\tName\tFrequency\r\n1\tA\t146.52\r\n"));
    for (int n = 0; n < 2000; ++n) {
        std::string damaged = bytes;
        damaged[std::uniform_int_distribution<std::size_t>(0, bytes.size() - 1)(rng)] =
            static_cast<char>(rng());
        if (const auto d = DecodeCopiedChannels(damaged)) {
            for (const PasteItem& item : d->items) {
                EXPECT_LT(item.offset, kChannelCount);
                EXPECT_GE(item.record.option[0], 0);
            }
        }
    }
}

}  // namespace
}  // namespace talvo
