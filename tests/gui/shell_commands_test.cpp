// The main window's commands driven as a user would: band list, New, Open and Save, port
// choice, hidden-mode relock, About and Help.
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>

#include "app/about_window.h"
#include "app/help_file.h"
#include "app/hidden_mode_buttons.h"
#include "app/hiding_sub_window.h"
#include "app/main_window.h"
#include "app/port_chooser.h"
#include "app/print_preview_window.h"
#include "app/startup.h"
#include "app/transfer_controller.h"
#include "channel_view.h"
#include "editors/channels/channel_table_window.h"
#include "editors/debug/debug_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/fm/fm_window.h"
#include "editors/options/options_window.h"
#include "support/fake_serial_link.h"
#include "support/modal_answerer.h"
#include "support/shell_env.h"
#include "support/user_input.h"

namespace talvo {

// Records the documents the program asks the desktop to open.
class UrlRecorder : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> opened;
  public slots:
    void open(const QUrl& url) { opened << url; }
};

class ShellCommandsTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<testing::ScopedShellEnvironment> env_;
    Program program_;
    testing::FakeSerialLink* port_ = nullptr;
    std::unique_ptr<testing::ModalAnswerer> answerer_;
    QString nextPath_;
    QList<bool> dialogs_;  // save flag of every file dialog shown

    MainWindow& w() { return *program_.window; }
    ProgramState& state() { return w().state(); }
    testing::ModalAnswerer& answerer() { return *answerer_; }

    void start(Language lang = kEnglish) {
        auto port = std::make_unique<testing::FakeSerialLink>();
        port_ = port.get();
        program_ = StartProgram(std::move(port));
        // A computer without serial devices, whatever this one has plugged in.
        link::SystemRoots none;
        none.dev = none.sys = none.root = (env_->programDir() + "/no-system").toStdString();
        w().ports().setSystem(none);
        if (lang != kEnglish) w().switchLanguage(lang);
        w().setFileChooser(
            [this](QWidget*, bool save, const QString& folder, const QString& filter) {
                dialogs_ << save;
                [&] {
                    // Where it starts is the file dialog test's concern.
                    QVERIFY(QFileInfo(folder).isDir());
                    QCOMPARE(filter.section(";;", 0, 0), QStringLiteral("DAT文件(*.dat)"));
                }();
                return nextPath_;
            });
        w().show();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
    }
    // Puts a programmed channel 1 into the model and the grid.
    void programChannelOne() {
        ChannelStores& c = state().channels;
        c.at(1).rx = c.at(1).tx = FrequencyOrNone("145.00000");
        c.at(1).option[2] = 1;
        w().channelWindow()->loadFromModel();
    }
    // Presses a key combination on the main window once it is the active window again (a
    // message box that just closed hands the activation back asynchronously).
    void shortcut(Qt::Key key) {
        w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
        QTest::keyClick(&w(), key, Qt::ControlModifier);
    }
    QString gridCell(int ch, int col) {
        return w().channelWindow()->grid()->item(ch - 1, col)->text();
    }
    void clickToolButton(const char* key) {
        QWidget* button = w().toolBar()->widgetForAction(w().action(key));
        QVERIFY(button);
        QTRY_VERIFY(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // In a dropped-open list, moves to entry `index` with the arrow keys and takes it.
    void pickFromOpenList(QComboBox* list, int index) {
        QTRY_VERIFY(list->view()->isVisible());
        QAbstractItemView* view = list->view();
        const int from = list->currentIndex();
        if (from < 0) {
            QTest::keyClick(view, Qt::Key_Home);
            for (int i = 0; i < index; ++i) QTest::keyClick(view, Qt::Key_Down);
        } else {
            for (int i = from; i < index; ++i) QTest::keyClick(view, Qt::Key_Down);
            for (int i = index; i < from; ++i) QTest::keyClick(view, Qt::Key_Up);
        }
        QTest::keyClick(view, Qt::Key_Return);
    }
    void pickBand(int index) {
        QTest::mouseClick(w().bandList(), Qt::LeftButton);
        pickFromOpenList(w().bandList(), index);
    }

  private slots:
    void init() {
        env_ = std::make_unique<testing::ScopedShellEnvironment>();
        answerer_ = std::make_unique<testing::ModalAnswerer>();
        dialogs_.clear();
        nextPath_.clear();
    }
    void cleanup() {
        QCOMPARE(answerer().unexpected(), 0);
        QCOMPARE(answerer().pending(), 0);
        program_ = {};
        answerer_.reset();
        env_.reset();
    }
    void bandChangeCancelRestoresAndOkClears();
    void bandPickOfTheSameEntryAndLaterKeyChangesAskNothing();
    void newCancelKeepsAndOkResets();
    void openWrongFileShowsMessageAndChangesNothing();
    void openAndSaveFailuresAreReported();
    void saveThenOpenRestoresTheEditorsAndBand();
    void portChoiceFailureAndSuccess();
    void readWithAPortThatWillNotOpen();
    void aLineThatFailsDuringAReadNamesItsPort();
    void relockOnToolbarButtons();
    void aboutClosesOnAClick();
    void helpOpensTheLanguagesFileWhenPresent();
    void printShowsThePrintoutInAPreview();
    void editorsOpenInsideTheWindowArea();
    void editorsLargerThanTheAreaScrollInsideIt();
    void everyShortcutReachesItsCommandFromAnEditor();
};

void ShellCommandsTest::bandChangeCancelRestoresAndOkClears() {
    start();
    programChannelOne();
    answerer().answerId(2);
    pickBand(1);
    QCOMPARE(answerer().seen().size(), 1);
    QCOMPARE(
        answerer().last().text,
        QStringLiteral("Changing the frequency band will remove the channel tabulation, confirm?"));
    QCOMPARE(answerer().last().title, QStringLiteral("Be careful!"));
    QCOMPARE(answerer().last().icon, QMessageBox::Question);
    QCOMPARE(answerer().last().defaultButton, QStringLiteral("Cancel"));
    QCOMPARE(w().bandList()->currentIndex(), 0);
    QCOMPARE(state().band.BandAHigh, 17'499'501);
    QCOMPARE(state().band.BandBLow, 40'000'000);
    QCOMPARE(gridCell(1, 1), QStringLiteral("145.00000"));

    w().switchLanguage(kChinese);
    answerer().answerId(1);
    pickBand(1);
    QCOMPARE(answerer().last().title, QStringLiteral("注意！"));
    QCOMPARE(answerer().last().text, QStringLiteral("改变频段将清除频道列表，确定吗？"));
    QCOMPARE(w().bandList()->currentIndex(), 1);
    QCOMPARE(state().band.BandAHigh, 14'600'000);
    QCOMPARE(state().band.BandBLow, 43'000'000);
    QVERIFY(state().channels.isFree(1));
    QCOMPARE(gridCell(1, 1), QString());
}

void ShellCommandsTest::bandPickOfTheSameEntryAndLaterKeyChangesAskNothing() {
    start();
    programChannelOne();
    pickBand(0);
    QVERIFY(answerer().seen().isEmpty());
    // The closed list changed from the keyboard: limits follow, nothing asked or cleared.
    w().bandList()->setFocus();
    QTest::keyClick(w().bandList(), Qt::Key_Down);
    QCOMPARE(w().bandList()->currentIndex(), 1);
    QCOMPARE(state().band.BandBHigh, 44'000'000);
    QVERIFY(answerer().seen().isEmpty());
    QVERIFY(!state().channels.isFree(1));
}

void ShellCommandsTest::newCancelKeepsAndOkResets() {
    start();
    programChannelOne();
    state().band.BandPromptSuppressed = true;
    w().bandList()->setCurrentIndex(2);
    state().dtmf.AutodialMemory[0] = "123";
    state().dtmf.AniEndCode = "99";
    state().dtmf.FirstDigitalDelay = 2;
    w().dtmfWindow()->loadFromModel();
    // As after a save: the New question is the program's own one (unsaved changes have theirs).
    w().document().markSaved();

    answerer().answerId(2);
    shortcut(Qt::Key_N);
    QCOMPARE(answerer().last().text, QStringLiteral("Unsaved data will be lost, sure?"));
    QCOMPARE(answerer().last().title, QStringLiteral("Attention"));
    QCOMPARE(answerer().last().defaultButton, QStringLiteral("Cancel"));
    QCOMPARE(w().bandList()->currentIndex(), 2);
    QCOMPARE(gridCell(1, 1), QStringLiteral("145.00000"));
    QCOMPARE(state().dtmf.AutodialMemory[0], std::string("123"));

    answerer().answerId(1);
    clickToolButton("TNew");
    QCOMPARE(answerer().seen().size(), 2);  // no band question on top of the New question
    QCOMPARE(w().bandList()->currentIndex(), 0);
    QCOMPARE(state().band.BandBHigh, 47'099'501);
    QVERIFY(state().channels.isFree(1));
    QCOMPARE(gridCell(1, 1), QString());
    QCOMPARE(state().dtmf.AutodialMemory[0], std::string());
    QCOMPARE(state().dtmf.AniEndCode, std::string("99"));
    QCOMPARE(state().dtmf.FirstDigitalDelay, 6);
}

void ShellCommandsTest::openWrongFileShowsMessageAndChangesNothing() {
    start();
    programChannelOne();
    const ImageBytes imageBefore = state().RadioImage;
    nextPath_ = QDir(env_->programDir()).filePath("other.dat");
    QFile f(nextPath_);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(3120, 'X'));
    f.close();

    answerer().answerId(1);
    w().action("MNOpen")->trigger();
    QCOMPARE(dialogs_, QList<bool>{false});
    QCOMPARE(answerer().last().text, QStringLiteral("File type is incorrect!"));
    QCOMPARE(answerer().last().title, QStringLiteral("Mistake"));
    QCOMPARE(answerer().last().icon, QMessageBox::Critical);
    QVERIFY(state().RadioImage == imageBefore);
    QCOMPARE(gridCell(1, 1), QStringLiteral("145.00000"));

    w().switchLanguage(kChinese);
    answerer().answerId(1);
    clickToolButton("TOpen");
    QCOMPARE(answerer().last().text, QStringLiteral("文件类型不正确！"));
    QCOMPARE(answerer().last().title, QStringLiteral("错误"));

    // Cancelling the dialog shows nothing and changes nothing.
    nextPath_.clear();
    w().action("MNOpen")->trigger();
    QCOMPARE(answerer().seen().size(), 2);
    QVERIFY(state().RadioImage == imageBefore);
}

