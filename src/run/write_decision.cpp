#include "run/write_decision.h"

#include <QFile>

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
    if (!step.mayWrite() || (ask && !ask(step.kept.path))) {
        job.decline();
    } else {
        job.proceed();
    }
    return step;
}

}  // namespace talvo::run
