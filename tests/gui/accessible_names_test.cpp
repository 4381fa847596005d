// Names a screen reader reads, through the toolkit's accessibility interfaces inside the
// process: the windows no menu command opens (DTMF, print preview), and names that must follow
// their source when a language switch changes it. The walk over the running program through
// AT-SPI is tests/a11y/screen_reader_walk.py.
#include "ui/accessible_names.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSet>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <functional>

#include "app/hidden_mode_buttons.h"
#include "app/print_preview_window.h"
#include "app/startup.h"
#include "channel_table_fixture.h"
#include "document/document.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/fm/fm_window.h"
#include "lang/catalogue.h"
#include "support/fake_serial_link.h"
#include "support/shell_env.h"
#include "support/user_input.h"

namespace talvo {
namespace {

using testing::UserKey;
using testing::UserType;

// What a screen reader announces for `w`: its labels (captions whose buddy it is), else its
// name. A combo box's name is its entry on Linux, so only a label names it there.
QString SpokenName(QWidget* w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    if (!iface) return {};
    QStringList labels;
    for (const auto& [other, relation] : iface->relations(QAccessible::Label)) {
        if (other->role() == QAccessible::Grouping) continue;  // a frame labels all inside
        const QString text = other->text(QAccessible::Name).trimmed();
        if (!text.isEmpty()) labels << text;
    }
    if (!labels.isEmpty()) return labels.join(QLatin1Char(' '));
    if (qobject_cast<QComboBox*>(w)) return w->accessibleName();
    return iface->text(QAccessible::Name).trimmed();
}

// Every control of `window` a person can reach with the keyboard, without a name.
QStringList Unnamed(QWidget* window) {
    QStringList missing;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->focusPolicy() == Qt::NoFocus || w->focusProxy()) continue;
        // A combo box's own field is read with the combo box.
        if (qobject_cast<QComboBox*>(w->parentWidget())) continue;
        if (SpokenName(w).isEmpty())
            missing << QStringLiteral("%1 %2").arg(w->metaObject()->className(), w->objectName());
    }
    return missing;
}

// Every entry of every list inside `root` that a person can pick without a text to read.
QStringList UnnamedEntries(QWidget* root) {
    QStringList missing;
    for (QComboBox* list : root->findChildren<QComboBox*>()) {
        for (int i = 0; i < list->count(); ++i) {
            const QModelIndex entry = list->model()->index(i, list->modelColumn());
            if (!(list->model()->flags(entry) & Qt::ItemIsSelectable)) continue;  // separators
            if (list->itemText(i).trimmed().isEmpty() &&
                entry.data(Qt::AccessibleTextRole).toString().isEmpty())
                missing << QStringLiteral("%1 entry %2").arg(list->objectName()).arg(i + 1);
        }
    }
    return missing;
}

}  // namespace

class AccessibleNamesTest : public testing::ChannelTableFixture {
    Q_OBJECT

  private slots:
    // The grid's editors sit inside the grid's view, where the accessibility tree does not
    // reach; a screen reader meets them through the focus, and reads their column's header.
    void cellEditorsAreNamedByTheirColumn() {
        open(kChinese);
        grid_->setCurrentCell(0, 1);  // channel 1 programmed, so that every column edits
        QVERIFY(UserKey(Qt::Key_F2));
        UserType(QStringLiteral("146.5"));
        QVERIFY(UserKey(Qt::Key_Return));
        auto header = [this] {
            return grid_->horizontalHeaderItem(grid_->currentColumn())->text();
        };
        QSet<QString> named;
        for (int column = 1; column < grid_->columnCount(); ++column) {
            grid_->setCurrentCell(0, column);
            QVERIFY(UserKey(Qt::Key_F2));
            QWidget* editor = window_->openEditor();
            QVERIFY2(editor, qPrintable(QString::number(column)));
            QCOMPARE(editor->accessibleName(), header());
            named << editor->accessibleName();
            while (window_->openEditor()) QVERIFY(UserKey(Qt::Key_Escape));
        }
        QCOMPARE(named.size(), grid_->columnCount() - 1);
        // A switch while an editor is open renames it with its header.
        grid_->setCurrentCell(0, grid_->columnCount() - 1);
        QVERIFY(UserKey(Qt::Key_F2));
        QVERIFY(window_->openEditor());
        const QString chinese = window_->openEditor()->accessibleName();
        state_->language = kEnglish;
        window_->applyLanguage();
        QVERIFY(window_->openEditor());
        QCOMPARE(window_->openEditor()->accessibleName(), header());
        QVERIFY(header() != chinese);

        // The FM grid's editor: always the frequency column.
        FmWindow fm(*document_);
        fm.applyLanguage();
        fm.editChannel(3);
        QVERIFY(fm.cellEditor()->isVisibleTo(&fm));
        QCOMPARE(fm.cellEditor()->accessibleName(), fm.grid()->horizontalHeaderItem(1)->text());
        QVERIFY(!fm.cellEditor()->accessibleName().isEmpty());
    }

