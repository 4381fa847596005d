#include "jobs/outcome_words.h"

#include <array>
#include <cstdio>

namespace talvo {

Message StatusMessage(Status status, const std::string& subject) {
    const Message s = subject.empty() ? Message::Literal({})
                                      : Message(TALVO_TEXT("OutcomeWords", "\"%1\""),
                                                {Message::Literal(subject)});
    const auto w = [&](const Text& t) { return Message(t, {s}); };
    switch (status) {
        case Status::Ok:
            return w(TALVO_TEXT("OutcomeWords", "Success"));
        case Status::FileNotFound:
            return w(TALVO_TEXT("OutcomeWords", "The file %1 does not exist."));
        case Status::CannotRead:
            return w(TALVO_TEXT("OutcomeWords", "The file %1 cannot be read."));
        case Status::CannotWrite:
            return w(
                TALVO_TEXT("OutcomeWords", "The file %1 cannot be written; nothing was saved."));
        case Status::WrongFileType:
            return w(TALVO_TEXT("OutcomeWords", "File type is incorrect!"));
        case Status::Truncated:
            return w(TALVO_TEXT("OutcomeWords",
                                "The file %1 is too short (a data file has 3120 bytes)."));
        case Status::PortCannotOpen:
            return w(TALVO_TEXT("OutcomeWords", "The serial port %1 cannot be opened."));
        case Status::PermissionDenied:
            return w(
                TALVO_TEXT("OutcomeWords",
                           "No permission to open the serial port %1. On Linux add your user to "
                           "the dialout group (sudo usermod -aG dialout $USER) and log in again."));
        case Status::TimedOut:
            return w(TALVO_TEXT(
                "OutcomeWords",
                "Communication error, check the line and the serial connection selection!"));
        case Status::RefusedByRadio:
            return w(TALVO_TEXT("OutcomeWords", "The radio refused the written data."));
    }
    return Message::Literal({});
}

}  // namespace talvo

namespace talvo::jobs {

namespace {

struct Entry {
    Words key;
    ::talvo::Text text;
};

constexpr std::array kTable = {
    Entry{Words::TimedOutAtStep,
          TALVO_TEXT("OutcomeWords", "The radio stopped answering at step %1.")},
    Entry{Words::RefusedAtStep,
          TALVO_TEXT("OutcomeWords", "The radio refused the written data at step %1.")},
    Entry{Words::WrongIdentification,
          TALVO_TEXT("OutcomeWords", "The radio answered with another model's identification.")},
    Entry{Words::UnexpectedReplyAtStep,
          TALVO_TEXT("OutcomeWords", "The radio's answer at step %1 does not fit the exchange.")},
    Entry{Words::TransferStopped, TALVO_TEXT("OutcomeWords", "The transfer was stopped.")},
    Entry{Words::TransferCancelled, TALVO_TEXT("OutcomeWords", "The transfer was cancelled.")},
    Entry{Words::Difference,
          TALVO_TEXT("OutcomeWords", "First difference at address %1; %2 byte differs.")},
    Entry{Words::DifferencePlural,
          TALVO_TEXT("OutcomeWords", "First difference at address %1; %2 bytes differ.")},
    Entry{Words::DifferenceLine,
          TALVO_TEXT(
              "OutcomeWords",
              "the radio does not hold what was written: first difference at %1, %2 byte differs")},
    Entry{Words::DifferenceLinePlural,
          TALVO_TEXT(
              "OutcomeWords",
              "the radio does not hold what was written: first difference at %1, %2 bytes differ")},
    Entry{Words::StoppedAtBlock, TALVO_TEXT("OutcomeWords",
                                            "The write stopped at the block at address %1; the "
                                            "radio may hold a partly written configuration.")},
    Entry{Words::StoppedBeforeData,
          TALVO_TEXT("OutcomeWords", "The write stopped before any data was sent.")},
    Entry{Words::HoldsFileBytes, TALVO_TEXT("OutcomeWords", "The radio holds the file's bytes.")},
    Entry{Words::HoldsWriteImage,
          TALVO_TEXT("OutcomeWords", "The radio holds what a write of the file sends.")},
    Entry{Words::StageIdentify, TALVO_TEXT("OutcomeWords", "Identifying")},
    Entry{Words::StageRead, TALVO_TEXT("OutcomeWords", "Reading")},
    Entry{Words::StageBackup, TALVO_TEXT("OutcomeWords", "Backing up")},
    Entry{Words::StageWrite, TALVO_TEXT("OutcomeWords", "Writing")},
    Entry{Words::StageReadBack, TALVO_TEXT("OutcomeWords", "Verifying")},
};

}  // namespace

using ::talvo::Message;

Message Text(Words key) {
    for (const Entry& entry : kTable) {
        if (entry.key == key) return entry.text;
    }
    return Message::Literal({});
}

Message Text(Words key, const std::string& a1, const std::string& a2) {
    Message m = Text(key);
    m.args = {Message::Literal(a1), Message::Literal(a2)};
    return m;
}

Message Then(Message first, Message second) {
    return Message(TALVO_TEXT3("OutcomeWords", "%1 %2", "one sentence after another"),
                   {std::move(first), std::move(second)});
}

std::string AddressText(std::size_t address) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%03zX", address);
    return text;
}

