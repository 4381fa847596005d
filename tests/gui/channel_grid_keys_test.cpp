// The channel grid as a spreadsheet user drives it: typing on a cell starts a new entry there,
// F2 edits the cell's text, and Insert pushes channels down into the first free channel.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>
#include <QUndoStack>

#include "channel_table_fixture.h"
#include "channel_view.h"
#include "lang/catalogue.h"
#include "radio/state/channel_lists.h"
#include "rules/channel_ops.h"
#include "rules/channel_table.h"
#include "support/modal_answerer.h"
#include "support/pointer.h"
#include "support/user_input.h"
#include "ui/local_msgbox.h"

namespace talvo {

using testing::PointerClick;
using testing::UserKey;
using testing::UserType;

class ChannelGridKeysTest : public testing::ChannelTableFixture {
    Q_OBJECT

  private:
    Language lang_ = kEnglish;

    QString pick(const char* zh, const char* en) const {
        return QString::fromUtf8(lang_ == kChinese ? zh : en);
    }
    // After a message box the window manager gives the window the keyboard back.
    void activate() {
        if (QApplication::activeWindow() == window_.get()) return;
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void openIn() {
        QFETCH(int, lang);
        lang_ = LanguageOfFlag(lang);
        open(lang_);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(grid_));
    }
    void bothLanguages() {
        QTest::addColumn<int>("lang");
        QTest::newRow("zh") << int(LanguageFlagOf(kChinese));
        QTest::newRow("en") << int(LanguageFlagOf(kEnglish));
    }
    // Channels `channels` programmed with distinct frequencies and names.
    void program(const std::vector<int>& channels) {
        ChannelStores& s = state_->channels;
        for (int ch : channels) {
            CommitFrequency(s, state_->band, ch, kColRxFreq,
                            std::to_string(140 + ch % 30) + "." + std::to_string(ch % 10));
            StoreName(s, ch, "C" + std::to_string(ch));
        }
        window_->loadFromModel();
    }

  private slots:
    void typingStartsANewEntryOnTheCurrentCell_data() { bothLanguages(); }
    void typingStartsANewEntryOnTheCurrentCell() {
        openIn();
        // A free channel: the typed digits become its receive frequency.
        grid_->setCurrentCell(0, kColRxFreq);
        UserType("145.5");
        QCOMPARE(QApplication::focusWidget(), window_->openEditor());
        QVERIFY(UserKey(Qt::Key_Return));
        QCOMPARE(cell(1, kColRxFreq), QString("145.50000"));
        QCOMPARE(cell(1, kColTxFreq), QString("145.50000"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(grid_));

        // On a used cell the typed text replaces the old value, through the typing rules.
        grid_->setCurrentCell(0, kColTxFreq);
        UserType("146.x1");
        QVERIFY(UserKey(Qt::Key_Return));
        QCOMPARE(cell(1, kColTxFreq), QString("146.10000"));
        grid_->setCurrentCell(0, kColName);
        UserType("ab1");
        QVERIFY(UserKey(Qt::Key_Tab));
        QCOMPARE(cell(1, kColName), QString("AB1"));
        QCOMPARE(grid_->currentRow(), 1);  // Tab went on to the next cell, wrapping the row

        // A list cell drops its list open at the entry the character starts.
        grid_->setCurrentCell(0, kColPower);
        const QString middle = pick("中", "Middle");
        UserType(lang_ == kChinese ? "x" : "M");
        auto* list = qobject_cast<QComboBox*>(window_->openEditor());
        QVERIFY(list);
        QTRY_VERIFY(list->view()->isVisible());
        if (lang_ == kEnglish) {
            QVERIFY(UserKey(Qt::Key_Return));
            QTRY_COMPARE(cell(1, kColPower), middle);
        } else {
            QVERIFY(UserKey(Qt::Key_Escape));
            QTRY_COMPARE(window_->openEditor(), nullptr);
            QCOMPARE(cell(1, kColPower), pick("高", "High"));
        }
        activate();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(grid_));
        // A letter on a free channel's cell starts that channel's frequency, where letters
        // are not taken.
        grid_->setCurrentCell(4, kColName);
        UserType("q");
        QCOMPARE(grid_->currentColumn(), int(kColRxFreq));
        auto* text = qobject_cast<QLineEdit*>(window_->openEditor());
        QVERIFY(text);
        QCOMPARE(text->text(), QString());
        QVERIFY(UserKey(Qt::Key_Escape));
        QVERIFY(state_->channels.isFree(5));
        // Keys with Ctrl are commands, never entries.
        grid_->setCurrentCell(0, kColName);
        QVERIFY(UserKey(Qt::Key_B, Qt::ControlModifier));
        QCOMPARE(window_->openEditor(), nullptr);
    }

    // F2 opens the editor with the cell's text kept and the cursor after it.
    void f2EditsTheCellText_data() { bothLanguages(); }
    void f2EditsTheCellText() {
        openIn();
        program({1});
        grid_->setCurrentCell(0, kColName);
        QVERIFY(UserKey(Qt::Key_F2));
        auto* text = qobject_cast<QLineEdit*>(window_->openEditor());
        QVERIFY(text);
        QCOMPARE(text->text(), QString("C1"));
        QVERIFY(!text->hasSelectedText());
        UserType("x");
        QVERIFY(UserKey(Qt::Key_Return));
        QCOMPARE(cell(1, kColName), QString("C1X"));
        // F2 on a list cell drops the list open, as Enter does.
        grid_->setCurrentCell(0, kColBand);
        QVERIFY(UserKey(Qt::Key_F2));
        auto* list = qobject_cast<QComboBox*>(window_->openEditor());
        QVERIFY(list);
        QTRY_VERIFY(list->view()->isVisible());
        QVERIFY(UserKey(Qt::Key_Escape));
        QTRY_COMPARE(window_->openEditor(), nullptr);
    }

