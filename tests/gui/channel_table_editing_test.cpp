// Editing the channel grid with mouse and keyboard: frequencies, names, drop-down lists.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <vector>

#include "channel_table_fixture.h"
#include "channel_view.h"
#include "rules/channel_table.h"
#include "support/modal_answerer.h"
#include "support/pointer.h"
#include "ui/local_msgbox.h"

namespace talvo {

class ChannelTableEditingTest : public testing::ChannelTableFixture {
    Q_OBJECT

  private:
    QLineEdit* frequencyEditor() const {
        return qobject_cast<QLineEdit*>(window_->cellEditor(kColRxFreq));
    }
    QLineEdit* nameEditor() const {
        return qobject_cast<QLineEdit*>(window_->cellEditor(kColName));
    }
    QComboBox* list(int column) const {
        return qobject_cast<QComboBox*>(window_->cellEditor(column));
    }

    // A click as the window system makes it: the press, then the release to whatever is
    // under the pointer after the press.
    void clickCell(int ch, int col) {
        QTableWidgetItem* item = grid_->item(ch - 1, col);
        grid_->scrollToItem(item);
        QVERIFY(testing::PointerClick(
            grid_->viewport()->mapToGlobal(grid_->visualItemRect(item).center())));
    }
    // Types into the frequency editor of (ch, col) and presses Enter.
    void enterFrequency(int ch, int col, const QString& text) {
        clickCell(ch, col);
        QCOMPARE(window_->openEditor(), frequencyEditor());
        QTest::keyClick(frequencyEditor(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(frequencyEditor(), Qt::Key_Delete);
        QTest::keyClicks(frequencyEditor(), text);
        QTest::keyClick(frequencyEditor(), Qt::Key_Return);
    }
    // Picks entry `index` of the list that opened over (ch, col) with a mouse click.
    void pick(int ch, int col, int index) {
        clickCell(ch, col);
        auto* combo = qobject_cast<QComboBox*>(window_->openEditor());
        QVERIFY(combo);
        QTRY_VERIFY(combo->view()->isVisible());
        QAbstractItemView* view = combo->view();
        const QModelIndex item = view->model()->index(index, 0);
        view->scrollTo(item);
        // Item rectangles can be wider than a narrow list's viewport: click inside both.
        const QPoint at(view->viewport()->width() / 2, view->visualRect(item).center().y());
        QVERIFY(testing::PointerClick(view->viewport()->mapToGlobal(at)));
        QTRY_VERIFY(!combo->isVisible());
    }

  private slots:
    void freeRowOpensOnReceiveFrequency() {
        open(kEnglish);
        for (int col : {2, 3, 6, 10}) {
            clickCell(20, col);
            QCOMPARE(window_->openEditor(), frequencyEditor());
            QCOMPARE(grid_->currentColumn(), 1);
            QCOMPARE(frequencyEditor()->geometry(), grid_->visualItemRect(grid_->item(19, 1)));
            QTest::keyClick(frequencyEditor(), Qt::Key_Escape);
            QVERIFY(!frequencyEditor()->isVisible());
            QCOMPARE(window_->openEditor(), nullptr);
        }
        QVERIFY(state_->channels.isFree(20));
    }

    void bandLimitsAndRaster_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");  // empty: refused with the message
        QTest::newRow("136") << "136"
                             << "136.00000";
        QTest::newRow("174.995") << "174.995"
                                 << "174.99500";
        QTest::newRow("174.996") << "174.996"
                                 << "";
        QTest::newRow("175") << "175"
                             << "";
        QTest::newRow("399.99999") << "399.99999"
                                   << "";
        QTest::newRow("400") << "400"
                             << "400.00000";
        QTest::newRow("470.995") << "470.995"
                                 << "470.99500";
        QTest::newRow("470.996") << "470.996"
                                 << "";
        QTest::newRow("145.0031") << "145.0031"
                                  << "145.00000";
        QTest::newRow("145.013") << "145.013"
                                 << "145.01250";
        QTest::newRow("two points") << "145.1.25"
                                    << "";
        QTest::newRow("letters dropped") << "14x5.5"
                                         << "145.50000";
        QTest::newRow("ten characters") << "145.123456"
                                        << "145.12000";
    }
    void bandLimitsAndRaster() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        open(kEnglish);
        enterFrequency(2, 1, "150");  // an existing channel keeps its cell when refused
        testing::ModalAnswerer answerer;
        if (shown.isEmpty()) answerer.answerId(IdOk);
        enterFrequency(2, 1, typed);
        QVERIFY(answerer.waitAllAnswered());
        QCOMPARE(answerer.unexpected(), 0);
        if (shown.isEmpty()) {
            QCOMPARE(answerer.last().text, QString("Beyond the scope of frequency band"));
            QCOMPARE(answerer.last().buttons, QStringList{"OK"});
            QCOMPARE(cell(2, 1), QString("150.00000"));
            QCOMPARE(FrequencyText(state_->channels.at(2).rx), std::string("150.00000"));
        } else {
            QCOMPARE(cell(2, 1), shown);
            QCOMPARE(QString::fromStdString(FrequencyText(state_->channels.at(2).rx)), shown);
        }
        QVERIFY(!frequencyEditor()->isVisible());
        QCOMPARE(window_->focusWidget(), grid_);
    }

