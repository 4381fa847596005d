// The editor windows the first window does not show: building them took about a fifth of the
// start-up, so they come once the main window has painted, or at once when asked for sooner.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include "app/hidden_mode_buttons.h"
#include "app/hiding_sub_window.h"
#include "app/main_window.h"
#include "editors/debug/debug_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/fm/fm_window.h"
#include "editors/options/options_window.h"

namespace talvo {

void MainWindow::buildLaterWindowsAfterPaint(QObject* watched, const QEvent* event) {
    if (laterWindowsQueued_ || event->type() != QEvent::Paint || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != this)
        return;
    laterWindowsQueued_ = true;
    QTimer::singleShot(0, this, &MainWindow::buildLaterWindows);
}

void MainWindow::buildLaterWindows() {
    if (dtmf_) return;
    dtmf_ = new DtmfWindow(document_);
    options_ = new OptionsWindow(document_);
    debug_ = new DebugWindow(document_);
    fm_ = new FmWindow(document_);
    for (EditorWindow* w : std::initializer_list<EditorWindow*>{dtmf_, options_, debug_, fm_}) {
        HidingSubWindow* frame = addEditor(w);
        frame->hide();
        // The language procedure they missed, then what the model holds now (a list may only
        // have all its entries after the first).
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(frame, &change);
        w->loadFromModel();
    }
    connect(options_, &OptionsWindow::hiddenModeEffect, hiddenModes_, &HiddenModeButtons::unlock);
    // A child window taken into the shown area clears the main window's unsaved mark.
    updateTitle();
}

DtmfWindow* MainWindow::dtmfWindow() {
    buildLaterWindows();
    return dtmf_;
}

OptionsWindow* MainWindow::optionsWindow() {
    buildLaterWindows();
    return options_;
}

DebugWindow* MainWindow::debugWindow() {
    buildLaterWindows();
    return debug_;
}

FmWindow* MainWindow::fmWindow() {
    buildLaterWindows();
    return fm_;
}

}  // namespace talvo
