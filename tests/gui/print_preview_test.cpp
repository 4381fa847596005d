// The print preview window: title, refresh, the panel filling the window, print without a
// default printer, and the modal Print command.
#include <QAction>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QTest>

#include "app/print_preview_window.h"
#include "lang/catalogue.h"
#include "radio/state/program_state.h"
#include "rules/channel_table.h"
#include "support/modal_answerer.h"
#include "support/skip_report.h"
#include "ui/local_msgbox.h"

namespace talvo {

class PrintPreviewTest : public QObject {
    Q_OBJECT

  private slots:
    void previewBuildsAndRefreshes() {
        ProgramState state = StartupState(kChinese);
        PrintPreviewWindow window(state);
        QCOMPARE(window.windowTitle(), QString("打印预览"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(window.preview()->pageCount(), 3);
        QCOMPARE(window.previewPages(), 3);

        // Refresh takes what the model holds now
        for (int ch = 1; ch <= 128; ++ch) {
            CommitFrequency(state.channels, state.band, ch, kColRxFreq, "150");
        }
        window.findChild<QAction*>("actionRefresh")->trigger();
        QTRY_VERIFY(window.preview()->pageCount() > 3);
        QCOMPARE(window.previewPages(), window.preview()->pageCount());

        for (const QSize size : {QSize(500, 400), QSize(1000, 700)}) {
            window.resize(size);
            QTRY_COMPARE(window.preview()->width(), window.width());
            QVERIFY(window.preview()->geometry().bottom() == window.rect().bottom());
        }
    }

    void printWithoutDefaultPrinterTellsTheUser() {
        if (!QPrinterInfo::defaultPrinter().isNull())
            TALVO_SKIP("this machine has a default printer");
        ProgramState state = StartupState(kEnglish);
        PrintPreviewWindow window(state);
        window.show();
        testing::ModalAnswerer answerer;
        answerer.answerId(IdOk);
        window.findChild<QAction*>("actionPrint")->trigger();
        QVERIFY(answerer.waitAllAnswered());
        QCOMPARE(answerer.last().text,
                 QString("There is no default printer; nothing was printed."));
        QVERIFY(window.isVisible());  // the preview stays usable
    }

    void printCommandIsModalAndEndsWithTheWindow() {
        const ProgramState state = StartupState(kEnglish);
        testing::ModalAnswerer answerer;
        QString title;
        answerer.handleNextModal([&title](QWidget* w) {
            title = w->windowTitle();
            w->findChild<QAction*>("actionClose")->trigger();
        });
        ShowPrintPreview(state, nullptr);
        QCOMPARE(title, QString("Print preview"));
        QCOMPARE(answerer.unexpected(), 0);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

}  // namespace talvo

TALVO_QTEST_MAIN(talvo::PrintPreviewTest)
#include "print_preview_test.moc"
