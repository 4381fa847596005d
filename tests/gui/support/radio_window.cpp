#include "support/radio_window.h"

#include <QDir>
#include <QTest>

#include "app/main_window.h"
#include "app/serial_link.h"

namespace talvo::testing {

RadioWindow::RadioWindow()
    : env_(std::make_unique<ScopedShellEnvironment>()),
      answerer_(std::make_unique<ModalAnswerer>()) {}

RadioWindow::~RadioWindow() {
    program_ = {};
    radio_.reset();
    answerer_.reset();
    env_.reset();
    qunsetenv("TALVO_PORT_1");
}

void RadioWindow::start(const QStringList& radioArgs, Language lang) {
    radio_ = std::make_unique<DemoRadio>();
    QString error;
    QVERIFY2(radio_->start(radioArgs, &error), qPrintable(error));
    qputenv("TALVO_PORT_1", radio_->device().toLocal8Bit());
    program_ = StartProgram(CreateSystemSerialLink());
    state().PortNumber = 1;
    if (lang != kEnglish) window().switchLanguage(lang);
    window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&window()));
}

void RadioWindow::restartProgram() {
    program_ = {};
    program_ = StartProgram(CreateSystemSerialLink());
}

ProgramState& RadioWindow::state() {
    return window().state();
}

QString RadioWindow::path(const char* name) const {
    return QDir(env_->programDir()).filePath(name);
}

}  // namespace talvo::testing
