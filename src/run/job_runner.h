#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "jobs/job.h"
#include "jobs/line_quiet.h"
#include "link/port/byte_line.h"

namespace talvo::run {

// Runs one job at a time over a byte line inside the Qt event loop: the line's bytes and a
// 50 ms timer drive it, nothing blocks. Several runners, each on its own line, run side by
// side in one thread. The window, talvo-cli and the fleet all use it.
class JobRunner : public QObject {
    Q_OBJECT
  public:
    explicit JobRunner(link::ByteLine& line, QObject* parent = nullptr);
    ~JobRunner() override;

    // Runs `job` (which must outlive the run); false while another runs. A line that is not
    // open ends the job at once as a port error: finished() is emitted before this returns.
    // Unless the line has been quiet for a while (jobs::LineQuiet), the job waits for a quiet
    // line before its wake-up.
    bool start(jobs::Job& job);
    // Stops the running job: a transfer sends "E" and the job ends as cancelled.
    void cancel();
    bool active() const { return job_ != nullptr; }
    jobs::Job* job() const { return job_; }

  signals:
    void stageStarted(talvo::jobs::Stage stage);
    void progress(const talvo::jobs::Progress& progress);
    void awaitingDecision();
    void finished(const talvo::jobs::Outcome& outcome);

  private:
    void onEvent(const jobs::JobEvent& event);
    void onBytesArrived();
    void onLineFailed(const QString& reason);

    link::ByteLine& line_;
    QTimer timer_;
    jobs::Job* job_ = nullptr;
    QElapsedTimer clock_;
    jobs::LineQuiet quiet_;
};

}  // namespace talvo::run
