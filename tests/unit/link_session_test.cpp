#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <vector>

#include "link/protocol/frames.h"
#include "link/protocol/transfer_session.h"
#include "radio/memory/block_plan.h"

namespace talvo::link {
namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes kProgram = {'P', 'R', 'O', 'G', 'R', 'A', 'M'};
const Bytes kIdent = {'R', 'Q', 'Z', '-', 'D', 'W', 0x12, 0x34};
const Bytes kAckOnly = {0x06};

Bytes Block(std::uint16_t address, std::uint8_t fill) {
    Bytes b = {0x57, static_cast<std::uint8_t>(address >> 8),
               static_cast<std::uint8_t>(address & 0xFF), 0x10};
    for (int k = 0; k < 16; ++k) b.push_back(static_cast<std::uint8_t>(fill + k));
    return b;
}

Bytes Request(std::uint16_t address) {
    return {0x52, static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address & 0xFF), 0x10};
}

// Records what the session sends and reports.
struct Harness {
    std::vector<Bytes> sent;
    std::vector<TransferEvent> events;
    TransferSession session{
        [this](std::span<const std::uint8_t> b) { sent.emplace_back(b.begin(), b.end()); },
        [this](const TransferEvent& e) { events.push_back(e); }};
    ImageBytes image{};

    void feed(const Bytes& b) { session.feed(b); }
    const Bytes& last() const { return sent.back(); }
    bool ended(TransferEvent::Kind kind) const {
        return !events.empty() && events.back().kind == kind;
    }
};

// Brings a read to `step` with a block request out (awaitingBlock) for steps 3..195.
void ReadUpTo(Harness& h, int step) {
    h.session.startRead(h.image);
    if (step == 1) return;
    h.feed(kAckOnly);
    if (step == 2) return;
    h.feed(kIdent);
    h.feed(kAckOnly);
    while (h.session.step() < step) {
        h.feed(Block(radio::ReadReplyAddress(h.session.step()), 0x40));
        h.feed(kAckOnly);
    }
}

// A radio that answers every frame as the real one does, over a 0xC30-byte memory.
struct Radio {
    std::array<std::uint8_t, 0xC30> memory{};
    Bytes answer(const Bytes& f) {
        if (f.size() == 4 && f[0] == 0x52) {
            const std::size_t at = std::size_t{f[1]} << 8 | f[2];
            Bytes b = {0x57, f[1], f[2], 0x10};
            b.insert(b.end(), memory.begin() + at, memory.begin() + at + 16);
            return b;
        }
        if (f.size() == 20 && f[0] == 0x57) {
            const std::size_t at = std::size_t{f[1]} << 8 | f[2];
            std::copy(f.begin() + 4, f.end(), memory.begin() + at);
        }
        if (f == Bytes{0x02}) return kIdent;
        return kAckOnly;
    }
};

// Runs a started transfer against `radio`; returns everything the program sent.
Bytes Converse(Harness& h, Radio& radio) {
    std::size_t answered = 0;
    while (h.session.active() && answered < h.sent.size()) h.feed(radio.answer(h.sent[answered++]));
    Bytes stream;
    for (const Bytes& f : h.sent) stream.insert(stream.end(), f.begin(), f.end());
    return stream;
}

TEST(LinkRead, FullExchangeCommitsTheRadioMemoryAddressesZeroToC00) {
    Harness h;
    Radio radio;
    for (std::size_t i = 0; i < radio.memory.size(); ++i)
        radio.memory[i] = static_cast<std::uint8_t>(i * 7 + 3);
    ASSERT_TRUE(h.session.startRead(h.image));
    const Bytes stream = Converse(h, radio);

    Bytes expected = kProgram;
    expected.insert(expected.end(), {0x02, 0x06});
    for (int a = 0; a <= 0xC00; a += 16) {
        const Bytes r = Request(static_cast<std::uint16_t>(a));
        expected.insert(expected.end(), r.begin(), r.end());
        expected.push_back(0x06);
    }
    expected.insert(expected.end(), {0x45, 0x45});
    EXPECT_EQ(stream, expected);
    ASSERT_TRUE(h.ended(TransferEvent::Kind::Finished));
    EXPECT_FALSE(h.session.active());
    EXPECT_EQ(h.session.blocksDone(), 193);
    EXPECT_TRUE(std::equal(h.image.begin(), h.image.end(), radio.memory.begin()));
}

