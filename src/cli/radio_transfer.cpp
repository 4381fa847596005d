#include "cli/radio_transfer.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <cstdio>
#include <memory>
#include <optional>

#include "cli/cli_texts.h"
#include "cli/command.h"
#include "cli/interrupt_watch.h"
#include "jobs/outcome_words.h"
#include "jobs/transfer_jobs.h"
#include "lang/catalogue.h"
#include "link/port/port_diagnosis.h"
#include "link/port/port_lookup.h"
#include "link/port/serial_line.h"
#include "link/protocol/port_names.h"
#include "run/job_runner.h"
#include "run/read_backups.h"

namespace talvo::cli {

namespace {

// QSerialPort needs an application object for its event notifiers.
std::unique_ptr<QCoreApplication> EnsureApplication() {
    if (QCoreApplication::instance() != nullptr) return nullptr;
    static int argc = 1;
    static char name[] = "talvo-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QCoreApplication>(argc, argv);
}

// "\rReading [#####-----]  57/193 blocks" on a terminal; nothing otherwise.
class ProgressBar {
  public:
    explicit ProgressBar(std::string label)
        : label_(std::move(label)), shown_(::isatty(STDERR_FILENO) == 1) {}
    ~ProgressBar() {
        if (drawn_) std::fputc('\n', stderr);
    }
    void show(int done, int total) {
        if (!shown_ || total <= 0 || done == last_) return;
        last_ = done;
        constexpr int kWidth = 30;
        const int filled = done * kWidth / total;
        char count[16];
        std::snprintf(count, sizeof count, "%3d", done);
        std::fprintf(
            stderr, "\r%s [%s%s] %s", label_.c_str(), std::string(filled, '#').c_str(),
            std::string(kWidth - filled, '-').c_str(),
            Say(TALVO_TEXT("RadioTransfer", "%1/%2 blocks"), {count, std::to_string(total)})
                .c_str());
        std::fflush(stderr);
        drawn_ = true;
    }

  private:
    std::string label_;
    bool shown_;
    bool drawn_ = false;
    int last_ = -1;
};

// The diagnosis of a port that cannot be used, on the one error line: its paragraphs one after
// the other, a list's items ("  /dev/ttyS0  built-in serial port") separated by semicolons.
std::string DiagnosisLine(int number, const QString& device, Status failure, Language lang) {
    // What stands between two sentences in this language (nothing in Chinese).
    const std::string gap = Render(jobs::Then(Message::Literal(""), Message::Literal("")), lang);
    const std::string text =
        Render(link::ExplainPortFailure(number, device.toStdString(), failure), lang);
    std::string line;
    bool inList = false;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t end = text.find('\n', from);
        if (end == std::string::npos) end = text.size();
        const std::string part = text.substr(from, end - from);
        from = end + 1;
        const bool item = part.starts_with("  ");
        if (item) {
            line += (inList ? "; " : gap) + part.substr(2);
        } else {
            if (inList) line += RenderText(TALVO_TEXT("RadioTransfer", "."), lang);
            line += gap + part;
        }
        inList = item;
    }
    if (inList) line += RenderText(TALVO_TEXT("RadioTransfer", "."), lang);
    return line;
}

}  // namespace

struct Radio::Parts {
    std::unique_ptr<QCoreApplication> app = EnsureApplication();
    link::SerialLine line;
    run::JobRunner runner{line};
    InterruptWatch interrupts;
    Language lang = kEnglish;
    std::optional<jobs::Outcome> openFailure;
};

Radio::Radio(const QString& device, Language lang) : parts_(std::make_unique<Parts>()) {
    parts_->lang = lang;
    if (const Status opened = parts_->line.open(device); opened != Status::Ok) {
        jobs::Outcome failure;
        failure.kind = jobs::Outcome::Kind::PortError;
        failure.reason = opened;
        failure.detail = parts_->line.openError().toStdString();
        parts_->openFailure = failure;
    }
}

Radio::~Radio() = default;

jobs::Outcome Radio::run(jobs::Job& job, const std::function<void()>& decide) {
    if (parts_->openFailure) return *parts_->openFailure;
    run::JobRunner& runner = parts_->runner;
    QEventLoop loop;
    std::optional<jobs::Outcome> outcome;
    std::optional<ProgressBar> bar;
    const auto connections = {
        QObject::connect(&runner, &run::JobRunner::stageStarted, &loop,
                         [&](jobs::Stage stage) {
                             bar.reset();
                             bar.emplace(Render(jobs::StageName(stage), parts_->lang));
                         }),
        QObject::connect(&runner, &run::JobRunner::progress, &loop,
                         [&](const jobs::Progress& p) {
                             if (bar) bar->show(p.stageBlocksDone, p.stageBlocksTotal);
                         }),
        QObject::connect(&runner, &run::JobRunner::awaitingDecision, &loop,
                         [&] {
                             bar.reset();
                             if (decide) decide();
                         }),
        QObject::connect(&runner, &run::JobRunner::finished, &loop,
                         [&](const jobs::Outcome& end) {
                             outcome = end;
                             loop.quit();
                         }),
        QObject::connect(&parts_->interrupts, &InterruptWatch::interrupted, &runner,
                         &run::JobRunner::cancel),
    };
    if (parts_->interrupts.seen()) {
        job.cancel();
    } else if (runner.start(job) && !outcome) {
        loop.exec();
    }
    for (const auto& connection : connections) QObject::disconnect(connection);
    return job.finished() ? job.outcome() : outcome.value_or(jobs::Outcome{});
}

