#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <span>
#include <vector>

#include "model/status.h"
#include "radio/state/program_state.h"

namespace talvo::run {

// Every successful read of the radio is also kept as a data file in the user's data folder
// (talvo/backups under the XDG data home, ~/.local/share by default), named by the local date
// and time of the read: "2026-12-07_23-52-40.dat", "..._2.dat" when that name is taken. A
// backup is never overwritten.

// The folder (it may not exist yet).
QString BackupFolder();

struct SavedBackup {
    Status status = Status::Ok;
    QString path;  // the file written, or the one that could not be
};

// Writes `bytes` into `folder` (made when missing) as "<stem><suffix>", or "<stem>_2<suffix>" and
// so on when that name is taken: complete or not at all, and never over another file.
SavedBackup SaveUnderFreeName(const QString& folder, const QString& stem, const QString& suffix,
                              std::span<const std::uint8_t> bytes);

// Writes the image as a data file, complete or not at all.
SavedBackup SaveBackup(const ImageBytes& image,
                       const QDateTime& when = QDateTime::currentDateTime());

struct BackupFile {
    QString path;
    QDateTime time;  // from the name
};

// The backups in the folder, newest first. Files whose names are not backup names are left out.
std::vector<BackupFile> ListBackups();

// Removes the backups older than a year, but never one of the newest ten. Returns how many
// were removed.
int PruneBackups(const QDateTime& now = QDateTime::currentDateTime());

// The time a backup name stands for; invalid for any other name.
QDateTime BackupTime(const QString& fileName);

}  // namespace talvo::run
