// The transfer jobs against a scripted radio in this file, driven by ticks: every job ends in
// the right one of the closed set of outcomes, and what the radio holds afterwards is what the
// job says.
#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <string>
#include <vector>

#include "catalogue_words.h"
#include "compare/byte_compare.h"
#include "jobs/checked_write_job.h"
#include "jobs/outcome_words.h"
#include "jobs/transfer_jobs.h"
#include "radio/memory/block_plan.h"

namespace talvo::jobs {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Kind = Outcome::Kind;

// The radio's side of the exchange, as the radio's manual describes it, with faults. Its
// answers reach the job `latency` ticks after the frame that asked for them.
struct ScriptedRadio {
    Bytes memory = Bytes(0xC30, 0);
    Bytes ident = {'R', 'Q', 'Z', '-', 'D', 'W', 0x01, 0x50};
    bool silent = false;
    bool present = true;          // false: nothing at the end of the line
    int corruptWrittenBlock = 0;  // store the N-th written block with its 8th byte inverted
    int nakWrittenBlock = 0;
    int latency = 0;
    Bytes received;             // everything the program sent
    std::vector<Bytes> frames;  // the program's frames, one per send

    void take(std::span<const std::uint8_t> frame) {
        received.insert(received.end(), frame.begin(), frame.end());
        frames.emplace_back(frame.begin(), frame.end());
        if (!present) return;
        const Bytes f(frame.begin(), frame.end());
        Bytes reply;
        if (f == Bytes{'P', 'R', 'O', 'G', 'R', 'A', 'M'}) {
            programming = true;
            reply = {0x06};
        } else if (!programming) {
            return;
        } else if (f == Bytes{0x02}) {
            reply = ident;
        } else if (f == Bytes{0x06}) {
            reply = {0x06};
        } else if (f == Bytes{'E'}) {
            programming = false;
            reply = {0x06};
        } else if (f.size() == 4 && f[0] == 'R') {
            const std::size_t a = std::size_t{f[1]} << 8 | f[2];
            reply = {'W', f[1], f[2], 0x10};
            reply.insert(reply.end(), memory.begin() + static_cast<long>(a),
                         memory.begin() + static_cast<long>(a + 16));
        } else if (f.size() == 20 && f[0] == 'W') {
            ++written;
            const std::size_t a = std::size_t{f[1]} << 8 | f[2];
            if (written == nakWrittenBlock) {
                reply = {0x15};
            } else {
                std::copy(f.begin() + 4, f.end(), memory.begin() + static_cast<long>(a));
                if (written == corruptWrittenBlock) memory[a + 7] ^= 0xFF;
                reply = {0x06};
            }
        }
        if (silent) return;
        outgoing.push_back({now + latency, reply});
    }
    int writtenBlocks() const {
        int n = 0;
        for (const Bytes& f : frames) n += f.size() == 20 && f[0] == 'W' ? 1 : 0;
        return n;
    }

    bool programming = false;
    int written = 0;
    int now = 0;
    std::deque<std::pair<int, Bytes>> outgoing;
};

// Runs `job` against `radio` until it ends (or `cancelAtTick`), one tick at a time.
struct Bench {
    ScriptedRadio radio;
    std::vector<Progress> progress;
    std::vector<Stage> stages;
    bool decide = true;  // proceed at the decision
    int cancelAtTick = -1;
    int failLineAtTick = -1;

