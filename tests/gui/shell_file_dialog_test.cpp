// The data file dialog as a user meets it: where it starts, its filters, and the name Save
// writes (typed into the real dialog, keys to whatever has the focus).
#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/main_window.h"
#include "app/startup.h"
#include "support/fake_serial_link.h"
#include "support/modal_answerer.h"
#include "support/shell_env.h"
#include "support/user_input.h"

namespace talvo {

class ShellFileDialogTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir home_;  // the user's home folder, with or without a documents folder
    QByteArray oldHome_;
    QByteArray oldXdgConfig_;
    std::unique_ptr<testing::ScopedShellEnvironment> env_;
    std::unique_ptr<testing::ModalAnswerer> answerer_;
    Program program_;

    MainWindow& w() { return *program_.window; }
    QString documents() const { return QDir(home_.path()).filePath("Documents"); }

    void start() {
        program_ = StartProgram(std::make_unique<testing::FakeSerialLink>());
        w().show();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
    }
    // Presses Ctrl+`key` in the main window and hands the file dialog to `drive`, which must
    // close it. Returns the folder the dialog showed when it opened.
    QString runDialog(Qt::Key key, const std::function<void(QFileDialog*)>& drive) {
        QString shown;
        answerer_->handleNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (!dialog) return;
            shown = dialog->directory().absolutePath();
            // Driven from its own event, so the answerer is free to answer the boxes it opens.
            QTimer::singleShot(0, dialog, [&, dialog] {
                [&] {
                    QTRY_VERIFY(dialog->isActiveWindow());
                    QCOMPARE(dialog->nameFilters(), QStringList({QStringLiteral("DAT文件(*.dat)"),
                                                                 QStringLiteral("AllFiles(*.*)")}));
                    QCOMPARE(dialog->selectedNameFilter(), QStringLiteral("DAT文件(*.dat)"));
                    drive(dialog);
                }();
                // A failed step must not leave the test waiting for the dialog.
                if (dialog->isVisible()) dialog->reject();
            });
        });
        w().activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(&w())); }();
        testing::UserKey(key, Qt::ControlModifier);
        [&] { QVERIFY(answerer_->waitAllAnswered()); }();
        return shown;
    }
    // Types `name` into the dialog's focused name field and presses Enter.
    static void typeName(const QString& name) {
        QVERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
        testing::UserType(name);
        testing::UserKey(Qt::Key_Return);
    }
    static void cancel(QFileDialog* dialog) {
        // A closed message box hands the activation back (the window manager's part).
        dialog->activateWindow();
        QTRY_VERIFY(dialog->isActiveWindow());
        testing::UserKey(Qt::Key_Escape);
        QTRY_VERIFY(dialog->isHidden());
    }

  private slots:
    void initTestCase() {
        // The documents folder comes from the home folder; the test brings its own.
        oldHome_ = qgetenv("HOME");
        oldXdgConfig_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", home_.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", QDir(home_.path()).filePath(".config").toLocal8Bit());
    }
    void cleanupTestCase() {
        qputenv("HOME", oldHome_);
        if (oldXdgConfig_.isEmpty()) {
            qunsetenv("XDG_CONFIG_HOME");
        } else {
            qputenv("XDG_CONFIG_HOME", oldXdgConfig_);
        }
    }
    void init() {
        QVERIFY(QDir(documents()).removeRecursively());
        QVERIFY(QDir().mkpath(documents()));
        env_ = std::make_unique<testing::ScopedShellEnvironment>();
        answerer_ = std::make_unique<testing::ModalAnswerer>();
        start();
    }
    void cleanup() {
        QCOMPARE(answerer_->unexpected(), 0);
        program_ = {};
        answerer_.reset();
        env_.reset();
    }

    // A name without a suffix gets ".dat" under the data file filter, also in the replace
    // question; under "all files" the name is kept as typed.
    void saveAddsTheDataSuffixUnderTheDataFilter() {
        const QDir docs(documents());
        runDialog(Qt::Key_S, [](QFileDialog*) { typeName("test1"); });
        QVERIFY(QFile::exists(docs.filePath("test1.dat")));
        QVERIFY(!QFile::exists(docs.filePath("test1")));

        // Saving "test1" again asks about the file it would replace; No keeps the dialog.
        QFile::resize(docs.filePath("test1.dat"), 10);
        runDialog(Qt::Key_S, [this](QFileDialog* dialog) {
            answerer_->answerKey(Qt::Key_Escape);  // the replace question
            typeName("test1");
            QVERIFY(dialog->isVisible());
            cancel(dialog);
        });
        QCOMPARE(answerer_->seen().size(), 1);
        QVERIFY2(answerer_->last().text.contains("test1.dat"), qPrintable(answerer_->last().text));
        QCOMPARE(QFileInfo(docs.filePath("test1.dat")).size(), 10);

        runDialog(Qt::Key_S, [](QFileDialog* dialog) {
            auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
            QVERIFY(types && types->isVisible());
            testing::UserClick(types);
            QTRY_VERIFY(types->view()->isVisible());
            // A user's second click comes later than a double click would.
            QTest::qWait(QApplication::doubleClickInterval() + 50);
            QAbstractItemView* view = types->view();
            testing::UserClick(view->viewport(),
                               view->visualRect(types->model()->index(1, 0)).center());
            QTRY_VERIFY(!types->view()->isVisible());
            QCOMPARE(dialog->selectedNameFilter(), QStringLiteral("AllFiles(*.*)"));
            dialog->findChild<QLineEdit*>("fileNameEdit")->setFocus();
            typeName("test2");
        });
        QVERIFY(QFile::exists(docs.filePath("test2")));
        QVERIFY(!QFile::exists(docs.filePath("test2.dat")));
        // A name with its own suffix is kept under either filter.
        runDialog(Qt::Key_S, [](QFileDialog*) { typeName("test3.bak"); });
        QVERIFY(QFile::exists(docs.filePath("test3.bak")));
    }

    // The first dialog starts in the documents folder (the home folder when there is none);
    // later ones, also after a restart, where the last Open or Save went while that exists.
    void dialogsStartInTheLastFolderUsed() {
        auto cancelDialog = [](QFileDialog* dialog) { cancel(dialog); };
        QCOMPARE(runDialog(Qt::Key_O, cancelDialog), documents());
        QCOMPARE(runDialog(Qt::Key_S, cancelDialog), documents());

        QTemporaryDir elsewhere;
        const QString saved = QDir(elsewhere.path()).filePath("kept");
        runDialog(Qt::Key_S, [&](QFileDialog*) { typeName(saved); });
        QVERIFY(QFile::exists(saved + ".dat"));
        QCOMPARE(runDialog(Qt::Key_O, cancelDialog), elsewhere.path());

        program_ = {};
        start();
        QCOMPARE(runDialog(Qt::Key_O, cancelDialog), elsewhere.path());
        // Open remembers its folder as well.
        const QString copy = QDir(documents()).filePath("copy.dat");
        QVERIFY(QFile::copy(saved + ".dat", copy));
        runDialog(Qt::Key_O, [&](QFileDialog*) { typeName(copy); });
        QCOMPARE(runDialog(Qt::Key_S, cancelDialog), documents());
        // A remembered folder that is gone gives the documents folder again, then home.
        runDialog(Qt::Key_S, [&](QFileDialog*) { typeName(saved + "2"); });
        QVERIFY(QFile::exists(saved + "2.dat"));
        QVERIFY(QDir(elsewhere.path()).removeRecursively());
        QCOMPARE(runDialog(Qt::Key_S, cancelDialog), documents());
        QVERIFY(QDir(documents()).removeRecursively());
        QCOMPARE(runDialog(Qt::Key_O, cancelDialog), QDir(home_.path()).absolutePath());
    }
};

}  // namespace talvo

QTEST_MAIN(talvo::ShellFileDialogTest)
#include "shell_file_dialog_test.moc"
