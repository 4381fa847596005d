#include "jobs/transfer_jobs.h"

#include "compare/byte_compare.h"
#include "radio/memory/block_plan.h"

namespace talvo::jobs {

namespace {

int WriteBlocks(const WriteOptions& options) {
    return static_cast<int>(options.blocks().size());
}

}  // namespace

std::vector<std::uint16_t> WriteOptions::blocks() const {
    return radio::WriteBlockSequence(sendsCalibration());
}

Outcome CompareOutcome(const ImageBytes& expected, const ImageBytes& actual,
                       std::span<const std::uint16_t> blocks, Stage stage) {
    const compare::ByteDifference difference = compare::CompareBlocks(expected, actual, blocks);
    Outcome outcome;
    outcome.stage = stage;
    if (difference.same()) return outcome;
    outcome.kind = Outcome::Kind::VerifyMismatch;
    outcome.firstAddress = difference.firstAddress;
    outcome.count = difference.count;
    return outcome;
}

int ReadJob::plannedBlocks() const {
    return kReadBlocks;
}

WriteJob::WriteJob(WriteOptions options, std::function<const ImageBytes&()> encode)
    : options_(options), encode_(std::move(encode)) {}

void WriteJob::begin() {
    write(Stage::Write, options_.sendsCalibration(), encode_);
}

int WriteJob::plannedBlocks() const {
    return WriteBlocks(options_);
}

RestoreJob::RestoreJob(const ImageBytes& image, WriteOptions options)
    : image_(image), options_(options) {}

void RestoreJob::begin() {
    write(Stage::Write, options_.sendsCalibration(),
          [this]() -> const ImageBytes& { return image_; });
}

void RestoreJob::transferDone(Stage stage) {
    if (stage == Stage::Write) {
        read(Stage::ReadBack, back_);
        return;
    }
    const auto blocks = options_.blocks();
    fail(CompareOutcome(image_, back_, blocks, Stage::ReadBack));
}

int RestoreJob::plannedBlocks() const {
    return WriteBlocks(options_) + kReadBlocks;
}

VerifyJob::VerifyJob(const ImageBytes& fileBytes, const ImageBytes& writeImage,
                     WriteOptions options)
    : file_(fileBytes), wanted_(writeImage), options_(options) {}

void VerifyJob::transferDone(Stage) {
    const auto blocks = options_.blocks();
    if (compare::CompareBlocks(file_, held_, blocks).same()) {
        match_ = VerifyMatch::FileBytes;
    } else if (compare::CompareBlocks(wanted_, held_, blocks).same()) {
        match_ = VerifyMatch::WriteImage;
    }
    if (match_ != VerifyMatch::None) {
        succeed();
        return;
    }
    fail(CompareOutcome(wanted_, held_, blocks, Stage::Read));
}

int VerifyJob::plannedBlocks() const {
    return kReadBlocks;
}

}  // namespace talvo::jobs
