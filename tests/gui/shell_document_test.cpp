// The main window over the document, driven as a user would: Undo and Redo after edits in
// every window, the unsaved-changes mark and question, recent files, a file given at start
// and a dropped file.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTest>
#include <QUrl>

#include "app/hiding_sub_window.h"
#include "app/main_window.h"
#include "app/recent_files_menu.h"
#include "app/startup.h"
#include "channel_view.h"
#include "document/edit_labels.h"
#include "editors/channels/channel_table_window.h"
#include "editors/debug/debug_window.h"
#include "editors/fm/fm_window.h"
#include "editors/options/options_window.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/encode.h"
#include "support/fake_serial_link.h"
#include "support/modal_answerer.h"
#include "support/shell_env.h"
#include "ui/local_msgbox.h"

namespace talvo {
namespace {

ImageBytes EncodedCopy(const ProgramState& state) {
    ProgramState copy = state;
    EncodeImage(copy);
    return copy.EncodedImage;
}

}  // namespace

class ShellDocumentTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<testing::ScopedShellEnvironment> env_;
    Program program_;
    testing::FakeSerialLink* port_ = nullptr;
    std::unique_ptr<testing::ModalAnswerer> answerer_;
    QStringList nextPaths_;  // answers of the file dialogs, in turn
    int dialogs_ = 0;

    MainWindow& w() { return *program_.window; }
    testing::ModalAnswerer& answerer() { return *answerer_; }

