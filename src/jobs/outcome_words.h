#pragma once

#include <string>

#include "jobs/outcome.h"
#include "jobs/transfer_jobs.h"
#include "model/text.h"

namespace talvo::jobs {

// The words of the jobs: one table, keyed. Placeholders %1, %2 take the
// arguments in order.
enum class Words {
    TimedOutAtStep,  // %1 step
    RefusedAtStep,   // %1 step
    WrongIdentification,
    UnexpectedReplyAtStep,  // %1 step
    TransferStopped,        // the window's sentence for a cancelled transfer
    TransferCancelled,      // talvo-cli's line
    Difference,             // %1 address, %2 count; the window's sentence, one byte
    DifferencePlural,       // %1 address, %2 count
    DifferenceLine,         // talvo-cli's line, one byte
    DifferenceLinePlural,
    StoppedAtBlock,  // %1 address
    StoppedBeforeData,
    HoldsFileBytes,
    HoldsWriteImage,
    StageIdentify,  // the stages, as a progress bar names them
    StageRead,
    StageBackup,
    StageWrite,
    StageReadBack,
};

::talvo::Message Text(Words key);
::talvo::Message Text(Words key, const std::string& a1, const std::string& a2 = {});

// "0x097".
std::string AddressText(std::size_t address);

// Why a job did not end well, as one sentence for a message box (an empty literal for
// success). A port error gives the port's reason and its own words.
::talvo::Message OutcomeSentence(const Outcome& outcome);
// The same as one line for talvo-cli: a failed exchange is the communication error, followed
// by what was particular about it.
::talvo::Message OutcomeLine(const Outcome& outcome);
// Where a write that stopped stood (the block sent last).
::talvo::Message StoppedAtSentence(const Outcome& outcome);
// Which image a verify found in the radio.
::talvo::Message MatchSentence(VerifyMatch match);
::talvo::Message StageName(Stage stage);

}  // namespace talvo::jobs
