#include "app/settings_store.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QVariant>
#include <cstdint>
#include <limits>

#include "app/app_paths.h"

namespace talvo {
namespace {

constexpr const char* kLanguageKey = "RQZ-DW/BinaryValue";
constexpr const char* kFurtherLanguageKey = "Language/Further";
constexpr const char* kLastFolderKey = "Files/LastFolder";
constexpr const char* kFleetSocketsKey = "Fleet/Sockets";

}  // namespace

QString LanguageStorePath() {
    return QDir(ConfigFolder()).filePath("talvo.ini");
}

namespace {

// A folder the system's packages own (/usr/bin, /bin, ...): even a user who may write there
// (root) must not leave files in it that no package knows.
bool SystemProgramFolder(const QString& folder) {
    const QString path = QFileInfo(folder).canonicalFilePath();
    return path.startsWith(QStringLiteral("/usr/")) || path == QStringLiteral("/bin") ||
           path == QStringLiteral("/sbin");
}

}  // namespace

QString ParameterFilePath() {
    const QString program = ProgramFolder();
    const QFileInfo folder(program);
    if (folder.isDir() && folder.isWritable() && !SystemProgramFolder(program))
        return QDir(program).filePath("parameter");
    return QDir(ConfigFolder()).filePath("parameter");
}

QString LoadLanguage() {
    if (!QFileInfo::exists(LanguageStorePath())) return {};
    QSettings store(LanguageStorePath(), QSettings::IniFormat);
    const QVariant value = store.value(kLanguageKey);
    switch (value.typeId()) {
        case QMetaType::QString: {
            const QString text = value.toString();
            const qsizetype nul = text.indexOf(QChar(0));
            return nul < 0 ? text : text.left(nul);
        }
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            if (bytes.isEmpty()) return {};
            const auto lo = static_cast<std::uint8_t>(bytes[0]);
            const auto hi = bytes.size() > 1 ? static_cast<std::uint8_t>(bytes[1]) : 0;
            return QString::number(static_cast<std::int16_t>(lo | (hi << 8)));
        }
        default:
            return {};
    }
}

void SaveLanguageFlag(LanguageFlagValue flag) {
    QDir().mkpath(ConfigFolder());
    QSettings store(LanguageStorePath(), QSettings::IniFormat);
    QByteArray bytes(4, '\0');
    bytes[0] = static_cast<char>(flag & 0xFF);
    store.setValue(kLanguageKey, bytes);
    store.sync();
}

void SaveLanguage(Language lang, const QStringList& further) {
    SaveLanguageFlag(LanguageFlagOf(lang));
    const QString code = QString::fromLatin1(lang.code());
    SaveFurtherLanguage(further.contains(code) ? code : QString());
}

QString LoadFurtherLanguage() {
    if (!QFileInfo::exists(LanguageStorePath())) return {};
    QSettings store(LanguageStorePath(), QSettings::IniFormat);
    return store.value(kFurtherLanguageKey).toString();
}

void SaveFurtherLanguage(const QString& code) {
    QDir().mkpath(ConfigFolder());
    QSettings store(LanguageStorePath(), QSettings::IniFormat);
    if (code.isEmpty()) {
        store.remove(kFurtherLanguageKey);
    } else {
        store.setValue(kFurtherLanguageKey, code);
    }
    store.sync();
}

QString LoadLastFolder() {
    if (!QFileInfo::exists(LanguageStorePath())) return {};
    QSettings store(LanguageStorePath(), QSettings::IniFormat);
    return store.value(kLastFolderKey).toString();
}

void SaveLastFolder(const QString& folder) {
    QDir().mkpath(ConfigFolder());
    QSettings store(LanguageStorePath(), QSettings::IniFormat);
    store.setValue(kLastFolderKey, folder);
    store.sync();
}

QStringList LoadFleetSockets() {
    if (!QFileInfo::exists(LanguageStorePath())) return {};
    QSettings store(LanguageStorePath(), QSettings::IniFormat);
    return store.value(kFleetSocketsKey).toStringList();
}

void SaveFleetSockets(const QStringList& sockets) {
    QDir().mkpath(ConfigFolder());
    QSettings store(LanguageStorePath(), QSettings::IniFormat);
    store.setValue(kFleetSocketsKey, sockets);
    store.sync();
}

LanguageFlagValue LanguageFlagFromText(const QString& text) {
    if (text.isEmpty()) return LanguageFlagOf(kEnglish);
    const QString t = text.trimmed();
    bool ok = false;
    qint64 number = t.toLongLong(&ok);
    if (!ok) {
        const double d = t.toDouble(&ok);
        if (!ok || d < std::numeric_limits<qint32>::min() ||
            d > std::numeric_limits<qint32>::max()) {
            return LanguageFlagOf(kChinese);
        }
        number = qRound64(d);
    }
    if (number < std::numeric_limits<qint32>::min() ||
        number > std::numeric_limits<qint32>::max()) {
        return LanguageFlagOf(kChinese);
    }
    // The last hexadecimal digit of the two's-complement form.
    const auto digit = static_cast<LanguageFlagValue>(static_cast<std::uint32_t>(number) & 0xF);
    return digit >= 10 ? LanguageFlagOf(kChinese) : digit;
}

int LoadPortNumber() {
    QFile file(ParameterFilePath());
    if (!file.exists()) {
        QDir().mkpath(QFileInfo(file).absolutePath());
        file.open(QIODevice::WriteOnly | QIODevice::Append);  // creates it empty
        return 0;
    }
    if (!file.open(QIODevice::ReadOnly)) return 0;
    char byte = 0;
    if (file.read(&byte, 1) != 1) return 0;
    return static_cast<std::uint8_t>(byte);
}

void SavePortNumber(int portNumber) {
    QFile file(ParameterFilePath());
    QDir().mkpath(QFileInfo(file).absolutePath());
    // ReadWrite neither truncates nor appends: only byte 0 changes.
    if (!file.open(QIODevice::ReadWrite)) return;
    const char byte = static_cast<char>(static_cast<std::uint8_t>(portNumber));
    file.seek(0);
    file.write(&byte, 1);
}

QStringList LoadRecentFiles() {
    const QString path = QDir(ConfigFolder()).filePath("recent.ini");
    if (!QFileInfo::exists(path)) return {};
    return QSettings(path, QSettings::IniFormat).value("RecentFiles").toStringList();
}

void SaveRecentFiles(const QStringList& paths) {
    QSettings store(QDir(ConfigFolder()).filePath("recent.ini"), QSettings::IniFormat);
    store.setValue("RecentFiles", paths);
}

}  // namespace talvo
