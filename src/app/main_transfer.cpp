// Read and write commands of the main window (menu and toolbar).
#include "app/main_window.h"
#include "app/transfer_controller.h"

namespace talvo {

void MainWindow::startRead() {
    // A read replaces the document: unsaved changes are settled first.
    if (!settleUnsavedChanges()) return;
    radioImageBeforeRead_ = state_.RadioImage;
    transfer_->StartRead();
}
void MainWindow::startWrite() {
    transfer_->StartWrite();
}

}  // namespace talvo