    void refusalInChinese() {
        open(kChinese);
        testing::ModalAnswerer answerer;
        answerer.answerId(IdOk);
        enterFrequency(1, 1, "300");
        QVERIFY(answerer.waitAllAnswered());
        QCOMPARE(answerer.last().text, QString("超出频段范围"));
        QVERIFY(state_->channels.isFree(1));
        QCOMPARE(cell(1, 2), QString());
    }

    void newChannelDefaults_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("zh") << int(LanguageFlagOf(kChinese))
                            << QStringList{"关闭", "关闭", "高", "关", "使能", "宽带", "关"};
        QTest::newRow("en") << int(LanguageFlagOf(kEnglish))
                            << QStringList{"Off", "Off", "High", "Off", "On", "Wide", "Off"};
    }
    void newChannelDefaults() {
        QFETCH(int, lang);
        QFETCH(QStringList, texts);
        open(LanguageOfFlag(lang));
        enterFrequency(5, 1, "145.5");
        QCOMPARE(cell(5, 1), QString("145.50000"));
        QCOMPARE(cell(5, 2), QString("145.50000"));
        for (int col = 3; col <= 9; ++col) QCOMPARE(cell(5, col), texts[col - 3]);
        QCOMPARE(cell(5, 10), QString());
        const std::vector<int> indexes = {0, 0, 1, 1, 1, 1, 1};
        for (std::size_t k = 0; k < indexes.size(); ++k) {
            QCOMPARE(int(state_->channels.at(5).option[k]), indexes[k]);
        }
    }

    void editingAnExistingChannel() {
        open(kEnglish);
        enterFrequency(3, 1, "145.5");
        enterFrequency(3, 2, "146.1");
        pick(3, 3, 1);    // 67.0
        pick(3, 4, 264);  // D754I
        pick(3, 5, 2);    // Middle
        pick(3, 8, 0);    // Narror
        QCOMPARE(cell(3, 3), QString("67.0"));
        QCOMPARE(cell(3, 4), QString("D754I"));
        QCOMPARE(cell(3, 5), QString("Middle"));
        QCOMPARE(cell(3, 8), QString("Narror"));
        QCOMPARE(int(state_->channels.at(3).option[1]), 264);
        QCOMPARE(CellText(state_->channels, 3, 4), std::string("D754I"));
        QCOMPARE(int(state_->channels.at(3).option[5]), 0);

        // a new receive frequency changes only the receive frequency
        enterFrequency(3, 1, "150");
        QCOMPARE(cell(3, 1), QString("150.00000"));
        QCOMPARE(cell(3, 2), QString("146.10000"));
        QCOMPARE(cell(3, 3), QString("67.0"));
        QCOMPARE(cell(3, 5), QString("Middle"));

        // an empty transmit frequency changes nothing
        enterFrequency(3, 2, "");
        QCOMPARE(cell(3, 2), QString("146.10000"));
        QCOMPARE(FrequencyText(state_->channels.at(3).tx), std::string("146.10000"));
    }

