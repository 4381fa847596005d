#include "cli/radio_transfer.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <cstdio>
#include <memory>
#include <optional>

#include "cli/command.h"
#include "link/port/port_diagnosis.h"
#include "link/port/port_lookup.h"
#include "link/port/serial_line.h"
#include "link/port/transfer_driver.h"
#include "link/protocol/port_names.h"

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
    explicit ProgressBar(const char* label) : label_(label), shown_(::isatty(STDERR_FILENO) == 1) {}
    ~ProgressBar() {
        if (drawn_) std::fputc('\n', stderr);
    }
    void show(int done, int total) {
        if (!shown_ || total <= 0 || done == last_) return;
        last_ = done;
        constexpr int kWidth = 30;
        const int filled = done * kWidth / total;
        std::fprintf(stderr, "\r%s [%s%s] %3d/%d blocks", label_, std::string(filled, '#').c_str(),
                     std::string(kWidth - filled, '-').c_str(), done, total);
        std::fflush(stderr);
        drawn_ = true;
    }

  private:
    const char* label_;
    bool shown_;
    bool drawn_ = false;
    int last_ = -1;
};

// The diagnosis of a port that cannot be used, on the one error line: its paragraphs one after
// the other, a list's items ("  /dev/ttyS0  built-in serial port") separated by semicolons.
std::string DiagnosisLine(int number, const QString& device, Status failure,
                          LanguageFlagValue lang) {
    const bool zh = lang == kChinese;
    const std::string text = link::ExplainPortFailure(number, device.toStdString(), failure, lang);
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
            line += (inList ? "; " : zh ? "" : " ") + part.substr(2);
        } else {
            if (inList) line += zh ? "。" : ".";
            line += (zh ? "" : " ") + part;
        }
        inList = item;
    }
    if (inList) line += zh ? "。" : ".";
    return line;
}

using Starter = std::function<bool(link::TransferDriver&)>;

Status RunTransfer(const QString& device, const char* label, const Starter& start) {
    const auto app = EnsureApplication();
    link::SerialLine line;
    if (const Status opened = line.open(device); opened != Status::Ok) return opened;
    link::TransferDriver driver(line);
    QEventLoop loop;
    std::optional<Status> outcome;
    ProgressBar bar(label);
    QObject::connect(&driver, &link::TransferDriver::progress, &loop,
                     [&bar](int, int done, int total) { bar.show(done, total); });
    QObject::connect(&driver, &link::TransferDriver::finished, &loop, [&] {
        bar.show(driver.session().blocksDone(), driver.session().blocksTotal());
        outcome = Status::Ok;
        loop.quit();
    });
    QObject::connect(&driver, &link::TransferDriver::failed, &loop, [&](Status reason) {
        outcome = reason;
        loop.quit();
    });
    if (!start(driver)) return Status::PortCannotOpen;
    if (!outcome) loop.exec();
    return outcome.value_or(Status::TimedOut);
}

}  // namespace

std::optional<int> ParseRadioArguments(const char* command, const QStringList& args, int fileCount,
                                       const CommandOptions& extra, RadioArguments& out) {
    CommandOptions options = extra;
    options.withValue << "--port"
                      << "--device";
    if (const auto usage = ParseArguments(command, args, fileCount, options, out.args))
        return usage;
    const bool byPort = out.args.has("--port");
    if (byPort == out.args.has("--device"))
        return UsageError(command, "give either --port N or --device PATH");
    if (!byPort) {
        out.device = out.args.values.at("--device");
        return std::nullopt;
    }
    bool ok = false;
    const int number = out.args.values.at("--port").toInt(&ok);
    if (!ok || number < link::kLowestPortNumber || number > link::kHighestPortNumber)
        return UsageError(command, "--port takes a number from 1 to 16");
    const auto found = link::DeviceForPort(number);
    if (!found) {
        // A valid number that names nothing here: the port cannot be opened.
        std::fprintf(
            stderr, "talvo-cli: %s%s%s%s\n",
            StatusMessage(Status::PortCannotOpen, out.args.lang, std::to_string(number)).c_str(),
            DiagnosisLine(number, {}, Status::PortCannotOpen, out.args.lang).c_str(),
            out.args.lang == kChinese ? "" : " ",
            (out.args.lang == kChinese
                 ? "可设置TALVO_PORT_" + std::to_string(number) + "=/dev/...选择设备。"
                 : "Set TALVO_PORT_" + std::to_string(number) + "=/dev/... to choose one.")
                .c_str());
        return ExitCommunication;
    }
    out.device = *found;
    return std::nullopt;
}

Status ReadRadio(const QString& device, ImageBytes& image) {
    ImageBytes scratch = image;
    const Status status = RunTransfer(device, "Reading", [&scratch](link::TransferDriver& driver) {
        return driver.startRead(scratch);
    });
    if (status == Status::Ok) image = scratch;
    return status;
}

Status WriteRadio(const QString& device, bool debugMode,
                  const std::function<const ImageBytes&()>& encodeAfterWakeUp) {
    return RunTransfer(device, "Writing", [&](link::TransferDriver& driver) {
        return driver.startWrite(debugMode, encodeAfterWakeUp);
    });
}

int TransferExit(Status status, const QString& device, LanguageFlagValue lang) {
    if (status == Status::Ok) return ExitOk;
    std::string line = StatusMessage(status, lang, device.toStdString());
    if (status == Status::RefusedByRadio) {
        // A refusal is a communication error like any other; the line says both.
        line = StatusMessage(Status::TimedOut, lang) + (lang == kChinese ? "" : " ") + line;
    }
    if (status == Status::PortCannotOpen || status == Status::PermissionDenied) {
        // The port cannot be opened: the diagnosis says why (the permission case with its
        // group and command) and how to fix it.
        const std::string why = DiagnosisLine(0, device, status, lang);
        if (!why.empty())
            line = StatusMessage(Status::PortCannotOpen, lang, device.toStdString()) + why;
    }
    std::fprintf(stderr, "talvo-cli: %s\n", line.c_str());
    return ExitCommunication;
}

}  // namespace talvo::cli
