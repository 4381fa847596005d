// The walk of everything the program shows: the main window, the editor windows, message boxes
// of real mistakes, the dialogs and their reports, the printout and the command line. Under the
// pseudo-language (the default) every text that is not data must carry the pseudo-language's
// brackets, i.e. have come through the catalogue; in every language (TALVO_WALK_LANG=zh, en,
// es, pseudo) no text may be cut by its widget.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "app/startup.h"
#include "editors/channels/channel_table_window.h"
#include "editors/debug/debug_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/fm/fm_window.h"
#include "editors/options/options_window.h"
#include "lang/catalogue.h"
#include "support/fake_serial_link.h"
#include "support/pointer.h"
#include "support/shell_env.h"
#include "support/text_walk.h"
#include "support/user_input.h"
#include "ui/local_msgbox.h"

namespace talvo {

namespace {

QString WalkLanguage() {
    const QByteArray lang = qgetenv("TALVO_WALK_LANG");
    return lang.isEmpty() ? QStringLiteral("pseudo") : QString::fromLatin1(lang);
}

// Walks every modal window the program opens while a command runs, then closes it (a message
// box with its Cancel/Escape button, a dialog by rejecting it) unless a handler was queued.
class ModalWalk : public QObject {
  public:
    explicit ModalWalk(testing::TextWalk& walk) : walk_(walk) {
        connect(&timer_, &QTimer::timeout, this, &ModalWalk::poll);
        timer_.start(10);
    }
    // Runs `handler` on the next modal window after walking it; it must close the window.
    void then(std::function<void(QWidget*)> handler) { handlers_.push_back(std::move(handler)); }
    QStringList titles;  // what was walked, in order
    QStringList texts;   // message box texts

  private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || seen_.contains(modal)) return;
        seen_ << modal;
        QTest::qWait(20);  // shown and fitted
        titles << modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) texts << box->text();
        walk_.window(QStringLiteral("modal \"%1\"").arg(modal->windowTitle()), modal);
        if (!handlers_.empty()) {
            auto handler = std::move(handlers_.front());
            handlers_.pop_front();
            handler(modal);
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            QAbstractButton* out = box->escapeButton();
            if (!out && !box->buttons().isEmpty()) out = box->buttons().front();
            if (out) out->click();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        }
    }

    testing::TextWalk& walk_;
    QTimer timer_;
    std::deque<std::function<void(QWidget*)>> handlers_;
    QList<QPointer<QWidget>> seen_;
};

}  // namespace

class PseudoWalkTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void menusAndToolTips();
    void windowsAndEditors();
    void messageBoxesOfRealMistakes();

  private:
    MainWindow& w() { return *program_.window; }
    void walkOrFail();

    std::unique_ptr<testing::ScopedShellEnvironment> env_;
    Program program_;
    std::unique_ptr<testing::TextWalk> walk_;
    QString lang_ = WalkLanguage();
};

void PseudoWalkTest::init() {
    env_ = std::make_unique<testing::ScopedShellEnvironment>();
    if (lang_ != QLatin1String("pseudo") && lang_ != QLatin1String("zh") &&
        !SetFurtherLanguage(lang_)) {
        QSKIP("this language is not shipped");
    }
    program_ = StartProgram(std::make_unique<testing::FakeSerialLink>());
    if (lang_ == QLatin1String("zh")) w().switchLanguage(kChinese);
    ShowProgram(program_);
    w().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w()));
    walk_ = std::make_unique<testing::TextWalk>(lang_ == QLatin1String("pseudo"));
}

void PseudoWalkTest::cleanup() {
    if (program_.window) program_.document->markSaved();
    program_ = {};
    env_.reset();
}

void PseudoWalkTest::walkOrFail() {
    QVERIFY(walk_->texts() > 0);
    if (!walk_->faults().isEmpty()) QFAIL(qPrintable(walk_->faults().join(QLatin1Char('\n'))));
}

void PseudoWalkTest::menusAndToolTips() {
    for (QAction* a : w().findChildren<QAction*>()) {
        // The toolkit's own entries (a child window's system menu) carry no code name; their
        // words come from the toolkit's catalogue.
        if (a->isSeparator() || a->objectName().isEmpty()) continue;
        walk_->text(QStringLiteral("action ") + a->objectName(), a->text());
        if (!a->toolTip().isEmpty() && a->toolTip() != a->text()) {
            walk_->text(QStringLiteral("tool tip ") + a->objectName(), a->toolTip());
        }
    }
    walkOrFail();
}

void PseudoWalkTest::windowsAndEditors() {
    walk_->window(QStringLiteral("main window"), &w());
    const QList<EditorWindow*> editors{w().dtmfWindow(), w().optionsWindow(), w().debugWindow(),
                                       w().fmWindow()};
    for (EditorWindow* editor : editors) {
        w().showEditor(editor);
        QTest::qWait(20);
        walk_->window(editor->objectName(), editor);
    }
    walkOrFail();
}

void PseudoWalkTest::messageBoxesOfRealMistakes() {
    ModalWalk modals(*walk_);
    // A file that is not a data file.
    const QString bad = env_->dataDir() + QStringLiteral("/bad.dat");
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a radio's memory");
    file.close();
    walk_->exempt(bad);
    QVERIFY(!w().openPath(bad));
    // A read with no radio on the port.
    w().startRead();
    // A refused value: a receive frequency outside the band.
    QTableWidget* grid = w().channelWindow()->grid();
    auto click = [this, grid](int row, int column) {
        w().activateWindow();
        if (!QTest::qWaitForWindowActive(&w())) return false;
        const QRect cell = grid->visualRect(grid->model()->index(row, column));
        return testing::PointerClick(testing::ScreenPoint(grid->viewport(), cell.center()));
    };
    QVERIFY(click(2, 1));
    testing::UserType(QStringLiteral("100"));
    testing::UserKey(Qt::Key_Return);
    // Another band empties the table: asked first.
    w().bandList()->setCurrentIndex((w().bandList()->currentIndex() + 1) % w().bandList()->count());
    // Quitting with unsaved changes, then without: both asked, both cancelled.
    QVERIFY(click(3, 1));
    testing::UserType(QStringLiteral("145.5"));
    testing::UserKey(Qt::Key_Return);
    w().close();
    program_.document->markSaved();
    w().close();
    QTRY_VERIFY(modals.titles.size() >= 5);
    QVERIFY2(w().isVisible(), "every question was cancelled");
    walkOrFail();
}

}  // namespace talvo

int main(int argc, char** argv) {
    // Before the first text is looked up.
    if (qgetenv("TALVO_WALK_LANG").isEmpty() || qgetenv("TALVO_WALK_LANG") == "pseudo") {
        qputenv("TALVO_LANG", "pseudo");
    }
    QApplication app(argc, argv);
    talvo::PseudoWalkTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "pseudo_walk_test.moc"
