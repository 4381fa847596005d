// A program killed with SIGKILL after edits offers them back at its next start, byte for byte.
// The test runs this same program twice more as the window program (the start-up of main, the
// system's serial ports, the offscreen window system): once to edit with the mouse and the keys
// until the recovery copy is on disk, when it is killed, and once to answer the offer and save.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <csignal>
#include <cstdio>

#include "app/main_window.h"
#include "app/serial_link.h"
#include "app/startup.h"
#include "channel_view.h"
#include "editors/channels/channel_table_window.h"
#include "radio/codecs/data_file.h"
#include "support/modal_answerer.h"
#include "support/user_input.h"
#include "ui/local_msgbox.h"

namespace talvo {
namespace {

using testing::UserClick;
using testing::UserKey;
using testing::UserType;

void Say(const QString& line) {
    std::fprintf(stdout, "%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

// Clicks a channel's cell, which opens its editor, types `text` and ends with Enter.
void TypeIntoCell(MainWindow& w, int ch, int column, const QString& text) {
    QTableWidget* grid = w.channelWindow()->grid();
    QTableWidgetItem* item = grid->item(ch - 1, column);
    grid->scrollToItem(item);
    UserClick(grid->viewport(), grid->visualItemRect(item).center());
    UserType(text);
    UserKey(Qt::Key_Return);
}

// Edits the file given, says "ready" once the copy is on disk with what a save would write
// (kept in `expected`), then waits to be killed.
int EditUntilKept(const QString& source, const QString& expected) {
    Program program = StartProgram(CreateSystemSerialLink());
    ShowProgram(program, source);
    MainWindow& w = *program.window;
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w)) return 10;
    QSignalSpy kept(program.recovery.get(), &RecoveryKeeper::copyWritten);
    TypeIntoCell(w, 3, kColRxFreq, QStringLiteral("145.5"));
    TypeIntoCell(w, 7, kColRxFreq, QStringLiteral("146.025"));
    TypeIntoCell(w, 7, kColName, QStringLiteral("HOME"));
    if (!w.isWindowModified() || w.document().undoStack().count() < 3) return 11;
    // The keeper's own timer writes the copy.
    if (!kept.wait(60000)) return 12;
    ProgramState copy = w.document().state();
    if (SaveDataFile(copy, QFile::encodeName(expected).toStdString()) != Status::Ok) return 13;
    Say(QStringLiteral("ready"));
    return QApplication::exec();
}

// Answers the offer with Yes, reports what the window shows, saves and ends normally.
int RestoreAndSave(const QString& saveAs) {
    testing::ModalAnswerer answerer;
    answerer.answerId(IdYes);
    Program program = StartProgram(CreateSystemSerialLink());
    MainWindow& w = *program.window;
    QString proposed;
    w.setFileChooser([&](QWidget*, bool, const QString& folder, const QString&) {
        proposed = folder;
        return saveAs;
    });
    ShowProgram(program);
    if (!QTest::qWaitForWindowExposed(&w) || !answerer.waitAllAnswered()) return 20;
    Say(QStringLiteral("offers=%1").arg(answerer.seen().size()));
    Say(QStringLiteral("title=") + w.windowTitle());
    Say(QStringLiteral("modified=%1").arg(w.isWindowModified()));
    Say(QStringLiteral("steps=%1 %2")
            .arg(w.document().undoStack().count())
            .arg(w.document().undoStack().undoText()));
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w)) return 21;
    UserKey(Qt::Key_S, Qt::ControlModifier);
    Say(QStringLiteral("proposed=") + proposed);
    answerer.answerId(IdOk);  // the close question
    w.close();
    if (!answerer.waitAllAnswered()) return 22;
    program = {};
    return 0;
}

}  // namespace

class RecoveryCrashTest : public QObject {
    Q_OBJECT
  private:
    QProcess* child(QTemporaryDir& home, const QStringList& args) {
        auto* p = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"XDG_STATE_HOME", "XDG_DATA_HOME", "TALVO_CONFIG_DIR",
                                 "TALVO_PROGRAM_DIR", "XDG_CONFIG_HOME"}) {
            const QString dir = home.filePath(QString::fromLatin1(name));
            QDir().mkpath(dir);
            env.insert(QString::fromLatin1(name), dir);
        }
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QCoreApplication::applicationFilePath(), QStringList{"--child"} + args);
        return p;
    }
    static QByteArray Bytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

  private slots:
    void killedProgramsEditsComeBack() {
        QTemporaryDir home;
        const QString source = home.filePath("club.dat");
        ProgramState start = StartupState(kEnglish);
        start.channels.at(1).rx = start.channels.at(1).tx = FrequencyOrNone("146.52000");
        QCOMPARE(SaveDataFile(start, source.toStdString()), Status::Ok);
        const QString expected = home.filePath("expected.dat");
        const QString saved = home.filePath("saved.dat");
        const QString folder = home.filePath("XDG_STATE_HOME/talvo/recovery");

        QProcess* editor = child(home, {"edit", source, expected});
        QVERIFY(editor->waitForStarted());
        QVERIFY2(editor->waitForReadyRead(120000), "the editing program never kept a copy");
        QCOMPARE(editor->readLine().trimmed(), QByteArray("ready"));
        ::kill(static_cast<pid_t>(editor->processId()), SIGKILL);
        QVERIFY(editor->waitForFinished(30000));
        QCOMPARE(editor->exitStatus(), QProcess::CrashExit);

        // What the killed program left: a data file the command line reads, and its file's name.
        const QStringList copies = QDir(folder).entryList({"*.dat"}, QDir::Files);
        QCOMPARE(copies.size(), 1);
        const QString copy = QDir(folder).filePath(copies[0]);
        QCOMPARE(Bytes(copy), Bytes(expected));
        QCOMPARE(Bytes(QString(copy).replace(".dat", ".source")), source.toUtf8());
        QProcess cli;
        cli.start(QStringLiteral(TALVO_CLI_PATH), {"decode", copy});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        QVERIFY(cli.readAllStandardOutput().contains("146.025"));

        QProcess* restorer = child(home, {"restore", saved});
        QVERIFY(restorer->waitForFinished(120000));
        const QString out = QString::fromUtf8(restorer->readAllStandardOutput());
        QCOMPARE(restorer->exitCode(), 0);
        QVERIFY2(out.contains("offers=1\n"), qPrintable(out));
        QVERIFY2(out.contains("club.dat (recovered, unsaved)[*]\n"), qPrintable(out));
        QVERIFY2(out.contains("modified=1\n"), qPrintable(out));
        QVERIFY2(out.contains("steps=1 Restore unsaved changes\n"), qPrintable(out));
        QVERIFY2(out.contains("proposed=" + source + "\n"), qPrintable(out));
        QCOMPARE(Bytes(saved), Bytes(expected));
        QVERIFY(Bytes(saved) != Bytes(source));
        // A normal end leaves nothing behind.
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList());
    }
};

}  // namespace talvo

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.value(1) == QStringLiteral("--child")) {
        if (args.value(2) == QStringLiteral("edit")) return talvo::EditUntilKept(args[3], args[4]);
        if (args.value(2) == QStringLiteral("restore")) return talvo::RestoreAndSave(args[3]);
        return 2;
    }
    talvo::RecoveryCrashTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "recovery_crash_test.moc"
