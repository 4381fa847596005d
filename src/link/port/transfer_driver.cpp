#include "link/port/transfer_driver.h"

namespace talvo::link {

TransferDriver::TransferDriver(SerialLine& line, QObject* parent)
    : QObject(parent),
      line_(line),
      session_([this](std::span<const std::uint8_t> frame) { line_.write(frame); },
               [this](const TransferEvent& event) { onEvent(event); }) {
    timer_.setInterval(TransferSession::kTickMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { session_.tick(); });
    connect(&line_, &SerialLine::bytesArrived, this, &TransferDriver::onBytesArrived);
}

bool TransferDriver::prepare() {
    if (!line_.isOpen() || session_.active()) return false;
    line_.discardInput();
    pending_.clear();
    return true;
}

bool TransferDriver::startRead(ImageBytes& destination) {
    if (!prepare() || !session_.startRead(destination)) return false;
    timer_.start();
    return true;
}

bool TransferDriver::startWrite(bool debugMode,
                                const std::function<const ImageBytes&()>& encodeAfterWakeUp) {
    if (!prepare() || !session_.startWrite(debugMode, encodeAfterWakeUp)) return false;
    timer_.start();
    return true;
}

void TransferDriver::onBytesArrived() {
    pending_.append(line_.takeAll());
    if (!session_.active()) {
        pending_.clear();  // nobody is listening: do not let it answer a later transfer
        return;
    }
    if (static_cast<std::size_t>(pending_.size()) < session_.receiveThreshold()) return;
    const QByteArray bytes = std::exchange(pending_, {});
    session_.feed(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                      static_cast<std::size_t>(bytes.size())));
}

void TransferDriver::onEvent(const TransferEvent& event) {
    switch (event.kind) {
        case TransferEvent::Kind::Progress:
            emit progress(event.step, session_.blocksDone(), session_.blocksTotal());
            break;
        case TransferEvent::Kind::Finished:
            timer_.stop();
            emit finished(session_.direction());
            break;
        case TransferEvent::Kind::Failed:
            timer_.stop();
            pending_.clear();
            emit failed(event.reason);
            break;
    }
}

}  // namespace talvo::link
