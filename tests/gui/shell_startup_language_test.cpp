// Start-up of the whole program, the language switch over every window, and the exit.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>

#include "app/about_window.h"
#include "app/hiding_sub_window.h"
#include "app/main_window.h"
#include "app/port_chooser.h"
#include "app/settings_store.h"
#include "app/startup.h"
#include "app/writing_window.h"
#include "editors/channels/channel_table_window.h"
#include "editors/debug/debug_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/fm/fm_window.h"
#include "editors/options/options_window.h"
#include "lang/catalogue.h"
#include "support/fake_serial_link.h"
#include "support/modal_answerer.h"
#include "support/shell_env.h"
#include "support/user_input.h"

namespace talvo {
namespace {

// Every text a user can see in the program's windows, and every list's selection.
QStringList Snapshot(MainWindow& w) {
    QStringList out;
    QList<QWidget*> roots{&w, w.aboutWindow(), w.writingWindow()};
    for (QWidget* root : roots) {
        out << root->objectName() + " title=" + root->windowTitle();
        for (QAction* a : root->findChildren<QAction*>()) {
            if (!a->objectName().isEmpty())
                out << a->objectName() + "=" + a->text() + "|" + a->toolTip();
        }
        for (QWidget* child : root->findChildren<QWidget*>()) {
            const QString id = child->objectName() + "@" + child->metaObject()->className();
            if (child->isWindow() || qobject_cast<QMdiSubWindow*>(child)) {
                out << id + " title=" + child->windowTitle();
            }
            if (auto* l = qobject_cast<QLabel*>(child)) out << id + "=" + l->text();
            if (auto* b = qobject_cast<QAbstractButton*>(child)) out << id + "=" + b->text();
            if (auto* g = qobject_cast<QGroupBox*>(child)) out << id + "=" + g->title();
            if (auto* t = qobject_cast<QTabWidget*>(child)) {
                for (int i = 0; i < t->count(); ++i) out << id + " tab=" + t->tabText(i);
            }
            if (auto* c = qobject_cast<QComboBox*>(child)) {
                QStringList items;
                for (int i = 0; i < c->count(); ++i) items << c->itemText(i);
                out << id + " index=" + QString::number(c->currentIndex()) + " " + items.join(",");
                out << id + " pos=" + QString::number(c->x()) + "," + QString::number(c->y());
            }
            if (auto* t = qobject_cast<QTableWidget*>(child)) {
                for (int c = 0; c < t->columnCount(); ++c) {
                    if (auto* h = t->horizontalHeaderItem(c)) out << id + " head=" + h->text();
                }
            }
        }
    }
    return out;
}

QString FirstDifference(const QStringList& a, const QStringList& b) {
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a[i] != b[i]) return a[i] + "  <->  " + b[i];
    }
    return a.size() == b.size() ? QString() : QStringLiteral("different lengths");
}

}  // namespace

class ShellStartupLanguageTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<testing::ScopedShellEnvironment> env_;
    Program program_;
    testing::FakeSerialLink* port_ = nullptr;

    MainWindow& w() { return *program_.window; }
    QAction* action(const char* name) { return w().action(name); }
    void start() {
        auto port = std::make_unique<testing::FakeSerialLink>();
        port_ = port.get();
        program_ = StartProgram(std::move(port));
        w().show();
        QVERIFY(QTest::qWaitForWindowExposed(&w()));
    }
    void triggerMenu(const char* name) { action(name)->trigger(); }
    // Alt and the Language menu's letter in the language shown open it; the arrow keys go to
    // `name`; Return chooses it.
    void chooseLanguageByKeyboard(const char* name) {
        w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
        const QKeySequence letter = QKeySequence::mnemonic(action("MNLanguage")->text());
        QCOMPARE(letter.count(), 1);
        QVERIFY(testing::UserKey(letter[0].key(), Qt::AltModifier));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->objectName(), QStringLiteral("MNLanguage"));
        for (int i = 0; i < menu->actions().size() && menu->activeAction() != action(name); ++i)
            testing::UserKey(Qt::Key_Down);
        QCOMPARE(menu->activeAction(), action(name));
        testing::UserKey(Qt::Key_Return);
        QTRY_VERIFY(!QApplication::activePopupWidget());
    }
    // Every entry of the Language menu alike, the one of the language shown too: none shows a
    // check mark.
    void noLanguageEntryChecked() {
        for (QAction* a : w().findChild<QMenu*>("MNLanguage")->actions()) {
            QVERIFY2(!a->isCheckable() && !a->isChecked(), qPrintable(a->text()));
        }
    }
    // Quits through the menu, confirming the question.
    void quit() {
        testing::ModalAnswerer answerer;
        answerer.answerId(1);
        triggerMenu("MNQuit");
        QVERIFY(!w().isVisible());
        program_ = {};
    }

  private slots:
    void init() { env_ = std::make_unique<testing::ScopedShellEnvironment>(); }
    void cleanup() {
        program_ = {};
        env_.reset();
    }
    void firstStartIsEnglishWithPortZero();
    void startsInTheStoredLanguageAndPort();
    void menuAndToolbarAsBuilt();
    void languageSwitchRestoresEveryTextAndKeepsSelections();
    void chineseTextsAndListPositions();
    void unknownLanguageFlagChangesNothing();
    void closeQuestionCancelKeepsRunning();
    void confirmedCloseStoresLanguageAndPort();
    void furtherLanguageFromTheMenuIsRememberedBesideTheFlag();
    void anyStoredFurtherLanguageStartsInAShippedOne();
};

