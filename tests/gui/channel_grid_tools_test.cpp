// The channel grid's tools for many channels, driven by mouse and keys in both languages:
// sort, the find box, a column set over chosen channels, and a series fill with its preview.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QUndoStack>
#include <random>
#include <set>

#include "channel_table_fixture.h"
#include "channel_view.h"
#include "editors/channels/channel_filter_bar.h"
#include "editors/channels/grid_tools.h"
#include "lang/catalogue.h"
#include "radio/state/state_parts.h"
#include "radio/state/tone_list.h"
#include "rules/channel_filter.h"
#include "rules/channel_table.h"
#include "support/modal_answerer.h"
#include "support/pointer.h"
#include "support/user_input.h"
#include "ui/local_msgbox.h"

namespace talvo {

using testing::PointerClick;
using testing::PointerPress;
using testing::UserKey;
using testing::UserType;
using Tool = ChannelGridTools;

class ChannelGridToolsTest : public testing::ChannelTableFixture {
    Q_OBJECT

  private:
    ChannelGridTools& tools() const { return window_->gridTools(); }
    void programPmr(int n) {
        for (int ch = 1; ch <= n; ++ch) {
            CommitFrequency(state_->channels, state_->band, ch, kColRxFreq,
                            "446." + std::to_string(ch) + "0000");
            StoreName(state_->channels, ch, "P" + std::to_string(ch));
        }
        window_->loadFromModel();
    }
    // Clicks the entry of an open menu.
    void clickEntry(QMenu* menu, QAction* entry) {
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(PointerClick(menu->mapToGlobal(menu->actionGeometry(entry).center())));
    }
    // Opens the context menu with a right press on (ch, col).
    QMenu* contextMenuAt(int ch, int col) {
        QMenu* menu = window_->contextMenu();
        PointerPress(at(ch, col), {}, Qt::RightButton);
        return menu;
    }

  private slots:
    // Sorting by the keys and by the context menu, on random images, over random choices:
    // one step each, and undoing it gives the image back byte for byte.
    void sortThenUndoGivesTheSameBytes() {
        open(kEnglish);
        std::mt19937 rng(4);
        auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        int moved = 0;
        for (unsigned seed = 1; seed <= 12; ++seed) {
            loadRandom(seed);
            const ImageBytes before = document_->encode();
            const auto recordsBefore = records();
            QUndoStack& history = document_->undoStack();
            if (pick(0, 2)) {
                const int from = pick(1, 100);
                QVERIFY(PointerClick(at(from, 0)));
                QVERIFY(PointerClick(at(from + pick(1, 27), 0), Qt::ShiftModifier));
            } else {
                QVERIFY(PointerClick(at(pick(1, 128), pick(1, 10))));
                QVERIFY(window_->openEditor());
                key(Qt::Key_Escape);
            }
            const int column = pick(1, 10);
            if (seed % 2) {
                // Context menu → Sort Channels → a direction, then By <column>: one trip, the
                // direction's entry leaving the menu open.
                QMenu* menu = contextMenuAt(grid_->currentRow() + 1, 0);
                clickEntry(menu, tools().sortMenu()->menuAction());
                QMenu* sort = tools().sortMenu();
                QAction* direction = sort->findChild<QAction*>(pick(0, 1) ? "MNChSortAscending"
                                                                          : "MNChSortDescending");
                clickEntry(sort, direction);
                QTest::qWait(50);
                QVERIFY(sort->isVisible());
                QVERIFY(direction->isChecked());
                clickEntry(sort, sort->findChild<QAction*>(QString("MNChSortBy%1").arg(column)));
                QTRY_VERIFY(!menu->isVisible());
                QCOMPARE(document_->undoStack().undoText().endsWith("descending"),
                         history.count() > 0 && direction->objectName().endsWith("Descending"));
            } else {
                grid_->setCurrentCell(grid_->currentRow(), column);
                key(pick(0, 1) ? Qt::Key_Up : Qt::Key_Down,
                    Qt::ControlModifier | Qt::ShiftModifier);
            }
            const bool changed = records() != recordsBefore;
            QCOMPARE(history.count(), changed ? 1 : 0);
            if (!changed) continue;
            ++moved;
            const ImageBytes sorted = document_->encode();
            history.undo();
            QVERIFY2(document_->encode() == before, qPrintable(QString("seed %1").arg(seed)));
            QVERIFY(records() == recordsBefore);
            history.redo();
            QVERIFY(document_->encode() == sorted);
        }
        QVERIFY(moved >= 8);
    }

