// A language switch chosen in the menu reaches every window through the toolkit's
// language-change event: each open window (editors, About, the modeless dialogs) shows the new
// language and stays open, the document's bytes and the grid's place stay as they were, and a
// dialog made after the switch comes up in the new language.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <random>

#include "../unit/image_samples.h"
#include "app/about_window.h"
#include "app/backups_window.h"
#include "app/change_list_window.h"
#include "app/csv_import_dialog.h"
#include "app/fleet_window.h"
#include "app/hiding_sub_window.h"
#include "app/main_window.h"
#include "app/print_preview_window.h"
#include "app/startup.h"
#include "document/edit_labels.h"
#include "editors/channels/channel_table_window.h"
#include "editors/debug/debug_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/fm/fm_window.h"
#include "editors/options/options_window.h"
#include "exchange/channel_import.h"
#include "lang/catalogue.h"
#include "radio/codecs/decode.h"
#include "support/fake_serial_link.h"
#include "support/modal_answerer.h"
#include "support/shell_env.h"
#include "support/user_input.h"

namespace talvo {
namespace {

// Whether any caption, button, frame or tab of `window` reads `text`.
bool ShowsText(QWidget* window, const QString& text) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (auto* l = qobject_cast<QLabel*>(w); l && l->text() == text) return true;
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->text() == text) return true;
        if (auto* g = qobject_cast<QGroupBox*>(w); g && g->title() == text) return true;
        if (auto* t = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < t->count(); ++i) {
                if (t->tabText(i) == text) return true;
            }
        }
    }
    return false;
}

// A window's title and one of its captions in Chinese and in English.
struct Expected {
    QWidget* window;
    const char* zhTitle;
    const char* enTitle;
    const char* zhCaption;
    const char* enCaption;
};

// Where the grid stands: current cell, chosen cells, scroll place.
struct GridPlace {
    int row, column, scroll;
    QList<QTableWidgetSelectionRange> chosen;
    bool operator==(const GridPlace& o) const {
        if (row != o.row || column != o.column || scroll != o.scroll) return false;
        if (chosen.size() != o.chosen.size()) return false;
        for (qsizetype i = 0; i < chosen.size(); ++i) {
            const auto &a = chosen[i], &b = o.chosen[i];
            if (a.topRow() != b.topRow() || a.bottomRow() != b.bottomRow() ||
                a.leftColumn() != b.leftColumn() || a.rightColumn() != b.rightColumn())
                return false;
        }
        return true;
    }
};

GridPlace PlaceOf(QTableWidget* grid) {
    return {grid->currentRow(), grid->currentColumn(), grid->verticalScrollBar()->value(),
            grid->selectedRanges()};
}

}  // namespace

class LanguageEventTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<testing::ScopedShellEnvironment> env_;
    Program program_;
    MainWindow& w() { return *program_.window; }

    void start() {
        program_ = StartProgram(std::make_unique<testing::FakeSerialLink>());
        w().show();
        QVERIFY(QTest::qWaitForWindowExposed(&w()));
    }
    // Language Select(&L) opened with its key, the entry clicked.
    void chooseLanguage(const char* entry) {
        w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
        QVERIFY(testing::UserKey(Qt::Key_L, Qt::AltModifier));
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu->actions().contains(w().action(entry)));
        testing::UserClick(menu, menu->actionGeometry(w().action(entry)).center());
        QTRY_VERIFY(!QApplication::activePopupWidget());
    }
    // A modal window of the program shown the way a user can switch beside it.
    template <typename Dialog>
    Dialog* showBeside(Dialog* dialog) {
        dialog->setWindowModality(Qt::NonModal);
        dialog->show();
        return dialog;
    }

  private slots:
    void init() { env_ = std::make_unique<testing::ScopedShellEnvironment>(); }
    void cleanup() {
        program_ = {};
        env_.reset();
    }
    void everyOpenWindowFollowsTheMenu();
    void switchKeepsBytesAndGridPlace();
    void dialogMadeAfterASwitchShowsTheNewLanguage();
};