void ShellStartupLanguageTest::firstStartIsEnglishWithPortZero() {
    start();
    QCOMPARE(w().state().language, kEnglish);
    // The program's title, then the file's name and the mark shown while changes are unsaved.
    QCOMPARE(w().windowTitle(),
             QStringLiteral("TALVO Radio Programming Software V1.50 - Untitled[*]"));
    QVERIFY(!w().isWindowModified());
    QCOMPARE(w().statusText(1), QStringLiteral("COM: 0"));
    QCOMPARE(w().statusText(2), QString());
    QCOMPARE(w().bandList()->currentIndex(), 0);
    QCOMPARE(w().state().band.BandBHigh, 47'099'501);

    // The channel table is shown in front; the other editors exist, hidden.
    QVERIFY(w().frameOf(w().channelWindow())->isVisible());
    QCOMPARE(w().mdiArea()->activeSubWindow(), w().frameOf(w().channelWindow()));
    for (QWidget* editor : std::initializer_list<QWidget*>{w().dtmfWindow(), w().optionsWindow(),
                                                           w().debugWindow(), w().fmWindow()}) {
        QVERIFY(w().frameOf(editor));
        QVERIFY(!w().frameOf(editor)->isVisible());
    }
    // Power grades at their start values, shown by the debug window.
    const int expected[] = {218, 218, 116, 218, 218, 116};
    for (int i = 0; i < 6; ++i) QCOMPARE(w().debugWindow()->slider(i)->value(), expected[i]);

    QComboBox* ports = w().ports().list();
    QVERIFY(!ports->isVisible());
    QCOMPARE(ports->count(), 18);  // 1..16, a separator, Refresh
    QCOMPARE(ports->itemText(0), QStringLiteral("1"));
    QCOMPARE(ports->itemText(15), QStringLiteral("16"));
    QCOMPARE(ports->currentIndex(), -1);
    QVERIFY(port_->openAttempts.isEmpty());  // the port is not opened at start
}

void ShellStartupLanguageTest::startsInTheStoredLanguageAndPort() {
    SaveLanguage(kChinese);
    SavePortNumber(7);
    start();
    QCOMPARE(w().state().language, kChinese);
    QCOMPARE(w().windowTitle(), QStringLiteral("TALVO 对讲机编程软件V1.50 - 未命名[*]"));
    QCOMPARE(w().statusText(1), QStringLiteral("COM: 7"));
    QVERIFY(!w().statusText(2).isEmpty());
    QCOMPARE(w().state().PortNumber, 7);
}