    // Free channels gather at the end of the sorted range; the chosen places keep their
    // choice and the rows show the channels in their new places.
    void sortShowsTheNewOrder() {
        open(kChinese);
        ChannelStores& s = state_->channels;
        CommitFrequency(s, state_->band, 2, kColRxFreq, "440");
        CommitFrequency(s, state_->band, 4, kColRxFreq, "145");
        CommitFrequency(s, state_->band, 5, kColRxFreq, "146");
        window_->loadFromModel();
        QVERIFY(PointerClick(at(1, 0)));
        QVERIFY(PointerClick(at(4, 0), Qt::ShiftModifier));
        key(Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);  // by receive frequency
        QCOMPARE(cell(1, kColRxFreq), QString("145.00000"));
        QCOMPARE(cell(2, kColRxFreq), QString("440.00000"));
        QCOMPARE(cell(3, kColRxFreq), QString());
        QCOMPARE(cell(5, kColRxFreq), QString("146.00000"));  // outside the choice
        QCOMPARE(window_->selection().channels(), (ChannelList{1, 2, 3, 4}));
        QCOMPARE(document_->undoStack().undoText(), QString("按接收频率升序排序信道"));
    }

    // A column set from the context menu over channels chosen with Ctrl: the used ones take
    // the value, the free one is reported by number with its reason, one step in all.
    void columnSetOverChosenChannels() {
        for (Language lang : {kEnglish, kChinese}) {
            open(lang);
            programPmr(6);
            const auto before = records();
            QVERIFY(PointerClick(at(2, 0)));
            QVERIFY(PointerClick(at(4, 0), Qt::ControlModifier));
            QVERIFY(PointerClick(at(5, 0), Qt::ControlModifier));
            QVERIFY(PointerClick(at(9, 0), Qt::ControlModifier));  // free
            QMenu* menu = contextMenuAt(4, kColPower);
            QAction* set = tools().action(Tool::SetColumn);
            QCOMPARE(set->text(), lang == kEnglish ? QString("Set Power of Chosen Channels(&K)…")
                                                   : QString("设置所选信道的“功率”(&K)…"));
            testing::ModalAnswerer answerer;
            answerer.handleNextModal([](QWidget* dialog) {
                auto* list = dialog->findChild<QComboBox*>("ColumnValueList");
                QVERIFY(list);
                QCOMPARE(list->currentIndex(), 1);  // the clicked cell's High
                // Low, picked with the keyboard in the focused list, then OK.
                QTest::keyClick(list, Qt::Key_Up);
                QCOMPARE(list->currentIndex(), 0);
                auto* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
                QTest::mouseClick(ok, Qt::LeftButton);
            });
            answerer.answerId(IdOk);
            clickEntry(menu, set);
            QVERIFY(answerer.waitAllAnswered());
            QCOMPARE(answerer.last().text,
                     lang == kEnglish ? QString("Power set on 3 channels.\n"
                                                "These channels were left as they were:\n"
                                                "Free channel (enter its receive frequency "
                                                "first): 9")
                                      : QString("已为 3 个信道设置“功率”。\n以下信道保持不变：\n"
                                                "空信道（请先输入接收频率）：9"));
            for (int ch = 1; ch <= kChannelCount; ++ch) {
                const bool takes = ch == 2 || ch == 4 || ch == 5;
                QCOMPARE(state_->channels.at(ch).option[2],
                         takes ? std::int16_t{0} : before[ch - 1].option[2]);
                if (!takes) QVERIFY(records()[ch - 1] == before[ch - 1]);
            }
            QCOMPARE(cell(4, kColPower), lang == kEnglish ? QString("Low") : QString("低"));
            QCOMPARE(document_->undoStack().count(), 1);
            document_->undo();
            QVERIFY(records() == before);
            QCOMPARE(answerer.unexpected(), 0);
        }
    }

