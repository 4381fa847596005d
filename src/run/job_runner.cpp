#include "run/job_runner.h"

namespace talvo::run {

JobRunner::JobRunner(link::ByteLine& line, QObject* parent) : QObject(parent), line_(line) {
    clock_.start();
    quiet_.opened(clock_.elapsed());
    timer_.setInterval(jobs::Job::kTickMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (job_ != nullptr) job_->tick();
    });
    connect(&line_, &link::ByteLine::bytesArrived, this, &JobRunner::onBytesArrived);
    connect(&line_, &link::ByteLine::lineFailed, this, &JobRunner::onLineFailed);
}

JobRunner::~JobRunner() {
    if (job_ != nullptr) job_->setListener(nullptr);
}

bool JobRunner::start(jobs::Job& job) {
    if (job_ != nullptr || job.started()) return false;
    job_ = &job;
    job.setListener([this](const jobs::JobEvent& event) { onEvent(event); });
    if (!line_.isOpen()) {
        job.lineFailed({});
        return true;
    }
    const int settleTicks = quiet_.settleTicks(clock_.elapsed());
    // Bytes the radio may still send are waited out by the job itself; flushing them here could
    // pull them from under a read the port has already announced.
    if (settleTicks == 0) line_.discardInput();
    timer_.start();
    job.start([this](std::span<const std::uint8_t> frame) { line_.write(frame); }, settleTicks);
    return true;
}

void JobRunner::cancel() {
    if (job_ != nullptr) job_->cancel();
}

void JobRunner::onEvent(const jobs::JobEvent& event) {
    jobs::Job* job = job_;
    if (job == nullptr) return;
    switch (event.kind) {
        case jobs::JobEvent::Kind::StageStarted:
            emit stageStarted(job->stage());
            return;
        case jobs::JobEvent::Kind::Progress:
            emit progress(job->progress());
            return;
        case jobs::JobEvent::Kind::AwaitingDecision:
            emit awaitingDecision();
            return;
        case jobs::JobEvent::Kind::Finished:
            break;
    }
    timer_.stop();
    job->setListener(nullptr);
    job_ = nullptr;
    quiet_.jobEnded(clock_.elapsed());
    emit finished(job->outcome());
}

void JobRunner::onBytesArrived() {
    const QByteArray bytes = line_.takeAll();
    if (job_ == nullptr) {
        // Nobody listens: it must not answer a later job, which waits for the line to settle.
        quiet_.heard(clock_.elapsed());
        return;
    }
    job_->feed(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                      static_cast<std::size_t>(bytes.size())));
}

void JobRunner::onLineFailed(const QString& reason) {
    if (job_ != nullptr) job_->lineFailed(reason.toStdString());
}

}  // namespace talvo::run