    void start(Language lang = kEnglish) {
        auto port = std::make_unique<testing::FakeSerialLink>();
        port_ = port.get();
        program_ = StartProgram(std::move(port));
        if (lang != kEnglish) w().switchLanguage(lang);
        w().setFileChooser([this](QWidget*, bool, const QString&, const QString&) {
            ++dialogs_;
            return nextPaths_.isEmpty() ? QString() : nextPaths_.takeFirst();
        });
        w().show();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
    }
    QString path(const QString& name) const { return QDir(env_->programDir()).filePath(name); }
    // A data file whose channel 5 receives on `frequency`.
    QString makeFile(const QString& name, const std::string& frequency) {
        ProgramState s = StartupState(kEnglish);
        s.channels.at(5).rx = s.channels.at(5).tx = FrequencyOrNone(frequency);
        [&] { QCOMPARE(SaveDataFile(s, path(name).toStdString()), Status::Ok); }();
        return path(name);
    }
    QTableWidget* grid() { return w().channelWindow()->grid(); }
    void clickCell(int ch, int col) {
        QTableWidgetItem* item = grid()->item(ch - 1, col);
        grid()->scrollToItem(item);
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {},
                          grid()->visualItemRect(item).center());
    }
    // Types a receive frequency into channel `ch` of the grid.
    void typeFrequency(int ch, const QString& text) {
        clickCell(ch, kColRxFreq);
        auto* editor = qobject_cast<QLineEdit*>(w().channelWindow()->openEditor());
        QVERIFY(editor);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    }
    void pressOnMain(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
        QTest::keyClick(&w(), key, modifiers);
    }
    // Opens the band list with the mouse and takes entry `index` with the keys.
    void pickBand(int index) {
        QComboBox* list = w().bandList();
        QTest::mouseClick(list, Qt::LeftButton);
        QTRY_VERIFY(list->view()->isVisible());
        for (int i = list->currentIndex(); i < index; ++i)
            QTest::keyClick(list->view(), Qt::Key_Down);
        QTest::keyClick(list->view(), Qt::Key_Return);
    }
    bool modifiedMark() { return w().isWindowModified() && w().windowTitle().contains("[*]"); }

  private slots:
    void init() {
        env_ = std::make_unique<testing::ScopedShellEnvironment>();
        answerer_ = std::make_unique<testing::ModalAnswerer>();
        nextPaths_.clear();
        dialogs_ = 0;
    }
    void cleanup() {
        QCOMPARE(answerer().unexpected(), 0);
        QCOMPARE(answerer().pending(), 0);
        program_ = {};
        answerer_.reset();
        env_.reset();
    }

    // Edits in the grid, the optional features, the FM window, the power sliders and the band
    // list; then Ctrl+Z until nothing is left gives the image of before, byte for byte, and
    // Ctrl+Y until nothing is left the image of after.
    void undoAndRedoEveryWindowsEdits() {
        start();
        QVERIFY(!modifiedMark());
        QVERIFY(!w().action("MNUndo")->isEnabled());
        const ImageBytes before = EncodedCopy(w().state());

        typeFrequency(3, "145.5");
        QCOMPARE(w().action("MNUndo")->text(), QString("Undo Channel 3: RX frequency"));
        QCOMPARE(w().action("TUndo")->toolTip(), QString("Undo Channel 3: RX frequency"));
        QVERIFY(modifiedMark());

        w().showEditor(w().optionsWindow());
        QLineEdit* display = w().optionsWindow()->text(TextId::DisplayCharacter);
        display->setFocus();
        const int stepsBeforeTyping = w().document().undoStack().count();
        QTest::keyClicks(display, "HELLO");
        QTest::keyClick(display, Qt::Key_Tab);
        // The keys typed into one field are one step.
        QCOMPARE(w().document().undoStack().count(), stepsBeforeTyping + 1);
        QVERIFY(w().action("MNUndo")->text().startsWith("Undo Optional features: "));
        // Ctrl+Z in a field with nothing of its own to undo takes back the last step; the field
        // keeps its own undo while it has one.
        QLineEdit* other = w().optionsWindow()->text(TextId::PowerOnPasswordDigits);
        other->setFocus();
        QTest::keyClick(other, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(display->text(), QString());
        QTest::keyClick(other, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(display->text(), QString("HELLO"));
        w().optionsWindow()->list(ListId::Beep)->setCurrentIndex(0);

        // One drag of a slider, many moves: one step.
        w().showEditor(w().debugWindow());
        QSlider* slider = w().debugWindow()->slider(0);
        const int stepsBeforeDrag = w().document().undoStack().count();
        slider->setSliderDown(true);
        for (int v : {100, 120, 140}) slider->setValue(v);
        slider->setSliderDown(false);
        QCOMPARE(w().document().undoStack().count(), stepsBeforeDrag + 1);

        w().showEditor(w().fmWindow());
        w().fmWindow()->editChannel(2);
        QTest::keyClicks(w().fmWindow()->cellEditor(), "98.5");
        QTest::keyClick(w().fmWindow()->cellEditor(), Qt::Key_Return);
        QTest::mouseClick(w().fmWindow()->okButton(), Qt::LeftButton);

        answerer().answerId(IdOk);  // the band question
        pickBand(1);
        QVERIFY(answerer().waitAllAnswered());
        QVERIFY(w().state().channels.isFree(3));
        const ImageBytes after = EncodedCopy(w().state());
        QVERIFY(after != before);

        while (w().action("MNUndo")->isEnabled()) pressOnMain(Qt::Key_Z);
        QVERIFY(EncodedCopy(w().state()) == before);
        QCOMPARE(w().bandList()->currentIndex(), 0);
        QCOMPARE(display->text(), QString());
        QCOMPARE(slider->value(), 218);
        QVERIFY(!modifiedMark());

        for (int k = 0; w().action("MNRedo")->isEnabled(); ++k) {
            pressOnMain(k % 2 ? Qt::Key_Y : Qt::Key_Z,
                        k % 2 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
        }
        QVERIFY(EncodedCopy(w().state()) == after);
        QCOMPARE(w().bandList()->currentIndex(), 1);
        QCOMPARE(display->text(), QString("HELLO"));
        QCOMPARE(slider->value(), 140);
        QCOMPARE(grid()->item(2, kColRxFreq)->text(), QString());
        QVERIFY(modifiedMark());
    }

    // A Read, an Open and a New are one step each, labelled in the program's language.
    void loadsAreOneStepEach() {
        start(kChinese);
        typeFrequency(1, "146");
        const QString file = makeFile("a.dat", "147.00000");
        answerer().answerId(IdDiscard);
        nextPaths_ << file;
        w().openDataFile();
        QCOMPARE(answerer().last().text, QString("数据有未保存的更改，是否先保存？"));
        QCOMPARE(answerer().last().buttons, (QStringList{"取消", "保存", "不保存"}));
        QCOMPARE(w().action("MNUndo")->text(), QString("撤销 打开 a.dat"));
        QCOMPARE(grid()->item(4, kColRxFreq)->text(), QString("147.00000"));
        QVERIFY(!modifiedMark());
        QVERIFY(w().windowTitle().contains("a.dat"));
        pressOnMain(Qt::Key_Z);
        QCOMPARE(grid()->item(0, kColRxFreq)->text(), QString("146.00000"));
        QCOMPARE(grid()->item(4, kColRxFreq)->text(), QString());
        QVERIFY(modifiedMark());
    }

    void unsavedChangesQuestion_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        QTest::newRow("New, Cancel") << "New" << int(IdCancel);
        QTest::newRow("New, Discard") << "New" << int(IdDiscard);
        QTest::newRow("New, Save") << "New" << int(IdSave);
        QTest::newRow("Open, Discard") << "Open" << int(IdDiscard);
        QTest::newRow("Open, Cancel") << "Open" << int(IdCancel);
        QTest::newRow("Read, Cancel") << "Read" << int(IdCancel);
        QTest::newRow("Close, Cancel") << "Close" << int(IdCancel);
        QTest::newRow("Close, Save") << "Close" << int(IdSave);
    }
    void unsavedChangesQuestion() {
        QFETCH(QString, command);
        QFETCH(int, answer);
        start();
        typeFrequency(1, "145");
        QVERIFY(modifiedMark());
        const QString saved = path("saved.dat");
        const QString other = makeFile("other.dat", "150.00000");
        if (answer == IdSave) nextPaths_ << saved;
        if (command == "Open") nextPaths_ << other;

        answerer().answerId(answer);
        if (command == "New") w().action("MNNew")->trigger();
        if (command == "Open") w().action("MNOpen")->trigger();
        if (command == "Read") w().action("TRead")->trigger();
        if (command == "Close") w().close();
        QVERIFY(answerer().waitAllAnswered());
        const testing::SeenBox& box = answerer().seen().first();
        QCOMPARE(box.text, QString("There are unsaved changes. Save them first?"));
        QCOMPARE(box.buttons, (QStringList{"Cancel", "Save", "Discard"}));
        QCOMPARE(answerer().seen().size(), 1);  // the program's own question is not asked too

        const bool goesOn = answer != IdCancel;
        QCOMPARE(w().state().channels.isFree(1), goesOn && command != "Close");
        QCOMPARE(QFile::exists(saved), answer == IdSave);
        if (answer == IdSave) QCOMPARE(QFile(saved).size(), qint64(kDataFileSize));
        if (command == "Close") QCOMPARE(w().isVisible(), !goesOn);
        if (command == "Read") QVERIFY(port_->written.isEmpty());
        if (command == "Open" && goesOn) QCOMPARE(grid()->item(4, 1)->text(), QString("150.00000"));
        QCOMPARE(modifiedMark(), !goesOn || (command == "Close" && answer != IdSave));
    }

    // The last six files, newest first, kept for the next start; a file that went away is
    // dropped from the list with a message.
    void recentFiles() {
        start();
        for (int k = 1; k <= 7; ++k) {
            nextPaths_ << path(QString("f%1.dat").arg(k));
            w().saveDataFile();
        }
        QStringList expected;
        for (int k = 7; k >= 2; --k)
            expected << QFileInfo(path(QString("f%1.dat").arg(k))).absoluteFilePath();
        QCOMPARE(w().recentFiles().files(), expected);
        QVERIFY(w().windowTitle().contains("f7.dat"));
        QCOMPARE(w().action("MNRecent1")->text(), "&1 " + QDir::toNativeSeparators(expected[0]));
        QVERIFY(!w().action("MNRecent7"));

        program_ = {};
        start();
        QCOMPARE(w().recentFiles().files(), expected);
        QVERIFY(QFile::remove(expected[2]));
        answerer().answerId(IdOk);
        w().action("MNRecent3")->trigger();
        QVERIFY(answerer().waitAllAnswered());
        QVERIFY(answerer().last().text.contains("no longer exists"));
        expected.removeAt(2);
        QCOMPARE(w().recentFiles().files(), expected);
        QTRY_VERIFY(!w().action("MNRecent6"));

        w().action("MNRecent2")->trigger();
        QVERIFY(w().windowTitle().contains("f6.dat"));
        QCOMPARE(w().recentFiles().files().first(), expected[1]);
    }

    // A load while a channel's name is being typed shows the loaded name: the open editor
    // ends without putting its earlier name back over the data just loaded.
    void loadDuringANameEditKeepsTheLoadedName() {
        start();
        typeFrequency(5, "145");
        clickCell(5, kColName);
        auto* editor = qobject_cast<QLineEdit*>(w().channelWindow()->openEditor());
        QVERIFY(editor);
        QTest::keyClicks(editor, "AB");
        QCOMPARE(w().state().channels.at(5).name, std::string("AB"));

        ProgramState s = StartupState(kEnglish);
        s.channels.at(5).rx = s.channels.at(5).tx = FrequencyOrNone("146.00000");
        s.channels.at(5).name = "XYZ";
        QCOMPARE(SaveDataFile(s, path("named.dat").toStdString()), Status::Ok);
        answerer().answerId(IdDiscard);
        QVERIFY(w().openPath(path("named.dat")));
        QCOMPARE(w().channelWindow()->openEditor(), nullptr);
        QCOMPARE(w().state().channels.at(5).name, std::string("XYZ"));
        QCOMPARE(grid()->item(4, kColName)->text(), QString("XYZ"));
    }

    // `talvo FILE.dat` and a dropped file open as Open does; a drop asks first about unsaved
    // changes and takes nothing but .dat files.
    // The editor windows the first window does not show come once it has painted, with the
    // document as it is then; taking them in leaves the unsaved mark and the keyboard alone.
    void laterWindowsComeAfterTheFirstPaint() {
        auto port = std::make_unique<testing::FakeSerialLink>();
        port_ = port.get();
        program_ = StartProgram(std::move(port));
        QCOMPARE(w().mdiArea()->subWindowList().size(), 1);
        QVERIFY(w().document().changeChannels(
            ChannelEditLabel(1, kColRxFreq), {1},
            [](ChannelStores& c) { c.at(1).rx = c.at(1).tx = FrequencyOrNone("145.00000"); }));
        QVERIFY(modifiedMark());
        w().show();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
        QTRY_COMPARE(w().mdiArea()->subWindowList().size(), 5);
        QVERIFY(modifiedMark());
        QVERIFY(w().channelWindow()->isAncestorOf(QApplication::focusWidget()));
        for (QMdiSubWindow* frame : w().mdiArea()->subWindowList())
            QCOMPARE(frame->isVisible(), frame == w().frameOf(w().channelWindow()));
    }

    void openAtStartAndDroppedFile() {
        start();
        const QString first = makeFile("first.dat", "145.25000");
        QVERIFY(w().openPath(first));
        QCOMPARE(grid()->item(4, 1)->text(), QString("145.25000"));
        QVERIFY(w().windowTitle().contains("first.dat"));
        answerer().answerId(IdOk);  // a missing file is reported
        QVERIFY(!w().openPath(path("missing.dat")));
        QVERIFY(answerer().waitAllAnswered());

        typeFrequency(1, "146");
        const QString dropped = makeFile("dropped.dat", "146.75000");
        auto drop = [this](const QString& file) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(file)});
            const QPoint at = w().rect().center();
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&w(), &enter);
            const bool accepted = enter.isAccepted();
            if (accepted) {
                QDropEvent dropEvent(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(&w(), &dropEvent);
            }
            return accepted;
        };
        QVERIFY(!drop(path("notes.txt")));
        answerer().answerId(IdDiscard);
        QVERIFY(drop(dropped));
        QVERIFY(answerer().waitAllAnswered());
        QTRY_COMPARE(grid()->item(4, 1)->text(), QString("146.75000"));
        QVERIFY(w().state().channels.isFree(1));
        QVERIFY(w().windowTitle().contains("dropped.dat"));
    }
};

}  // namespace talvo

QTEST_MAIN(talvo::ShellDocumentTest)
#include "shell_document_test.moc"
