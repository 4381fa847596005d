// What a fleet port does next: a single run programs once; a station polls no more often than
// every two seconds, programs each radio once however long it stays, and never writes another
// model.
#include <gtest/gtest.h>

#include <random>

#include "fleet/port_station.h"

namespace talvo::fleet {
namespace {

using Next = PortStation::Next;
using Phase = PortStation::Phase;
using jobs::Outcome;

Outcome Ended(Outcome::Kind kind, jobs::Stage stage, int step,
              jobs::Fault fault = jobs::Fault::None) {
    Outcome o;
    o.kind = kind;
    o.stage = stage;
    o.step = step;
    o.fault = fault;
    return o;
}

TEST(FleetStation, JobEndsMapOntoTheFixedOutcomes) {
    using K = Outcome::Kind;
    using S = jobs::Stage;
    struct Case {
        Outcome outcome;
        FleetOutcome expected;
    };
    Outcome mismatch = Ended(K::VerifyMismatch, S::ReadBack, 196);
    mismatch.firstAddress = 0x277;
    mismatch.count = 1;
    const Case cases[] = {
        {Ended(K::Success, S::ReadBack, 196), FleetOutcome::Verified},
        {mismatch, FleetOutcome::VerifyFailed},
        {Ended(K::TimedOut, S::Identify, 1), FleetOutcome::NoRadio},
        {Ended(K::TimedOut, S::Backup, 1), FleetOutcome::NoRadio},
        {Ended(K::TimedOut, S::Write, 1), FleetOutcome::Timeout},
        {Ended(K::TimedOut, S::Write, 80), FleetOutcome::Timeout},
        {Ended(K::ProtocolFault, S::Identify, 2, jobs::Fault::WrongIdentification),
         FleetOutcome::WrongRadio},
        {Ended(K::ProtocolFault, S::Identify, 1, jobs::Fault::UnexpectedReply),
         FleetOutcome::WrongRadio},
        {Ended(K::ProtocolFault, S::ReadBack, 40, jobs::Fault::UnexpectedReply),
         FleetOutcome::Timeout},
        {Ended(K::Refused, S::Write, 150), FleetOutcome::Refused},
        {Ended(K::PortError, S::Backup, 0), FleetOutcome::PortError},
        {Ended(K::Cancelled, S::Write, 30), FleetOutcome::Cancelled},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FleetOutcomeOf(c.outcome), c.expected) << OutcomeName(c.expected);
        EXPECT_EQ(DifferencesOf(c.outcome).has_value(), c.expected == FleetOutcome::VerifyFailed);
    }
    EXPECT_EQ(DifferencesOf(mismatch)->firstAddress, 0x277u);
    EXPECT_EQ(IdentTail({'R', 'Q', 'Z', '-', 'D', 'W', 0x01, 0x50}),
              (std::array<std::uint8_t, 2>{0x01, 0x50}));
    EXPECT_EQ(IdentTail({'R', 'Q', 'Z'}), std::nullopt);
}

TEST(FleetStation, ASingleRunProgramsOnceOrEndsWithoutARow) {
    PortStation once(false);
    EXPECT_EQ(once.next(true), Next::Program);
    EXPECT_EQ(once.next(true), Next::Nothing) << "busy";
    EXPECT_TRUE(once.programmed(Ended(Outcome::Kind::TimedOut, jobs::Stage::Identify, 1)));
    EXPECT_EQ(once.phase(), Phase::Done);
    for (int t = 0; t < 100; ++t) once.tick();
    EXPECT_EQ(once.next(true), Next::Nothing);

    PortStation rowless(false);
    EXPECT_EQ(rowless.next(false), Next::Nothing);
    EXPECT_EQ(rowless.phase(), Phase::Done);
}

// A cable on which radios of this model and of another come and go at random moments (each
// swap taking longer than a poll interval), with the station driven tick by tick: polls start at
// least 40 ticks apart, every radio of this model that stays long enough is programmed exactly
// once, none is programmed twice, and another model is reported once and never written.
TEST(FleetStation, RadiosComeAndGoAndEachIsProgrammedOnce) {
    std::mt19937 random(11);
    for (int run = 0; run < 200; ++run) {
        PortStation station(true);
        struct Radio {
            bool ours;
            int programmed = 0;
            int reported = 0;
            int ticks = 0;  // how long it has been on the cable
        };
        std::vector<Radio> radios;
        bool attached = false;
        int emptyFor = 1000;
        int lastPoll = -1000;
        bool busy = false;  // a poll or programming is running
        std::optional<Outcome> pending;
        int answered = -1;  // the radio on the cable when the running poll went out
        int finishAt = 0;
        for (int t = 0; t < 4000; ++t) {
            station.tick();
            // The cable: a radio arrives or leaves now and then. A swap takes the dealer longer
            // than a poll interval and a poll, counted once the port shows the last outcome:
            // the station cannot see a faster one.
            if (attached) {
                emptyFor = 0;
            } else if (station.phase() != Phase::Programming) {
                ++emptyFor;
            }
            if (!attached && emptyFor > PortStation::kPollTicks + 13 && random() % 150 == 0) {
                radios.push_back({random() % 4 != 0});
                attached = true;
            } else if (attached && random() % 300 == 0) {
                attached = false;
            }
            if (attached) ++radios.back().ticks;
            if (busy && t >= finishAt) {
                busy = false;
                if (station.phase() == Phase::Programming) {
                    // A radio taken off while it was written stops answering.
                    if (pending->ok() && !attached) {
                        pending = Ended(Outcome::Kind::TimedOut, jobs::Stage::Write, 90);
                    }
                    station.programmed(*pending);
                } else {
                    const auto found = station.polled(*pending);
                    if (found) {
                        // The radio that answered (it may have been taken off since).
                        ASSERT_GE(answered, 0);
                        ASSERT_FALSE(radios[static_cast<std::size_t>(answered)].ours);
                        ASSERT_EQ(*found, FleetOutcome::WrongRadio);
                        ++radios[static_cast<std::size_t>(answered)].reported;
                    }
                }
            }
            if (busy) continue;
            switch (station.next(true)) {
                case Next::Nothing:
                    break;
                case Next::Poll:
                    ASSERT_GE(t - lastPoll, PortStation::kPollTicks);
                    lastPoll = t;
                    busy = true;
                    finishAt = t + 1 + static_cast<int>(random() % 12);
                    answered = attached ? static_cast<int>(radios.size()) - 1 : -1;
                    if (!attached) {
                        pending = Ended(Outcome::Kind::TimedOut, jobs::Stage::Identify, 1);
                    } else if (radios.back().ours) {
                        pending = Ended(Outcome::Kind::Success, jobs::Stage::Identify, 2);
                    } else {
                        pending = Ended(Outcome::Kind::ProtocolFault, jobs::Stage::Identify, 2,
                                        jobs::Fault::WrongIdentification);
                    }
                    break;
                case Next::Program:
                    // The radio the last poll found may have been taken off since; the checked
                    // write then finds nobody (its own identification) and writes nothing.
                    if (attached) {
                        ASSERT_TRUE(radios.back().ours);
                        ++radios.back().programmed;
                        pending = Ended(Outcome::Kind::Success, jobs::Stage::ReadBack, 196);
                    } else {
                        pending = Ended(Outcome::Kind::TimedOut, jobs::Stage::Identify, 1);
                    }
                    busy = true;
                    finishAt = t + 20 + static_cast<int>(random() % 40);
                    break;
            }
        }
        for (std::size_t i = 0; i + 1 < radios.size(); ++i) {
            const Radio& r = radios[i];
            ASSERT_LE(r.programmed, 1);
            ASSERT_LE(r.reported, 1);
            if (!r.ours) {
                ASSERT_EQ(r.programmed, 0);
            }
            // A radio on the cable for more than two polls and a poll's length was found.
            if (r.ticks > 2 * PortStation::kPollTicks + 13) {
                ASSERT_EQ(r.programmed + r.reported, 1)
                    << "run " << run << " radio " << i << " of " << radios.size() << " ours "
                    << r.ours << " ticks " << r.ticks;
            }
        }
    }
}

}  // namespace
}  // namespace talvo::fleet