    // Counted words take the form of their number in each language: the column set's dialog
    // over one channel and over two, its step, and the series dialog over one.
    void countedWordsTakeTheFormOfTheirNumber_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("words");  // dialog of 1, of 2, step of 1, fill of 1
        QTest::newRow("en") << "en"
                            << QStringList{"Power of 1 channel becomes:",
                                           "Power of 2 channels becomes:", "Set Power of 1 channel",
                                           "Fill Series (1 channel)"};
        QTest::newRow("es") << "es"
                            << QStringList{
                                   "Pot. de 1 canal pasa a ser:", "Pot. de 2 canales pasa a ser:",
                                   "Establecer Pot. en 1 canal", "Rellenar serie (1 canal)"};
        QTest::newRow("zh") << "zh"
                            << QStringList{"1 个信道的“功率”将设为：", "2 个信道的“功率”将设为：",
                                           "设置1个信道的功率", "填充信道序列（1 个信道）"};
    }
    void countedWordsTakeTheFormOfTheirNumber() {
        QFETCH(QString, code);
        QFETCH(QStringList, words);
        open(Language(code.toStdString()));
        programPmr(3);
        QVERIFY(PointerClick(at(2, kColPower)));  // the column a set takes
        while (window_->openEditor()) key(Qt::Key_Escape);
        QVERIFY(PointerClick(at(2, 0)));
        QStringList seen;
        auto read = [&seen](QWidget* dialog) {
            for (const QLabel* label : dialog->findChildren<QLabel*>()) {
                if (label->text().contains(QLatin1Char('1')) ||
                    label->text().contains(QLatin1Char('2')))
                    seen << label->text();
            }
            seen << dialog->windowTitle();
        };
        testing::ModalAnswerer answerer;
        answerer.handleNextModal([&](QWidget* dialog) {
            read(dialog);
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Down);
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        });
        key(Qt::Key_E, Qt::ControlModifier);
        QVERIFY(answerer.waitAllAnswered());
        QVERIFY2(seen.contains(words[0]), qPrintable(seen.join(" | ")));
        QCOMPARE(document_->undoStack().undoText(), words[2]);

        QVERIFY(PointerClick(at(3, 0), Qt::ShiftModifier));
        seen.clear();
        answerer.handleNextModal([&](QWidget* dialog) {
            read(dialog);
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
        });
        key(Qt::Key_E, Qt::ControlModifier);
        QVERIFY(answerer.waitAllAnswered());
        QVERIFY2(seen.contains(words[1]), qPrintable(seen.join(" | ")));