void ShellCommandsTest::openAndSaveFailuresAreReported() {
    start();
    nextPath_ = QDir(env_->programDir()).filePath("missing.dat");
    answerer().answerId(1);
    w().action("MNOpen")->trigger();
    QCOMPARE(answerer().last().icon, QMessageBox::Critical);
    QVERIFY(answerer().last().text.contains("missing.dat"));
    QVERIFY(!QFile::exists(nextPath_));  // an open never creates the file

    nextPath_ = QDir(env_->programDir()).filePath("no/such/folder/x.dat");
    answerer().answerId(1);
    w().action("MNSave")->trigger();
    QCOMPARE(dialogs_.last(), true);
    QCOMPARE(answerer().last().title, QStringLiteral("Mistake"));
    QVERIFY(answerer().last().text.contains("x.dat"));
}

void ShellCommandsTest::saveThenOpenRestoresTheEditorsAndBand() {
    start();
    programChannelOne();
    state().band.BandPromptSuppressed = true;
    w().bandList()->setCurrentIndex(2);
    nextPath_ = QDir(env_->programDir()).filePath("saved.dat");
    shortcut(Qt::Key_S);
    QFile f(nextPath_);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QCOMPARE(bytes.size(), 3120);
    QVERIFY(bytes.startsWith("QDF-7K"));

    answerer().answerId(1);
    w().newData();
    QVERIFY(state().channels.isFree(1));
    QCOMPARE(w().bandList()->currentIndex(), 0);
    w().showEditor(w().optionsWindow());

    shortcut(Qt::Key_O);
    QCOMPARE(answerer().seen().size(), 1);  // neither a band question nor an error
    QCOMPARE(gridCell(1, 1), QStringLiteral("145.00000"));
    QCOMPARE(w().bandList()->currentIndex(), 2);
    QCOMPARE(state().band.BandBLow, 46'000'000);
    QCOMPARE(w().mdiArea()->activeSubWindow(), w().frameOf(w().channelWindow()));
}

