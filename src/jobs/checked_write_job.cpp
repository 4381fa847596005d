#include "jobs/checked_write_job.h"

#include "compare/byte_compare.h"

namespace talvo::jobs {

CheckedWriteJob::CheckedWriteJob(const ImageBytes& image, CheckedWriteOptions options)
    : image_(image), options_(options) {}

void CheckedWriteJob::begin() {
    if (options_.identifyFirst) {
        identify(Stage::Identify);
    } else {
        afterIdentify();
    }
}

void CheckedWriteJob::afterIdentify() {
    if (options_.backupFirst) {
        read(Stage::Backup, backup_);
    } else {
        startWrite();
    }
}

void CheckedWriteJob::transferDone(Stage stage) {
    switch (stage) {
        case Stage::Identify:
            afterIdentify();
            return;
        case Stage::Backup:
            hasBackup_ = true;
            if (options_.askBeforeWriting) {
                waitForDecision();
            } else {
                startWrite();
            }
            return;
        case Stage::Write:
            if (options_.readBack) {
                read(Stage::ReadBack, back_);
            } else {
                succeed();
            }
            return;
        default:
            break;
    }
    const auto blocks = options_.write.blocks();
    fail(CompareOutcome(image_, back_, blocks, Stage::ReadBack));
}

void CheckedWriteJob::proceed() {
    if (awaitingDecision()) startWrite();
}

void CheckedWriteJob::decline() {
    if (awaitingDecision()) cancel();
}

void CheckedWriteJob::startWrite() {
    writeBegan_ = true;
    write(Stage::Write, options_.write.sendsCalibration(),
          [this]() -> const ImageBytes& { return image_; });
}

ImageBytes CheckedWriteJob::expectedAfter() const {
    const auto blocks = options_.write.blocks();
    return compare::OverlayBlocks(backup_, image_, blocks);
}

int CheckedWriteJob::plannedBlocks() const {
    return (options_.backupFirst ? kReadBlocks : 0) +
           static_cast<int>(options_.write.blocks().size()) + (options_.readBack ? kReadBlocks : 0);
}

}  // namespace talvo::jobs
