// Read and write commands of the main window (menu and toolbar).
#include "app/main_window.h"
#include "app/transfer_controller.h"

namespace talvo {

void MainWindow::startRead() {
    transfer_->StartRead();
}
void MainWindow::startWrite() {
    transfer_->StartWrite();
}

}  // namespace talvo