void ShellCommandsTest::portChoiceFailureAndSuccess() {
    start();
    port_->openable = {3};
    w().action("MNCommPort")->trigger();
    QComboBox* list = w().ports().list();
    QVERIFY(list->isVisible());
    QVERIFY(list->view()->isVisible());  // dropped open, ready for a pick

    answerer().answerId(1);
    pickFromOpenList(list, 4);
    // The fixed text first; the diagnosis of this computer's port 5 follows it.
    QVERIFY(answerer().last().text.startsWith(
        QStringLiteral("Serial port5Invalid or has already been used by other procedures, please "
                       "choose other bunches of mouths or close its procedure.\n\n")));
    QCOMPARE(answerer().last().title, QStringLiteral("Mistake"));
    QCOMPARE(answerer().last().icon, QMessageBox::Warning);
    QCOMPARE(list->currentIndex(), -1);
    QVERIFY(!list->isVisible());
    QCOMPARE(w().statusText(1), QStringLiteral("COM: "));
    QCOMPARE(state().PortNumber, 0);
    QVERIFY(!port_->isOpen());

    w().switchLanguage(kChinese);
    w().ports().show();
    answerer().answerId(1);
    pickFromOpenList(list, 15);
    QVERIFY(answerer().last().text.startsWith(
        QStringLiteral("串行端口16无效或已被其它程序使用，请选择其他串口或关闭其程序.\n\n")));
    QCOMPARE(answerer().last().title, QStringLiteral("错误"));

    w().ports().show();
    pickFromOpenList(list, 2);
    QCOMPARE(w().statusText(1), QStringLiteral("COM: 3"));
    QCOMPARE(state().PortNumber, 3);
    QVERIFY(port_->isOpen());
    QVERIFY(!list->isVisible());
    QCOMPARE(port_->openAttempts, (QList<int>{5, 16, 3}));

    // After a failed choice a read opens the last good port, not the failed one.
    w().ports().show();
    answerer().answerId(1);
    pickFromOpenList(list, 6);
    QCOMPARE(state().PortNumber, 3);
    answerer().handleNextModal([](QWidget*) {});  // the progress window; the fake radio is silent
    answerer().answerId(1);                       // the communication error
    w().transfer().StartRead();
    QCOMPARE(port_->openAttempts.last(), 3);
    QVERIFY(port_->written.startsWith("PROGRAM"));
    QCOMPARE(answerer().last().title, QStringLiteral("错误"));
    w().ports().show();
    pickFromOpenList(list, 2);

    // Leaving the list without a choice only hides it.
    w().ports().show();
    QTest::keyClick(list->view(), Qt::Key_Escape);
    w().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w()));
    w().channelWindow()->grid()->setFocus();
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(w().statusText(1), QStringLiteral("COM: 3"));
}

