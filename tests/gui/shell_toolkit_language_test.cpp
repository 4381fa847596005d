// The toolkit's own texts (a text field's context menu, the file dialog, a child window's
// system menu) follow the program's language; the program's own captions are its own.
#include <QAction>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "app/data_file_dialog.h"
#include "app/hiding_sub_window.h"
#include "app/main_window.h"
#include "app/settings_store.h"
#include "app/startup.h"
#include "editors/channels/channel_table_window.h"
#include "editors/options/options_window.h"
#include "support/fake_serial_link.h"
#include "support/modal_answerer.h"
#include "support/shell_env.h"
#include "support/user_input.h"

namespace talvo {

class ShellToolkitLanguageTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<testing::ScopedShellEnvironment> env_;
    std::unique_ptr<testing::ModalAnswerer> answerer_;
    Program program_;

    MainWindow& w() { return *program_.window; }

    // The entries of the context menu a right click on `field` opens (the window system turns
    // the click into a context menu event for the widget under the pointer).
    static QStringList contextMenuOf(QLineEdit* field) {
        const QPoint at = field->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, field->mapToGlobal(at));
        QApplication::sendEvent(field, &event);
        QStringList entries;
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return entries;
        for (QAction* a : menu->actions()) {
            if (!a->isSeparator()) entries << a->text().section('\t', 0, 0);  // without the keys
        }
        testing::UserKey(Qt::Key_Escape);
        return entries;
    }
    // The buttons of the Open dialog that Ctrl+O shows.
    QStringList openDialogButtons() {
        QStringList labels;
        answerer_->handleNextModal([&labels](QWidget* modal) {
            if (auto* box = modal->findChild<QDialogButtonBox*>()) {
                for (QAbstractButton* b : box->buttons()) labels << b->text();
            }
            QTimer::singleShot(0, modal, [modal] { static_cast<QDialog*>(modal)->reject(); });
        });
        w().activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(&w())); }();
        testing::UserKey(Qt::Key_O, Qt::ControlModifier);
        [&] { QVERIFY(answerer_->waitAllAnswered()); }();
        return labels;
    }
    // Name, size, type and date of `name` as the Open dialog that Ctrl+O shows lists it.
    QStringList openDialogRow(const QString& name) {
        QStringList row;
        answerer_->handleNextModal([&row, name](QWidget* modal) {
            auto* view = modal->findChild<QTreeView*>(QStringLiteral("treeView"));
            QVERIFY(view && view->model());
            const auto find = [&] {
                row.clear();
                const QAbstractItemModel* model = view->model();
                for (int r = 0; r < model->rowCount(view->rootIndex()); ++r) {
                    if (model->index(r, 0, view->rootIndex()).data().toString() != name) continue;
                    for (int c = 0; c < 4; ++c)
                        row << model->index(r, c, view->rootIndex()).data().toString();
                }
                // The type comes from a look at the file that finishes a moment later.
                return row.size() == 4 && !row[2].isEmpty();
            };
            QTRY_VERIFY(find());
            QTimer::singleShot(0, modal, [modal] { static_cast<QDialog*>(modal)->reject(); });
        });
        w().activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(&w())); }();
        testing::UserKey(Qt::Key_O, Qt::ControlModifier);
        [&] { QVERIFY(answerer_->waitAllAnswered()); }();
        return row;
    }
    void chooseLanguage(const char* menuEntry) {
        w().action(menuEntry)->trigger();
        QCoreApplication::processEvents();  // the toolkit's widgets retranslate on an event
    }

  private slots:
    void init() {
        env_ = std::make_unique<testing::ScopedShellEnvironment>();
        answerer_ = std::make_unique<testing::ModalAnswerer>();
        program_ = StartProgram(std::make_unique<testing::FakeSerialLink>());
        w().show();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
    }
    void cleanup() {
        QCOMPARE(answerer_->unexpected(), 0);
        program_ = {};
        answerer_.reset();
        env_.reset();
    }

    void toolkitTextsFollowTheLanguageBothWays() {
        w().showEditor(w().optionsWindow());
        QLineEdit* vfo = w().optionsWindow()->text(TextId::AChannelNumber);
        QTRY_VERIFY(vfo->isVisible());
        QMdiSubWindow* frame = w().frameOf(w().channelWindow());
        QVERIFY(frame && frame->systemMenu());
        auto systemMenu = [frame] {
            QStringList entries;
            for (QAction* a : frame->systemMenu()->actions()) {
                if (!a->isSeparator()) entries << a->text();
            }
            return entries;
        };
        const QStringList englishMenu = contextMenuOf(vfo);
        QVERIFY2(englishMenu.contains("Select All"), qPrintable(englishMenu.join("|")));
        const QStringList englishButtons = openDialogButtons();
        QVERIFY2(englishButtons.contains("&Open"), qPrintable(englishButtons.join("|")));
        const QStringList englishSystem = systemMenu();
        QVERIFY2(englishSystem.contains("&Close"), qPrintable(englishSystem.join("|")));
        const QString caption = w().action("MNOpen")->text();

        chooseLanguage("MNChinese");
        const QStringList chineseMenu = contextMenuOf(vfo);
        QVERIFY2(chineseMenu.contains("全选"), qPrintable(chineseMenu.join("|")));
        const QStringList chineseButtons = openDialogButtons();
        QVERIFY2(chineseButtons.contains("打开(&O)"), qPrintable(chineseButtons.join("|")));
        const QStringList chineseSystem = systemMenu();
        QVERIFY2(chineseSystem.contains("关闭(&C)"), qPrintable(chineseSystem.join("|")));
        QCOMPARE(w().action("MNOpen")->text(), QStringLiteral("打开(&O)"));

        chooseLanguage("MNEnglish");
        QCOMPARE(contextMenuOf(vfo), englishMenu);
        QCOMPARE(openDialogButtons(), englishButtons);
        QCOMPARE(systemMenu(), englishSystem);
        QCOMPARE(w().action("MNOpen")->text(), caption);
    }

    // The file list of the dialogs writes a file's size, type and date in the program's
    // language, not only its buttons.
    void fileListFollowsTheLanguage() {
        QDir folder(env_->dataDir());
        QFile file(folder.filePath(QStringLiteral("sample.dat")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray bytes(1000, '\0');
        for (int i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i);
        file.write(bytes);
        QVERIFY(file.flush());
        QVERIFY(file.setFileTime(QDateTime(QDate(2024, 3, 5), QTime(14, 7)),
                                 QFileDevice::FileModificationTime));
        file.close();
        RememberDataFileFolder(file.fileName());

        chooseLanguage("MNChinese");
        QCOMPARE(openDialogRow("sample.dat"),
                 (QStringList{"sample.dat", "1,000 字节", "未知", "2024/3/5 14:07"}));
        chooseLanguage("MNEnglish");
        const QStringList english = openDialogRow("sample.dat");
        QCOMPARE(english.value(2), QStringLiteral("unknown"));
        QVERIFY2(english.value(1).endsWith(QStringLiteral(" bytes")),
                 qPrintable(english.join('|')));
        QVERIFY2(english.value(3).contains(QStringLiteral("24")), qPrintable(english.join('|')));
    }

    void aStartInChineseHasChineseToolkitTexts() {
        program_ = {};
        SaveLanguage(kChinese);
        program_ = StartProgram(std::make_unique<testing::FakeSerialLink>());
        w().show();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
        QCoreApplication::processEvents();
        w().showEditor(w().optionsWindow());
        QLineEdit* field = w().optionsWindow()->text(TextId::AChannelNumber);
        QTRY_VERIFY(field->isVisible());
        QVERIFY(contextMenuOf(field).contains("全选"));
        QVERIFY(openDialogButtons().contains("打开(&O)"));
        const QList<QAction*> system = w().frameOf(w().channelWindow())->systemMenu()->actions();
        QCOMPARE(system.last()->text(), QStringLiteral("关闭(&C)"));
    }
};

}  // namespace talvo

QTEST_MAIN(talvo::ShellToolkitLanguageTest)
#include "shell_toolkit_language_test.moc"
