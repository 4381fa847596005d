// Read and write commands of the main window.
#include "app/local_msgbox.h"
#include "app/main_window.h"
#include "app/serial_link.h"
#include "editors/channels/channel_table_window.h"

namespace talvo {

namespace {

// Opens the remembered port; whether it opened is seen through the port's open state.
void OpenConfiguredPort(SerialLink& port, int portNumber) {
    port.close();
    port.open(portNumber);
}

}  // namespace

void MainWindow::startRead() {
    if (!port_->isOpen()) OpenConfiguredPort(*port_, state_.PortNumber);
    state_.band.BandPromptSuppressed = true;
    if (!port_->isOpen()) {
        LocalMsgBox(state_.LanguageFlag, "串行端口无效", "The serial port is invalid", StyleOk, "",
                    "", channel_);
        return;
    }
}

void MainWindow::startWrite() {
    if (!port_->isOpen()) OpenConfiguredPort(*port_, state_.PortNumber);
    if (!port_->isOpen()) {
        LocalMsgBox(state_.LanguageFlag, "串行端口无效", "The serial port is invalid", StyleOk, "",
                    "", channel_);
        return;
    }
}

}  // namespace talvo
