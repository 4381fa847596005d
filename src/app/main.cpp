#include <QApplication>
#include <QCommandLineParser>
#include <optional>

#include "app/demo_radio.h"
#include "ui/local_msgbox.h"
#include "app/serial_link.h"
#include "app/startup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("talvo"));
    QApplication::setApplicationVersion(QStringLiteral("1.50"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Programming software for the TALVO radio."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption demo(
        QStringLiteral("demo"),
        QStringLiteral("Attach a virtual radio with a sample configuration as port 1."));
    parser.addOption(demo);
    parser.process(app);

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
    program.window->show();
    const int status = QApplication::exec();
    program = {};
    return status;
}
