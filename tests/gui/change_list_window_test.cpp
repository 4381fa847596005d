// The checked write's change list: one row per change, sorted by a click on a column's title,
// chosen rows copied as tab-separated lines, in both languages.
#include "app/change_list_window.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "lang/catalogue.h"
#include "support/pointer.h"
#include "support/user_input.h"

namespace talvo {

using compare::Change;
using testing::PointerClick;

class ChangeListWindowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<ChangeListWindow> window_;

    // A change whose name and values are given as words.
    static Change Named(Change::Area area, Change::Kind kind, int channel, const char* field,
                        const char* before, const char* after) {
        return {area,
                kind,
                channel,
                Message::Literal(field),
                Message::Literal(before),
                Message::Literal(after)};
    }
    static std::vector<Change> someChanges() {
        using A = Change::Area;
        using K = Change::Kind;
        return {
            Named(A::Channel, K::Changed, 9, "RXFreq", "145.50000", "146.00000"),
            Named(A::Channel, K::Changed, 9, "Channel Name", "HOME", "AWAY"),
            Named(A::Channel, K::Added, 10, "RXFreq", "", "438.50000"),
            Named(A::Channel, K::Removed, 100, "RXFreq", "439.98750", ""),
            Named(A::Setting, K::Changed, 0, "Beep", "Off", "On"),
            Named(A::Fm, K::Changed, 3, "FM channel 3", "99.90", "101.10"),
            Named(A::Power, K::Changed, 0, "A band High Power Grades", "9", "10"),
        };
    }
    void open(Language lang, const std::vector<Change>& changes) {
        window_ = std::make_unique<ChangeListWindow>(lang, changes, QStringLiteral("b.dat"));
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    QTableWidget* table() const { return window_->table(); }
    QStringList column(int c) const {
        QStringList out;
        for (int r = 0; r < table()->rowCount(); ++r) out << table()->item(r, c)->text();
        return out;
    }
    void clickTitle(int c) {
        QHeaderView* header = table()->horizontalHeader();
        const QPoint local(header->sectionViewportPosition(c) + header->sectionSize(c) / 2,
                           header->height() / 2);
        QVERIFY(PointerClick(header->viewport()->mapToGlobal(local)));
    }
    void clickRow(int r, Qt::KeyboardModifiers mods = {}) {
        const QRect cell = table()->visualItemRect(table()->item(r, 1));
        QVERIFY(PointerClick(table()->viewport()->mapToGlobal(cell.center()), mods));
    }

  private slots:
    void cleanup() { window_.reset(); }

    void oneRowPerChangeInBothLanguages_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QStringList>("places");
        QTest::newRow("en") << int(LanguageFlagOf(kEnglish))
                            << QStringList{"Channel or setting", "Field", "Old value", "New value"}
                            << QStringList{"Channel 9",
                                           "Channel 9",
                                           "Channel 10 (added)",
                                           "Channel 100 (removed)",
                                           "Settings",
                                           "FM",
                                           "Power"};
        QTest::newRow("zh")
            << int(LanguageFlagOf(kChinese)) << QStringList{"频道或设置", "项目", "原值", "新值"}
            << QStringList{"频道 9", "频道 9", "频道 10（新增）", "频道 100（删除）", "设置",
                           "收音机", "功率"};
    }
    void oneRowPerChangeInBothLanguages() {
        QFETCH(int, lang);
        QFETCH(QStringList, titles);
        QFETCH(QStringList, places);
        open(LanguageOfFlag(lang), someChanges());
        QCOMPARE(table()->columnCount(), 4);
        for (int c = 0; c < 4; ++c) QCOMPARE(table()->horizontalHeaderItem(c)->text(), titles[c]);
        QCOMPARE(column(0), places);
        const QString empty = LanguageOfFlag(lang) == kChinese ? "（空）" : "(empty)";
        QCOMPARE(column(2)[2], empty);
        QCOMPARE(column(3)[3], empty);
        QVERIFY(!window_->noChangeNote()->isVisible());
        // Nothing is written by a hasty Enter.
        QVERIFY(window_->cancelButton()->isDefault());
    }