void ShellCommandsTest::aLineThatFailsDuringAReadNamesItsPort() {
    start();
    port_->openable = {3};
    state().PortNumber = 3;
    answerer().handleNextModal(
        [this](QWidget*) { emit port_->lineFailed(QStringLiteral("the device was removed")); });
    answerer().answerId(1);
    w().transfer().StartRead();
    QCOMPARE(
        answerer().last().text,
        QStringLiteral("Communication error, check the line and the serial connection "
                       "selection!\r\nThe serial port \"3\" cannot be opened.\r\nthe device was "
                       "removed"));
    QVERIFY(w().action("MNRead")->isEnabled());
}

void ShellCommandsTest::readWithAPortThatWillNotOpen() {
    start();
    state().PortNumber = 9;
    answerer().answerId(1);
    shortcut(Qt::Key_R);
    QCOMPARE(port_->openAttempts, QList<int>{9});
    // The fixed message, then why: nothing is port 9 on this computer.
    QCOMPARE(answerer().last().text,
             QStringLiteral("The serial port is invalid\n\nPort 9 reaches no serial device on this "
                            "computer.\nNo serial device is present now: plug the programming "
                            "cable in."));
    QCOMPARE(answerer().last().title, QStringLiteral("TALVO Radio Programming Software V1.50"));
    QCOMPARE(answerer().last().icon, QMessageBox::NoIcon);
    QVERIFY(w().action("MNRead")->isEnabled());

    w().switchLanguage(kChinese);
    answerer().answerId(1);
    clickToolButton("TWrite");
    QVERIFY(answerer().last().text.startsWith(
        QStringLiteral("串行端口无效\n\n本机没有串行设备对应端口9。")));
    QCOMPARE(port_->openAttempts, (QList<int>{9, 9}));
}