namespace {

Message DifferenceWords(const Outcome& outcome, Words one, Words many) {
    return Text(outcome.count == 1 ? one : many, AddressText(outcome.firstAddress),
                std::to_string(outcome.count));
}

Message PortErrorText(const Outcome& outcome) {
    const Message text = StatusMessage(outcome.reason);
    if (outcome.detail.empty()) return text;
    return Message::Join("%1 %2", {text, Message::Literal(outcome.detail)});
}

}  // namespace

Message OutcomeSentence(const Outcome& outcome) {
    using Kind = Outcome::Kind;
    const std::string step = std::to_string(outcome.step);
    switch (outcome.kind) {
        case Kind::Success:
            return Message::Literal({});
        case Kind::TimedOut:
            return Text(Words::TimedOutAtStep, step);
        case Kind::Refused:
            return Text(Words::RefusedAtStep, step);
        case Kind::ProtocolFault:
            return outcome.fault == Fault::WrongIdentification
                       ? Text(Words::WrongIdentification)
                       : Text(Words::UnexpectedReplyAtStep, step);
        case Kind::Cancelled:
            return Text(Words::TransferStopped);
        case Kind::PortError:
            return PortErrorText(outcome);
        case Kind::VerifyMismatch:
            return DifferenceWords(outcome, Words::Difference, Words::DifferencePlural);
    }
    return Message::Literal({});
}

Message OutcomeLine(const Outcome& outcome, const std::string& device, const Message& diagnosis) {
    using Kind = Outcome::Kind;
    const Message failed = StatusMessage(Status::TimedOut);
    switch (outcome.kind) {
        case Kind::Success:
            return Message::Literal({});
        case Kind::TimedOut:
            return failed;
        case Kind::Refused:
            return Then(failed, StatusMessage(Status::RefusedByRadio));
        case Kind::ProtocolFault:
            return Then(failed, OutcomeSentence(outcome));
        case Kind::Cancelled:
            return Text(Words::TransferCancelled);
        case Kind::PortError:
            if (!diagnosis.empty())
                return Concat({StatusMessage(Status::PortCannotOpen, device), diagnosis});
            if (outcome.detail.empty()) return StatusMessage(outcome.reason, device);
            return Message::Join("%1 (%2)", {StatusMessage(outcome.reason, device),
                                             Message::Literal(outcome.detail)});
        case Kind::VerifyMismatch:
            return DifferenceWords(outcome, Words::DifferenceLine, Words::DifferenceLinePlural);
    }
    return Message::Literal({});
}

Message StoppedAtSentence(const Outcome& outcome) {
    if (!outcome.lastBlockSent) return Text(Words::StoppedBeforeData);
    return Text(Words::StoppedAtBlock, AddressText(*outcome.lastBlockSent));
}

Message MatchSentence(VerifyMatch match) {
    switch (match) {
        case VerifyMatch::FileBytes:
            return Text(Words::HoldsFileBytes);
        case VerifyMatch::WriteImage:
            return Text(Words::HoldsWriteImage);
        case VerifyMatch::None:
            break;
    }
    return Message::Literal({});
}

Message StageName(Stage stage) {
    switch (stage) {
        case Stage::Identify:
            return Text(Words::StageIdentify);
        case Stage::Read:
            return Text(Words::StageRead);
        case Stage::Backup:
            return Text(Words::StageBackup);
        case Stage::Write:
            return Text(Words::StageWrite);
        case Stage::ReadBack:
            return Text(Words::StageReadBack);
        case Stage::None:
        case Stage::Decision:
            break;
    }
    return Message::Literal({});
}