void LanguageEventTest::everyOpenWindowFollowsTheMenu() {
    start();
    for (EditorWindow* e : std::initializer_list<EditorWindow*>{
             w().channelWindow(), w().dtmfWindow(), w().optionsWindow(), w().debugWindow(),
             w().fmWindow()}) {
        w().showEditor(e);
    }
    showBeside(w().aboutWindow());
    auto* fleet = showBeside(new FleetWindow(w().state(), w().state().language, &w()));
    auto* backups = showBeside(new BackupsWindow(w().state().language, &w()));
    auto* changes = showBeside(new ChangeListWindow(w().state().language, {}, {}, &w()));
    auto* preview = showBeside(new PrintPreviewWindow(w().state(), &w()));
    auto* import = showBeside(new CsvImportDialog(
        ReadChannelTable("Location,Frequency\n1,146.52\n"), w().state().channels, w().state().band,
        w().state().language, QStringLiteral("a.csv"), &w()));
    const Expected expected[] = {
        {&w(), "TALVO 对讲机编程软件V1.50 - 未命名[*]",
         "TALVO Radio Programming Software V1.50 - Untitled[*]", "频段", "Frequency"},
        {w().channelWindow(), "信道编辑", "Channel Edit", nullptr, nullptr},
        {w().dtmfWindow(), "DTMF(双音多频)", "DTMF(双音多频)", "自动拔号存储器",
         "Auto-dialing Memory"},
        {w().optionsWindow(), "可选功能", "Optional Features", "功能设置", "Function Set"},
        {w().debugWindow(), "调试", "Debugging", "A组功率等级", "A Power Grades"},
        {w().fmWindow(), "FM频道设置", "FM Channel Set", "当前收音机工作频道:", "Present Channel:"},
        {w().aboutWindow(), "帮助", "Help", "简体中文版 V1.50", "English edition V1.50"},
        {fleet, "批量写频", "Program Several Radios", "开始", "Start"},
        {backups, "备份", "Backups", "打开", "Open"},
        {changes, "写频前确认更改", "Changes to Write", "写频(&W)", "&Write"},
        {preview, "打印预览", "Print preview", "刷新", "Refresh"},
        {import, "导入频道（CSV）", "Import Channels (CSV)", "导入", "Import"},
    };
    QList<QWidget*> shown;
    for (const Expected& e : expected) {
        shown << (qobject_cast<EditorWindow*>(e.window) ? w().frameOf(e.window) : e.window);
    }
    for (const char* entry : {"MNChinese", "MNEnglish", "MNChinese", "MNEnglish"}) {
        chooseLanguage(entry);
        const bool zh = QByteArray(entry) == "MNChinese";
        for (const Expected& e : expected) {
            const QString where = e.window->objectName() + " after " + entry;
            QCOMPARE(e.window->windowTitle(), QString::fromUtf8(zh ? e.zhTitle : e.enTitle));
            if (e.zhCaption) {
                QVERIFY2(ShowsText(e.window, QString::fromUtf8(zh ? e.zhCaption : e.enCaption)),
                         qPrintable(where));
            }
        }
        QCOMPARE(w().channelWindow()->grid()->horizontalHeaderItem(1)->text(),
                 zh ? QStringLiteral("接收频率") : QStringLiteral("RXFreq"));
        for (QWidget* window : shown) {
            QVERIFY2(window->isVisible(), qPrintable(window->objectName() + " hidden by " + entry));
        }
        for (EditorWindow* e : std::initializer_list<EditorWindow*>{
                 w().channelWindow(), w().dtmfWindow(), w().optionsWindow(), w().debugWindow(),
                 w().fmWindow()}) {
            QVERIFY(e->isVisible());
        }
    }
}

// Over random images: switching back and forth changes no byte of the document, leaves it
// unmodified with the same history, and keeps the grid's current cell, chosen cells and scroll.
void LanguageEventTest::switchKeepsBytesAndGridPlace() {
    start();
    std::mt19937 random(18);
    QTableWidget* grid = w().channelWindow()->grid();
    for (int round = 0; round < 3; ++round) {
        ProgramState loaded = w().document().state();
        loaded.RadioImage = samples::ValidImageMaker(random()).make();
        DecodeImage(loaded);
        w().document().loadState(ReadLabel(), loaded);
        w().document().undoStack().setClean();
        const ImageBytes before = w().document().encode();
        const int history = w().document().undoStack().count();

        const int row = static_cast<int>(random() % 100) + 10;
        const int column = static_cast<int>(random() % 5) + 1;
        grid->setCurrentCell(row, column);
        grid->setRangeSelected(QTableWidgetSelectionRange(row, column, row + 3, column + 1), true);
        grid->verticalScrollBar()->setValue(row - 4);
        const GridPlace place = PlaceOf(grid);

        for (const char* entry : {"MNChinese", "MNEnglish"}) {
            chooseLanguage(entry);
            QVERIFY2(w().document().encode() == before, entry);
            QVERIFY(!w().document().isModified());
            QVERIFY(!w().isWindowModified());
            QCOMPARE(w().document().undoStack().count(), history);
            QVERIFY2(PlaceOf(grid) == place, entry);
        }
    }
}

void LanguageEventTest::dialogMadeAfterASwitchShowsTheNewLanguage() {
    start();
    chooseLanguage("MNChinese");
    testing::ModalAnswerer answerer;
    QString title, open;
    answerer.handleNextModal([&](QWidget* modal) {
        title = modal->windowTitle();
        open = static_cast<BackupsWindow*>(modal)->openButton()->text();
        static_cast<QDialog*>(modal)->reject();
    });
    w().showBackups();
    QCOMPARE(title, QStringLiteral("备份"));
    QCOMPARE(open, QStringLiteral("打开"));
}

}  // namespace talvo

QTEST_MAIN(talvo::LanguageEventTest)
#include "language_event_test.moc"