    Outcome run(Job& job, int settle = 0) {
        job.setListener([&](const JobEvent& e) {
            if (e.kind == JobEvent::Kind::Progress) progress.push_back(job.progress());
            if (e.kind == JobEvent::Kind::StageStarted) stages.push_back(job.stage());
            if (e.kind == JobEvent::Kind::AwaitingDecision) {
                auto& checked = dynamic_cast<CheckedWriteJob&>(job);
                decide ? checked.proceed() : checked.decline();
            }
        });
        job.start([this](std::span<const std::uint8_t> f) { radio.take(f); }, settle);
        for (int tick = 0; tick < 20000 && !job.finished(); ++tick) {
            radio.now = tick;
            // Everything due arrives before the tick, the way a port delivers it.
            while (!radio.outgoing.empty() && radio.outgoing.front().first <= tick) {
                const Bytes bytes = radio.outgoing.front().second;
                radio.outgoing.pop_front();
                job.feed(bytes);
            }
            if (tick == cancelAtTick) job.cancel();
            if (tick == failLineAtTick) job.lineFailed("the device was removed");
            if (!job.finished()) job.tick();
        }
        EXPECT_TRUE(job.finished());
        return job.outcome();
    }
};

ImageBytes RandomImage(std::mt19937& rng) {
    ImageBytes image{};
    for (auto& b : image) b = static_cast<std::uint8_t>(rng());
    return image;
}

Bytes RandomMemory(std::mt19937& rng) {
    Bytes memory(0xC30);
    for (auto& b : memory) b = static_cast<std::uint8_t>(rng());
    return memory;
}

ImageBytes ConfigOf(const Bytes& memory) {
    ImageBytes image{};
    std::copy(memory.begin(), memory.begin() + static_cast<long>(kImageSize), image.begin());
    return image;
}

// Over random radios, images and options: a checked write keeps what the radio held, leaves
// exactly the written blocks changed (the calibration only when it is sent), and counts its
// progress in blocks up to its total.
TEST(Jobs, CheckedWriteLeavesTheRadioHoldingTheImageOverTheWrittenBlocksOnly) {
    std::mt19937 rng(19);
    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE(round);
        Bench bench;
        bench.radio.memory = RandomMemory(rng);
        bench.radio.latency = static_cast<int>(rng() % 3);
        const Bytes before = bench.radio.memory;
        const ImageBytes image = RandomImage(rng);
        CheckedWriteOptions options;
        options.write.debugMode = rng() % 2 == 1;
        options.write.leaveCalibrationOut = rng() % 2 == 1;
        options.identifyFirst = rng() % 2 == 1;
        CheckedWriteJob job(image, options);
        const Outcome outcome = bench.run(job);
        ASSERT_EQ(outcome.kind, Kind::Success) << Render(OutcomeLine(outcome), kEnglish);
        EXPECT_TRUE(std::equal(before.begin(), before.begin() + kConfigSize, job.backup().begin()));
        for (std::size_t a = 0; a < kConfigSize; ++a) {
            const bool calibration = a >= 0x7E0 && a < 0x800;
            const bool never = a >= 0x7C0 && a < 0x7E0;
            const bool sent = !never && (!calibration || options.write.sendsCalibration());
            ASSERT_EQ(bench.radio.memory[a], sent ? image[a] : before[a]) << std::hex << a;
        }
        std::vector<Stage> expected = {Stage::Backup, Stage::Write, Stage::ReadBack};
        if (options.identifyFirst) expected.insert(expected.begin(), Stage::Identify);
        EXPECT_EQ(bench.stages, expected);
        ASSERT_FALSE(bench.progress.empty());
        for (std::size_t i = 1; i < bench.progress.size(); ++i)
            ASSERT_LE(bench.progress[i - 1].blocksDone, bench.progress[i].blocksDone);
        EXPECT_EQ(job.progress().blocksDone, job.progress().blocksTotal);
        EXPECT_EQ(job.progress().blocksTotal, options.write.sendsCalibration() ? 579 : 577);
        EXPECT_EQ(job.identification(), bench.radio.ident);
    }
}