TEST(LinkWrite, BlockOrderDependsOnDebugModeAndNeverSends7C0Or7D0) {
    for (const bool debug : {false, true}) {
        SCOPED_TRACE(debug);
        Harness h;
        Radio radio;
        radio.memory.fill(0xEE);
        ImageBytes source{};
        for (std::size_t i = 0; i < source.size(); ++i)
            source[i] = static_cast<std::uint8_t>(i ^ 0x5A);
        ASSERT_TRUE(h.session.startWrite(debug, [&]() -> const ImageBytes& { return source; }));
        Converse(h, radio);
        ASSERT_TRUE(h.ended(TransferEvent::Kind::Finished));

        std::vector<std::uint16_t> blocks;
        int loneAcks = 0;
        for (std::size_t i = 3; i < h.sent.size(); ++i) {
            if (h.sent[i].size() == 20)
                blocks.push_back(static_cast<std::uint16_t>(h.sent[i][1] << 8 | h.sent[i][2]));
            if (h.sent[i] == kAckOnly) ++loneAcks;
        }
        EXPECT_EQ(blocks, radio::WriteBlockSequence(debug));
        EXPECT_EQ(blocks.size(), debug ? 193u : 191u);
        EXPECT_EQ(loneAcks, debug ? 0 : 2);
        EXPECT_EQ(h.sent[0], kProgram);
        EXPECT_EQ(h.sent[1], Bytes{0x02});
        EXPECT_EQ(h.sent[2], kAckOnly);
        EXPECT_EQ(h.last(), Bytes{0x45});

        for (std::size_t a = 0; a < 0xC00; ++a) {
            const bool calibration = a >= 0x7E0 && a < 0x800;
            const bool never = a >= 0x7C0 && a < 0x7E0;
            const std::uint8_t want = never || (calibration && !debug) ? 0xEE : source[a];
            ASSERT_EQ(radio.memory[a], want) << std::hex << a;
        }
        // Past the image only the byte for 0xC00 comes from it; the rest of the last three
        // blocks is zero.
        EXPECT_EQ(radio.memory[0xC00], source[0xC00]);
        for (std::size_t a = 0xC01; a < 0xC30; ++a)
            ASSERT_EQ(radio.memory[a], 0x00) << std::hex << a;
    }
}

TEST(LinkWrite, EncoderRunsAfterTheWakeUpAndBeforeAnyReply) {
    Harness h;
    std::size_t sentWhenEncoding = 99;
    ImageBytes source{};
    source[0] = 0xAB;
    h.session.startWrite(false, [&]() -> const ImageBytes& {
        sentWhenEncoding = h.sent.size();
        return source;
    });
    EXPECT_EQ(sentWhenEncoding, 1u);
    EXPECT_EQ(h.sent[0], kProgram);
    h.feed(kAckOnly);
    h.feed(kIdent);
    h.feed(kAckOnly);
    ASSERT_EQ(h.last().size(), 20u);
    EXPECT_EQ(h.last()[4], 0xAB);
}

// One row of a state table: from a prepared step, the radio sends `reply`.
struct Row {
    const char* name;
    int step;
    Bytes reply;
    Bytes sends;  // empty: nothing is sent
    int stepAfter;
    std::size_t thresholdAfter;
    bool accepted;
    bool identified = false;  // the radio identified itself at step 2 first
};

