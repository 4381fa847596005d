#include "app/demo_radio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "lang/catalogue.h"

namespace talvo {

QString DemoRadio::programPath() {
    const QString over = qEnvironmentVariable("TALVO_SIM_PATH");
    if (!over.isEmpty()) return over;
    const QDir here(QCoreApplication::applicationDirPath());
    // Beside the program (a build), in the package's helper folder, in the build tree.
    for (const QString& candidate :
         {here.filePath("talvo-radio-sim"), here.filePath("../libexec/talvo/talvo-radio-sim"),
          here.filePath("../../tools/radio-sim/talvo-radio-sim")}) {
        if (QFileInfo(candidate).isExecutable()) return QDir::cleanPath(candidate);
    }
    return QStandardPaths::findExecutable("talvo-radio-sim");
}

DemoRadio::~DemoRadio() {
    stop();
}

bool DemoRadio::start(const QStringList& arguments, QString* error, Language lang) {
    const QString program = programPath();
    if (program.isEmpty()) {
        if (error)
            *error = Tr(TALVO_TEXT("DemoRadio", "%1 was not found"), lang)
                         .arg(QStringLiteral("talvo-radio-sim"));
        return false;
    }
    process_.setProgram(program);
    process_.setArguments(arguments);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start();
    if (!process_.waitForStarted(5000)) {
        if (error) *error = program + QStringLiteral(": ") + process_.errorString();
        return false;
    }
    // The first line it prints names its pseudo-terminal.
    while (!process_.canReadLine() && process_.state() == QProcess::Running) {
        if (!process_.waitForReadyRead(5000)) break;
    }
    device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    if (device_.isEmpty()) {
        if (error)
            *error = Tr(TALVO_TEXT("DemoRadio", "%1 did not name its device"), lang).arg(program);
        stop();
        return false;
    }
    return true;
}

void DemoRadio::stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.closeWriteChannel();
    if (!process_.waitForFinished(3000)) {
        process_.terminate();
        if (!process_.waitForFinished(2000)) process_.kill();
        process_.waitForFinished(1000);
    }
}

}  // namespace talvo
