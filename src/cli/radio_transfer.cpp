#include "cli/radio_transfer.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <cstdio>
#include <memory>
#include <optional>

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

QString TakeLanguage(QStringList& args, LanguageFlagValue& lang) {
    lang = kEnglish;
    for (int i = 0; i < args.size(); ++i) {
        QString value;
        if (args[i] == "--lang") {
            if (i + 1 >= args.size()) return "--lang needs en or zh";
            value = args[i + 1];
            args.remove(i, 2);
        } else if (args[i].startsWith("--lang=")) {
            value = args[i].mid(7);
            args.removeAt(i);
        } else {
            continue;
        }
        if (value != "en" && value != "zh") return "--lang takes en or zh";
        lang = value == "zh" ? kChinese : kEnglish;
        --i;
    }
    return {};
}

QString TakeRadioDevice(QStringList& args, QString& device) {
    const int portAt = args.indexOf("--port");
    const int deviceAt = args.indexOf("--device");
    if ((portAt >= 0) == (deviceAt >= 0)) return "give either --port N or --device PATH";
    const int at = portAt >= 0 ? portAt : deviceAt;
    if (at + 1 >= args.size()) return args[at] + " needs a value";
    const QString value = args[at + 1];
    args.remove(at, 2);
    if (deviceAt >= 0) {
        if (value.isEmpty()) return "--device needs a path";
        device = value;
        return {};
    }
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok || number < link::kLowestPortNumber || number > link::kHighestPortNumber) {
        return "--port takes a number from 1 to 16";
    }
    const auto found = link::DeviceForPort(number);
    if (!found) {
        return QString("no serial device for port %1 (set TALVO_PORT_%1=/dev/... to choose one)")
            .arg(number);
    }
    device = *found;
    return {};
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

void ReportTransferFailure(Status status, const QString& device, LanguageFlagValue lang) {
    const std::string subject = device.toStdString();
    if (status == Status::RefusedByRadio) {
        // The refusal is a communication error like any other; say what happened too.
        std::fprintf(stderr, "talvo-cli: %s\n", StatusMessage(Status::TimedOut, lang).c_str());
    }
    std::fprintf(stderr, "talvo-cli: %s\n", StatusMessage(status, lang, subject).c_str());
}

}  // namespace talvo::cli
