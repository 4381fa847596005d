// The channel table window as a view: layout, language switch, model reload, wheel, scrolling.
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include "channel_table_fixture.h"
#include "channel_view.h"
#include "lang/catalogue.h"
#include "print/cell_text.h"
#include "radio/codecs/data_file.h"
#include "radio/fields/channel_fields.h"
#include "rules/channel_table.h"

namespace talvo {

class ChannelTableWindowTest : public testing::ChannelTableFixture {
    Q_OBJECT

  private:
    QStringList headers() const {
        QStringList out;
        for (int c = 0; c < grid_->columnCount(); ++c)
            out << grid_->horizontalHeaderItem(c)->text();
        return out;
    }
    void wheel(int delta, QWidget* over = nullptr) {
        QWidget* target = over ? over : grid_->viewport();
        const QPointF pos(target->width() / 2.0, target->height() / 2.0);
        QWheelEvent event(pos, target->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    }
    int firstVisibleRow() const { return grid_->rowAt(0); }

  private slots:
    void layout() {
        open(kEnglish);
        QCOMPARE(grid_->rowCount(), 128);
        QCOMPARE(grid_->columnCount(), 11);
        const QList<int> widths = {40, 73, 73, 80, 80, 43, 93, 60, 47, 83, 93};
        for (int c = 0; c < 11; ++c) QCOMPARE(grid_->columnWidth(c), widths[c]);
        QCOMPARE(grid_->geometry(), QRect(12, 12, 789, 403));
        QWidget* panel = window_->findChild<QWidget*>("picClient");
        QCOMPARE(panel->size(), QSize(803, 417));
        QCOMPARE(window_->size(), QSize(833, 480));
        for (int r : {0, 1, 126, 127}) {
            QCOMPARE(grid_->item(r, 0)->text(), QString::number(r + 1));
            for (int c : {0, 5, 10}) {
                QCOMPARE(grid_->item(r, c)->textAlignment(), int(Qt::AlignCenter));
                const QBrush bg = grid_->item(r, c)->background();
                if (r % 2 == 1) {
                    QCOMPARE(bg.color(), QColor(192, 192, 255));
                } else {
                    QCOMPARE(bg.style(), Qt::NoBrush);
                }
            }
        }
        QVERIFY(!(grid_->item(0, 0)->flags() & Qt::ItemIsSelectable));
        QVERIFY(grid_->item(0, 1)->flags() & Qt::ItemIsSelectable);
        for (int column = kColRxFreq; column <= kColName; ++column) {
            QVERIFY(!window_->cellEditor(column)->isVisible());
        }
    }

    void languageSwitchRelabelsAndRerenders() {
        open(kEnglish);
        QCOMPARE(window_->windowTitle(), QString("Channel Edit"));
        QCOMPARE(headers(),
                 (QStringList{"CH", "RXFreq", "TXFreq", "QT/DQT Dec", "QT/DQT Enc", "Power",
                              "Busy Lock", "Add Scan", "Band", "TX Prohibit", "Channel Name"}));
        ChannelStores& stores = state_->channels;
        CommitFrequency(stores, state_->band, 1, 1, "145.5");
        CommitFrequency(stores, state_->band, 2, 1, "440");
        CommitOption(stores, 2, 3, 52);
        CommitOption(stores, 2, 6, 0);
        StoreName(stores, 2, "REP");
        window_->loadFromModel();
        auto* power = qobject_cast<QComboBox*>(window_->cellEditor(kColPower));
        power->setCurrentIndex(2);

        state_->language = kChinese;
        window_->applyLanguage();
        window_->RefreshChannelGrid();
        QCOMPARE(window_->windowTitle(), QString("信道编辑"));
        QCOMPARE(headers().first(), QString("频道"));
        QCOMPARE(headers().last(), QString("频道名称"));
        QCOMPARE(power->currentIndex(), 2);
        QCOMPARE(power->itemText(2), QString("中"));
        QCOMPARE(qobject_cast<QComboBox*>(window_->cellEditor(kColQtDqtDec))->itemText(0),
                 QString("关闭"));
        QCOMPARE(qobject_cast<QComboBox*>(window_->cellEditor(kColBand))->itemText(1),
                 QString("宽带"));

        const QStringList row1 = {"145.50000", "145.50000", "关闭", "关闭", "高",
                                  "关",        "使能",      "宽带", "关",   ""};
        const QStringList row2 = {"440.00000", "440.00000", "D023N", "关闭", "高",
                                  "载波",      "使能",      "宽带",  "关",   "REP"};
        for (int col = 1; col <= 10; ++col) {
            QCOMPARE(cell(1, col), row1[col - 1]);
            QCOMPARE(cell(2, col), row2[col - 1]);
        }

        state_->language = kEnglish;
        window_->applyLanguage();
        window_->RefreshChannelGrid();
        QCOMPARE(cell(2, 3), QString("D023N"));
        QCOMPARE(cell(2, 4), QString("Off"));
        QCOMPARE(cell(2, 6), QString("Carry"));
        QCOMPARE(cell(2, 8), QString("wide"));  // the list entry, not the new-channel text
        QCOMPARE(power->itemText(2), QString("Middle"));

        // an unknown language changes no caption
        state_->language = LanguageOfFlag(7);
        window_->applyLanguage();
        QCOMPARE(window_->windowTitle(), QString("Channel Edit"));
    }

    // The grid's lists are built when first opened: one built before a language switch and
    // one built after it show the same entries, in the language switched to.
    void listsBuiltBeforeOrAfterASwitchAgree() {
        open(kEnglish);
        auto entries = [](ChannelTableWindow& window) {
            QStringList out;
            for (int column = kColQtDqtDec; column <= kColTxProhibit; ++column) {
                const auto* list = qobject_cast<QComboBox*>(window.cellEditor(column));
                for (int i = 0; i < list->count(); ++i) out << list->itemText(i);
            }
            return out;
        };
        const QStringList english = entries(*window_);
        for (const Language lang : {kChinese, kEnglish}) {
            ChannelTableWindow late(*document_);
            state_->language = lang;
            window_->applyLanguage();
            late.applyLanguage();
            QCOMPARE(entries(late), entries(*window_));
            QCOMPARE(entries(late) == english, lang == kEnglish);
        }
    }

    // Whatever the grid showed before (other channels, marks, another language), after a load or
    // a refresh every cell reads as the model's words in the language shown.
    void cellsFollowTheModelAcrossLoadsAndLanguages() {
        open(kEnglish);
        const auto expectModel = [this] {
            const TextWords words = WordsIn(state_->language);
            for (int ch = 1; ch <= kChannelCount; ++ch) {
                for (int col = kColRxFreq; col <= kColName; ++col) {
                    const QString want =
                        CellToDisplay(col, ChannelCellText(state_->channels.at(ch), col, words));
                    if (cell(ch, col) != want) return QStringLiteral("%1/%2").arg(ch).arg(col);
                }
            }
            return QString();
        };
        for (unsigned seed = 1; seed <= 12; ++seed) {
            loadRandom(seed);
            QCOMPARE(expectModel(), QString());
            // Rows that read differently until the next redraw, then the same indexes plain.
            for (int ch = 1; ch <= kChannelCount; ch += 3) {
                Channel& c = state_->channels.at(ch);
                c.bandShowsNewChannelWord = seed % 2 == 0;
                c.unlistedTone[seed % 2] = static_cast<std::uint16_t>(0x2500 + ch);
                c.optionOf(kColQtDqtDec + static_cast<int>(seed % 2)) = 0;
            }
            window_->loadFromModel();
            QCOMPARE(expectModel(), QString());
            state_->language = seed % 3 == 0 ? kEnglish : kChinese;
            window_->RefreshChannelGrid();
            QCOMPARE(expectModel(), QString());
        }
    }

    void gridShowsModelAfterDecode() {
        open(kEnglish);
        ChannelStores& stores = state_->channels;
        stores.at(128).rx = FrequencyOrNone("470.99500");
        stores.at(128).unlistedTone[0] = 0x2541;  // a code the tone list does not have
        stores.at(128).name = "\x23\x7f\xe9";
        window_->loadFromModel();
        QCOMPARE(cell(128, 1), QString("470.99500"));
        QCOMPARE(cell(128, 3), QString("254.1"));
        QCOMPARE(cell(128, 10), QString::fromUtf16(u"#\u007f\u00e9"));
        ClearGrid(stores);
        window_->loadFromModel();
        QCOMPARE(cell(128, 1), QString());
        QCOMPARE(cell(128, 10), QString());
    }

    void savedAndReopenedFileShowsTheSameGrid() {
        open(kChinese);
        ChannelStores& stores = state_->channels;
        CommitFrequency(stores, state_->band, 1, 1, "145.5");
        CommitFrequency(stores, state_->band, 1, 2, "146.1");
        CommitOption(stores, 1, 3, 1);
        CommitOption(stores, 1, 4, 158);
        CommitOption(stores, 1, 5, 2);
        CommitOption(stores, 1, 6, 0);
        CommitOption(stores, 1, 8, 0);
        StoreName(stores, 1, "ABC#Z");
        CommitFrequency(stores, state_->band, 128, 1, "470.99");
        window_->loadFromModel();
        QTemporaryDir dir;
        const std::string path = dir.filePath("saved.dat").toStdString();
        QCOMPARE(SaveDataFile(*state_, path), Status::Ok);

        Document reopened(StartupState(kChinese));
        ChannelTableWindow second(reopened);
        QCOMPARE(OpenDataFile(reopened.sessionState(), path), Status::Ok);
        second.loadFromModel();
        for (int row = 0; row < 128; ++row) {
            for (int col = 1; col <= 10; ++col) {
                QCOMPARE(second.grid()->item(row, col)->text(), grid_->item(row, col)->text());
            }
        }
    }

    void wheelMovesOneRowPerEvent() {
        open(kEnglish);
        QCOMPARE(firstVisibleRow(), 0);
        wheel(120);  // away from the user at the top: stays
        QCOMPARE(firstVisibleRow(), 0);
        wheel(-120);
        QCOMPARE(firstVisibleRow(), 1);
        wheel(-360);  // three notches in one event: still one row
        QCOMPARE(firstVisibleRow(), 2);
        wheel(-15);  // a fine-grained wheel event: one row too
        QCOMPARE(firstVisibleRow(), 3);
        wheel(120);
        QCOMPARE(firstVisibleRow(), 2);
        wheel(0);
        QCOMPARE(firstVisibleRow(), 2);
        wheel(-120, grid_->verticalScrollBar());
        QCOMPARE(firstVisibleRow(), 3);
        wheel(-120, grid_->horizontalHeader()->viewport());
        QCOMPARE(firstVisibleRow(), 4);

        QScrollBar* bar = grid_->verticalScrollBar();
        bar->setValue(bar->maximum());
        const int bottom = firstVisibleRow();
        wheel(-120);
        QCOMPARE(firstVisibleRow(), bottom);
        QCOMPARE(grid_->rowAt(grid_->viewport()->height() - 2), 127);
    }

    void windowScrollsItsPanel() {
        open(kEnglish);
        auto* area = window_->findChild<QScrollArea*>();
        QWidget* panel = window_->findChild<QWidget*>("picClient");
        QTRY_VERIFY(!area->horizontalScrollBar()->isVisible());
        QVERIFY(!area->verticalScrollBar()->isVisible());

        window_->resize(400, 300);
        QTRY_VERIFY(area->horizontalScrollBar()->isVisible());
        QVERIFY(area->verticalScrollBar()->isVisible());
        QCOMPARE(area->verticalScrollBar()->singleStep(), 2);
        QCOMPARE(area->horizontalScrollBar()->singleStep(), 1);
        area->horizontalScrollBar()->setValue(120);
        area->verticalScrollBar()->setValue(50);
        QCOMPARE(panel->pos(), QPoint(-120, -50));

        window_->resize(900, 300);
        QTRY_VERIFY(!area->horizontalScrollBar()->isVisible());
        QCOMPARE(panel->x(), 0);
        QCOMPARE(panel->y(), -50);
        window_->resize(900, 600);
        QTRY_VERIFY(!area->verticalScrollBar()->isVisible());
        QCOMPARE(panel->pos(), QPoint(0, 0));
    }
};

}  // namespace talvo

QTEST_MAIN(talvo::ChannelTableWindowTest)
#include "channel_table_window_test.moc"
