#pragma once

#include "jobs/transfer_jobs.h"

namespace talvo::jobs {

struct CheckedWriteOptions {
    WriteOptions write;
    // Wake the radio and check its identification in an exchange of its own before the backup
    // is read (a radio that is not this one is never read or written).
    bool identifyFirst = false;
    // Read and keep what the radio holds before writing.
    bool backupFirst = true;
    // Stop after the backup until proceed() or decline(): the user sees what will change.
    bool askBeforeWriting = true;
    // Read back after the write and compare.
    bool readBack = true;
};

// The checked write: read what the radio holds (the backup), then (after proceed()) write
// `image`, read it back and compare byte for byte over every byte sent. The options can leave
// out the backup or the read-back (talvo-cli write without --backup or --verify). When it fails
// after the backup, the backup can go back with a RestoreJob.
//
// Keeping the backup on disk is the caller's: at the decision point (or, without a decision,
// when the Write stage starts) backup() holds it.
class CheckedWriteJob : public Job {
  public:
    CheckedWriteJob(const ImageBytes& image, CheckedWriteOptions options);

    // At the decision: go on with the write, or stop (the job ends as cancelled, nothing written).
    void proceed();
    void decline();

    const ImageBytes& image() const { return image_; }
    // What the radio held before; valid once the Backup stage finished.
    const ImageBytes& backup() const { return backup_; }
    bool hasBackup() const { return hasBackup_; }
    // What the radio holds after a write that stored every block.
    ImageBytes expectedAfter() const;
    const ImageBytes& readBack() const { return back_; }
    const CheckedWriteOptions& options() const { return options_; }
    // The write began: the radio may hold part of the image, so a failure should offer the backup.
    bool writeBegan() const { return writeBegan_; }

  protected:
    void begin() override;
    void transferDone(Stage stage) override;
    int plannedBlocks() const override;

  private:
    void afterIdentify();
    void startWrite();

    ImageBytes image_;
    CheckedWriteOptions options_;
    ImageBytes backup_{};
    ImageBytes back_{};
    bool hasBackup_ = false;
    bool writeBegan_ = false;
};

}  // namespace talvo::jobs
