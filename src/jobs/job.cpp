#include "jobs/job.h"

#include <utility>

#include "radio/memory/block_plan.h"

namespace talvo::jobs {

Job::Job()
    : session_([this](std::span<const std::uint8_t> bytes) { send_(bytes); },
               [this](const link::TransferEvent& event) { onSessionEvent(event); }) {}

Job::~Job() = default;

void Job::start(SendFn send, int settleTicks) {
    if (state_ != State::Idle) return;
    send_ = std::move(send);
    settleNext_ = settleTicks;
    begin();
}

Progress Job::progress() const {
    Progress p;
    p.stage = stage_;
    p.step = session_.step();
    if (state_ == State::Transferring) {
        p.stageBlocksDone = session_.blocksDone();
        p.stageBlocksTotal = session_.blocksTotal();
    }
    p.blocksDone = blocksBefore_ + p.stageBlocksDone;
    p.blocksTotal = plannedBlocks();
    return p;
}

void Job::read(Stage stage, ImageBytes& destination) {
    schedule(stage, [this, &destination] { return session_.startRead(destination); });
}

void Job::write(Stage stage, bool sendCalibration, std::function<const ImageBytes&()> image) {
    writeSendsCalibration_ = sendCalibration;
    schedule(stage, [this, sendCalibration, image = std::move(image)] {
        return session_.startWrite(sendCalibration, image);
    });
}

void Job::identify(Stage stage) {
    schedule(stage, [this] { return session_.startIdentify(); });
}

void Job::schedule(Stage stage, Starter starter) {
    scheduled_ = std::move(starter);
    stage_ = stage;
    pending_.clear();
    if (settleNext_ <= 0) {
        beginScheduled();
    } else {
        state_ = State::Settling;
        settleLeft_ = settleNext_;
        settleSpent_ = 0;
        awaitAnswer_ = awaitAnswerNext_;
        heard_ = false;
    }
    notify(JobEvent::Kind::StageStarted);
}

void Job::beginScheduled() {
    settleNext_ = 0;
    awaitAnswerNext_ = false;
    state_ = State::Transferring;
    pending_.clear();
    const Starter starter = std::exchange(scheduled_, nullptr);
    starter();
}

void Job::feed(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) return;
    if (state_ == State::Settling) heard_ = true;
    if (state_ != State::Transferring) return;  // nobody listens: it must not answer later
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    if (pending_.size() < session_.receiveThreshold()) return;
    const std::vector<std::uint8_t> chunk = std::exchange(pending_, {});
    session_.feed(chunk);
}

void Job::tick() {
    if (state_ == State::Transferring) {
        session_.tick();
        return;
    }
    if (state_ != State::Settling) return;
    ++settleSpent_;
    if (heard_) {
        // One whole tick of quiet after the last byte.
        awaitAnswer_ = false;
        settleLeft_ = 1;
    } else if (!awaitAnswer_) {
        --settleLeft_;
    }
    heard_ = false;
    if (settleLeft_ <= 0 || settleSpent_ >= kMostSettleTicks) beginScheduled();
}

void Job::cancel() {
    switch (state_) {
        case State::Transferring:
            session_.cancel();  // "E" goes out; the event ends the job
            return;
        case State::Idle:
        case State::Settling:
        case State::AwaitingDecision: {
            Outcome cancelled;
            cancelled.kind = Outcome::Kind::Cancelled;
            cancelled.stage = stage_;
            fail(std::move(cancelled));
            return;
        }
        case State::Finished:
            return;
    }
}

void Job::lineFailed(const std::string& reason) {
    if (state_ == State::Finished) return;
    if (state_ == State::Transferring) {
        lineFailure_ = reason;
        session_.cancel();
        return;
    }
    Outcome failure;
    failure.kind = Outcome::Kind::PortError;
    failure.stage = stage_;
    failure.reason = Status::PortCannotOpen;
    failure.detail = reason;
    fail(std::move(failure));
}

void Job::waitForDecision() {
    stage_ = Stage::Decision;
    state_ = State::AwaitingDecision;
    notify(JobEvent::Kind::AwaitingDecision);
}

void Job::succeed() {
    fail(Outcome{});
}

void Job::fail(Outcome outcome) {
    outcome_ = std::move(outcome);
    if (outcome_.stage == Stage::None) outcome_.stage = stage_;
    scheduled_ = nullptr;
    pending_.clear();
    state_ = State::Finished;
    notify(JobEvent::Kind::Finished);
}

void Job::keepIdentification() {
    if (const auto& id = session_.identification()) {
        identification_.assign(id->begin(), id->end());
    } else if (session_.wokeUp() && session_.step() == 2 && identification_.empty()) {
        // It answered the wake-up with something else: what it sent, for the record.
        // Acknowledges in front answer an earlier "E", not the identify request.
        const auto reply = session_.replyAfterLeadingAcks();
        identification_.assign(reply.begin(), reply.end());
        identification_.insert(identification_.end(), pending_.begin(), pending_.end());
    }
}

void Job::onSessionEvent(const link::TransferEvent& event) {
    using Kind = link::TransferEvent::Kind;
    if (event.kind == Kind::Progress) {
        notify(JobEvent::Kind::Progress);
        return;
    }
    keepIdentification();
    if (event.kind == Kind::Finished) {
        blocksBefore_ += session_.blocksDone();
        settleNext_ = kSettleTicks;
        // A finished read ends with two "E"s, and a radio may answer the second one or not.
        awaitAnswerNext_ = session_.direction() != link::Direction::Read;
        transferDone(stage_);
        return;
    }
    fail(failureOf(event));
}

Outcome Job::failureOf(const link::TransferEvent& event) const {
    Outcome outcome;
    outcome.stage = stage_;
    outcome.step = event.step;
    if (session_.direction() == link::Direction::Write) {
        for (int step = event.step - 1; step >= 3; --step) {
            if (const auto place = radio::WritePlaceForStep(step, writeSendsCalibration_);
                place.block) {
                outcome.lastBlockSent = *place.block;
                break;
            }
        }
    }
    if (lineFailure_) {
        outcome.kind = Outcome::Kind::PortError;
        outcome.reason = Status::PortCannotOpen;
        outcome.detail = *lineFailure_;
        return outcome;
    }
    if (event.kind == link::TransferEvent::Kind::Cancelled) {
        outcome.kind = Outcome::Kind::Cancelled;
        return outcome;
    }
    if (event.reason == Status::RefusedByRadio) {
        outcome.kind = Outcome::Kind::Refused;
        outcome.reason = Status::RefusedByRadio;
        return outcome;
    }
    outcome.reason = Status::TimedOut;
    const bool answered = !session_.replyBytes().empty() || !pending_.empty();
    if (!answered) {
        outcome.kind = Outcome::Kind::TimedOut;
    } else {
        outcome.kind = Outcome::Kind::ProtocolFault;
        outcome.fault = event.step == 2 && session_.wokeUp() && !session_.identification()
                            ? Fault::WrongIdentification
                            : Fault::UnexpectedReply;
    }
    return outcome;
}

void Job::notify(JobEvent::Kind kind) {
    // A copy: the listener may replace itself while it runs.
    const EventFn listener = listener_;
    if (listener) listener({kind});
}

}  // namespace talvo::jobs
