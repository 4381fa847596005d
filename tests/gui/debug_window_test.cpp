#include "editors/debug/debug_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

namespace talvo {

class DebugWindowTest : public QObject {
    Q_OBJECT

  private:
    Document document_;
    // The fields the tests set up directly, outside the history.
    ProgramState& state_ = document_.sessionState();
    std::unique_ptr<DebugWindow> window_;

  private slots:
    void init() {
        document_.undoStack().clear();
        state_ = StartupState(kEnglish);
        window_ = std::make_unique<DebugWindow>(document_);
        window_->applyLanguage();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QApplication::setActiveWindow(window_.get());
    }
    void cleanup() { window_.reset(); }

    void startValuesOnBothTabs() {
        const int expected[] = {218, 218, 116, 218, 218, 116};
        for (int i = 0; i < DebugWindow::kSliderCount; ++i) {
            QCOMPARE(window_->slider(i)->value(), expected[i]);
            QCOMPARE(window_->valueCaption(i)->text(), QString::number(expected[i]));
            QCOMPARE(window_->slider(i)->maximum(), 255);
            QVERIFY(window_->slider(i)->isEnabled());
        }
        QCOMPARE(window_->frame(2)->title(), QString("Low Power Grades"));
        QCOMPARE(window_->frame(3)->title(), QString("High Power Grades"));
        QCOMPARE(window_->tabs()->tabText(1), QString("B Power Grades"));
    }

    void keyboardMovesUpdateTheCaptionAndTheModel_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("value");
        QTest::newRow("right: small step") << int(Qt::Key_Right) << 117;
        QTest::newRow("left: small step") << int(Qt::Key_Left) << 115;
        QTest::newRow("page up: large step") << int(Qt::Key_PageUp) << 121;
        QTest::newRow("page down: large step") << int(Qt::Key_PageDown) << 111;
        QTest::newRow("end") << int(Qt::Key_End) << 255;
        QTest::newRow("home") << int(Qt::Key_Home) << 0;
    }
    void keyboardMovesUpdateTheCaptionAndTheModel() {
        QFETCH(int, key);
        QFETCH(int, value);
        window_->tabs()->setCurrentIndex(1);
        QSlider* slider = window_->slider(5);
        slider->setFocus();
        QTest::keyClick(slider, static_cast<Qt::Key>(key));
        QCOMPARE(slider->value(), value);
        QCOMPARE(window_->valueCaption(5)->text(), QString::number(value));
        QCOMPARE(state_.powerGrades[5], value);
        QCOMPARE(state_.powerGrades[2], 116);  // the other group's low power is separate
    }

    void decodedValuesSetEverySliderAndCaption() {
        state_.powerGrades = {1, 2, 3, 250, 251, 255};
        window_->loadFromModel();
        for (int i = 0; i < DebugWindow::kSliderCount; ++i) {
            QCOMPARE(window_->slider(i)->value(), state_.powerGrades[static_cast<std::size_t>(i)]);
            QCOMPARE(window_->valueCaption(i)->text(),
                     QString::number(state_.powerGrades[static_cast<std::size_t>(i)]));
        }
    }

    void slidersFollowTheHiddenMode() {
        window_->setSlidersEnabled(false);
        for (int i = 0; i < DebugWindow::kSliderCount; ++i)
            QVERIFY(!window_->slider(i)->isEnabled());
        QSlider* slider = window_->slider(0);
        QTest::keyClick(slider, Qt::Key_End);
        QCOMPARE(state_.powerGrades[0], 218);
        window_->setSlidersEnabled(true);
        for (int i = 0; i < DebugWindow::kSliderCount; ++i)
            QVERIFY(window_->slider(i)->isEnabled());
    }

    void languageRelabelsEveryText() {
        state_.language = kChinese;
        window_->applyLanguage();
        QCOMPARE(window_->windowTitle(), QString("调试"));
        QCOMPARE(window_->tabs()->tabText(0), QString("A组功率等级"));
        QCOMPARE(window_->frame(4)->title(), QString("中功率等级"));
        const QList<QLabel*> labels = window_->frame(4)->findChildren<QLabel*>();
        QStringList texts;
        for (QLabel* l : labels) texts << l->text();
        QVERIFY(texts.contains("低"));
        QVERIFY(texts.contains("高"));
        state_.language = LanguageOfFlag(2);
        window_->applyLanguage();
        QCOMPARE(window_->frame(4)->title(), QString("中功率等级"));
    }
};

}  // namespace talvo

QTEST_MAIN(talvo::DebugWindowTest)
#include "debug_window_test.moc"
