#include "app/transfer_controller.h"

#include <QLabel>
#include <QProgressBar>

#include "ui/local_msgbox.h"
#include "app/main_window.h"
#include "app/serial_link.h"
#include "app/writing_window.h"
#include "editors/channels/channel_table_window.h"
#include "image/decode.h"
#include "image/encode.h"

namespace talvo {
namespace {

struct ProgressTexts {
    const char* zhTitle;
    const char* enTitle;
    const char* zhLabel;
    const char* enLabel;
};
constexpr ProgressTexts kReading{"正在读取……", "Reading……", "正在读频，请稍候。",
                                 "Data is reading, please wait a moment."};
constexpr ProgressTexts kWriting{"正在写入……", "Writing……", "正在写频，请稍候。",
                                 "Data is writing, please wait a moment."};

QString Pick(LanguageFlagValue lang, const char* zh, const char* en) {
    return QString::fromUtf8(lang == kChinese ? zh : en);
}

}  // namespace

TransferController::TransferController(MainWindow& window, SerialLink& port)
    : QObject(&window),
      window_(window),
      port_(port),
      session_(
          [this](std::span<const std::uint8_t> frame) {
              port_.write(QByteArray(reinterpret_cast<const char*>(frame.data()),
                                     static_cast<qsizetype>(frame.size())));
          },
          [this](const link::TransferEvent& event) { onEvent(event); }) {
    timerW_.setInterval(link::TransferSession::kTickMs);
    timerW_.setTimerType(Qt::PreciseTimer);
    timer1_.setInterval(link::Cooldown::kTickMs);
    connect(&timerW_, &QTimer::timeout, this, &TransferController::OnTransferTick);
    connect(&timer1_, &QTimer::timeout, this, &TransferController::OnCooldownTick);
    connect(&port_, &SerialLink::dataReceived, this, &TransferController::OnReceive);
    connect(window_.writingWindow(), &WritingWindow::closeRequested, this,
            &TransferController::onProgressCloseRequested);
}

void TransferController::StartRead() {
    start(link::Direction::Read);
}
void TransferController::StartWrite() {
    start(link::Direction::Write);
}

void TransferController::start(link::Direction direction) {
    if (session_.active()) return;
    ProgramState& state = window_.state();
    const bool read = direction == link::Direction::Read;
    Status opened = Status::Ok;
    if (!port_.isOpen()) {
        port_.close();
        opened = port_.open(state.PortNumber);
    }
    if (read) state.band.BandPromptSuppressed = true;
    if (!port_.isOpen()) {
        // The fixed message, then why the port cannot be used and how to fix it.
        const QString why = window_.portFailureText(state.PortNumber, opened);
        LocalMsgBox(state.LanguageFlag,
                    Pick(state.LanguageFlag, "串行端口无效", "The serial port is invalid") +
                        (why.isEmpty() ? QString() : QStringLiteral("\n\n") + why),
                    StyleOk, QString(), window_.channelWindow());
        return;
    }
    if (window_.channelWindow()->frequencyEditorVisible()) {
        window_.channelWindow()->commitPendingFrequency();
    }

    outcome_ = link::TransferEvent::Kind::Progress;
    failure_ = Status::Ok;
    abortedByUser_ = false;
    port_.setReceiveThreshold(1);
    port_.takeAll();  // bytes left from an earlier transfer must not answer this one
    const bool started =
        read ? session_.startRead(state.RadioImage)
             : session_.startWrite(state.hidden.DebugMode(), [&state]() -> const ImageBytes& {
                   EncodeImage(state);
                   return state.EncodedImage;
               });
    if (!started) return;
    timerW_.start();

    const ProgressTexts& t = read ? kReading : kWriting;
    WritingWindow* progress = window_.writingWindow();
    progress->progressBar()->setRange(1, 196);
    progress->progressBar()->setValue(1);
    progress->label()->setText(Pick(state.LanguageFlag, t.zhLabel, t.enLabel));
    progress->setWindowTitle(Pick(state.LanguageFlag, t.zhTitle, t.enTitle));
    window_.setTransferCommandsEnabled(false);
    // The transfer runs in the event handlers while the window is shown; it closes the window.
    if (session_.active()) progress->exec();
    showOutcome(direction);
}

void TransferController::OnReceive() {
    const QByteArray bytes = port_.takeAll();
    if (!session_.active()) return;
    session_.feed(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                      static_cast<std::size_t>(bytes.size())));
    port_.setReceiveThreshold(static_cast<int>(session_.receiveThreshold()));
}

void TransferController::OnTransferTick() {
    if (!session_.active()) {
        timerW_.stop();
        return;
    }
    session_.tick();
}

void TransferController::onEvent(const link::TransferEvent& event) {
    using Kind = link::TransferEvent::Kind;
    if (event.kind == Kind::Progress) {
        window_.writingWindow()->progressBar()->setValue(std::clamp(event.step, 1, 196));
        return;
    }
    outcome_ = event.kind;
    failure_ = event.reason;
    timerW_.stop();
    port_.setReceiveThreshold(1);
    window_.writingWindow()->done(QDialog::Accepted);
}

void TransferController::showOutcome(link::Direction direction) {
    ProgramState& state = window_.state();
    const LanguageFlagValue lang = state.LanguageFlag;
    if (outcome_ == link::TransferEvent::Kind::Finished) {
        // The read becomes one undoable step of the document; a write leaves nothing unsaved.
        if (direction == link::Direction::Read) {
            window_.loadReadResult();
        } else {
            window_.markWritten();
        }
        const bool read = direction == link::Direction::Read;
        const int answer =
            LocalMsgBox(lang, read ? "读频成功！" : "写频成功！",
                        read ? "Reading Frequency Successful!" : "Writing Frequency Successful!",
                        StyleOk, "提示", "Tip", window_.channelWindow());
        if (answer == IdOk) {
            cooldown_.start();
            timer1_.start();
        } else {
            window_.setTransferCommandsEnabled(true);
        }
        return;
    }
    if (!abortedByUser_) {
        // Every failure is the communication error; a refusal by the radio also says so.
        QString text =
            Pick(lang, "通信出错，请检查对讲机，连线及串口选择！",
                 "Communication error, check the line and the serial connection selection!");
        if (failure_ != Status::TimedOut && failure_ != Status::Ok) {
            text += "\r\n" + QString::fromStdString(StatusMessage(failure_, lang));
        }
        LocalMsgBox(lang, text, StyleIconError, Pick(lang, "错误", "Mistake"),
                    window_.channelWindow());
    }
    window_.setTransferCommandsEnabled(true);
}

void TransferController::OnCooldownTick() {
    if (cooldown_.tick()) {
        timer1_.stop();
        window_.setTransferCommandsEnabled(true);
    }
}

void TransferController::onProgressCloseRequested() {
    if (!session_.active()) return;
    const LanguageFlagValue lang = window_.state().LanguageFlag;
    const int answer = LocalMsgBox(lang, "正在与对讲机通信，确定要中止吗？",
                                   "The transfer with the radio is running. Stop it?",
                                   kStyleQuestion, "注意", "Attention", window_.writingWindow());
    if (answer == IdOk) abortByUser();
}

void TransferController::abortByUser() {
    if (!session_.active()) return;
    abortedByUser_ = true;
    // Run the transfer timer out: the session ends exactly as on a time-out and sends "E".
    for (int i = 0; i <= link::TransferSession::kTimeoutTicks && session_.active(); ++i)
        session_.tick();
}

}  // namespace talvo
