// File → Backups… of the main window.
#include <QFile>

#include "app/backups_window.h"
#include "app/main_window.h"
#include "editors/channels/channel_table_window.h"
#include "image/data_file.h"

namespace talvo {

void MainWindow::showBackups() {
    BackupsWindow window(state_.LanguageFlag, channel_);
    if (window.exec() != QDialog::Accepted || window.chosen().isEmpty()) return;
    const QString path = window.chosen();
    state_.band.BandPromptSuppressed = true;
    const Status status = OpenDataFile(state_, QFile::encodeName(path).toStdString());
    if (status != Status::Ok) {
        reportFileFailure(status, path);
        return;
    }
    showDecodedModel();
    showEditor(channel_);
}

}  // namespace talvo
