#include "editors/dtmf/dtmf_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

namespace talvo {

class DtmfWindowTest : public QObject {
    Q_OBJECT

  private:
    Document document_;
    // The fields the tests set up directly, outside the history.
    ProgramState& state_ = document_.sessionState();
    std::unique_ptr<DtmfWindow> window_;

    void type(QLineEdit* edit, const QString& typed) {
        edit->setFocus();
        QTest::keyClicks(edit, typed);
    }

  private slots:
    void init() {
        document_.undoStack().clear();
        state_ = StartupState(kChinese);
        window_ = std::make_unique<DtmfWindow>(document_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QApplication::setActiveWindow(window_.get());
    }
    void cleanup() { window_.reset(); }

    void opensOnTheOtherFeaturesPage() {
        QVERIFY(window_->otherPage()->isVisible());
        QVERIFY(!window_->autodialPage()->isVisible());
        QVERIFY(window_->groupCallCode()->isHidden());
        QVERIFY(window_->ownCode()->isHidden());
        QCOMPARE(window_->windowTitle(), QString("DTMF(双音多频)"));
    }

    void keyFilterKeepsDtmfCharacters() {
        window_->showAutodialPage();
        type(window_->autodialMemory(0), "1a*#e");
        QCOMPARE(window_->autodialMemory(0)->text(), QString("1A*#"));
        QCOMPARE(state_.dtmf.AutodialMemory[0], std::string("1A*#"));
        window_->showOtherPage();
        type(window_->aniStartCode(), "0123456789abcdABCD*#x");
        QCOMPARE(window_->aniStartCode()->text(), QString("0123456789ABCDAB"));  // 16 at most
        window_->ownCode()->setVisible(true);
        type(window_->ownCode(), "dddddddddd");
        QCOMPARE(window_->ownCode()->text(), QString("DDDDDDDD"));
    }

    void newEmptiesTheFieldsButKeepsTheEndCode() {
        window_->showAutodialPage();
        type(window_->autodialMemory(7), "99");
        window_->showOtherPage();
        type(window_->aniStartCode(), "12");
        type(window_->aniEndCode(), "34");
        window_->aniMode()->setCurrentIndex(2);
        window_->dtmfRate()->setCurrentIndex(1);
        window_->firstDigitalDelay()->setCurrentIndex(0);
        window_->StartForm();
        QCOMPARE(window_->autodialMemory(7)->text(), QString());
        QCOMPARE(window_->aniStartCode()->text(), QString());
        QCOMPARE(window_->aniEndCode()->text(), QString("34"));
        QCOMPARE(state_.dtmf.AniEndCode, std::string("34"));
        QCOMPARE(window_->aniMode()->currentIndex(), 0);
        QCOMPARE(window_->dtmfRate()->currentIndex(), 0);
        QCOMPARE(window_->firstDigitalDelay()->currentIndex(), 6);
    }

    void delayListGrowsOnceToTenEntries() {
        QComboBox* delay = window_->firstDigitalDelay();
        QCOMPARE(delay->count(), 8);
        window_->applyLanguage();
        QCOMPARE(delay->count(), 10);
        QCOMPARE(delay->currentText(), QString("1200毫秒"));
        QCOMPARE(delay->itemText(9), QString("1800毫秒"));
        delay->setCurrentIndex(9);
        for (Language lang : {kEnglish, kChinese, kEnglish}) {
            state_.language = lang;
            window_->applyLanguage();
        }
        QCOMPARE(delay->count(), 10);
        QCOMPARE(delay->currentIndex(), 9);
        QCOMPARE(delay->currentText(), QString("1800MS"));
        QCOMPARE(state_.dtmf.FirstDigitalDelay, 9);
    }

    void languageKeepsSelectionsAndRelabelsEntries() {
        window_->applyLanguage();
        window_->aniMode()->setCurrentIndex(1);
        window_->groupCallCode()->setCurrentIndex(0);
        state_.language = kEnglish;
        window_->applyLanguage();
        QCOMPARE(window_->aniMode()->currentText(), QString("End Send"));
        QCOMPARE(window_->dtmfRate()->currentText(), QString("Fast"));
        QCOMPARE(window_->groupCallCode()->currentText(), QString("Empty"));
        QCOMPARE(window_->groupCallCode()->itemText(1), QString("*"));
        QCOMPARE(window_->windowTitle(), QString("DTMF(双音多频)"));
        QCOMPARE(state_.dtmf.AniMode, 1);
    }
};

}  // namespace talvo

QTEST_MAIN(talvo::DtmfWindowTest)
#include "dtmf_window_test.moc"
