#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <memory>

#include "cli/cli_texts.h"
#include "cli/command.h"
#include "cli/command_help.h"
#include "lang/catalogue.h"

namespace {

using talvo::cli::Commands;

void PrintToolHelp() {
    using namespace talvo::cli;
    std::string out = "talvo-cli: " +
                      Say(TALVO_TEXT("CliHelp",
                                     "programming data of the TALVO dual-band radio, without the "
                                     "window")) +
                      "\n\n";
    out +=
        UsageLines("talvo-cli COMMAND [ARGUMENTS]\ntalvo-cli COMMAND --help\ntalvo-cli --version");
    out += "\n" + Say(TALVO_TEXT("CliHelp", "commands:")) + "\n";
    out += CommandTable(Commands(), 79);
    // Every catalogue built in, so the shell's completion and the manual can follow.
    out += "\n" +
           Paragraph(TALVO_TEXT("CliHelp", "languages (%1): %2"),
                     {"--lang", talvo::ShippedLanguages().join(QStringLiteral(" ")).toStdString()});
    out += "\n" + ExitStatusLine(TALVO_TEXT("CliHelp",
                                            "exit status: %1 success, %2 usage error, %3 file "
                                            "error, %4 communication error"),
                                 {ExitOk, ExitUsage, ExitFile, ExitCommunication});
    std::fputs(out.c_str(), stdout);
}

void PrintCommandHelp(const std::string& name) {
    const auto& help = talvo::cli::CommandHelp();
    if (const auto it = help.find(name); it != help.end()) {
        std::fputs(it->second().c_str(), stdout);
    } else {
        std::printf("talvo-cli %s: %s\n", name.c_str(),
                    talvo::cli::Summary(Commands().at(name)).c_str());
    }
}

// The tool reports in its own words on stderr; Qt's notes about the environment (a missing
// runtime folder and the like) are not failures of a command.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "talvo-cli: %s\n", message.toLocal8Bit().constData());
    }
}

// Where the command stands: past a `--lang CODE` (or `--lang=CODE`) given before it, which
// belongs to the command (every command takes it anywhere among its arguments).
qsizetype CommandAt(const QStringList& args) {
    qsizetype at = 0;
    while (at < args.size()) {
        if (args[at].startsWith(QLatin1String("--lang="))) {
            at += 1;
        } else if (args[at] == QLatin1String("--lang") && at + 1 < args.size()) {
            at += 2;
        } else {
            break;
        }
    }
    return at;
}

// Drawing the printout needs fonts, which only a GUI application object provides; it runs on
// the offscreen platform so the tool works on a machine without a display.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char* argv[]) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    if (args.value(CommandAt(args)) == QLatin1String("print")) {
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
    using talvo::cli::Say;
    const std::unique_ptr<QCoreApplication> app = MakeApplication(argc, argv);
    QCoreApplication::setApplicationName("talvo-cli");
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    // Help and usage errors speak the language given anywhere on the line.
    talvo::cli::ChooseLanguageOf(args);
    const QStringList lang = args.mid(0, CommandAt(args));
    args.remove(0, lang.size());

    if (args.isEmpty()) {
        std::fprintf(
            stderr, "talvo-cli: %s\n",
            Say(TALVO_TEXT("CliUsage", "no command given (see %1)"), {"talvo-cli --help"}).c_str());
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
        std::fprintf(stderr, "talvo-cli: %s\n",
                     Say(TALVO_TEXT("CliUsage", "unknown command '%1' (see %2)"),
                         {first.toLocal8Bit().toStdString(), "talvo-cli --help"})
                         .c_str());
        return talvo::cli::ExitUsage;
    }
    if (AsksForHelp(args)) {
        PrintCommandHelp(name);
        return talvo::cli::ExitOk;
    }
    return it->second.run(lang + args);
}