std::optional<int> ParseRadioArguments(const char* command, const QStringList& args, int fileCount,
                                       const CommandOptions& extra, RadioArguments& out) {
    CommandOptions options = extra;
    options.withValue << "--port"
                      << "--device";
    if (const auto usage = ParseArguments(command, args, fileCount, options, out.args))
        return usage;
    const bool byPort = out.args.has("--port");
    if (byPort == out.args.has("--device"))
        return UsageError(command, TALVO_TEXT("CliUsage", "give either %1 or %2"),
                          {"--port N", "--device PATH"});
    if (!byPort) {
        out.device = out.args.values.at("--device");
        return std::nullopt;
    }
    bool ok = false;
    const int number = out.args.values.at("--port").toInt(&ok);
    if (!ok || number < link::kLowestPortNumber || number > link::kHighestPortNumber)
        return UsageError(command, TALVO_TEXT("CliUsage", "%1 takes a number from %2 to %3"),
                          {"--port", std::to_string(link::kLowestPortNumber),
                           std::to_string(link::kHighestPortNumber)});
    const auto found = link::DeviceForPort(number);
    if (!found) {
        // A valid number that names nothing here: the port cannot be opened.
        std::fprintf(
            stderr, "talvo-cli: %s%s%s\n",
            Render(StatusMessage(Status::PortCannotOpen, std::to_string(number)), out.args.lang)
                .c_str(),
            DiagnosisLine(number, {}, Status::PortCannotOpen, out.args.lang).c_str(),
            Words(TALVO_TEXT("RadioTransfer", " Set TALVO_PORT_%1=/dev/... to choose one."),
                  out.args.lang, {std::to_string(number)})
                .c_str());
        return ExitCommunication;
    }
    out.device = *found;
    return std::nullopt;
}

std::string RadioOptionsHelp() {
    const std::string low = std::to_string(link::kLowestPortNumber);
    const std::string high = std::to_string(link::kHighestPortNumber);
    return OptionRows(
        17, {{"--port N",
              TALVO_TEXT("CliHelp",
                         "port number %1..%2 (see docs/serial-ports.md; TALVO_PORT_<N>=/dev/...\n"
                         "chooses the device of a number)"),
              {low, high}},
             {"--device PATH", TALVO_TEXT("CliHelp", "the serial device itself")},
             {"--lang CODE",
              TALVO_TEXT("CliHelp", "the language of the messages: %1, %2 or %3"),
              {"en", "zh", "es"}}});
}

std::string DebugModeHelp(const Text& text) {
    return OptionRows(17, {{"--debug-mode", text, {"0x7E0", "0x7F0"}}});
}

jobs::Outcome ReadRadio(const QString& device, ImageBytes& image, Language lang) {
    Radio radio(device, lang);
    jobs::ReadJob job;
    const jobs::Outcome outcome = radio.run(job);
    if (outcome.ok()) image = job.image();
    return outcome;
}

void KeepBackup(const ImageBytes& image, Language lang) {
    const auto app = EnsureApplication();
    run::PruneBackups();
    WarnNoBackup(run::SaveBackup(image), lang);
}

void WarnNoBackup(const run::SavedBackup& saved, Language lang) {
    if (saved.status == Status::Ok) return;
    std::fprintf(
        stderr, "talvo-cli: %s %s\n",
        RenderText(TALVO_TEXT("RadioTransfer", "warning: no backup was kept."), lang).c_str(),
        Render(StatusMessage(saved.status, saved.path.toStdString()), lang).c_str());
}

int TransferExit(const jobs::Outcome& outcome, const QString& device, Language lang) {
    using Kind = jobs::Outcome::Kind;
    if (outcome.ok()) return ExitOk;
    // A port that cannot be used: the diagnosis says why (the permission case with its group
    // and command) and how to fix it.
    const std::string why =
        outcome.kind == Kind::PortError ? DiagnosisLine(0, device, outcome.reason, lang) : "";
    const std::string line =
        Render(jobs::OutcomeLine(outcome, device.toStdString(), Message::Literal(why)), lang);
    std::fprintf(stderr, "talvo-cli: %s\n", line.c_str());
    return outcome.kind == Kind::Cancelled ? ExitInterrupted : ExitCommunication;
}

}  // namespace talvo::cli
