// Read and write from the main window against the virtual radio on a pseudo-terminal.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "app/change_list_window.h"
#include "app/demo_radio.h"
#include "app/main_window.h"
#include "app/transfer_controller.h"
#include "app/writing_window.h"
#include "channel_view.h"
#include "document/document.h"
#include "document/edit_labels.h"
#include "editors/channels/channel_table_window.h"
#include "editors/debug/debug_window.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/encode.h"
#include "rules/channel_table.h"
#include "support/modal_answerer.h"
#include "support/pointer.h"
#include "support/radio_window.h"
#include "support/shell_env.h"
#include "support/skip_report.h"
#include "support/user_input.h"
#include "ui/local_msgbox.h"

namespace talvo {

class TransferWindowTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<testing::RadioWindow> session_;

    MainWindow& w() { return session_->window(); }
    ProgramState& state() { return session_->state(); }
    testing::ModalAnswerer& answerer() { return session_->answerer(); }
    QString path(const char* name) const { return session_->path(name); }
    // The virtual radio as port 1, then the program.
    void start(const QStringList& radioArgs, Language lang = kEnglish) {
        session_->start(radioArgs, lang);
    }
    // A data file the radio starts from: channel 1 on 145.5 MHz, odd power grades, band 2.
    QString sampleFile() {
        ProgramState s = StartupState();
        s.channels.at(1).rx = s.channels.at(1).tx = FrequencyOrNone("145.50000");
        s.channels.at(1).option[2] = 2;
        s.powerGrades = {1, 2, 3, 4, 5, 6};
        s.band.select(2);
        EncodeImage(s);
        const auto bytes = SerializeDataFile(s.EncodedImage);
        QFile f(path("radio.dat"));
        [&] { QVERIFY(f.open(QIODevice::WriteOnly)); }();
        f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
        return f.fileName();
    }
    QString gridCell(int ch, int col) {
        return w().channelWindow()->grid()->item(ch - 1, col)->text();
    }
    bool commandsEnabled() {
        const bool all = w().action("MNRead")->isEnabled() && w().action("MNWrite")->isEnabled() &&
                         w().action("TRead")->isEnabled() && w().action("TWrite")->isEnabled();
        const bool none = !w().action("MNRead")->isEnabled() &&
                          !w().action("MNWrite")->isEnabled() &&
                          !w().action("TRead")->isEnabled() && !w().action("TWrite")->isEnabled();
        [&] { QVERIFY2(all || none, "read and write commands out of step"); }();
        return all;
    }
    // Looks at the progress window while the transfer runs.
    struct ProgressSeen {
        QString title, label;
        int minimum = 0, maximum = 0;
        bool commandsEnabled = true;
        qint64 shownAtMs = 0;
    };
    void watchProgress(ProgressSeen& seen) {
        answerer().handleNextModal([this, &seen](QWidget* modal) {
            auto* progress = qobject_cast<WritingWindow*>(modal);
            QVERIFY(progress);
            seen.shownAtMs = QDateTime::currentMSecsSinceEpoch();
            seen.title = progress->windowTitle();
            seen.label = progress->label()->text();
            seen.minimum = progress->progressBar()->minimum();
            seen.maximum = progress->progressBar()->maximum();
            seen.commandsEnabled = commandsEnabled();
        });
    }

  private slots:
    void initTestCase() {
#ifdef TALVO_SIM_PATH
        qputenv("TALVO_SIM_PATH", TALVO_SIM_PATH);
#endif
        if (DemoRadio::programPath().isEmpty()) TALVO_SKIP("talvo-radio-sim is not built");
    }
    void init() {
        session_ = std::make_unique<testing::RadioWindow>();
    }
    void cleanup() {
        QCOMPARE(answerer().unexpected(), 0);
        session_.reset();
    }
    void readFillsEveryEditorAndCoolsDown();
    void readInChinese();
    void writeLeavesTheEncodedImageInTheRadio();
    void writeInDebugModeSendsTheCalibrationBlocks();
    void silentRadioTimesOutAndEditorsKeepTheirData();
    void radioThatStopsMidwayTimesOut();
    void writeRefusedByTheRadioIsAFailure();
    void portThatCannotOpen();
    void closingTheProgressWindowAbortsCleanly();
    void readOverUnsavedEditsIsOneUndoableStep();
    void writeKeepsTheUnsavedMark_data();
    void writeKeepsTheUnsavedMark();
};