    // A click on a title sorts by that column, a second click the other way; places keep the
    // list's own order (channels by number, then settings, FM, power), numbers sort by value.
    void titlesSortTheRows() {
        open(kEnglish, someChanges());
        clickTitle(0);
        const QStringList places = column(0);
        clickTitle(0);
        QStringList reversed = column(0);
        std::reverse(reversed.begin(), reversed.end());
        QCOMPARE(reversed.first(), QString("Channel 9"));
        QCOMPARE(reversed.mid(2), (QStringList{"Channel 10 (added)", "Channel 100 (removed)",
                                               "Settings", "FM", "Power"}));
        QCOMPARE(places.mid(2), reversed.mid(2));
        clickTitle(3);
        QStringList news = column(3);
        if (news.first() != "(empty)") {  // whichever way the first click sorts
            clickTitle(3);
            news = column(3);
        }
        QCOMPARE(news,
                 (QStringList{"(empty)", "10", "101.10", "146.00000", "438.50000", "AWAY", "On"}));
    }

    // Ctrl+C copies the chosen rows in the shown order under the titles, tab-separated; with
    // none chosen, Copy takes every row.
    void chosenRowsAreCopiedAsTabSeparatedLines() {
        open(kEnglish, someChanges());
        QGuiApplication::clipboard()->clear();
        clickRow(1);
        clickRow(4, Qt::ControlModifier);
        QVERIFY(testing::UserKey(Qt::Key_C, Qt::ControlModifier));
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString("Channel or setting\tField\tOld value\tNew value\n"
                         "Channel 9\tChannel Name\tHOME\tAWAY\n"
                         "Settings\tBeep\tOff\tOn\n"));
        table()->clearSelection();
        testing::UserClick(window_->copyButton());
        const QStringList lines =
            QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 8);
        QCOMPARE(lines[3], QString("Channel 10 (added)\tRXFreq\t(empty)\t438.50000"));
        // A tab inside a value would split its cell when pasted.
        open(kEnglish,
             {Named(Change::Area::Channel, Change::Kind::Changed, 1, "Channel Name", "A\tB", "C")});
        QCOMPARE(window_->copiedText().split('\n')[1], QString("Channel 1\tChannel Name\tA B\tC"));
    }

    // A long list (a whole new configuration's changes) shows one line of text a row, and how
    // many changes it holds in the plural form of each language.
    void longListsShowOneLineARowAndTheCount_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("counts");  // of 1 change, of 1183
        QTest::newRow("en") << "en" << QStringList{"1 change", "1183 changes"};
        QTest::newRow("zh") << "zh" << QStringList{"共 1 处更改", "共 1183 处更改"};
        QTest::newRow("es") << "es" << QStringList{"1 cambio", "1183 cambios"};
    }
    void longListsShowOneLineARowAndTheCount() {
        QFETCH(QString, code);
        QFETCH(QStringList, counts);
        const Language lang(code.toStdString());
        std::vector<Change> many;
        for (int i = 0; i < 1183; ++i) {
            many.push_back(Named(Change::Area::Channel, Change::Kind::Changed, 1 + i % 128,
                                 "Channel Name", "信道", "CH"));
        }
        open(lang, {many.front()});
        QCOMPARE(window_->countNote()->text(), counts[0]);
        open(lang, many);
        QVERIFY(window_->countNote()->isVisible());
        QCOMPARE(window_->countNote()->text(), counts[1]);
        // Each row is one line of its words high: the words whole, and no room for half a line
        // more (the style's default row is two lines high).
        const QFontMetrics fm(table()->font());
        const int line = fm.boundingRect(QStringLiteral("信道 CH")).height();
        for (int r : {0, 1, 600, 1182}) {
            const int height = table()->rowHeight(r);
            QVERIFY2(height >= line && 2 * height < 3 * line,
                     qPrintable(QString("row %1: %2 px, line %3 px").arg(r).arg(height).arg(line)));
        }
    }

    void noChangeSaysSo_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("text");
        QTest::newRow("en") << int(LanguageFlagOf(kEnglish)) << "No change";
        QTest::newRow("zh") << int(LanguageFlagOf(kChinese)) << "无变化";
    }
    void noChangeSaysSo() {
        QFETCH(int, lang);
        QFETCH(QString, text);
        open(LanguageOfFlag(lang), {});
        QVERIFY(window_->noChangeNote()->isVisible());
        QCOMPARE(window_->noChangeNote()->text(), text);
        QVERIFY(!table()->isVisible());
        QVERIFY(!window_->countNote()->isVisible());
        QVERIFY(!window_->copyButton()->isEnabled());
    }
};

}  // namespace talvo

QTEST_MAIN(talvo::ChangeListWindowTest)
#include "change_list_window_test.moc"
