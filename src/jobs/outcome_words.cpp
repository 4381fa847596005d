#include "jobs/outcome_words.h"

#include <array>
#include <cstdio>

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

// Two sentences in a row: a space between them, none in Chinese.
Message Then(Message first, Message second) {
    return Message(TALVO_TEXT3("OutcomeWords", "%1 %2", "one sentence after another"),
                   {std::move(first), std::move(second)});
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

Message OutcomeLine(const Outcome& outcome) {
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
            return PortErrorText(outcome);
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

}  // namespace talvo::jobs
