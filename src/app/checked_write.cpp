// The checked write: read the radio first and keep it as a backup, show what the write will
// change, write, read back every written block and compare byte for byte; on a difference or a
// broken write, offer to write the backup back.
#include <QFile>
#include <QFileInfo>

#include "app/change_list_window.h"
#include "app/main_window.h"
#include "app/transfer_controller.h"
#include "compare/byte_compare.h"
#include "compare/change_list.h"
#include "editors/channels/channel_table_window.h"
#include "image/data_file.h"
#include "image/encode.h"
#include "image/file_io.h"
#include "link/protocol/block_plan.h"
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

QString Hex(std::size_t address) {
    return QStringLiteral("0x") +
           QString::number(address, 16).toUpper().rightJustified(3, QLatin1Char('0'));
}

// "First difference at address 0x097; 1 byte differs."
QString DifferenceText(const compare::ByteDifference& d, LanguageFlagValue lang) {
    if (lang == kChinese)
        return QStringLiteral("第一个不同之处在地址 %1，共 %2 个字节不同。")
            .arg(Hex(d.firstAddress))
            .arg(d.count);
    return QStringLiteral("First difference at address %1; %2 %3.")
        .arg(Hex(d.firstAddress))
        .arg(d.count)
        .arg(d.count == 1 ? QStringLiteral("byte differs") : QStringLiteral("bytes differ"));
}

// Why a transfer did not end well, in one sentence.
QString OutcomeText(const link::TransferOutcome& outcome, LanguageFlagValue lang) {
    using Kind = link::TransferOutcome::Kind;
    switch (outcome.kind) {
        case Kind::Success:
            return {};
        case Kind::TimedOut:
            return Pick(lang, "对讲机在第 %1 步停止应答。",
                        "The radio stopped answering at step %1.")
                .arg(outcome.step);
        case Kind::Refused:
            return Pick(lang, "对讲机在第 %1 步拒绝了写入的数据。",
                        "The radio refused the written data at step %1.")
                .arg(outcome.step);
        case Kind::Cancelled:
            return Pick(lang, "传输已被中止。", "The transfer was stopped.");
        case Kind::PortError: {
            QString text = QString::fromStdString(StatusMessage(outcome.reason, lang));
            if (!outcome.detail.empty()) text += " " + QString::fromStdString(outcome.detail);
            return text;
        }
    }
    return {};
}

// The block a write stood at when it stopped: the one sent last before `step`.
QString StoppedAtText(const link::TransferOutcome& outcome, bool debugMode,
                      LanguageFlagValue lang) {
    for (int step = outcome.step - 1; step >= 3; --step) {
        if (const auto place = link::WritePlaceForStep(step, debugMode); place.block)
            return Pick(lang, "写频停在地址 %1 的数据块，对讲机中的数据可能只写入了一部分。",
                        "The write stopped at the block at address %1; the radio may hold a "
                        "partly written configuration.")
                .arg(Hex(*place.block));
    }
    return Pick(lang, "写频在发送数据之前就已停止。",
                "The write stopped before any data was sent.");
}

}  // namespace

void TransferController::checkedWriteFlow() {
    ProgramState& state = window_.state();
    const LanguageFlagValue lang = state.LanguageFlag;
    if (!preparePort()) return;

    // (a) What the radio holds now, kept before anything is written.
    ImageBytes held = state.RadioImage;
    link::TransferOutcome outcome =
        run(kReadingFirst, [&held](link::TransferDriver& d) { return d.startRead(held); });
    if (!outcome.ok()) {
        reportFailure(outcome);
        return;
    }
    const QString backup = storeBackup(held);
    if (backup.isEmpty()) {
        // No write without a way back.
        window_.setTransferCommandsEnabled(true);
        return;
    }
    const QString backupName = QFileInfo(backup).fileName();

    // (b) What the write will change, as the windows name it.
    const bool debug = state.hidden.DebugMode();
    EncodeImage(state);
    const ImageBytes toWrite = state.EncodedImage;
    const auto blocks = link::WriteBlockSequence(debug);
    const auto changes =
        compare::CompareImages(held, compare::OverlayBlocks(held, toWrite, blocks), lang);
    ChangeListWindow question(lang, changes, backupName, window_.channelWindow());
    if (question.exec() != QDialog::Accepted) {
        window_.setTransferCommandsEnabled(true);
        return;
    }

    // (c) The write, exactly the image shown.
    outcome = run(kWritingTexts, [&](link::TransferDriver& d) {
        return d.startWrite(debug, [&toWrite]() -> const ImageBytes& { return toWrite; });
    });
    if (!outcome.ok()) {
        if (outcome.kind == link::TransferOutcome::Kind::Cancelled) {
            offerRestore(backup, debug,
                         Pick(lang, "写频已被中止。", "The write was stopped.") + "\n" +
                             StoppedAtText(outcome, debug, lang));
            return;
        }
        offerRestore(backup, debug,
                     Pick(lang, "写频失败：", "The write failed: ") + OutcomeText(outcome, lang) +
                         "\n" + StoppedAtText(outcome, debug, lang));
        return;
    }

    // (d) Every written block read back and compared.
    ImageBytes back{};
    outcome = run(kReadingBack, [&back](link::TransferDriver& d) { return d.startRead(back); });
    if (!outcome.ok()) {
        offerRestore(backup, debug,
                     Pick(lang, "数据已写入，但无法读回校验：",
                          "The data was written but could not "
                          "be read back to check it: ") +
                         OutcomeText(outcome, lang));
        return;
    }
    const compare::ByteDifference difference = compare::CompareBlocks(toWrite, back, blocks);
    if (difference.same()) {
        reportSuccess(Pick(lang, "写频成功，已校验！", "Written and verified!"));
        return;
    }
    // (e) The radio does not hold what was sent.
    offerRestore(backup, debug,
                 Pick(lang, "对讲机中的数据与写入的不一致！",
                      "The radio does not hold what was "
                      "written!") +
                     "\n" + DifferenceText(difference, lang));
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
        link::TransferOutcome outcome = run(kRestoring, [&](link::TransferDriver& d) {
            return d.startWrite(debugMode, [&image]() -> const ImageBytes& { return image; });
        });
        if (!outcome.ok()) {
            text = Pick(lang, "恢复备份失败：", "Restoring the backup failed: ") +
                   OutcomeText(outcome, lang);
            continue;
        }
        ImageBytes back{};
        outcome = run(kReadingBack, [&back](link::TransferDriver& d) { return d.startRead(back); });
        if (!outcome.ok()) {
            text = Pick(lang, "备份已写回，但无法读回校验：",
                        "The backup was written back but could not be read back to check it: ") +
                   OutcomeText(outcome, lang);
            continue;
        }
        const compare::ByteDifference difference =
            compare::CompareBlocks(image, back, link::WriteBlockSequence(debugMode));
        if (difference.same()) {
            reportSuccess(Pick(lang, "备份已写回对讲机，已校验。",
                               "The backup was written back to the radio and verified."));
            return;
        }
        text = Pick(lang, "写回备份后，对讲机中的数据仍与备份不一致！",
                    "After writing the backup back the radio still does not hold it!") +
               "\n" + DifferenceText(difference, lang);
    }
    window_.setTransferCommandsEnabled(true);
}

}  // namespace talvo
