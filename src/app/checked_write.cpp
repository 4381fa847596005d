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
#include "jobs/checked_write_job.h"
#include "jobs/outcome_words.h"
#include "lang/catalogue.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/encode.h"
#include "radio/codecs/file_io.h"
#include "run/write_decision.h"
#include "ui/local_msgbox.h"

namespace talvo {

namespace {

constexpr TransferController::ProgressTexts kReadingFirst{
    TALVO_TEXT("CheckedWrite", "Reading before writing……"),
    TALVO_TEXT("CheckedWrite",
               "Reading what the radio holds now to keep a backup, please wait a moment.")};
constexpr TransferController::ProgressTexts kReadingBack{
    TALVO_TEXT("CheckedWrite", "Verifying……"),
    TALVO_TEXT("CheckedWrite",
               "Reading back what was written to compare it byte for byte, please wait a moment.")};
constexpr TransferController::ProgressTexts kRestoring{
    TALVO_TEXT("CheckedWrite", "Restoring the backup……"),
    TALVO_TEXT("CheckedWrite", "Writing the backup back to the radio, please wait a moment.")};

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
    const Language lang = state.language;
    if (!preparePort()) return;

    // The image the write sends, and is shown as changes before it is sent.
    const bool debug = state.hidden.DebugMode();
    EncodeImage(state);
    jobs::CheckedWriteJob job(state.EncodedImage, {.write = {.debugMode = debug}});
    QString backup;
    const jobs::Outcome outcome = run(job, CheckedWriteTexts, [&] {
        // What the radio holds now is kept before anything is written: no write without a way
        // back.
        const run::BackupStep step = run::KeepBackupThenDecide(job, [&](const QString& kept) {
            const auto changes =
                compare::CompareImages(job.backup(), job.expectedAfter(), WordsIn(lang));
            ChangeListWindow question(lang, changes, QFileInfo(kept).fileName(),
                                      window_.channelWindow());
            return question.exec() == QDialog::Accepted;
        });
        backup = keptOrWarned(step.kept);
    });
    if (outcome.ok()) {
        reportSuccess(Tr(jobs::DoneSentence(jobs::Done::CheckedWrite), lang));
        return;
    }
    switch (outcome.stage) {
        case jobs::Stage::Decision:
            setCommandsEnabled(true);
            return;
        case jobs::Stage::Write:
        case jobs::Stage::ReadBack:
            offerRestore(backup, debug, Tr(jobs::CheckedWriteProblem(outcome), lang));
            return;
        default:
            reportFailure(outcome);  // nothing was written
            return;
    }
}

void TransferController::offerRestore(const QString& backup, bool debugMode,
                                      const QString& problem) {
    const Language lang = window_.state().language;
    QString text = problem;
    for (;;) {
        text += "\n\n" + Tr(TALVO_TEXT("CheckedWrite",
                                       "What the radio held before is kept in the "
                                       "backup:\n%1\n\nWrite the backup back to the radio now?"),
                            lang)
                             .arg(backup);
        const int answer =
            LocalMsgBox(lang, text, StyleYesNo | StyleIconError,
                        Tr(TALVO_TEXT("CheckedWrite", "Mistake"), lang), window_.channelWindow());
        if (answer != IdYes) break;

        std::vector<std::uint8_t> bytes;
        ImageBytes image{};
        Status loaded = ReadFileBytes(QFile::encodeName(backup).toStdString(), bytes);
        if (loaded == Status::Ok) loaded = ParseDataFile(bytes, image);
        if (loaded != Status::Ok) {
            LocalMsgBox(lang, Tr(StatusMessage(loaded, backup.toStdString()), lang), StyleIconError,
                        Tr(TALVO_TEXT("CheckedWrite", "Mistake"), lang), window_.channelWindow());
            break;
        }
        // The backup's bytes as they were read: nothing is decoded or encoded again.
        jobs::RestoreJob job(image, {.debugMode = debugMode});
        const jobs::Outcome outcome = run(job, RestoreTexts);
        if (outcome.ok()) {
            reportSuccess(Tr(jobs::DoneSentence(jobs::Done::Restore), lang));
            return;
        }
        text = Tr(jobs::RestoreProblem(outcome), lang);
    }
    setCommandsEnabled(true);
}

}  // namespace talvo