void ShellStartupLanguageTest::menuAndToolbarAsBuilt() {
    start();
    const struct {
        const char* name;
        QKeySequence key;
        bool enabled;
    } entries[] = {
        {"MNNew", QKeySequence("Ctrl+N"), true},
        {"MNOpen", QKeySequence("Ctrl+O"), true},
        {"MNSave", QKeySequence("Ctrl+S"), true},
        {"MNPrint", {}, false},
        {"MNQuit", {}, true},
        {"MNModel", QKeySequence("Ctrl+M"), true},
        {"MNDTMF", QKeySequence("Ctrl+D"), false},
        {"MNOption", QKeySequence("Ctrl+P"), true},
        {"MNDebug", QKeySequence("Ctrl+B"), true},
        {"MNFMset", QKeySequence("Ctrl+F"), true},
        {"MNRead", QKeySequence("Ctrl+R"), true},
        {"MNWrite", QKeySequence("Ctrl+W"), true},
        {"MNCommPort", {}, true},
        {"MNChinese", {}, true},
        {"MNEnglish", {}, true},
        {"MNF1", QKeySequence("F1"), false},
        {"MNAbout", QKeySequence("Ctrl+A"), true},
    };
    for (const auto& e : entries) {
        QAction* a = action(e.name);
        QVERIFY2(a, e.name);
        QCOMPARE(a->shortcut(), e.key);
        QCOMPARE(a->isEnabled(), e.enabled);
    }
    QStringList order;
    for (QAction* a : w().toolBar()->actions()) {
        order << (a->isSeparator() ? QStringLiteral("|")
                                   : a->objectName() + (a->isVisible() ? "" : "(hidden)"));
    }
    QCOMPARE(order, (QStringList{"TNew", "TOpen", "TSave", "|", "TRead", "TWrite", "TAnMa(hidden)",
                                 "TDebug(hidden)", "TFMMa(hidden)", "TUndo", "TRedo"}));
    QCOMPARE(action("TRead")->toolTip(), QStringLiteral("Read Data from the Transceive"));
    QStringList menus;
    for (QAction* m : w().menuBar()->actions()) menus << m->text();
    QCOMPARE(menus, (QStringList{"File(&F)", "Edit(&E)", "Programming(&G)", "Language Select(&L)",
                                 "Help(&H)"}));
    QVERIFY(w().menuBar()->isVisible());
    QVERIFY(w().menuBar()->height() > 0);

    // Edit commands show their window in front; closing the frame only hides it.
    QTest::keyClick(&w(), Qt::Key_P, Qt::ControlModifier);
    HidingSubWindow* options = w().frameOf(w().optionsWindow());
    QTRY_VERIFY(options->isVisible());
    QCOMPARE(w().mdiArea()->activeSubWindow(), options);
    options->close();
    QVERIFY(!options->isVisible());
    QVERIFY(w().optionsWindow());
    triggerMenu("MNOption");
    QVERIFY(options->isVisible());
}

void ShellStartupLanguageTest::languageSwitchRestoresEveryTextAndKeepsSelections() {
    start();
    // Selections away from their defaults, made by code (no band question).
    w().state().band.BandPromptSuppressed = true;
    w().bandList()->setCurrentIndex(3);
    // The grid's floating editors, which are built when first opened.
    for (int column = kColRxFreq; column <= kColName; ++column)
        w().channelWindow()->cellEditor(column);
    for (QWidget* editor :
         std::initializer_list<QWidget*>{w().optionsWindow(), w().dtmfWindow(), w().fmWindow()}) {
        for (QComboBox* c : editor->findChildren<QComboBox*>()) {
            if (c->count() > 1) c->setCurrentIndex(c->count() - 1);
        }
    }
    const QStringList english = Snapshot(w());
    triggerMenu("MNChinese");
    const QStringList chinese = Snapshot(w());
    QVERIFY(english != chinese);
    QCOMPARE(chinese.size(), english.size());
    triggerMenu("MNEnglish");
    const QStringList back = Snapshot(w());
    QVERIFY2(back == english, qPrintable(FirstDifference(english, back)));
    QCOMPARE(w().bandList()->currentIndex(), 3);

    // And the other way round.
    triggerMenu("MNChinese");
    triggerMenu("MNEnglish");
    triggerMenu("MNChinese");
    const QStringList again = Snapshot(w());
    QVERIFY2(again == chinese, qPrintable(FirstDifference(chinese, again)));
}