        QVERIFY(PointerClick(at(2, 0)));
        seen.clear();
        answerer.handleNextModal([&](QWidget* dialog) {
            read(dialog);
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
        });
        key(Qt::Key_L, Qt::ControlModifier);
        QVERIFY(answerer.waitAllAnswered());
        QVERIFY2(seen.contains(words[3]), qPrintable(seen.join(" | ")));
        QCOMPARE(answerer.unexpected(), 0);
    }

    // A name set with Ctrl+E goes through the name rules: typed letters turn upper case, and
    // every chosen channel takes it.
    void columnSetByKeyTakesTypedNames() {
        open(kEnglish);
        programPmr(3);
        QVERIFY(PointerClick(at(1, kColName)));
        key(Qt::Key_Escape);
        key(Qt::Key_Down, Qt::ShiftModifier);
        key(Qt::Key_Down, Qt::ShiftModifier);
        testing::ModalAnswerer answerer;
        answerer.handleNextModal([](QWidget* dialog) {
            auto* text = dialog->findChild<QLineEdit*>("ColumnValueText");
            QVERIFY(text);
            QTRY_VERIFY(text->hasFocus());
            QCOMPARE(text->text(), QString("P3"));  // the current channel's
            QTest::keyClicks(text, "ab c!d");       // the space and "!" are dropped
            QCOMPARE(text->text(), QString("ABCD"));
            QTest::keyClick(text, Qt::Key_Return);
        });
        key(Qt::Key_E, Qt::ControlModifier);
        QVERIFY(answerer.waitAllAnswered());
        for (int ch = 1; ch <= 3; ++ch) QCOMPARE(cell(ch, kColName), QString("ABCD"));
        QCOMPARE(document_->undoStack().count(), 1);
        QCOMPARE(answerer.unexpected(), 0);
    }

    // The find box, on random images: what is typed shows exactly the channels whose rows
    // hold it, with the count; edits made on the shown rows land on their channel numbers,
    // and Escape brings every row back.
    void filteredGridEditsLandOnTheirChannels() {
        open(kEnglish);
        std::mt19937 rng(8);
        auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        for (unsigned seed = 1; seed <= 6; ++seed) {
            loadRandom(seed);
            // A text that some rows hold: the start of a used channel's receive frequency.
            int probe = pick(1, 128);
            while (state_->channels.isFree(probe)) probe = probe % 128 + 1;
            const QString needle = cell(probe, kColRxFreq).left(pick(2, 4));
            QVERIFY(PointerClick(at(1, 0)));
            key(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
            ChannelFilterBar* bar = tools().filterBar();
            QTRY_VERIFY(bar->isVisible());
            QVERIFY(bar->box()->hasFocus());
            UserType(needle);
            const ChannelList found =
                ChannelsShowingText(state_->channels, needle.toStdString(), WordsIn(kEnglish));
            QCOMPARE(shownChannels(), found);
            QCOMPARE(bar->findChild<QLabel*>("FindCount")->text(),
                     QString("%1 found").arg(found.size()));

            // Enter steps to the next match; the name typed there lands on that channel.
            const int current = grid_->currentRow() + 1;
            key(Qt::Key_Return);
            auto next = std::upper_bound(found.begin(), found.end(), current);
            const int target = next == found.end() ? found.front() : *next;
            QCOMPARE(grid_->currentRow() + 1, target);
            const auto before = records();
            QVERIFY(PointerClick(at(target, kColName)));
            QVERIFY(window_->openEditor());
            UserType("zq9");
            key(Qt::Key_Return);
            for (int ch = 1; ch <= kChannelCount; ++ch) {
                if (ch == target) {
                    QCOMPARE(state_->channels.at(ch).name, std::string("ZQ9"));
                } else {
                    QVERIFY2(records()[ch - 1] == before[ch - 1], qPrintable(QString::number(ch)));
                }
            }
            // The row stays shown although it may not hold the text any more.
            QVERIFY(!grid_->isRowHidden(target - 1));

            // Choosing all chooses the shown channels.
            key(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
            const ChannelList shown = shownChannels();
            QCOMPARE(window_->selection().channels(), shown);
            // A Shift range over the shown rows passes hidden ones: Delete clears only the
            // shown channels.
            QVERIFY(PointerClick(at(shown.front(), 0)));
            QVERIFY(PointerClick(at(shown.back(), 0), Qt::ShiftModifier));
            const auto beforeDelete = records();
            key(Qt::Key_Delete);
            for (int ch = 1; ch <= kChannelCount; ++ch) {
                const bool cleared = std::binary_search(shown.begin(), shown.end(), ch);
                QCOMPARE(state_->channels.isFree(ch), cleared || beforeDelete[ch - 1].isFree());
                if (!cleared) QVERIFY(records()[ch - 1] == beforeDelete[ch - 1]);
            }
            document_->undo();
            QVERIFY(records() == beforeDelete);

            // Escape in the box clears the filter: every row again.
            key(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
            QVERIFY(bar->box()->hasFocus());
            key(Qt::Key_Escape);
            QVERIFY(!bar->isVisible());
            QCOMPARE(int(shownChannels().size()), kChannelCount);
            QVERIFY(grid_->hasFocus());
        }
    }

    // Chinese list words are found in Chinese; F3 and Shift+F3 step through the matches from
    // the grid, wrapping around.
    void findStepsThroughMatchesInChinese() {
        open(kChinese);
        programPmr(6);
        ChannelStores& s = state_->channels;
        for (int ch : {2, 5}) CommitOption(s, ch, kColPower, 0);
        window_->loadFromModel();
        key(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        // Chinese arrives from the input method as a committed string.
        QLineEdit* box = tools().filterBar()->box();
        QVERIFY(box->hasFocus());
        QInputMethodEvent typed;
        typed.setCommitString(QString("低"));
        QApplication::sendEvent(box, &typed);
        QCOMPARE(shownChannels(), (ChannelList{2, 5}));
        QCOMPARE(tools().filterBar()->findChild<QLabel*>("FindCount")->text(),
                 QString("找到 2 个信道"));
        key(Qt::Key_Down);  // into the grid
        QVERIFY(grid_->hasFocus());
        QCOMPARE(grid_->currentRow() + 1, 2);
        key(Qt::Key_F3);
        QCOMPARE(grid_->currentRow() + 1, 5);
        key(Qt::Key_F3);
        QCOMPARE(grid_->currentRow() + 1, 2);
        key(Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(grid_->currentRow() + 1, 5);
        QCOMPARE(tools().filterBar()->findChild<QLabel*>("FindCount")->text(),
                 QString("第 2 个，共 2 个"));
        // Tab from the last cell of a shown row goes on to the next shown row.
        grid_->setCurrentCell(1, kColName);
        QVERIFY(PointerClick(at(2, kColName)));
        QVERIFY(window_->openEditor());
        key(Qt::Key_Tab);
        QCOMPARE(grid_->currentRow() + 1, 5);
        QCOMPARE(grid_->currentColumn(), int(kColRxFreq));
        // An undo that changes the matches shows them again.
        QVERIFY(PointerClick(at(5, 0)));
        key(Qt::Key_Delete);
        QCOMPARE(shownChannels(), (ChannelList{2, 5}));  // the current row stays
        document_->undo();
        QCOMPARE(shownChannels(), (ChannelList{2, 5}));
        QCOMPARE(cell(5, kColPower), QString("低"));
    }

    // Fill a series: the preview shows what each chosen channel gets, OK applies exactly that
    // as one step.
    void fillSeriesPreviewThenApply() {
        for (Language lang : {kEnglish, kChinese}) {
            open(lang);
            programPmr(1);
            QVERIFY(PointerClick(at(1, 0)));
            QVERIFY(PointerClick(at(3, 0), Qt::ShiftModifier));
            testing::ModalAnswerer answerer;
            answerer.handleNextModal([lang](QWidget* dialog) {
                auto* start = dialog->findChild<QLineEdit*>("FillRxStart");
                QVERIFY(start);
                QTRY_VERIFY(start->hasFocus());
                QTest::keyClicks(start, "446.00625");
                auto* names = dialog->findChild<QCheckBox*>("FillNames");
                QTest::mouseClick(names, Qt::LeftButton, {}, QPoint(4, names->height() / 2));
                auto* pattern = dialog->findChild<QLineEdit*>("FillPattern");
                pattern->selectAll();
                QTest::keyClicks(pattern, "PMR{n:02}");
                auto* preview = dialog->findChild<QTableWidget*>("FillPreview");
                QCOMPARE(preview->rowCount(), 3);
                const QStringList rx = {"446.00625", "446.01875", "446.03125"};
                const QStringList name = {"PMR01", "PMR02", "PMR03"};
                for (int r = 0; r < 3; ++r) {
                    QCOMPARE(preview->item(r, 0)->text(), QString::number(r + 1));
                    QCOMPARE(preview->item(r, 1)->text(), rx[r]);
                    QCOMPARE(preview->item(r, 2)->text(), rx[r]);
                    QCOMPARE(preview->item(r, 3)->text(), name[r]);
                }
                QCOMPARE(preview->item(1, 4)->text(),
                         lang == kEnglish ? QString("New channel") : QString("新信道"));
                QTest::keyClick(pattern, Qt::Key_Return);
            });
            key(Qt::Key_L, Qt::ControlModifier);
            QVERIFY(answerer.waitAllAnswered());
            QCOMPARE(cell(1, kColRxFreq), QString("446.00625"));
            QCOMPARE(cell(3, kColTxFreq), QString("446.03125"));
            QCOMPARE(cell(3, kColName), QString("PMR03"));
            QCOMPARE(cell(2, kColPower), lang == kEnglish ? QString("High") : QString("高"));
            QCOMPARE(document_->undoStack().count(), 1);
            document_->undo();
            QVERIFY(state_->channels.isFree(2));
            QCOMPARE(cell(1, kColName), QString("P1"));
            QCOMPARE(answerer.unexpected(), 0);
        }
    }

    // Every tool has its words in both languages and a key, and no key is taken twice among
    // the grid's own entries or by the program's menu keys (Ctrl+F is the FM window's).
    void everyToolHasWordsAndAKeyOfItsOwn() {
        for (Language lang : {kChinese, kEnglish}) {
            open(lang);
            std::set<QString> keys = {"Ctrl+N", "Ctrl+O", "Ctrl+S", "Ctrl+M",       "Ctrl+D",
                                      "Ctrl+P", "Ctrl+B", "Ctrl+F", "Ctrl+R",       "Ctrl+W",
                                      "Ctrl+A", "Ctrl+Z", "Ctrl+Y", "Ctrl+Shift+Z", "F1"};
            for (QAction* a : grid_->actions()) {
                QVERIFY2(!a->text().isEmpty(), qPrintable(a->objectName()));
                QVERIFY2(!a->shortcuts().isEmpty(), qPrintable(a->objectName()));
                for (const QKeySequence& k : a->shortcuts()) {
                    QVERIFY2(keys.insert(k.toString()).second,
                             qPrintable(a->objectName() + " " + k.toString()));
                }
            }
            QVERIFY(grid_->actions().size() >= 8 + Tool::kToolCount);
            // The context menu ends with the tools, behind a separator.
            const QList<QAction*> entries = window_->contextMenu()->actions();
            QCOMPARE(entries.last(), tools().action(Tool::Fill));
            QCOMPARE(tools().action(Tool::Fill)->text(),
                     lang == kEnglish ? QString("Fill Series(&G)…") : QString("填充信道序列(&G)…"));
            QCOMPARE(tools().sortMenu()->title(),
                     lang == kEnglish ? QString("Sort Channels(&S)") : QString("排序信道(&S)"));
            QCOMPARE(tools().filterBar()->box()->accessibleName(),
                     lang == kEnglish ? QString("Find channels") : QString("查找信道"));
        }
    }
};

}  // namespace talvo

QTEST_MAIN(talvo::ChannelGridToolsTest)
#include "channel_grid_tools_test.moc"