Message DoneSentence(Done done) {
    switch (done) {
        case Done::Read:
            return TALVO_TEXT("OutcomeWords", "Reading Frequency Successful!");
        case Done::Write:
            return TALVO_TEXT("OutcomeWords", "Writing Frequency Successful!");
        case Done::CheckedWrite:
            return TALVO_TEXT("OutcomeWords", "Written and verified!");
        case Done::Restore:
            return TALVO_TEXT("OutcomeWords",
                              "The backup was written back to the radio and verified.");
    }
    return Message::Literal({});
}

namespace {

// A message box's lines.
Message Lines(std::vector<Message> lines, const char* separator) {
    std::string pattern;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) pattern += separator;
        pattern += "%" + std::to_string(i + 1);
    }
    return Message::Join(std::move(pattern), std::move(lines));
}

}  // namespace

Message FailureMessage(const Outcome& outcome, const std::string& port) {
    if (outcome.kind == Outcome::Kind::Cancelled) return Message::Literal({});
    // Every failure is the communication error; a refusal or a port failure also says why.
    std::vector<Message> lines{StatusMessage(Status::TimedOut)};
    if (outcome.reason != Status::TimedOut && outcome.reason != Status::Ok)
        lines.push_back(StatusMessage(outcome.reason, port));
    if (!outcome.detail.empty()) lines.push_back(Message::Literal(outcome.detail));
    if (outcome.kind == Outcome::Kind::ProtocolFault) lines.push_back(OutcomeSentence(outcome));
    return Lines(std::move(lines), "\r\n");
}

Message CheckedWriteProblem(const Outcome& outcome) {
    if (outcome.stage == Stage::Write) {
        if (outcome.kind == Outcome::Kind::Cancelled)
            return Lines(
                {TALVO_TEXT("OutcomeWords", "The write was stopped."), StoppedAtSentence(outcome)},
                "\n");
        return Lines(
            {Concat({TALVO_TEXT("OutcomeWords", "The write failed: "), OutcomeSentence(outcome)}),
             StoppedAtSentence(outcome)},
            "\n");
    }
    if (outcome.kind == Outcome::Kind::VerifyMismatch)
        return Lines({TALVO_TEXT("OutcomeWords", "The radio does not hold what was written!"),
                      OutcomeSentence(outcome)},
                     "\n");
    return Concat({TALVO_TEXT("OutcomeWords",
                              "The data was written but could not be read back to check it: "),
                   OutcomeSentence(outcome)});
}

Message RestoreProblem(const Outcome& outcome) {
    if (outcome.stage == Stage::Write)
        return Concat({TALVO_TEXT("OutcomeWords", "Restoring the backup failed: "),
                       OutcomeSentence(outcome)});
    if (outcome.kind == Outcome::Kind::VerifyMismatch)
        return Lines({TALVO_TEXT("OutcomeWords",
                                 "After writing the backup back the radio still does not hold it!"),
                      OutcomeSentence(outcome)},
                     "\n");
    return Concat(
        {TALVO_TEXT("OutcomeWords",
                    "The backup was written back but could not be read back to check it: "),
         OutcomeSentence(outcome)});
}

Message FleetOutcomeText(FleetOutcome outcome) {
    switch (outcome) {
        case FleetOutcome::Verified:
            return TALVO_TEXT("OutcomeWords", "written and verified");
        case FleetOutcome::VerifyFailed:
            return TALVO_TEXT("OutcomeWords",
                              "verify failed: the radio does not hold what was written");
        case FleetOutcome::NoRadio:
            return TALVO_TEXT("OutcomeWords", "no radio answered");
        case FleetOutcome::WrongRadio:
            return TALVO_TEXT("OutcomeWords", "not this model of radio: nothing written");
        case FleetOutcome::Timeout:
            return TALVO_TEXT("OutcomeWords", "the radio stopped answering");
        case FleetOutcome::Refused:
            return TALVO_TEXT("OutcomeWords", "the radio refused a written block");
        case FleetOutcome::PortError:
            return TALVO_TEXT("OutcomeWords", "the port cannot be used");
        case FleetOutcome::Cancelled:
            return TALVO_TEXT("OutcomeWords", "cancelled");
    }
    return Message::Literal({});
}

}  // namespace talvo::jobs
