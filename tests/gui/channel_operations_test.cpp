// Operations on whole channels of the grid, by mouse, keys and menus: choosing channels on the
// number column, copy, cut, paste, delete, insert, delete and move up, move up and down.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QTableWidget>
#include <QTest>
#include <QUndoStack>
#include <random>

#include "channel_table_fixture.h"
#include "channel_view.h"
#include "editors/channels/channel_clipboard.h"
#include "exchange/frequency_hz.h"
#include "lang/catalogue.h"
#include "radio/state/tone_list.h"
#include "rules/channel_ops.h"
#include "rules/channel_table.h"
#include "support/modal_answerer.h"
#include "support/pointer.h"
#include "ui/local_msgbox.h"

namespace talvo {

using testing::PointerClick;
using testing::PointerMove;
using testing::PointerPress;
using testing::PointerRelease;

class ChannelOperationsTest : public testing::ChannelTableFixture {
    Q_OBJECT

  private:
    // Channels 1..n programmed with distinct frequencies, powers and names.
    void program(int n) {
        ChannelStores& s = state_->channels;
        for (int ch = 1; ch <= n; ++ch) {
            CommitFrequency(s, state_->band, ch, kColRxFreq,
                            std::to_string(140 + ch % 30) + "." + std::to_string(ch % 10));
            CommitOption(s, ch, kColPower, ch % 3);
            StoreName(s, ch, "C" + std::to_string(ch));
        }
        window_->loadFromModel();
    }
    QAction* action(const char* name) const { return grid_->findChild<QAction*>(name); }

  private slots:
    void init() { QGuiApplication::clipboard()->clear(); }

