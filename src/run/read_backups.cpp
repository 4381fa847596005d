#include "run/read_backups.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>

#include "radio/codecs/data_file.h"
#include "radio/codecs/file_io.h"

namespace talvo::run {

namespace {

constexpr int kKeptAlways = 10;
constexpr char kTimeFormat[] = "yyyy-MM-dd_HH-mm-ss";

const QRegularExpression& NamePattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(\d{4}-\d{2}-\d{2}_\d{2}-\d{2}-\d{2})(?:_(\d+))?\.dat$)"));
    return pattern;
}

}  // namespace

QString BackupFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/talvo/backups");
}

QDateTime BackupTime(const QString& fileName) {
    const QRegularExpressionMatch match = NamePattern().match(fileName);
    if (!match.hasMatch()) return {};
    return QDateTime::fromString(match.captured(1), QString::fromLatin1(kTimeFormat));
}

SavedBackup SaveUnderFreeName(const QString& folderPath, const QString& stem, const QString& suffix,
                              std::span<const std::uint8_t> bytes) {
    const QDir folder(folderPath);
    if (!QDir().mkpath(folder.path())) return {Status::CannotWrite, folder.path()};
    // The file is written whole under a temporary name, then given a name no file has:
    // a rename that never replaces (QFile::rename refuses an existing target).
    const QString temporary = folder.filePath(QStringLiteral(".incoming-") + stem + suffix);
    if (WriteFileAtomically(QFile::encodeName(temporary).toStdString(), bytes) != Status::Ok)
        return {Status::CannotWrite, temporary};
    for (int n = 1; n < 1000; ++n) {
        const QString name = n == 1 ? stem + suffix : stem + QStringLiteral("_%1").arg(n) + suffix;
        const QString target = folder.filePath(name);
        if (QFileInfo::exists(target)) continue;
        if (QFile::rename(temporary, target)) return {Status::Ok, target};
    }
    QFile::remove(temporary);
    return {Status::CannotWrite, folder.filePath(stem + suffix)};
}

SavedBackup SaveBackup(const ImageBytes& image, const QDateTime& when) {
    const auto bytes = SerializeDataFile(image);
    return SaveUnderFreeName(BackupFolder(), when.toString(QString::fromLatin1(kTimeFormat)),
                             QStringLiteral(".dat"), bytes);
}

std::vector<BackupFile> ListBackups() {
    std::vector<BackupFile> list;
    const QDir folder(BackupFolder());
    for (const QFileInfo& info : folder.entryInfoList({QStringLiteral("*.dat")}, QDir::Files)) {
        const QDateTime time = BackupTime(info.fileName());
        if (time.isValid()) list.push_back({info.absoluteFilePath(), time});
    }
    // Newest first; of two in the same second, the later suffix first.
    std::sort(list.begin(), list.end(), [](const BackupFile& a, const BackupFile& b) {
        if (a.time != b.time) return a.time > b.time;
        const auto suffix = [](const QString& path) {
            return NamePattern().match(QFileInfo(path).fileName()).captured(2).toInt();
        };
        return suffix(a.path) > suffix(b.path);
    });
    return list;
}

int PruneBackups(const QDateTime& now) {
    const std::vector<BackupFile> list = ListBackups();
    const QDateTime limit = now.addYears(-1);
    int removed = 0;
    for (std::size_t i = kKeptAlways; i < list.size(); ++i) {
        if (list[i].time < limit && QFile::remove(list[i].path)) ++removed;
    }
    return removed;
}

}  // namespace talvo::run
