// The one message box: button labels by the program's language, style flags, titles and the
// identifiers it returns.
#include <QApplication>
#include <QFontMetrics>
#include <QTest>

#include "support/modal_answerer.h"
#include "ui/local_msgbox.h"

namespace talvo {

using testing::ModalAnswerer;

class ShellMsgBoxTest : public QObject {
    Q_OBJECT
  private slots:
    void buttonSetsAreLabelledInTheProgramsLanguage_data();
    void buttonSetsAreLabelledInTheProgramsLanguage();
    void everyButtonReturnsItsIdentifier();
    void questionStyleDefaultsToCancelAndEscapeCancels();
    void iconsFollowTheStyle();
    void emptyTitleBecomesTheApplicationTitle();
    void twoBoxesInARowAreBothRelabelled();
    void unknownLanguageKeepsToolkitLabels();
    void shortMessagesLeaveRoomForTheWholeTitle();
};

void ShellMsgBoxTest::buttonSetsAreLabelledInTheProgramsLanguage_data() {
    QTest::addColumn<int>("lang");
    QTest::addColumn<int>("style");
    QTest::addColumn<QStringList>("labels");  // ordered by identifier
    QTest::addColumn<QString>("defaultLabel");
    QTest::newRow("zh ok") << 0 << 0 << QStringList{"确定"} << "确定";
    QTest::newRow("en ok") << 1 << 0 << QStringList{"OK"} << "OK";
    QTest::newRow("zh ok cancel") << 0 << 1 << QStringList{"确定", "取消"} << "确定";
    QTest::newRow("en question 4385") << 1 << 4385 << QStringList{"OK", "Cancel"} << "Cancel";
    QTest::newRow("zh question 4385") << 0 << 4385 << QStringList{"确定", "取消"} << "取消";
    QTest::newRow("zh abort retry ignore")
        << 0 << 2 << QStringList{"放弃", "重试", "忽略"} << "放弃";
    QTest::newRow("en abort retry ignore, third default")
        << 1 << (2 | 512) << QStringList{"Abort", "Retry", "Ignore"} << "Ignore";
    QTest::newRow("zh yes no cancel") << 0 << 3 << QStringList{"取消", "是", "否"} << "是";
    QTest::newRow("en yes no") << 1 << (4 | 256) << QStringList{"Yes", "No"} << "No";
    QTest::newRow("en retry cancel") << 1 << 5 << QStringList{"Cancel", "Retry"} << "Retry";
}

void ShellMsgBoxTest::buttonSetsAreLabelledInTheProgramsLanguage() {
    QFETCH(int, lang);
    QFETCH(int, style);
    QFETCH(QStringList, labels);
    QFETCH(QString, defaultLabel);
    ModalAnswerer answerer;
    answerer.answerKey(Qt::Key_Return);
    LocalMsgBox(LanguageOfFlag(lang), QStringLiteral("text"), style, QStringLiteral("t"));
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.last().buttons, labels);
    QCOMPARE(answerer.last().defaultButton, defaultLabel);
    QCOMPARE(answerer.last().text, QStringLiteral("text"));
}

void ShellMsgBoxTest::everyButtonReturnsItsIdentifier() {
    const struct {
        int style;
        std::vector<int> ids;
    } sets[] = {{0, {1}}, {1, {1, 2}}, {2, {3, 4, 5}}, {3, {6, 7, 2}}, {4, {6, 7}}, {5, {4, 2}}};
    for (const auto& set : sets) {
        for (int id : set.ids) {
            ModalAnswerer answerer;
            answerer.answerId(id);
            QCOMPARE(LocalMsgBox(kEnglish, QStringLiteral("x"), set.style, QString()), id);
            QCOMPARE(answerer.unexpected(), 0);
        }
    }
}

void ShellMsgBoxTest::questionStyleDefaultsToCancelAndEscapeCancels() {
    ModalAnswerer answerer;
    answerer.answerKey(Qt::Key_Return);
    QCOMPARE(LocalMsgBox(kChinese, QStringLiteral("q"), kStyleQuestion, QStringLiteral("注意")),
             static_cast<int>(IdCancel));
    QCOMPARE(answerer.last().modality, Qt::ApplicationModal);
    answerer.answerKey(Qt::Key_Escape);
    QCOMPARE(LocalMsgBox(kEnglish, QStringLiteral("q"), kStyleQuestion, QStringLiteral("t")),
             static_cast<int>(IdCancel));
    // An OK-only box closes with Escape too, and reports OK.
    answerer.answerKey(Qt::Key_Escape);
    QCOMPARE(LocalMsgBox(kEnglish, QStringLiteral("q"), StyleIconError, QStringLiteral("t")),
             static_cast<int>(IdOk));
}

