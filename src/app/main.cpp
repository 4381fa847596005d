#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <optional>

#include "app/demo_radio.h"
#include "app/serial_link.h"
#include "app/startup.h"
#include "ui/local_msgbox.h"

namespace {

const QCommandLineOption kDemo(
    QStringLiteral("demo"),
    QStringLiteral("Attach a virtual radio with a sample configuration as port 1."));

void Describe(QCommandLineParser& parser) {
    QCoreApplication::setApplicationName(QStringLiteral("talvo"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(TALVO_VERSION));
    parser.setApplicationDescription(QStringLiteral("Programming software for the TALVO radio."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(kDemo);
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A data file (.dat) to open at start."),
                                 QStringLiteral("[file]"));
}

// --help and --version answer without a display: a terminal, a package check, a man page tool.
bool AsksForHelpOrVersion(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "--help" || a == "-h" || a == "--help-all" || a == "--version" || a == "-v")
            return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (AsksForHelpOrVersion(argc, argv)) {
        QCoreApplication app(argc, argv);
        QCommandLineParser parser;
        Describe(parser);
        parser.process(app);  // prints and exits
        return 0;
    }
    QApplication app(argc, argv);
    // The desktop entry the window belongs to (its name and icon in the task switcher).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.talvo.talvo"));
    QCommandLineParser parser;
    Describe(parser);
    parser.process(app);
    const QCommandLineOption& demo = kDemo;

    // The virtual radio is started first: port 1 names it before the window looks up a port.
    std::optional<talvo::DemoRadio> radio;
    if (parser.isSet(demo)) {
        radio.emplace();
        QString error;
        if (!radio->start({QStringLiteral("--baud-pacing")}, &error)) {
            talvo::LocalMsgBox(talvo::StartupLanguage(), error, talvo::StyleIconError,
                               QStringLiteral("talvo --demo"));
            return 1;
        }
        qputenv("TALVO_PORT_1", radio->device().toLocal8Bit());
    }

    talvo::Program program = talvo::StartProgram(talvo::CreateSystemSerialLink());
    if (radio) program.window->attachDemoRadio(1);
    ShowProgram(program, parser.positionalArguments().value(0));
    const int status = QApplication::exec();
    program = {};
    return status;
}
