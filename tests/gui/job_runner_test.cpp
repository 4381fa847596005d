// The job runner over lines whose radio answers one byte at a time, as a slow USB adapter
// delivers them: every outcome of the closed set, back-to-back jobs, several lines at once.
#include "run/job_runner.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <deque>
#include <optional>

#include "jobs/checked_write_job.h"
#include "jobs/transfer_jobs.h"
#include "link/protocol/frames.h"
#include "radio/memory/block_plan.h"
#include "radio_responder.h"

namespace talvo {

namespace {

using Outcome = jobs::Outcome;

// The virtual radio's responder behind a line that hands over its answers byte by byte, each
// in its own receive event, `gapMs` apart.
class ByteByByteLine : public link::ByteLine {
  public:
    ByteByByteLine(radiosim::Memory& memory, const radiosim::Faults& faults)
        : radio_(memory, faults) {
        pump_.setSingleShot(true);
        connect(&pump_, &QTimer::timeout, this, &ByteByByteLine::deliverOne);
    }
    bool open = true;
    int gapMs = 0;
    QByteArray sent;

    bool isOpen() const override { return open; }
    void write(std::span<const std::uint8_t> frame) override {
        for (const std::uint8_t byte : frame) {
            sent.append(static_cast<char>(byte));
            for (const std::uint8_t reply : radio_.take(byte)) outgoing_.push_back(reply);
        }
        if (!outgoing_.empty() && !pump_.isActive()) pump_.start(gapMs);
    }
    QByteArray takeAll() override { return std::exchange(arrived_, {}); }

  private:
    void deliverOne() {
        if (outgoing_.empty()) return;
        arrived_.append(static_cast<char>(outgoing_.front()));
        outgoing_.pop_front();
        emit bytesArrived();
        if (!outgoing_.empty()) pump_.start(gapMs);
    }