    void clearingReceiveFrequencyDeletesRow() {
        open(kEnglish);
        enterFrequency(7, 1, "440");
        pick(7, 6, 0);
        clickCell(7, 10);
        QTest::keyClicks(nameEditor(), "abc");
        QTest::keyClick(nameEditor(), Qt::Key_Return);
        QCOMPARE(cell(7, 10), QString("ABC"));

        enterFrequency(7, 1, "");
        for (int col = 1; col <= 10; ++col) QCOMPARE(cell(7, col), QString());
        QVERIFY(state_->channels.isFree(7));
        QCOMPARE(state_->channels.at(7).name, std::string());
        QCOMPARE(int(state_->channels.at(7).option[3]), 0);
        QCOMPARE(CellText(state_->channels, 7, 6), std::string());
    }

    void nameEntryFilter() {
        open(kEnglish);
        enterFrequency(1, 1, "145");
        clickCell(1, 10);
        QCOMPARE(window_->openEditor(), nameEditor());
        QTest::keyClicks(nameEditor(), "ab c");
        QCOMPARE(nameEditor()->text(), QString("ABC"));
        QCOMPARE(state_->channels.at(1).name, std::string("ABC"));  // stored while typing
        QTest::keyClicks(nameEditor(), "{#z9");
        QCOMPARE(nameEditor()->text(), QString("ABC#Z"));  // no sixth character
        QTest::keyClick(nameEditor(), Qt::Key_Return);
        QCOMPARE(cell(1, 10), QString("ABC#Z"));
        QCOMPARE(state_->channels.at(1).name, std::string("ABC#Z"));

        // Escape gives the name back unchanged
        clickCell(1, 10);
        QTest::keyClick(nameEditor(), Qt::Key_Backspace);
        QTest::keyClicks(nameEditor(), "x");
        QTest::keyClick(nameEditor(), Qt::Key_Escape);
        QCOMPARE(cell(1, 10), QString("ABC#Z"));
        QCOMPARE(state_->channels.at(1).name, std::string("ABC#Z"));
    }

    void longDecodedNameSurvivesOpeningTheEditor() {
        open(kEnglish);
        enterFrequency(1, 1, "145");
        state_->channels.at(1).name =
            "A B\xe9"
            "CDEF";
        window_->loadFromModel();
        QCOMPARE(cell(1, 10), QString("A B\u00e9CDEF"));
        clickCell(1, 10);
        QTest::keyClick(nameEditor(), Qt::Key_End);
        QTest::keyClicks(nameEditor(), "G");
        QTest::keyClick(nameEditor(), Qt::Key_Return);
        QCOMPARE(state_->channels.at(1).name, std::string("A B\xe9"
                                                          "CDEF"));
        QCOMPARE(cell(1, 10), QString("A B\u00e9CDEF"));
    }

    // A plain click on a list cell leaves the list open: its release, which goes to the list
    // that the press opened, picks nothing and closes nothing. A second click takes an entry.
    void clickOnAListCellLeavesTheListOpen_data() {
        QTest::addColumn<int>("lang");
        for (Language lang : {kChinese, kEnglish}) {
            QTest::newRow(lang == kChinese ? "zh" : "en") << int(LanguageFlagOf(lang));
        }
    }
    void clickOnAListCellLeavesTheListOpen() {
        QFETCH(int, lang);
        open(LanguageOfFlag(lang));
        enterFrequency(2, 1, "145");
        for (int col = kColQtDqtDec; col <= kColTxProhibit; ++col) {
            const ChannelStores before = state_->channels;
            clickCell(2, col);
            auto* combo = qobject_cast<QComboBox*>(window_->openEditor());
            QVERIFY2(combo, qPrintable(QString::number(col)));
            QCoreApplication::processEvents();
            QVERIFY2(combo->view()->isVisible(), qPrintable(QString::number(col)));
            QCOMPARE(window_->openEditor(), combo);
            QVERIFY(state_->channels == before);

            const int entry = combo->currentIndex() == 0 ? 1 : 0;
            QAbstractItemView* view = combo->view();
            const QModelIndex item = view->model()->index(entry, 0);
            const QPoint at(view->viewport()->width() / 2, view->visualRect(item).center().y());
            QVERIFY(testing::PointerClick(view->viewport()->mapToGlobal(at)));
            QTRY_VERIFY(!combo->isVisible());
            QCOMPARE(int(state_->channels.at(2).option[std::size_t(col - 3)]), entry);
            QCOMPARE(cell(2, col), combo->itemText(entry));
            QCOMPARE(QApplication::focusWidget(), grid_);
        }
    }

