#include "app/data_file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/settings_store.h"

namespace talvo {
namespace {

QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
    return QDir::homePath();
}

}  // namespace

QString ChooseDataFile(QWidget* parent, bool save, const QString& folder, const QString& filter) {
    QFileDialog dialog(parent, QString(), folder, filter);
    // The toolkit's own dialog everywhere: a desktop's dialog may not add the suffix before
    // its replace question, and would then ask about another file than the one written.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QString dataFilter = filter.section(QStringLiteral(";;"), 0, 0);
    dialog.selectNameFilter(dataFilter);
    if (save) {
        // A name without a suffix saved under the data file filter would be hidden from the
        // Open dialog, whose first filter shows only "*.dat".
        dialog.setDefaultSuffix(QStringLiteral("dat"));
        QObject::connect(
            &dialog, &QFileDialog::filterSelected, &dialog,
            [&dialog, dataFilter](const QString& chosen) {
                dialog.setDefaultSuffix(chosen == dataFilter ? QStringLiteral("dat") : QString());
            });
    }
    dialog.selectFile(QString());
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

QString DataFileStartFolder() {
    const QString last = LoadLastFolder();
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
    return DocumentsFolder();
}

void RememberDataFileFolder(const QString& path) {
    SaveLastFolder(QFileInfo(path).absolutePath());
}

}  // namespace talvo
