// The communication-port list driven as a user would: what each number reaches, Refresh, the
// offer of the one USB cable, and numbers typed into the dropped-open list.
#include "app/port_list.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QStatusBar>
#include <QTest>
#include <functional>

#include "../port/fake_system.h"
#include "app/main_window.h"
#include "app/port_chooser.h"
#include "app/startup.h"
#include "editors/channels/channel_table_window.h"
#include "support/fake_serial_link.h"
#include "support/modal_answerer.h"
#include "support/pointer.h"
#include "support/shell_env.h"
#include "support/user_input.h"
#include "ui/local_msgbox.h"

namespace talvo {

class PortListTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<testing::ScopedShellEnvironment> env_;
    std::unique_ptr<link::testing::FakeSystem> sys_;
    Program program_;
    testing::FakeSerialLink* port_ = nullptr;
    std::unique_ptr<testing::ModalAnswerer> answerer_;

    MainWindow& w() { return *program_.window; }
    QComboBox* list() { return w().ports().list(); }
    testing::ModalAnswerer& answerer() { return *answerer_; }

    void start() {
        auto port = std::make_unique<testing::FakeSerialLink>();
        port_ = port.get();
        program_ = StartProgram(std::move(port));
        w().ports().setSystem(sys_->roots);
        w().show();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
    }
    // Drops the list open and returns the widget that has the keyboard: the open list.
    QWidget* openList() {
        w().ports().show();
        [&] { QTRY_VERIFY(list()->view()->isVisible()); }();
        QWidget* focused = QApplication::focusWidget();
        [&] { QCOMPARE(focused, static_cast<QWidget*>(list()->view())); }();
        return focused;
    }
    QString shown(int item) { return list()->itemData(item, Qt::ToolTipRole).toString(); }

  private slots:
    void init() {
        env_ = std::make_unique<testing::ScopedShellEnvironment>();
        sys_ = std::make_unique<link::testing::FakeSystem>();
        answerer_ = std::make_unique<testing::ModalAnswerer>();
    }
    void cleanup() {
        QCOMPARE(answerer().unexpected(), 0);
        QCOMPARE(answerer().pending(), 0);
        program_ = {};
        answerer_.reset();
        sys_.reset();
        env_.reset();
    }

    // Typing a number in the open list picks that number, whatever entry was current.
    void typedNumberPicksThatNumber() {
        start();
        port_->openable = {1, 10, 11, 12};
        struct Typing {
            QList<Qt::Key> keys;
            int expected;
        };
        const QList<Typing> cases = {
            {{Qt::Key_1}, 1},              // not 10: "1" is the number 1
            {{Qt::Key_1, Qt::Key_2}, 12},  // quick digits make one number
            {{Qt::Key_1}, 1},              // from 12, back to 1 (not on to the next "1...")
            {{Qt::Key_1, Qt::Key_1}, 11},
            {{Qt::Key_1, Qt::Key_0}, 10},
            {{Qt::Key_1, Qt::Key_7}, 7},  // no port 17: the last digit starts a new number
        };
        port_->openable.insert(7);
        for (const Typing& t : cases) {
            QWidget* open = openList();
            for (Qt::Key key : t.keys) QTest::keyClick(open, key);
            QTest::keyClick(open, Qt::Key_Return);
            QCOMPARE(w().state().PortNumber, t.expected);
            QCOMPARE(w().statusText(1), QStringLiteral("COM: %1").arg(t.expected));
            QCOMPARE(port_->openAttempts.last(), t.expected);
        }
        QCOMPARE(answerer().seen().size(), 0);
    }