// Each fault ends in its own outcome, at the stage and step where it happened; the program's
// last byte is always "E", and a radio that is not this one is never written.
TEST(Jobs, EveryFaultEndsInItsOwnOutcome) {
    struct Case {
        const char* name;
        void (*setUp)(Bench&);
        Kind kind;
        Stage stage;
        int step;  // 0: not checked
    };
    const std::vector<Case> cases = {
        {"nothing on the line", [](Bench& b) { b.radio.present = false; }, Kind::TimedOut,
         Stage::Backup, 1},
        {"silent after the wake-up", [](Bench& b) { b.radio.silent = true; }, Kind::TimedOut,
         Stage::Backup, 1},
        {"another model", [](Bench& b) { b.radio.ident[5] = 'X'; }, Kind::ProtocolFault,
         Stage::Backup, 2},
        {"identification one byte short", [](Bench& b) { b.radio.ident.pop_back(); },
         Kind::ProtocolFault, Stage::Backup, 2},
        {"a name block refused", [](Bench& b) { b.radio.nakWrittenBlock = 130; }, Kind::Refused,
         Stage::Write, 0},
        {"a block stored wrong", [](Bench& b) { b.radio.corruptWrittenBlock = 10; },
         Kind::VerifyMismatch, Stage::ReadBack, 0},
        {"cancelled while writing", [](Bench& b) { b.cancelAtTick = 500; }, Kind::Cancelled,
         Stage::Write, 0},
        {"the line fails while writing", [](Bench& b) { b.failLineAtTick = 500; }, Kind::PortError,
         Stage::Write, 0},
        {"declined at the decision", [](Bench& b) { b.decide = false; }, Kind::Cancelled,
         Stage::Decision, 0},
    };
    std::mt19937 rng(21);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bench bench;
        bench.radio.memory = RandomMemory(rng);
        bench.radio.latency = 1;  // one frame a tick: the cancel comes during the write
        c.setUp(bench);
        ImageBytes image = RandomImage(rng);
        image[0x097] = static_cast<std::uint8_t>(bench.radio.memory[0x097] + 1);
        CheckedWriteJob job(image, {});
        const Outcome outcome = bench.run(job);
        EXPECT_EQ(outcome.kind, c.kind) << Render(OutcomeLine(outcome), kEnglish);
        EXPECT_EQ(outcome.stage, c.stage);
        if (c.step != 0) {
            EXPECT_EQ(outcome.step, c.step);
        }
        if (c.stage != Stage::Decision && c.kind != Kind::VerifyMismatch) {
            EXPECT_EQ(bench.radio.frames.back(), Bytes{'E'});
        }
        EXPECT_EQ(job.writeBegan(), c.stage == Stage::Write || c.stage == Stage::ReadBack);
        if (c.stage != Stage::Write && c.stage != Stage::ReadBack) {
            EXPECT_EQ(bench.radio.writtenBlocks(), 0);
        }
        if (c.kind == Kind::ProtocolFault) {
            EXPECT_EQ(outcome.fault, Fault::WrongIdentification);
            EXPECT_EQ(job.identification(), bench.radio.ident);
        }
        if (c.kind == Kind::VerifyMismatch) {
            EXPECT_EQ(outcome.firstAddress, 0x097u);
            EXPECT_EQ(outcome.count, 1u);
            EXPECT_EQ(Render(OutcomeLine(outcome), kEnglish),
                      "the radio does not hold what was written: first difference at 0x097, 1 "
                      "byte differs");
        }
        if (c.stage == Stage::Write) {
            // The write stopped after some block; no block went out after the cancel or refusal.
            ASSERT_TRUE(outcome.lastBlockSent.has_value());
            const auto order = radio::WriteBlockSequence(false);
            const auto at = std::find(order.begin(), order.end(), *outcome.lastBlockSent);
            EXPECT_EQ(bench.radio.writtenBlocks(), static_cast<int>(at - order.begin()) + 1);
        }
    }
}

// A fleet keeps each radio's calibration even in debug mode; a radio with another
// identification is never read or written when it is identified first.
TEST(Jobs, CalibrationLeftOutAndWrongRadioNeverTouched) {
    std::mt19937 rng(7);
    Bench bench;
    bench.radio.memory = RandomMemory(rng);
    const Bytes before = bench.radio.memory;
    CheckedWriteOptions options;
    options.write = {.debugMode = true, .leaveCalibrationOut = true};
    options.askBeforeWriting = false;
    CheckedWriteJob job(RandomImage(rng), options);
    ASSERT_TRUE(bench.run(job).ok());
    EXPECT_TRUE(std::equal(before.begin() + 0x7C0, before.begin() + 0x800,
                           bench.radio.memory.begin() + 0x7C0));

    Bench wrong;
    wrong.radio.ident = {'R', 'Q', 'Z', '-', 'D', 'V', 0x07, 0x08};
    options.identifyFirst = true;
    CheckedWriteJob refused(RandomImage(rng), options);
    const Outcome outcome = wrong.run(refused);
    EXPECT_EQ(outcome.kind, Kind::ProtocolFault);
    EXPECT_EQ(outcome.stage, Stage::Identify);
    EXPECT_EQ(refused.identification(), wrong.radio.ident);
    for (const Bytes& f : wrong.radio.frames) EXPECT_TRUE(f[0] != 'R' && f[0] != 'W');
}

