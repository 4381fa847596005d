#pragma once

#include <string>

#include "jobs/outcome.h"
#include "jobs/transfer_jobs.h"
#include "model/status.h"
#include "model/text.h"

// Every outcome the program reports, put into words here and nowhere else: the reasons of
// model/status.h, how a transfer job ended (as the window says it and as talvo-cli says it), the
// checked write's steps, and how each radio of a fleet run ended. The window, talvo-cli and the
// fleet all take their messages from here.

namespace talvo {

// One line describing the failure; `subject` is the file or device.
Message StatusMessage(Status status, const std::string& subject = {});

}  // namespace talvo

namespace talvo::jobs {

// The words of the jobs, keyed. Placeholders %1, %2 take the arguments in order.
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

// Two sentences in a row: a space between them, none in Chinese.
::talvo::Message Then(::talvo::Message first, ::talvo::Message second);

// Why a job did not end well, as one sentence for a message box (an empty literal for
// success). A port error gives the port's reason and its own words.
::talvo::Message OutcomeSentence(const Outcome& outcome);
// The same as one line for talvo-cli: a failed exchange is the communication error, followed
// by what was particular about it. A port error names `device`, then gives `diagnosis` (why the
// port cannot be used and how to mend it) when there is one, else the port's own words.
::talvo::Message OutcomeLine(const Outcome& outcome, const std::string& device = {},
                             const ::talvo::Message& diagnosis = ::talvo::Message::Literal({}));
// Where a write that stopped stood (the block sent last).
::talvo::Message StoppedAtSentence(const Outcome& outcome);
// Which image a verify found in the radio.
::talvo::Message MatchSentence(VerifyMatch match);
::talvo::Message StageName(Stage stage);

// What the window says after a transfer that ended well.
enum class Done {
    Read,
    Write,
    CheckedWrite,  // written, read back and compared
    Restore,       // a backup written back and verified
};
::talvo::Message DoneSentence(Done done);

// The window's message for a transfer that failed: the communication error, then why the port
// (named `port`, as the port menu shows it) failed, the port's own words, and what did not fit
// the exchange. Empty for a cancelled transfer, which the user asked for.
::talvo::Message FailureMessage(const Outcome& outcome, const std::string& port);

// What went wrong after a checked write began (its write or read-back stage), and after a
// backup was written back: the reason first, then the particulars.
::talvo::Message CheckedWriteProblem(const Outcome& outcome);
::talvo::Message RestoreProblem(const Outcome& outcome);

// "written and verified", "not this model of radio: nothing written", ... for a person (the
// fleet report keeps fleet::OutcomeName).
::talvo::Message FleetOutcomeText(FleetOutcome outcome);

}  // namespace talvo::jobs