void ShellStartupLanguageTest::chineseTextsAndListPositions() {
    start();
    QCOMPARE(w().bandList()->geometry().topLeft(), QPoint(1085 / 15, 2));
    QCOMPARE(w().bandList()->width(), 4000 / 15);
    QCOMPARE(w().ports().list()->geometry().topLeft(), QPoint(3475 / 15, 0));
    QCOMPARE(w().ports().list()->width(), 1185 / 15);
    triggerMenu("MNChinese");
    QCOMPARE(w().bandList()->geometry().topLeft(), QPoint(585 / 15, 2));
    QCOMPARE(w().ports().list()->geometry().topLeft(), QPoint(2475 / 15, 0));
    QCOMPARE(action("MNRead")->text(), QStringLiteral("读频(&R)"));
    QCOMPARE(action("MNAbout")->text(), QStringLiteral("帮助(&H)"));
    QCOMPARE(action("MNProgram")->text(), QStringLiteral("编程(&G)"));
    QCOMPARE(action("TWrite")->toolTip(), QStringLiteral("写频"));
    QCOMPARE(w().findChild<QLabel*>("bandLabel")->text(), QStringLiteral("频段"));
    QCOMPARE(w().aboutWindow()->windowTitle(), QStringLiteral("帮助"));
    QCOMPARE(w().aboutWindow()->versionLabel()->text(), QStringLiteral("简体中文版 V1.50"));
    QVERIFY(!w().statusText(2).isEmpty());
    triggerMenu("MNEnglish");
    QCOMPARE(w().statusText(2), QString());
    QCOMPARE(w().aboutWindow()->titleLabel()->text(),
             QStringLiteral("TALVO Radio Programming Software"));
}

void ShellStartupLanguageTest::unknownLanguageFlagChangesNothing() {
    start();
    const QStringList before = Snapshot(w());
    w().state().language = LanguageOfFlag(2);
    w().ApplyLanguage();
    const QStringList after = Snapshot(w());
    QVERIFY2(after == before, qPrintable(FirstDifference(before, after)));
}

void ShellStartupLanguageTest::closeQuestionCancelKeepsRunning() {
    start();
    testing::ModalAnswerer answerer;
    answerer.answerId(2);
    w().close();
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.last().title, QStringLiteral("Be careful"));
    QCOMPARE(
        answerer.last().text,
        QStringLiteral("Confirm that withdraws from a procedure?\nLose all in change not kept!"));
    QCOMPARE(answerer.last().defaultButton, QStringLiteral("Cancel"));
    QVERIFY(w().isVisible());

    answerer.answerKey(Qt::Key_Escape);
    triggerMenu("MNQuit");
    QVERIFY(w().isVisible());
    QCOMPARE(answerer.seen().size(), 2);
    // Nothing was stored by a cancelled close.
    QCOMPARE(LoadLanguage(), QString());
}

void ShellStartupLanguageTest::confirmedCloseStoresLanguageAndPort() {
    start();
    port_->openable = {4};
    triggerMenu("MNChinese");
    w().state().PortNumber = 4;
    // The virtual radio of a demo run is never remembered as the port.
    w().ports().attachDemoRadio(1);
    QCOMPARE(w().statusText(1), QStringLiteral("COM: 1"));
    testing::ModalAnswerer answerer;
    answerer.answerId(1);
    triggerMenu("MNQuit");
    QCOMPARE(answerer.last().title, QStringLiteral("注意"));
    QCOMPARE(answerer.last().text, QStringLiteral("确定退出本程序？\n未保存的更改将全部丢失！"));
    QVERIFY(!w().isVisible());
    QCOMPARE(LoadLanguage(), QStringLiteral("0"));
    QCOMPARE(LoadPortNumber(), 4);
    QCOMPARE(StartupLanguage(), kChinese);
}

