// The channel grid with the find box on: every command for many channels leaves the channels
// of hidden rows alone, and the tools' keys work from the box itself.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QUndoStack>
#include <algorithm>
#include <functional>
#include <random>

#include "channel_table_fixture.h"
#include "editors/channels/channel_filter_bar.h"
#include "editors/channels/grid_tools.h"
#include "rules/channel_table.h"
#include "support/modal_answerer.h"
#include "support/pointer.h"

namespace talvo {

using testing::PointerClick;
using testing::PointerPress;
using testing::UserType;

class ChannelFindBoxTest : public testing::ChannelTableFixture {
    Q_OBJECT

  private:
    std::mt19937 rng_{21};
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    ChannelGridTools& tools() const { return window_->gridTools(); }
    QLineEdit* box() const { return tools().filterBar()->box(); }

    // About two channels in three in use, at random frequencies of the 446 MHz band's part,
    // named by number; no step to undo.
    void programSome(unsigned seed) {
        std::mt19937 rng(seed);
        auto any = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        ChannelStores& s = state_->channels;
        ClearChannels(s, AllChannels());
        for (int ch = 1; ch <= kChannelCount; ++ch) {
            if (any(0, 2) == 0) continue;
            const std::string hz = std::to_string(100000 + any(0, 159) * 625).substr(1);
            CommitFrequency(s, state_->band, ch, kColRxFreq, "446." + hz);
            StoreName(s, ch, "P" + std::to_string(any(1, 99)));
        }
        window_->loadFromModel();
        document_->undoStack().clear();
    }
    // Types into the find box the start of a used channel's receive frequency, as short as
    // shows at least two rows; false when every row shows.
    bool filterSome() {
        int probe = pick(1, kChannelCount);
        while (state_->channels.isFree(probe)) probe = probe % kChannelCount + 1;
        key(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        for (int length = 6; length > 0; --length) {
            box()->selectAll();
            UserType(cell(probe, kColRxFreq).left(length));
            if (shownChannels().size() >= 2) break;
        }
        const auto shown = shownChannels().size();
        return shown >= 2 && shown < std::size_t{kChannelCount};
    }
    // Nothing chosen (the current cell on a shown row), a Shift range over shown rows, or all.
    void chooseShown() {
        const ChannelList shown = shownChannels();
        auto any = [&] { return shown[static_cast<std::size_t>(pick(0, int(shown.size()) - 1))]; };
        switch (pick(0, 2)) {
            case 0:
                QVERIFY(PointerClick(at(any(), pick(kColRxFreq, kColName))));
                while (window_->openEditor()) key(Qt::Key_Escape);
                break;
            case 1:
                QVERIFY(PointerClick(at(any(), 0)));
                QVERIFY(PointerClick(at(any(), 0), Qt::ShiftModifier));
                break;
            default:
                key(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
        }
    }
    // Clicks the entry of an open menu.
    void clickEntry(QMenu* menu, QAction* entry) {
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(PointerClick(menu->mapToGlobal(menu->actionGeometry(entry).center())));
    }
    // Answers the column value dialog with another list entry (or the value shown).
    static void answerColumnValue(QWidget* dialog) {
        QWidget* field = dialog->focusWidget();
        QVERIFY(field);
        QTest::keyClick(field, Qt::Key_Down);
        QTest::keyClick(field, Qt::Key_Return);
    }
    // Answers the series dialog with the current channel's frequency as the start.
    void answerFill(QWidget* dialog) {
        auto* start = dialog->findChild<QLineEdit*>("FillRxStart");
        QVERIFY(start);
        start->selectAll();
        QTest::keyClicks(start, cell(grid_->currentRow() + 1, kColRxFreq));
        auto* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        QTest::keyClick(start, ok->isEnabled() ? Qt::Key_Return : Qt::Key_Escape);
    }

  private slots:
    void init() { QGuiApplication::clipboard()->clear(); }

    // Every command for chosen or shown channels, run from keys and menus with the find box
    // hiding rows, on random images and random choices: no channel of a hidden row changes.
    void hiddenChannelsNeverChange() {
        open(kEnglish);
        testing::ModalAnswerer answerer;  // refusals are told in boxes; each is closed
        const auto ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        const struct {
            const char* name;
            std::function<void()> run;
        } commands[] = {
            {"sort ascending", [&] { key(Qt::Key_Up, ctrlShift); }},
            {"sort descending", [&] { key(Qt::Key_Down, ctrlShift); }},
            {"sort by a column from the menu",
             [&] {
                 QMenu* menu = window_->contextMenu();
                 QVERIFY(PointerPress(at(grid_->currentRow() + 1, 0), {}, Qt::RightButton));
                 clickEntry(menu, tools().sortMenu()->menuAction());
                 const int column = pick(0, 1) ? kColRxFreq : kColName;  // the ones that vary
                 const QString by = QString("MNChSortBy%1").arg(column);
                 clickEntry(tools().sortMenu(), tools().sortMenu()->findChild<QAction*>(by));
             }},
            {"column set",
             [&] {
                 answerer.handleNextModal(answerColumnValue);
                 key(Qt::Key_E, Qt::ControlModifier);
             }},
            {"fill series",
             [&] {
                 answerer.handleNextModal([this](QWidget* d) { answerFill(d); });
                 key(Qt::Key_L, Qt::ControlModifier);
             }},
            {"delete", [&] { key(Qt::Key_Delete); }},
            {"cut", [&] { key(Qt::Key_X, Qt::ControlModifier); }},
            {"copy the first two rows shown, then paste them at the second",
             [&] {
                 const ChannelList shown = shownChannels();
                 QVERIFY(PointerClick(at(shown[0], 0)));
                 QVERIFY(PointerClick(at(shown[1], 0), Qt::ShiftModifier));
                 key(Qt::Key_C, Qt::ControlModifier);
                 QVERIFY(PointerClick(at(shown[1], 0)));
                 key(Qt::Key_V, Qt::ControlModifier);
             }},
            {"insert", [&] { key(Qt::Key_Insert); }},
            {"delete and move up", [&] { key(Qt::Key_Delete, Qt::ControlModifier); }},
            {"move up", [&] { key(Qt::Key_Up, Qt::AltModifier); }},
            {"move down", [&] { key(Qt::Key_Down, Qt::AltModifier); }},
        };
        int acted = 0;
        for (const auto& command : commands) {
            bool changed = false;
            for (unsigned seed = 1; seed <= 4; ++seed) {
                programSome(seed * 7 + static_cast<unsigned>(acted));
                if (!filterSome()) continue;
                key(Qt::Key_Down);  // into the grid
                chooseShown();
                ChannelList hidden;
                for (int ch = 1; ch <= kChannelCount; ++ch) {
                    if (grid_->isRowHidden(ch - 1)) hidden.push_back(ch);
                }
                const auto before = records();
                command.run();
                QTRY_VERIFY(!QApplication::activeModalWidget());
                answerer.clear();
                const auto after = records();
                for (int ch : hidden) {
                    QVERIFY2(after[ch - 1] == before[ch - 1],
                             qPrintable(QString("%1: channel %2").arg(command.name).arg(ch)));
                }
                changed = changed || after != before;
                key(Qt::Key_F, ctrlShift);
                key(Qt::Key_Escape);  // the find box empty and closed
            }
            acted += changed;
        }
        // Every command but Insert (whose free channels the filter hides) did something.
        QVERIFY2(acted >= int(std::size(commands)) - 1, qPrintable(QString::number(acted)));
    }

    // The tools' keys typed in the find box act on the channels found, by the grid's current
    // column; the box keeps the keyboard and its text.
    void toolKeysWorkFromTheBox() {
        open(kEnglish);
        programSome(3);
        QVERIFY(filterSome());
        const QString typed = box()->text();
        const ChannelList found = shownChannels();
        key(Qt::Key_Down);  // into the grid, to pick the column; nothing chosen
        QVERIFY(PointerClick(at(found.back(), kColRxFreq)));
        while (window_->openEditor()) key(Qt::Key_Escape);
        key(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(box()->hasFocus());

        const auto before = records();
        key(Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(document_->undoStack().undoText(), QString("Sort channels by RXFreq, descending"));
        const auto after = records();
        for (int ch = 1; ch <= kChannelCount; ++ch) {
            if (!std::binary_search(found.begin(), found.end(), ch))
                QVERIFY(after[ch - 1] == before[ch - 1]);
        }
        for (std::size_t i = 1; i < found.size(); ++i) {
            QVERIFY(cell(found[i], kColRxFreq).toDouble() <=
                    cell(found[i - 1], kColRxFreq).toDouble());
        }
        QVERIFY(box()->hasFocus());

        // Ctrl+E and Ctrl+L open their dialogs for every channel found.
        testing::ModalAnswerer answerer;
        const QString intro = QString("RXFreq of %1 channels becomes:").arg(found.size());
        answerer.handleNextModal([&](QWidget* dialog) {
            QStringList labels;
            for (const QLabel* l : dialog->findChildren<QLabel*>()) labels << l->text();
            QVERIFY2(labels.contains(intro), qPrintable(labels.join(" | ")));
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
        });
        answerer.handleNextModal([&](QWidget* dialog) {
            QCOMPARE(dialog->findChild<QTableWidget*>("FillPreview")->rowCount(),
                     int(found.size()));
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
        });
        // The keyboard goes back to the box as the window is active again.
        key(Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(window_->focusWidget(), static_cast<QWidget*>(box()));
        key(Qt::Key_L, Qt::ControlModifier);
        QVERIFY(answerer.waitAllAnswered());
        QCOMPARE(window_->focusWidget(), static_cast<QWidget*>(box()));

        key(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(window_->selection().channels(), found);
        QCOMPARE(window_->focusWidget(), static_cast<QWidget*>(box()));
        QCOMPARE(box()->text(), typed);
        QCOMPARE(answerer.unexpected(), 0);
    }
};

}  // namespace talvo

QTEST_MAIN(talvo::ChannelFindBoxTest)
#include "channel_find_box_test.moc"
