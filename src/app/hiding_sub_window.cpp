#include "app/hiding_sub_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QMenu>

namespace talvo {

HidingSubWindow::HidingSubWindow(QWidget* editor, QWidget* parent)
    : QMdiSubWindow(parent), editor_(editor) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWidget(editor);
    setWindowIcon(editor->windowIcon());
    editor->installEventFilter(this);
    // The frame's own Close entry would also claim Ctrl+W (the platform's close key here),
    // which belongs to the write command of the main window; Ctrl+F4 still closes the frame.
    if (QMenu* menu = systemMenu()) {
        for (QAction* a : menu->actions()) {
            QList<QKeySequence> keys = a->shortcuts();
            if (keys.removeAll(QKeySequence(Qt::CTRL | Qt::Key_W)) > 0) a->setShortcuts(keys);
        }
    }
}

void HidingSubWindow::showEditor() {
    editor_->show();
    show();
}

void HidingSubWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

bool HidingSubWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_) {
        if (event->type() == QEvent::Hide && editor_->isHidden() && isVisible()) hide();
        if (event->type() == QEvent::WindowTitleChange) setWindowTitle(editor_->windowTitle());
    }
    return QMdiSubWindow::eventFilter(watched, event);
}

}  // namespace talvo
