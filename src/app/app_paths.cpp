#include "app/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace talvo {

QString ProgramFolder() {
    const QString over = qEnvironmentVariable("TALVO_PROGRAM_DIR");
    if (!over.isEmpty()) return QDir::cleanPath(over);
    return QCoreApplication::applicationDirPath();
}

QString ConfigFolder() {
    const QString over = qEnvironmentVariable("TALVO_CONFIG_DIR");
    if (!over.isEmpty()) return QDir::cleanPath(over);
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(base.isEmpty() ? QDir::homePath() + "/.config" : base).filePath("talvo");
}

}  // namespace talvo
