#include "app/data_file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QRegularExpression>
#include <QStandardPaths>

#include "app/settings_store.h"
#include "ui/accessible_names.h"

namespace talvo {
namespace {

QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
    return QDir::homePath();
}

// The suffix a name gets under `filter` ("DAT文件(*.dat)" gives "dat"); none for a filter of
// several patterns or of all files.
QString SuffixOf(const QString& filter) {
    static const QRegularExpression single(QStringLiteral("\\(\\*\\.([A-Za-z0-9]+)\\)$"));
    const QRegularExpressionMatch match = single.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

// The toolkit's file list writes sizes and dates in the system's locale; these columns are
// written again in the program's (the default locale, which follows its language). The type
// column already follows the default locale.
class LocalizedFileColumns : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;
    static constexpr int kSizeColumn = 1;
    static constexpr int kDateColumn = 3;

    QVariant data(const QModelIndex& index, int role) const override {
        auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !files ||
            (index.column() != kSizeColumn && index.column() != kDateColumn))
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        const QLocale locale;
        if (index.column() == kDateColumn) {
            const QDateTime modified = files->lastModified(source);
            return modified.isValid() ? locale.toString(modified, QLocale::ShortFormat) : QString();
        }
        if (files->isDir(source)) return QIdentityProxyModel::data(index, role);
        return locale.formattedDataSize(files->size(source));
    }
};

}  // namespace

QString ChooseDataFile(QWidget* parent, bool save, const QString& folder, const QString& filter) {
    QFileDialog dialog(parent, QString(), folder, filter);
    // The toolkit's own dialog everywhere: a desktop's dialog may not add the suffix before
    // its replace question, and would then ask about another file than the one written.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    NameFileDialogFields(&dialog);
    dialog.setProxyModel(new LocalizedFileColumns(&dialog));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QString firstFilter = filter.section(QStringLiteral(";;"), 0, 0);
    dialog.selectNameFilter(firstFilter);
    if (save) {
        // A name saved without the suffix of the selected filter would be hidden from the
        // Open dialog, which shows only files of that suffix at first.
        dialog.setDefaultSuffix(SuffixOf(firstFilter));
        QObject::connect(
            &dialog, &QFileDialog::filterSelected, &dialog,
            [&dialog](const QString& chosen) { dialog.setDefaultSuffix(SuffixOf(chosen)); });
    }
    // A file given instead of a folder is proposed by name.
    const QFileInfo proposed(folder);
    if (save && !folder.isEmpty() && !proposed.isDir()) {
        dialog.setDirectory(proposed.absolutePath());
        dialog.selectFile(proposed.fileName());
    } else {
        dialog.selectFile(QString());
    }
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
