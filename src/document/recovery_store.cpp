#include "document/recovery_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSet>
#include <algorithm>
#include <vector>

#include "radio/codecs/data_file.h"
#include "radio/codecs/file_io.h"

namespace talvo {
namespace {

const QString kData = QStringLiteral(".dat");
const QString kSource = QStringLiteral(".source");
const QString kLock = QStringLiteral(".lock");

std::string Native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// A lock held for the life of a program: never taken over for its age, only when the program
// that holds it no longer runs.
std::unique_ptr<QLockFile> TryLock(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return nullptr;
    return lock;
}

void RemoveFiles(const QString& base) {
    QFile::remove(base + kData);
    QFile::remove(base + kSource);
}

}  // namespace

QString RecoveryFolder() {
    // The XDG rule: a relative value is ignored.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state)) state = QDir::homePath() + "/.local/state";
    return QDir::cleanPath(state + QStringLiteral("/talvo/recovery"));
}

OwnRecoveryCopy::OwnRecoveryCopy(const QString& folder) {
    // Unique even where an earlier program of the same process number left its files.
    const QString id = QStringLiteral("%1-%2")
                           .arg(QCoreApplication::applicationPid())
                           .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    base_ = QDir(folder).filePath(id);
}

OwnRecoveryCopy::~OwnRecoveryCopy() {
    remove();
    if (lock_) lock_->unlock();
}

QString OwnRecoveryCopy::dataPath() const {
    return base_ + kData;
}

Status OwnRecoveryCopy::write(std::span<const std::uint8_t> dataFile, const QString& sourceFile) {
    if (!lock_) {
        const QString folder = QFileInfo(base_).absolutePath();
        // The copies hold the user's settings (a power-on password too): for the user alone.
        if (!QDir().mkpath(folder)) return Status::CannotWrite;
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        lock_ = TryLock(base_ + kLock);
        if (!lock_) return Status::CannotWrite;
    }
    // The name first: a data file never stands beside the name of another document.
    const QByteArray name = sourceFile.toUtf8();
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(name.constData());
    const Status named = WriteFileAtomically(
        Native(base_ + kSource), std::span(bytes, static_cast<std::size_t>(name.size())));
    if (named != Status::Ok) return named;
    return WriteFileAtomically(Native(base_ + kData), dataFile);
}

void OwnRecoveryCopy::remove() {
    if (lock_) RemoveFiles(base_);
}

LeftCopy::LeftCopy(QString base, std::unique_ptr<QLockFile> lock)
    : base_(std::move(base)), lock_(std::move(lock)) {}

LeftCopy::~LeftCopy() {
    if (lock_) lock_->unlock();
}

QString LeftCopy::dataPath() const {
    return base_ + kData;
}

QString LeftCopy::sourceFile() const {
    QFile file(base_ + kSource);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QDateTime LeftCopy::written() const {
    return QFileInfo(dataPath()).lastModified();
}

Status LeftCopy::read(ImageBytes& image) const {
    std::vector<std::uint8_t> bytes;
    const Status status = ReadFileBytes(Native(dataPath()), bytes, kDataFileSize);
    if (status != Status::Ok) return status;
    return ParseDataFile(bytes, image);
}

void LeftCopy::discard() {
    RemoveFiles(base_);
    lock_->unlock();  // removes the lock file
    lock_.reset();
}

QString LeftCopy::setAside() {
    const QString aside = base_ + QStringLiteral(".unreadable");
    QFile::remove(aside);
    QFile::rename(dataPath(), aside);
    QFile::remove(base_ + kSource);
    lock_->unlock();
    lock_.reset();
    return aside;
}

std::vector<std::unique_ptr<LeftCopy>> FindLeftCopies(const QString& folder) {
    const QDir dir(folder);
    QSet<QString> ids;
    const QStringList names = dir.entryList({"*" + kData, "*" + kLock, "*" + kSource}, QDir::Files);
    for (const QString& name : names) ids.insert(QFileInfo(name).completeBaseName());
    std::vector<std::unique_ptr<LeftCopy>> found;
    for (const QString& id : ids) {
        const QString base = dir.filePath(id);
        std::unique_ptr<QLockFile> lock = TryLock(base + kLock);
        if (!lock) continue;  // its program still runs
        if (!QFileInfo::exists(base + kData)) {
            RemoveFiles(base);
            lock->unlock();
            continue;
        }
        found.push_back(std::make_unique<LeftCopy>(base, std::move(lock)));
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a->written() > b->written(); });
    return found;
}

}  // namespace talvo