void ShellMsgBoxTest::iconsFollowTheStyle() {
    const struct {
        int style;
        QMessageBox::Icon icon;
    } rows[] = {{0, QMessageBox::NoIcon},       {16, QMessageBox::Critical},
                {32, QMessageBox::Question},    {48, QMessageBox::Warning},
                {64, QMessageBox::Information}, {kStyleQuestion, QMessageBox::Question}};
    ModalAnswerer answerer;
    for (const auto& row : rows) {
        answerer.answerId(IdOk);
        LocalMsgBox(kEnglish, QStringLiteral("x"), row.style, QStringLiteral("t"));
        QCOMPARE(answerer.last().icon, row.icon);
    }
}

void ShellMsgBoxTest::emptyTitleBecomesTheApplicationTitle() {
    ModalAnswerer answerer;
    answerer.answerId(IdOk);
    LocalMsgBox(kEnglish, QStringLiteral("x"), 0, QString());
    QCOMPARE(answerer.last().title, QStringLiteral("TALVO Radio Programming Software V1.50"));
    answerer.answerId(IdOk);
    LocalMsgBox(kChinese, TALVO_TEXT("TransferController", "The serial port is invalid"), 0,
                Text{});
    QCOMPARE(answerer.last().title, QStringLiteral("TALVO 对讲机编程软件V1.50"));
    QCOMPARE(answerer.last().text, QStringLiteral("串行端口无效"));
}

void ShellMsgBoxTest::twoBoxesInARowAreBothRelabelled() {
    ModalAnswerer answerer;
    answerer.answerId(IdCancel);
    answerer.answerId(IdOk);
    QCOMPARE(LocalMsgBox(kChinese, QStringLiteral("1"), 1, QStringLiteral("t")),
             static_cast<int>(IdCancel));
    QCOMPARE(LocalMsgBox(kChinese, QStringLiteral("2"), 1, QStringLiteral("t")),
             static_cast<int>(IdOk));
    QCOMPARE(answerer.seen().size(), 2);
    QCOMPARE(answerer.seen()[0].buttons, (QStringList{"确定", "取消"}));
    QCOMPARE(answerer.seen()[1].buttons, (QStringList{"确定", "取消"}));
}

void ShellMsgBoxTest::unknownLanguageKeepsToolkitLabels() {
    ModalAnswerer answerer;
    answerer.answerId(IdCancel);
    QCOMPARE(LocalMsgBox(LanguageOfFlag(2), QStringLiteral("x"), 1, QStringLiteral("t")),
             static_cast<int>(IdCancel));
    QVERIFY(!answerer.last().buttons.contains(QStringLiteral("确定")));
    QCOMPARE(answerer.last().buttons.size(), 2);
}

// A title bar shows the title in a bold font beside the frame's icon and buttons: a box at
// least as wide as the bold title plus 100 pixels for those shows it uncut, whatever the text.
void ShellMsgBoxTest::shortMessagesLeaveRoomForTheWholeTitle() {
    const struct {
        Language lang;
        const char* title;  // empty: the application title of the language
    } rows[] = {{kEnglish, ""},          {kChinese, ""},       {kChinese, "提示"},
                {kEnglish, "Attention"}, {kChinese, "注意！"}, {kEnglish, "Mistake"}};
    QFont bold = QApplication::font("QMdiSubWindowTitleBar");
    bold.setBold(true);
    const QFontMetrics fm(bold);
    for (const auto& row : rows) {
        for (int style : {0, int(StyleIconInformation), kStyleQuestion}) {
            ModalAnswerer answerer;
            int width = 0;
            QString shownTitle;
            answerer.handleNextModal([&](QWidget* box) {
                width = box->width();
                shownTitle = box->windowTitle();
                QTest::keyClick(box, Qt::Key_Escape);
            });
            LocalMsgBox(row.lang, QStringLiteral("OK"), style, QString::fromUtf8(row.title));
            QVERIFY(!shownTitle.isEmpty());
            const int needed = fm.horizontalAdvance(shownTitle) + 100;
            QVERIFY2(width >= needed, qPrintable(QStringLiteral("%1: %2 px wide, %3 px needed")
                                                     .arg(shownTitle)
                                                     .arg(width)
                                                     .arg(needed)));
        }
    }
}

}  // namespace talvo

QTEST_MAIN(talvo::ShellMsgBoxTest)
#include "shell_msgbox_test.moc"
