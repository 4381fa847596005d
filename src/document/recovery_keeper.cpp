#include "document/recovery_keeper.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <algorithm>
#include <array>

#include "document/document.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/encode.h"

namespace talvo {
namespace {

qint64 SteadyMs() {
    static QElapsedTimer started = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return started.elapsed();
}

}  // namespace

RecoveryKeeper::RecoveryKeeper(Document& document, const QString& folder, QObject* parent)
    : QObject(parent),
      document_(document),
      clock_(SteadyMs),
      copy_(std::make_unique<OwnRecoveryCopy>(folder)) {
    dataPath_ = copy_->dataPath();
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::runDue);
    connect(&document, &Document::modifiedChanged, this, &RecoveryKeeper::modifiedChanged);
    connect(&document, &Document::channelsChanged, this, &RecoveryKeeper::noteChange);
    connect(&document, &Document::partsChanged, this, &RecoveryKeeper::noteChange);
    connect(&document, &Document::stateReplaced, this, &RecoveryKeeper::noteChange);
    writer_ = new QObject;
    writer_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, writer_, &QObject::deleteLater);
    thread_.setObjectName(QStringLiteral("recovery writer"));
    thread_.start(QThread::LowPriority);
}

RecoveryKeeper::~RecoveryKeeper() {
    // The document may be gone already: nothing here touches it.
    timer_.stop();
    thread_.quit();
    thread_.wait();
    copy_.reset();  // removes the copy
}

template <typename Task>
void RecoveryKeeper::post(Task task) {
    QMetaObject::invokeMethod(writer_, std::move(task), Qt::QueuedConnection);
}

void RecoveryKeeper::noteChange() {
    if (!document_.isModified()) return;
    const qint64 t = now();
    if (!firstUnkept_) firstUnkept_ = t;
    dueAt_ = std::min(t + kQuietMs, *firstUnkept_ + kLongestWaitMs);
    armTimer();
}

void RecoveryKeeper::armTimer() {
    timer_.start(static_cast<int>(std::max<qint64>(0, *dueAt_ - now())));
}

void RecoveryKeeper::modifiedChanged(bool modified) {
    if (modified) {
        noteChange();
        return;
    }
    // The document matches its file again: nothing is left to lose.
    timer_.stop();
    dueAt_.reset();
    firstUnkept_.reset();
    post([copy = copy_.get()] { copy->remove(); });
}

void RecoveryKeeper::runDue() {
    if (!dueAt_) return;
    if (now() < *dueAt_) {
        armTimer();
        return;
    }
    writeNow();
}

void RecoveryKeeper::writeNow() {
    timer_.stop();
    dueAt_.reset();
    firstUnkept_.reset();
    if (!document_.isModified()) return;
    // Encoded from a copy: the session's own encoder image keeps what Save and Write left.
    ProgramState snapshot = document_.state();
    EncodeImage(snapshot);
    auto file = std::make_shared<const std::array<std::uint8_t, kDataFileSize>>(
        SerializeDataFile(snapshot.EncodedImage));
    const QString source = source_ ? source_() : QString();
    post([this, copy = copy_.get(), file, source] {
        const Status status = copy->write(*file, source);
        QMetaObject::invokeMethod(
            this,
            [this, status] {
                lastWrite_ = status;
                if (status == Status::Ok) {
                    emit copyWritten();
                } else {
                    emit copyFailed(dataPath_);
                }
            },
            Qt::QueuedConnection);
    });
}

void RecoveryKeeper::waitForWriter() {
    QMetaObject::invokeMethod(
        writer_, [] {}, Qt::BlockingQueuedConnection);
    // The writer's answers are queued to this thread: take them in now.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

}  // namespace talvo
