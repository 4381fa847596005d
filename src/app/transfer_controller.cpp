#include "app/transfer_controller.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <utility>

#include "app/checked_write_setting.h"
#include "app/main_window.h"
#include "app/port_chooser.h"
#include "app/serial_link.h"
#include "app/writing_window.h"
#include "editors/channels/channel_table_window.h"
#include "jobs/outcome_words.h"
#include "jobs/transfer_jobs.h"
#include "lang/catalogue.h"
#include "radio/codecs/encode.h"
#include "radio/memory/block_plan.h"
#include "run/read_backups.h"
#include "ui/local_msgbox.h"

namespace talvo {

TransferController::TransferController(MainWindow& window, SerialLink& port)
    : QObject(&window),
      window_(window),
      port_(port),
      runner_(port),
      checkedWrite_(LoadCheckedWrite()) {
    cooldownTimer_.setInterval(link::Cooldown::kTickMs);
    connect(&cooldownTimer_, &QTimer::timeout, this, &TransferController::OnCooldownTick);
    // The bar keeps its 1..196 range; it moves with the blocks of the running transfer.
    // QProgressBar paints at once on a new value: inside the job's receive handler that paint
    // would hold back the next frame, so the bar follows once the frame is out.
    connect(&runner_, &run::JobRunner::progress, this, [this](const jobs::Progress& p) {
        barValue_ = p.stageBlocksTotal > 0 ? 1 + p.stageBlocksDone * 195 / p.stageBlocksTotal : 1;
        if (barQueued_) return;
        barQueued_ = true;
        QMetaObject::invokeMethod(this, &TransferController::showBarValue, Qt::QueuedConnection);
    });
    // A new stage, the decision and the end close the progress window; run() shows it again
    // when the job goes on.
    const auto closeProgress = [this] {
        if (window_.writingWindow()->isVisible()) window_.writingWindow()->done(QDialog::Accepted);
    };
    connect(&runner_, &run::JobRunner::stageStarted, this, closeProgress);
    connect(&runner_, &run::JobRunner::awaitingDecision, this, closeProgress);
    connect(&runner_, &run::JobRunner::finished, this,
            [this, closeProgress](const jobs::Outcome& outcome) {
                lastOutcome_ = outcome;
                closeProgress();
            });
    connect(window_.writingWindow(), &WritingWindow::closeRequested, this,
            &TransferController::onProgressCloseRequested);
}

bool TransferController::preparePort() {
    ProgramState& state = window_.state();
    Status opened = Status::Ok;
    if (!port_.isOpen()) {
        port_.close();
        opened = port_.open(state.PortNumber);
    }
    if (!port_.isOpen()) {
        // The fixed message, then why the port cannot be used and how to fix it.
        const QString why = window_.ports().failureText(state.PortNumber, opened);
        LocalMsgBox(
            state.language,
            Tr(TALVO_TEXT("TransferController", "The serial port is invalid"), state.language) +
                (why.isEmpty() ? QString() : QStringLiteral("\n\n") + why),
            StyleOk, QString(), window_.channelWindow());
        return false;
    }
    if (window_.channelWindow()->frequencyEditorVisible()) {
        window_.channelWindow()->commitPendingFrequency();
    }
    return true;
}

jobs::Outcome TransferController::run(jobs::Job& job, const StageTexts& texts,
                                      const std::function<void()>& decide) {
    const Language lang = window_.state().language;
    WritingWindow* progress = window_.writingWindow();
    progress->progressBar()->setRange(radio::kFirstStep, radio::kLastStep);
    progress->progressBar()->setValue(1);
    barValue_.reset();
    setCommandsEnabled(false);
    running_ = true;
    // The job runs in the event handlers while the window is shown.
    if (runner_.start(job)) {
        while (!job.finished()) {
            if (job.awaitingDecision()) {
                if (decide) decide();
                if (job.awaitingDecision()) job.cancel();  // no answer: nothing is written
                continue;
            }
            const ProgressTexts& t = texts(job.stage());
            progress->label()->setText(Tr(t.label, lang));
            progress->setWindowTitle(Tr(t.title, lang));
            progress->progressBar()->setValue(1);
            barValue_.reset();  // the last stage's value, still queued, must not show here
            progress->exec();
        }
    }
    running_ = false;
    lastOutcome_ = job.outcome();
    return lastOutcome_;
}

void TransferController::StartRead() {
    if (active() || running_) return;
    // A read replaces the document: unsaved changes are settled first.
    if (!window_.settleUnsavedChanges()) return;
    ProgramState& state = window_.state();
    // The undo of the read brings back the image it replaces.
    const ImageBytes before = state.RadioImage;
    state.band.BandPromptSuppressed = true;
    if (!preparePort()) return;
    jobs::ReadJob job;
    const jobs::Outcome outcome =
        run(job, [](jobs::Stage) -> const ProgressTexts& { return kReadingTexts; });
    if (!outcome.ok()) {
        reportFailure(outcome);
        return;
    }
    const ImageBytes& image = job.image();
    // The read becomes one undoable step of the document.
    state.RadioImage = image;
    window_.loadReadResult(before);
    storeBackup(image);
    reportSuccess(Tr(jobs::DoneSentence(jobs::Done::Read), state.language));
}

void TransferController::StartWrite() {
    if (active() || running_) return;
    if (checkedWrite_) {
        checkedWriteFlow();
    } else {
        plainWrite();
    }
}

void TransferController::plainWrite() {
    ProgramState& state = window_.state();
    if (!preparePort()) return;
    jobs::WriteJob job({.debugMode = state.hidden.DebugMode()}, [&state]() -> const ImageBytes& {
        EncodeImage(state);
        return state.EncodedImage;
    });
    const jobs::Outcome outcome =
        run(job, [](jobs::Stage) -> const ProgressTexts& { return kWritingTexts; });
    if (!outcome.ok()) {
        reportFailure(outcome);
        return;
    }
    reportSuccess(Tr(jobs::DoneSentence(jobs::Done::Write), state.language));
}

QString TransferController::storeBackup(const ImageBytes& image) {
    return keptOrWarned(run::SaveBackup(image));
}

QString TransferController::keptOrWarned(const run::SavedBackup& saved) {
    if (saved.status == Status::Ok) return saved.path;
    const Language lang = window_.state().language;
    LocalMsgBox(lang,
                Tr(TALVO_TEXT("TransferController", "The backup could not be saved: "), lang) +
                    Tr(StatusMessage(saved.status, saved.path.toStdString()), lang),
                StyleOk | StyleIconWarning, Tr(TALVO_TEXT("TransferController", "Attention"), lang),
                window_.channelWindow());
    return {};
}

void TransferController::reportSuccess(const QString& text) {
    const Language lang = window_.state().language;
    const int answer =
        LocalMsgBox(lang, text, StyleOk, Tr(TALVO_TEXT("TransferController", "Tip"), lang),
                    window_.channelWindow());
    if (answer == IdOk) {
        cooldown_.start();
        cooldownTimer_.start();
    } else {
        setCommandsEnabled(true);
    }
}

void TransferController::reportFailure(const jobs::Outcome& outcome) {
    const Language lang = window_.state().language;
    // The port by its number, as the port menu shows it.
    const Message text = jobs::FailureMessage(outcome, std::to_string(window_.state().PortNumber));
    if (!text.empty()) {
        LocalMsgBox(lang, Tr(text, lang), StyleIconError,
                    Tr(TALVO_TEXT("TransferController", "Mistake"), lang), window_.channelWindow());
    }
    setCommandsEnabled(true);
}

void TransferController::showBarValue() {
    barQueued_ = false;
    if (barValue_) window_.writingWindow()->progressBar()->setValue(*std::exchange(barValue_, {}));
}

void TransferController::OnCooldownTick() {
    if (cooldown_.tick()) {
        cooldownTimer_.stop();
        setCommandsEnabled(true);
    }
}

void TransferController::onProgressCloseRequested() {
    if (!runner_.active()) return;
    const Language lang = window_.state().language;
    const int answer = LocalMsgBox(
        lang, TALVO_TEXT("TransferController", "The transfer with the radio is running. Stop it?"),
        kStyleQuestion, TALVO_TEXT("TransferController", "Attention"), window_.writingWindow());
    if (answer == IdOk) abortByUser();
}

void TransferController::addReadCommand(QAction* command) {
    connect(command, &QAction::triggered, this, &TransferController::StartRead);
    commands_.push_back(command);
}

void TransferController::addWriteCommand(QAction* command) {
    connect(command, &QAction::triggered, this, &TransferController::StartWrite);
    commands_.push_back(command);
}

void TransferController::setCommandsEnabled(bool enabled) {
    for (QAction* command : commands_) command->setEnabled(enabled);
}

void TransferController::setCheckedWrite(bool on) {
    checkedWrite_ = on;
    SaveCheckedWrite(on);
}

void TransferController::abortByUser() {
    runner_.cancel();
}

}  // namespace talvo