void ShellCommandsTest::relockOnToolbarButtons() {
    start();
    double now = 100.2;
    w().hiddenModes().setClock([&now] { return now; });
    w().debugWindow()->setSlidersEnabled(false);
    state().hidden.debug.unlocked = true;
    state().hidden.debug.clicked = {true, true, true};
    emit w().optionsWindow()->hiddenModeEffect(1);
    QVERIFY(w().action("TDebug")->isVisible());
    QVERIFY(w().debugWindow()->slider(0)->isEnabled());
    QVERIFY(!w().action("TAnMa")->isVisible());

    clickToolButton("TDebug");
    now = 101.5;  // 1.5 s after the first click (kept as 100): the timing starts again
    clickToolButton("TDebug");
    QVERIFY(w().action("TDebug")->isVisible());
    QVERIFY(state().hidden.DebugMode());
    now = 101.9;
    clickToolButton("TDebug");
    QVERIFY(!w().action("TDebug")->isVisible());
    QVERIFY(!state().hidden.DebugMode());
    QCOMPARE(state().hidden.debug.clicked, (std::array<bool, 3>{false, false, false}));
    QVERIFY(!w().debugWindow()->slider(5)->isEnabled());

    for (int mode : {0, 2}) {
        HiddenModeSequence& seq = mode == 0 ? state().hidden.anMa : state().hidden.fmMa;
        seq.unlocked = true;
        emit w().optionsWindow()->hiddenModeEffect(mode);
        const char* key = mode == 0 ? "TAnMa" : "TFMMa";
        QVERIFY(w().action(key)->isVisible());
        now = 200.0 + mode;
        clickToolButton(key);
        now += 0.6;
        clickToolButton(key);
        QVERIFY(!w().action(key)->isVisible());
        QVERIFY(!seq.unlocked);
    }
    QVERIFY(!w().debugWindow()->slider(0)->isEnabled());
}

void ShellCommandsTest::aboutClosesOnAClick() {
    start(kChinese);
    QString title;
    answerer().handleNextModal([&](QWidget* modal) {
        title = modal->windowTitle();
        auto* about = qobject_cast<AboutWindow*>(modal);
        QVERIFY(about);
        QCOMPARE(about->titleLabel()->text(), QStringLiteral("TALVO 对讲机编程软件"));
        QTest::mouseClick(about->versionLabel(), Qt::LeftButton);
    });
    shortcut(Qt::Key_A);
    QCOMPARE(title, QStringLiteral("帮助"));
    QVERIFY(!w().aboutWindow()->isVisible());
}

