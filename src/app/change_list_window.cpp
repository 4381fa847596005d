#include "app/change_list_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace talvo {

namespace {

QString Pick(LanguageFlagValue lang, const char* zh, const char* en) {
    return QString::fromUtf8(lang == kChinese ? zh : en);
}

}  // namespace

ChangeListWindow::ChangeListWindow(LanguageFlagValue lang,
                                   const std::vector<compare::Change>& changes,
                                   const QString& backupName, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FrmChanges"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(Pick(lang, "写频前确认更改", "Changes to Write"));

    intro_ = new QLabel(this);
    intro_->setObjectName(QStringLiteral("Intro"));
    intro_->setWordWrap(true);
    intro_->setText(
        Pick(lang, "对讲机中原有的数据已备份为 %1。\n写频将带来以下更改（原值 → 新值）：",
             "What the radio held is kept in the backup %1.\nWriting will make these changes "
             "(old → new):")
            .arg(backupName));

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("Changes"));
    list_->setWordWrap(true);
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    for (const std::string& line : compare::ChangeLines(changes, lang))
        list_->addItem(QString::fromStdString(line));

    auto* buttons = new QDialogButtonBox(this);
    write_ = buttons->addButton(Pick(lang, "写频(&W)", "&Write"), QDialogButtonBox::AcceptRole);
    write_->setObjectName(QStringLiteral("WriteButton"));
    cancel_ = buttons->addButton(Pick(lang, "取消", "Cancel"), QDialogButtonBox::RejectRole);
    cancel_->setObjectName(QStringLiteral("CancelButton"));
    // Nothing is written by pressing Enter without looking: Cancel is the default.
    cancel_->setDefault(true);
    cancel_->setFocus();
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro_);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(640, 420);
}

}  // namespace talvo