    // Clicks and drags on the number column choose channels; a click into the data ends it.
    void choosingChannelsWithTheMouse() {
        open(kEnglish);
        QVERIFY(PointerClick(at(3, 0)));
        QCOMPARE(window_->selection().channels(), (ChannelList{3}));
        QCOMPARE(grid_->currentRow(), 2);
        QCOMPARE(window_->openEditor(), nullptr);
        QVERIFY(PointerClick(at(6, 0), Qt::ShiftModifier));
        QCOMPARE(window_->selection().channels(), (ChannelList{3, 4, 5, 6}));
        QVERIFY(PointerClick(at(4, 0), Qt::ControlModifier));
        QCOMPARE(window_->selection().channels(), (ChannelList{3, 5, 6}));
        QVERIFY(PointerClick(at(9, 0), Qt::ControlModifier));
        QCOMPARE(window_->selection().channels(), (ChannelList{3, 5, 6, 9}));

        // Dragging from 10 down to 12, then back up to 11.
        QVERIFY(PointerPress(at(10, 0)));
        QVERIFY(PointerMove(at(11, 0)));
        QVERIFY(PointerMove(at(12, 0)));
        QCOMPARE(window_->selection().channels(), (ChannelList{10, 11, 12}));
        QVERIFY(PointerMove(at(11, 0)));
        QVERIFY(PointerRelease(at(11, 0)));
        QCOMPARE(window_->selection().channels(), (ChannelList{10, 11}));
        QCOMPARE(window_->operationChannels(), (ChannelList{10, 11}));

        // A click on a data cell: no choice left, the operations act on that cell's channel.
        QVERIFY(PointerClick(at(20, 1)));
        QVERIFY(window_->selection().empty());
        QCOMPARE(window_->operationChannels(), (ChannelList{20}));
        QTest::keyClick(window_->openEditor(), Qt::Key_Escape);

        // From the keyboard: Shift+Down chooses, a plain move ends the choice.
        key(Qt::Key_Down, Qt::ShiftModifier);
        key(Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(window_->selection().channels(), (ChannelList{20, 21, 22}));
        key(Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(window_->selection().channels(), (ChannelList{20, 21}));
        key(Qt::Key_Right);
        QVERIFY(window_->selection().empty());
    }

    // Copy and paste by keys carry every field of every channel, in place order, and the
    // private form wins over any text on the clipboard. Cut and Delete clear.
    void copyCutPasteDeleteByKeys() {
        open(kChinese);
        program(4);
        state_->channels.at(2).name = "\x01\xFE";  // a name read from a radio: any byte
        const auto before = records();
        QVERIFY(PointerClick(at(1, 0)));
        QVERIFY(PointerClick(at(3, 0), Qt::ShiftModifier));
        key(Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->mimeData()->hasFormat(kChannelMimeType));

        QVERIFY(PointerClick(at(50, 0)));
        key(Qt::Key_V, Qt::ControlModifier);
        for (int k = 0; k < 3; ++k) QCOMPARE(records()[49 + k], before[k]);
        QCOMPARE(window_->selection().channels(), (ChannelList{50, 51, 52}));
        QCOMPARE(cell(51, kColName), QString::fromLatin1("\x01\xFE"));

        // Cut: copied, then cleared; pasted back where it was, everything is as before.
        QVERIFY(PointerClick(at(4, 0)));
        key(Qt::Key_X, Qt::ControlModifier);
        QVERIFY(state_->channels.isFree(4));
        QCOMPARE(cell(4, kColRxFreq), QString());
        key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(records()[3], before[3]);

        // Del clears the chosen channels only.
        QVERIFY(PointerClick(at(50, 0)));
        QVERIFY(PointerClick(at(52, 0), Qt::ControlModifier));
        key(Qt::Key_Delete);
        QVERIFY(state_->channels.isFree(50));
        QVERIFY(!state_->channels.isFree(51));
        QVERIFY(state_->channels.isFree(52));
        QCOMPARE(records()[50], before[1]);

        // Keys typed into an open cell editor stay the editor's own.
        QVERIFY(PointerClick(at(1, kColName)));
        QVERIFY(window_->openEditor());
        QTest::keyClick(window_->openEditor(), Qt::Key_Delete);
        QVERIFY(!state_->channels.isFree(1));
        QTest::keyClick(window_->openEditor(), Qt::Key_Escape);
    }

    // The text form, as a spreadsheet hands it back: random channels copied as text and pasted
    // from the text alone arrive with every value the layout carries (busy lock, which it has
    // no column for, takes its default; a prohibited transmit carries no transmit frequency).
    // Out-of-band rows are refused with the band message and keep their place.
    void textFormRoundTripsThroughASpreadsheet() {
        open(kEnglish);
        std::mt19937 rng(5);
        auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        ChannelStores& s = state_->channels;
        for (int ch = 1; ch <= 40; ++ch) {
            Channel& c = s.at(ch) = Channel{};
            const std::int64_t rxHz =
                (pick(0, 1) ? 136'000'000 : 400'000'000) + std::int64_t{pick(0, 6000)} * 6250;
            c.rx = FrequencyOfHz(rxHz);
            // The grid gives every channel a transmit frequency (only a radio's image can lack
            // one).
            c.tx = FrequencyOfHz(rxHz + std::int64_t{pick(-80, 80)} * 6250);
            c.option = NewChannelOptions();
            for (int column :
                 {kColQtDqtDec, kColQtDqtEnc, kColPower, kColAddScan, kColBand, kColTxProhibit}) {
                const int entries = EntryCount(*FieldOfColumn(column));
                c.optionOf(column) = static_cast<std::int16_t>(pick(0, entries - 1));
            }
            c.name = std::string(1, char('A' + ch % 26)) + std::to_string(ch % 100);
        }
        window_->loadFromModel();
        QVERIFY(PointerClick(at(1, 0)));
        QVERIFY(PointerClick(at(40, 0), Qt::ShiftModifier));
        key(Qt::Key_C, Qt::ControlModifier);
        const QString text = QGuiApplication::clipboard()->text();
        QVERIFY(text.startsWith("Location\tName\tFrequency\tDuplex\tOffset\tTone\t"));
        QCOMPARE(text.count('\n'), 41);

        QGuiApplication::clipboard()->setText(text);  // the spreadsheet's copy: text only
        QVERIFY(PointerClick(at(61, 0)));
        key(Qt::Key_V, Qt::ControlModifier);
        for (int ch = 1; ch <= 40; ++ch) {
            Channel sent = s.at(ch);
            Channel back = s.at(60 + ch);
            QVERIFY(!back.isFree());
            ForgetShownWords(sent);
            ForgetShownWords(back);
            sent.optionOf(kColBusyLock) = back.optionOf(kColBusyLock);
            // Duplex "off" stands for a prohibited transmit: the layout has no place for
            // the transmit frequency of such a channel.
            const bool prohibited = sent.optionOf(kColTxProhibit) == 0;
            if (prohibited) sent.tx = back.tx;
            auto show = [](const Channel& v) {
                QString lists;
                for (int index : v.option) lists += QString::number(index) + ' ';
                return QStringLiteral("rx %1 tx %2 lists %3%4")
                    .arg(QString::fromStdString(FrequencyText(v.rx)),
                         QString::fromStdString(FrequencyText(v.tx)), lists,
                         QString::fromStdString(v.name));
            };
            QVERIFY2(back == sent,
                     qPrintable(QString::number(ch) + ": " + show(sent) + " / " + show(back)));
            for (int col = kColRxFreq; col <= kColName; ++col) {
                if (col == kColBusyLock || (col == kColTxFreq && prohibited)) continue;
                QCOMPARE(cell(60 + ch, col), cell(ch, col));
            }
        }

        // A row outside the band keeps its place: the next row lands below it.
        const QStringList lines = text.split('\n');
        QStringList second = lines[2].split('\t');
        second[2] = "300.000000";  // Frequency
        QGuiApplication::clipboard()->setText(lines[0] + '\n' + lines[1] + '\n' +
                                              second.join('\t') + '\n' + lines[3] + '\n');
        const auto before = records();
        QVERIFY(PointerClick(at(110, 0)));
        testing::ModalAnswerer answerer;
        answerer.answerId(IdOk);
        key(Qt::Key_V, Qt::ControlModifier);
        QVERIFY(answerer.waitAllAnswered());
        QCOMPARE(answerer.last().text,
                 QString("Beyond the scope of frequency band\nChannels not pasted: 111"));
        QCOMPARE(cell(110, kColRxFreq), cell(1, kColRxFreq));
        QCOMPARE(records()[110], before[110]);
        QCOMPARE(cell(112, kColRxFreq), cell(3, kColRxFreq));
    }

    // Every operation is one step of the document: random operations by keys on random
    // choices each add one step when they change something (none when refused), undoing them
    // all gives the table before, redoing them all the table after.
    void everyOperationIsOneUndoableStep() {
        open(kEnglish);
        program(20);
        PutChannel(state_->channels, 128, TakeChannel(state_->channels, 1));
        window_->loadFromModel();
        QUndoStack& history = document_->undoStack();
        history.clear();
        const auto first = records();
        std::mt19937 rng(3);
        auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        const std::vector<std::pair<int, Qt::KeyboardModifiers>> keys = {
            {Qt::Key_X, Qt::ControlModifier},
            {Qt::Key_V, Qt::ControlModifier},
            {Qt::Key_Delete, {}},
            {Qt::Key_Delete, Qt::ControlModifier},
            {Qt::Key_Up, Qt::AltModifier},
            {Qt::Key_Down, Qt::AltModifier},
            {Qt::Key_C, Qt::ControlModifier}};
        QVERIFY(PointerClick(at(1, 0)));
        key(Qt::Key_C, Qt::ControlModifier);
        for (int step = 0; step < 60; ++step) {
            const int from = pick(0, 3) == 0 ? pick(120, 128) : pick(1, 24);
            QVERIFY(PointerClick(at(from, 0)));
            if (pick(0, 1))
                QVERIFY(PointerClick(at(std::min(128, from + pick(1, 3)), 0), Qt::ShiftModifier));
            const auto before = records();
            const int steps = history.count();
            const auto& [k, mods] = keys[static_cast<std::size_t>(pick(0, int(keys.size()) - 1))];
            testing::ModalAnswerer answerer;  // a paste past channel 128 is refused with a message
            key(k, mods);
            QCOMPARE(history.count(), steps + (records() == before ? 0 : 1));
            answerer.clear();
        }
        const auto last = records();
        QVERIFY(history.count() > 20);
        while (history.canUndo()) history.undo();
        QVERIFY(records() == first);
        while (history.canRedo()) history.redo();
        QVERIFY(records() == last);
        QCOMPARE(cell(5, kColName), QString::fromStdString(last[4].name));
    }

    // Insert, delete and move up, move up and down at the edges of the table.
    void insertDeleteAndMoveAtTheEdges() {
        open(kEnglish);
        program(3);
        const auto before = records();
        testing::ModalAnswerer answerer;

        // Insert before channel 1: everything moves down one place.
        QVERIFY(PointerClick(at(1, 0)));
        key(Qt::Key_Insert);
        QVERIFY(state_->channels.isFree(1));
        for (int k = 0; k < 3; ++k) QCOMPARE(records()[1 + k], before[k]);
        QCOMPARE(grid_->currentRow(), 0);
        QCOMPARE(cell(2, kColName), QString("C1"));

        // Delete and move up of the free channel 1 gives the table back.
        key(Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(records(), before);

        // Move up from channel 1 and down from 128: nothing moves.
        QVERIFY(PointerClick(at(1, 0)));
        key(Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(records(), before);
        // Moving channel 1 down twice, then up once, follows the channel with the choice.
        key(Qt::Key_Down, Qt::AltModifier);
        key(Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(records()[2], before[0]);
        QCOMPARE(window_->selection().channels(), (ChannelList{3}));
        key(Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(records()[1], before[0]);
        QCOMPARE(records()[0], before[1]);
        QCOMPARE(records()[2], before[2]);

        // Channel 128 in use: Insert is refused with a message, and nothing changes.
        PutChannel(state_->channels, 128, before[0]);
        window_->loadFromModel();
        const auto full = records();
        QVERIFY(PointerClick(at(128, 0)));
        key(Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(records(), full);
        answerer.answerId(IdOk);
        key(Qt::Key_Insert);
        QVERIFY(answerer.waitAllAnswered());
        QCOMPARE(answerer.last().text,
                 QString("Channel 128 is in use: no free channel can be inserted"));
        QCOMPARE(records(), full);
        QCOMPARE(answerer.unexpected(), 0);
    }

    // Channels that do not fit the band are refused one by one with the band message; the
    // others are pasted, and nothing else changes.
    void pasteRefusesChannelsOutsideTheBand() {
        open(kEnglish);
        ChannelStores& s = state_->channels;
        CommitFrequency(s, state_->band, 1, kColRxFreq, "145.5");
        CommitFrequency(s, state_->band, 2, kColRxFreq, "440");
        CommitFrequency(s, state_->band, 3, kColRxFreq, "146.5");
        window_->loadFromModel();
        QVERIFY(PointerClick(at(1, 0)));
        QVERIFY(PointerClick(at(3, 0), Qt::ShiftModifier));
        key(Qt::Key_C, Qt::ControlModifier);

        state_->band.select(1);  // 144-146 and 430-440 MHz: only channel 1 fits
        program(0);
        QVERIFY(PointerClick(at(10, 0)));
        const auto before = records();
        testing::ModalAnswerer answerer;
        answerer.answerId(IdOk);
        key(Qt::Key_V, Qt::ControlModifier);
        QVERIFY(answerer.waitAllAnswered());
        QCOMPARE(answerer.last().text,
                 QString("Beyond the scope of frequency band\nChannels not pasted: 11, 12"));
        QCOMPARE(TakeChannel(s, 10), TakeChannel(s, 1));
        for (int ch = 1; ch <= kChannelCount; ++ch) {
            if (ch != 10) QCOMPARE(records()[ch - 1], before[ch - 1]);
        }
        QCOMPARE(cell(10, kColRxFreq), QString("145.50000"));

        // A clipboard without channels: told, nothing changes.
        QGuiApplication::clipboard()->setText("hello");
        answerer.answerId(IdOk);
        key(Qt::Key_V, Qt::ControlModifier);
        QVERIFY(answerer.waitAllAnswered());
        QCOMPARE(answerer.last().text, QString("The clipboard holds no channels"));
        QCOMPARE(answerer.unexpected(), 0);
    }

    // The context menu holds every operation in the window's language; a right click on a
    // channel outside the chosen ones moves the operations to it.
    void contextMenuInBothLanguages() {
        for (Language lang : {kChinese, kEnglish}) {
            open(lang);
            program(2);
            QMenu* menu = window_->contextMenu();
            // The menu opens on the press (as under X11). Its release is left out: the
            // offscreen platform lets it close the menu, which X11 does not.
            QVERIFY(PointerPress(at(2, 0), {}, Qt::RightButton));
            QTRY_VERIFY(menu->isVisible());
            QCOMPARE(window_->operationChannels(), (ChannelList{2}));
            QStringList texts;
            for (QAction* a : menu->actions()) {
                if (a->objectName() == "MNChToolsLine") break;  // the many-channel tools follow
                if (!a->isSeparator()) texts << a->text();
            }
            if (lang == kChinese) {
                QCOMPARE(texts.first(), QString("剪切信道(&T)"));
                QCOMPARE(texts.last(), QString("下移信道(&O)"));
            } else {
                QCOMPARE(texts.first(), QString("Cut Channels(&T)"));
                QCOMPARE(texts.last(), QString("Move Channels Down(&O)"));
            }
            QCOMPARE(texts.size(), 8);
            QAction* up = action("MNChMoveUp");
            QVERIFY(PointerClick(menu->mapToGlobal(menu->actionGeometry(up).center())));
            QTRY_VERIFY(!menu->isVisible());
            QCOMPARE(cell(1, kColName), QString("C2"));
            QCOMPARE(cell(2, kColName), QString("C1"));
        }
    }
};

}  // namespace talvo

QTEST_MAIN(talvo::ChannelOperationsTest)
#include "channel_operations_test.moc"
