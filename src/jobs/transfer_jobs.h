#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "jobs/job.h"
#include "radio/memory/block_plan.h"

namespace talvo::jobs {

using radio::kReadBlocks;

// What a write sends of the power calibration (blocks 0x7E0 and 0x7F0): only in the hidden debug
// mode, and never when the caller says so whatever that mode is (a fleet keeps each radio's own
// factory calibration).
struct WriteOptions {
    bool debugMode = false;
    bool leaveCalibrationOut = false;

    bool sendsCalibration() const { return debugMode && !leaveCalibrationOut; }
    // The blocks a write with these options sends, in order.
    std::vector<std::uint16_t> blocks() const;
};

// Reads the radio's memory; image() changes only when the read succeeds.
class ReadJob : public Job {
  public:
    const ImageBytes& image() const { return image_; }

  protected:
    void begin() override { read(Stage::Read, image_); }
    void transferDone(Stage) override { succeed(); }
    int plannedBlocks() const override;

  private:
    ImageBytes image_{};
};

// Wake-up and identification only, closed with "E": nothing of the memory moves.
class IdentifyJob : public Job {
  protected:
    void begin() override { identify(Stage::Identify); }
    void transferDone(Stage) override { succeed(); }
    int plannedBlocks() const override { return 0; }
};

// The plain write: `encode` runs right after the wake-up and returns the image to send.
class WriteJob : public Job {
  public:
    WriteJob(WriteOptions options, std::function<const ImageBytes&()> encode);

  protected:
    void begin() override;
    void transferDone(Stage) override { succeed(); }
    int plannedBlocks() const override;

  private:
    WriteOptions options_;
    std::function<const ImageBytes&()> encode_;
};

// Writes `image` byte for byte as it is (a backup goes back exactly as it was read), reads back
// and compares every byte written.
class RestoreJob : public Job {
  public:
    RestoreJob(const ImageBytes& image, WriteOptions options);
    const ImageBytes& readBack() const { return back_; }

  protected:
    void begin() override;
    void transferDone(Stage stage) override;
    int plannedBlocks() const override;

  private:
    ImageBytes image_;
    ImageBytes back_{};
    WriteOptions options_;
};

// Which image the radio was found to hold.
enum class VerifyMatch {
    None,
    FileBytes,   // the data file's own bytes
    WriteImage,  // what a write of the file sends
};

// Reads the radio and answers whether it holds a data file: its bytes, or what a write of it
// would send, compared over the bytes a write stores (`options`). A mismatch names the first
// difference from what a write would send.
class VerifyJob : public Job {
  public:
    VerifyJob(const ImageBytes& fileBytes, const ImageBytes& writeImage, WriteOptions options);
    const ImageBytes& held() const { return held_; }
    VerifyMatch match() const { return match_; }

  protected:
    void begin() override { read(Stage::Read, held_); }
    void transferDone(Stage stage) override;
    int plannedBlocks() const override;

  private:
    ImageBytes file_;
    ImageBytes wanted_;
    ImageBytes held_{};
    WriteOptions options_;
    VerifyMatch match_ = VerifyMatch::None;
};

// The ending of a job that compares what the radio holds with what it should: success, or a
// verify mismatch with the first differing address and the count.
Outcome CompareOutcome(const ImageBytes& expected, const ImageBytes& actual,
                       std::span<const std::uint16_t> blocks, Stage stage);

}  // namespace talvo::jobs
