// Jobs that run more than one exchange on a line, against the virtual radio's own responder
// behaving as a real radio may where the exchange leaves it open: it answers every "E" (also
// the second one that ends a read) or not, it answers late (up to 50 ms), on a paced or an
// instant line, with random pauses between jobs. A good radio always ends in success with the
// right bytes; a radio of another model is never read past its identification, nor written.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "catalogue_words.h"
#include "compare/byte_compare.h"
#include "fleet/port_station.h"
#include "jobs/checked_write_job.h"
#include "jobs/line_quiet.h"
#include "jobs/outcome_words.h"
#include "jobs/transfer_jobs.h"
#include "radio/memory/block_plan.h"
#include "radio_responder.h"

namespace talvo::jobs {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Behaviour {
    bool answerEveryEnd = false;
    bool paced = false;  // each byte takes 1 ms on the line, as at 9600 baud
    int lateMs = 0;      // every answer waits a further 0..lateMs

    std::string text() const {
        return std::string(answerEveryEnd ? "answers every E" : "answers E in a session") +
               (paced ? ", paced" : ", instant") + ", late up to " + std::to_string(lateMs) + " ms";
    }
};

Behaviour RandomBehaviour(std::mt19937& rng) {
    Behaviour b;
    b.answerEveryEnd = rng() % 2 == 0;
    b.paced = rng() % 2 == 0;
    b.lateMs = static_cast<int>(rng() % 4) * 50 / 3;  // 0, 16, 33 or 50
    return b;
}

// The line, with time in milliseconds. The radio answers each frame after its turnaround, its
// answers one after the other in order; a radio that is not there hears nothing.
class Line {
  public:
    Line(const Behaviour& behaviour, unsigned seed) : behaviour_(behaviour), random_(seed) {}

    void attach(radiosim::Memory& memory, radiosim::Faults faults) {
        faults.answerEveryEnd = behaviour_.answerEveryEnd;
        radio_.emplace(memory, faults);
    }
    void detach() { radio_.reset(); }
    int now() const { return now_; }

    void send(std::span<const std::uint8_t> frame) {
        for (const std::uint8_t b : frame) {
            outFree_ = std::max(outFree_, now_) + byteMs();
            toRadio_.push_back({outFree_, b});
        }
    }

    // One millisecond: the radio takes what reached it; returns what reached the program.
    Bytes step() {
        ++now_;
        while (!toRadio_.empty() && toRadio_.front().first <= now_) {
            const std::uint8_t byte = toRadio_.front().second;
            toRadio_.pop_front();
            if (!radio_) continue;
            const Bytes reply = radio_->take(byte);
            const int late = std::uniform_int_distribution<int>(0, behaviour_.lateMs)(random_);
            for (const std::uint8_t b : reply) {
                inFree_ = std::max(inFree_, now_ + late) + byteMs();
                toProgram_.push_back({inFree_, b});
            }
        }
        Bytes arrived;
        while (!toProgram_.empty() && toProgram_.front().first <= now_) {
            arrived.push_back(toProgram_.front().second);
            toProgram_.pop_front();
        }
        return arrived;
    }

  private:
    int byteMs() const { return behaviour_.paced ? 1 : 0; }

    Behaviour behaviour_;
    std::mt19937 random_;
    std::optional<radiosim::RadioResponder> radio_;
    std::deque<std::pair<int, std::uint8_t>> toRadio_, toProgram_;
    int now_ = 0;
    int outFree_ = 0;
    int inFree_ = 0;
};

// Runs jobs one after another on a line as the program's job runner does: a quiet line
// decides whether the wake-up waits, ticks every 50 ms from the job's start.
struct Runner {
    Line& line;
    LineQuiet quiet;

    explicit Runner(Line& l) : line(l) { quiet.opened(line.now()); }

