#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "jobs/outcome.h"
#include "link/protocol/transfer_session.h"
#include "radio/state/program_state.h"

namespace talvo::jobs {

// Progress, counted in blocks: those of the running transfer and those of the whole job.
struct Progress {
    Stage stage = Stage::None;
    int step = 0;
    int stageBlocksDone = 0;
    int stageBlocksTotal = 0;
    int blocksDone = 0;
    int blocksTotal = 0;
};

struct JobEvent {
    enum class Kind {
        StageStarted,      // the job moved on to a new transfer (which may first wait for a
                           // quiet line)
        Progress,          // a receive event during a transfer
        AwaitingDecision,  // a checked write read its backup and waits for proceed()/decline()
        Finished,          // outcome() holds how the job ended
    };
    Kind kind;
};

// One task with the radio (read, write, checked write, verify, restore, identify), made of one
// or more transfers run one after the other over the lock-step session. Nothing here does I/O or
// reads a clock: the caller hands in received bytes (feed), the 50 ms ticks (tick), the user's
// cancel and a failing line, and sends what the job hands out. So several jobs can run at once,
// each on its own line, driven by one loop, and tests can run them on ticks.
//
// The listener is called after the job's own state is updated; it may call proceed(), decline()
// or cancel() from there, but must not destroy the job.
class Job {
  public:
    using SendFn = std::function<void(std::span<const std::uint8_t>)>;
    using EventFn = std::function<void(const JobEvent&)>;

    static constexpr int kTickMs = link::TransferSession::kTickMs;
    // Before the wake-up of a job's next transfer, the radio may still be answering the "E"
    // that ended the last one, late or not at all, whatever that exchange was (between jobs,
    // LineQuiet decides). The wake-up waits
    // for kSettleTicks ticks in which nothing arrives (the first one may be cut short: at least
    // one whole tick of quiet), and whatever arrives meanwhile is dropped. After an end the
    // radio is known to answer (a write's or an identification's "E"), it first waits for that
    // answer, at most kMostSettleTicks in all: a radio that keeps talking or never answers
    // does not hold the job up for longer.
    static constexpr int kSettleTicks = 2;
    static constexpr int kMostSettleTicks = 4;

    Job();
    virtual ~Job();
    Job(const Job&) = delete;
    Job& operator=(const Job&) = delete;

    void setListener(EventFn listener) { listener_ = std::move(listener); }

    // Begins the first transfer; with `settleTicks` > 0 it first waits for a quiet line (see
    // kSettleTicks). Does nothing once started or ended.
    void start(SendFn send, int settleTicks = 0);
    void feed(std::span<const std::uint8_t> bytes);
    void tick();
    // The user stops the job: a running transfer sends "E" and the job ends as cancelled.
    void cancel();
    // The line cannot be used (or stopped working): the job ends as a port error.
    void lineFailed(const std::string& reason);

    bool started() const { return state_ != State::Idle; }
    bool finished() const { return state_ == State::Finished; }
    bool awaitingDecision() const { return state_ == State::AwaitingDecision; }
    const Outcome& outcome() const { return outcome_; }
    Stage stage() const { return stage_; }
    Progress progress() const;
    // The identification the radio answered with: the 8 bytes of an accepted one, or what a
    // radio with another identification sent (empty: none came).
    const std::vector<std::uint8_t>& identification() const { return identification_; }
    const link::TransferSession& session() const { return session_; }

  protected:
    // The first transfer (read(), write(), identify()).
    virtual void begin() = 0;
    // The transfer of `stage` finished; start the next one, or end the job.
    virtual void transferDone(Stage stage) = 0;
    // Blocks the whole job moves when everything goes well.
    virtual int plannedBlocks() const = 0;

    void read(Stage stage, ImageBytes& destination);
    // `image` runs right after the wake-up went out and returns what to send.
    void write(Stage stage, bool sendCalibration, std::function<const ImageBytes&()> image);
    void identify(Stage stage);
    void waitForDecision();
    void succeed();
    void fail(Outcome outcome);

  private:
    enum class State { Idle, Settling, Transferring, AwaitingDecision, Finished };
    using Starter = std::function<bool()>;

    void schedule(Stage stage, Starter starter);
    void beginScheduled();
    void onSessionEvent(const link::TransferEvent& event);
    Outcome failureOf(const link::TransferEvent& event) const;
    void keepIdentification();
    void notify(JobEvent::Kind kind);

    link::TransferSession session_;
    SendFn send_;
    EventFn listener_;
    State state_ = State::Idle;
    Stage stage_ = Stage::None;
    Outcome outcome_;
    std::vector<std::uint8_t> pending_;  // held back until the receive threshold is reached
    std::vector<std::uint8_t> identification_;
    std::optional<std::string> lineFailure_;
    Starter scheduled_;
    int settleNext_ = 0;
    int settleLeft_ = 0;
    int settleSpent_ = 0;
    bool heard_ = false;
    bool awaitAnswer_ = false;  // settling waits for the radio's answer first
    bool awaitAnswerNext_ = false;
    bool writeSendsCalibration_ = false;
    int blocksBefore_ = 0;  // moved by the transfers that already finished
};

}  // namespace talvo::jobs
