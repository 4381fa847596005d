#pragma once

#include <QObject>
#include <QString>
#include <QThread>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "document/recovery_store.h"

namespace talvo {

class Document;

// Keeps this program's recovery copy of the document while it has unsaved changes: written a
// few seconds after the last change, removed as soon as the document matches its file again
// (saved, opened, undone back) and when the program ends normally.
//
// The thread that edits only restarts a timer; when it fires it copies and encodes the state
// (a fraction of a millisecond) and hands the bytes to a writer thread, which does the file
// work. Requests reach the writer in order, so a removal after a write always wins.
class RecoveryKeeper : public QObject {
    Q_OBJECT
  public:
    // Milliseconds of a steady clock.
    using Clock = std::function<qint64()>;
    // The copy is written this long after the last change...
    static constexpr qint64 kQuietMs = 3000;
    // ...or this long after the first change it does not hold yet, for a user who never pauses.
    static constexpr qint64 kLongestWaitMs = 15000;

    explicit RecoveryKeeper(Document& document, const QString& folder = RecoveryFolder(),
                            QObject* parent = nullptr);
    ~RecoveryKeeper() override;  // removes the copy

    // The document's own file, asked for at each write.
    void setSourceFile(std::function<QString()> source) { source_ = std::move(source); }
    void setClock(Clock clock) { clock_ = std::move(clock); }

    // When the pending write falls due, by the clock; none when nothing is pending.
    std::optional<qint64> dueAt() const { return dueAt_; }
    // What the timer runs: writes the copy when it is due by the clock, else waits on.
    void runDue();
    // Writes the copy at once when the document has unsaved changes.
    void writeNow();
    // Waits until the writer has done everything asked of it so far.
    void waitForWriter();
    // The outcome of the last write the writer finished.
    Status lastWriteStatus() const { return lastWrite_; }
    QString dataPath() const { return dataPath_; }

  signals:
    // A copy reached the disk.
    void copyWritten();
    // A copy could not be written to `path`.
    void copyFailed(const QString& path);

  private:
    void noteChange();
    void modifiedChanged(bool modified);
    void armTimer();
    template <typename Task>
    void post(Task task);
    qint64 now() const { return clock_(); }

    Document& document_;
    std::function<QString()> source_;
    Clock clock_;
    QTimer timer_;
    std::optional<qint64> dueAt_;
    std::optional<qint64> firstUnkept_;  // the first change the copy does not hold yet
    QString dataPath_;
    Status lastWrite_ = Status::Ok;
    QThread thread_;
    QObject* writer_ = nullptr;              // lives in thread_
    std::unique_ptr<OwnRecoveryCopy> copy_;  // used on thread_ only
};

}  // namespace talvo
