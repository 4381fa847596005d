#include "editors/options/options_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

#include "app/main_window.h"
#include "app/startup.h"
#include "lang/catalogue.h"
#include "rules/hidden_sequence.h"
#include "support/fake_serial_link.h"
#include "support/shell_env.h"
#include "support/user_input.h"

namespace talvo {

class OptionsWindowTest : public QObject {
    Q_OBJECT

  private:
    Document document_;
    // The fields the tests set up directly, outside the history.
    ProgramState& state_ = document_.sessionState();
    std::unique_ptr<OptionsWindow> window_;
    long now_ = 0;

    // Replaces the field's text the way a user does: select all, type, then Enter or Tab.
    void retype(QLineEdit* edit, const QString& typed, Qt::Key finish) {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, finish);
    }
    // A field as its own frame holds it (an editable list's text box belongs to the list).
    QWidget* focusedFieldOf(QWidget* w) const {
        while (w && w->parentWidget() && w->parentWidget() != window_.get() &&
               !qobject_cast<QGroupBox*>(w->parentWidget())) {
            w = w->parentWidget();
        }
        return w;
    }
    // Reading order of two fields: by frame (a page choice outside the frames is its own),
    // frames top to bottom and side by side left to right; within a frame by row (fields whose
    // middles lie within half a field's height share one), then left to right.
    bool before(QWidget* a, QWidget* b) const {
        auto frameOf = [](QWidget* w) {
            return qobject_cast<QGroupBox*>(w->parentWidget()) ? w->parentWidget() : w;
        };
        auto at = [this](QWidget* w) {
            return QRect(w->mapTo(window_.get(), QPoint()), w->size());
        };
        const QRect fa = at(frameOf(a));
        const QRect fb = at(frameOf(b));
        if (frameOf(a) != frameOf(b)) {
            return fa.top() != fb.top() ? fa.top() < fb.top() : fa.left() < fb.left();
        }
        const QRect ra = at(a);
        const QRect rb = at(b);
        if (qAbs(ra.center().y() - rb.center().y()) <= qMin(ra.height(), rb.height()) / 2) {
            return ra.left() < rb.left();
        }
        return ra.center().y() < rb.center().y();
    }
    void clickCaption(ListId id) { QTest::mouseClick(window_->caption(id), Qt::LeftButton); }

  private slots:
    void init() {
        document_.undoStack().clear();
        state_ = StartupState(kEnglish);
        window_ = std::make_unique<OptionsWindow>(document_);
        window_->applyLanguage();
        window_->setClock([this] { return now_; });
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QApplication::setActiveWindow(window_.get());
    }
    void cleanup() { window_.reset(); }

    void startsWithTheTableDefaultsOnTheFunctionPage() {
        QCOMPARE(window_->list(ListId::BDisplayMode)->currentIndex(), 1);
        QCOMPARE(window_->list(ListId::TimeOutTimer)->currentText(), QString("2 Minute"));
        QCOMPARE(window_->list(ListId::AVfoQtDqtDec)->count(), 265);
        QCOMPARE(window_->list(ListId::AVfoQtDqtDec)->currentText(), QString("Off"));
        QCOMPARE(window_->text(TextId::BVfoFrequency)->text(), QString("400.00000"));
        QVERIFY(window_->functionFrame()->isVisible());
        QVERIFY(!window_->vfoFrame(0)->isVisible());
        QVERIFY(window_->voxFrame()->isVisible());
        QVERIFY(window_->list(ListId::AVfoScramble)->isHidden());
        QVERIFY(window_->check(CheckId::ProhibitVoxInReceiving)->isHidden());
        QVERIFY(window_->list(ListId::ScanMode)->isEditable());
        QVERIFY(!window_->list(ListId::Beep)->isEditable());
    }

