// Where the keyboard is: the channel grid takes it at start, on Ctrl+M and after a read, and
// its current cell is always marked on screen. Keys go to whatever widget has the focus.
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QTableWidget>
#include <QTest>

#include "app/demo_radio.h"
#include "app/hiding_sub_window.h"
#include "app/main_window.h"
#include "app/serial_link.h"
#include "app/startup.h"
#include "editors/channels/channel_table_window.h"
#include "editors/fm/fm_window.h"
#include "lang/catalogue.h"
#include "rules/channel_table.h"
#include "support/fake_serial_link.h"
#include "support/modal_answerer.h"
#include "support/shell_env.h"
#include "ui/local_msgbox.h"

namespace talvo {

class ChannelGridFocusTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<testing::ScopedShellEnvironment> env_;
    std::unique_ptr<DemoRadio> radio_;
    Program program_;
    std::unique_ptr<testing::ModalAnswerer> answerer_;

    MainWindow& w() { return *program_.window; }
    QTableWidget* grid() { return w().channelWindow()->grid(); }

    void start(Language lang, std::unique_ptr<SerialLink> port) {
        program_ = StartProgram(std::move(port));
        w().switchLanguage(lang);
        w().show();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
    }
    // A key pressed where the keyboard is.
    void key(Qt::Key key, Qt::KeyboardModifiers mods = {}) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, key, mods);
    }
    // The first keys of a keyboard-only user work: Down moves the current cell, Enter opens
    // its editor.
    void firstKeysWork() {
        QTRY_COMPARE(QApplication::focusWidget(), grid());
        const int row = grid()->currentRow();
        key(Qt::Key_Down);
        QCOMPARE(grid()->currentRow(), row + 1);
        key(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w().channelWindow()->openEditor());
        key(Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), grid());
    }

  private slots:
    void init() {
        env_ = std::make_unique<testing::ScopedShellEnvironment>();
        answerer_ = std::make_unique<testing::ModalAnswerer>();
    }
    void cleanup() {
        QCOMPARE(answerer_->unexpected(), 0);
        program_ = {};
        radio_.reset();
        answerer_.reset();
        env_.reset();
        qunsetenv("TALVO_PORT_1");
    }

    void startAndCtrlMPutTheKeyboardInTheGrid_data() {
        QTest::addColumn<int>("lang");
        QTest::newRow("zh") << int(LanguageFlagOf(kChinese));
        QTest::newRow("en") << int(LanguageFlagOf(kEnglish));
    }
    void startAndCtrlMPutTheKeyboardInTheGrid() {
        QFETCH(int, lang);
        start(LanguageOfFlag(lang), std::make_unique<testing::FakeSerialLink>());
        firstKeysWork();

        // From another child window.
        key(Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(w().fmWindow()->isAncestorOf(QApplication::focusWidget()));
        key(Qt::Key_M, Qt::ControlModifier);
        firstKeysWork();

        // From the main window's band list, with the channel window already active.
        w().bandList()->setFocus();
        QCOMPARE(QApplication::focusWidget(), w().bandList());
        key(Qt::Key_M, Qt::ControlModifier);
        firstKeysWork();
    }

    void aReadLeavesTheKeyboardInTheGrid() {
#ifdef TALVO_SIM_PATH
        qputenv("TALVO_SIM_PATH", TALVO_SIM_PATH);
#endif
        if (DemoRadio::programPath().isEmpty()) QSKIP("talvo-radio-sim is not built");
        radio_ = std::make_unique<DemoRadio>();
        QString error;
        QVERIFY2(radio_->start({}, &error), qPrintable(error));
        qputenv("TALVO_PORT_1", radio_->device().toLocal8Bit());
        start(kEnglish, CreateSystemSerialLink());
        w().state().PortNumber = 1;
        answerer_->handleNextModal([](QWidget*) {});  // the progress window
        answerer_->answerId(IdOk);                    // "Reading Frequency Successful!"
        key(Qt::Key_R, Qt::ControlModifier);
        QVERIFY(answerer_->waitAllAnswered());
        QCOMPARE(answerer_->last().text, QStringLiteral("Reading Frequency Successful!"));
        // The window manager gives the main window back its activation after the boxes.
        w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
        firstKeysWork();
    }

    // The current cell is marked on screen with and without the keyboard, in both languages,
    // also inside channels chosen for an operation: its edge differs from the same edge of a
    // cell that is not current (same row shading, same choice).
    void currentCellIsMarkedOnScreen() {
        for (Language lang : {kChinese, kEnglish}) {
            start(lang, std::make_unique<testing::FakeSerialLink>());
            QTRY_COMPARE(QApplication::focusWidget(), grid());
            for (bool chosen : {false, true}) {
                grid()->setFocus();
                if (chosen) {
                    // Channels 5..7 chosen from the keyboard.
                    grid()->setCurrentCell(4, 3);
                    key(Qt::Key_Down, Qt::ShiftModifier);
                    key(Qt::Key_Down, Qt::ShiftModifier);
                    QCOMPARE(w().channelWindow()->selection().channels(), (ChannelList{5, 6, 7}));
                }
                grid()->setCurrentCell(4, 3);
                for (bool focused : {true, false}) {
                    if (!focused) w().bandList()->setFocus();
                    QVERIFY(markDiffers(grid()->item(4, 3), grid()->item(6, 3), focused));
                }
            }
            program_ = {};
        }
    }

    // The Edit menu shows the channel operations after its own entries, behind a separator,
    // in the program's language, and they act on the grid.
    void editMenuCarriesTheChannelOperations() {
        start(kChinese, std::make_unique<testing::FakeSerialLink>());
        auto* edit = w().findChild<QMenu*>("MNEdit");
        QVERIFY(edit);
        const QList<QAction*> entries = edit->actions();
        qsizetype line = -1;
        for (qsizetype i = 0; i < entries.size(); ++i) {
            if (entries[i]->objectName() == "MNChannelLine") line = i;
        }
        QVERIFY(line > entries.indexOf(w().action("MNFMset")));
        QVERIFY(entries.at(line)->isSeparator());
        const qsizetype fm = line - 1;
        QCOMPARE(entries.at(fm + 2)->text(), QStringLiteral("剪切信道(&T)"));
        // The operations end before the many-channel tools' separator; the tools end the menu.
        const qsizetype tools = entries.indexOf(edit->findChild<QAction*>("MNChToolsLine"));
        QVERIFY(tools > line);
        QCOMPARE(entries.at(tools - 1)->objectName(), QStringLiteral("MNChMoveDown"));
        QCOMPARE(entries.last()->objectName(), QStringLiteral("MNChFill"));
        w().switchLanguage(kEnglish);
        QCOMPARE(entries.at(fm + 2)->text(), QStringLiteral("Cut Channels(&T)"));

        ChannelStores& s = w().state().channels;
        CommitFrequency(s, w().state().band, 1, kColRxFreq, "145.5");
        w().channelWindow()->loadFromModel();
        grid()->setCurrentCell(0, 1);
        entries.at(fm + 2 + 3)->trigger();  // Delete Channels
        QVERIFY(s.isFree(1));
        QCOMPARE(grid()->item(0, 1)->text(), QString());
    }

  private:
    bool markDiffers(QTableWidgetItem* current, QTableWidgetItem* other, bool focused) {
        const QImage shot = grid()->viewport()->grab().toImage();
        auto edge = [&](const QRect& r) {
            QList<QRgb> pixels;
            for (int x = r.left() + 3; x < r.right() - 3; ++x) pixels << shot.pixel(x, r.top());
            for (int y = r.top() + 3; y < r.bottom() - 3; ++y) pixels << shot.pixel(r.left(), y);
            return pixels;
        };
        const QList<QRgb> mark = edge(grid()->visualItemRect(current));
        const QList<QRgb> plain = edge(grid()->visualItemRect(other));
        qsizetype differing = 0;
        for (qsizetype i = 0; i < mark.size(); ++i) differing += mark[i] != plain[i];
        if (differing == mark.size()) return true;
        qWarning("%lld of %lld edge pixels marked, focus %d", static_cast<long long>(differing),
                 static_cast<long long>(mark.size()), focused);
        return false;
    }
};

}  // namespace talvo

QTEST_MAIN(talvo::ChannelGridFocusTest)
#include "channel_grid_focus_test.moc"
