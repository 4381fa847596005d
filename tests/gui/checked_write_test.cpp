// The checked write from the main window against the virtual radio: back up, show the changes,
// write, read back and compare; every write fault of the radio ends in the clear failure and
// the backup goes back byte for byte. File → Backups… lists and opens the reads' backups.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "app/backups_window.h"
#include "app/change_list_window.h"
#include "app/demo_radio.h"
#include "app/main_window.h"
#include "app/transfer_controller.h"
#include "app/writing_window.h"
#include "channel_view.h"
#include "editors/channels/channel_table_window.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/encode.h"
#include "run/read_backups.h"
#include "support/modal_answerer.h"
#include "support/radio_window.h"
#include "support/shell_env.h"
#include "ui/local_msgbox.h"

namespace talvo {

class CheckedWriteTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<testing::RadioWindow> session_;

    MainWindow& w() { return session_->window(); }
    ProgramState& state() { return session_->state(); }
    testing::ModalAnswerer& answerer() { return session_->answerer(); }
    QString path(const char* name) const { return session_->path(name); }
    void start(const QStringList& radioArgs, Language lang = kEnglish) {
        session_->start(radioArgs, lang);
    }
    // The edits the write will carry: channel 5 (439.9875 MHz "RX ONLY" in the virtual radio)
    // on 438.5 MHz named "HOME"; every other channel of the radio is left out.
    void edit() {
        state().channels.at(5).rx = state().channels.at(5).tx = FrequencyOrNone("438.50000");
        state().channels.at(5).name = "HOME";
    }
    QByteArray rawMemory() {
        session_->radio().stop();
        QFile raw(path("raw.bin"));
        [&] { QVERIFY(raw.open(QIODevice::ReadOnly)); }();
        return raw.readAll().left(0xC00);
    }
    QByteArray backupBytes(int index) {
        const auto backups = run::ListBackups();
        [&] { QVERIFY(index < static_cast<int>(backups.size())); }();
        if (index >= static_cast<int>(backups.size())) return {};
        QFile file(backups[static_cast<std::size_t>(index)].path);
        [&] { QVERIFY(file.open(QIODevice::ReadOnly)); }();
        return file.readAll().mid(kDataFileHeaderSize);
    }
    // Notes the progress windows' titles; presses a button of the change list.
    QStringList titles_;
    QStringList changeLines_;
    // The progress window is one window shown again for every transfer: its title at each show.
    void watchProgress() { w().writingWindow()->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched == w().writingWindow())
            titles_ << w().writingWindow()->windowTitle();
        return false;
    }
    // Presses Write or Cancel in the change list when it shows (the progress windows come and
    // go before and after it).
    QTimer changeWatch_;
    void answerChangeList(bool write) {
        changeWatch_.disconnect();
        changeWatch_.setInterval(10);
        connect(&changeWatch_, &QTimer::timeout, this, [this, write] {
            auto* changes = qobject_cast<ChangeListWindow*>(QApplication::activeModalWidget());
            if (!changes || !changes->isVisible()) return;
            changeWatch_.stop();
            // Each row as its cells joined by tabs, as Copy gives them.
            QStringList copied = changes->copiedText().split('\n', Qt::SkipEmptyParts);
            copied.removeFirst();  // the titles
            changeLines_ = changes->table()->rowCount() > 0
                               ? copied
                               : QStringList{changes->noChangeNote()->text()};
            QTest::mouseClick(write ? changes->writeButton() : changes->cancelButton(),
                              Qt::LeftButton);
        });
        changeWatch_.start();
    }

  private slots:
    void initTestCase() {
#ifdef TALVO_SIM_PATH
        qputenv("TALVO_SIM_PATH", TALVO_SIM_PATH);
#endif
        if (DemoRadio::programPath().isEmpty()) QSKIP("talvo-radio-sim is not built");
    }
    void init() {
        session_ = std::make_unique<testing::RadioWindow>();
        titles_.clear();
        changeLines_.clear();
    }
    void cleanup() {
        QCOMPARE(answerer().unexpected(), 0);
        session_.reset();
    }
    void writeBacksUpShowsTheChangesAndVerifies();
    void everyWriteFaultIsCaughtAndTheBackupGoesBack_data();
    void everyWriteFaultIsCaughtAndTheBackupGoesBack();
    void nothingToChangeAndCancelWritesNothing();
    void inChinese();
    void theSwitchIsOnByDefaultAndRemembered();
    void backupsAreListedOpenedAndPrunedAtStart();
};

