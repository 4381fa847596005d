#include "app/checked_write_setting.h"

#include <QDir>
#include <QSettings>

#include "app/app_paths.h"

namespace talvo {

namespace {

constexpr char kKey[] = "CheckedWrite";

QString SettingsPath() {
    return QDir(ConfigFolder()).filePath(QStringLiteral("safety.ini"));
}

}  // namespace

bool LoadCheckedWrite() {
    const QSettings settings(SettingsPath(), QSettings::IniFormat);
    return settings.value(kKey, true).toBool();
}

void SaveCheckedWrite(bool on) {
    QDir().mkpath(ConfigFolder());
    QSettings settings(SettingsPath(), QSettings::IniFormat);
    settings.setValue(kKey, on);
    settings.sync();
}

}  // namespace talvo
