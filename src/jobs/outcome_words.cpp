#include "jobs/outcome_words.h"

#include <array>
#include <cstdio>

namespace talvo::jobs {

namespace {

struct Entry {
    Words key;
    const char* zh;
    const char* en;
};

constexpr std::array kTable = {
    Entry{Words::TimedOutAtStep, "对讲机在第 %1 步停止应答。",
          "The radio stopped answering at step %1."},
    Entry{Words::RefusedAtStep, "对讲机在第 %1 步拒绝了写入的数据。",
          "The radio refused the written data at step %1."},
    Entry{Words::WrongIdentification, "对讲机应答的标识不是本机型的标识。",
          "The radio answered with another model's identification."},
    Entry{Words::UnexpectedReplyAtStep, "对讲机在第 %1 步的应答不符合通信过程。",
          "The radio's answer at step %1 does not fit the exchange."},
    Entry{Words::TransferStopped, "传输已被中止。", "The transfer was stopped."},
    Entry{Words::TransferCancelled, "传输已取消。", "The transfer was cancelled."},
    Entry{Words::Difference, "第一个不同之处在地址 %1，共 %2 个字节不同。",
          "First difference at address %1; %2 byte differs."},
    Entry{Words::DifferencePlural, "第一个不同之处在地址 %1，共 %2 个字节不同。",
          "First difference at address %1; %2 bytes differ."},
    Entry{Words::DifferenceLine,
          "对讲机中的数据与写入的不一致：第一个不同之处在地址 %1，共 %2 个字节不同。",
          "the radio does not hold what was written: first difference at %1, %2 byte differs"},
    Entry{Words::DifferenceLinePlural,
          "对讲机中的数据与写入的不一致：第一个不同之处在地址 %1，共 %2 个字节不同。",
          "the radio does not hold what was written: first difference at %1, %2 bytes differ"},
    Entry{Words::StoppedAtBlock, "写频停在地址 %1 的数据块，对讲机中的数据可能只写入了一部分。",
          "The write stopped at the block at address %1; the radio may hold a partly written "
          "configuration."},
    Entry{Words::StoppedBeforeData, "写频在发送数据之前就已停止。",
          "The write stopped before any data was sent."},
    Entry{Words::HoldsFileBytes, "对讲机中的数据与文件的字节相同。",
          "The radio holds the file's bytes."},
    Entry{Words::HoldsWriteImage, "对讲机中的数据与写入该文件时发送的数据相同。",
          "The radio holds what a write of the file sends."},
    Entry{Words::StageIdentify, "识别", "Identifying"},
    Entry{Words::StageRead, "读取", "Reading"},
    Entry{Words::StageBackup, "备份", "Backing up"},
    Entry{Words::StageWrite, "写入", "Writing"},
    Entry{Words::StageReadBack, "校验", "Verifying"},
};

}  // namespace

std::string Text(Words key, LanguageFlagValue lang) {
    for (const Entry& entry : kTable) {
        if (entry.key == key) return lang == kChinese ? entry.zh : entry.en;
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
