#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "jobs/checked_write_job.h"
#include "run/read_backups.h"

namespace talvo::run {

// What the backup step of a checked write kept.
struct BackupStep {
    // The copy the write depends on: its status and where it went (or could not go).
    SavedBackup kept;
    // With a copy of the caller's own, the one in the backups folder as well; its failure is
    // only worth a warning.
    std::optional<SavedBackup> folderCopy;

    bool mayWrite() const { return kept.status == Status::Ok; }
};

// The step between a checked write's backup read and its write, the same in the window,
// talvo-cli and the fleet: nothing is written until what the radio held is safe on disk.
// The backup goes into the backups folder, or, with `ownCopy`, into that file (the backups
// folder getting a copy too). When the copy the write depends on cannot be written, the job is
// declined; otherwise `ask` (given where the backup is) says whether to go on, and without
// `ask` the write goes ahead. Call it while the job awaits its decision.
BackupStep KeepBackupThenDecide(jobs::CheckedWriteJob& job,
                                const std::function<bool(const QString& backup)>& ask = {},
                                const QString& ownCopy = {});

}  // namespace talvo::run
