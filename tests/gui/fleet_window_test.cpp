// Programming → Program Several Radios…: the entry behind its separator in both languages, and
// the fleet window against three virtual radios: ports ticked by the keyboard, Start, green and
// red per port, one report row per radio; Cancel ends a waiting station.
#include "app/fleet_window.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "app/demo_radio.h"
#include "app/main_window.h"
#include "app/serial_link.h"
#include "app/startup.h"
#include "support/shell_env.h"
#include "support/skip_report.h"
#include "support/user_input.h"

namespace talvo {

class FleetWindowTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<testing::ScopedShellEnvironment> env_;
    std::vector<std::unique_ptr<DemoRadio>> radios_;

    void attach(const std::vector<QStringList>& radios) {
        for (std::size_t i = 0; i < radios.size(); ++i) {
            radios_.push_back(std::make_unique<DemoRadio>());
            QString error;
            QVERIFY2(radios_.back()->start(radios[i], &error), qPrintable(error));
            qputenv(("TALVO_PORT_" + std::to_string(i + 1)).c_str(),
                    radios_.back()->device().toLocal8Bit());
        }
    }
    // The table row of port `number`.
    static int RowOf(QTableWidget* table, int number) {
        for (int r = 0; r < table->rowCount(); ++r) {
            if (table->item(r, 0)->data(Qt::UserRole).toInt() == number) return r;
        }
        return -1;
    }
    // Ticks a port as a user does: click its device, go left to its number, press Space.
    static void Tick(QTableWidget* table, int number) {
        const int row = RowOf(table, number);
        QVERIFY(row >= 0);
        table->scrollToItem(table->item(row, 1));
        const QRect cell = table->visualItemRect(table->item(row, 1));
        testing::UserClick(table->viewport(), cell.center());
        QVERIFY(testing::UserKey(Qt::Key_Left));
        QCOMPARE(table->currentRow(), row);
        QCOMPARE(table->currentColumn(), 0);
        QVERIFY(testing::UserKey(Qt::Key_Space));
        QCOMPARE(table->item(row, 0)->checkState(), Qt::Checked);
    }

  private slots:
    void initTestCase() {
#ifdef TALVO_SIM_PATH
        qputenv("TALVO_SIM_PATH", TALVO_SIM_PATH);
#endif
        if (DemoRadio::programPath().isEmpty()) TALVO_SKIP("talvo-radio-sim is not built");
    }
    void init() {
        env_ = std::make_unique<testing::ScopedShellEnvironment>();
    }
    void cleanup() {
        radios_.clear();
        for (int n = 1; n <= 3; ++n) qunsetenv(("TALVO_PORT_" + std::to_string(n)).c_str());
        env_.reset();
    }

    void menuEntryFollowsTheCheckedWriteBehindASeparator() {
        Program program = StartProgram(CreateSystemSerialLink());
        MainWindow& w = *program.window;
        QAction* fleet = w.action("MNFleet");
        QVERIFY(fleet);
        auto* menu = w.findChild<QMenu*>("MNProgram");
        QVERIFY(menu);
        const QList<QAction*> entries = menu->actions();
        const int at = static_cast<int>(entries.indexOf(fleet));
        QCOMPARE(at, entries.size() - 1);
        QVERIFY(entries[at - 1]->isSeparator());
        QCOMPARE(entries[at - 2]->objectName(), QStringLiteral("MNCheckedWrite"));
        w.switchLanguage(kChinese);
        const QString zh = fleet->text();
        w.switchLanguage(kEnglish);
        QVERIFY(fleet->text().contains("Several Radios"));
        QVERIFY(zh != fleet->text() && !zh.isEmpty());
    }

    void mixedRunShowsEveryPortAndReportsEveryRadio() {
        // Radios that answer every "E", one of them late: none passes for another model.
        attach({{"--answer-every-e"},
                {"--wrong-id", "--answer-every-e"},
                {"--answer-every-e", "--late-end-answer", "50"}});
        FleetWindow window(StartupState(), kEnglish);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int n = 1; n <= 3; ++n) Tick(window.portTable(), n);
        QVERIFY(window.findChild<QLabel*>("CalibrationNote")->text().contains("calibration"));
        testing::UserClick(window.startButton());
        QTRY_VERIFY_WITH_TIMEOUT(!window.running(), 90000);

        QTableWidget* report = window.reportTable();
        QCOMPARE(report->rowCount(), 3);
        QMap<int, QString> outcome;
        for (int r = 0; r < 3; ++r)
            outcome[report->item(r, 0)->text().toInt()] =
                report->item(r, 1)->data(Qt::UserRole).toString();
        QCOMPARE(outcome[1], QStringLiteral("verified"));
        QCOMPARE(outcome[2], QStringLiteral("wrong-radio"));
        QCOMPARE(outcome[3], QStringLiteral("verified"));
        // Nothing in the report is cut: outcomes and backup paths are read in full.
        for (int r = 0; r < report->rowCount(); ++r) {
            for (int c = 0; c < report->columnCount(); ++c) {
                const QString text = report->item(r, c)->text();
                QVERIFY2(report->fontMetrics().horizontalAdvance(text) < report->columnWidth(c),
                         qPrintable(text));
            }
        }
        QTableWidget* ports = window.portTable();
        const auto colour = [&](int n) {
            return ports->item(RowOf(ports, n), FleetWindow::kStateColumn)->background().color();
        };
        QVERIFY(colour(1).green() > colour(1).red());
        QVERIFY(colour(2).red() > colour(2).green());
        QVERIFY(colour(3).green() > colour(3).red());
        QVERIFY(window.summary()->text().contains("2 of 3"));
        QVERIFY(window.startButton()->isEnabled());
    }

    void cancelEndsAWaitingStation() {
        attach({{"--arrive-after-ms", "600000"}});
        FleetWindow window(StartupState(), kEnglish);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Tick(window.portTable(), 1);
        testing::UserClick(window.stationSwitch());
        QVERIFY(window.stationSwitch()->isChecked());
        testing::UserClick(window.startButton());
        QVERIFY(window.running());
        QVERIFY(window.cancelButton()->isEnabled());
        QTest::qWait(300);  // the first poll finds nobody
        testing::UserClick(window.cancelButton());
        QTRY_VERIFY_WITH_TIMEOUT(!window.running(), 5000);
        QCOMPARE(window.reportTable()->rowCount(), 0);
    }
};

}  // namespace talvo

TALVO_QTEST_MAIN(talvo::FleetWindowTest)
#include "fleet_window_test.moc"
