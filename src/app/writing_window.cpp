#include "app/writing_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "radio/memory/block_plan.h"
#include "ui/language_change.h"

namespace talvo {

WritingWindow::WritingWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("writingWindow");
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    label_ = new QLabel(this);
    label_->setObjectName("progressText");
    bar_ = new QProgressBar(this);
    bar_->setObjectName("progressBar");
    bar_->setRange(radio::kFirstStep, radio::kLastStep);
    bar_->setTextVisible(false);
    bar_->setMinimumWidth(320);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(bar_);
    layout->setContentsMargins(16, 16, 16, 16);
}

void WritingWindow::applyLanguage(Language lang) {
    if (lang == kChinese) label_->clear();
}

void WritingWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) applyLanguage(WindowLanguage());
    QDialog::changeEvent(event);
}

// The window has no commands of its own; the transfer decides what a close means.
void WritingWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit closeRequested();
}

void WritingWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        emit closeRequested();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace talvo
