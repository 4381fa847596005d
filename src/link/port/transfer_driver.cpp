#include "link/port/transfer_driver.h"

namespace talvo::link {

namespace {

TransferOutcome OutcomeOf(const TransferEvent& event) {
    switch (event.kind) {
        case TransferEvent::Kind::Finished:
            return TransferOutcome::Success();
        case TransferEvent::Kind::Cancelled:
            return TransferOutcome::Cancelled(event.step);
        case TransferEvent::Kind::Failed:
        case TransferEvent::Kind::Progress:
            break;
    }
    if (event.reason == Status::RefusedByRadio)
        return {TransferOutcome::Kind::Refused, event.step, event.reason, {}};
    return {TransferOutcome::Kind::TimedOut, event.step, Status::TimedOut, {}};
}

}  // namespace

TransferDriver::TransferDriver(ByteLine& line, QObject* parent)
    : QObject(parent),
      line_(line),
      session_([this](std::span<const std::uint8_t> frame) { line_.write(frame); },
               [this](const TransferEvent& event) { onEvent(event); }) {
    timer_.setInterval(TransferSession::kTickMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { session_.tick(); });
    settle_.setSingleShot(true);
    settle_.setTimerType(Qt::PreciseTimer);
    connect(&settle_, &QTimer::timeout, this, &TransferDriver::beginNow);
    connect(&line_, &ByteLine::bytesArrived, this, &TransferDriver::onBytesArrived);
    connect(&line_, &ByteLine::lineFailed, this, &TransferDriver::onLineFailed);
}

bool TransferDriver::startRead(ImageBytes& destination) {
    return begin([this, &destination] { return session_.startRead(destination); });
}

bool TransferDriver::startWrite(bool debugMode,
                                const std::function<const ImageBytes&()>& encodeAfterWakeUp) {
    return begin([this, debugMode, encodeAfterWakeUp] {
        return session_.startWrite(debugMode, encodeAfterWakeUp);
    });
}

bool TransferDriver::begin(Starter starter) {
    if (active()) return false;
    if (!line_.isOpen()) {
        finish(TransferOutcome::PortError(Status::PortCannotOpen), false);
        return true;
    }
    lineFailure_.reset();
    starter_ = std::move(starter);
    const qint64 wait = !answerPending_             ? 0
                        : sinceLastByte_.isValid() ? kQuietMs - sinceLastByte_.elapsed()
                        : sinceEnd_.isValid()      ? kSettleMs - sinceEnd_.elapsed()
                                                   : 0;
    if (wait > 0) {
        waitingToStart_ = true;
        settle_.start(static_cast<int>(wait));
        return true;
    }
    beginNow();
    return true;
}

void TransferDriver::beginNow() {
    settle_.stop();
    waitingToStart_ = false;
    answerPending_ = false;
    line_.discardInput();
    pending_.clear();
    if (!session_.active() && starter_ && starter_()) timer_.start();
    starter_ = nullptr;
}

void TransferDriver::cancel() {
    if (waitingToStart_) {
        settle_.stop();
        waitingToStart_ = false;
        starter_ = nullptr;
        finish(TransferOutcome::Cancelled(0), answerPending_);
        return;
    }
    session_.cancel();
}

void TransferDriver::onBytesArrived() {
    pending_.append(line_.takeAll());
    if (!session_.active()) {
        // Nobody is listening: do not let it answer a later transfer. A transfer waiting for
        // the answer to the last "E" may begin now.
        pending_.clear();
        sinceLastByte_.start();
        if (waitingToStart_) settle_.start(kQuietMs);
        return;
    }
    if (static_cast<std::size_t>(pending_.size()) < session_.receiveThreshold()) return;
    const QByteArray bytes = std::exchange(pending_, {});
    session_.feed(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                      static_cast<std::size_t>(bytes.size())));
}

void TransferDriver::onLineFailed(const QString& reason) {
    if (waitingToStart_) {
        settle_.stop();
        waitingToStart_ = false;
        starter_ = nullptr;
        finish(TransferOutcome::PortError(Status::PortCannotOpen, reason.toStdString()), false);
        return;
    }
    if (!session_.active()) return;
    lineFailure_ = reason;
    session_.cancel();  // ends the session; onEvent turns it into the port error
}

void TransferDriver::onEvent(const TransferEvent& event) {
    if (event.kind == TransferEvent::Kind::Progress) {
        emit progress(event.step, session_.blocksDone(), session_.blocksTotal());
        return;
    }
    timer_.stop();
    pending_.clear();
    if (lineFailure_) {
        const std::string reason = lineFailure_->toStdString();
        lineFailure_.reset();
        finish(TransferOutcome::PortError(Status::PortCannotOpen, reason), false);
        return;
    }
    // The radio answers the "E" that ends a write or a broken-off transfer; a read has already
    // had its answer.
    const bool answerPending =
        !(event.kind == TransferEvent::Kind::Finished && session_.direction() == Direction::Read);
    finish(OutcomeOf(event), answerPending);
}

void TransferDriver::finish(const TransferOutcome& outcome, bool answerPending) {
    answerPending_ = answerPending;
    sinceEnd_.start();
    sinceLastByte_.invalidate();
    emit ended(outcome);
}

}  // namespace talvo::link