void CheckedWriteTest::writeBacksUpShowsTheChangesAndVerifies() {
    start({"--save-raw", path("raw.bin")});
    watchProgress();
    QVERIFY(w().action("MNCheckedWrite")->isChecked());
    edit();
    answerChangeList(true);
    answerer().answerId(IdOk);
    w().action("MNWrite")->trigger();
    QCOMPARE(titles_, (QStringList{"Reading before writing……", "Writing……", "Verifying……"}));
    QCOMPARE(answerer().last().text, QStringLiteral("Written and verified!"));
    QCOMPARE(w().transfer().lastOutcome().kind, jobs::Outcome::Kind::Success);
    QVERIFY(w().transfer().coolingDown());
    QVERIFY2(changeLines_.contains("Channel 5\tRXFreq\t439.98750\t438.50000") &&
                 changeLines_.contains("Channel 5\tChannel Name\tRX ONLY\tHOME"),
             qPrintable(changeLines_.join('\n')));
    // The radio's former channel 1 is gone from what will be written.
    QVERIFY2(!changeLines_.filter(QStringLiteral("Channel 1 (removed)\t")).isEmpty(),
             qPrintable(changeLines_.join('\n')));

    const QByteArray before = backupBytes(0);
    const QByteArray after = rawMemory();
    const auto& sent = state().EncodedImage;
    QCOMPARE(after.left(0x7C0), QByteArray(reinterpret_cast<const char*>(sent.data()), 0x7C0));
    QVERIFY(before != after);
}

void CheckedWriteTest::everyWriteFaultIsCaughtAndTheBackupGoesBack_data() {
    QTest::addColumn<QStringList>("fault");
    QTest::addColumn<QString>("expected");
    // The 10th written block is 0x090, stored with its 8th byte inverted.
    QTest::newRow("byte changed") << QStringList{"--corrupt-block", "10"}
                                  << "First difference at address 0x097; 1 byte differs.";
    // The 4th written block (0x030, channel 5's record) is acknowledged but never stored: the
    // first byte of it that the write changes is named (worked out below).
    QTest::newRow("block not stored") << QStringList{"--drop-block", "4"} << QString();
    // Block 60 is 0x3B0; the radio stops there, the program waits out the time-out.
    QTest::newRow("line cut mid-write") << QStringList{"--cut-write-block", "60"}
                                        << "The write stopped at the block at address 0x3B0";
}

void CheckedWriteTest::everyWriteFaultIsCaughtAndTheBackupGoesBack() {
    QFETCH(QStringList, fault);
    QFETCH(QString, expected);
    start(QStringList{"--save-raw", path("raw.bin")} + fault);
    edit();
    answerChangeList(true);
    answerer().answerId(IdYes);  // write the backup back
    answerer().answerId(IdOk);   // restored and verified
    w().transfer().StartWrite();
    QVERIFY(answerer().waitAllAnswered());
    QCOMPARE(answerer().seen().size(), 2);
    const testing::SeenBox failure = answerer().seen()[0];
    if (expected.isEmpty()) {
        const QByteArray held = backupBytes(0);
        const auto& sent = state().EncodedImage;
        int first = 0x030;
        while (first < 0x040 &&
               static_cast<std::uint8_t>(held[first]) == sent[static_cast<std::size_t>(first)])
            ++first;
        QVERIFY(first < 0x040);
        expected =
            QStringLiteral("First difference at address 0x%1;")
                .arg(QString::number(first, 16).toUpper().rightJustified(3, QLatin1Char('0')));
    }
    QVERIFY2(failure.text.contains(expected), qPrintable(failure.text));
    QVERIFY(!failure.text.contains(QStringLiteral("verified")));
    QCOMPARE(failure.icon, QMessageBox::Critical);
    const auto backups = run::ListBackups();
    QCOMPARE(backups.size(), std::size_t{1});
    QVERIFY2(failure.text.contains(backups[0].path), qPrintable(failure.text));
    QCOMPARE(answerer().last().text,
             QStringLiteral("The backup was written back to the radio and verified."));
    // The radio holds the backup byte for byte (the calibration and never-written blocks were
    // never touched).
    QCOMPARE(rawMemory(), backupBytes(0));
}

