#pragma once

#include <QObject>
#include <QTimer>

#include "link/protocol/cooldown.h"
#include "link/protocol/transfer_session.h"

namespace talvo {

class MainWindow;
class SerialLink;

// Read and write from the main window: the progress window, the port's data events and the
// two timers (TimerW, 50 ms, the transfer time-out; Timer1, 100 ms, the cool-down after a
// successful transfer) drive the transfer session; the outcome is shown with the messages of
// the program and the editors are loaded after a read.
class TransferController : public QObject {
    Q_OBJECT
  public:
    TransferController(MainWindow& window, SerialLink& port);

    void StartRead();
    void StartWrite();

    const link::TransferSession& session() const { return session_; }
    bool active() const { return session_.active(); }
    bool coolingDown() const { return cooldown_.running(); }
    // The user closed the progress window and confirmed: the transfer ends at once, as a
    // time-out does ("E" is sent), but without the communication-error message.
    void abortByUser();

  private:
    void start(link::Direction direction);
    void OnReceive();
    void OnTransferTick();
    void OnCooldownTick();
    void onEvent(const link::TransferEvent& event);
    void onProgressCloseRequested();
    void showOutcome(link::Direction direction);

    MainWindow& window_;
    SerialLink& port_;
    link::TransferSession session_;
    QTimer timerW_;
    QTimer timer1_;
    link::Cooldown cooldown_;
    // The last transfer's end, recorded by the session's event and acted on when the
    // progress window has closed.
    link::TransferEvent::Kind outcome_ = link::TransferEvent::Kind::Progress;
    Status failure_ = Status::Ok;
    bool abortedByUser_ = false;
};

}  // namespace talvo
