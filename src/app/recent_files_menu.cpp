#include "app/recent_files_menu.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTimer>

#include "app/settings_store.h"
#include "lang/catalogue.h"
#include "radio/state/program_state.h"
#include "ui/local_msgbox.h"

namespace talvo {

RecentFilesMenu::RecentFilesMenu(QMenu* menu, const ProgramState& state, QWidget* window,
                                 QWidget* messageParent)
    : QObject(window),
      menu_(menu),
      state_(state),
      window_(window),
      messageParent_(messageParent),
      files_(LoadRecentFiles().mid(0, kCount)) {
    separator_ = menu_->addSeparator();
    separator_->setObjectName("MNLineRecent");
    rebuild();
}

void RecentFilesMenu::remember(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    files_.removeAll(full);
    files_.prepend(full);
    while (files_.size() > kCount) files_.removeLast();
    SaveRecentFiles(files_);
    rebuild();
}

void RecentFilesMenu::rebuild() {
    qDeleteAll(entries_);
    entries_.clear();
    separator_->setVisible(!files_.isEmpty());
    for (int i = 0; i < files_.size(); ++i) {
        const QString path = files_[i];
        auto* a = new QAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)), window_);
        a->setObjectName(QStringLiteral("MNRecent%1").arg(i + 1));
        connect(a, &QAction::triggered, this, [this, path] { open(path); });
        menu_->addAction(a);
        entries_.append(a);
    }
}

void RecentFilesMenu::open(const QString& path) {
    if (QFileInfo::exists(path)) {
        emit openRequested(path);
        return;
    }
    const Language lang = state_.language;
    LocalMsgBox(lang,
                Tr(TALVO_TEXT("MainDocument",
                              "The file no longer exists; it was removed from the recent files:\n"),
                   lang) +
                    QDir::toNativeSeparators(path),
                StyleIconWarning, Tr(TALVO_TEXT("MainDocument", "Mistake"), lang), messageParent_);
    files_.removeAll(path);
    SaveRecentFiles(files_);
    // Not from inside this entry's own signal: the entry goes with the rebuild.
    QTimer::singleShot(0, this, &RecentFilesMenu::rebuild);
}

}  // namespace talvo
