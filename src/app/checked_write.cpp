// The checked write: read the radio first and keep it as a backup, show what the write will
// change, write, read back every written block and compare byte for byte; on a difference or a
// broken write, offer to write the backup back.
#include <QFile>
#include <QFileInfo>

#include "app/change_list_window.h"
#include "app/main_window.h"
#include "app/transfer_controller.h"
#include "compare/change_list.h"
#include "editors/channels/channel_table_window.h"
#include "image/data_file.h"
#include "image/encode.h"
#include "image/file_io.h"
#include "jobs/checked_write_job.h"
#include "jobs/outcome_words.h"
#include "ui/local_msgbox.h"

namespace talvo {

namespace {

constexpr TransferController::ProgressTexts kReadingFirst{
    "写频前读取……", "Reading before writing……", "正在读取对讲机中现有的数据并备份，请稍候。",
    "Reading what the radio holds now to keep a backup, please wait a moment."};
constexpr TransferController::ProgressTexts kReadingBack{
    "正在校验……", "Verifying……", "正在读回写入的数据并逐字节比较，请稍候。",
    "Reading back what was written to compare it byte for byte, please wait a moment."};
constexpr TransferController::ProgressTexts kRestoring{
    "正在恢复备份……", "Restoring the backup……", "正在把备份写回对讲机，请稍候。",
    "Writing the backup back to the radio, please wait a moment."};

QString Pick(LanguageFlagValue lang, const char* zh, const char* en) {
    return QString::fromUtf8(lang == kChinese ? zh : en);
}

QString Sentence(const jobs::Outcome& outcome, LanguageFlagValue lang) {
    return QString::fromStdString(jobs::OutcomeSentence(outcome, lang));
}

QString StoppedAt(const jobs::Outcome& outcome, LanguageFlagValue lang) {
    return QString::fromStdString(jobs::StoppedAtSentence(outcome, lang));
}

const TransferController::ProgressTexts& CheckedWriteTexts(jobs::Stage stage) {
    switch (stage) {
        case jobs::Stage::Write:
            return TransferController::kWritingTexts;
        case jobs::Stage::ReadBack:
            return kReadingBack;
        default:
            return kReadingFirst;
    }
}

const TransferController::ProgressTexts& RestoreTexts(jobs::Stage stage) {
    return stage == jobs::Stage::ReadBack ? kReadingBack : kRestoring;
}

}  // namespace

void TransferController::checkedWriteFlow() {
    ProgramState& state = window_.state();
    const LanguageFlagValue lang = state.LanguageFlag;
    if (!preparePort()) return;

    // The image the write sends, and is shown as changes before it is sent.
    const bool debug = state.hidden.DebugMode();
    EncodeImage(state);
    jobs::CheckedWriteJob job(state.EncodedImage, {.write = {.debugMode = debug}});
    QString backup;
    const jobs::Outcome outcome = run(job, CheckedWriteTexts, [&] {
        // What the radio holds now is kept before anything is written: no write without a way
        // back.
        backup = storeBackup(job.backup());
        if (backup.isEmpty()) return;
        const auto changes = compare::CompareImages(job.backup(), job.expectedAfter(), lang);
        ChangeListWindow question(lang, changes, QFileInfo(backup).fileName(),
                                  window_.channelWindow());
        if (question.exec() == QDialog::Accepted) job.proceed();
    });
    if (outcome.ok()) {
        reportSuccess(Pick(lang, "写频成功，已校验！", "Written and verified!"));
        return;
    }
    switch (outcome.stage) {
        case jobs::Stage::Decision:
            window_.setTransferCommandsEnabled(true);
            return;
        case jobs::Stage::Write:
            if (outcome.kind == jobs::Outcome::Kind::Cancelled) {
                offerRestore(backup, debug,
                             Pick(lang, "写频已被中止。", "The write was stopped.") + "\n" +
                                 StoppedAt(outcome, lang));
            } else {
                offerRestore(backup, debug,
                             Pick(lang, "写频失败：", "The write failed: ") +
                                 Sentence(outcome, lang) + "\n" + StoppedAt(outcome, lang));
            }
            return;
        case jobs::Stage::ReadBack:
            if (outcome.kind == jobs::Outcome::Kind::VerifyMismatch) {
                // The radio does not hold what was sent.
                offerRestore(backup, debug,
                             Pick(lang, "对讲机中的数据与写入的不一致！",
                                  "The radio does not hold what was written!") +
                                 "\n" + Sentence(outcome, lang));
            } else {
                offerRestore(backup, debug,
                             Pick(lang, "数据已写入，但无法读回校验：",
                                  "The data was written but could not be read back to check it: ") +
                                 Sentence(outcome, lang));
            }
            return;
        default:
            reportFailure(outcome);  // nothing was written
            return;
    }
}

void TransferController::offerRestore(const QString& backup, bool debugMode,
                                      const QString& problem) {
    const LanguageFlagValue lang = window_.state().LanguageFlag;
    QString text = problem;
    for (;;) {
        text += "\n\n" +
                Pick(lang, "写频前对讲机中的数据已备份为：\n%1\n\n现在把备份写回对讲机吗？",
                     "What the radio held before is kept in the backup:\n%1\n\nWrite the backup "
                     "back to the radio now?")
                    .arg(backup);
        const int answer = LocalMsgBox(lang, text, StyleYesNo | StyleIconError,
                                       Pick(lang, "错误", "Mistake"), window_.channelWindow());
        if (answer != IdYes) break;

        std::vector<std::uint8_t> bytes;
        ImageBytes image{};
        Status loaded = ReadFileBytes(QFile::encodeName(backup).toStdString(), bytes);
        if (loaded == Status::Ok) loaded = ParseDataFile(bytes, image);
        if (loaded != Status::Ok) {
            LocalMsgBox(lang,
                        QString::fromStdString(StatusMessage(loaded, lang, backup.toStdString())),
                        StyleIconError, Pick(lang, "错误", "Mistake"), window_.channelWindow());
            break;
        }
        // The backup's bytes as they were read: nothing is decoded or encoded again.
        jobs::RestoreJob job(image, {.debugMode = debugMode});
        const jobs::Outcome outcome = run(job, RestoreTexts);
        if (outcome.ok()) {
            reportSuccess(Pick(lang, "备份已写回对讲机，已校验。",
                               "The backup was written back to the radio and verified."));
            return;
        }
        if (outcome.stage == jobs::Stage::Write) {
            text = Pick(lang, "恢复备份失败：", "Restoring the backup failed: ") +
                   Sentence(outcome, lang);
        } else if (outcome.kind == jobs::Outcome::Kind::VerifyMismatch) {
            text = Pick(lang, "写回备份后，对讲机中的数据仍与备份不一致！",
                        "After writing the backup back the radio still does not hold it!") +
                   "\n" + Sentence(outcome, lang);
        } else {
            text = Pick(lang, "备份已写回，但无法读回校验：",
                        "The backup was written back but could not be read back to check it: ") +
                   Sentence(outcome, lang);
        }
    }
    window_.setTransferCommandsEnabled(true);
}

}  // namespace talvo