void TransferWindowTest::readFillsEveryEditorAndCoolsDown() {
    start({"--load", sampleFile()});
    ProgressSeen progress;
    watchProgress(progress);
    answerer().answerId(1);
    QElapsedTimer sinceSuccess;
    QTest::keyClick(&w(), Qt::Key_R, Qt::ControlModifier);
    sinceSuccess.start();

    QCOMPARE(progress.title, QStringLiteral("Reading……"));
    QCOMPARE(progress.label, QStringLiteral("Data is reading, please wait a moment."));
    QCOMPARE(progress.minimum, 1);
    QCOMPARE(progress.maximum, 196);
    QVERIFY(!progress.commandsEnabled);

    QCOMPARE(answerer().last().text, QStringLiteral("Reading Frequency Successful!"));
    QCOMPARE(answerer().last().title, QStringLiteral("Tip"));
    QCOMPARE(answerer().last().icon, QMessageBox::NoIcon);
    QVERIFY(!w().writingWindow()->isVisible());

    QCOMPARE(gridCell(1, 1), QStringLiteral("145.50000"));
    QCOMPARE(gridCell(1, 5), QStringLiteral("Middle"));
    QCOMPARE(w().bandList()->currentIndex(), 2);
    for (int i = 0; i < 6; ++i) QCOMPARE(w().debugWindow()->slider(i)->value(), i + 1);

    // Disabled until 12 ticks of 100 ms after the message was closed.
    QVERIFY(!commandsEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(commandsEnabled(), 5000);
    QVERIFY2(sinceSuccess.elapsed() >= 1100, qPrintable(QString::number(sinceSuccess.elapsed())));
}

void TransferWindowTest::readInChinese() {
    start({}, kChinese);
    ProgressSeen progress;
    watchProgress(progress);
    answerer().answerId(1);
    w().action("TRead")->trigger();
    QCOMPARE(progress.title, QStringLiteral("正在读取……"));
    QCOMPARE(progress.label, QStringLiteral("正在读频，请稍候。"));
    QCOMPARE(answerer().last().text, QStringLiteral("读频成功！"));
    QCOMPARE(answerer().last().title, QStringLiteral("提示"));
    QCOMPARE(answerer().last().buttons, QStringList{"确定"});
}

void TransferWindowTest::writeLeavesTheEncodedImageInTheRadio() {
    start({"--save-raw", path("raw.bin")});
    w().action("MNCheckedWrite")->setChecked(false);  // the plain write
    state().channels.at(5).rx = state().channels.at(5).tx = FrequencyOrNone("438.50000");
    state().powerGrades = {9, 9, 9, 9, 9, 9};
    ProgressSeen progress;
    watchProgress(progress);
    answerer().answerId(1);
    w().action("MNWrite")->trigger();
    QCOMPARE(progress.title, QStringLiteral("Writing……"));
    QCOMPARE(progress.label, QStringLiteral("Data is writing, please wait a moment."));
    QCOMPARE(answerer().last().text, QStringLiteral("Writing Frequency Successful!"));
    session_->radio().stop();

    QFile raw(path("raw.bin"));
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray memory = raw.readAll();
    QVERIFY(memory.size() >= 0xC00);
    const auto& sent = state().EncodedImage;
    const QByteArray encoded(reinterpret_cast<const char*>(sent.data()), 0xC00);
    QCOMPARE(memory.left(0x7C0), encoded.left(0x7C0));
    QCOMPARE(memory.mid(0x800, 0x400), encoded.mid(0x800, 0x400));
    // Without the debug mode the calibration blocks are not written.
    QVERIFY(memory.mid(0x7E0, 0x20) != encoded.mid(0x7E0, 0x20));
}

void TransferWindowTest::writeInDebugModeSendsTheCalibrationBlocks() {
    start({"--save-raw", path("raw.bin")});
    w().action("MNCheckedWrite")->setChecked(false);  // the plain write
    state().hidden.debug.unlocked = true;
    state().powerGrades = {11, 22, 33, 44, 55, 66};
    answerer().answerId(1);
    w().transfer().StartWrite();
    QCOMPARE(answerer().last().text, QStringLiteral("Writing Frequency Successful!"));
    session_->radio().stop();
    QFile raw(path("raw.bin"));
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray memory = raw.readAll();
    const auto& sent = state().EncodedImage;
    QCOMPARE(memory.mid(0x7E0, 0x20),
             QByteArray(reinterpret_cast<const char*>(sent.data()) + 0x7E0, 0x20));
}

void TransferWindowTest::silentRadioTimesOutAndEditorsKeepTheirData() {
    start({"--silent"});
    state().channels.at(1).rx = state().channels.at(1).tx = FrequencyOrNone("150.00000");
    w().channelWindow()->loadFromModel();
    ProgressSeen progress;
    watchProgress(progress);
    answerer().answerId(1);
    w().transfer().StartRead();
    QCOMPARE(
        answerer().last().text,
        QStringLiteral("Communication error, check the line and the serial connection selection!"));
    QCOMPARE(answerer().last().title, QStringLiteral("Mistake"));
    QCOMPARE(answerer().last().icon, QMessageBox::Critical);
    QCOMPARE(w().transfer().lastOutcome().kind, jobs::Outcome::Kind::TimedOut);
    QCOMPARE(w().transfer().lastOutcome().step, 1);  // no answer to the wake-up
    // Twelve ticks of 50 ms without an answer.
    const qint64 waited = answerer().last().seenAtMs - progress.shownAtMs;
    QVERIFY2(waited >= 500 && waited < 3000, qPrintable(QString::number(waited)));
    QVERIFY(commandsEnabled());
    QVERIFY(!w().transfer().coolingDown());
    QCOMPARE(gridCell(1, 1), QStringLiteral("150.00000"));
}

void TransferWindowTest::radioThatStopsMidwayTimesOut() {
    start({"--load", sampleFile(), "--stop-after-frames", "40"});
    answerer().answerId(1);
    w().transfer().StartRead();
    QCOMPARE(answerer().last().title, QStringLiteral("Mistake"));
    QCOMPARE(gridCell(1, 1), QString());  // the partial read is not decoded
    QVERIFY(commandsEnabled());
}

void TransferWindowTest::writeRefusedByTheRadioIsAFailure() {
    // Block 130 lies in the name area, where the radio's answer decides at once.
    start({"--nak-block", "130"});
    w().action("MNCheckedWrite")->setChecked(false);  // the plain write
    answerer().answerId(1);
    w().transfer().StartWrite();
    QCOMPARE(answerer().seen().size(), 1);
    QCOMPARE(answerer().last().title, QStringLiteral("Mistake"));
    QVERIFY(answerer().last().text.startsWith(QStringLiteral("Communication error")));
    QVERIFY(answerer().last().text.contains(QStringLiteral("refused")));
    QVERIFY(!w().transfer().active());
    QVERIFY(commandsEnabled());  // at once, no cool-down after a failure
}

void TransferWindowTest::portThatCannotOpen() {
    start({});
    qputenv("TALVO_PORT_2", path("no-such-device").toLocal8Bit());
    state().PortNumber = 2;
    answerer().answerId(1);
    w().transfer().StartRead();
    qunsetenv("TALVO_PORT_2");
    QCOMPARE(answerer().seen().size(), 1);
    // The fixed message, then the diagnosis: the device named for port 2 is not there.
    QVERIFY(answerer().last().text.startsWith(QStringLiteral("The serial port is invalid\n\n")));
    QVERIFY2(answerer().last().text.contains(QStringLiteral("no-such-device is not there")),
             qPrintable(answerer().last().text));
    QVERIFY(commandsEnabled());
}

void TransferWindowTest::closingTheProgressWindowAbortsCleanly() {
    start({"--transcript", path("transcript.txt"), "--turnaround-ms", "100"});
    answerer().handleNextModal(
        [](QWidget* modal) { QTimer::singleShot(300, modal, &QWidget::close); });
    answerer().answerId(2);  // first the user thinks better of it
    QTimer::singleShot(900, this, [this] { w().writingWindow()->close(); });
    answerer().answerId(1);  // then stops the transfer
    w().transfer().StartRead();
    QCOMPARE(answerer().seen().size(), 2);  // the two questions, no error message
    QCOMPARE(answerer().last().title, QStringLiteral("Attention"));
    QCOMPARE(w().transfer().lastOutcome().kind, jobs::Outcome::Kind::Cancelled);
    QVERIFY(!w().transfer().active());
    QVERIFY(!w().writingWindow()->isVisible());
    QVERIFY(commandsEnabled());
    session_->radio().stop();
    QFile transcript(path("transcript.txt"));
    QVERIFY(transcript.open(QIODevice::ReadOnly));
    QByteArray lastFromProgram;
    for (const QByteArray& line : transcript.readAll().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() >= 3 && parts[1] == "P") lastFromProgram = parts[2];
    }
    // "E" ends the exchange; on a busy machine the virtual radio may take it in one read with
    // the acknowledgement before it.
    QCOMPARE(lastFromProgram.toUpper().right(2), QByteArray("45"));
}

