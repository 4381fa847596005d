#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <functional>

#include "link/port/serial_line.h"
#include "link/protocol/transfer_session.h"

namespace talvo::link {

// Runs a TransferSession over a SerialLine inside the Qt event loop: received bytes and the
// 50 ms transfer timer drive it, nothing blocks. It applies the session's receive threshold:
// bytes are held back until that many are waiting, then all of them are handed over.
class TransferDriver : public QObject {
    Q_OBJECT
  public:
    explicit TransferDriver(SerialLine& line, QObject* parent = nullptr);

    // False when the line is not open or a transfer is running. Waiting input is dropped first.
    // On success, `destination` receives the radio's memory when (and only when) the read
    // finishes; it must outlive the transfer.
    bool startRead(ImageBytes& destination);
    // `encodeAfterWakeUp` runs right after "PROGRAM" is on its way and returns the image to send.
    bool startWrite(bool debugMode, const std::function<const ImageBytes&()>& encodeAfterWakeUp);

    const TransferSession& session() const { return session_; }
    bool active() const { return session_.active(); }

  signals:
    // Once per receive event during a transfer.
    void progress(int step, int blocksDone, int blocksTotal);
    void finished(talvo::link::Direction direction);
    void failed(talvo::Status reason);

  private:
    bool prepare();
    void onBytesArrived();
    void onEvent(const TransferEvent& event);

    SerialLine& line_;
    TransferSession session_;
    QTimer timer_;
    QByteArray pending_;
};

}  // namespace talvo::link
