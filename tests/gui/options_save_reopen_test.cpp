#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "editors/debug/debug_window.h"
#include "editors/fm/fm_window.h"
#include "editors/options/options_window.h"
#include "lang/catalogue.h"
#include "radio/codecs/data_file.h"

namespace talvo {

// What the user sets in the settings windows reaches the file, and a reopened file shows it.
class SettingsSaveReopenTest : public QObject {
    Q_OBJECT

  private:
    static void retype(QLineEdit* edit, const QString& typed, Qt::Key finish) {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, finish);
    }

  private slots:
    void editsSurviveSaveAndOpen() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const std::string path = dir.filePath("edited.dat").toStdString();

        {
            Document document(StartupState(kEnglish));
            ProgramState& state = document.sessionState();
            OptionsWindow options(document);
            FmWindow fm(document);
            DebugWindow debug(document);
            for (EditorWindow* w : std::initializer_list<EditorWindow*>{&options, &fm, &debug}) {
                w->applyLanguage();
                w->show();
                QVERIFY(QTest::qWaitForWindowExposed(w));
            }

            QApplication::setActiveWindow(&options);
            QComboBox* autoOff = options.list(ListId::AutoPowerOff);
            autoOff->setFocus();
            for (int i = 0; i < 3; ++i) QTest::keyClick(autoOff, Qt::Key_Down);
            retype(options.text(TextId::BChannelNumber), "45", Qt::Key_Tab);
            retype(options.text(TextId::DisplayCharacter), "ab-1", Qt::Key_Tab);
            options.showVfoPage();
            retype(options.text(TextId::BVfoFrequency), "438.5", Qt::Key_Return);
            retype(options.text(TextId::AVfoOffsetData), "0.6", Qt::Key_Return);
            options.list(ListId::AVfoQtDqtDec)->setCurrentIndex(52);
            options.list(ListId::BVfoPower)->setCurrentIndex(2);

            QApplication::setActiveWindow(&fm);
            const QRect cell = fm.grid()->visualItemRect(fm.grid()->item(1, 1));
            QTest::mouseClick(fm.grid()->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::keyClicks(fm.cellEditor(), "98.5");
            QTest::keyClick(fm.cellEditor(), Qt::Key_Return);
            retype(fm.vfoField(), "100", Qt::Key_Tab);
            fm.presentChannel()->setEditText("16");
            fm.displayMode()->setCurrentIndex(1);
            QTest::mouseClick(fm.okButton(), Qt::LeftButton);

            QApplication::setActiveWindow(&debug);
            debug.slider(4)->setFocus();
            QTest::keyClick(debug.slider(4), Qt::Key_End);

            QCOMPARE(SaveDataFile(state, path), Status::Ok);
        }

        Document reopened(StartupState(kEnglish));
        QCOMPARE(OpenDataFile(reopened.sessionState(), path), Status::Ok);
        OptionsWindow options(reopened);
        FmWindow fm(reopened);
        DebugWindow debug(reopened);
        for (EditorWindow* w : std::initializer_list<EditorWindow*>{&options, &fm, &debug}) {
            w->applyLanguage();
            w->loadFromModel();
        }
        QCOMPARE(options.list(ListId::AutoPowerOff)->currentText(), QString("3 Hour"));
        QCOMPARE(options.text(TextId::BChannelNumber)->text(), QString("45"));
        QCOMPARE(options.text(TextId::DisplayCharacter)->text(), QString("AB-1"));
        QCOMPARE(options.text(TextId::BVfoFrequency)->text(), QString("438.50000"));
        QCOMPARE(options.text(TextId::AVfoOffsetData)->text(), QString("0.60000"));
        QCOMPARE(options.list(ListId::AVfoQtDqtDec)->currentText(), QString("D023N"));
        QCOMPARE(options.list(ListId::BVfoPower)->currentText(), QString("Middle"));
        QCOMPARE(fm.grid()->item(1, 1)->text(), QString("98.50"));
        QCOMPARE(fm.vfoField()->text(), QString("100.00"));
        QCOMPARE(fm.presentChannel()->currentText(), QString("16"));
        QCOMPARE(fm.displayMode()->currentIndex(), 1);
        QCOMPARE(debug.slider(4)->value(), 255);
        QCOMPARE(debug.slider(3)->value(), 218);
    }
};

}  // namespace talvo

QTEST_MAIN(talvo::SettingsSaveReopenTest)
#include "options_save_reopen_test.moc"
