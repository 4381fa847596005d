#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>
#include <vector>

#include "jobs/job.h"
#include "link/protocol/cooldown.h"
#include "run/job_runner.h"
#include "run/read_backups.h"

class QAction;

namespace talvo {

class MainWindow;
class SerialLink;

// Read and write from the main window: every transfer is a job run by the job runner (the
// port's data events and the 50 ms TimerW ticks) while the progress window shows; Timer1 (100 ms)
// runs the cool-down after a successful transfer. The outcome is shown with the messages of the
// program and the editors are loaded after a read. Write is the checked write when that is
// switched on (see checked_write.cpp).
class TransferController : public QObject {
    Q_OBJECT
  public:
    TransferController(MainWindow& window, SerialLink& port);

    void StartRead();
    void StartWrite();
    // Menu entries and toolbar buttons that start a read or a write; they are unavailable
    // while a transfer runs and during the cool-down after it.
    void addReadCommand(QAction* command);
    void addWriteCommand(QAction* command);

    bool active() const { return runner_.active(); }
    bool coolingDown() const { return cooldown_.running(); }
    // How the last job ended.
    const jobs::Outcome& lastOutcome() const { return lastOutcome_; }
    // The user closed the progress window and confirmed: "E" goes out and the transfer ends as
    // cancelled, without the communication-error message.
    void abortByUser();

    // Write reads the radio first, shows the changes, writes, reads back and compares.
    // The choice is remembered for the next run.
    bool checkedWrite() const { return checkedWrite_; }
    void setCheckedWrite(bool on);

    // The texts of the progress window for one transfer.
    struct ProgressTexts {
        Text title;
        Text label;
    };
    // The progress window's texts for each stage of a job.
    using StageTexts = std::function<const ProgressTexts&(jobs::Stage)>;
    static constexpr ProgressTexts kReadingTexts{
        TALVO_TEXT("TransferController", "Reading……"),
        TALVO_TEXT("TransferController", "Data is reading, please wait a moment.")};
    static constexpr ProgressTexts kWritingTexts{
        TALVO_TEXT("TransferController", "Writing……"),
        TALVO_TEXT("TransferController", "Data is writing, please wait a moment.")};

  private:
    void plainWrite();
    // checked_write.cpp: read and back up, show the changes, write, read back and compare.
    void checkedWriteFlow();
    // Writes the backup's bytes as they are, reads back and compares; asks again on failure.
    void offerRestore(const QString& backup, bool debugMode, const QString& problem);
    // Opens the port when needed; false (after the message) when it cannot be opened.
    bool preparePort();
    // Runs `job` with the progress window shown for each of its stages (closed while a checked
    // write waits for `decide`, which must proceed or decline); returns how it ended.
    jobs::Outcome run(jobs::Job& job, const StageTexts& texts,
                      const std::function<void()>& decide = {});
    // After a read: the backup file; an empty name (after a message) when it could not be saved.
    QString storeBackup(const ImageBytes& image);
    // The backup's path, or empty after a warning that it could not be saved.
    QString keptOrWarned(const run::SavedBackup& saved);
    // The communication-error message for a failed transfer (nothing for a cancelled one).
    void reportFailure(const jobs::Outcome& outcome);
    // A success message; OK starts the cool-down.
    void reportSuccess(const QString& text);
    void OnCooldownTick();
    void onProgressCloseRequested();
    // Shows the latest block count on the bar, once per pass of the event loop.
    void showBarValue();
    void setCommandsEnabled(bool enabled);

    MainWindow& window_;
    SerialLink& port_;
    run::JobRunner runner_;
    QTimer cooldownTimer_;
    link::Cooldown cooldown_;
    jobs::Outcome lastOutcome_;
    bool running_ = false;
    bool checkedWrite_ = true;
    std::optional<int> barValue_;  // not shown yet
    bool barQueued_ = false;
    std::vector<QAction*> commands_;
};

}  // namespace talvo
