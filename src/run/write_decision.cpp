#include "run/write_decision.h"

#include <QFile>

#include "jobs/backup_decision.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/file_io.h"

namespace talvo::run {

BackupStep KeepBackupThenDecide(jobs::CheckedWriteJob& job,
                                const std::function<bool(const QString&)>& ask,
                                const QString& ownCopy) {
    BackupStep step;
    const SavedBackup inFolder = SaveBackup(job.backup());
    if (ownCopy.isEmpty()) {
        step.kept = inFolder;
    } else {
        step.folderCopy = inFolder;
        step.kept.path = ownCopy;
        step.kept.status = WriteFileAtomically(QFile::encodeName(ownCopy).toStdString(),
                                               SerializeDataFile(job.backup()));
    }
    jobs::DecideAfterBackup(
        job, step.mayWrite(),
        ask ? std::function<bool()>([&] { return ask(step.kept.path); }) : std::function<bool()>());
    return step;
}

}  // namespace talvo::run
