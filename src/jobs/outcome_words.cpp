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

std::string Text(Words key, LanguageFlagValue lang) {
    for (const Entry& entry : kTable) {
        if (entry.key == key) return entry.text.words(lang);
    }
    return {};
}

std::string Text(Words key, LanguageFlagValue lang, const std::string& a1, const std::string& a2) {
    const std::string pattern = Text(key, lang);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() &&
            (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            text += pattern[i + 1] == '1' ? a1 : a2;
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string AddressText(std::size_t address) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%03zX", address);
    return text;
}

namespace {

std::string DifferenceWords(const Outcome& outcome, LanguageFlagValue lang, Words one, Words many) {
    return Text(outcome.count == 1 ? one : many, lang, AddressText(outcome.firstAddress),
                std::to_string(outcome.count));
}

std::string PortErrorText(const Outcome& outcome, LanguageFlagValue lang) {
    std::string text = StatusMessage(outcome.reason, lang);
    if (!outcome.detail.empty()) text += " " + outcome.detail;
    return text;
}

}  // namespace

std::string OutcomeSentence(const Outcome& outcome, LanguageFlagValue lang) {
    using Kind = Outcome::Kind;
    const std::string step = std::to_string(outcome.step);
    switch (outcome.kind) {
        case Kind::Success:
            return {};
        case Kind::TimedOut:
            return Text(Words::TimedOutAtStep, lang, step);
        case Kind::Refused:
            return Text(Words::RefusedAtStep, lang, step);
        case Kind::ProtocolFault:
            return outcome.fault == Fault::WrongIdentification
                       ? Text(Words::WrongIdentification, lang)
                       : Text(Words::UnexpectedReplyAtStep, lang, step);
        case Kind::Cancelled:
            return Text(Words::TransferStopped, lang);
        case Kind::PortError:
            return PortErrorText(outcome, lang);
        case Kind::VerifyMismatch:
            return DifferenceWords(outcome, lang, Words::Difference, Words::DifferencePlural);
    }
    return {};
}

std::string OutcomeLine(const Outcome& outcome, LanguageFlagValue lang) {
    using Kind = Outcome::Kind;
    const std::string gap = lang == kChinese ? "" : " ";
    const std::string failed = StatusMessage(Status::TimedOut, lang);
    switch (outcome.kind) {
        case Kind::Success:
            return {};
        case Kind::TimedOut:
            return failed;
        case Kind::Refused:
            return failed + gap + StatusMessage(Status::RefusedByRadio, lang);
        case Kind::ProtocolFault:
            return failed + gap + OutcomeSentence(outcome, lang);
        case Kind::Cancelled:
            return Text(Words::TransferCancelled, lang);
        case Kind::PortError:
            return PortErrorText(outcome, lang);
        case Kind::VerifyMismatch:
            return DifferenceWords(outcome, lang, Words::DifferenceLine,
                                   Words::DifferenceLinePlural);
    }
    return {};
}

std::string StoppedAtSentence(const Outcome& outcome, LanguageFlagValue lang) {
    if (!outcome.lastBlockSent) return Text(Words::StoppedBeforeData, lang);
    return Text(Words::StoppedAtBlock, lang, AddressText(*outcome.lastBlockSent));
}

std::string MatchSentence(VerifyMatch match, LanguageFlagValue lang) {
    switch (match) {
        case VerifyMatch::FileBytes:
            return Text(Words::HoldsFileBytes, lang);
        case VerifyMatch::WriteImage:
            return Text(Words::HoldsWriteImage, lang);
        case VerifyMatch::None:
            break;
    }
    return {};
}

std::string StageName(Stage stage, LanguageFlagValue lang) {
    switch (stage) {
        case Stage::Identify:
            return Text(Words::StageIdentify, lang);
        case Stage::Read:
            return Text(Words::StageRead, lang);
        case Stage::Backup:
            return Text(Words::StageBackup, lang);
        case Stage::Write:
            return Text(Words::StageWrite, lang);
        case Stage::ReadBack:
            return Text(Words::StageReadBack, lang);
        case Stage::None:
        case Stage::Decision:
            break;
    }
    return {};
}

}  // namespace talvo::jobs
