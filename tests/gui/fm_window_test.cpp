#include "editors/fm/fm_window.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "support/modal_answerer.h"
#include "support/user_input.h"
#include "ui/local_msgbox.h"

namespace talvo {

class FmWindowTest : public QObject {
    Q_OBJECT

  private:
    Document document_;
    // The fields the tests set up directly, outside the history.
    ProgramState& state_ = document_.sessionState();
    std::unique_ptr<FmWindow> window_;

    QString cell(int channel) const { return window_->grid()->item(channel - 1, 1)->text(); }
    QPoint cellCentre(int channel) const {
        return window_->grid()->visualItemRect(window_->grid()->item(channel - 1, 1)).center();
    }
    // Clicks the frequency cell of `channel`, types into the in-place editor, presses Enter.
    void typeIntoCell(int channel, const QString& typed) {
        QTest::mouseClick(window_->grid()->viewport(), Qt::LeftButton, {}, cellCentre(channel));
        QVERIFY(window_->cellEditor()->isVisible());
        QVERIFY(window_->cellEditor()->hasFocus());
        QTest::keyClick(window_->cellEditor(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(window_->cellEditor(), Qt::Key_Backspace);
        QTest::keyClicks(window_->cellEditor(), typed);
        QTest::keyClick(window_->cellEditor(), Qt::Key_Return);
    }
    void retypeVfo(const QString& typed) {
        QLineEdit* vfo = window_->vfoField();
        vfo->setFocus();
        QTest::keyClick(vfo, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(vfo, Qt::Key_Backspace);
        QTest::keyClicks(vfo, typed);
        QTest::keyClick(vfo, Qt::Key_Tab);
    }

  private slots:
    void init() {
        document_.undoStack().clear();
        state_ = StartupState(kEnglish);
        window_ = std::make_unique<FmWindow>(document_);
        window_->applyLanguage();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QApplication::setActiveWindow(window_.get());
    }
    void cleanup() { window_.reset(); }

    void gridHasItsShapeAndStartState() {
        QTableWidget* grid = window_->grid();
        QCOMPARE(grid->rowCount(), 25);
        QCOMPARE(grid->columnCount(), 2);
        QCOMPARE(grid->item(24, 0)->text(), QString("25"));
        QCOMPARE(grid->columnWidth(0), 60);
        QCOMPARE(grid->columnWidth(1), 147);
        QCOMPARE(grid->rowHeight(7), 20);
        QCOMPARE(grid->horizontalHeaderItem(1)->text(), QString("Frequency(MHz)"));
        QCOMPARE(window_->presentChannel()->currentText(), QString("0"));
        QCOMPARE(window_->presentChannel()->count(), 25);
        QVERIFY(window_->presentChannel()->isEditable());
        QVERIFY(window_->stepList()->isHidden());
        QVERIFY(window_->messageLine()->isHidden());
        QCOMPARE(window_->size(), QSize(547, 320));
    }

    void cellEntryIsRangeCheckedAndRounded_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<bool>("message");
        QTest::addColumn<bool>("goesOn");  // Enter opened the next channel's cell
        QTest::newRow("107.9 accepted") << "107.9"
                                        << "107.90" << false << true;
        QTest::newRow("87 accepted") << "87"
                                     << "87.00" << false << true;
        QTest::newRow("88.56 rounds down to 88.55") << "88.56"
                                                    << "88.55" << false << true;
        QTest::newRow("88.54 rounds down to 88.50") << "88.54"
                                                    << "88.50" << false << true;
        QTest::newRow("108 refused") << "108"
                                     << "98.50" << true << false;
        QTest::newRow("86.9 refused") << "86.9"
                                      << "98.50" << true << false;
        QTest::newRow("not a number keeps") << "9.8.5"
                                            << "98.50" << false << false;
        QTest::newRow("letters dropped") << "9a9.5"
                                         << "99.50" << false << true;
        QTest::newRow("empty clears") << ""
                                      << "" << false << true;
    }
    void cellEntryIsRangeCheckedAndRounded() {
        QFETCH(QString, typed);
        QFETCH(QString, cell);
        QFETCH(bool, message);
        QFETCH(bool, goesOn);
        state_.fmWindow.cell[3] = FmFrequencyFromText("98.50");
        window_->loadFromModel();
        typeIntoCell(4, typed);
        QCOMPARE(this->cell(4), cell);
        QCOMPARE(QString::fromStdString(FmFrequencyText(state_.fmWindow.cell[3])), cell);
        QCOMPARE(window_->cellEditor()->isVisible(), goesOn);
        QCOMPARE(window_->grid()->currentRow(), goesOn ? 4 : 3);
        QCOMPARE(window_->messageLine()->isVisible(), message);
        if (message) {
            QCOMPARE(window_->messageLine()->text(),
                     QString("Beyond the scope of frequency(87-107.9), please input again."));
            QCOMPARE(window_->cellEditor()->text(), QString());
        }
        // The record changes only on OK.
        QCOMPARE(FmFrequencyText(state_.fm.channel[3]), std::string());
    }

    void messageLineSitsBesideTheCellAndHidesOnClick() {
        state_.language = kChinese;
        typeIntoCell(2, "200");
        QLabel* line = window_->messageLine();
        QVERIFY(line->isVisible());
        QCOMPARE(line->text(), QString("超出频率范围(87-107.9)，请重输。"));
        QCOMPARE(line->x(), 241);
        const QRect cell = window_->grid()->visualItemRect(window_->grid()->item(1, 1));
        QCOMPARE(line->y(), window_->grid()->viewport()->mapTo(window_.get(), cell.topLeft()).y());
        // It stays through other edits until it is clicked.
        typeIntoCell(5, "99");
        QVERIFY(line->isVisible());
        QTest::mouseClick(line, Qt::LeftButton);
        QVERIFY(line->isHidden());
    }

    // Presets typed one after another, each ended by Enter, fill channel after channel; a
    // refused one is typed again on its own row; the keyboard never reaches the VFO field.
    void enterGoesOnToTheNextChannel() {
        state_.fmWindow.vfo = FmFrequencyFromText("100.00");
        QLineEdit* vfo = window_->vfoField();
        int vfoFocused = 0;
        connect(qApp, &QApplication::focusChanged, this,
                [&](QWidget*, QWidget* now) { vfoFocused += now == vfo ? 1 : 0; });
        state_.fmWindow.cell[23] = FmFrequencyFromText("99.00");
        window_->loadFromModel();
        window_->grid()->scrollToBottom();
        testing::UserClick(window_->grid()->viewport(), cellCentre(22));
        QVERIFY(window_->cellEditor()->hasFocus());
        struct Step {
            const char* typed;
            int editedAfter;  // the channel whose cell is open after Enter, 0 for none
        };
        for (const Step& step :
             {Step{"88.5", 23}, Step{"120", 0}, Step{"90.1", 24}, Step{"", 25}, Step{"107.9", 0}}) {
            testing::UserKey(Qt::Key_A, Qt::ControlModifier);
            testing::UserKey(Qt::Key_Backspace);
            testing::UserType(step.typed);
            QVERIFY(testing::UserKey(Qt::Key_Return));
            QCOMPARE(window_->cellEditor()->hasFocus(), step.editedAfter != 0);
            if (step.editedAfter == 0 && std::string(step.typed) == "120") {
                QVERIFY(window_->grid()->hasFocus());
                QCOMPARE(window_->grid()->currentRow(), 22);
                QVERIFY(testing::UserKey(Qt::Key_Return));  // Enter on the grid reopens it
            }
        }
        QCOMPARE(cell(22), QString("88.50"));
        QCOMPARE(cell(23), QString("90.10"));  // the refused 120 typed again
        QCOMPARE(cell(24), QString());         // an empty Enter clears the channel
        QCOMPARE(cell(25), QString("107.90"));
        // Enter in the last channel leaves the keyboard on the grid's last row.
        QVERIFY(window_->cellEditor()->isHidden());
        QVERIFY(window_->grid()->hasFocus());
        QCOMPARE(window_->grid()->currentRow(), 24);
        QCOMPARE(vfoFocused, 0);
        QCOMPARE(vfo->text(), QString("100.00"));
        QCOMPARE(FmFrequencyText(state_.fmWindow.vfo), std::string("100.00"));
    }

    void channelNumberColumnIsNeverEdited() {
        state_.fmWindow.cell[0] = FmFrequencyFromText("90.00");
        window_->loadFromModel();
        const QPoint number = window_->grid()->visualItemRect(window_->grid()->item(0, 0)).center();
        QTest::mouseClick(window_->grid()->viewport(), Qt::LeftButton, {}, number);
        QCOMPARE(window_->cellEditor()->text(), QString("90.00"));
        QTest::keyClick(window_->cellEditor(), Qt::Key_Return);
        QCOMPARE(window_->grid()->item(0, 0)->text(), QString("1"));
        QCOMPARE(cell(1), QString("90.00"));
        QVERIFY(window_->messageLine()->isHidden());
    }

    void loadingDropsAnOpenEdit() {
        window_->editChannel(5);
        QTest::keyClicks(window_->cellEditor(), "99");
        state_.fmWindow.cell[4] = FmFrequencyFromText("101.00");
        window_->loadFromModel();
        QVERIFY(window_->cellEditor()->isHidden());
        window_->vfoField()->setFocus();
        QCOMPARE(cell(5), QString("101.00"));
        QCOMPARE(FmFrequencyText(state_.fmWindow.cell[4]), std::string("101.00"));
    }

    void vfoIsCheckedOnLeaving() {
        retypeVfo("107.9");
        QCOMPARE(window_->vfoField()->text(), QString("107.90"));
        QCOMPARE(FmFrequencyText(state_.fmWindow.vfo), std::string("107.90"));
        retypeVfo("");
        QCOMPARE(window_->vfoField()->text(), QString());
        retypeVfo("86.9");
        QCOMPARE(window_->vfoField()->text(), QString());
        QVERIFY(window_->messageLine()->isVisible());
        QCOMPARE(window_->messageLine()->pos(), QPoint(373, 7));
        retypeVfo("88.56");
        QCOMPARE(window_->vfoField()->text(), QString("88.55"));
    }

    // The range message is read in full wherever it shows, and beside the VFO field it leaves
    // the fields readable.
    void messageLineShowsItsWholeText_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<bool>("atVfo");
        QTest::newRow("Chinese, beside a cell") << int(LanguageFlagOf(kChinese)) << false;
        QTest::newRow("English, beside a cell") << int(LanguageFlagOf(kEnglish)) << false;
        QTest::newRow("Chinese, at the VFO") << int(LanguageFlagOf(kChinese)) << true;
        QTest::newRow("English, at the VFO") << int(LanguageFlagOf(kEnglish)) << true;
    }
    void messageLineShowsItsWholeText() {
        QFETCH(int, lang);
        QFETCH(bool, atVfo);
        state_.language = LanguageOfFlag(lang);
        window_->applyLanguage();
        // The other place first: the message must not keep the size it had there.
        QLabel* line = window_->messageLine();
        for (bool vfo : {!atVfo, atVfo}) {
            if (vfo) {
                retypeVfo("120");
            } else {
                typeIntoCell(3, "120");
            }
            QVERIFY(line->isVisible());
            QTest::mouseClick(line, Qt::LeftButton);
        }
        line->show();
        QVERIFY(line->isVisible());
        QVERIFY(window_->rect().contains(line->geometry()));
        const QRect inside = line->contentsRect();
        const QRect needed = line->fontMetrics().boundingRect(QRect(0, 0, inside.width(), 10000),
                                                              Qt::TextWordWrap, line->text());
        QVERIFY2(needed.height() <= inside.height(),
                 qPrintable(
                     QString("%1 px of text in %2 px").arg(needed.height()).arg(inside.height())));
        QVERIFY(needed.width() <= inside.width());
        if (atVfo) {
            for (QWidget* field : {static_cast<QWidget*>(window_->vfoField()),
                                   static_cast<QWidget*>(window_->presentChannel()),
                                   static_cast<QWidget*>(window_->displayMode())}) {
                QVERIFY(!line->geometry().intersects(field->geometry()));
            }
        }
    }

    void okCopiesTheWindowIntoTheRecord() {
        typeIntoCell(1, "98.5");
        retypeVfo("100");
        QComboBox* present = window_->presentChannel();
        present->setFocus();
        QTest::keyClick(present->lineEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(present->lineEdit(), "16");
        window_->displayMode()->setCurrentIndex(1);
        window_->stepList()->setCurrentIndex(2);
        QTest::mouseClick(window_->okButton(), Qt::LeftButton);
        QVERIFY(window_->isHidden());
        QCOMPARE(FmFrequencyText(state_.fm.channel[0]), std::string("98.50"));
        QCOMPARE(FmFrequencyText(state_.fm.vfo), std::string("100.00"));
        QCOMPARE(state_.fm.PresentChannel, std::int16_t{16});
        QCOMPARE(state_.fm.DisplayMode, 1);
        QCOMPARE(state_.fm.StepFrequency, 2);
    }

    void okRefusesAPresentChannelThatIsNotAWholeNumber() {
        testing::ModalAnswerer answerer;
        answerer.answerId(IdOk);
        state_.fm.PresentChannel = 5;
        QComboBox* present = window_->presentChannel();
        present->setFocus();
        QTest::keyClick(present->lineEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(present->lineEdit(), "3x");
        window_->displayMode()->setCurrentIndex(1);
        QTest::mouseClick(window_->okButton(), Qt::LeftButton);
        QVERIFY(answerer.waitAllAnswered());
        QCOMPARE(answerer.seen().size(), 1);
        QVERIFY(answerer.last().text.contains("whole number"));
        QVERIFY(window_->isVisible());
        QCOMPARE(state_.fm.PresentChannel, std::int16_t{5});
        QCOMPARE(state_.fm.DisplayMode, 0);
    }

    void aFrameSizedToTheWindowKeepsItsSize() {
        QMdiArea area;
        area.resize(1000, 800);
        auto* fm = new FmWindow(document_);
        QMdiSubWindow* frame = area.addSubWindow(fm);
        area.show();
        frame->show();
        frame->adjustSize();
        QCOMPARE(fm->size(), QSize(547, 320));
        QVERIFY(fm->rect().contains(fm->cancelButton()->geometry()));
    }

    void cancelAndCloseKeepEditsButNotTheRecord() {
        typeIntoCell(7, "101.1");
        QTest::mouseClick(window_->cancelButton(), Qt::LeftButton);
        QVERIFY(window_->isHidden());
        QCOMPARE(FmFrequencyText(state_.fm.channel[6]), std::string());
        window_->show();
        QCOMPARE(cell(7), QString("101.10"));
        window_->close();
        QVERIFY(window_->isHidden());
        window_->show();
        QCOMPARE(cell(7), QString("101.10"));
        QCOMPARE(FmFrequencyText(state_.fm.channel[6]), std::string());
    }

    void languageSwitchKeepsTheDisplayMode() {
        window_->displayMode()->setCurrentIndex(1);
        state_.language = kChinese;
        window_->applyLanguage();
        QCOMPARE(window_->displayMode()->currentIndex(), 1);
        QCOMPARE(window_->displayMode()->currentText(), QString("频率"));
        QCOMPARE(window_->grid()->horizontalHeaderItem(0)->text(), QString("频道"));
        QCOMPARE(window_->okButton()->text(), QString("确定"));
        QCOMPARE(window_->windowTitle(), QString("FM频道设置"));
        QCOMPARE(state_.fmWindow.displayMode, 1);
    }
};

}  // namespace talvo

QTEST_MAIN(talvo::FmWindowTest)
#include "fm_window_test.moc"
