// The virtual radio's arrival and departure: whole sessions sent through its responder decide
// when it leaves, and time alone when the next one comes.
#include <gtest/gtest.h>

#include <random>

#include "link/protocol/frames.h"
#include "radio/memory/block_plan.h"
#include "radio_presence.h"
#include "radio_responder.h"
#include "sim_options.h"

namespace talvo::radiosim {
namespace {

using Clock = RadioPresence::Clock;
using Leave = PresenceOptions::Leave;
using std::chrono::milliseconds;

enum class Session { FullRead, FullWrite, Poll, BrokenWrite, BrokenRead };

// The bytes the program sends for `kind`, as the protocol orders them.
std::vector<std::uint8_t> ProgramBytes(Session kind) {
    std::vector<std::uint8_t> out(link::kWakeUp.begin(), link::kWakeUp.end());
    out.push_back(link::kIdentifyRequest);
    out.push_back(link::kAck);
    const ImageBytes image{};
    if (kind == Session::FullWrite || kind == Session::BrokenWrite) {
        auto blocks = radio::WriteBlockSequence(false);
        if (kind == Session::BrokenWrite) blocks.resize(blocks.size() / 2);
        for (const std::uint16_t a : blocks) {
            const link::Frame f = link::WriteBlock(a, image);
            out.insert(out.end(), f.begin(), f.end());
        }
    } else if (kind != Session::Poll) {
        auto blocks = radio::ReadBlockSequence();
        if (kind == Session::BrokenRead) blocks.pop_back();
        for (const std::uint16_t a : blocks) {
            const link::Frame f = link::ReadRequest(a);
            out.insert(out.end(), f.begin(), f.end());
            out.push_back(link::kAck);
        }
    }
    out.push_back(link::kEnd);
    return out;
}

SessionEnd RunSession(RadioResponder& radio, Session kind) {
    for (const std::uint8_t b : ProgramBytes(kind)) radio.take(b);
    const auto ended = radio.takeSessionEnd();
    EXPECT_TRUE(ended.has_value());
    return ended.value_or(SessionEnd{});
}

TEST(SimResponder, SessionEndTellsWhetherAWriteOrReadReachedTheTop) {
    struct Case {
        Session kind;
        bool wroteAll, readAll;
    };
    const Case cases[] = {{Session::FullRead, false, true},
                          {Session::FullWrite, true, false},
                          {Session::Poll, false, false},
                          {Session::BrokenWrite, false, false},
                          {Session::BrokenRead, false, false}};
    for (const Case& c : cases) {
        Memory memory = SampleMemory();
        RadioResponder radio(memory, {});
        const SessionEnd end = RunSession(radio, c.kind);
        EXPECT_EQ(end.wroteAll, c.wroteAll) << static_cast<int>(c.kind);
        EXPECT_EQ(end.readAll, c.readAll) << static_cast<int>(c.kind);
        EXPECT_FALSE(radio.takeSessionEnd().has_value()) << "reported once";
    }
}

TEST(SimResponder, IdentificationCarriesItsTail) {
    Memory memory = SampleMemory();
    RadioResponder radio(memory, {});
    radio.setIdentificationTail({0xAB, 0x07});
    for (const std::uint8_t b : link::kWakeUp) radio.take(b);
    const auto id = radio.take(link::kIdentifyRequest);
    ASSERT_EQ(id.size(), 8u);
    EXPECT_EQ(id[6], 0xAB);
    EXPECT_EQ(id[7], 0x07);
}

// Random session sequences at random times: the radio is never there before its time, leaves
// exactly when the chosen trigger has happened, and the next comes no sooner than the pause.
TEST(SimPresence, ArrivalsAndDeparturesFollowTheOptionsOverRandomRuns) {
    std::mt19937 random(19);
    for (int run = 0; run < 300; ++run) {
        PresenceOptions options;
        options.arriveAfterMs = static_cast<int>(random() % 3000);
        options.leave = static_cast<Leave>(random() % 3);
        options.nextAfterMs =
            options.leave == Leave::Never ? -1 : static_cast<int>(random() % 2000);
        options.radios = options.nextAfterMs < 0 ? 0 : static_cast<int>(random() % 4);
        const Clock::time_point start{};
        RadioPresence presence(options, start);
        Clock::time_point now = start;
        Clock::time_point leftAt = start;
        bool writtenSinceArrival = false;
        int arrivals = 0;
        for (int event = 0; event < 40; ++event) {
            now += milliseconds(random() % 700);
            const bool wasAttached = presence.attached();
            const auto change = presence.update(now);
            if (change == RadioPresence::Change::Arrived) {
                ASSERT_FALSE(wasAttached);
                ++arrivals;
                writtenSinceArrival = false;
                const auto earliest = arrivals == 1 ? start + milliseconds(options.arriveAfterMs)
                                                    : leftAt + milliseconds(options.nextAfterMs);
                ASSERT_GE(now, earliest);
                ASSERT_EQ(presence.radioNumber(), arrivals);
            }
            if (!presence.attached()) {
                if (arrivals == 0) {
                    ASSERT_LT(now, start + milliseconds(options.arriveAfterMs));
                }
                continue;
            }
            const auto kind = static_cast<Session>(random() % 5);
            Memory memory = SampleMemory();
            RadioResponder radio(memory, {});
            const SessionEnd end = RunSession(radio, kind);
            const bool expectLeave =
                (options.leave == Leave::AfterWrite && end.wroteAll) ||
                (options.leave == Leave::AfterReadBack && writtenSinceArrival && end.readAll);
            writtenSinceArrival = writtenSinceArrival || end.wroteAll;
            const auto result = presence.sessionEnded(end, now);
            ASSERT_EQ(result == RadioPresence::Change::Left, expectLeave);
            ASSERT_EQ(presence.attached(), !expectLeave);
            if (expectLeave) {
                leftAt = now;
                const bool another =
                    options.nextAfterMs >= 0 && (options.radios == 0 || arrivals < options.radios);
                ASSERT_EQ(presence.nextChange().has_value(), another);
            }
        }
        if (options.radios > 0) {
            ASSERT_LE(arrivals, options.radios);
        }
    }
}

TEST(SimOptions, SeveralRadiosAreSavedUnderNumberedNames) {
    const struct {
        const char* path;
        int radio;
        const char* expected;
    } cases[] = {{"out.dat", 2, "out-2.dat"},
                 {"/tmp/a.b/radio.dat", 3, "/tmp/a.b/radio-3.dat"},
                 {"/tmp/a.b/radio", 1, "/tmp/a.b/radio-1"},
                 {".hidden", 4, ".hidden-4"}};
    for (const auto& c : cases) EXPECT_EQ(NumberedPath(c.path, c.radio), c.expected) << c.path;
}

TEST(SimOptions, PresenceOptionsParseAndContradictionsAreRefused) {
    const auto parse = [](std::vector<std::string> words, Options& o) {
        words.insert(words.begin(), "talvo-radio-sim");
        std::vector<char*> argv;
        for (auto& w : words) argv.push_back(w.data());
        bool help = false;
        return ParseOptions(static_cast<int>(argv.size()), argv.data(), o, help);
    };
    Options o;
    EXPECT_EQ(parse({"--arrive-after-ms", "1500", "--leave-after", "read-back",
                     "--next-radio-after-ms", "800", "--radios", "3", "--id-tail", "0a1F"},
                    o),
              "");
    EXPECT_EQ(o.presence.arriveAfterMs, 1500);
    EXPECT_EQ(o.presence.leave, Leave::AfterReadBack);
    EXPECT_EQ(o.presence.nextAfterMs, 800);
    EXPECT_EQ(o.presence.radios, 3);
    EXPECT_EQ(o.identificationTail[0], 0x0A);
    EXPECT_EQ(o.identificationTail[1], 0x1F);
    for (const auto& bad : std::vector<std::vector<std::string>>{{"--leave-after", "soon"},
                                                                 {"--id-tail", "150"},
                                                                 {"--id-tail", "01G0"},
                                                                 {"--radios", "2"},
                                                                 {"--next-radio-after-ms", "100"},
                                                                 {"--faults-on-radio", "2"}}) {
        Options fresh;
        EXPECT_NE(parse(bad, fresh), "") << bad[0] << " " << bad[1];
    }
}

}  // namespace
}  // namespace talvo::radiosim