    // The out-of-band message gives the grid the keyboard; the next digits are a new entry.
    void digitsAfterTheBandMessageStartANewEntry_data() { bothLanguages(); }
    void digitsAfterTheBandMessageStartANewEntry() {
        openIn();
        testing::ModalAnswerer answerer;
        QVERIFY(PointerClick(at(3, kColRxFreq)));
        UserType("100");
        answerer.answerId(IdOk);
        QVERIFY(UserKey(Qt::Key_Return));
        QVERIFY(answerer.waitAllAnswered());
        QCOMPARE(answerer.last().text, pick("超出频段范围", "Beyond the scope of frequency band"));
        QVERIFY(state_->channels.isFree(3));
        activate();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(grid_));
        UserType("146.025");
        QVERIFY(UserKey(Qt::Key_Return));
        QCOMPARE(cell(3, kColRxFreq), QString("146.02500"));
        QCOMPARE(answerer.unexpected(), 0);
    }

    // Insert pushes the channels from the insertion point down into the first free channel,
    // whatever channel 128 holds; with no free channel below it is refused, nothing changes.
    void insertMovesDownIntoTheFirstFreeChannel_data() { bothLanguages(); }
    void insertMovesDownIntoTheFirstFreeChannel() {
        openIn();
        program({1, 2, 3, 5, 128});
        const auto before = records();
        testing::ModalAnswerer answerer;
        QVERIFY(PointerClick(at(2, 0)));
        QVERIFY(UserKey(Qt::Key_Insert));
        auto after = records();
        QVERIFY(state_->channels.isFree(2));
        QCOMPARE(after[2], before[1]);
        QCOMPARE(after[3], before[2]);
        for (int ch : {1, 5, 128}) QCOMPARE(after[ch - 1], before[ch - 1]);
        QCOMPARE(window_->selection().channels(), (ChannelList{2}));
        QCOMPARE(document_->undoStack().count(), 1);
        document_->undo();
        QCOMPARE(records(), before);

        // Every channel from 4 on in use: Insert there is refused and says why.
        std::vector<int> rest;
        for (int ch = 4; ch <= kChannelCount; ++ch) rest.push_back(ch);
        program(rest);
        const auto full = records();
        QVERIFY(PointerClick(at(4, 0)));
        answerer.answerId(IdOk);
        QVERIFY(UserKey(Qt::Key_Insert));
        QVERIFY(answerer.waitAllAnswered());
        QCOMPARE(answerer.last().text, pick("信道4至128均已使用，不能插入空信道",
                                            "Channels 4 to 128 are all in use: no free channel "
                                            "can be inserted"));
        QCOMPARE(records(), full);
        QCOMPARE(answerer.unexpected(), 0);
    }
    // Every list drops open wide enough for its longest entry while its box keeps its cell's
    // width, in both languages.
    void listsOpenAsWideAsTheirLongestEntry_data() { bothLanguages(); }
    void listsOpenAsWideAsTheirLongestEntry() {
        openIn();
        program({1});
        for (int col = kColQtDqtDec; col < kColName; ++col) {
            QVERIFY(PointerClick(at(1, col)));
            auto* list = qobject_cast<QComboBox*>(window_->openEditor());
            QVERIFY(list);
            QTRY_VERIFY(list->view()->isVisible());
            QCOMPARE(list->width(), grid_->visualItemRect(grid_->item(0, col)).width());
            const QAbstractItemView* view = list->view();
            QVERIFY2(view->viewport()->width() >= view->sizeHintForColumn(0),
                     qPrintable(QString("column %1: %2 < %3")
                                    .arg(col)
                                    .arg(view->viewport()->width())
                                    .arg(view->sizeHintForColumn(0))));
            QVERIFY(UserKey(Qt::Key_Escape));
            QTRY_COMPARE(window_->openEditor(), nullptr);
        }
    }

    // The columns keep their widths; a cell they cut shows its whole text as its tool tip.
    void cutCellsShowTheirWholeTextInTheToolTip_data() { bothLanguages(); }
    void cutCellsShowTheirWholeTextInTheToolTip() {
        openIn();
        program({1});
        StoreName(state_->channels, 1, "WWWWW");
        window_->loadFromModel();
        const int widths = grid_->columnWidth(kColBand);
        auto toolTipAt = [&](int ch, int col) {
            const QPoint global = at(ch, col);
            QHelpEvent help(QEvent::ToolTip, grid_->viewport()->mapFromGlobal(global), global);
            QApplication::sendEvent(grid_->viewport(), &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        // Text of the usual size fits the on/off columns: no tip.
        QCOMPARE(toolTipAt(1, kColAddScan), QString());
        QTRY_VERIFY(!QToolTip::isVisible());
        // Larger text (a user's bigger system font) no longer fits the fixed columns.
        QFont big = grid_->font();
        big.setPixelSize(30);
        grid_->setFont(big);
        QCOMPARE(grid_->columnWidth(kColBand), widths);
        for (int col : {int(kColRxFreq), int(kColBand), int(kColName)}) {
            QTRY_COMPARE(toolTipAt(1, col), cell(1, col));
        }
        QCOMPARE(cell(1, kColBand), pick("宽带", "Wide"));
        // An empty cell has nothing to tell.
        toolTipAt(2, kColRxFreq);
        QTRY_VERIFY(!QToolTip::isVisible());
    }
};

}  // namespace talvo

QTEST_MAIN(talvo::ChannelGridKeysTest)
#include "channel_grid_keys_test.moc"
