// File → Backups… of the main window.
#include <QFile>
#include <QFileInfo>

#include "app/backups_window.h"
#include "app/file_failure.h"
#include "app/fleet_window.h"
#include "app/main_window.h"
#include "document/document.h"
#include "editors/channels/channel_table_window.h"
#include "lang/catalogue.h"
#include "radio/codecs/data_file.h"

namespace talvo {

void MainWindow::showFleet() {
    // The window works on a copy: the document stays as it is while the radios are written.
    FleetWindow window(document_.state(), state_.language, channel_);
    window.exec();
}

void MainWindow::showBackups() {
    BackupsWindow window(state_.language, channel_);
    if (window.exec() != QDialog::Accepted || window.chosen().isEmpty()) return;
    if (!settleUnsavedChanges()) return;
    const QString path = window.chosen();
    // Read into a copy: a failure leaves the document as it was.
    ProgramState after = document_.state();
    const Status status = OpenDataFile(after, QFile::encodeName(path).toStdString());
    if (status != Status::Ok) {
        ReportFileFailure(status, path, state_.language, channel_);
        return;
    }
    state_.band.BandPromptSuppressed = true;
    const std::string name = QFileInfo(path).fileName().toStdString();
    document_.loadState(
        Message(TALVO_TEXT("MainSafety", "Open backup %1"), {Message::Literal(name)}), after);
    // A backup is never saved over: the document belongs to no file until Save names one.
    setCurrentFile({});
    showDecodedModel();
    showEditor(channel_);
}

}  // namespace talvo