void ShellCommandsTest::helpOpensTheLanguagesFileWhenPresent() {
    start();
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler("file", &recorder, "open");
    QVERIFY(!w().action("MNF1")->isEnabled());
    ShowHelpFile(state().language);
    QVERIFY(recorder.opened.isEmpty());  // missing file: nothing at all

    QFile help(QDir(env_->programDir()).filePath("HB27E.CHM"));
    QVERIFY(help.open(QIODevice::WriteOnly));
    help.close();
    ShowHelpFile(state().language);
    QCOMPARE(recorder.opened.size(), 1);
    QCOMPARE(recorder.opened[0].fileName(), QStringLiteral("HB27E.CHM"));
    w().switchLanguage(kChinese);
    ShowHelpFile(state().language);
    QCOMPARE(recorder.opened.size(), 1);
    QCOMPARE(QFileInfo(HelpFilePath(state().language)).fileName(), QStringLiteral("HB27.CHM"));
    QDesktopServices::unsetUrlHandler("file");
}

void ShellCommandsTest::printShowsThePrintoutInAPreview() {
    start();
    QVERIFY(!w().action("MNPrint")->isEnabled());  // built, but no user command reaches it
    bool preview = false;
    answerer().handleNextModal([&](QWidget* modal) {
        preview = qobject_cast<PrintPreviewWindow*>(modal) != nullptr;
        QTimer::singleShot(0, modal, [modal] { static_cast<QDialog*>(modal)->reject(); });
    });
    ShowPrintPreview(w().state(), w().channelWindow());
    QVERIFY(preview);
}

}  // namespace talvo

