#include "app/hiding_sub_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QScrollArea>
#include <algorithm>

namespace talvo {
namespace {

// The toolkit's entries of a child window's system menu, as its catalogues know them.
constexpr const char* kSystemMenuContext = "QMdiSubWindow";
constexpr const char* kSystemMenuTexts[] = {"&Restore",  "&Move",        "&Size", "Mi&nimize",
                                            "Ma&ximize", "Stay on &Top", "&Close"};
constexpr const char* kSourceTextProperty = "talvoSourceText";

}  // namespace

HidingSubWindow::HidingSubWindow(QWidget* editor, QWidget* parent)
    : QMdiSubWindow(parent), editor_(editor) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("editorScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(editor);
    // The keyboard goes where the editor sends it; the scroll area is no stop of its own.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setFocusProxy(editor);
    setWidget(scroll);
    setWindowTitle(editor->windowTitle());
    setWindowIcon(editor->windowIcon());
    editor->installEventFilter(this);
    // The frame's own Close entry would also claim Ctrl+W (the platform's close key here),
    // which belongs to the write command of the main window; Ctrl+F4 still closes the frame.
    if (QMenu* menu = systemMenu()) {
        for (QAction* a : menu->actions()) {
            QList<QKeySequence> keys = a->shortcuts();
            if (keys.removeAll(QKeySequence(Qt::CTRL | Qt::Key_W)) > 0) a->setShortcuts(keys);
            for (const char* source : kSystemMenuTexts) {
                if (a->text() == QLatin1String(source) ||
                    a->text() == QCoreApplication::translate(kSystemMenuContext, source)) {
                    a->setProperty(kSourceTextProperty, QByteArray(source));
                }
            }
        }
    }
}

void HidingSubWindow::retranslateSystemMenu() {
    QMenu* menu = systemMenu();
    if (!menu) return;
    for (QAction* a : menu->actions()) {
        const QByteArray source = a->property(kSourceTextProperty).toByteArray();
        if (!source.isEmpty()) a->setText(QCoreApplication::translate(kSystemMenuContext, source));
    }
}

void HidingSubWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslateSystemMenu();
    QMdiSubWindow::changeEvent(event);
}

void HidingSubWindow::resizeForEditor(QSize editorSize) {
    const QSize border = sizeHint() - widget()->sizeHint();
    resize(editorSize.expandedTo(editor_->minimumSizeHint()) +
           (border.isValid() ? border : QSize(8, 30)));
}

void HidingSubWindow::showEditor() {
    editor_->show();
    show();
}

void HidingSubWindow::fitInto(QSize area) {
    if (size() != fitted_) beforeFit_ = QSize();  // the user resized it: that size holds
    const QSize wanted = beforeFit_.isValid() ? beforeFit_ : size();
    const QSize fit = wanted.boundedTo(area).expandedTo(minimumSize());
    beforeFit_ = fit != wanted ? wanted : QSize();
    fitted_ = fit;
    resize(fit);
    move(std::clamp(x(), 0, std::max(0, area.width() - width())),
         std::clamp(y(), 0, std::max(0, area.height() - height())));
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
