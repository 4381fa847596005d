#include "link/protocol/transfer_session.h"

#include <algorithm>

#include "link/protocol/frames.h"
#include "radio/memory/block_plan.h"

namespace talvo::link {

namespace {

constexpr std::size_t kBlockThreshold = kBlockFrameSize;
constexpr int kWriteBlocksDebug = 193;
constexpr int kWriteBlocks = 191;

}  // namespace

TransferSession::TransferSession(SendFn send, EventFn event)
    : send_(std::move(send)), event_(std::move(event)) {}

int TransferSession::blocksTotal() const {
    if (direction_ == Direction::Identify) return 0;
    if (direction_ == Direction::Read) return radio::kReadBlocks;
    return debugMode_ ? kWriteBlocksDebug : kWriteBlocks;
}

void TransferSession::begin(Direction direction) {
    active_ = true;
    direction_ = direction;
    step_ = radio::kFirstStep;
    idleTicks_ = 0;
    threshold_ = 1;
    awaitingBlock_ = false;
    blocksDone_ = 0;
    wokeUp_ = false;
    identification_.reset();
    // Bytes left over from an earlier, failed transfer must not answer this one.
    reply_.clear();
}

bool TransferSession::startRead(ImageBytes& destination) {
    if (active_) return false;
    begin(Direction::Read);
    debugMode_ = false;
    destination_ = &destination;
    scratch_ = destination;
    send(kWakeUp);
    return true;
}

bool TransferSession::startWrite(bool debugMode,
                                 const std::function<const ImageBytes&()>& encodeAfterWakeUp) {
    if (active_) return false;
    begin(Direction::Write);
    debugMode_ = debugMode;
    destination_ = nullptr;
    send(kWakeUp);
    // The radio's first answer waits in the port while the image is built.
    scratch_ = encodeAfterWakeUp();
    return true;
}

bool TransferSession::startIdentify() {
    if (active_) return false;
    begin(Direction::Identify);
    debugMode_ = false;
    destination_ = nullptr;
    send(kWakeUp);
    return true;
}

void TransferSession::feed(std::span<const std::uint8_t> bytes) {
    if (!active_ || bytes.empty()) return;
    reply_.append(bytes);
    event_({TransferEvent::Kind::Progress, step_});
    if (step_ == radio::kFirstStep) {
        stepWakeUp();
    } else if (direction_ == Direction::Identify) {
        if (!reply_.isIdentification()) return;
        keepIdentification();
        accept();
        finish();
    } else if (direction_ == Direction::Write) {
        stepWrite();
    } else {
        stepRead();
    }
}

void TransferSession::stepWakeUp() {
    if (!reply_.hasAck()) return;
    accept();
    wokeUp_ = true;
    step_ = 2;
    sendByte(kIdentifyRequest);
}

void TransferSession::accept() {
    reply_.clear();
    idleTicks_ = 0;
}

void TransferSession::keepIdentification() {
    Identification id{};
    std::copy_n(reply_.afterLeadingAcks().begin(), id.size(), id.begin());
    identification_ = id;
}

void TransferSession::requestBlock(std::uint16_t address) {
    threshold_ = kBlockThreshold;
    awaitingBlock_ = true;
    send(ReadRequest(address));
}

void TransferSession::stepRead() {
    if (step_ == 2 && reply_.isIdentification()) {
        keepIdentification();
        accept();
        sendByte(kAck);
        return;
    }
    if (awaitingBlock_) {
        // Only a reply that echoes the requested address and length is stored.
        const std::uint16_t address = radio::ReadReplyAddress(step_);
        if (!reply_.isBlockReplyFor(address)) return;
        const auto data = reply_.blockData();
        for (std::size_t k = 0; k < data.size() && address + k < scratch_.size(); ++k) {
            scratch_[address + k] = data[k];
        }
        ++blocksDone_;
        accept();
        awaitingBlock_ = false;
        threshold_ = 1;
        sendByte(kAck);
        return;
    }
    // Steps 2..196 move on with an exact acknowledge: the next block request, then "E" twice.
    // Before the identification, an acknowledge is the late answer to an earlier "E" (or the
    // wake-up's own, when a late one was taken for it): the radio has not identified itself yet.
    if (!reply_.isExactAck() || (step_ == 2 && !identification_)) return;
    accept();
    if (step_ < 195) {
        const std::uint16_t next = radio::ReadRequestAddress(step_);
        ++step_;
        requestBlock(next);
    } else if (step_ == 195) {
        step_ = 196;
        sendByte(kEnd);
    } else {
        finish();
    }
}

void TransferSession::stepWrite() {
    if (step_ == 2) {
        if (!reply_.isIdentification()) return;
        keepIdentification();
        accept();
        step_ = 3;
        sendByte(kAck);
        return;
    }
    if (!reply_.hasAck()) {
        // From the first name block on, anything but an acknowledge means the radio refused
        // what it got; earlier replies are left to the time-out.
        if (step_ >= 129 && step_ <= 195) fail(Status::RefusedByRadio);
        return;
    }
    accept();
    if (step_ == radio::kLastStep) {
        finish();
        return;
    }
    const radio::WritePlace place = radio::WritePlaceForStep(step_, debugMode_);
    ++step_;
    if (place.block) {
        ++blocksDone_;
        send(WriteBlock(*place.block, scratch_));
    } else {
        sendByte(kAck);
    }
}

void TransferSession::finish() {
    active_ = false;
    threshold_ = 1;
    if (direction_ == Direction::Read && destination_ != nullptr) *destination_ = scratch_;
    destination_ = nullptr;
    sendByte(kEnd);
    event_({TransferEvent::Kind::Finished, step_});
}

void TransferSession::fail(Status reason) {
    end({TransferEvent::Kind::Failed, step_, reason});
}

void TransferSession::cancel() {
    if (active_) end({TransferEvent::Kind::Cancelled, step_, Status::Ok});
}

void TransferSession::end(TransferEvent event) {
    active_ = false;
    idleTicks_ = 0;
    threshold_ = 1;
    awaitingBlock_ = false;
    destination_ = nullptr;
    sendByte(kEnd);
    event_(event);
}

void TransferSession::tick() {
    if (!active_) return;
    if (idleTicks_ < kTimeoutTicks - 1) {
        ++idleTicks_;
        return;
    }
    fail(Status::TimedOut);
}

}  // namespace talvo::link
