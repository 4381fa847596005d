#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

class QAction;
class QMenu;
class QWidget;

namespace talvo {

struct ProgramState;

// The File menu's last files opened or saved, newest first, kept between runs. An entry opens
// its file; an entry whose file is gone says so and leaves the list.
class RecentFilesMenu : public QObject {
    Q_OBJECT
  public:
    static constexpr int kCount = 6;

    // The entries ("MNRecent1".."MNRecent6", children of `window`) go at the end of `menu`,
    // after their own separator; messages show over `messageParent`.
    RecentFilesMenu(QMenu* menu, const ProgramState& state, QWidget* window,
                    QWidget* messageParent);

    const QStringList& files() const { return files_; }
    // `path` was opened or saved: it goes to the top.
    void remember(const QString& path);

  signals:
    void openRequested(const QString& path);

  private:
    void rebuild();
    void open(const QString& path);

    QMenu* menu_;
    const ProgramState& state_;
    QWidget* window_;
    QWidget* messageParent_;
    QAction* separator_ = nullptr;
    QList<QAction*> entries_;
    QStringList files_;
};

}  // namespace talvo
