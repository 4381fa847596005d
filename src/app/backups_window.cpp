#include "app/backups_window.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "compare/change_list.h"
#include "lang/catalogue.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/file_io.h"
#include "run/read_backups.h"
#include "ui/accessible_names.h"
#include "ui/language_change.h"

namespace talvo {

namespace {

constexpr int kNamesShown = 4;
// Marks the count cell of a backup that cannot be read (its words follow the language).
constexpr int kUnreadable = Qt::UserRole + 1;

struct Summary {
    bool readable = false;
    int used = 0;
    QString names;
};

Summary Summarise(const QString& path) {
    Summary summary;
    std::vector<std::uint8_t> bytes;
    ImageBytes image{};
    if (ReadFileBytes(QFile::encodeName(path).toStdString(), bytes, kDataFileSize + 1) !=
            Status::Ok ||
        ParseDataFile(bytes, image) != Status::Ok)
        return summary;
    summary.readable = true;
    const ProgramState state = compare::DecodedState(image);
    QStringList names;
    for (int ch = 1; ch <= kChannelCount; ++ch) {
        if (state.channels.isFree(ch)) continue;
        ++summary.used;
        const std::string& name = state.channels.at(ch).name;
        if (!name.empty() && names.size() < kNamesShown) names << QString::fromStdString(name);
    }
    summary.names = names.join(QStringLiteral(", "));
    return summary;
}

}  // namespace

BackupsWindow::BackupsWindow(Language lang, QWidget* parent) : QDialog(parent), lang_(lang) {
    setObjectName(QStringLiteral("FrmBackups"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    intro_ = new QLabel(this);
    intro_->setWordWrap(true);

    table_ = new QTableWidget(0, 3, this);
    table_->setObjectName(QStringLiteral("BackupList"));
    NameAfterTitle(table_, this);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(this);
    open_ = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    open_->setObjectName(QStringLiteral("OpenButton"));
    cancel_ = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    cancel_->setObjectName(QStringLiteral("CancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        const int row = table_->currentRow();
        if (row < 0) return;
        chosen_ = table_->item(row, 0)->data(Qt::UserRole).toString();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        chosen_ = table_->item(row, 0)->data(Qt::UserRole).toString();
        accept();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro_);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);
    fill();
    retranslate();
    resize(640, 400);
}

void BackupsWindow::changeEvent(QEvent* event) {
    if (TakeLanguage(event, lang_)) {
        retranslate();
    }
    QDialog::changeEvent(event);
}

void BackupsWindow::retranslate() {
    setWindowTitle(Tr(TALVO_TEXT("BackupsWindow", "Backups"), lang_));
    intro_->setText(
        Tr(TALVO_TEXT("BackupsWindow", "Every read keeps what the radio held in:\n%1"), lang_)
            .arg(run::BackupFolder()));
    table_->setHorizontalHeaderLabels(
        {Tr(TALVO_TEXT("BackupsWindow", "Date and time"), lang_),
         Tr(TALVO_TEXT("BackupsWindow", "Channels used"), lang_),
         Tr(TALVO_TEXT("BackupsWindow", "First channel names"), lang_)});
    for (int row = 0; row < table_->rowCount(); ++row) {
        QTableWidgetItem* used = table_->item(row, 1);
        if (used->data(kUnreadable).toBool())
            used->setText(Tr(TALVO_TEXT("BackupsWindow", "cannot be read"), lang_));
    }
    open_->setText(Tr(TALVO_TEXT("BackupsWindow", "Open"), lang_));
    cancel_->setText(Tr(TALVO_TEXT("BackupsWindow", "Cancel"), lang_));
}

void BackupsWindow::fill() {
    const auto backups = run::ListBackups();
    table_->setRowCount(static_cast<int>(backups.size()));
    for (int row = 0; row < static_cast<int>(backups.size()); ++row) {
        const run::BackupFile& backup = backups[static_cast<std::size_t>(row)];
        const Summary summary = Summarise(backup.path);
        auto* when =
            new QTableWidgetItem(backup.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        when->setData(Qt::UserRole, backup.path);
        when->setToolTip(backup.path);
        table_->setItem(row, 0, when);
        auto* used =
            new QTableWidgetItem(summary.readable ? QString::number(summary.used) : QString());
        used->setData(kUnreadable, !summary.readable);
        table_->setItem(row, 1, used);
        table_->setItem(row, 2, new QTableWidgetItem(summary.names));
    }
    table_->resizeColumnsToContents();
    if (!backups.empty()) table_->selectRow(0);
    open_->setEnabled(!backups.empty());
}

}  // namespace talvo