    void windowsNoMenuOpensNameEveryControl_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("Chinese") << int(LanguageFlagOf(kChinese));
        QTest::newRow("English") << int(LanguageFlagOf(kEnglish));
    }
    void windowsNoMenuOpensNameEveryControl() {
        QFETCH(int, language);
        Document document;
        document.sessionState() = StartupState(LanguageOfFlag(language));
        DtmfWindow dtmf(document);
        dtmf.applyLanguage();
        for (QRadioButton* page : dtmf.findChildren<QRadioButton*>()) {
            page->click();  // both pages, one after the other
            const QStringList missing = Unnamed(&dtmf);
            QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
        }
        PrintPreviewWindow preview(document.state());
        const QStringList missing = Unnamed(&preview);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
    }

    // Every tool-bar button shows only an icon, the relock buttons a hidden mode shows too:
    // each has a name of its own, in each language.
    void toolBarButtonsAreNamedInEachLanguage() {
        testing::ScopedShellEnvironment env;
        Program program = StartProgram(std::make_unique<testing::FakeSerialLink>());
        MainWindow& main = *program.window;
        for (int mode = 0; mode < 3; ++mode) main.hiddenModes().unlock(mode);
        QHash<QAction*, QString> before;
        for (Language lang : {kChinese, kEnglish}) {
            main.switchLanguage(lang);
            QSet<QString> names;
            int buttons = 0;
            for (QAction* a : main.toolBar()->actions()) {
                if (a->isSeparator() || !a->isVisible()) continue;
                const QString name = main.toolBar()->widgetForAction(a)->accessibleName();
                QVERIFY2(!name.isEmpty(), qPrintable(a->objectName()));
                QVERIFY2(name != before.value(a), qPrintable(name));  // follows the language
                before[a] = name;
                names << name;
                ++buttons;
            }
            QCOMPARE(buttons, 10);
            QCOMPARE(names.size(), buttons);
        }
    }

    // Every entry of the main window's lists and its editors' has words, in each shipped
    // language, before any list was ever dropped open (a screen reader meets them then too).
    void listEntriesHaveWordsInEachLanguage() {
        testing::ScopedShellEnvironment env;
        Program program = StartProgram(std::make_unique<testing::FakeSerialLink>());
        MainWindow& main = *program.window;
        // The grid's lists, which are built when first opened.
        for (int column = kColQtDqtDec; column <= kColTxProhibit; ++column)
            main.channelWindow()->cellEditor(column);
        for (const QString& code : ShippedLanguages()) {
            main.switchLanguage(Language(code.toStdString()));
            const QStringList missing = UnnamedEntries(&main);
            QVERIFY2(missing.isEmpty(), qPrintable(code + ": " + missing.join(", ")));
        }
        main.switchLanguage(kEnglish);
    }

    // Each kind of source changes as a language switch changes it; the name follows.
    void namesFollowTheirSource() {
        QWidget window;
        auto* grid = new QTableWidget(&window);
        NameAfterTitle(grid, &window);
        auto* choice = new QRadioButton(QStringLiteral("起始频道："), &window);
        auto* number = new QSpinBox(&window);
        NameAfterChoice(number, choice);
        QToolBar bar;
        QAction* open = bar.addAction(QStringLiteral("Open"));
        open->setToolTip(QStringLiteral("打开"));
        NameToolBarButtons(&bar);
        QWidget* openButton = bar.widgetForAction(open);
        QComboBox ports;
        QAction command(QStringLiteral("通信端口(&C)"));
        NameAfterCommand(&ports, &command);

        struct Case {
            const char* what;
            std::function<void()> switchText;
            QWidget* named;
            QString expected;
        };
        const Case cases[] = {
            {"grid by its window's title", [&] { window.setWindowTitle("Channel Edit[*]"); }, grid,
             "Channel Edit"},
            {"tool-bar button by its tool tip", [&] { open->setToolTip("Open"); }, openButton,
             "Open"},
            {"list by its command", [&] { command.setText("Communication &Port && more"); }, &ports,
             "Communication Port & more"},
            {"number by its choice, after the retranslation",
             [&] {
                 QEvent change(QEvent::LanguageChange);
                 QApplication::sendEvent(choice, &change);
                 choice->setText("Starting channel:");  // the window's own handler, later
             },
             number, "Starting channel:"},
        };
        QCOMPARE(number->accessibleName(), QString("起始频道："));
        QCOMPARE(openButton->accessibleName(), QString("打开"));
        QCOMPARE(ports.accessibleName(), QString("通信端口(C)"));
        for (const Case& c : cases) {
            c.switchText();
            QTRY_COMPARE_WITH_TIMEOUT(c.named->accessibleName(), c.expected, 5000);
        }
    }
};

}  // namespace talvo

QTEST_MAIN(talvo::AccessibleNamesTest)
#include "accessible_names_test.moc"