// A late answer to the "E" that ended a write never passes for the answer to the next wake-up:
// with the radio answering several ticks late, every transfer of a restore still succeeds, and
// the radio holds the backup again.
TEST(Jobs, RestoreAfterASlowRadioPutsTheBytesBack) {
    std::mt19937 rng(5);
    for (const int latency : {0, 1, 4, 9}) {
        SCOPED_TRACE(latency);
        Bench bench;
        bench.radio.latency = latency;
        bench.radio.memory = RandomMemory(rng);
        const ImageBytes backup = RandomImage(rng);
        RestoreJob job(backup, {});
        const Outcome outcome = bench.run(job, Job::kSettleTicks);
        ASSERT_TRUE(outcome.ok()) << Render(OutcomeLine(outcome), kEnglish);
        const auto blocks = radio::WriteBlockSequence(false);
        EXPECT_TRUE(compare::CompareBlocks(backup, ConfigOf(bench.radio.memory), blocks).same());
    }
}

// verify answers which image the radio holds: the file's bytes, what a write of it sends, or
// neither (naming the first difference from what a write sends).
TEST(Jobs, VerifySaysWhichImageTheRadioHolds) {
    std::mt19937 rng(3);
    const Bytes memory = RandomMemory(rng);
    const ImageBytes held = ConfigOf(memory);
    ImageBytes encoded = held;
    encoded[0x792] ^= 0x5A;  // a byte the encoder leaves as its buffer held it
    ImageBytes other = held;
    other[0x100] ^= 1;
    other[0x200] ^= 1;
    struct Case {
        const char* name;
        ImageBytes file, write;
        VerifyMatch match;
    };
    const std::vector<Case> cases = {
        {"a file read from this radio", held, encoded, VerifyMatch::FileBytes},
        {"a file whose write this radio got", other, held, VerifyMatch::WriteImage},
        {"another file", other, other, VerifyMatch::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bench bench;
        bench.radio.memory = memory;
        VerifyJob job(c.file, c.write, {});
        const Outcome outcome = bench.run(job);
        EXPECT_EQ(job.match(), c.match);
        EXPECT_EQ(outcome.ok(), c.match != VerifyMatch::None);
        if (c.match == VerifyMatch::None) {
            EXPECT_EQ(outcome.kind, Kind::VerifyMismatch);
            EXPECT_EQ(outcome.firstAddress, 0x100u);
            EXPECT_EQ(outcome.count, 2u);
        }
        EXPECT_EQ(bench.radio.writtenBlocks(), 0);
    }
}

// Every outcome has words in both languages, and no placeholder is left in them.
TEST(Jobs, EveryOutcomeHasWordsInBothLanguages) {
    for (const Kind kind : {Kind::TimedOut, Kind::Refused, Kind::ProtocolFault, Kind::PortError,
                            Kind::Cancelled, Kind::VerifyMismatch}) {
        Outcome outcome;
        outcome.kind = kind;
        outcome.step = 42;
        outcome.reason = kind == Kind::PortError ? Status::PortCannotOpen : Status::TimedOut;
        outcome.count = 3;
        for (const Language lang : {kEnglish, kChinese}) {
            for (const std::string& text :
                 {Render(OutcomeSentence(outcome), lang), Render(OutcomeLine(outcome), lang)}) {
                EXPECT_FALSE(text.empty());
                EXPECT_EQ(text.find('%'), std::string::npos) << text;
                EXPECT_EQ(text.find('\n'), std::string::npos) << text;
            }
        }
    }
}

}  // namespace
}  // namespace talvo::jobs
