#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

#include "link/port/byte_line.h"
#include "link/protocol/transfer_outcome.h"
#include "link/protocol/transfer_session.h"

namespace talvo::link {

// Runs a TransferSession over a ByteLine inside the Qt event loop: received bytes and the
// 50 ms transfer timer drive it, nothing blocks. It applies the session's receive threshold
// (bytes are held back until that many are waiting, then all of them are handed over) and
// ends every transfer with one TransferOutcome. The window and talvo-cli both use it.
class TransferDriver : public QObject {
    Q_OBJECT
  public:
    explicit TransferDriver(ByteLine& line, QObject* parent = nullptr);

    // False (nothing happens) while a transfer runs. A line that is not open ends the transfer
    // at once as a port error: ended() is emitted before this returns. Waiting input is dropped
    // first. `destination` receives the radio's memory when (and only when) the read succeeds;
    // it must outlive the transfer.
    bool startRead(ImageBytes& destination);
    // `encodeAfterWakeUp` runs right after "PROGRAM" is on its way and returns the image to send.
    bool startWrite(bool debugMode, const std::function<const ImageBytes&()>& encodeAfterWakeUp);

    // The user stops the transfer: "E" goes out and it ends as cancelled.
    void cancel();

    const TransferSession& session() const { return session_; }
    // A transfer runs, or waits to begin (see kSettleMs).
    bool active() const { return session_.active() || waitingToStart_; }

    // After a transfer that ended with the program's "E" still to be answered (or with the
    // radio still talking), the next one waits until the line has settled: kSettleMs after the
    // end when nothing arrives, kQuietMs after the last byte that does. So a late acknowledge or
    // the tail of a broken-off block is never taken for the answer to the next wake-up.
    static constexpr int kSettleMs = 60;
    static constexpr int kQuietMs = 20;

  signals:
    // Once per receive event during a transfer.
    void progress(int step, int blocksDone, int blocksTotal);
    void ended(const talvo::link::TransferOutcome& outcome);

  private:
    using Starter = std::function<bool()>;
    bool begin(Starter starter);
    void beginNow();
    void onBytesArrived();
    void onLineFailed(const QString& reason);
    void onEvent(const TransferEvent& event);
    void finish(const TransferOutcome& outcome, bool answerPending);

    ByteLine& line_;
    TransferSession session_;
    QTimer timer_;
    QTimer settle_;
    QByteArray pending_;
    Starter starter_;
    bool waitingToStart_ = false;
    // Since the last end: its time, and whether the radio may still answer its "E".
    QElapsedTimer sinceEnd_;
    bool answerPending_ = false;
    // The last byte that arrived while no transfer ran (invalid: none since the end).
    QElapsedTimer sinceLastByte_;
    std::optional<QString> lineFailure_;
};

}  // namespace talvo::link
