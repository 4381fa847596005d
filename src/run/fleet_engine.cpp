#include "run/fleet_engine.h"

#include <QTimer>
#include <utility>

#include "jobs/checked_write_job.h"
#include "jobs/transfer_jobs.h"
#include "link/port/serial_line.h"
#include "radio/codecs/encode.h"
#include "run/job_runner.h"
#include "run/read_backups.h"
#include "run/write_decision.h"

namespace talvo::run {

using fleet::FleetOutcome;
using fleet::PortStation;

namespace {

fleet::WallClock::time_point Now() {
    return fleet::WallClock::now();
}

}  // namespace

// One port: its line, its job runner, its ticks and what it does next.
class FleetEngine::Port : public QObject {
  public:
    Port(FleetEngine& engine, int index, FleetPortChoice choice, bool station)
        : engine_(engine),
          index_(index),
          choice_(std::move(choice)),
          runner_(line_),
          plan_(station) {
        ticker_.setInterval(jobs::Job::kTickMs);
        // Polls go out no more often than every two seconds: the ticks must not come early.
        ticker_.setTimerType(Qt::PreciseTimer);
        connect(&ticker_, &QTimer::timeout, this, [this] {
            plan_.tick();
            step();
        });
        connect(&runner_, &JobRunner::finished, this, &Port::onFinished);
        connect(&runner_, &JobRunner::awaitingDecision, this, &Port::onDecision);
        connect(&runner_, &JobRunner::progress, this, [this](const jobs::Progress& p) {
            FleetPortView& view = engine_.views_[static_cast<std::size_t>(index_)];
            view.stage = p.stage;
            view.blocksDone = p.blocksDone;
            view.blocksTotal = p.blocksTotal;
            emit engine_.portChanged(index_);
        });
    }

    void start() {
        if (line_.open(choice_.device) != Status::Ok) {
            fleet::RadioRecord r = fresh();
            r.outcome = FleetOutcome::PortError;
            r.ended = r.started;
            plan_.stop();
            finishRadio(std::move(r));
            engine_.portIdle();
            return;
        }
        ticker_.start();
        step();
    }

    void cancel() {
        plan_.stop();
        if (runner_.active()) {
            runner_.cancel();  // its end comes back through onFinished
            return;
        }
        done();
    }

    bool idle() const { return plan_.phase() == PortStation::Phase::Done && !runner_.active(); }
    bool programming() const { return plan_.phase() == PortStation::Phase::Programming; }

  private:
    fleet::RadioRecord fresh() const {
        fleet::RadioRecord r;
        r.port = choice_.number;
        r.device = choice_.device.toStdString();
        r.socket = choice_.socket;
        r.started = Now();
        return r;
    }

    void step() {
        if (runner_.active()) return;
        switch (plan_.next(engine_.mayProgram())) {
            case PortStation::Next::Nothing:
                break;
            case PortStation::Next::Poll:
                polling_ = true;
                current_ = fresh();
                run(std::make_unique<jobs::IdentifyJob>());
                break;
            case PortStation::Next::Program:
                program();
                break;
        }
        showPhase();
        if (plan_.phase() == PortStation::Phase::Done) done();
    }

    void program() {
        polling_ = false;
        current_ = fresh();
        row_ = engine_.takeRow();
        current_.row = row_;
        ProgramState state = engine_.template_;
        if (row_)
            fleet::ApplyRow(engine_.rows_[static_cast<std::size_t>(*row_ - 1)], state.options);
        EncodeImage(state);
        jobs::CheckedWriteOptions options;
        options.write.debugMode = state.hidden.DebugMode();
        // Each radio keeps the calibration it left the factory with, whatever the hidden modes.
        options.write.leaveCalibrationOut = true;
        options.identifyFirst = true;
        options.backupFirst = true;
        options.askBeforeWriting = true;  // the backup is on disk before anything is written
        options.readBack = true;
        run(std::make_unique<jobs::CheckedWriteJob>(state.EncodedImage, options));
    }

    void run(std::unique_ptr<jobs::Job> job) {
        job_ = std::move(job);
        runner_.start(*job_);
    }

    void onDecision() {
        auto* job = dynamic_cast<jobs::CheckedWriteJob*>(job_.get());
        if (job == nullptr) return;
        const BackupStep step = KeepBackupThenDecide(*job);
        if (step.mayWrite()) current_.backup = step.kept.path.toStdString();
    }