    // Leaving the open list without a pick hides the port list completely, in both languages:
    // nothing of it stays over the band selector, the chosen port and the status bar stay, and
    // the keyboard goes back to the channel grid.
    void leavingTheOpenListHidesIt() {
        start();
        port_->openable = {2};
        QTest::keyClick(openList(), Qt::Key_2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(w().statusText(1), QStringLiteral("COM: 2"));
        const QPoint elsewhere = testing::ScreenPoint(w().statusBar(), QPoint(300, 5));
        const struct {
            const char* name;
            std::function<bool()> leave;
        } ways[] = {
            {"Escape", [] { return testing::UserKey(Qt::Key_Escape); }},
            {"click elsewhere", [&] { return testing::PointerClick(elsewhere); }},
        };
        for (Language lang : {kEnglish, kChinese}) {
            w().switchLanguage(lang);
            for (const auto& way : ways) {
                openList();
                // Dropped open where its place is: over the band selector.
                QVERIFY(list()->isVisible());
                QVERIFY(list()->geometry().intersects(w().bandList()->geometry()));
                QVERIFY2(way.leave(), way.name);
                QTRY_VERIFY2(!list()->view()->isVisible(), way.name);
                QTRY_VERIFY2(!list()->isVisible(), way.name);
                QCOMPARE(w().statusText(1), QStringLiteral("COM: 2"));
                QCOMPARE(w().state().PortNumber, 2);
                // Where the keys go once the main window is active again.
                QVERIFY2(w().channelWindow()->isAncestorOf(w().focusWidget()), way.name);
            }
        }
        QCOMPARE(port_->openAttempts, QList<int>{2});
        QCOMPARE(answerer().seen().size(), 0);
    }

    // Beside each number the device it reaches and what it is, in both languages; numbers that
    // reach nothing say so; Refresh looks again and drops the list open once more.
    void listShowsWhatEachNumberReaches() {
        sys_->plugUsb("ttyUSB0", "1-1", 0x1a86, 0x7523);
        sys_->builtIn("ttyS0", 4);
        start();
        QWidget* open = openList();
        QCOMPARE(shown(0), QStringLiteral("/dev/ttyUSB0  USB serial (CH340)"));
        QCOMPARE(shown(1), QStringLiteral("/dev/ttyS0  built-in serial port"));
        QCOMPARE(shown(2), QStringLiteral("(no device)"));
        QCOMPARE(shown(15), QStringLiteral("(no device)"));
        QCOMPARE(list()->itemText(0), QStringLiteral("1"));
        QCOMPARE(list()->itemText(kPortRefreshItem), QStringLiteral("Refresh"));
        QVERIFY(list()->view()->width() > list()->width() * 2);  // room for the devices

        // A second cable is plugged in while the list is open; Refresh shows it.
        sys_->plugUsb("ttyUSB1", "1-2", 0x067b, 0x2303);
        QTest::keyClick(open, Qt::Key_End);
        QTest::keyClick(open, Qt::Key_Return);
        QTRY_COMPARE(shown(1), QStringLiteral("/dev/ttyUSB1  USB serial (PL2303)"));
        QTRY_VERIFY(list()->view()->isVisible());
        QCOMPARE(shown(2), QStringLiteral("/dev/ttyS0  built-in serial port"));
        QCOMPARE(list()->currentIndex(), -1);  // nothing was chosen
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

        w().switchLanguage(kChinese);
        openList();
        QCOMPARE(shown(0), QStringLiteral("/dev/ttyUSB0  USB串口 (CH340)"));
        QCOMPARE(shown(2), QStringLiteral("/dev/ttyS0  内置串口"));
        QCOMPARE(shown(3), QStringLiteral("（无设备）"));
        QCOMPARE(list()->itemText(kPortRefreshItem), QStringLiteral("刷新"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    }

    // A number that reaches nothing, with one USB cable present: the message says why and
    // offers the cable's number; Yes takes it, No leaves the port unchosen.
    void numberReachingNothingOffersTheOneCable() {
        sys_->plugUsb("ttyUSB0", "1-1", 0x1a86, 0x7523);
        start();
        port_->openable = {1};
        answerer().answerId(IdYes);
        QTest::keyClick(openList(), Qt::Key_5);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(answerer().seen().size(), 1);
        const QString text = answerer().last().text;
        QVERIFY2(text.contains(QStringLiteral("Port 5 reaches no serial device")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("/dev/ttyUSB0  USB serial (CH340) (port 1)")),
                 qPrintable(text));
        QVERIFY2(text.endsWith(QStringLiteral("Use port 1 instead?")), qPrintable(text));
        QCOMPARE(w().state().PortNumber, 1);
        QCOMPARE(w().statusText(1), QStringLiteral("COM: 1"));
        QCOMPARE(port_->openAttempts, (QList<int>{5, 1}));

        w().switchLanguage(kChinese);
        answerer().answerId(IdNo);
        QTest::keyClick(openList(), Qt::Key_9);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        const QString zh = answerer().last().text;
        QVERIFY2(zh.contains(QStringLiteral("本机没有串行设备对应端口9")), qPrintable(zh));
        QVERIFY2(zh.endsWith(QStringLiteral("改用端口1吗？")), qPrintable(zh));
        QCOMPARE(w().statusText(1), QStringLiteral("COM: "));
        QVERIFY(!port_->isOpen());

        // Without a cable nothing is offered: a plain warning that lists what is there.
        sys_ = std::make_unique<link::testing::FakeSystem>();
        sys_->builtIn("ttyS0", 4);
        w().ports().setSystem(sys_->roots);
        answerer().answerId(IdOk);
        QTest::keyClick(openList(), Qt::Key_3);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(answerer().last().icon, QMessageBox::Warning);
        QVERIFY(answerer().last().text.contains(QStringLiteral("/dev/ttyS0  内置串口（端口1）")));
    }
};

}  // namespace talvo

QTEST_MAIN(talvo::PortListTest)
#include "port_list_test.moc"
