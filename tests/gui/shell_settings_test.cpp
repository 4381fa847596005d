// Remembered settings (language store and parameter file), the file dialog's filter and the
// relock timing of the hidden modes' toolbar buttons.
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

#include "app/file_filter.h"
#include "app/settings_store.h"
#include "rules/relock_clicks.h"
#include "support/shell_env.h"

namespace talvo {

class ShellSettingsTest : public QObject {
    Q_OBJECT
  private slots:
    void languageTextToFlag_data();
    void languageTextToFlag();
    void languageStoreRoundTripAndStoredTypes();
    void parameterFileKeepsFurtherBytes();
    void parameterFileMissingGivesZeroAndIsCreated();
    void parameterFileMovesToConfigFolderWhenProgramFolderIsReadOnly();
    void dataFileFilterInToolkitForm();
    void relockTiming_data();
    void relockTiming();
};

void ShellSettingsTest::languageTextToFlag_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("flag");
    QTest::newRow("nothing stored") << "" << 1;
    QTest::newRow("binary 0") << "0" << 0;
    QTest::newRow("binary 1") << "1" << 1;
    QTest::newRow("17 is hex 11") << "17" << 1;
    QTest::newRow("16 is hex 10") << "16" << 0;
    QTest::newRow("10 is hex A, a letter") << "10" << 0;
    QTest::newRow("-1 is hex FFFF") << "-1" << 0;
    QTest::newRow("not a number") << "abc" << 0;
    QTest::newRow("a digit other than 0 or 1") << "2" << 2;
    QTest::newRow("blanks around") << " 1 " << 1;
    QTest::newRow("too large") << "99999999999" << 0;
}

void ShellSettingsTest::languageTextToFlag() {
    QFETCH(QString, text);
    QFETCH(int, flag);
    QCOMPARE(static_cast<int>(LanguageFlagFromText(text)), flag);
}

void ShellSettingsTest::languageStoreRoundTripAndStoredTypes() {
    testing::ScopedShellEnvironment env;
    QCOMPARE(LoadLanguage(), QString());

    SaveLanguage(kChinese);
    QCOMPARE(LoadLanguage(), QStringLiteral("0"));
    {
        QSettings store(LanguageStorePath(), QSettings::IniFormat);
        QCOMPARE(store.value("RQZ-DW/BinaryValue").toByteArray(), QByteArray(4, '\0'));
    }
    SaveLanguage(kEnglish);
    QCOMPARE(LoadLanguage(), QStringLiteral("1"));

    // A text value is read up to its first NUL; a binary value as a signed 16-bit number.
    QSettings store(LanguageStorePath(), QSettings::IniFormat);
    store.setValue("RQZ-DW/BinaryValue", QStringLiteral("17"));
    store.sync();
    QCOMPARE(LoadLanguage(), QStringLiteral("17"));
    store.setValue("RQZ-DW/BinaryValue", QString(QStringLiteral("1")) + QChar(0) + "9");
    store.sync();
    QCOMPARE(LoadLanguage(), QStringLiteral("1"));
    store.setValue("RQZ-DW/BinaryValue", QByteArray("\xFF\xFF\x00\x00", 4));
    store.sync();
    QCOMPARE(LoadLanguage(), QStringLiteral("-1"));
    store.setValue("RQZ-DW/BinaryValue", QVariant::fromValue(QList<int>{1, 2}));
    store.sync();
    QCOMPARE(LoadLanguage(), QString());
}

void ShellSettingsTest::parameterFileKeepsFurtherBytes() {
    testing::ScopedShellEnvironment env;
    QCOMPARE(ParameterFilePath(), QDir(env.programDir()).filePath("parameter"));
    QFile file(ParameterFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x07\xAA\xBB", 3));
    file.close();

    QCOMPARE(LoadPortNumber(), 7);
    SavePortNumber(3);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\x03\xAA\xBB", 3));
}

void ShellSettingsTest::parameterFileMissingGivesZeroAndIsCreated() {
    testing::ScopedShellEnvironment env;
    QCOMPARE(LoadPortNumber(), 0);
    QVERIFY(QFile::exists(ParameterFilePath()));
    QCOMPARE(QFile(ParameterFilePath()).size(), 0);
    QCOMPARE(LoadPortNumber(), 0);
    SavePortNumber(16);
    QCOMPARE(LoadPortNumber(), 16);
    QCOMPARE(QFile(ParameterFilePath()).size(), 1);
}

void ShellSettingsTest::parameterFileMovesToConfigFolderWhenProgramFolderIsReadOnly() {
    testing::ScopedShellEnvironment env;
    // A program folder that cannot take a file (here: it lies under a plain file).
    const QString blocker = QDir(env.programDir()).filePath("blocker");
    QFile block(blocker);
    QVERIFY(block.open(QIODevice::WriteOnly));
    block.close();
    qputenv("TALVO_PROGRAM_DIR", (blocker + "/bin").toLocal8Bit());
    QCOMPARE(ParameterFilePath(), QDir(env.configDir()).filePath("parameter"));
    SavePortNumber(5);
    QCOMPARE(LoadPortNumber(), 5);
    // Installed in a system folder: never beside the program, even for a user who may write
    // there (root), where no package would know the file.
    qputenv("TALVO_PROGRAM_DIR", "/usr/bin");
    QCOMPARE(ParameterFilePath(), QDir(env.configDir()).filePath("parameter"));
}

void ShellSettingsTest::dataFileFilterInToolkitForm() {
    QCOMPARE(DataFileFilter(), QStringLiteral("DAT文件(*.dat);;AllFiles(*.*)"));
    QCOMPARE(ToQtFilter(QStringLiteral("Text|*.txt;*.log|")), QStringLiteral("Text (*.txt *.log)"));
}

void ShellSettingsTest::relockTiming_data() {
    QTest::addColumn<QList<double>>("clicks");
    QTest::addColumn<QList<bool>>("locks");
    QTest::newRow("two clicks 0.4 s apart")
        << QList<double>{100.2, 100.6} << QList<bool>{false, true};
    QTest::newRow("two clicks 1.5 s apart restart the timing")
        << QList<double>{100.2, 101.7, 101.9} << QList<bool>{false, false, true};
    // The first click is kept rounded to the nearest second: 10.6 is kept as 11, so 11.9 is
    // still within one second of it, and 10.4 (kept as 10) is not within reach of 11.3.
    QTest::newRow("rounded up keeps a longer window")
        << QList<double>{10.6, 11.9} << QList<bool>{false, true};
    QTest::newRow("rounded down shortens it")
        << QList<double>{10.4, 11.3, 11.5} << QList<bool>{false, false, true};
    QTest::newRow("after a lock the next click starts again")
        << QList<double>{50.0, 50.5, 50.7, 50.9} << QList<bool>{false, true, false, true};
}

void ShellSettingsTest::relockTiming() {
    QFETCH(QList<double>, clicks);
    QFETCH(QList<bool>, locks);
    RelockClicks button;
    for (qsizetype i = 0; i < clicks.size(); ++i) {
        QCOMPARE(button.click(clicks[i]), locks[i]);
    }
}

}  // namespace talvo

QTEST_MAIN(talvo::ShellSettingsTest)
#include "shell_settings_test.moc"
