#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <optional>

#include "app/demo_radio.h"
#include "app/port_chooser.h"
#include "app/serial_link.h"
#include "app/settings_store.h"
#include "app/startup.h"
#include "app/toolkit_translations.h"
#include "lang/catalogue.h"
#include "ui/local_msgbox.h"

namespace {

// The options, described in the language the program starts in (the remembered one).
void Describe(QCommandLineParser& parser, QCommandLineOption& demo, talvo::Language lang) {
    using talvo::Tr;
    QCoreApplication::setApplicationName(QStringLiteral("talvo"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(TALVO_VERSION));
    parser.setApplicationDescription(
        Tr(TALVO_TEXT("AppHelp", "Programming software for the TALVO radio."), lang));
    parser.addHelpOption();
    parser.addVersionOption();
    demo.setDescription(
        Tr(TALVO_TEXT("AppHelp", "Attach a virtual radio with a sample configuration as port %1."),
           lang)
            .arg(1));
    parser.addOption(demo);
    parser.addPositionalArgument(
        QStringLiteral("file"),
        Tr(TALVO_TEXT("AppHelp", "A data file (.dat) to open at start."), lang),
        QStringLiteral("[file]"));
}

// The language the program starts in; the toolkit's own texts ("Usage:", "Options:") follow it.
talvo::Language StartingLanguage() {
    const talvo::Language lang = talvo::StartupLanguage();
    talvo::UseToolkitLanguage(lang);
    return lang;
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
        QCommandLineOption demo(QStringLiteral("demo"));
        Describe(parser, demo, StartingLanguage());
        parser.process(app);  // prints and exits
        return 0;
    }
    QApplication app(argc, argv);
    // The desktop entry the window belongs to (its name and icon in the task switcher).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.talvo.talvo"));
    QCommandLineParser parser;
    QCommandLineOption demo(QStringLiteral("demo"));
    // Only the options matter here: --help was answered above.
    Describe(parser, demo, talvo::kEnglish);
    parser.process(app);

    // The virtual radio is started first: port 1 names it before the window looks up a port.
    std::optional<talvo::DemoRadio> radio;
    if (parser.isSet(demo)) {
        radio.emplace();
        QString error;
        const talvo::Language lang = StartingLanguage();
        if (!radio->start({QStringLiteral("--baud-pacing")}, &error, lang)) {
            talvo::LocalMsgBox(lang, error, talvo::StyleIconError, QStringLiteral("talvo --demo"));
            return 1;
        }
        qputenv("TALVO_PORT_1", radio->device().toLocal8Bit());
    }

    talvo::Program program = talvo::StartProgram(talvo::CreateSystemSerialLink());
    if (radio) program.window->ports().attachDemoRadio(1);
    ShowProgram(program, parser.positionalArguments().value(0));
    const int status = QApplication::exec();
    program = {};
    return status;
}