    void listLeftWithoutPickChangesNothing() {
        open(kEnglish);
        enterFrequency(4, 1, "145");
        const ChannelStores before = state_->channels;

        clickCell(4, 5);
        auto* power = list(kColPower);
        QCOMPARE(window_->openEditor(), power);
        QTRY_VERIFY(power->view()->isVisible());
        QCOMPARE(power->currentIndex(), 1);
        QCOMPARE(power->geometry().topLeft(), grid_->visualItemRect(grid_->item(3, 5)).topLeft());
        QTest::keyClick(power->view(), Qt::Key_Down);
        QTest::keyClick(power->view(), Qt::Key_Escape);
        QTRY_VERIFY(!power->isVisible());
        QCOMPARE(window_->openEditor(), nullptr);

        clickCell(4, 3);
        auto* tones = list(kColQtDqtDec);
        QTRY_VERIFY(tones->view()->isVisible());
        QCOMPARE(tones->count(), 265);
        // a click elsewhere closes the list
        QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {},
                          grid_->visualItemRect(grid_->item(9, 1)).center());
        QTRY_VERIFY(!tones->isVisible());

        QVERIFY(state_->channels == before);
        QCOMPARE(cell(4, 5), QString("High"));
        QCOMPARE(cell(4, 3), QString("Off"));
    }

    void listsDropOpenBelowTheirCell() {
        open(kEnglish);
        enterFrequency(6, 1, "145");
        for (int col : {3, 5}) {
            clickCell(6, col);
            auto* combo = qobject_cast<QComboBox*>(window_->openEditor());
            QVERIFY(combo);
            QTRY_VERIFY(combo->view()->isVisible());
            // The list hangs from the cell like a drop-down, a few entries high, and leaves
            // the cell and the rows above it in view (the 265 tones never fill the screen).
            const QRect shown(combo->mapToGlobal(QPoint(0, 0)), combo->size());
            const QRect popup = combo->view()->window()->geometry();
            QVERIFY(popup.top() >= shown.bottom());
            const int rows = popup.height() / combo->view()->sizeHintForRow(0);
            QVERIFY2(rows <= combo->maxVisibleItems(), qPrintable(QString::number(rows)));
            // ... and wide enough for its longest entry, even over a narrow column
            QVERIFY(combo->view()->viewport()->width() >= combo->view()->sizeHintForColumn(0));
            QTest::keyClick(combo->view(), Qt::Key_Escape);
            QTRY_VERIFY(!combo->isVisible());
        }
    }

    void keyboardUse() {
        open(kEnglish);
        grid_->setFocus();
        grid_->setCurrentCell(0, 1);
        QTest::keyClick(grid_, Qt::Key_Down);
        QTest::keyClick(grid_, Qt::Key_Down);
        QCOMPARE(grid_->currentRow(), 2);
        QTest::keyClick(grid_, Qt::Key_Left);  // the channel number column is not reachable
        QCOMPARE(grid_->currentColumn(), 1);
        QTest::keyClick(grid_, Qt::Key_Return);
        QCOMPARE(window_->openEditor(), frequencyEditor());
        QTest::keyClicks(frequencyEditor(), "430");
        QTest::keyClick(frequencyEditor(), Qt::Key_Tab);  // commits, then the next cell
        QCOMPARE(cell(3, 1), QString("430.00000"));
        QCOMPARE(grid_->currentRow(), 2);
        QCOMPARE(grid_->currentColumn(), 2);
        QVERIFY(grid_->hasFocus());

        // Enter on the transmit cell, typing, Escape: nothing changes
        QTest::keyClick(grid_, Qt::Key_Enter);
        QCOMPARE(window_->openEditor(), frequencyEditor());
        QCOMPARE(frequencyEditor()->text(), QString("430.00000"));
        QTest::keyClicks(frequencyEditor(), "440");
        QTest::keyClick(frequencyEditor(), Qt::Key_Escape);
        QCOMPARE(cell(3, 2), QString("430.00000"));
        QCOMPARE(FrequencyText(state_->channels.at(3).tx), std::string("430.00000"));

        // arrows inside an open editor do not move the grid under it
        QTest::keyClick(grid_, Qt::Key_Return);
        QTest::keyClick(frequencyEditor(), Qt::Key_Down);
        QCOMPARE(grid_->currentRow(), 2);
        QTest::keyClick(frequencyEditor(), Qt::Key_Escape);

        // a list opened from the keyboard commits the highlighted entry with Enter
        QTest::keyClick(grid_, Qt::Key_Right);
        QTest::keyClick(grid_, Qt::Key_Right);
        QTest::keyClick(grid_, Qt::Key_Right);
        QCOMPARE(grid_->currentColumn(), 5);
        QTest::keyClick(grid_, Qt::Key_Return);
        auto* power = list(kColPower);
        QTRY_VERIFY(power->view()->isVisible());
        QTest::keyClick(power->view(), Qt::Key_Up);
        QTest::keyClick(power->view(), Qt::Key_Return);
        QTRY_VERIFY(!power->isVisible());
        QCOMPARE(cell(3, 5), QString("Low"));
        QCOMPARE(int(state_->channels.at(3).option[2]), 0);
        QVERIFY(grid_->hasFocus());

        // typing on the grid starts an entry in the chosen cell; the grid's own search never
        // moves the current cell to another channel
        grid_->setCurrentCell(0, 1);
        QTest::keyClick(grid_, '4');
        QCOMPARE(grid_->currentRow(), 0);
        QCOMPARE(grid_->currentColumn(), 1);
        QCOMPARE(window_->openEditor(), frequencyEditor());
        QTest::keyClick(frequencyEditor(), '3');
        QCOMPARE(frequencyEditor()->text(), QString("43"));
        QCOMPARE(frequencyEditor()->geometry(), grid_->visualItemRect(grid_->item(0, 1)));
        QTest::keyClick(frequencyEditor(), Qt::Key_Escape);
    }

    void pendingFrequencyBeforeTransfer() {
        open(kEnglish);
        clickCell(9, 1);
        QTest::keyClicks(frequencyEditor(), "146.52");
        QVERIFY(window_->frequencyEditorVisible());
        window_->commitPendingFrequency();
        QVERIFY(!window_->frequencyEditorVisible());
        QCOMPARE(FrequencyText(state_->channels.at(9).rx), std::string("146.52000"));
        QCOMPARE(cell(9, 1), QString("146.52000"));
        window_->commitPendingFrequency();  // nothing open: nothing happens
        QCOMPARE(FrequencyText(state_->channels.at(9).rx), std::string("146.52000"));
    }

    void newDiscardsOpenEditorAndClearsTable() {
        open(kEnglish);
        enterFrequency(1, 1, "145");
        pick(1, 5, 0);
        clickCell(2, 1);
        QTest::keyClicks(frequencyEditor(), "146");
        window_->StartForm();
        QCOMPARE(window_->openEditor(), nullptr);
        QCOMPARE(list(kColQtDqtDec)->currentIndex(), 0);
        QCOMPARE(list(kColPower)->currentIndex(), 1);
        QCOMPARE(list(kColTxProhibit)->currentIndex(), 1);
        for (int ch : {1, 2}) {
            QVERIFY(state_->channels.isFree(ch));
            for (int col = 1; col <= 10; ++col) QCOMPARE(cell(ch, col), QString());
        }
    }
};

}  // namespace talvo

QTEST_MAIN(talvo::ChannelTableEditingTest)
#include "channel_table_editing_test.moc"
