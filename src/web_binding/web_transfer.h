#pragma once

// A transfer with the radio as the page runs it over Web Serial: one of the core's jobs, fed
// with the bytes the page reads from the port and ticked from the page's timer; what the job
// sends waits in an outbox the page empties after every call.
#include <emscripten/val.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "jobs/job.h"
#include "jobs/line_quiet.h"
#include "radio/state/program_state.h"

namespace talvo::jobs {
class CheckedWriteJob;
class ReadJob;
}  // namespace talvo::jobs

namespace talvo::web {

class Document;

class Transfer {
  public:
    // `kind`: "read", "write" (the plain write), "checkedWrite" (the document's image) or
    // "restore" (`image`, 3,072 bytes as read, written back as it is). The write options
    // (the debug mode's calibration blocks) come from `doc`.
    Transfer(const std::string& kind, Document& doc, const emscripten::val& image);
    ~Transfer();
    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;

    // False when the kind is unknown or a restore's image is not 3,072 bytes (nothing runs).
    bool valid() const { return job_ != nullptr; }
    void start(int settleTicks);
    void feed(const emscripten::val& bytes);
    void tick();
    void cancel();
    void lineFailed(const std::string& reason);
    // What the job handed out to send since the last call.
    emscripten::val takeOutput();

    // {stage, done, total, awaitingDecision, finished, ok}; blocks of the running transfer.
    emscripten::val progress() const;
    // The progress window's title and its line for the running stage.
    emscripten::val stageTexts(const std::string& lang) const;
    // How it ended, in `lang`: the success sentence or the failure message (naming `port`);
    // empty for a transfer the user stopped before anything was written.
    std::string message(const std::string& lang, const std::string& port) const;
    // A checked write that failed after its write began: the radio may hold part of the image,
    // so the page offers the backup.
    bool offersBackup() const;

    // The image read (a read), or what the radio held before (a checked write's backup).
    emscripten::val image() const;
    emscripten::val backup() const;

    // A checked write at its decision: whether the page kept the backup (nothing is written
    // when not), then the user's answer.
    void backupKept(bool kept);
    void decide(bool write);
    // The change list the decision shows: {titles, rows: [[place, field, before, after]],
    // count, intro (naming `backupName`), noChange, title, write, cancel}.
    emscripten::val changes(const std::string& lang, const std::string& backupName) const;

  private:
    std::string kind_;
    std::unique_ptr<jobs::Job> job_;
    jobs::ReadJob* read_ = nullptr;
    jobs::CheckedWriteJob* checked_ = nullptr;
    ImageBytes image_{};
    std::vector<std::uint8_t> outbox_;
    bool backupKept_ = false;
};

// The state of an open port between transfers (see jobs::LineQuiet): times are the page's
// milliseconds.
class Line {
  public:
    void opened(double nowMs) { quiet_.opened(static_cast<std::int64_t>(nowMs)); }
    void heard(double nowMs) { quiet_.heard(static_cast<std::int64_t>(nowMs)); }
    void jobEnded(double nowMs) { quiet_.jobEnded(static_cast<std::int64_t>(nowMs)); }
    int settleTicks(double nowMs) const {
        return quiet_.settleTicks(static_cast<std::int64_t>(nowMs));
    }

  private:
    jobs::LineQuiet quiet_;
};

}  // namespace talvo::web
