#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace talvo::cli {

// Ctrl+C (SIGINT) while a radio command runs: the handler only writes one byte into a pipe;
// the event loop reads it and emits interrupted(), so the job can end cleanly. The previous
// handling comes back when the watch ends.
class InterruptWatch : public QObject {
    Q_OBJECT
  public:
    InterruptWatch();
    ~InterruptWatch() override;

    // A SIGINT arrived since the watch began.
    bool seen() const { return seen_; }

  signals:
    void interrupted();

  private:
    void onReadable();

    int pipe_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
    bool seen_ = false;
};

}  // namespace talvo::cli
