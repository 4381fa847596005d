#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <memory>

#include "cli/command.h"
#include "cli/command_help.h"
#include "lang/catalogue.h"

namespace {

using talvo::cli::Commands;

void PrintToolHelp() {
    std::printf(
        "talvo-cli: programming data of the TALVO dual-band radio, without the window\n\n"
        "usage: talvo-cli COMMAND [ARGUMENTS]\n"
        "       talvo-cli COMMAND --help\n"
        "       talvo-cli --version\n\n"
        "commands:\n");
    std::printf("%s", talvo::cli::CommandTable(Commands(), 79).c_str());
    // Every catalogue built in, so the shell's completion and the manual can follow.
    std::printf("\nlanguages (--lang): %s\n",
                qPrintable(talvo::ShippedLanguages().join(QStringLiteral(" "))));
    std::printf("\nexit status: 0 success, 2 usage error, 3 file error, 4 communication error\n");
}

void PrintCommandHelp(const std::string& name) {
    const auto& help = talvo::cli::CommandHelp();
    if (const auto it = help.find(name); it != help.end()) {
        std::printf("%s", it->second.c_str());
    } else {
        std::printf("talvo-cli %s: %s\n", name.c_str(), Commands().at(name).summary.c_str());
    }
}

// The tool reports in its own words on stderr; Qt's notes about the environment (a missing
// runtime folder and the like) are not failures of a command.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "talvo-cli: %s\n", message.toLocal8Bit().constData());
    }
}

// Drawing the printout needs fonts, which only a GUI application object provides; it runs on
// the offscreen platform so the tool works on a machine without a display.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "print") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietQtMessages);
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

bool AsksForHelp(const QStringList& args) {
    for (const QString& a : args) {
        if (a == "--") return false;
        if (a == "--help" || a == "-h") return true;
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::unique_ptr<QCoreApplication> app = MakeApplication(argc, argv);
    QCoreApplication::setApplicationName("talvo-cli");
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();

    if (args.isEmpty()) {
        std::fprintf(stderr, "talvo-cli: no command given (see talvo-cli --help)\n");
        return talvo::cli::ExitUsage;
    }
    const QString first = args.takeFirst();
    if (first == "--version") {
        std::printf("talvo-cli %s\n", TALVO_VERSION);
        return talvo::cli::ExitOk;
    }
    if (first == "--help" || first == "-h" || first == "help") {
        PrintToolHelp();
        return talvo::cli::ExitOk;
    }
    const std::string name = first.toStdString();
    const auto it = Commands().find(name);
    if (it == Commands().end()) {
        std::fprintf(stderr, "talvo-cli: unknown command '%s' (see talvo-cli --help)\n",
                     first.toLocal8Bit().constData());
        return talvo::cli::ExitUsage;
    }
    if (AsksForHelp(args)) {
        PrintCommandHelp(name);
        return talvo::cli::ExitOk;
    }
    return it->second.run(args);
}