void CheckedWriteTest::nothingToChangeAndCancelWritesNothing() {
    start({"--save-raw", path("raw.bin"), "--transcript", path("t.txt")});
    answerer().answerId(IdOk);
    w().transfer().StartRead();
    QCOMPARE(answerer().last().text, QStringLiteral("Reading Frequency Successful!"));
    QTRY_VERIFY_WITH_TIMEOUT(w().action("MNWrite")->isEnabled(), 5000);
    answerChangeList(false);
    w().transfer().StartWrite();
    QCOMPARE(changeLines_, QStringList{"No change"});
    QCOMPARE(answerer().seen().size(), 1);  // no message after Cancel
    QVERIFY(w().action("MNWrite")->isEnabled());
    // Two reads and their backups; not one block written.
    QCOMPARE(run::ListBackups().size(), std::size_t{2});
    session_->radio().stop();
    QFile transcript(path("t.txt"));
    QVERIFY(transcript.open(QIODevice::ReadOnly));
    const QByteArray text = transcript.readAll();
    QVERIFY(!text.contains(" P 57"));  // no "W" frame from the program
}

void CheckedWriteTest::inChinese() {
    start({}, kChinese);
    watchProgress();
    edit();
    answerChangeList(true);
    answerer().answerId(IdOk);
    w().transfer().StartWrite();
    QCOMPARE(titles_, (QStringList{"写频前读取……", "正在写入……", "正在校验……"}));
    QVERIFY2(changeLines_.contains(QStringLiteral("频道 5\t接收频率\t439.98750\t438.50000")),
             qPrintable(changeLines_.join('\n')));
    QCOMPARE(answerer().last().text, QStringLiteral("写频成功，已校验！"));
    QCOMPARE(w().action("MNCheckedWrite")->text(), QStringLiteral("写频前备份并校验(&V)"));
}

void CheckedWriteTest::theSwitchIsOnByDefaultAndRemembered() {
    start({});
    QVERIFY(w().transfer().checkedWrite());
    w().action("MNCheckedWrite")->trigger();
    QVERIFY(!w().transfer().checkedWrite());
    session_->restartProgram();
    QVERIFY(!w().action("MNCheckedWrite")->isChecked());
    QVERIFY(!w().transfer().checkedWrite());
    // Switched off, Write is the plain write: one progress window, the plain message.
    state().PortNumber = 1;
    watchProgress();
    answerer().answerId(IdOk);
    w().transfer().StartWrite();
    QCOMPARE(titles_, QStringList{"Writing……"});
    QCOMPARE(answerer().last().text, QStringLiteral("Writing Frequency Successful!"));
}

void CheckedWriteTest::backupsAreListedOpenedAndPrunedAtStart() {
    // Twelve backups from long ago, and one that is not a backup.
    const QString folder = run::BackupFolder();
    QVERIFY(QDir().mkpath(folder));
    ProgramState old = StartupState();
    old.channels.at(1).rx = old.channels.at(1).tx = FrequencyOrNone("146.00000");
    old.channels.at(1).name = "OLD";
    EncodeImage(old);
    const auto bytes = SerializeDataFile(old.EncodedImage);
    for (int day = 1; day <= 12; ++day) {
        QFile f(QDir(folder).filePath(
            QStringLiteral("2020-01-%1_08-00-00.dat").arg(day, 2, 10, QLatin1Char('0'))));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    }
    QFile mine(QDir(folder).filePath("notes.dat"));
    QVERIFY(mine.open(QIODevice::WriteOnly));
    mine.close();

    start({});
    QCOMPARE(run::ListBackups().size(), std::size_t{10});
    QVERIFY(QFile::exists(mine.fileName()));
    answerer().answerId(IdOk);
    w().transfer().StartRead();
    QCOMPARE(run::ListBackups().size(), std::size_t{11});

    // The list: newest first, with its channel count and names; Open loads the chosen one.
    answerer().handleNextModal([](QWidget* modal) {
        auto* window = qobject_cast<BackupsWindow*>(modal);
        QVERIFY(window);
        QTableWidget* table = window->table();
        QCOMPARE(table->rowCount(), 11);
        QCOMPARE(table->item(10, 0)->text(), QStringLiteral("2020-01-03 08:00:00"));
        QCOMPARE(table->item(10, 1)->text(), QStringLiteral("1"));
        QCOMPARE(table->item(10, 2)->text(), QStringLiteral("OLD"));
        QVERIFY(table->item(0, 1)->text().toInt() > 1);  // the sample radio's channels
        table->selectRow(10);
        QTest::mouseClick(window->openButton(), Qt::LeftButton);
    });
    w().action("MNBackups")->trigger();
    QCOMPARE(FrequencyText(state().channels.at(1).rx), std::string("146.00000"));
    QCOMPARE(state().channels.at(1).name, std::string("OLD"));
}

}  // namespace talvo

QTEST_MAIN(talvo::CheckedWriteTest)
#include "checked_write_test.moc"
