// talvo-cli read (--port N | --device PATH) --out FILE.dat [--lang en|zh]

#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "cli/command.h"
#include "cli/command_help.h"
#include "cli/radio_transfer.h"
#include "image/data_file.h"
#include "image/file_io.h"

namespace talvo::cli {

namespace {

constexpr char kUsage[] =
    "usage: talvo-cli read (--port N | --device PATH) --out FILE.dat [--lang en|zh]\n";

int FileError(LanguageFlagValue lang, const QString& out) {
    std::fprintf(stderr, "talvo-cli: %s\n",
                 StatusMessage(Status::CannotWrite, lang, out.toStdString()).c_str());
    return ExitFile;
}

int RunRead(const QStringList& arguments) {
    QStringList args = arguments;
    QString device;
    LanguageFlagValue lang = kEnglish;
    QString error = TakeLanguage(args, lang);
    if (error.isEmpty()) error = TakeRadioDevice(args, device);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "talvo-cli read: %s\n%s", qPrintable(error), kUsage);
        return ExitUsage;
    }
    const int outAt = args.indexOf("--out");
    if (outAt < 0 || outAt + 1 >= args.size() || args[outAt + 1].isEmpty() || args.size() != 2) {
        std::fprintf(stderr, "%s", kUsage);
        return ExitUsage;
    }
    const QString out = args[outAt + 1];
    // Fail before talking to the radio when the file could never be written.
    const QFileInfo target(out);
    if (!target.absoluteDir().exists() || target.isDir()) return FileError(lang, out);

    ImageBytes image{};
    if (const Status status = ReadRadio(device, image); status != Status::Ok) {
        ReportTransferFailure(status, device, lang);
        return ExitCommunication;
    }
    // The file appears only now, complete, or not at all.
    if (WriteFileAtomically(out.toStdString(), SerializeDataFile(image)) != Status::Ok)
        return FileError(lang, out);
    return ExitOk;
}

const CommandRegistration kRead("read", {"read the radio's memory into a data file", RunRead});

const HelpRegistration kReadHelp(
    "read",
    std::string(kUsage) +
        "\nReads the radio's memory over the serial line and stores it as a .dat file.\n"
        "  --port N       port number 1..16 (see docs/serial-ports.md; TALVO_PORT_<N>=/dev/...\n"
        "                 chooses the device of a number)\n"
        "  --device PATH  the serial device itself\n"
        "  --out FILE     the data file; it is written only when the whole read succeeded\n"
        "A progress bar is shown on stderr when it is a terminal.\n"
        "exit status: 0 read and saved, 2 usage, 3 file cannot be written, 4 communication "
        "error\n");

}  // namespace

}  // namespace talvo::cli
