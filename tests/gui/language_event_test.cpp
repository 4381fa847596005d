#include <QTest>
#include <QMdiSubWindow>
#include "app/hiding_sub_window.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "editors/channels/channel_table_window.h"
#include "editors/debug/debug_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/fm/fm_window.h"
#include "editors/options/options_window.h"
#include "support/fake_serial_link.h"
#include "support/shell_env.h"
namespace talvo {
class LanguageEventTest : public QObject {
    Q_OBJECT
  private slots:
    void repro() {
        testing::ScopedShellEnvironment env;
        Program p = StartProgram(std::make_unique<testing::FakeSerialLink>());
        MainWindow& w = *p.window;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (EditorWindow* e : std::initializer_list<EditorWindow*>{w.channelWindow(), w.dtmfWindow(), w.optionsWindow(), w.debugWindow(), w.fmWindow()}) {
            w.showEditor(e);
            QApplication::processEvents();
        }
        auto vis = [&] { QStringList s; for (QWidget* e : std::initializer_list<QWidget*>{w.channelWindow(), w.dtmfWindow(), w.optionsWindow(), w.debugWindow(), w.fmWindow()}) s << QString::number(w.frameOf(e)->isVisible()) + QString::number(e->isVisible()); return s.join(' '); };
        qDebug() << "before" << vis();
        w.action("MNChinese")->trigger();
        qDebug() << "after sync" << vis();
        QApplication::processEvents();
        qDebug() << "after events" << vis();
        w.action("MNEnglish")->trigger();
        QApplication::processEvents();
        qDebug() << "after en" << vis();
    }
};
}
QTEST_MAIN(talvo::LanguageEventTest)
#include "language_event_test.moc"