namespace talvo {

void ShellCommandsTest::editorsOpenInsideTheWindowArea() {
    start();
    // A window placed low and to the right while the main window was large, then shown again
    // from the menu after the main window was made smaller, must come back wholly inside.
    for (EditorWindow* editor :
         {static_cast<EditorWindow*>(w().debugWindow()), static_cast<EditorWindow*>(w().fmWindow()),
          static_cast<EditorWindow*>(w().optionsWindow())}) {
        w().resize(1400, 1000);
        QCoreApplication::processEvents();
        w().showEditor(editor);
        HidingSubWindow* frame = w().frameOf(editor);
        frame->move(w().mdiArea()->viewport()->width() - frame->width(),
                    w().mdiArea()->viewport()->height() - frame->height());
        frame->close();  // only hides
        w().resize(900, 660);
        QCoreApplication::processEvents();
        w().showEditor(editor);
        const QRect area = w().mdiArea()->viewport()->rect();
        QVERIFY(frame->isVisible());
        QVERIFY(frame->width() <= area.width() && frame->height() <= area.height());
        QVERIFY2(area.contains(frame->geometry()), qPrintable(editor->windowTitle()));
    }
}

// Every window opened from its menu keys, in both languages and in main windows smaller than
// the window: wholly inside the work area, and never squeezed below what its controls need
// (the frame scrolls instead); back to its own size when there is room again.
void ShellCommandsTest::editorsLargerThanTheAreaScrollInsideIt() {
    start();
    const struct {
        Qt::Key key;
        EditorWindow* editor;
    } windows[] = {{Qt::Key_P, w().optionsWindow()},
                   {Qt::Key_B, w().debugWindow()},
                   {Qt::Key_F, w().fmWindow()},
                   {Qt::Key_M, w().channelWindow()}};
    const QSize sizes[] = {{900, 660}, {620, 420}, {480, 360}, {1400, 1000}};
    for (Language lang : {kEnglish, kChinese}) {
        w().switchLanguage(lang);
        for (const QSize& size : sizes) {
            w().resize(size);
            QCoreApplication::processEvents();
            for (const auto& win : windows) {
                shortcut(win.key);
                HidingSubWindow* frame = w().frameOf(win.editor);
                QTRY_VERIFY(frame->isVisible());
                QCoreApplication::processEvents();
                const QRect area = w().mdiArea()->viewport()->rect();
                const QString where = QStringLiteral("%1 in %2x%3 (%4)")
                                          .arg(win.editor->windowTitle())
                                          .arg(size.width())
                                          .arg(size.height())
                                          .arg(QString::fromStdString(lang.str()));
                QVERIFY2(area.contains(frame->geometry()), qPrintable(where));
                QVERIFY2(win.editor->width() >= win.editor->minimumSizeHint().width() &&
                             win.editor->height() >= win.editor->minimumSizeHint().height(),
                         qPrintable(where));
                // Where the frame is smaller than the window, its scroll bars reach all of it.
                auto* scroll = qobject_cast<QScrollArea*>(frame->widget());
                QVERIFY2(scroll && scroll->widget() == win.editor, qPrintable(where));
                frame->close();  // only hides
            }
        }
    }
    // With room again each window has its own size back: no scroll bar.
    for (const auto& win : windows) {
        shortcut(win.key);
        auto* scroll = qobject_cast<QScrollArea*>(w().frameOf(win.editor)->widget());
        QTRY_VERIFY(scroll->isVisible());
        QVERIFY2(!scroll->verticalScrollBar()->isVisible() &&
                     !scroll->horizontalScrollBar()->isVisible(),
                 qPrintable(win.editor->windowTitle()));
    }
}

// The keys are pressed where a user's keyboard focus is: in the channel grid of the active
// child window, whose own frame must not take any of them.
void ShellCommandsTest::everyShortcutReachesItsCommandFromAnEditor() {
    start();
    QWidget* grid = w().channelWindow()->grid();
    auto press = [&](Qt::Key key) {
        w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
        w().showEditor(w().channelWindow());
        grid->setFocus();
        QTest::keyClick(grid, key, Qt::ControlModifier);
    };
    const struct {
        Qt::Key key;
        const char* title;  // the message box the command shows
        int answer;
    } questions[] = {{Qt::Key_N, "Attention", 2},
                     {Qt::Key_R, "TALVO Radio Programming Software V1.50", 1},
                     {Qt::Key_W, "TALVO Radio Programming Software V1.50", 1}};
    for (const auto& q : questions) {
        answerer().answerId(q.answer);
        const auto before = answerer().seen().size();
        press(q.key);
        QCOMPARE(answerer().seen().size(), before + 1);
        QCOMPARE(answerer().last().title, QString::fromUtf8(q.title));
    }
    QCOMPARE(answerer().last().text, QStringLiteral("The serial port is invalid"));

    press(Qt::Key_O);
    press(Qt::Key_S);
    QCOMPARE(dialogs_, (QList<bool>{false, true}));

    const struct {
        Qt::Key key;
        QWidget* editor;
    } windows[] = {{Qt::Key_P, w().optionsWindow()},
                   {Qt::Key_B, w().debugWindow()},
                   {Qt::Key_F, w().fmWindow()}};
    for (const auto& e : windows) {
        press(e.key);
        QVERIFY(w().frameOf(e.editor)->isVisible());
        QCOMPARE(w().mdiArea()->activeSubWindow(), w().frameOf(e.editor));
    }
    w().showEditor(w().fmWindow());
    QTest::keyClick(w().fmWindow(), Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(w().mdiArea()->activeSubWindow(), w().frameOf(w().channelWindow()));

    bool about = false;
    answerer().handleNextModal([&](QWidget* modal) {
        about = modal == w().aboutWindow();
        QTest::mouseClick(modal, Qt::LeftButton);
    });
    press(Qt::Key_A);
    QVERIFY(about);
    QVERIFY(w().frameOf(w().channelWindow())->isVisible());
}

}  // namespace talvo

QTEST_MAIN(talvo::ShellCommandsTest)
#include "shell_commands_test.moc"