TEST(LinkRead, StateTableRows) {
    const std::vector<Row> rows = {
        {"1 lenient ack", 1, {0x31, 0x06}, {0x02}, 2, 1, true},
        {"1 no ack", 1, {0x15}, {}, 1, 1, false},
        {"2 identification", 2, kIdent, {0x06}, 2, 1, true},
        {"2 identified, exact ack requests 000", 2, kAckOnly, Request(0), 3, 20, true, true},
        // A radio may answer an earlier "E" late: an acknowledge before the identification is
        // that answer (or the wake-up's own), and the identification after it still counts.
        {"2 ack before the identification", 2, kAckOnly, {}, 2, 1, false},
        {"2 identification after late acks",
         2,
         [] {
             Bytes b = {0x06, 0x06};
             b.insert(b.end(), kIdent.begin(), kIdent.end());
             return b;
         }(),
         {0x06},
         2,
         1,
         true},
        {"2 ack with extra byte", 2, {0x06, 0x06}, {}, 2, 1, false},
        {"3 block reply", 3, Block(0x000, 1), {0x06}, 3, 1, true},
        {"57 block reply", 57, Block(0x360, 1), {0x06}, 57, 1, true},
        {"194 block reply", 194, Block(0xBF0, 1), {0x06}, 194, 1, true},
        {"195 block reply", 195, Block(0xC00, 1), {0x06}, 195, 1, true},
        {"3 block of 19 bytes",
         3,
         [] {
             Bytes b = Block(0, 1);
             b.pop_back();
             return b;
         }(),
         {},
         3,
         20,
         false},
        {"3 ack instead of block", 3, kAckOnly, {}, 3, 20, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Harness h;
        ReadUpTo(h, r.step);
        if (r.identified) h.feed(kIdent);
        const std::size_t before = h.sent.size();
        h.feed(r.reply);
        if (r.sends.empty()) {
            EXPECT_EQ(h.sent.size(), before);
        } else {
            ASSERT_EQ(h.sent.size(), before + 1);
            EXPECT_EQ(h.last(), r.sends);
        }
        EXPECT_EQ(h.session.step(), r.stepAfter);
        EXPECT_EQ(h.session.receiveThreshold(), r.thresholdAfter);
        EXPECT_EQ(h.session.replyText().empty(), r.accepted);
        EXPECT_TRUE(h.session.active());
    }
}

TEST(LinkRead, AcknowledgeAfterABlockRequestsTheNextOrEnds) {
    const std::vector<std::pair<int, Bytes>> rows = {
        {3, Request(0x010)}, {100, Request(0x620)}, {194, Request(0xC00)}, {195, {0x45}}};
    for (const auto& [step, sends] : rows) {
        SCOPED_TRACE(step);
        Harness h;
        ReadUpTo(h, step);
        h.feed(Block(radio::ReadReplyAddress(step), 0));
        h.feed(kAckOnly);
        EXPECT_EQ(h.last(), sends);
        EXPECT_EQ(h.session.step(), step + 1);
        EXPECT_EQ(h.session.receiveThreshold(), step == 195 ? 1u : 20u);
    }
}

TEST(LinkRead, LastStepNeedsAnExactAcknowledgeAndOnlyC00IsKept) {
    Harness h;
    h.image.fill(0x11);
    ReadUpTo(h, 195);
    h.feed(Block(0xC00, 0xA0));
    h.feed(kAckOnly);
    ASSERT_EQ(h.session.step(), 196);
    h.feed({0x06, 0x06});
    EXPECT_TRUE(h.session.active());
    EXPECT_EQ(h.image[0], 0x11) << "nothing is committed before the end";
    Harness g;
    ReadUpTo(g, 195);
    g.feed(Block(0xC00, 0xA0));
    g.feed(kAckOnly);
    g.feed(kAckOnly);
    EXPECT_EQ(g.last(), Bytes{0x45});
    ASSERT_TRUE(g.ended(TransferEvent::Kind::Finished));
    EXPECT_EQ(g.image[0xC00], 0xA0);
    EXPECT_EQ(g.image[0xBFF], 0x40 + 15);
}

TEST(LinkWrite, StateTableRows) {
    auto prepare = [](Harness& h, int step, bool debug) {
        h.session.startWrite(debug, [&h]() -> const ImageBytes& { return h.image; });
        if (step >= 2) h.feed(kAckOnly);
        if (step >= 3) h.feed(kIdent);
        while (h.session.step() < step) h.feed(kAckOnly);
    };
    struct WriteRow {
        int step;
        bool debug;
        Bytes reply;
        std::optional<std::uint16_t> block;  // expected block; nullopt with `lone` = lone 0x06
        bool lone;
        int stepAfter;
    };
    const std::vector<WriteRow> rows = {
        {1, false, {0x15}, std::nullopt, false, 1},
        {2, false, {0x06}, std::nullopt, false, 2},
        {2, false, {'R', 'Q', 'Z', '-', 'D', 'W', 1}, std::nullopt, false, 2},
        {3, false, {0x06}, 0x000, false, 4},
        {126, false, {0x44, 0x06}, 0x7B0, false, 127},
        {127, false, {0x06}, std::nullopt, true, 128},
        {128, false, {0x06}, std::nullopt, true, 129},
        {127, true, {0x06}, 0x7E0, false, 128},
        {128, true, {0x06}, 0x7F0, false, 129},
        {129, false, {0x06}, 0x800, false, 130},
        {195, true, {0x06}, 0xC20, false, 196},
        {100, false, {0x15}, std::nullopt, false, 100},
    };
    for (const WriteRow& r : rows) {
        SCOPED_TRACE(testing::Message() << r.step << (r.debug ? " debug" : ""));
        Harness h;
        prepare(h, r.step, r.debug);
        ASSERT_EQ(h.session.step(), r.step);
        const std::size_t before = h.sent.size();
        h.feed(r.reply);
        EXPECT_EQ(h.session.step(), r.stepAfter);
        EXPECT_TRUE(h.session.active());
        if (r.block) {
            ASSERT_EQ(h.last().size(), 20u);
            EXPECT_EQ(h.last()[1] << 8 | h.last()[2], *r.block);
        } else if (r.lone) {
            EXPECT_EQ(h.last(), kAckOnly);
        } else {
            EXPECT_EQ(h.sent.size(), before);
        }
    }
    Harness h;
    prepare(h, 1, false);
    h.feed({0x31, 0x06});
    EXPECT_EQ(h.last(), Bytes{0x02});
    EXPECT_EQ(h.session.step(), 2);
    h.feed(kIdent);
    EXPECT_EQ(h.last(), kAckOnly);
    EXPECT_EQ(h.session.step(), 3);
    Harness end;
    prepare(end, 196, false);
    end.feed({0x44, 0x06});
    EXPECT_EQ(end.last(), Bytes{0x45});
    EXPECT_TRUE(end.ended(TransferEvent::Kind::Finished));
}

TEST(LinkWrite, BlocksAboveC00CarryZerosAfterTheImageByte) {
    ImageBytes source;
    source.fill(0x77);
    const Frame c00 = WriteBlock(0xC00, source);
    const Frame c10 = WriteBlock(0xC10, source);
    EXPECT_EQ(c00[4], 0x77);
    EXPECT_TRUE(std::all_of(c00.begin() + 5, c00.end(), [](auto b) { return b == 0; }));
    EXPECT_TRUE(std::all_of(c10.begin() + 4, c10.end(), [](auto b) { return b == 0; }));
}

TEST(LinkReply, AcknowledgeTestsLookAtWholeBytes) {
    struct Case {
        Bytes bytes;
        bool lenient, exact;
    };
    const std::vector<Case> cases = {
        {{0x06}, true, true},        {{0xA0, 0x6B}, false, false},
        {{0x60}, false, false},      {{0x33, 0x06}, true, false},
        {{0x06, 0x06}, true, false}, {{0x00, 0x60, 0x06}, true, false},
        {{}, false, false},
    };
    for (const Case& c : cases) {
        ReplyBuffer r;
        r.append(c.bytes);
        SCOPED_TRACE(r.hexText());
        EXPECT_EQ(r.hasAck(), c.lenient);
        EXPECT_EQ(r.isExactAck(), c.exact);
    }
    ReplyBuffer r;
    r.append(Bytes{0x06, 0x4F, 0xA0});
    EXPECT_EQ(r.hexText(), "064FA0");
}

TEST(LinkReply, IdentificationNeedsEightBytesWithThePrefix) {
    const std::vector<std::pair<Bytes, bool>> cases = {
        {kIdent, true},
        {{'R', 'Q', 'Z', '-', 'D', 'W', 0xFF, 0x00}, true},
        {{'R', 'Q', 'Z', '-', 'D', 'W', 0x01}, false},
        {{'R', 'Q', 'Z', '-', 'D', 'W', 0x01, 0x02, 0x03}, false},
        {{'R', 'Q', 'Z', '-', 'D', 'X', 0x01, 0x02}, false},
    };
    for (const auto& [bytes, ok] : cases) {
        ReplyBuffer r;
        r.append(bytes);
        EXPECT_EQ(r.isIdentification(), ok) << r.hexText();
    }
}

TEST(LinkTimeout, TwelfthIdleTickEndsWithEndByteAndResetsThreshold) {
    for (const bool write : {false, true}) {
        SCOPED_TRACE(write);
        Harness h;
        if (write) {
            h.session.startWrite(false, [&h]() -> const ImageBytes& { return h.image; });
        } else {
            ReadUpTo(h, 10);
            ASSERT_EQ(h.session.receiveThreshold(), 20u);
        }
        for (int i = 0; i < 11; ++i) h.session.tick();
        EXPECT_TRUE(h.session.active());
        EXPECT_EQ(h.session.idleTicks(), 11);
        h.session.tick();
        EXPECT_FALSE(h.session.active());
        EXPECT_EQ(h.last(), Bytes{0x45});
        ASSERT_TRUE(h.ended(TransferEvent::Kind::Failed));
        EXPECT_EQ(h.events.back().reason, Status::TimedOut);
        EXPECT_EQ(h.session.receiveThreshold(), 1u);
        EXPECT_EQ(h.session.idleTicks(), 0);
        const std::size_t sent = h.sent.size();
        h.session.tick();
        h.feed(kAckOnly);
        EXPECT_EQ(h.sent.size(), sent) << "an ended transfer neither times out again nor answers";
    }
}

TEST(LinkTimeout, AnAcceptedReplyRestartsTheCountButAnUnacceptedOneDoesNot) {
    Harness h;
    h.session.startRead(h.image);
    for (int i = 0; i < 10; ++i) h.session.tick();
    h.feed(kAckOnly);  // accepted
    for (int i = 0; i < 10; ++i) h.session.tick();
    h.feed({0x15});  // not an identification
    h.session.tick();
    EXPECT_TRUE(h.session.active());
    h.session.tick();
    EXPECT_FALSE(h.session.active());
}

TEST(LinkMended, RefusedWriteBlockFailsFromTheNameBlocksOnAndIsIgnoredBefore) {
    struct Case {
        int step;
        bool failsAtOnce;
    };
    for (const Case c :
         {Case{129, true}, Case{160, true}, Case{195, true}, Case{50, false}, Case{128, false}}) {
        SCOPED_TRACE(c.step);
        Harness h;
        h.session.startWrite(false, [&h]() -> const ImageBytes& { return h.image; });
        h.feed(kAckOnly);
        h.feed(kIdent);
        while (h.session.step() < c.step) h.feed(kAckOnly);
        h.feed({0x15});
        if (c.failsAtOnce) {
            EXPECT_FALSE(h.session.active());
            EXPECT_EQ(h.last(), Bytes{0x45});
            ASSERT_TRUE(h.ended(TransferEvent::Kind::Failed));
            EXPECT_EQ(h.events.back().reason, Status::RefusedByRadio);
        } else {
            EXPECT_TRUE(h.session.active());
            EXPECT_EQ(h.session.step(), c.step);
        }
        for (const TransferEvent& e : h.events) EXPECT_NE(e.kind, TransferEvent::Kind::Finished);
    }
}

TEST(LinkMended, ANewTransferIgnoresBytesFromBeforeIt) {
    Harness h;
    h.session.startRead(h.image);
    h.feed({0x30});  // unaccepted leftovers
    for (int i = 0; i < 12; ++i) h.session.tick();
    ASSERT_FALSE(h.session.active());
    h.feed({0x06, 0x06});  // arrives while idle
    EXPECT_EQ(h.session.replyText(), "30") << "bytes while idle are dropped";
    h.session.startRead(h.image);
    EXPECT_EQ(h.session.replyText(), "");
    h.feed(kIdent);
    EXPECT_EQ(h.session.step(), 1);
    EXPECT_EQ(h.session.idleTicks(), 0);
}

TEST(LinkMended, BlockReplyMustEchoTheRequestedAddressAndLength) {
    const std::vector<std::pair<const char*, Bytes>> wrong = {
        {"address of the next block", Block(0x0A0, 0)},
        {"high address byte", Block(0x190, 0)},
        {"length byte",
         [] {
             Bytes b = Block(0x090, 0);
             b[3] = 0x11;
             return b;
         }()},
        {"mark",
         [] {
             Bytes b = Block(0x090, 0);
             b[0] = 0x52;
             return b;
         }()},
    };
    for (const auto& [name, reply] : wrong) {
        SCOPED_TRACE(name);
        Harness h;
        h.image.fill(0x99);
        ReadUpTo(h, 12);  // expects block 0x090
        const std::size_t sent = h.sent.size();
        h.feed(reply);
        EXPECT_EQ(h.sent.size(), sent);
        for (int i = 0; i < 12; ++i) h.session.tick();
        ASSERT_TRUE(h.ended(TransferEvent::Kind::Failed));
        EXPECT_TRUE(std::all_of(h.image.begin(), h.image.end(), [](auto b) { return b == 0x99; }))
            << "a failed read leaves the destination as it was";
    }
}

TEST(LinkProgress, EachReceiveReportsTheStepBeforeItAdvances) {
    Harness h;
    ReadUpTo(h, 4);
    std::vector<int> steps;
    for (const TransferEvent& e : h.events) {
        ASSERT_EQ(e.kind, TransferEvent::Kind::Progress);
        steps.push_back(e.step);
    }
    EXPECT_EQ(steps, (std::vector<int>{1, 2, 2, 3, 3}));
    EXPECT_EQ(h.session.blocksDone(), 1);
    EXPECT_EQ(h.session.blocksTotal(), 193);
}

TEST(LinkSession, StartingWhileBusyChangesNothing) {
    Harness h;
    ReadUpTo(h, 5);
    const std::size_t sent = h.sent.size();
    EXPECT_FALSE(h.session.startRead(h.image));
    EXPECT_FALSE(h.session.startWrite(true, [&h]() -> const ImageBytes& { return h.image; }));
    EXPECT_EQ(h.sent.size(), sent);
    EXPECT_EQ(h.session.step(), 5);
}

TEST(LinkSession, BlockSequencesCoverTheImage) {
    const auto read = radio::ReadBlockSequence();
    ASSERT_EQ(read.size(), 193u);
    for (std::size_t i = 0; i < read.size(); ++i) EXPECT_EQ(read[i], i * 16);
    const auto write = radio::WriteBlockSequence(false);
    EXPECT_EQ(write[123], 0x7B0);
    EXPECT_EQ(write[124], 0x800);
    EXPECT_EQ(write.back(), 0xC20);
}

}  // namespace
}  // namespace talvo::link
