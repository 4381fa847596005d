// The transfer driver over a line whose radio answers one byte at a time, as a slow USB
// adapter delivers them: every outcome of the closed set, back-to-back transfers.
#include "link/port/transfer_driver.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <deque>
#include <optional>

#include "link/protocol/block_plan.h"
#include "link/protocol/frames.h"
#include "radio_responder.h"

namespace talvo {

namespace {

using Outcome = link::TransferOutcome;

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

// Runs one transfer to its end.
template <typename Start>
Outcome Run(link::TransferDriver& driver, Start start) {
    std::optional<Outcome> outcome;
    QEventLoop loop;
    const auto c =
        QObject::connect(&driver, &link::TransferDriver::ended, &loop, [&](const Outcome& o) {
            outcome = o;
            loop.quit();
        });
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    if (start() && !outcome) loop.exec();
    QObject::disconnect(c);
    return outcome.value_or(Outcome{Outcome::Kind::Success, -1, Status::Ok, "never ended"});
}

ImageBytes Pattern(std::uint8_t seed) {
    ImageBytes image{};
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(seed + i * 7 + (i >> 8));
    return image;
}

}  // namespace

class TransferDriverTest : public QObject {
    Q_OBJECT
  private slots:
    void readWriteAndReadAgainByteByByte();
    void everyFailureEndsWithItsOwnOutcome_data();
    void everyFailureEndsWithItsOwnOutcome();
    void cancelIsNeverATimeOut();
    void aLineThatFailsIsAPortErrorWithItsReason();
};

// Write, then read straight after on the same driver: the radio's late answer to the write's
// "E" must not pass for the answer to the read's wake-up, and the read returns what was written.
void TransferDriverTest::readWriteAndReadAgainByteByByte() {
    radiosim::Memory memory = radiosim::SampleMemory();
    ByteByByteLine line(memory, {});
    line.gapMs = 0;
    link::TransferDriver driver(line);

    ImageBytes first{};
    QVERIFY(Run(driver, [&] { return driver.startRead(first); }).ok());
    QVERIFY(std::equal(first.begin(), first.begin() + kConfigSize, memory.begin()));

    const ImageBytes image = Pattern(0x31);
    for (const bool debug : {false, true}) {
        QSignalSpy progress(&driver, &link::TransferDriver::progress);
        const Outcome written = Run(driver, [&] {
            return driver.startWrite(debug, [&]() -> const ImageBytes& { return image; });
        });
        QVERIFY(written.ok());
        QVERIFY(progress.count() > 191);
        ImageBytes back{};
        QVERIFY(Run(driver, [&] { return driver.startRead(back); }).ok());
        for (const std::uint16_t block : link::WriteBlockSequence(debug)) {
            for (std::size_t k = 0; k < 16 && block + k < kConfigSize; ++k)
                QCOMPARE(back[block + k], image[block + k]);
        }
    }
}

void TransferDriverTest::everyFailureEndsWithItsOwnOutcome_data() {
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("step");
    // A refusal in the name blocks decides at once, at the step that sent the block.
    QTest::newRow("refused name block") << 1 << int(Outcome::Kind::Refused) << 134;
    // Silence: the time-out names the step the transfer stood at.
    QTest::newRow("stops after the 40th frame") << 2 << int(Outcome::Kind::TimedOut) << 41;
    QTest::newRow("line goes dead at block 20") << 3 << int(Outcome::Kind::TimedOut) << 23;
}

void TransferDriverTest::everyFailureEndsWithItsOwnOutcome() {
    QFETCH(int, fault);
    QFETCH(int, kind);
    QFETCH(int, step);
    radiosim::Memory memory = radiosim::SampleMemory();
    radiosim::Faults faults;
    if (fault == 1) faults.nakWrittenBlock = 129;
    if (fault == 2) faults.stopAfterFrames = 40;
    if (fault == 3) faults.cutWrittenBlock = 20;
    ByteByByteLine line(memory, faults);
    link::TransferDriver driver(line);
    const ImageBytes image = Pattern(3);
    const Outcome outcome = Run(driver, [&] {
        return driver.startWrite(false, [&]() -> const ImageBytes& { return image; });
    });
    QCOMPARE(int(outcome.kind), kind);
    QCOMPARE(outcome.step, step);
    QCOMPARE(line.sent.back(), char(link::kEnd));
    QVERIFY(!driver.active());
}

void TransferDriverTest::cancelIsNeverATimeOut() {
    radiosim::Memory memory = radiosim::SampleMemory();
    // A slow radio: the cancel comes while it is still talking.
    ByteByByteLine line(memory, {});
    line.gapMs = 2;
    link::TransferDriver driver(line);
    ImageBytes image{};
    image.fill(0xAB);
    QTimer::singleShot(300, &driver, [&] { driver.cancel(); });
    QElapsedTimer clock;
    clock.start();
    const Outcome outcome = Run(driver, [&] { return driver.startRead(image); });
    QCOMPARE(int(outcome.kind), int(Outcome::Kind::Cancelled));
    QVERIFY(outcome.step > 2);
    QCOMPARE(line.sent.back(), char(link::kEnd));
    QCOMPARE(image[0], std::uint8_t{0xAB});  // a cancelled read leaves the destination alone
    // After the cancel the next transfer starts and succeeds.
    line.gapMs = 0;
    QVERIFY(Run(driver, [&] { return driver.startRead(image); }).ok());
    QCOMPARE(image[0], memory[0]);
}

void TransferDriverTest::aLineThatFailsIsAPortErrorWithItsReason() {
    radiosim::Memory memory = radiosim::SampleMemory();
    ByteByByteLine line(memory, {});
    line.gapMs = 1;
    link::TransferDriver driver(line);
    ImageBytes image{};
    QTimer::singleShot(100, &line, [&] {
        line.open = false;
        emit line.lineFailed(QStringLiteral("the device was removed"));
    });
    Outcome outcome = Run(driver, [&] { return driver.startRead(image); });
    QCOMPARE(int(outcome.kind), int(Outcome::Kind::PortError));
    QCOMPARE(outcome.reason, Status::PortCannotOpen);
    QCOMPARE(QString::fromStdString(outcome.detail), QStringLiteral("the device was removed"));
    // A line that is not open ends at once, inside the start call.
    outcome = Run(driver, [&] { return driver.startRead(image); });
    QCOMPARE(int(outcome.kind), int(Outcome::Kind::PortError));
}

}  // namespace talvo

QTEST_GUILESS_MAIN(talvo::TransferDriverTest)
#include "transfer_driver_test.moc"
