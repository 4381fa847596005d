#include <QApplication>

#include "app/serial_link.h"
#include "app/startup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("talvo"));
    QApplication::setApplicationVersion(QStringLiteral("1.50"));

    talvo::Program program = talvo::StartProgram(talvo::CreateSystemSerialLink());
    program.window->show();
    return QApplication::exec();
}