// A Read over unsaved edits asks first; the read is one step that takes them back and leaves
// nothing unsaved (the document holds the radio's content and no file, as after New). A write
// changes nothing about what is unsaved.
void TransferWindowTest::readOverUnsavedEditsIsOneUndoableStep() {
    start({"--load", sampleFile()});
    Document& doc = w().document();
    const ImageBytes imageBefore = state().RadioImage;
    doc.changeChannels(ChannelEditLabel(2, kColName), {2},
                       [](ChannelStores& s) { StoreName(s, 2, "EDIT"); });
    QVERIFY(doc.isModified());

    answerer().answerId(IdDiscard);
    answerer().answerId(IdOk);
    QTest::keyClick(&w(), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(answerer().waitAllAnswered());
    QCOMPARE(answerer().last().text, QStringLiteral("Reading Frequency Successful!"));
    QCOMPARE(gridCell(1, 1), QStringLiteral("145.50000"));
    QVERIFY(!doc.isModified());
    QCOMPARE(doc.undoStack().undoText(), QStringLiteral("Read from radio"));
    const ImageBytes imageRead = state().RadioImage;

    doc.undo();
    QCOMPARE(gridCell(1, 1), QString());
    QCOMPARE(gridCell(2, 10), QStringLiteral("EDIT"));
    QCOMPARE(w().bandList()->currentIndex(), 0);
    QVERIFY(state().RadioImage == imageBefore);
    QVERIFY(doc.isModified());
    doc.redo();
    QCOMPARE(gridCell(1, 1), QStringLiteral("145.50000"));
    QCOMPARE(w().bandList()->currentIndex(), 2);
    QVERIFY(state().RadioImage == imageRead);
    QVERIFY(!doc.isModified());

    QTRY_VERIFY_WITH_TIMEOUT(commandsEnabled(), 5000);
    doc.changeChannels(ChannelEditLabel(2, kColName), {2},
                       [](ChannelStores& s) { StoreName(s, 2, "AGAIN"); });
    w().action("MNCheckedWrite")->setChecked(false);  // the plain write
    answerer().answerId(IdOk);
    w().action("MNWrite")->trigger();
    QVERIFY(answerer().waitAllAnswered());
    QCOMPARE(answerer().last().text, QStringLiteral("Writing Frequency Successful!"));
    QVERIFY(doc.isModified());
}

void TransferWindowTest::writeKeepsTheUnsavedMark_data() {
    QTest::addColumn<bool>("checked");
    QTest::newRow("plain write") << false;
    QTest::newRow("checked write") << true;
}

// Open a file, delete a channel, write to the radio: the file still holds the channel, so the
// title keeps its mark and closing offers to save.
void TransferWindowTest::writeKeepsTheUnsavedMark() {
    QFETCH(bool, checked);
    start({});
    w().action("MNCheckedWrite")->setChecked(checked);
    QVERIFY(w().openPath(sampleFile()));
    QVERIFY(!w().isWindowModified());

    QTableWidget* grid = w().channelWindow()->grid();
    QTableWidgetItem* number = grid->item(0, 0);
    grid->scrollToItem(number);
    QVERIFY(testing::PointerClick(
        grid->viewport()->mapToGlobal(grid->visualItemRect(number).center())));
    QVERIFY(testing::UserKey(Qt::Key_Delete));
    QCOMPARE(gridCell(1, 1), QString());
    QVERIFY(w().isWindowModified());

    // The checked write shows its change list between its transfers: Write there.
    QTimer changes;
    changes.setInterval(10);
    connect(&changes, &QTimer::timeout, this, [&changes] {
        auto* list = qobject_cast<ChangeListWindow*>(QApplication::activeModalWidget());
        if (!list || !list->isVisible()) return;
        changes.stop();
        testing::UserClick(list->writeButton());
    });
    if (checked) changes.start();
    answerer().answerId(IdOk);
    QVERIFY(testing::UserKey(Qt::Key_W, Qt::ControlModifier));
    QVERIFY(answerer().waitAllAnswered(60000));
    QCOMPARE(answerer().last().text, checked ? QStringLiteral("Written and verified!")
                                             : QStringLiteral("Writing Frequency Successful!"));
    QVERIFY(w().isWindowModified());
    QVERIFY(w().windowTitle().startsWith(QStringLiteral("TALVO")));

    // Closing asks Save / Discard / Cancel, not only whether to quit.
    answerer().answerId(IdCancel);
    QVERIFY(!w().close());
    QCOMPARE(answerer().last().text, QStringLiteral("There are unsaved changes. Save them first?"));
    QVERIFY(w().isVisible());
}

}  // namespace talvo

TALVO_QTEST_MAIN(talvo::TransferWindowTest)
#include "transfer_window_test.moc"