// Español follows the two entries of the flag behind a separator and, like them, never shows a
// check mark; it shows the Spanish catalogue through the flag's 1, which the store keeps as it
// is, with the code beside it.
void ShellStartupLanguageTest::furtherLanguageFromTheMenuIsRememberedBesideTheFlag() {
    start();
    QStringList entries;
    for (QAction* a : w().findChild<QMenu*>("MNLanguage")->actions())
        entries << (a->isSeparator() ? QStringLiteral("|") : a->text());
    QCOMPARE(entries.mid(0, 4),
             (QStringList{"Chinese(&C)", "English(&E)", "|", LanguageOwnName("es")}));
    QCOMPARE(entries.size(), ShippedLanguages().size() + 1);
    noLanguageEntryChecked();
    const QStringList english = Snapshot(w());
    triggerMenu("MNChinese");
    const QStringList chinese = Snapshot(w());
    triggerMenu("MNEnglish");

    chooseLanguageByKeyboard("MNLanguage_es");
    QCOMPARE(w().state().language, Language("es"));
    noLanguageEntryChecked();
    const QStringList spanish = Snapshot(w());
    // Every text that differs between Chinese and English differs in Spanish from both, but
    // for the few the Spanish shares with the English (names, "DTMF(&D)", ...).
    int differ = 0, shared = 0;
    for (qsizetype i = 0; i < english.size(); ++i) {
        if (english[i] == chinese[i]) continue;
        QVERIFY2(spanish[i] != chinese[i], qPrintable(spanish[i]));
        (spanish[i] != english[i] ? differ : shared)++;
    }
    QVERIFY2(differ > 10 * shared, qPrintable(QString("%1 %2").arg(differ).arg(shared)));
    // The main window, an editor, the grid's list words and the toolkit's own words.
    const Language es("es");
    QCOMPARE(action("MNFile")->text(), Tr(TALVO_TEXT("MainTexts", "File(&F)"), es));
    QVERIFY(action("MNFile")->text() != QStringLiteral("File(&F)"));
    QCOMPARE(w().channelWindow()->windowTitle(),
             Tr(TALVO_TEXT("ChannelTableWindow", "Channel Edit"), es));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));

    quit();
    QCOMPARE(LoadLanguage(), QStringLiteral("1"));
    QCOMPARE(LoadFurtherLanguage(), QStringLiteral("es"));
    start();
    QCOMPARE(w().state().language, Language("es"));
    noLanguageEntryChecked();
    const QStringList spanishAtStart = Snapshot(w());
    QVERIFY2(spanishAtStart == spanish, qPrintable(FirstDifference(spanish, spanishAtStart)));

    // English and Chinese are exactly what they were before Spanish was shown.
    chooseLanguageByKeyboard("MNEnglish");
    QCOMPARE(w().state().language, kEnglish);
    noLanguageEntryChecked();
    const QStringList englishAgain = Snapshot(w());
    QVERIFY2(englishAgain == english, qPrintable(FirstDifference(english, englishAgain)));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    chooseLanguageByKeyboard("MNLanguage_es");
    chooseLanguageByKeyboard("MNChinese");
    noLanguageEntryChecked();
    const QStringList chineseAgain = Snapshot(w());
    QVERIFY2(chineseAgain == chinese, qPrintable(FirstDifference(chinese, chineseAgain)));
    quit();
    QCOMPARE(LoadLanguage(), QStringLiteral("0"));
    QCOMPARE(LoadFurtherLanguage(), QString());

    // A store an older version wrote (the flag only) starts in English, whatever ran before.
    SaveLanguage(kEnglish);
    start();
    QCOMPARE(w().state().language, kEnglish);
    const QStringList olderStore = Snapshot(w());
    QVERIFY2(olderStore == english, qPrintable(FirstDifference(english, olderStore)));
}

// Whatever the further key holds (edited by hand, written by a build with other catalogues),
// the start shows a shipped language: the code when it is one besides Chinese, else English.
void ShellStartupLanguageTest::anyStoredFurtherLanguageStartsInAShippedOne() {
    start();
    const QStringList english = Snapshot(w());
    program_ = {};
    const struct {
        const char* stored;
        const char* shown;
    } cases[] = {{"es", "es"}, {"", "en"},   {"en", "en"},     {"zh", "en"},
                 {"ES", "en"}, {"xx", "en"}, {"pseudo", "en"}, {"es\n", "en"}};
    for (const auto& c : cases) {
        SaveLanguage(kEnglish);
        SaveFurtherLanguage(QString::fromLatin1(c.stored));
        start();
        QCOMPARE(CodeOf(w().state().language), QString::fromLatin1(c.shown));
        noLanguageEntryChecked();
        if (QLatin1String(c.shown) == "en") {
            const QStringList shown = Snapshot(w());
            QVERIFY2(shown == english, qPrintable(c.stored + FirstDifference(english, shown)));
        }
        program_ = {};
    }
}

}  // namespace talvo

QTEST_MAIN(talvo::ShellStartupLanguageTest)
#include "shell_startup_language_test.moc"
