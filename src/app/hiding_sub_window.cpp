#include "app/hiding_sub_window.h"

#include <QCloseEvent>

namespace talvo {

HidingSubWindow::HidingSubWindow(QWidget* editor, QWidget* parent)
    : QMdiSubWindow(parent), editor_(editor) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWidget(editor);
    setWindowIcon(editor->windowIcon());
    editor->installEventFilter(this);
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