    void pageSelectorSwitchesFramesAndFocusesTheAFrequency() {
        QTest::mouseClick(window_->vfoPageOption(), Qt::LeftButton);
        QVERIFY(window_->vfoFrame(0)->isVisible());
        QVERIFY(window_->vfoFrame(1)->isVisible());
        QVERIFY(!window_->functionFrame()->isVisible());
        QVERIFY(window_->text(TextId::AVfoFrequency)->hasFocus());
        QTest::mouseClick(window_->functionPageOption(), Qt::LeftButton);
        QVERIFY(window_->functionFrame()->isVisible());
        QVERIFY(!window_->vfoFrame(1)->isVisible());
    }

    // Tab visits every field on screen once per round, frame after frame from the top, and
    // within a frame row by row, left to right.
    void tabFollowsTheScreen_data() {
        QTest::addColumn<bool>("vfoPage");
        QTest::addColumn<int>("lang");
        QTest::newRow("function page, English") << false << int(LanguageFlagOf(kEnglish));
        QTest::newRow("function page, Chinese") << false << int(LanguageFlagOf(kChinese));
        QTest::newRow("VFO page, English") << true << int(LanguageFlagOf(kEnglish));
        QTest::newRow("VFO page, Chinese") << true << int(LanguageFlagOf(kChinese));
    }
    void tabFollowsTheScreen() {
        QFETCH(bool, vfoPage);
        QFETCH(int, lang);
        state_.language = LanguageOfFlag(lang);
        window_->applyLanguage();
        testing::UserClick(vfoPage ? window_->vfoPageOption() : window_->functionPageOption());
        QTRY_VERIFY(window_->isActiveWindow());
        // The field (list, text box, page choice) that holds the keyboard.
        auto focusedField = [this] { return focusedFieldOf(QApplication::focusWidget()); };
        QList<QWidget*> round;
        QWidget* first = focusedField();
        QVERIFY(first);
        for (QWidget* w = first; round.size() < 200;) {
            round << w;
            QVERIFY(testing::UserKey(Qt::Key_Tab));
            w = focusedField();
            QVERIFY(w);
            if (w == first) break;
        }
        // Every field the user can reach with the mouse is in the round, once.
        QList<QWidget*> reachable;
        for (QWidget* w : window_->findChildren<QWidget*>()) {
            const bool field = qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) ||
                               qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w);
            if (!field || !w->isVisible() || !w->isEnabled() || focusedFieldOf(w) != w) continue;
            // Of the two page choices the keyboard reaches the chosen one.
            if (qobject_cast<QRadioButton*>(w) && !static_cast<QRadioButton*>(w)->isChecked())
                continue;
            reachable << w;
        }
        QCOMPARE(round.size(), reachable.size());
        for (QWidget* w : reachable) QCOMPARE(round.count(w), 1);
        // Start the round at the top left and check the order of the screen.
        const auto top = std::min_element(round.begin(), round.end(),
                                          [this](QWidget* a, QWidget* b) { return before(a, b); });
        std::rotate(round.begin(), top, round.end());
        for (qsizetype i = 0; i + 1 < round.size(); ++i) {
            QVERIFY2(before(round[i], round[i + 1]),
                     qPrintable(QString("%1 before %2")
                                    .arg(round[i]->objectName(), round[i + 1]->objectName())));
        }
    }

    void channelNumberClampsWhileTypingAndNormalisesOnLeaving() {
        QLineEdit* a = window_->text(TextId::AChannelNumber);
        a->setFocus();
        QTest::keyClick(a, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(a, "200");
        QCOMPARE(a->text(), QString("128"));  // before leaving
        QCOMPARE(SettingText(state_.options, TextId::AChannelNumber), std::string("128"));

        retype(a, "0", Qt::Key_Tab);
        QCOMPARE(a->text(), QString());
        retype(a, "", Qt::Key_Tab);
        QCOMPARE(a->text(), QString());
        retype(a, "007", Qt::Key_Return);  // Enter runs the check too
        QCOMPARE(a->text(), QString("7"));
        QCOMPARE(SettingText(state_.options, TextId::AChannelNumber), std::string("7"));
        retype(a, "0050", Qt::Key_Tab);  // leading zeros do not use up the field
        QCOMPARE(a->text(), QString("50"));

        // The clamp also applies to a text set from outside.
        SetCheckedSettingText(state_.options, TextId::BChannelNumber, "300");
        window_->loadFromModel();
        QCOMPARE(window_->text(TextId::BChannelNumber)->text(), QString("128"));
        QCOMPARE(SettingText(state_.options, TextId::BChannelNumber), std::string("128"));
    }

    void vfoFieldsAreCheckedOnEnterAndOnLeaving_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        const int a = static_cast<int>(TextId::AVfoFrequency);
        const int b = static_cast<int>(TextId::BVfoFrequency);
        const int offset = static_cast<int>(TextId::BVfoOffsetData);
        QTest::newRow("B 470 resets") << b << "470"
                                      << "400.00000";
        QTest::newRow("B 399.99999 resets") << b << "399.99999"
                                            << "400.00000";
        QTest::newRow("B 438.5 padded") << b << "438.5"
                                        << "438.50000";
        QTest::newRow("A 174 resets") << a << "174"
                                      << "136.00000";
        QTest::newRow("A 145.013 snapped") << a << "145.013"
                                           << "145.01250";
        QTest::newRow("offset 150 capped") << offset << "150"
                                           << "99.995";
        QTest::newRow("offset 12.5 kept") << offset << "12.5"
                                          << "12.5";
        QTest::newRow("letters dropped") << b << "4a3b8"
                                         << "438.00000";
    }
    void vfoFieldsAreCheckedOnEnterAndOnLeaving() {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        const auto id = static_cast<TextId>(field);
        window_->showVfoPage();
        for (Qt::Key finish : {Qt::Key_Return, Qt::Key_Tab}) {
            retype(window_->text(id), typed, finish);
            QCOMPARE(window_->text(id)->text(), shown);
            OptionalFeatures expected;
            SetCheckedSettingText(expected, id, shown.toStdString());
            QCOMPARE(SettingText(state_.options, id), SettingText(expected, id));
        }
    }

    void displayCharactersAreFilteredAndLimited() {
        QLineEdit* edit = window_->text(TextId::DisplayCharacter);
        edit->setFocus();
        QTest::keyClicks(edit, "ab-1%");
        QCOMPARE(edit->text(), QString("AB-1"));
        QTest::keyClicks(edit, "xyz");
        QCOMPARE(edit->text(), QString("AB-1XY"));
        QCOMPARE(SettingText(state_.options, TextId::DisplayCharacter), std::string("AB-1XY"));

        QLineEdit* password = window_->text(TextId::PowerOnPasswordDigits);
        password->setFocus();
        QTest::keyClicks(password, "1a2*3456");
        QCOMPARE(password->text(), QString("1234"));
    }

    void typingIntoAnEditableListLeavesNoSelection() {
        QComboBox* scan = window_->list(ListId::ScanMode);
        scan->setFocus();
        QTest::keyClick(scan->lineEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(scan->lineEdit(), "Fast");
        QCOMPARE(scan->currentIndex(), -1);
        QCOMPARE(scan->currentText(), QString("Fast"));
        QCOMPARE(state_.options[ListId::ScanMode], -1);

        // Enter after typing an entry's very text is not a choice from the list either.
        QComboBox* roger = window_->list(ListId::RogerBeep);
        roger->setFocus();
        QTest::keyClick(roger, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(roger, "Off");
        QTest::keyClick(roger, Qt::Key_Return);
        QCOMPARE(roger->currentIndex(), -1);
        QCOMPARE(state_.options[ListId::RogerBeep], -1);
        QCOMPARE(roger->currentText(), QString("Off"));

        // The typed text survives a language switch and a reload; choosing an entry selects.
        state_.language = kChinese;
        window_->applyLanguage();
        window_->loadFromModel();
        QCOMPARE(scan->currentText(), QString("Fast"));
        scan->setCurrentIndex(0);
        QCOMPARE(state_.options[ListId::ScanMode], 0);
        QCOMPARE(scan->currentText(), QString("载波"));
    }

    void languageSwitchRewritesEntriesInPlace() {
        QComboBox* off = window_->list(ListId::AutoPowerOff);
        off->setFocus();
        for (int i = 0; i < 3; ++i) QTest::keyClick(off, Qt::Key_Down);
        QCOMPARE(off->currentIndex(), 3);
        QCOMPARE(off->currentText(), QString("3 Hour"));
        QCOMPARE(state_.options[ListId::AutoPowerOff], 3);
        window_->list(ListId::AVfoQtDqtEnc)->setCurrentIndex(52);

        state_.language = kChinese;
        window_->applyLanguage();
        QCOMPARE(off->currentIndex(), 3);
        QCOMPARE(off->currentText(), QString("3 小时"));
        QCOMPARE(window_->list(ListId::AVfoQtDqtEnc)->currentText(), QString("D023N"));
        QCOMPARE(window_->list(ListId::AVfoQtDqtEnc)->itemText(0), QString("关闭"));
        QCOMPARE(window_->caption(ListId::MainChannel)->text(), QString("主频道:"));
        QCOMPARE(window_->vfoFrame(1)->title(), QString("B组全频频率"));
        QCOMPARE(window_->windowTitle(), QString("可选功能"));

        state_.language = LanguageOfFlag(7);  // not a language: nothing changes
        window_->applyLanguage();
        QCOMPARE(off->currentText(), QString("3 小时"));
        state_.language = kEnglish;
        window_->applyLanguage();
        QCOMPARE(off->currentText(), QString("3 Hour"));
        QCOMPARE(window_->check(CheckId::AllowToCancelOperating)->text(),
                 QString("Allow to Cancel Operating"));
    }

    void decodedValuesAreShown() {
        state_.options[ListId::MainChannel] = 0;
        state_.options[ListId::AVfoQtDqtDec] = 264;
        SetCheckedSettingText(state_.options, TextId::AVfoFrequency, "FFF.FFFFF");
        state_.options[CheckId::ProhibitVoxInReceiving] = true;
        window_->loadFromModel();
        QCOMPARE(window_->list(ListId::MainChannel)->currentText(), QString("B Group"));
        QCOMPARE(window_->list(ListId::AVfoQtDqtDec)->currentText(), QString("D754I"));
        QCOMPARE(window_->text(TextId::AVfoFrequency)->text(), QString("FFF.FFFFF"));
        QVERIFY(window_->check(CheckId::ProhibitVoxInReceiving)->isChecked());
        // Showing the model does not change it.
        QCOMPARE(SettingText(state_.options, TextId::AVfoFrequency), std::string("FFF.FFFFF"));
    }

    void hiddenSequenceUnlocksWithinFiveSeconds() {
        QSignalSpy effects(window_.get(), &OptionsWindow::hiddenModeEffect);
        const auto& captions = HiddenSequenceCaptions(HiddenSequence::Debug);
        now_ = 40000;
        clickCaption(captions[2]);
        now_ += 2;
        clickCaption(captions[0]);
        QCOMPARE(effects.count(), 0);
        now_ += 3;
        clickCaption(captions[1]);
        QCOMPARE(effects.count(), 1);
        QCOMPARE(effects.takeFirst().at(0).toInt(), 1);
        QVERIFY(state_.hidden.DebugMode());
        QVERIFY(!state_.hidden.AnMaMode());
        // A later click of the sequence applies the effect again.
        clickCaption(captions[0]);
        QCOMPARE(effects.count(), 1);
    }

    void hiddenSequenceIsNotUnlockedByALateThirdClick() {
        QSignalSpy effects(window_.get(), &OptionsWindow::hiddenModeEffect);
        const auto& captions = HiddenSequenceCaptions(HiddenSequence::AnMa);
        now_ = 100;
        clickCaption(captions[0]);
        now_ = 103;
        clickCaption(captions[1]);
        now_ = 106;
        clickCaption(captions[2]);
        QCOMPARE(effects.count(), 0);
        QVERIFY(!state_.hidden.AnMaMode());
        // The late click started a new attempt: two more captions within five seconds of it.
        now_ = 108;
        clickCaption(captions[0]);
        QCOMPARE(effects.count(), 0);
        now_ = 111;
        clickCaption(captions[1]);
        QCOMPARE(effects.count(), 1);
        QCOMPARE(effects.at(0).at(0).toInt(), 0);
    }

    void thirdSequenceEnablesItsThreeFields() {
        for (ListId id : {ListId::PowerOnPassword, ListId::RadioSearchMode, ListId::RogerBeep}) {
            window_->list(id)->setEnabled(false);
            window_->caption(id)->setEnabled(false);
        }
        QSignalSpy effects(window_.get(), &OptionsWindow::hiddenModeEffect);
        now_ = 7;
        for (ListId id : HiddenSequenceCaptions(HiddenSequence::FmMa)) clickCaption(id);
        QCOMPARE(effects.count(), 1);
        QCOMPARE(effects.at(0).at(0).toInt(), 2);
        QVERIFY(state_.hidden.FMMaMode());
        for (ListId id : {ListId::PowerOnPassword, ListId::RadioSearchMode, ListId::RogerBeep}) {
            QVERIFY(window_->list(id)->isEnabled());
            QVERIFY(window_->caption(id)->isEnabled());
        }
    }

    // In every shipped language the window, in its frame of the main window at the size it
    // opens with, shows all of its fields on both pages: no horizontal scroll bar, nothing cut.
    void contentsFitTheFrameInEachLanguage() {
        testing::ScopedShellEnvironment env;
        Program program = StartProgram(std::make_unique<testing::FakeSerialLink>());
        MainWindow& main = *program.window;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        OptionsWindow* options = main.optionsWindow();
        auto* scroll = qobject_cast<QScrollArea*>(options->parentWidget()->parentWidget());
        QVERIFY(scroll);
        for (const QString& code : ShippedLanguages()) {
            main.switchLanguage(Language(code.toStdString()));
            main.action("MNOption")->trigger();
            QTRY_VERIFY(options->isVisible());
            for (QRadioButton* page : {options->functionPageOption(), options->vfoPageOption()}) {
                testing::UserClick(page, QPoint(4, page->height() / 2));
                QTRY_VERIFY(page->isChecked());
                QTest::qWait(50);  // the layouts' requests, then the scroll bars'
                QVERIFY2(
                    !scroll->horizontalScrollBar()->isVisible() &&
                        options->minimumSizeHint().width() <= scroll->maximumViewportSize().width(),
                    qPrintable(QString("%1: %2 px wide in %3")
                                   .arg(code)
                                   .arg(options->minimumSizeHint().width())
                                   .arg(scroll->maximumViewportSize().width())));
                for (QWidget* w : options->findChildren<QWidget*>()) {
                    if (!w->isVisibleTo(options) || !qobject_cast<QGroupBox*>(w->parentWidget()))
                        continue;
                    const int right = w->mapTo(scroll->viewport(), QPoint(w->width(), 0)).x();
                    QVERIFY2(right <= scroll->viewport()->width(),
                             qPrintable(code + " " + w->objectName()));
                }
            }
        }
        main.switchLanguage(kEnglish);
    }

    void closingInAFrameOnlyHidesIt() {
        QMdiArea area;
        OptionsWindow* window = new OptionsWindow(document_);
        QMdiSubWindow* frame = area.addSubWindow(window);
        area.show();
        frame->show();
        window->text(TextId::DisplayCharacter)->setText("KEEP");
        QPointer<OptionsWindow> alive(window);
        frame->close();
        QCoreApplication::processEvents();
        QVERIFY(alive);
        QVERIFY(frame->isHidden());
        frame->show();
        QCOMPARE(window->text(TextId::DisplayCharacter)->text(), QString("KEEP"));
    }
};

}  // namespace talvo

QTEST_MAIN(talvo::OptionsWindowTest)
#include "options_window_test.moc"