    Outcome run(Job& job) {
        job.setListener([&job](const JobEvent& e) {
            if (e.kind == JobEvent::Kind::AwaitingDecision)
                dynamic_cast<CheckedWriteJob&>(job).proceed();
        });
        const int settle = quiet.settleTicks(line.now());
        job.start([this](std::span<const std::uint8_t> f) { line.send(f); }, settle);
        const int start = line.now();
        while (!job.finished() && line.now() - start < 120000) {
            const Bytes arrived = line.step();
            if (!arrived.empty()) job.feed(arrived);
            if ((line.now() - start) % Job::kTickMs == 0 && !job.finished()) job.tick();
        }
        EXPECT_TRUE(job.finished());
        quiet.jobEnded(line.now());
        return job.outcome();
    }

    // Nobody listens for `ms`; returns the 50 ms ticks that passed.
    int idle(int ms) {
        for (int i = 0; i < ms; ++i) {
            if (!line.step().empty()) quiet.heard(line.now());
        }
        return ms / Job::kTickMs;
    }
};

radiosim::Memory RandomMemory(std::mt19937& rng) {
    radiosim::Memory memory{};
    for (auto& b : memory) b = static_cast<std::uint8_t>(rng());
    return memory;
}

ImageBytes RandomImage(std::mt19937& rng) {
    ImageBytes image{};
    for (auto& b : image) b = static_cast<std::uint8_t>(rng());
    return image;
}

ImageBytes ConfigOf(const radiosim::Memory& memory) {
    ImageBytes image{};
    std::copy_n(memory.begin(), image.size(), image.begin());
    return image;
}

bool Holds(const radiosim::Memory& memory, const ImageBytes& image, const WriteOptions& options) {
    return compare::CompareBlocks(image, ConfigOf(memory), options.blocks()).same();
}

std::string Said(const Outcome& outcome) {
    return Render(OutcomeLine(outcome), kEnglish);
}

constexpr int kCases = 6;

// A checked write (the CLI's write --backup --verify, the window's), then a verify and a restore
// of the backup on the same line, each right after the other or after a pause.
TEST(RadioBehaviours, CheckedWriteVerifyAndRestoreSucceedWithEveryRadio) {
    std::mt19937 rng(26);
    for (int n = 0; n < kCases; ++n) {
        const Behaviour behaviour = RandomBehaviour(rng);
        SCOPED_TRACE(behaviour.text());
        radiosim::Memory memory = RandomMemory(rng);
        const ImageBytes before = ConfigOf(memory);
        const ImageBytes image = RandomImage(rng);
        Line line(behaviour, static_cast<unsigned>(rng()));
        line.attach(memory, {});
        Runner runner(line);

        CheckedWriteOptions options;
        options.identifyFirst = rng() % 2 == 0;
        options.write.debugMode = rng() % 2 == 0;
        CheckedWriteJob write(image, options);
        const Outcome written = runner.run(write);
        ASSERT_TRUE(written.ok()) << Said(written);
        EXPECT_EQ(write.backup(), before);
        EXPECT_TRUE(Holds(memory, image, options.write));

        runner.idle(static_cast<int>(rng() % 200));
        VerifyJob verify(image, image, options.write);
        const Outcome verified = runner.run(verify);
        EXPECT_TRUE(verified.ok()) << Said(verified);

        runner.idle(static_cast<int>(rng() % 200));
        RestoreJob restore(write.backup(), options.write);
        const Outcome restored = runner.run(restore);
        EXPECT_TRUE(restored.ok()) << Said(restored);
        EXPECT_TRUE(Holds(memory, before, options.write));
    }
}

// A fleet station on one port: it polls, programs the radio it finds once, keeps polling while
// that radio stays on the cable, and programs the next radio after the first was taken off. A
// radio of another model on the cable is reported once and never written.
TEST(RadioBehaviours, StationProgramsEachGoodRadioOnceAndNeverAWrongOne) {
    std::mt19937 rng(28);
    for (int n = 0; n < kCases; ++n) {
        const Behaviour behaviour = RandomBehaviour(rng);
        SCOPED_TRACE(behaviour.text());
        const ImageBytes image = RandomImage(rng);
        radiosim::Faults wrongModel;
        wrongModel.wrongIdentification = true;
        // The radios that come to the cable in turn: two good ones, a wrong one between them.
        struct Visit {
            radiosim::Faults faults;
            radiosim::Memory memory;
        };
        std::vector<Visit> visits = {
            {{}, RandomMemory(rng)}, {wrongModel, RandomMemory(rng)}, {{}, RandomMemory(rng)}};
        const radiosim::Memory wrongBefore = visits[1].memory;

        Line line(behaviour, static_cast<unsigned>(rng()));
        Runner runner(line);
        fleet::PortStation station(true);
        CheckedWriteOptions options;
        options.identifyFirst = true;
        options.write.leaveCalibrationOut = true;
        std::vector<fleet::FleetOutcome> reported;
        int programmed = 0;
        std::size_t visit = 0;
        int polls = 0;  // since the radio came, or since the cable was left empty
        bool empty = false;
        line.attach(visits[0].memory, visits[0].faults);
        for (int round = 0; round < 5000 && visit < visits.size(); ++round) {
            switch (station.next(true)) {
                case fleet::PortStation::Next::Poll: {
                    IdentifyJob poll;
                    if (const auto r = station.polled(runner.run(poll))) reported.push_back(*r);
                    ++polls;
                    break;
                }
                case fleet::PortStation::Next::Program: {
                    CheckedWriteJob write(image, options);
                    const Outcome outcome = runner.run(write);
                    EXPECT_TRUE(station.programmed(outcome));
                    EXPECT_TRUE(outcome.ok()) << Said(outcome);
                    reported.push_back(fleet::FleetOutcomeOf(outcome));
                    ++programmed;
                    break;
                }
                case fleet::PortStation::Next::Nothing:
                    for (int t = runner.idle(Job::kTickMs); t > 0; --t) station.tick();
                    break;
            }
            // Each radio stays for a few polls; the cable stays empty for one, then the next
            // radio comes.
            if (!empty && polls == 3) {
                line.detach();
                empty = true;
                polls = 0;
            } else if (empty && polls == 1) {
                if (++visit < visits.size())
                    line.attach(visits[visit].memory, visits[visit].faults);
                empty = false;
                polls = 0;
            }
        }
        EXPECT_EQ(programmed, 2);
        EXPECT_EQ(reported, (std::vector<fleet::FleetOutcome>{fleet::FleetOutcome::Verified,
                                                              fleet::FleetOutcome::WrongRadio,
                                                              fleet::FleetOutcome::Verified}));
        EXPECT_TRUE(Holds(visits[0].memory, image, options.write));
        EXPECT_TRUE(Holds(visits[2].memory, image, options.write));
        EXPECT_EQ(visits[1].memory, wrongBefore);
    }
}

// A radio of another model is refused at its identification, whatever came before on the line:
// a checked write never reads or writes it, with or without an identify first.
TEST(RadioBehaviours, ARadioOfAnotherModelIsNeverWritten) {
    std::mt19937 rng(27);
    for (int n = 0; n < kCases; ++n) {
        const Behaviour behaviour = RandomBehaviour(rng);
        SCOPED_TRACE(behaviour.text());
        radiosim::Memory memory = RandomMemory(rng);
        const radiosim::Memory before = memory;
        Line line(behaviour, static_cast<unsigned>(rng()));
        radiosim::Faults faults;
        faults.wrongIdentification = true;
        line.attach(memory, faults);
        Runner runner(line);
        // A job that ended just before on the same line leaves its "E" to be answered.
        IdentifyJob earlier;
        runner.run(earlier);
        CheckedWriteOptions options;
        options.identifyFirst = rng() % 2 == 0;
        CheckedWriteJob write(RandomImage(rng), options);
        const Outcome outcome = runner.run(write);
        EXPECT_EQ(outcome.kind, Outcome::Kind::ProtocolFault) << Said(outcome);
        EXPECT_EQ(outcome.fault, Fault::WrongIdentification);
        EXPECT_EQ(fleet::FleetOutcomeOf(outcome), fleet::FleetOutcome::WrongRadio);
        EXPECT_FALSE(write.hasBackup());
        EXPECT_EQ(memory, before);
    }
}

}  // namespace
}  // namespace talvo::jobs