    void onFinished(const jobs::Outcome& outcome) {
        // The job is still on the stack that reported its end: it goes when the next one comes.
        retired_ = std::move(job_);
        const std::vector<std::uint8_t>& id = retired_->identification();
        if (polling_) {
            polling_ = false;
            if (const auto found = plan_.polled(outcome)) {
                fleet::RadioRecord r = current_;
                r.outcome = *found;
                r.identTail = fleet::IdentTail(id);
                r.ended = Now();
                finishRadio(std::move(r));
            }
        } else if (plan_.programmed(outcome)) {
            fleet::RadioRecord r = current_;
            r.outcome = fleet::FleetOutcomeOf(outcome);
            r.identTail = fleet::IdentTail(id);
            r.differences = fleet::DifferencesOf(outcome);
            r.ended = Now();
            if (row_) engine_.settleRow(*row_, r.outcome == FleetOutcome::Verified);
            if (r.outcome != FleetOutcome::Verified) r.row.reset();
            row_.reset();
            finishRadio(std::move(r));
        } else if (row_) {
            engine_.settleRow(*std::exchange(row_, std::nullopt), false);
        }
        showPhase();
        QTimer::singleShot(0, this, [this] {
            if (plan_.phase() == PortStation::Phase::Done) {
                done();
            } else {
                step();
            }
        });
    }

    void finishRadio(fleet::RadioRecord r) {
        FleetPortView& view = engine_.views_[static_cast<std::size_t>(index_)];
        view.last = r.outcome;
        ++view.radios;
        engine_.record(std::move(r));
    }

    void showPhase() {
        FleetPortView& view = engine_.views_[static_cast<std::size_t>(index_)];
        if (view.phase == plan_.phase()) return;
        view.phase = plan_.phase();
        if (view.phase != PortStation::Phase::Programming) view.stage = jobs::Stage::None;
        emit engine_.portChanged(index_);
    }

    void done() {
        ticker_.stop();
        line_.close();
        showPhase();
        engine_.portIdle();
    }

    FleetEngine& engine_;
    int index_;
    FleetPortChoice choice_;
    link::SerialLine line_;
    JobRunner runner_;
    PortStation plan_;
    QTimer ticker_;
    std::unique_ptr<jobs::Job> job_;
    std::unique_ptr<jobs::Job> retired_;
    bool polling_ = false;
    fleet::RadioRecord current_;
    std::optional<int> row_;
};

FleetEngine::FleetEngine(const ProgramState& templ, std::vector<fleet::RadioRow> rows, bool station,
                         QObject* parent)
    : QObject(parent),
      template_(templ),
      rows_(std::move(rows)),
      pool_(static_cast<int>(rows_.size())),
      useRows_(!rows_.empty()),
      station_(station) {}

FleetEngine::~FleetEngine() = default;

void FleetEngine::start(const std::vector<FleetPortChoice>& ports) {
    if (running_) return;
    running_ = true;
    startedAt_ = QDateTime::currentDateTime();
    views_.clear();
    for (const FleetPortChoice& p : ports) views_.push_back({p, {}, {}, 0, 0, {}, 0});
    for (std::size_t i = 0; i < ports.size(); ++i)
        ports_.push_back(std::make_unique<Port>(*this, static_cast<int>(i), ports[i], station_));
    for (auto& port : ports_) port->start();
    portIdle();  // no ports at all, or none that opened
}

void FleetEngine::cancel() {
    for (auto& port : ports_) port->cancel();
}

int FleetEngine::rowsLeft() const {
    return useRows_ ? pool_.left() : 0;
}

bool FleetEngine::mayProgram() const {
    return !useRows_ || !pool_.empty();
}

std::optional<int> FleetEngine::takeRow() {
    if (!useRows_) return std::nullopt;
    return pool_.take();
}

void FleetEngine::settleRow(int row, bool usedUp) {
    if (!usedUp) pool_.release(row);
}

void FleetEngine::record(fleet::RadioRecord r) {
    records_.push_back(std::move(r));
    emit radioDone(records_.back());
    // The last free row may have just been used up; looked at once the port's job is off the
    // stack.
    QTimer::singleShot(0, this, &FleetEngine::portIdle);
}

void FleetEngine::portIdle() {
    if (!running_) return;
    // Every row went into a verified radio: a station has nothing left to program.
    if (useRows_ && pool_.empty()) {
        bool busy = false;
        for (const auto& port : ports_) busy = busy || port->programming();
        if (!busy) {
            for (auto& port : ports_) {
                if (!port->idle()) port->cancel();
            }
        }
        if (!running_) return;  // a port's end inside the loop above has finished the run
    }
    for (const auto& port : ports_) {
        if (!port->idle()) return;
    }
    running_ = false;
    emit finished();
}

}  // namespace talvo::run