    radiosim::RadioResponder radio_;
    std::deque<std::uint8_t> outgoing_;
    QByteArray arrived_;
    QTimer pump_;
};

// Runs one job to its end.
Outcome Run(run::JobRunner& runner, jobs::Job& job) {
    QEventLoop loop;
    const auto c = QObject::connect(&runner, &run::JobRunner::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    if (runner.start(job) && !job.finished()) loop.exec();
    QObject::disconnect(c);
    if (!job.finished()) {
        Outcome never;
        never.step = -1;
        never.detail = "never ended";
        return never;
    }
    return job.outcome();
}

ImageBytes Pattern(std::uint8_t seed) {
    ImageBytes image{};
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(seed + i * 7 + (i >> 8));
    return image;
}

// A write that sends `image` as it is.
std::unique_ptr<jobs::WriteJob> WriteOf(const ImageBytes& image, bool debug) {
    return std::make_unique<jobs::WriteJob>(jobs::WriteOptions{.debugMode = debug},
                                            [&image]() -> const ImageBytes& { return image; });
}

}  // namespace

class JobRunnerTest : public QObject {
    Q_OBJECT
  private slots:
    void readWriteAndReadAgainByteByByte();
    void everyFailureEndsWithItsOwnOutcome_data();
    void everyFailureEndsWithItsOwnOutcome();
    void cancelIsNeverATimeOut();
    void aLineThatFailsIsAPortErrorWithItsReason();
    void checkedWritesOnSeveralLinesAtOnce();
};

// Write, then read straight after on the same runner: the radio's late answer to the write's
// "E" must not pass for the answer to the read's wake-up, and the read returns what was written.
void JobRunnerTest::readWriteAndReadAgainByteByByte() {
    radiosim::Memory memory = radiosim::SampleMemory();
    ByteByByteLine line(memory, {});
    line.gapMs = 0;
    run::JobRunner runner(line);

    jobs::ReadJob first;
    QVERIFY(Run(runner, first).ok());
    QVERIFY(std::equal(first.image().begin(), first.image().begin() + kConfigSize, memory.begin()));

    const ImageBytes image = Pattern(0x31);
    for (const bool debug : {false, true}) {
        QSignalSpy progress(&runner, &run::JobRunner::progress);
        const auto write = WriteOf(image, debug);
        QVERIFY(Run(runner, *write).ok());
        QVERIFY(progress.count() > 191);
        jobs::ReadJob back;
        QVERIFY(Run(runner, back).ok());
        for (const std::uint16_t block : radio::WriteBlockSequence(debug)) {
            for (std::size_t k = 0; k < 16 && block + k < kConfigSize; ++k)
                QCOMPARE(back.image()[block + k], image[block + k]);
        }
    }
}

void JobRunnerTest::everyFailureEndsWithItsOwnOutcome_data() {
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("step");
    // A refusal in the name blocks decides at once, at the step that sent the block.
    QTest::newRow("refused name block") << 1 << int(Outcome::Kind::Refused) << 134;
    // Silence: the time-out names the step the transfer stood at.
    QTest::newRow("stops after the 40th frame") << 2 << int(Outcome::Kind::TimedOut) << 41;
    QTest::newRow("line goes dead at block 20") << 3 << int(Outcome::Kind::TimedOut) << 23;
    // Another model answers the wake-up: the write never gets past the identification.
    QTest::newRow("wrong identification") << 4 << int(Outcome::Kind::ProtocolFault) << 2;
}

void JobRunnerTest::everyFailureEndsWithItsOwnOutcome() {
    QFETCH(int, fault);
    QFETCH(int, kind);
    QFETCH(int, step);
    radiosim::Memory memory = radiosim::SampleMemory();
    radiosim::Faults faults;
    if (fault == 1) faults.nakWrittenBlock = 129;
    if (fault == 2) faults.stopAfterFrames = 40;
    if (fault == 3) faults.cutWrittenBlock = 20;
    if (fault == 4) faults.wrongIdentification = true;
    ByteByByteLine line(memory, faults);
    run::JobRunner runner(line);
    const ImageBytes image = Pattern(3);
    const auto write = WriteOf(image, false);
    const Outcome outcome = Run(runner, *write);
    QCOMPARE(int(outcome.kind), kind);
    QCOMPARE(outcome.step, step);
    QCOMPARE(line.sent.back(), char(link::kEnd));
    QVERIFY(!runner.active());
    if (fault == 4) QVERIFY(!line.sent.contains(char(link::kBlockMark)));
}

void JobRunnerTest::cancelIsNeverATimeOut() {
    radiosim::Memory memory = radiosim::SampleMemory();
    // A slow radio: the cancel comes while it is still talking.
    ByteByByteLine line(memory, {});
    line.gapMs = 2;
    run::JobRunner runner(line);
    QTimer::singleShot(300, &runner, [&] { runner.cancel(); });
    jobs::ReadJob cancelled;
    const Outcome outcome = Run(runner, cancelled);
    QCOMPARE(int(outcome.kind), int(Outcome::Kind::Cancelled));
    QVERIFY(outcome.step > 2);
    QCOMPARE(line.sent.back(), char(link::kEnd));
    QCOMPARE(cancelled.image()[0], std::uint8_t{0});  // a cancelled read keeps nothing
    // After the cancel the next job starts and succeeds.
    line.gapMs = 0;
    jobs::ReadJob next;
    QVERIFY(Run(runner, next).ok());
    QCOMPARE(next.image()[0], memory[0]);
}

void JobRunnerTest::aLineThatFailsIsAPortErrorWithItsReason() {
    radiosim::Memory memory = radiosim::SampleMemory();
    ByteByByteLine line(memory, {});
    line.gapMs = 1;
    run::JobRunner runner(line);
    QTimer::singleShot(100, &line, [&] {
        line.open = false;
        emit line.lineFailed(QStringLiteral("the device was removed"));
    });
    jobs::ReadJob first;
    Outcome outcome = Run(runner, first);
    QCOMPARE(int(outcome.kind), int(Outcome::Kind::PortError));
    QCOMPARE(outcome.reason, Status::PortCannotOpen);
    QCOMPARE(QString::fromStdString(outcome.detail), QStringLiteral("the device was removed"));
    // A line that is not open ends the job at once, inside the start call.
    jobs::ReadJob second;
    QVERIFY(runner.start(second));
    QVERIFY(second.finished());
    QCOMPARE(int(second.outcome().kind), int(Outcome::Kind::PortError));
}

// Three radios, each on its own line with its own runner, in one event loop: one stores a block
// wrong, the others take the image; each ends with its own outcome and none waits for another.
void JobRunnerTest::checkedWritesOnSeveralLinesAtOnce() {
    const ImageBytes image = Pattern(9);
    std::vector<radiosim::Memory> memories(3, radiosim::SampleMemory());
    std::vector<std::unique_ptr<ByteByByteLine>> lines;
    std::vector<std::unique_ptr<run::JobRunner>> runners;
    std::vector<std::unique_ptr<jobs::CheckedWriteJob>> writes;
    QEventLoop loop;
    int ended = 0;
    for (int i = 0; i < 3; ++i) {
        radiosim::Faults faults;
        if (i == 1) faults.corruptWrittenBlock = 10;
        lines.push_back(
            std::make_unique<ByteByByteLine>(memories[static_cast<std::size_t>(i)], faults));
        runners.push_back(std::make_unique<run::JobRunner>(*lines.back()));
        jobs::CheckedWriteOptions options;
        options.askBeforeWriting = false;
        writes.push_back(std::make_unique<jobs::CheckedWriteJob>(image, options));
        connect(runners.back().get(), &run::JobRunner::finished, &loop, [&] {
            if (++ended == 3) loop.quit();
        });
    }
    for (int i = 0; i < 3; ++i)
        QVERIFY(runners[static_cast<std::size_t>(i)]->start(*writes[static_cast<std::size_t>(i)]));
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
    QCOMPARE(ended, 3);
    QVERIFY(writes[0]->outcome().ok());
    QCOMPARE(int(writes[1]->outcome().kind), int(Outcome::Kind::VerifyMismatch));
    QCOMPARE(writes[1]->outcome().firstAddress, std::size_t{0x097});
    QVERIFY(writes[2]->outcome().ok());
    QCOMPARE(memories[2][0x100], image[0x100]);
}

}  // namespace talvo

QTEST_GUILESS_MAIN(talvo::JobRunnerTest)
#include "job_runner_test.moc"
